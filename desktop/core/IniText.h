// SPDX-License-Identifier: MIT
// One value of an INI file, read and changed in place: every other byte of
// the file (other sections, comments, unusual lines, line ends) stays as it is.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace dicemere {

// The value of key in [section], trimmed; empty when there is none.
QString IniValue(const QByteArray& file, const QString& section, const QString& key);

// The file with key in [section] set to value: the key's line is replaced
// where it stands, or added under its section, or the section is appended.
QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value);

// One write of a change made inside the file itself: bytes put at offset
// (past the end, the file grows), or, with truncateTo set, the file cut to
// that size.
struct IniEdit {
    qsizetype offset = 0;
    QByteArray bytes;
    qsizetype truncateTo = -1;
};

// The writes, in order, that give key in [section] the value inside the file
// itself, for a file that cannot be replaced whole. A kill before, between or
// in the middle of any of them leaves a file that reads as before or as
// after: a new [section] with the line as a comment is appended, one byte
// makes it count (the last line of a key wins), the old line is then
// rewritten behind the new one and the appended part cut off again. When the
// new line does not fit in the old one, the old one becomes a comment and the
// appended one stays. The first edit appends; the second is the one that
// makes the new value count. Empty when the file already holds the value.
QList<IniEdit> InPlaceIniEdits(const QByteArray& file, const QString& section, const QString& key,
                               const QString& value);

// Values written this way are plain: letters, digits, and " .:_-".
bool IsPlainIniValue(const QString& value);

} // namespace dicemere
