// SPDX-License-Identifier: MIT
// The Qt Core implementations of the platform interfaces: the settings
// store, the clock and the one-copy lock.
#pragma once

#include "PlatformInterfaces.h"
#include "SystemCalls.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace dicemere {

// The user's INI store: <config>/Dicemere/Dicemere.ini, where QSettings keeps
// an INI store of user scope (on Windows, the user's roaming application data).
// <config> is $XDG_CONFIG_HOME or ~/.config; relative values are ignored, and
// without a usable home there is no store at all. Only a regular file of at
// most kMaxSettingsBytes is used, or a link to one (the target is written, the
// link stays): anything else in its place (a folder, a device, a pipe, a link
// to one, a huge file) means there is no usable store, and it is left alone.
// A write changes its one line and leaves every other byte of the file as it
// was; a write that fails, or is killed at any moment, leaves the file reading
// as it did. A write is on the disk, folder entry included, when it returns.
// A file that cannot be replaced (its folder is read-only) is changed inside
// itself; such a change may leave comment lines behind.
class IniSettingsStore final : public SettingsStore {
public:
    // This program's file holds a few dozen bytes; a file many thousand times
    // larger is not ours to rewrite, and reading it would only slow start-up.
    static constexpr qint64 kMaxSettingsBytes = qint64(1024) * 1024;

    IniSettingsStore();
    // A store kept in the given INI file (used by tests and tools).
    explicit IniSettingsStore(QString iniPath);
    QString Read(const QString& section, const QString& name) override;
    bool Write(const QString& section, const QString& name, const QString& text) override;

    // Where the user's store is kept on this platform.
    static QString DefaultPath();

private:
    enum class Content { Absent, Usable, Unusable };
    // Reads the file once, within the limit.
    static Content Load(const QString& path, QByteArray* bytes);
    // The file that is read and written: a link's target; empty for none.
    QString Path() const;
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate Today() override;
};

// The one-copy lock, held for the life of the object (os::FileLock): a refusal
// is true, a copy of this user's is alive. It is kept only in folders that
// belong to the user and that no one else may write: the first of its places
// that works (the runtime folder, then the user's cache and config folders,
// then a folder of the user's own in the temporary folder; on Windows the
// user's local application data, then the temporary folder). Every later
// place is looked at too, so that a copy that had to fall back is still
// found. A lock file that another account made, or that lies where another
// account could write, is never trusted; one left behind by a copy that died,
// however it died, is free at once.
class QtInstanceLock final : public InstanceLock {
public:
    QtInstanceLock();
    // The lock kept in the given places, in order of preference.
    explicit QtInstanceLock(QStringList lockPaths);
    explicit QtInstanceLock(const QString& lockPath) : QtInstanceLock(QStringList{lockPath}) {}
    ~QtInstanceLock() override;
    Result TryAcquire() override;

    // The places of the lock on this platform, in order of preference.
    static QStringList DefaultPaths();
    // The first of them: <runtime dir>/<app id>-<user id>.lock.
    static QString DefaultPath() { return DefaultPaths().value(0); }

private:
    QStringList paths_;
    std::unique_ptr<os::FileLock> lock_;
};

} // namespace dicemere
