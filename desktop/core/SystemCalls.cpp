// SPDX-License-Identifier: MIT
#include "SystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <csignal>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#endif

namespace dicemere::os {

#ifdef Q_OS_UNIX

qint64 UserId() { return static_cast<qint64>(::geteuid()); }

QString AccountHome() {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    const QString home = QFile::decodeName(found->pw_dir);
    // Accounts without a home name one that is not there (/nonexistent).
    return QDir::isAbsolutePath(home) && QFileInfo(home).isDir() ? QDir::cleanPath(home)
                                                                 : QString();
}

bool SyncFolder(const QString& folder) {
    const int handle =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return false;
    const bool synced = ::fsync(handle) == 0;
    ::close(handle);
    return synced;
}

bool SyncFile(int handle) { return handle >= 0 && ::fsync(handle) == 0; }

namespace {

// A regular file of the user's own, open at handle.
bool IsOwnFile(int handle) {
    struct stat info {};
    return ::fstat(handle, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
}

// Whether the path still names the file open at handle.
bool StillNamed(const QByteArray& path, int handle) {
    struct stat named {};
    struct stat open {};
    return ::stat(path.constData(), &named) == 0 && ::fstat(handle, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// Nothing but a regular file (or nothing) at path: a pipe or a device is
// never opened, a link never followed.
bool NothingForeignAt(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) != 0 || S_ISREG(info.st_mode);
}

} // namespace

FileLock::FileLock(QString path) : path_(std::move(path)) {}

FileLock::~FileLock() {
    if (handle_ < 0)
        return;
    // Removed while still held, so that no other copy can take the lock on a
    // file that is about to have no name.
    const QByteArray path = QFile::encodeName(path_);
    if (StillNamed(path, handle_))
        ::unlink(path.constData());
    ::close(handle_);
}

std::unique_ptr<FileLock> FileLock::Take(const QString& path, State* state) {
    const QByteArray name = QFile::encodeName(path);
    *state = State::Unusable;
    // A few rounds: the copy that held the lock may remove its file between
    // our open and our lock; the file then has no name and we start again.
    for (int round = 0; round < 4; ++round) {
        if (!NothingForeignAt(name))
            return {};
        const int handle =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
        if (handle < 0)
            return {};
        if (!IsOwnFile(handle)) {
            ::close(handle);
            return {};
        }
        if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(handle);
            if (error == EWOULDBLOCK)
                *state = State::Busy;
            return {};
        }
        if (StillNamed(name, handle)) {
            std::unique_ptr<FileLock> lock(new FileLock(path));
            lock->handle_ = handle;
            *state = State::Held;
            return lock;
        }
        ::close(handle);
    }
    return {};
}

bool FileLock::HeldByAnother(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (!NothingForeignAt(name))
        return false;
    const int handle = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (handle < 0)
        return false;
    // A shared lock is refused only while some process holds the lock.
    const bool held =
        IsOwnFile(handle) && ::flock(handle, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(handle); // drops the shared lock, if it was taken
    return held;
}

#else

qint64 UserId() { return -1; }
QString AccountHome() { return {}; }
bool SyncFolder(const QString&) { return false; }
bool SyncFile(int) { return false; }

FileLock::FileLock(QString path) : path_(std::move(path)) {}
FileLock::~FileLock() = default; // QLockFile unlocks on destruction

std::unique_ptr<FileLock> FileLock::Take(const QString& path, State* state) {
    *state = State::Unusable;
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return {};
    auto qtLock = std::make_unique<QLockFile>(path);
    if (!qtLock->tryLock(0)) {
        if (qtLock->error() == QLockFile::LockFailedError)
            *state = State::Busy;
        return {};
    }
    std::unique_ptr<FileLock> lock(new FileLock(path));
    lock->qtLock_ = std::move(qtLock);
    *state = State::Held;
    return lock;
}

bool FileLock::HeldByAnother(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink())
        return false;
    QLockFile probe(path); // a stale lock is cleared, a free one given back at once
    return !probe.tryLock(0) && probe.error() == QLockFile::LockFailedError;
}

#endif

void KeepFileSizeLimitFromKilling() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace dicemere::os
