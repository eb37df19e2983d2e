#include "QtPlatform.h"

#include "AppInfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace dicemere {

std::unique_ptr<QMessageBox> QtMessageBoxes::Build(QWidget* parent, MsgIcon icon,
                                                   MsgButtons buttons, const QString& text) {
    auto box = std::make_unique<QMessageBox>(
        icon == MsgIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromLatin1(kAppTitle), text, QMessageBox::NoButton, parent);
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

MsgAnswer QtMessageBoxes::show(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                               const QString& text) {
    const auto box = Build(parent, icon, buttons, text);
    const int answer = box->exec();
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtUrlOpener::open(const QString& address) {
    // The result is not examined: with no browser the program carries on.
    QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

std::unique_ptr<QSettings> QtSettingsStore::Open() const {
    // Opened only when asked: a copy that ends at the guard never touches it.
    if (!path_.isEmpty())
        return std::make_unique<QSettings>(path_, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QString::fromLatin1(kOrganisation),
                                       QString::fromLatin1(kAppName));
}

QString QtSettingsStore::read(const QString& section, const QString& name) {
    return Open()->value(section + QLatin1Char('/') + name).toString();
}

bool QtSettingsStore::write(const QString& section, const QString& name, const QString& text) {
    const auto settings = Open();
    // A file that could not be read in full is left as it is, so nothing
    // else in it is lost.
    if (settings->status() != QSettings::NoError || !settings->isWritable())
        return false;
    settings->setValue(section + QLatin1Char('/') + name, text);
    settings->sync(); // survive an abrupt end
    return settings->status() == QSettings::NoError;
}

QDate SystemClock::today() { return QDate::currentDate(); }

QString QtInstanceLock::defaultPath() {
    const QString id = QString::fromLatin1(kAppId);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return QDir(runtime).filePath(id + QStringLiteral(".lock"));
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    return QDir(temp).filePath(id + QLatin1Char('-') + user + QStringLiteral(".lock"));
}

QtInstanceLock::QtInstanceLock() : QtInstanceLock(defaultPath()) {}

QtInstanceLock::QtInstanceLock(const QString& lockPath) : path_(lockPath) {}

QtInstanceLock::~QtInstanceLock() = default; // QLockFile unlocks on destruction

InstanceLock::Result QtInstanceLock::tryAcquire() {
    lock_ = std::make_unique<QLockFile>(path_);
    if (lock_->tryLock(0))
        return Result::Acquired;
    if (lock_->error() == QLockFile::LockFailedError)
        return Result::HeldByAnother;
    lock_.reset();
    return Result::Unavailable;
}

} // namespace dicemere
