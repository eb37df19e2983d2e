// SPDX-License-Identifier: MIT
#include "IniText.h"

#include <QList>
#include <algorithm>

namespace dicemere {

namespace {

struct Line {
    qsizetype begin; // first byte
    qsizetype end;   // one past the last byte before the line end
    qsizetype next;  // first byte of the next line
};

// A UTF-8 byte-order mark before the first line is no part of it.
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

QList<Line> Lines(const QByteArray& file) {
    QList<Line> lines;
    qsizetype begin = file.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (begin < file.size()) {
        qsizetype newline = file.indexOf('\n', begin);
        const qsizetype next = newline < 0 ? file.size() : newline + 1;
        qsizetype end = newline < 0 ? file.size() : newline;
        if (end > begin && file[end - 1] == '\r')
            --end;
        lines.append({begin, end, next});
        begin = next;
    }
    return lines;
}

// Views into the file: a large file is read without a copy per line.
QByteArrayView Text(const QByteArray& file, const Line& line) {
    return QByteArrayView(file).sliced(line.begin, line.end - line.begin).trimmed();
}

bool IsSection(QByteArrayView text) { return text.startsWith('[') && text.endsWith(']'); }

QByteArrayView SectionName(QByteArrayView text) {
    return text.sliced(1, text.size() - 2).trimmed();
}

bool IsKey(QByteArrayView text, QByteArrayView key) {
    const qsizetype equals = text.indexOf('=');
    return equals > 0 && text.first(equals).trimmed() == key;
}

// Calls found(line index) for each line of key inside [section].
template <typename Fn>
void ForEachKeyLine(const QByteArray& file, const QList<Line>& lines, const QByteArray& section,
                    const QByteArray& key, Fn found) {
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView text = Text(file, lines[i]);
        if (IsSection(text))
            inSection = SectionName(text) == section;
        else if (inSection && IsKey(text, key))
            found(i);
    }
}

} // namespace

bool IsPlainIniValue(const QString& value) {
    return std::ranges::all_of(value, [](QChar c) {
        return (c.isLetterOrNumber() && c.unicode() < 128) || QStringLiteral(" .:_-").contains(c);
    });
}

QString IniValue(const QByteArray& file, const QString& section, const QString& key) {
    const QList<Line> lines = Lines(file);
    QString value;
    ForEachKeyLine(file, lines, section.toUtf8(), key.toUtf8(), [&](qsizetype i) {
        const QByteArrayView text = Text(file, lines[i]);
        value = QString::fromUtf8(text.sliced(text.indexOf('=') + 1).trimmed());
    });
    return value;
}

QByteArray WithIniValue(const QByteArray& file, const QString& section, const QString& key,
                        const QString& value) {
    const QList<Line> lines = Lines(file);
    const bool crlf = file.contains("\r\n");
    const QByteArray eol = crlf ? "\r\n" : "\n";
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    qsizetype keyLine = -1;
    ForEachKeyLine(file, lines, section.toUtf8(), key.toUtf8(), [&](qsizetype i) { keyLine = i; });
    QByteArray out = file;
    if (keyLine >= 0) {
        const Line& l = lines[keyLine];
        out.replace(l.begin, l.end - l.begin, entry);
        return out;
    }
    const QByteArray sectionName = section.toUtf8();
    for (const Line& l : lines) {
        const QByteArrayView text = Text(file, l);
        if (IsSection(text) && SectionName(text) == sectionName) {
            QByteArray insert = entry + eol;
            if (l.next == l.end) // the header is the last line, with no line end
                insert.prepend(eol);
            out.insert(l.next, insert);
            return out;
        }
    }
    if (!out.isEmpty() && !out.endsWith('\n'))
        out += eol;
    out += '[' + section.toUtf8() + ']' + eol + entry + eol;
    return out;
}

QList<IniEdit> InPlaceIniEdits(const QByteArray& file, const QString& section, const QString& key,
                               const QString& value) {
    const QList<Line> lines = Lines(file);
    const QByteArray sectionName = section.toUtf8();
    const QByteArray keyName = key.toUtf8();
    QList<qsizetype> keyLines;
    ForEachKeyLine(file, lines, sectionName, keyName, [&](qsizetype i) { keyLines.append(i); });
    if (!keyLines.isEmpty() && IniValue(file, section, key) == value)
        return {};
    const QByteArray eol = file.contains("\r\n") ? "\r\n" : "\n";
    const QByteArray entry = keyName + '=' + value.toUtf8();

    // Appended as a comment: any part of it, written or not, says nothing.
    QByteArray appended = file.isEmpty() || file.endsWith('\n') ? QByteArray() : eol;
    appended += '[' + sectionName + ']' + eol;
    const qsizetype mark = file.size() + appended.size();
    appended += ';' + entry + eol;
    QList<IniEdit> edits{{file.size(), appended}, {mark, " "}};

    if (!keyLines.isEmpty()) {
        const Line& last = lines[keyLines.last()];
        const qsizetype room = last.end - last.begin;
        if (entry.size() <= room) {
            // Behind the appended line the old one is rewritten: first made a
            // comment, then filled in, then its first byte made to count;
            // spaces pad it to its old length.
            const QByteArray line = entry + QByteArray(room - entry.size(), ' ');
            edits.append({last.begin, ";"});
            edits.append({last.begin + 1, line.mid(1)});
            edits.append({last.begin, line.left(1)});
            edits.append({0, {}, file.size()});
            return edits;
        }
    }
    // The old lines of the key are made comments, one byte each.
    for (qsizetype i : keyLines)
        edits.append({lines[i].begin, ";"});
    return edits;
}

} // namespace dicemere
