// SPDX-License-Identifier: MIT
// Writes the reminder's value once, as the program does, and says what
// happened: "written" or "failed". The store is the given INI file, or with
// "-" the user's own. Tests kill it at chosen moments of the write.
#include "SettingsAndLock.h"
#include "UpdateReminder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    dicemere::IniSettingsStore store = path == QLatin1String("-")
                                           ? dicemere::IniSettingsStore()
                                           : dicemere::IniSettingsStore(path);
    const bool written =
        store.Write(QString::fromLatin1(dicemere::kReminderSection),
                    QString::fromLatin1(dicemere::kReminderValue), QString::fromLocal8Bit(argv[2]));
    std::puts(written ? "written" : "failed");
    return written ? 0 : 1;
}
