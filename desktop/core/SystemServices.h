// SPDX-License-Identifier: MIT
// The Qt Core implementations of the platform interfaces: the settings
// store, the clock and the one-copy lock.
#pragma once

#include "Platform.h"

#include <QLockFile>
#include <QSettings>
#include <QString>
#include <memory>

namespace dicemere {

// The user's INI store where QSettings keeps it (INI format, user scope:
// <config>/Dicemere/Dicemere.ini). A write changes its one line and leaves
// every other byte of the file as it was.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store kept in the given INI file (used by tests and tools).
    explicit QtSettingsStore(QString iniPath);
    QString Read(const QString& section, const QString& name) override;
    bool Write(const QString& section, const QString& name, const QString& text) override;

private:
    QString Path() const;
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate Today() override;
};

// A QLockFile held for the life of the object.
class QtInstanceLock final : public InstanceLock {
public:
    QtInstanceLock();
    explicit QtInstanceLock(const QString& lockPath);
    ~QtInstanceLock() override;
    Result TryAcquire() override;

    // <runtime dir>/<app id>.lock, or <temp dir>/<app id>-<user>.lock where
    // the platform has no runtime directory.
    static QString DefaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace dicemere
