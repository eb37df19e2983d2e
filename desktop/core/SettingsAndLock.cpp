// SPDX-License-Identifier: MIT
#include "SettingsAndLock.h"

#include "AppInfo.h"
#include "IniText.h"
#include "SystemCalls.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace dicemere {

namespace {

// Something that is there but is no regular file: never opened (a pipe would
// block, a device never ends), never replaced. Links have been followed to
// their target before this is asked.
bool IsForeign(const QFileInfo& info) {
    return info.isSymLink() || (info.exists() && !info.isFile());
}

// Writes all of data where the device stands; false on any short or failed
// write. flush() hands the last buffered bytes to the system, so a full disk
// is seen here and not only at close.
bool WriteAll(QFileDevice& file, const QByteArray& data) {
    return file.write(data) == data.size() && file.flush();
}

// Changes the file inside itself, for a folder where no temporary file can be
// made: nothing is truncated that holds anything but the appended part, and
// each step is on the disk before the next. The second edit is the one that
// makes the new value count; a failure before it takes the appended part
// away again.
bool WriteInPlace(const QString& path, qint64 oldSize, const QList<IniEdit>& edits) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) // no truncation
        return false;
    for (qsizetype i = 0; i < edits.size(); ++i) {
        const IniEdit& edit = edits[i];
        const bool done = edit.truncateTo >= 0
                              ? file.resize(edit.truncateTo)
                              : file.seek(edit.offset) && WriteAll(file, edit.bytes);
        if (!done) {
            if (i >= 2)
                return true; // the new value already counts
            file.resize(oldSize);
            os::SyncFile(file.handle());
            return false;
        }
        os::SyncFile(file.handle());
    }
    return true;
}

// Our own temporary files (QSaveFile's: the name, a dot, six letters or
// digits) that a write cut short at its rename left beside the settings file.
// One this young may be another copy's write in progress.
constexpr qint64 kStaleTemporarySeconds = qint64(60) * 60;

void RemoveStaleTemporaries(const QString& path) {
    const QFileInfo settings(path);
    const QDir folder = settings.absoluteDir();
    const QRegularExpression ours(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(settings.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kStaleTemporarySeconds);
    const qint64 user = os::UserId();
    const QStringList names =
        folder.entryList({settings.fileName() + QStringLiteral(".*")},
                         QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        const QFileInfo info(folder.filePath(name));
        if (ours.match(name).hasMatch() && info.isFile() && !info.isSymLink() &&
            (user < 0 || info.ownerId() == static_cast<uint>(user)) && info.lastModified() < before)
            QFile::remove(info.filePath());
    }
}

#ifndef Q_OS_WIN
// A folder named by an environment variable counts only when it is absolute,
// as the XDG base-directory rules say.
QString AbsoluteFolderFrom(const char* variable) {
    const QString folder = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(folder) ? QDir::cleanPath(folder) : QString();
}

// $HOME when it is absolute, else the account's home from the system.
QString HomeFolder() {
    const QString home = AbsoluteFolderFrom("HOME");
    return home.isEmpty() ? os::AccountHome() : home;
}

// An XDG base folder: the variable when absolute, else its place in the home.
QString XdgFolder(const char* variable, const char* inHome) {
    QString folder = AbsoluteFolderFrom(variable);
    if (!folder.isEmpty())
        return folder;
    const QString home = HomeFolder();
    return home.isEmpty() ? QString() : QDir(home).filePath(QString::fromLatin1(inHome));
}
#endif

} // namespace

IniSettingsStore::IniSettingsStore() { os::KeepFileSizeLimitFromKilling(); }

IniSettingsStore::IniSettingsStore(QString iniPath) : path_(std::move(iniPath)) {
    os::KeepFileSizeLimitFromKilling();
}

QString IniSettingsStore::DefaultPath() {
    // The place QSettings gives an INI store of user scope, worked out without
    // opening one (QSettings would read the file just to say where it is).
#ifdef Q_OS_WIN
    const QString roaming = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString base = QFileInfo(roaming).path(); // <roaming>/<organisation>
    const QString folder = QFileInfo(base).path();
#else
    // Without a home there is no store: nothing is asked, nothing kept.
    const QString folder = XdgFolder("XDG_CONFIG_HOME", ".config");
#endif
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QString::fromLatin1(kOrganisation) + QLatin1Char('/') +
                                 QString::fromLatin1(kAppName) + QStringLiteral(".ini"));
}

QString IniSettingsStore::Path() const {
    QString path = path_.isEmpty() ? DefaultPath() : path_;
    // A link is followed to the file it names (the way dotfile managers keep
    // settings), which is then read and written; a link to anything but a
    // regular file, or to nothing, leaves no usable store.
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return !target.isEmpty() && QFileInfo(target).isFile() ? target : QString();
}

