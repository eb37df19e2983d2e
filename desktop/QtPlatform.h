// The Qt implementations of the platform interfaces.
#pragma once

#include "Platform.h"

#include <QLockFile>
#include <QMessageBox>
#include <QSettings>
#include <QString>
#include <memory>

namespace dicemere {

class QtMessageBoxes final : public MessageBoxes {
public:
    // The box show() runs, built but not yet shown.
    static std::unique_ptr<QMessageBox> Build(QWidget* parent, MsgIcon icon, MsgButtons buttons,
                                              const QString& text);
    MsgAnswer show(QWidget* parent, MsgIcon icon, MsgButtons buttons, const QString& text) override;
};

class QtUrlOpener final : public UrlOpener {
public:
    void open(const QString& address) override;
};

// The user's INI store where QSettings keeps it (INI format, user scope:
// <config>/Dicemere/Dicemere.ini). A write changes its one line and leaves
// every other byte of the file as it was.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();
    // A store kept in the given INI file (used by tests and tools).
    explicit QtSettingsStore(QString iniPath);
    QString read(const QString& section, const QString& name) override;
    bool write(const QString& section, const QString& name, const QString& text) override;

private:
    QString Path() const;
    QString path_; // empty: the user's own store
};

class SystemClock final : public Clock {
public:
    QDate today() override;
};

// A QLockFile held for the life of the object.
class QtInstanceLock final : public InstanceLock {
public:
    QtInstanceLock();
    explicit QtInstanceLock(const QString& lockPath);
    ~QtInstanceLock() override;
    Result tryAcquire() override;

    // <runtime dir>/<app id>.lock, or <temp dir>/<app id>-<user>.lock where
    // the platform has no runtime directory.
    static QString defaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace dicemere
