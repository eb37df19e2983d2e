// SPDX-License-Identifier: MIT
#include "UpdateReminder.h"

namespace dicemere {

namespace {
constexpr qint64 kQuietDays = 14;
}

QString ReminderDateText(const QDate& date) { return date.toString(Qt::ISODate); }

std::optional<QDate> ParseReminderDate(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || ReminderDateText(date) != text)
        return std::nullopt;
    return date;
}

ReminderAction DecideReminder(const QString& stored, const QDate& today) {
    const auto date = ParseReminderDate(stored);
    if (!date)
        return ReminderAction::WriteToday;
    const qint64 days = today.daysTo(*date);
    if (days >= -kQuietDays && days <= kQuietDays)
        return ReminderAction::Nothing;
    return ReminderAction::Ask;
}

void UpdateReminder(SettingsStore& store, Clock& clock, MessageBoxes& boxes,
                    const LinkOpeners& help) {
    const QString section = QString::fromLatin1(kReminderSection);
    const QString name = QString::fromLatin1(kReminderValue);
    const QDate today = clock.Today();
    if (!today.isValid())
        return;
    switch (DecideReminder(store.Read(section, name), today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::WriteToday:
        store.Write(section, name, ReminderDateText(today));
        return;
    case ReminderAction::Ask: {
        // Today's date is stored before the question is asked: a question whose
        // answer could not be kept would come again at every start.
        if (!store.Write(section, name, ReminderDateText(today)))
            return;
        const MsgAnswer answer = boxes.Show(nullptr, MsgIcon::Information, MsgButtons::YesNo,
                                            ReminderMessages::Question());
        if (answer == MsgAnswer::Yes)
            help.OpenDownloadPage();
        return;
    }
    }
}

} // namespace dicemere
