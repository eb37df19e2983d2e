// SPDX-License-Identifier: MIT
#include "SettingsAndLock.h"

#include "AppInfo.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>
#endif

namespace dicemere {

namespace {

// Where a key stands in a file, as offsets: the text of its last line in the
// section (the one a reader takes), and the end of the section's first header
// line, line end included.
struct Found {
    qsizetype keyBegin = -1;
    qsizetype keyEnd = -1;
    qsizetype afterHeader = -1;
};

Found Find(const QByteArray& file, const QString& section, const QString& key) {
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    Found found;
    bool inSection = false;
    // A UTF-8 byte-order mark before the first line is no part of it.
    for (qsizetype begin = file.startsWith("\xEF\xBB\xBF") ? 3 : 0; begin < file.size();) {
        const qsizetype newline = file.indexOf('\n', begin);
        const qsizetype next = newline < 0 ? file.size() : newline + 1;
        qsizetype end = newline < 0 ? file.size() : newline;
        if (end > begin && file[end - 1] == '\r')
            --end;
        // A view: a large file is read without a copy per line.
        const QByteArrayView text = QByteArrayView(file).sliced(begin, end - begin).trimmed();
        const qsizetype equals = text.indexOf('=');
        if (text.startsWith('[') && text.endsWith(']')) {
            inSection = text.sliced(1, text.size() - 2).trimmed() == sectionName;
            if (inSection && found.afterHeader < 0)
                found.afterHeader = next;
        } else if (inSection && equals > 0 && text.first(equals).trimmed() == keyName) {
            found.keyBegin = begin;
            found.keyEnd = end;
        }
        begin = next;
    }
    return found;
}

constexpr qint64 kMax = IniSettingsStore::kMaxSettingsBytes;

#ifdef Q_OS_UNIX

// A descriptor, closed when it goes.
struct Fd {
    int fd;
    explicit Fd(int handle = -1) : fd(handle) {}
    Fd(Fd&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Fd& operator=(Fd other) noexcept {
        std::swap(fd, other.fd);
        return *this;
    }
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
    // What is open: all zero (no file type) for nothing.
    struct stat Stat() const {
        struct stat info {};
        return fd >= 0 && ::fstat(fd, &info) == 0 ? info : decltype(info){};
    }
};

Fd Open(int folder, const QByteArray& name, int flags) {
    return Fd(
        ::openat(folder, name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
}

// Whether folder/name still names what is open at file.
bool Named(const Fd& folder, const QByteArray& name, const Fd& file) {
    struct stat named {};
    const struct stat open = file.Stat();
    return ::fstatat(folder.fd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

bool UserOrRoot(uid_t owner) { return owner == ::geteuid() || owner == 0; }

// Only the user or root can change what this folder holds: it is theirs,
// and no other account may write it (a group write counts for the user's own
// group only; in a sticky folder no one else can replace the user's things).
bool Trusted(const struct stat& info) {
    const mode_t others = (info.st_gid == ::getegid() ? 0 : S_IWGRP) | S_IWOTH;
    return S_ISDIR(info.st_mode) && UserOrRoot(info.st_uid) &&
           ((info.st_mode & S_ISVTX) || !(info.st_mode & others));
}

QByteArray AccountHome() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    ::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found);
    return found && found->pw_dir && found->pw_dir[0] == '/' ? QByteArray(found->pw_dir) : "";
}

// The store's path as the system gives its parts: an environment variable
// counts only when it is an absolute path.
QByteArray DefaultStorePath() {
    const auto absolute = [](const char* name) {
        const QByteArray value = qgetenv(name);
        return value.startsWith('/') ? value : QByteArray();
    };
    QByteArray config = absolute("XDG_CONFIG_HOME");
    const QByteArray home = absolute("HOME").isEmpty() ? AccountHome() : absolute("HOME");
    if (config.isEmpty() && !home.isEmpty())
        config = home + "/.config";
    return config.isEmpty() ? config : config + '/' + kOrganisation + '/' + kAppName + ".ini";
}

QList<QByteArray> Names(const QByteArray& path) {
    QList<QByteArray> names = path.split('/');
    names.removeIf([](const QByteArray& name) { return name.isEmpty() || name == "."; });
    return names;
}

// The settings file: the folder that holds it, reached from the root one name
// at a time through trusted folders, links followed only when the user's or
// root's; its name there; whether a link named it (its target is not made).
struct StoreFile {
    Fd folder;
    QByteArray name;
    bool linked = false;
    mode_t mode = 0600;

    StoreFile(const QString& path, bool make) {
        QList<QByteArray> left =
            Names(path.isEmpty() ? DefaultStorePath() : QFile::encodeName(path));
        Fd at(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        for (int links = 0; !left.isEmpty() && links < 40 && Trusted(at.Stat());) {
            const QByteArray next = left.takeFirst();
            struct stat info {};
            QByteArray target(4096, '\0');
            if (::fstatat(at.fd, next.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(info.st_mode)) {
                const ssize_t size = ::readlinkat(at.fd, next.constData(), target.data(), 4096);
                if (!UserOrRoot(info.st_uid) || size <= 0 || size >= 4096)
                    return;
                if (target.startsWith('/'))
                    at = Fd(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
                linked = linked || left.isEmpty();
                left = Names(target.left(size)) + left;
                ++links;
            } else if (left.isEmpty()) {
                folder = std::move(at);
                name = next;
                break;
            } else {
                if (make && left.size() <= 2) // the config folder and ours
                    ::mkdirat(at.fd, next.constData(), 0700);
                at = Open(at.fd, next, O_RDONLY | O_DIRECTORY);
            }
        }
    }

    // The file's bytes, none for a missing file; nothing for one not to be used.
    std::optional<QByteArray> Load() {
        const Fd file = Open(folder.fd, name, O_RDONLY);
        const struct stat info = file.Stat();
        if (file.fd < 0)
            return folder.fd >= 0 && errno == ENOENT && !linked ? std::optional(QByteArray())
                                                                : std::nullopt;
        if (!S_ISREG(info.st_mode) || !UserOrRoot(info.st_uid) || info.st_size > kMax)
            return std::nullopt;
        mode = info.st_mode & 07777;
        // Bounded, in case the file grew since it was looked at. The size seen is
        // read first: a buffer of the largest size allowed, taken from the system
        // and given back at once, raises glibc's threshold for mapping large
        // blocks, and start-up's later large blocks then stay in the heap.
        QFile read;
        QByteArray bytes;
        if (read.open(file.fd, QIODevice::ReadOnly)) {
            bytes = read.read(info.st_size + 1);
            if (bytes.size() > info.st_size)
                bytes.append(read.read(kMax + 1 - bytes.size()));
        }
        return bytes.size() > kMax || read.error() ? std::nullopt : std::optional(bytes);
    }

    // Written under a name no user file has, which a write cut short leaves
    // for the next to take over; locked, so that one writer works at a time.
    bool Replace(const QByteArray& content) const {
        const QByteArray temporary = name + ".dicemere-unfinished";
        const Fd file = Open(folder.fd, temporary, O_WRONLY | O_CREAT);
        if (!S_ISREG(file.Stat().st_mode) || file.Stat().st_uid != ::geteuid() ||
            ::flock(file.fd, LOCK_EX | LOCK_NB) != 0 || !Named(folder, temporary, file))
            return false;
        QFile write; // flush() hands every byte to the system: a full disk is seen here
        if (::ftruncate(file.fd, 0) != 0 || ::fchmod(file.fd, mode) != 0 ||
            !write.open(file.fd, QIODevice::WriteOnly) || write.write(content) != content.size() ||
            !write.flush() || ::fsync(file.fd) != 0 ||
            ::renameat(folder.fd, temporary.constData(), folder.fd, name.constData()) != 0) {
            ::unlinkat(folder.fd, temporary.constData(), 0);
            return false;
        }
        ::fsync(folder.fd); // the rename too, or a power cut could bring the old date back
        return true;
    }
};

#else

struct StoreFile {
    QString path;

    StoreFile(const QString& given, bool make) : path(given) {
        // Where QSettings keeps an INI store of user scope: <roaming>/<organisation>/<name>.ini.
        const QString roaming = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (path.isEmpty())
            path = QDir(QFileInfo(QFileInfo(roaming).path()).path())
                       .filePath(QStringLiteral("%1/%2.ini")
                                     .arg(QLatin1String(kOrganisation), QLatin1String(kAppName)));
        if (make)
            QDir().mkpath(QFileInfo(path).absolutePath());
    }

    std::optional<QByteArray> Load() const {
        const QFileInfo info(path);
        QFile file(path);
        if (!info.exists() && !info.isSymLink())
            return QByteArray();
        if (!info.isFile() || info.isSymLink() || info.size() > kMax ||
            !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QByteArray bytes = file.read(kMax + 1);
        return bytes.size() > kMax ? std::nullopt : std::optional(bytes);
    }

    bool Replace(const QByteArray& content) const {
        QSaveFile file(path); // on the disk when commit() returns
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
               file.commit();
    }
};

#endif

} // namespace

bool IsPlainIniValue(const QString& value) {
    return std::ranges::all_of(value, [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral(" .:_-").contains(c);
    });
}

QString IniValue(const QByteArray& file, const QString& section, const QString& key) {
    const Found found = Find(file, section, key);
    if (found.keyBegin < 0)
        return {};
    const QByteArrayView line(file.constData() + found.keyBegin, found.keyEnd - found.keyBegin);
    return QString::fromUtf8(line.sliced(line.indexOf('=') + 1).trimmed());
}

QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value) {
    const Found found = Find(file, section, key);
    const QByteArray eol = file.contains("\r\n") ? "\r\n" : "\n";
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    QByteArray out = file;
    if (found.keyBegin >= 0)
        return out.replace(found.keyBegin, found.keyEnd - found.keyBegin, entry);
    if (found.afterHeader >= 0 && found.afterHeader < file.size())
        return out.insert(found.afterHeader, entry + eol);
    if (!out.isEmpty() && !out.endsWith('\n')) // the last line gets its end
        out += eol;
    if (found.afterHeader < 0)
        out += '[' + section.toUtf8() + ']' + eol;
    return out + entry + eol;
}

QString IniSettingsStore::Read(const QString& section, const QString& name) {
    return IniValue(StoreFile(path_, false).Load().value_or(QByteArray()), section, name);
}

bool IniSettingsStore::Write(const QString& section, const QString& name, const QString& text) {
    StoreFile file(path_, true);
    const std::optional<QByteArray> content = file.Load();
    if (!IsPlainIniValue(text) || !content)
        return false; // never replace what could not be read
    const QByteArray changed = WithIniValue(*content, section, name, text);
    return changed == *content || file.Replace(changed);
}

QDate SystemClock::Today() { return QDate::currentDate(); }

#ifdef Q_OS_UNIX

struct QtInstanceLock::Held {
    Fd folder;
    QByteArray name;
    Fd file;
    bool taken = false;
    // Removed while still held, so that no copy takes the lock on a file that
    // is about to lose its name.
    ~Held() {
        if (taken && Named(folder, name, file))
            ::unlinkat(folder.fd, name.constData(), 0);
    }
};

namespace {

// The lock at path, opened without following a link or blocking on a pipe:
// in a folder that is the user's and writable by no one else (the program's
// own folder is made for the user alone), a regular file of the user's.
void OpenLock(QtInstanceLock::Held& lock, const QString& path, bool make) {
    const QByteArray file = QFile::encodeName(path);
    const QByteArray folder = file.left(file.lastIndexOf('/'));
    if (make && folder.endsWith('/' + (kAppId + ('-' + QByteArray::number(::geteuid())))))
        ::mkdir(folder.constData(), 0700);
    lock.folder = Fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    lock.name = file.mid(folder.size() + 1);
    const struct stat info = lock.folder.Stat();
    if (S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && !(info.st_mode & 022))
        lock.file = Open(lock.folder.fd, lock.name, make ? O_RDWR | O_CREAT : O_RDONLY);
    if (!S_ISREG(lock.file.Stat().st_mode) || lock.file.Stat().st_uid != ::geteuid())
        lock.file = Fd();
}

std::unique_ptr<QtInstanceLock::Held> Take(const QString& path, bool* busy) {
    // A few rounds: the copy that held the lock may remove its file between
    // our open and our lock; the file then has no name, and we start again.
    for (int round = 0; round < 4; ++round) {
        auto lock = std::make_unique<QtInstanceLock::Held>();
        OpenLock(*lock, path, true);
        if (lock->file.fd < 0 || ::flock(lock->file.fd, LOCK_EX | LOCK_NB) != 0) {
            *busy = lock->file.fd >= 0 && errno == EWOULDBLOCK;
            return {};
        }
        lock->taken = Named(lock->folder, lock->name, lock->file);
        if (lock->taken)
            return lock;
    }
    return {};
}

// Whether a live copy holds the lock at path; our own lock reached again
// through another path is not another copy.
bool HeldElsewhere(const QString& path, const QtInstanceLock::Held& ours) {
    QtInstanceLock::Held lock;
    OpenLock(lock, path, false);
    const struct stat info = lock.file.Stat();
    const struct stat mine = ours.file.Stat();
    // A shared lock is refused only while some process holds the lock.
    return lock.file.fd >= 0 && (info.st_dev != mine.st_dev || info.st_ino != mine.st_ino) &&
           ::flock(lock.file.fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

} // namespace

QStringList QtInstanceLock::DefaultPaths() {
    const QByteArray user = QByteArray::number(::geteuid());
    const QByteArray name = '/' + (kAppId + ('-' + user)) + ".lock";
    QStringList paths{QFile::decodeName("/run/user/" + user + name)};
    if (const QByteArray home = AccountHome(); !home.isEmpty())
        paths << QFile::decodeName(home + "/.cache" + name);
    return paths << QFile::decodeName("/tmp" + name.chopped(5) + name);
}

#else

struct QtInstanceLock::Held : QLockFile { // unlocked and removed when it goes
    using QLockFile::QLockFile;
};

namespace {

std::unique_ptr<QtInstanceLock::Held> Take(const QString& path, bool* busy) {
    const QFileInfo info(path);
    auto lock = std::make_unique<QtInstanceLock::Held>(path);
    if (!info.isSymLink() && (!info.exists() || info.isFile()) && lock->tryLock(0))
        return lock;
    *busy = lock->error() == QLockFile::LockFailedError;
    return {};
}

bool HeldElsewhere(const QString& path, const QtInstanceLock::Held&) {
    QLockFile probe(path); // a stale lock is cleared, a free one given back at once
    return QFileInfo(path).isFile() && !QFileInfo(path).isSymLink() && !probe.tryLock(0) &&
           probe.error() == QLockFile::LockFailedError;
}

} // namespace

QStringList QtInstanceLock::DefaultPaths() {
    // The user's local application data, which no roaming profile copies,
    // then the temporary folder (the user's own on Windows).
    const QString name = QString::fromLatin1(kAppId) + QStringLiteral(".lock");
    return {QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                .filePath(name),
            QDir(QDir::tempPath()).filePath(name)};
}

#endif

QtInstanceLock::QtInstanceLock(QStringList lockPaths) : paths_(std::move(lockPaths)) {}

QtInstanceLock::~QtInstanceLock() = default;

InstanceLock::Result QtInstanceLock::TryAcquire() {
    held_.reset();
    std::unique_ptr<Held> held;
    for (const QString& path : paths_) {
        bool busy = false;
        if (held)
            busy = HeldElsewhere(path, *held);
        else
            held = Take(path, &busy);
        if (busy)
            return Result::HeldByAnother; // ours, if taken, is let go and removed
    }
    held_ = std::move(held);
    return held_ ? Result::Acquired : Result::Unavailable;
}

} // namespace dicemere
