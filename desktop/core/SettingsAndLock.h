// SPDX-License-Identifier: MIT
// The Qt Core implementations of the platform interfaces: the settings
// store, the clock and the one-copy lock.
#pragma once

#include "PlatformInterfaces.h"

#include <QLockFile>
#include <QString>
#include <memory>

namespace dicemere {

// The user's INI store: <config>/Dicemere/Dicemere.ini, where QSettings keeps
// an INI store of user scope (on Windows, the user's roaming application data).
// Only a regular file of at most kMaxSettingsBytes is used: anything else in
// its place (a folder, a device, a pipe, a link to one, a huge file) means
// there is no usable store, and it is left alone. A write changes its one line
// and leaves every other byte of the file as it was; a write that fails leaves
// the file exactly as it was.
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
    Content Load(QByteArray* bytes) const;
    QString Path() const;
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate Today() override;
};

// The one-copy lock: a QLockFile held for the life of the object. It is taken
// in the first of its places that works (the runtime folder, then the user's
// cache and config folders, then the temporary folder; on Windows the user's
// local application data, then the temporary folder), and every later place
// is looked at too, so that a copy that had to fall back is still found.
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
    // The first of them: <runtime dir>/<app id>.lock.
    static QString DefaultPath() { return DefaultPaths().value(0); }

private:
    QStringList paths_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace dicemere
