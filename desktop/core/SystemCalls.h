// SPDX-License-Identifier: MIT
// The few operating-system calls that Qt does not offer and that the settings
// store and the one-copy lock cannot do without. Each is tiny and Unix-only;
// elsewhere it does nothing, answers "unknown", or (the lock) falls back to Qt.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace dicemere::os {

// The effective user id of the program; -1 where there is none (Windows).
qint64 UserId();

// The home folder of the account the program runs as, from the system's user
// database (not from $HOME); empty when the account has none that is absolute.
QString AccountHome();

// Flushes a folder's entries to the disk, so that a rename made in it
// survives a power cut. True when done.
bool SyncFolder(const QString& folder);

// Flushes an open file's content and size to the disk.
bool SyncFile(int handle);

// A write beyond the file-size limit (ulimit -f) fails with an error instead
// of killing the program. Idempotent.
void KeepFileSizeLimitFromKilling();

// A lock held by this process for as long as the object lives, on a lock
// file that only the user's own processes can take. On Unix it is the
// system's advisory lock on the file (flock), which the system drops when the
// process ends, however it ends: a lock file left behind by a killed copy,
// empty or not, never blocks a later start. The lock file must be a regular
// file owned by the user; anything else there is not used.
class FileLock {
public:
    enum class State { Held, Busy, Unusable };
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Takes the lock at path, making the file if it is not there.
    static std::unique_ptr<FileLock> Take(const QString& path, State* state);
    // Whether a live process holds the lock at path, looked at without making
    // anything. A file that is not the user's own is nobody's.
    static bool HeldByAnother(const QString& path);

private:
    explicit FileLock(QString path);
    QString path_;
    int handle_ = -1;
    std::unique_ptr<QLockFile> qtLock_; // where there is no flock
};

} // namespace dicemere::os
