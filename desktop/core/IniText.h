// SPDX-License-Identifier: MIT
// One value of an INI file, read and changed in place: every other byte of
// the file (other sections, comments, unusual lines, line ends) stays as it is.
#pragma once

#include <QByteArray>
#include <QString>

namespace dicemere {

// The value of key in [section], trimmed; empty when there is none.
QString IniValue(const QByteArray& file, const QString& section, const QString& key);

// The file with key in [section] set to value: the key's line is replaced
// where it stands, or added under its section, or the section is appended.
QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value);

// Values written this way are plain: letters, digits, and " .:_-".
bool IsPlainIniValue(const QString& value);

} // namespace dicemere
