// SPDX-License-Identifier: MIT
// The reminder's stored-date reader, for any text: it never fails, and it
// accepts exactly the texts yyyy-MM-dd of real dates, which it writes back alike.
// And the settings file around it, for any bytes.
#include "SettingsAndLock.h"
#include "UpdateReminder.h"

#include <cstdlib>

using namespace dicemere;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// An oracle written apart from the reader: four digits, dash, two, dash, two,
// and a day that the calendar has.
bool IsDateText(const QString& t) {
    if (t.size() != 10 || t[4] != QLatin1Char('-') || t[7] != QLatin1Char('-'))
        return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (t[i] < QLatin1Char('0') || t[i] > QLatin1Char('9'))
            return false;
    return QDate(t.left(4).toInt(), t.mid(5, 2).toInt(), t.mid(8, 2).toInt()).isValid();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const auto date = ParseReminderDate(text);
    Require(date.has_value() == IsDateText(text));
    if (date) {
        Require(date->isValid());
        Require(ReminderDateText(*date) == text);
    }
    const ReminderAction action = DecideReminder(text, QDate(2026, 12, 8));
    Require((action == ReminderAction::WriteToday) == !date.has_value());

    // The same bytes as a whole settings file: the date written into it reads
    // back, and nothing that was there before the change is lost.
    const QByteArray file(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const QString section = QStringLiteral("Settings"), key = QStringLiteral("Duration");
    const QString today = QStringLiteral("2026-12-08");
    const QByteArray written = WithIniValue(file, section, key, today);
    Require(IniValue(written, section, key) == today);
    Require(WithIniValue(written, section, key, today) == written);
    // What the change took away from the old file lies within one line.
    qsizetype prefix = 0;
    while (prefix < file.size() && prefix < written.size() && file[prefix] == written[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < file.size() - prefix && suffix < written.size() - prefix &&
           file[file.size() - 1 - suffix] == written[written.size() - 1 - suffix])
        ++suffix;
    Require(!file.mid(prefix, file.size() - prefix - suffix).contains('\n'));
    return 0;
}
