// SPDX-License-Identifier: MIT
// Small tmpfs mounts for tests of a full or read-only disk. Linux only, and
// only as root: where a mount cannot be made, Mounted() is false and the test
// skips. Every mount is taken away again, last made first, when the object goes.
#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace dicemere::test {

class Mounts {
public:
    Mounts() = default;
    Mounts(const Mounts&) = delete;
    Mounts& operator=(const Mounts&) = delete;
    ~Mounts() {
        for (auto it = points_.crbegin(); it != points_.crend(); ++it)
            Run({QStringLiteral("umount"), QStringLiteral("-l"), *it});
    }

    // A tmpfs of the given size ("64k") at dir, made if missing.
    bool Tmpfs(const QString& dir, const QString& size) {
        QDir().mkpath(dir);
        return Add(dir, {QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"),
                         QStringLiteral("-o"), QStringLiteral("size=") + size,
                         QStringLiteral("tmpfs"), dir});
    }
    // file shown at target (which must exist).
    bool Bind(const QString& file, const QString& target) {
        return Add(target, {QStringLiteral("mount"), QStringLiteral("--bind"), file, target});
    }
    bool RemountReadOnly(const QString& dir) {
        return Run(
            {QStringLiteral("mount"), QStringLiteral("-o"), QStringLiteral("remount,ro"), dir});
    }

private:
    static bool Run(QStringList args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString program = args.takeFirst();
        p.start(program, args);
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    bool Add(const QString& point, const QStringList& command) {
        if (!Run(command))
            return false;
        points_ << point;
        return true;
    }
    QStringList points_;
};

} // namespace dicemere::test
