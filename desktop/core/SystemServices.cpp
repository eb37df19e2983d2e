// SPDX-License-Identifier: MIT
#include "SystemServices.h"

#include "AppInfo.h"
#include "IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace dicemere {

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

QString QtSettingsStore::Read(const QString& section, const QString& name) {
    QFile file(Path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return IniValue(file.readAll(), section, name);
}

bool QtSettingsStore::Write(const QString& section, const QString& name, const QString& text) {
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

QDate SystemClock::Today() { return QDate::currentDate(); }

QString QtInstanceLock::DefaultPath() {
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

QtInstanceLock::QtInstanceLock() : QtInstanceLock(DefaultPath()) {}

QtInstanceLock::QtInstanceLock(const QString& lockPath) : path_(lockPath) {}

QtInstanceLock::~QtInstanceLock() = default; // QLockFile unlocks on destruction

InstanceLock::Result QtInstanceLock::TryAcquire() {
    lock_ = std::make_unique<QLockFile>(path_);
    if (lock_->tryLock(0))
        return Result::Acquired;
    if (lock_->error() == QLockFile::LockFailedError)
        return Result::HeldByAnother;
    lock_.reset();
    return Result::Unavailable;
}

} // namespace dicemere
