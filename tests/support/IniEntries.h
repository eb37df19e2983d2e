// SPDX-License-Identifier: MIT
// What an INI file says, as its reader sees it: each section/key with the
// value of its last line. Comments, blank lines and lines without "=" say
// nothing. Two files that say the same are read the same, whatever their bytes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace dicemere::test {

inline QMap<QString, QString> IniEntries(QByteArray file) {
    if (file.startsWith("\xEF\xBB\xBF"))
        file.remove(0, 3);
    QMap<QString, QString> entries;
    QString section;
    const QList<QByteArray> lines = file.split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            section = QString::fromUtf8(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        entries[section + QLatin1Char('/') + QString::fromUtf8(line.left(equals).trimmed())] =
            QString::fromUtf8(line.mid(equals + 1).trimmed());
    }
    return entries;
}

} // namespace dicemere::test
