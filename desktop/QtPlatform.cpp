#include "QtPlatform.h"

#include "AppInfo.h"
#include "IniText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
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

QString QtSettingsStore::Path() const {
    if (!path_.isEmpty())
        return path_;
    // Where QSettings keeps the user's INI store on this platform. Asked only
    // when the store is used: a copy that ends at the guard never touches it.
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kOrganisation),
                     QString::fromLatin1(kAppName))
        .fileName();
}

QString QtSettingsStore::read(const QString& section, const QString& name) {
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniValue(file.readAll(), section, name);
}

bool QtSettingsStore::write(const QString& section, const QString& name, const QString& text) {
    if (!IsPlainIniValue(text))
        return false;
    const QString path = Path();
    QByteArray content;
    if (QFile existing(path); existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            return false; // never replace what could not be read
        content = existing.readAll();
    } else if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    // Only the one line changes; the new file replaces the old one whole,
    // and is on the disk before commit() returns.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(WithIniValue(content, section, name, text));
    return file.commit();
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
