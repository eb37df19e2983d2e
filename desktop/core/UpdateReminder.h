// SPDX-License-Identifier: MIT
// The start-up reminder that a newer version may be out.
#pragma once

#include "Links.h"
#include "PlatformInterfaces.h"

#include <QCoreApplication>
#include <optional>

namespace dicemere {

inline constexpr const char* kReminderSection = "Settings";
inline constexpr const char* kReminderValue = "Duration";
class ReminderMessages {
    Q_DECLARE_TR_FUNCTIONS(dicemere::ReminderMessages)
public:
    static QString Question() {
        return tr("There maybe an update to this software available\nDo you want to check for an "
                  "update?");
    }
};

// The stored date is ISO 8601 (yyyy-MM-dd), whatever the locale.
QString ReminderDateText(const QDate& date);
// The date a stored text stands for, only if it reads back to exactly that text.
std::optional<QDate> ParseReminderDate(const QString& text);

enum class ReminderAction {
    WriteToday, // first start, or a stored text that is no date: store today, ask nothing
    Nothing,    // the last reminder is less than 15 days away
    Ask,        // ask, then store today whatever the answer
};

ReminderAction DecideReminder(const QString& stored, const QDate& today);

void UpdateReminder(SettingsStore& store, Clock& clock, MessageBoxes& boxes,
                    const LinkOpeners& help);

} // namespace dicemere
