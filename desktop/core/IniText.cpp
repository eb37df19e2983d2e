// SPDX-License-Identifier: MIT
#include "IniText.h"

#include <algorithm>

namespace dicemere {

namespace {

// Where a key stands in a file, as offsets: the text of its last line in the
// section (the one a reader takes), and the end of the section's first header
// line, line end included.
struct Found {
    qsizetype keyBegin = -1;
    qsizetype keyEnd = -1;
    qsizetype afterHeader = -1;
};

Found Find(const QByteArray& file, const QString& section, const QString& key) {
    Found found;
    bool inSection = false;
    // A UTF-8 byte-order mark before the first line is no part of it.
    for (qsizetype begin = file.startsWith("\xEF\xBB\xBF") ? 3 : 0; begin < file.size();) {
        const qsizetype newline = file.indexOf('\n', begin);
        const qsizetype next = newline < 0 ? file.size() : newline + 1;
        qsizetype end = newline < 0 ? file.size() : newline;
        if (end > begin && file[end - 1] == '\r')
            --end;
        // A view: a large file is read without a copy per line.
        const QByteArrayView text = QByteArrayView(file).sliced(begin, end - begin).trimmed();
        const qsizetype equals = text.indexOf('=');
        if (text.startsWith('[') && text.endsWith(']')) {
            inSection = text.sliced(1, text.size() - 2).trimmed() == section.toUtf8();
            if (inSection && found.afterHeader < 0)
                found.afterHeader = next;
        } else if (inSection && equals > 0 && text.first(equals).trimmed() == key.toUtf8()) {
            found.keyBegin = begin;
            found.keyEnd = end;
        }
        begin = next;
    }
    return found;
}

} // namespace

bool IsPlainIniValue(const QString& value) {
    return std::ranges::all_of(value, [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral(" .:_-").contains(c);
    });
}

QString IniValue(const QByteArray& file, const QString& section, const QString& key) {
    const Found found = Find(file, section, key);
    if (found.keyBegin < 0)
        return {};
    const QByteArrayView line(file.constData() + found.keyBegin, found.keyEnd - found.keyBegin);
    return QString::fromUtf8(line.sliced(line.indexOf('=') + 1).trimmed());
}

QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value) {
    const Found found = Find(file, section, key);
    const QByteArray eol = file.contains("\r\n") ? "\r\n" : "\n";
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    QByteArray out = file;
    if (found.keyBegin >= 0)
        return out.replace(found.keyBegin, found.keyEnd - found.keyBegin, entry);
    if (found.afterHeader >= 0 && found.afterHeader < file.size())
        return out.insert(found.afterHeader, entry + eol);
    if (!out.isEmpty() && !out.endsWith('\n')) // the last line gets its end
        out += eol;
    if (found.afterHeader < 0)
        out += '[' + section.toUtf8() + ']' + eol;
    return out + entry + eol;
}

} // namespace dicemere
