// SPDX-License-Identifier: MIT
// Takes the single-instance lock at the given path and says what happened:
// "owner", "busy" or "unavailable". An owner keeps the lock until killed or
// until its standard input closes.
#include "SystemServices.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    dicemere::QtInstanceLock lock(QString::fromLocal8Bit(argv[1]));
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
