// SPDX-License-Identifier: MIT
// The Qt Core implementations of the platform interfaces: the settings
// store, the clock and the one-copy lock.
#pragma once

#include "PlatformInterfaces.h"

#include <QStringList>
#include <memory>

namespace dicemere {

// The user's INI store, <config>/Dicemere/Dicemere.ini: <config> is
// $XDG_CONFIG_HOME when absolute, else .config in the home ($HOME when
// absolute, else the account's); on Windows the roaming application data.
// Paths are kept as the bytes the system gives. On Unix the way to the file
// is walked one name at a time and a link is followed only when it and every
// folder on the way belong to the user or root and no other account may
// write them; only a regular file of at most kMaxSettingsBytes is read,
// opened so that nothing swapped in can block. A write replaces the file
// whole through a temporary file in its folder (".dicemere-unfinished"
// after its name), on the disk with its folder entry before it returns:
// killed at any moment the file reads as before or after, and the next write
// takes the temporary file over. A folder that takes no new file is a store
// that cannot be written. Only the store's own two folders are ever made.
class IniSettingsStore final : public SettingsStore {
public:
    // This program's file holds a few dozen bytes; a file many thousand times
    // larger is not ours to rewrite, and reading it would only slow start-up.
    static constexpr qint64 kMaxSettingsBytes = qint64(1024) * 1024;

    IniSettingsStore() = default;
    // A store kept in the given INI file (used by tests and tools).
    explicit IniSettingsStore(QString iniPath) : path_(std::move(iniPath)) {}
    QString Read(const QString& section, const QString& name) override;
    bool Write(const QString& section, const QString& name, const QString& text) override;

    // Where the user's store is kept on this platform; empty for nowhere.
    static QString DefaultPath();

private:
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate Today() override;
};

// The one-copy lock, held for the life of the object: flock on a file of the
// user's own in a folder that is the user's and that no one else may write,
// opened without following links (QLockFile on Windows). The system lets go
// of it when a copy ends, however it ends. The places depend on the user id
// alone, never on the environment: /run/user/<uid>, the account's
// ~/.cache, a folder of the program's own in /tmp (on Windows the local
// application data, then the temporary folder). The first that works holds
// the lock, and every later one is looked at too, so that a copy that had to
// fall back is still found; the program's own lock reached again by another
// path is not another copy. Of the folders, only the program's own is made.
class QtInstanceLock final : public InstanceLock {
public:
    QtInstanceLock() : QtInstanceLock(DefaultPaths()) {}
    // The lock kept in the given places, in order of preference.
    explicit QtInstanceLock(QStringList lockPaths);
    explicit QtInstanceLock(const QString& lockPath) : QtInstanceLock(QStringList{lockPath}) {}
    ~QtInstanceLock() override;
    Result TryAcquire() override;

    // The places of the lock on this platform, in order of preference.
    static QStringList DefaultPaths();

    struct Held; // the lock while it is held

private:
    QStringList paths_;
    std::unique_ptr<Held> held_;
};

} // namespace dicemere
