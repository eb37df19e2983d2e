// SPDX-License-Identifier: MIT
// Takes the single-instance lock at the given path (or the program's own
// places) and says what happened:
// "owner", "busy" or "unavailable". An owner keeps the lock until killed or
// until its standard input closes.
#include "SettingsAndLock.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Without a path, the program's own places.
    dicemere::QtInstanceLock lock = argc < 2
                                        ? dicemere::QtInstanceLock()
                                        : dicemere::QtInstanceLock(QString::fromLocal8Bit(argv[1]));
    switch (lock.TryAcquire()) {
    case dicemere::InstanceLock::Result::Acquired:
        std::puts("owner");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    case dicemere::InstanceLock::Result::HeldByAnother:
        std::puts("busy");
        return 1;
    case dicemere::InstanceLock::Result::Unavailable:
        std::puts("unavailable");
        return 3;
    }
    return 2;
}