IniSettingsStore::Content IniSettingsStore::Load(const QString& path, QByteArray* bytes) {
    if (path.isEmpty())
        return Content::Unusable;
    const QFileInfo info(path);
    if (IsForeign(info))
        return Content::Unusable;
    if (!info.exists())
        return Content::Absent;
    if (info.size() > kMaxSettingsBytes)
        return Content::Unusable;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return Content::Unusable;
    // Bounded, in case the file grew since it was looked at. The size seen is
    // read first: a buffer of the largest size allowed, mapped from the system
    // and given back at once, raises glibc's threshold for mapping large blocks,
    // and the start-up's later large blocks then stay in the heap (about 300 KiB
    // more at the peak). Only a file that grew is read on, to the bound.
    *bytes = file.read(info.size() + 1);
    if (bytes->size() > info.size())
        bytes->append(file.read(kMaxSettingsBytes + 1 - bytes->size()));
    return bytes->size() > kMaxSettingsBytes ? Content::Unusable : Content::Usable;
}

QString IniSettingsStore::Read(const QString& section, const QString& name) {
    QByteArray content;
    if (Load(Path(), &content) != Content::Usable)
        return {};
    return IniValue(content, section, name);
}

bool IniSettingsStore::Write(const QString& section, const QString& name, const QString& text) {
    if (!IsPlainIniValue(text))
        return false;
    const QString path = Path();
    QByteArray content;
    switch (Load(path, &content)) {
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
        // existing file that may be written is changed inside itself.
        const QFileInfo info(path);
        return info.exists() && info.isWritable() &&
               WriteInPlace(path, content.size(), InPlaceIniEdits(content, section, name, text));
    }
    if (!WriteAll(file, changed) || file.size() != changed.size()) {
        file.cancelWriting(); // the temporary file goes, the old file stays
        return false;
    }
    if (!file.commit())
        return false;
    // The rename is on the disk too, or a power cut could bring the old
    // date back.
    os::SyncFolder(QFileInfo(path).absolutePath());
    RemoveStaleTemporaries(path);
    return true;
}

QDate SystemClock::Today() { return QDate::currentDate(); }

QStringList QtInstanceLock::DefaultPaths() {
    // Named for the numeric user id, so that no two accounts share a name
    // (user names come from the environment and may be missing or made up).
    const QString id = QString::fromLatin1(kAppId);
    const qint64 user = os::UserId();
    const QString owner = user < 0 ? QString() : QLatin1Char('-') + QString::number(user);
    const QString name = id + owner + QStringLiteral(".lock");
    QStringList paths;
    const auto add = [&](const QString& folder) {
        if (QDir::isAbsolutePath(folder) && !paths.contains(QDir(folder).filePath(name)))
            paths << QDir(folder).filePath(name);
    };
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt would give the home folder): the
    // user's local application data, which no roaming profile copies.
    add(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    add(QDir::tempPath()); // the user's own on Windows
#else
    add(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    add(XdgFolder("XDG_CACHE_HOME", ".cache"));
    add(XdgFolder("XDG_CONFIG_HOME", ".config"));
    // The shared temporary folder only through a folder of our own in it.
    add(QDir(QDir::tempPath()).filePath(id + owner));
#endif
    return paths;
}

QtInstanceLock::QtInstanceLock() : QtInstanceLock(DefaultPaths()) {}

QtInstanceLock::QtInstanceLock(QStringList lockPaths) : paths_(std::move(lockPaths)) {
    os::KeepFileSizeLimitFromKilling();
}

QtInstanceLock::~QtInstanceLock() = default; // the lock is let go and its file removed

namespace {

// A folder that only the user can change: theirs, and writable by no one
// else. Anywhere else another account could make, hold or remove the lock.
bool IsPrivateFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir())
        return false;
    const qint64 user = os::UserId();
    if (user < 0)
        return true; // Windows: the places are the user's own
    return info.ownerId() == static_cast<uint>(user) &&
           !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther));
}

// Makes the folder of a lock if it is missing; a folder in the shared
// temporary folder is made for the user alone.
bool MakeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    const QFileInfo parent(QFileInfo(folder).absolutePath());
    if (parent.isDir())
        return QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QDir().mkpath(folder); // a user's cache folder may not be there yet
}

} // namespace

InstanceLock::Result QtInstanceLock::TryAcquire() {
    lock_.reset();
    std::unique_ptr<os::FileLock> held;
    for (const QString& path : paths_) {
        const QString folder = QFileInfo(path).absolutePath();
        if (held) {
            // A copy that had to fall back is still found; a place that
            // others can write decides nothing.
            if (IsPrivateFolder(folder) && os::FileLock::HeldByAnother(path))
                return Result::HeldByAnother; // ours is let go and removed
            continue;
        }
        if (!MakeFolder(folder) || !IsPrivateFolder(folder))
            continue;
        auto state = os::FileLock::State::Unusable;
        held = os::FileLock::Take(path, &state);
        if (state == os::FileLock::State::Busy)
            return Result::HeldByAnother; // a live copy of this user's holds it
    }
    if (!held)
        return Result::Unavailable;
    lock_ = std::move(held);
    return Result::Acquired;
}

} // namespace dicemere
