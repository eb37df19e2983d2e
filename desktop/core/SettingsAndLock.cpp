// SPDX-License-Identifier: MIT
#include "SettingsAndLock.h"

#include "AppInfo.h"
#include "IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace dicemere {

namespace {

// Something that is there but is no regular file, or is a symbolic link:
// never opened (a pipe would block, a device never ends), never replaced.
bool IsForeign(const QFileInfo& info) {
    return info.isSymLink() || (info.exists() && !info.isFile());
}

// Writes all of data where the device stands; false on any short or failed
// write. flush() hands the last buffered bytes to the system, so a full disk
// is seen here and not only at close.
bool WriteAll(QFileDevice& file, const QByteArray& data) {
    return file.write(data) == data.size() && file.flush();
}

// Rewrites the file in place, for a folder where no temporary file can be
// made. Nothing is truncated until the new content is written; if writing
// fails, the old content is put back.
bool WriteInPlace(const QString& path, const QByteArray& before, const QByteArray& after) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) // no truncation
        return false;
    if (WriteAll(file, after) && (after.size() >= before.size() || file.resize(after.size())))
        return true;
    file.seek(0);
    WriteAll(file, before);
    file.resize(before.size());
    return false;
}

} // namespace

IniSettingsStore::IniSettingsStore() = default;

IniSettingsStore::IniSettingsStore(QString iniPath) : path_(std::move(iniPath)) {}

QString IniSettingsStore::DefaultPath() {
    // The place QSettings gives an INI store of user scope, worked out without
    // opening one (QSettings would read the file just to say where it is).
#ifdef Q_OS_WIN
    const QString roaming = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString base = QFileInfo(roaming).path(); // <roaming>/<organisation>
    const QString folder = QFileInfo(base).path();
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    return QDir(folder).filePath(QString::fromLatin1(kOrganisation) + QLatin1Char('/') +
                                 QString::fromLatin1(kAppName) + QStringLiteral(".ini"));
}

QString IniSettingsStore::Path() const { return path_.isEmpty() ? DefaultPath() : path_; }

IniSettingsStore::Content IniSettingsStore::Load(QByteArray* bytes) const {
    const QFileInfo info(Path());
    if (IsForeign(info))
        return Content::Unusable;
    if (!info.exists())
        return Content::Absent;
    if (info.size() > kMaxSettingsBytes)
        return Content::Unusable;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return Content::Unusable;
    // Bounded, in case the file grew since it was looked at.
    *bytes = file.read(kMaxSettingsBytes + 1);
    return bytes->size() > kMaxSettingsBytes ? Content::Unusable : Content::Usable;
}

QString IniSettingsStore::Read(const QString& section, const QString& name) {
    QByteArray content;
    if (Load(&content) != Content::Usable)
        return {};
    return IniValue(content, section, name);
}

bool IniSettingsStore::Write(const QString& section, const QString& name, const QString& text) {
    if (!IsPlainIniValue(text))
        return false;
    const QString path = Path();
    QByteArray content;
    switch (Load(&content)) {
    case Content::Unusable:
        return false; // never replace what could not be read
    case Content::Absent:
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        break;
    case Content::Usable:
        break;
    }
    const QByteArray changed = WithIniValue(content, section, name, text);
    if (changed == content)
        return true;
    // Only the one line changes; the new file replaces the old one whole, and
    // is on the disk before commit() returns. Every write is checked here:
    // commit() itself does not report a flush that failed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // No temporary file can be made beside it (a read-only folder): an
        // existing file that may be written is updated in place.
        const QFileInfo info(path);
        return info.exists() && info.isWritable() && WriteInPlace(path, content, changed);
    }
    if (!WriteAll(file, changed) || file.size() != changed.size()) {
        file.cancelWriting(); // the temporary file goes, the old file stays
        return false;
    }
    return file.commit();
}

QDate SystemClock::Today() { return QDate::currentDate(); }

QStringList QtInstanceLock::DefaultPaths() {
    const QString id = QString::fromLatin1(kAppId);
    const QString name = id + QStringLiteral(".lock");
    QStringList paths;
    const auto add = [&](QStandardPaths::StandardLocation location, const QString& file) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && !paths.contains(QDir(folder).filePath(file)))
            paths << QDir(folder).filePath(file);
    };
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt would give the home folder): the
    // user's local application data, which no roaming profile copies.
    add(QStandardPaths::GenericConfigLocation, name);
#else
    add(QStandardPaths::RuntimeLocation, name);
    add(QStandardPaths::GenericCacheLocation, name);
    add(QStandardPaths::GenericConfigLocation, name);
#endif
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    add(QStandardPaths::TempLocation, id + QLatin1Char('-') + user + QStringLiteral(".lock"));
    return paths;
}

QtInstanceLock::QtInstanceLock() : QtInstanceLock(DefaultPaths()) {}

QtInstanceLock::QtInstanceLock(QStringList lockPaths) : paths_(std::move(lockPaths)) {}

QtInstanceLock::~QtInstanceLock() = default; // QLockFile unlocks on destruction

InstanceLock::Result QtInstanceLock::TryAcquire() {
    lock_.reset();
    std::unique_ptr<QLockFile> held;
    for (const QString& path : paths_) {
        const QFileInfo info(path);
        // Only a regular file can be a copy's lock: a folder, a pipe or a link
        // in its place is nobody's, and is left alone.
        if (IsForeign(info))
            continue;
        if (held && !info.exists())
            continue; // nothing there: nobody holds it
        if (!held)
            QDir().mkpath(info.absolutePath()); // a user's cache folder may not be there yet
        auto lock = std::make_unique<QLockFile>(path);
        if (lock->tryLock(0)) {
            if (!held)
                held = std::move(lock); // ours from now on
            continue;                   // a stale lock of a place further down, cleared
        }
        if (lock->error() == QLockFile::LockFailedError)
            return Result::HeldByAnother; // a live copy holds it (or is writing it now)
        // Any other error: this place cannot be used.
    }
    if (!held)
        return Result::Unavailable;
    lock_ = std::move(held);
    return Result::Acquired;
}

} // namespace dicemere
