// SPDX-License-Identifier: MIT
// The Qt Core implementations of the platform interfaces: the settings
// store, the clock and the one-copy lock.
#pragma once

#include "PlatformInterfaces.h"

#include <QStringList>
#include <memory>

namespace dicemere {

// One value of an INI file: every other byte (other sections, comments,
// unusual lines, line ends) stays as it is. The value of key in [section],
// trimmed, from its last line; empty when there is none.
QString IniValue(const QByteArray& file, const QString& section, const QString& key);
// The file with key in [section] set to value: the key's line is replaced
// where it stands, or added under its section, or the section is appended.
QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value);
// Values written this way are plain: letters, digits, and " .:_-".
bool IsPlainIniValue(const QString& value);

// The user's INI store, <config>/Dicemere/Dicemere.ini: <config> is
// $XDG_CONFIG_HOME if absolute, else .config in $HOME if absolute, else in the
// account's home; on Windows the roaming application data. On Unix paths stay
// the bytes the system gives; the way to the file is walked one name at a
// time through folders that only the user or root may change, links followed
// only when theirs, and only a regular file of at most kMaxSettingsBytes is
// read, opened so that nothing swapped in can block. A write replaces the
// file through "<name>.dicemere-unfinished" beside it (which the next write
// takes over), and is on the disk with its folder entry when it returns:
// killed at any moment the file reads as before or after. A folder that
// takes no new file is a store that cannot be written. Only the last two
// folders (the config folder and ours) are ever made.
class IniSettingsStore final : public SettingsStore {
public:
    // Ours holds a few dozen bytes: a file thousands of times larger is not ours.
    static constexpr qint64 kMaxSettingsBytes = qint64(1024) * 1024;

    IniSettingsStore() = default;
    // A store kept in the given INI file (used by tests and tools).
    explicit IniSettingsStore(QString iniPath) : path_(std::move(iniPath)) {}
    QString Read(const QString& section, const QString& name) override;
    bool Write(const QString& section, const QString& name, const QString& text) override;

private:
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate Today() override;
};

// The one-copy lock, held for the life of the object: flock on a file of the
// user's own in a folder that is the user's and writable by no one else, both
// opened without following a link (QLockFile on Windows); the system lets it
// go when a copy ends, however it ends. Its places follow from the user id
// alone, never the environment: /run/user/<uid>, ~/.cache of the account, and
// /tmp/<app id>-<uid>, the one folder it makes (on Windows the local
// application data, then the temporary folder). The first place that works
// holds it; every later one is looked at for another copy, never our own
// lock reached through another path.
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
