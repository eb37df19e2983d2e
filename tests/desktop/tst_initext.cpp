// SPDX-License-Identifier: MIT
// Reading and changing the one value in an INI file.
#include "../support/IniEntries.h"
#include "IniText.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace dicemere;

namespace {
const QString S = QStringLiteral("Settings");
const QString K = QStringLiteral("Duration");
const QString V = QStringLiteral("2026-12-08");
} // namespace

class TestIniText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void changesOnlyItsLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("empty") << QByteArray() << QByteArray("[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("replaced in place")
            << QByteArray("; mine\n[A]\nx=1\n[Settings]\nDuration = 2001-01-01\nOther=2\n")
            << QByteArray("; mine\n[A]\nx=1\n[Settings]\nDuration=2026-12-08\nOther=2\n");
        QTest::newRow("same key elsewhere untouched")
            << QByteArray("[A]\nDuration=old\n")
            << QByteArray("[A]\nDuration=old\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("section without the key")
            << QByteArray("[Settings]\nOther=2\n[B]\ny=3\n")
            << QByteArray("[Settings]\nDuration=2026-12-08\nOther=2\n[B]\ny=3\n");
        QTest::newRow("header last, no line end")
            << QByteArray("x=1\n[Settings]")
            << QByteArray("x=1\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("no final line end")
            << QByteArray("[A]\nx=1") << QByteArray("[A]\nx=1\n[Settings]\nDuration=2026-12-08\n");
        QTest::newRow("CR LF kept")
            << QByteArray("[A]\r\nx=1\r\n")
            << QByteArray("[A]\r\nx=1\r\n[Settings]\r\nDuration=2026-12-08\r\n");
        QTest::newRow("CR LF in place")
            << QByteArray("[Settings]\r\nDuration=1\r\nz=9\r\n")
            << QByteArray("[Settings]\r\nDuration=2026-12-08\r\nz=9\r\n");
        QTest::newRow("twice: the last one counts")
            << QByteArray("[Settings]\nDuration=1\n[Settings]\nDuration=2\n")
            << QByteArray("[Settings]\nDuration=1\n[Settings]\nDuration=2026-12-08\n");
        // An editor may save the file with a UTF-8 byte-order mark; the header
        // after it is still the header, and the mark stays.
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2001-01-01\n")
            << QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2026-12-08\n");
    }
    void changesOnlyItsLine() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QByteArray written = WithIniValue(before, S, K, V);
        QCOMPARE(written, after);
        QCOMPARE(IniValue(written, S, K), V);
        // QSettings reads the same value from what was written.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(written);
        f.close();
        QCOMPARE(QSettings(path, QSettings::IniFormat)
                     .value(QStringLiteral("Settings/Duration"))
                     .toString(),
                 V);
    }

    void readsWhatQSettingsWrites() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.ini"));
        {
            QSettings s(path, QSettings::IniFormat);
            s.setValue(QStringLiteral("Other/a"), 1);
            s.setValue(QStringLiteral("Settings/Duration"), V);
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(IniValue(f.readAll(), S, K), V);
    }

    void readsNothingFromElsewhere() {
        QCOMPARE(IniValue("[A]\nDuration=1\n", S, K), QString());
        QCOMPARE(IniValue("Duration=1\n", S, K), QString());
        QCOMPARE(IniValue("[Settings]\nDurations=1\n", S, K), QString());
        QCOMPARE(IniValue("[Settings\nDuration=1\n", S, K), QString());
        QCOMPARE(IniValue(QByteArray("\0\xff[Settings]\n\0", 11), S, K), QString());
    }

    // A change made inside the file, killed at any byte: what the file says
    // is always all of the old or all of the new, and once done it says the
    // new with every other key as it was.
    void inPlaceChangeReadsOldOrNewAtAnyKill_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("sameSize"); // the new line fits in the old one
        QTest::newRow("same length")
            << QByteArray("[Settings]\nDuration=2001-01-01\n[B]\ny=3\n") << true;
        QTest::newRow("old line longer")
            << QByteArray("[Settings]\nDuration=2001-01-01            \n[Other]\nkey1=value "
                          "1\nkey2=value 2\n")
            << true;
        QTest::newRow("indented, spaces round =")
            << QByteArray("[Settings]\n   Duration = 2001-01-01\nx=1\n") << true;
        QTest::newRow("old line shorter") << QByteArray("[Settings]\nDuration=1\nz=9\n") << false;
        QTest::newRow("no key") << QByteArray("[Settings]\nOther=2\n[B]\ny=3\n") << false;
        QTest::newRow("no section, no line end") << QByteArray("[A]\nx=1") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("CR LF") << QByteArray("[Settings]\r\nDuration=2001-01-01\r\nz=9\r\n")
                               << true;
        QTest::newRow("key twice")
            << QByteArray("[Settings]\nDuration=1\n[Settings]\nDuration=2\n") << false;
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\nDuration=2001-01-01\n") << true;
    }
    void inPlaceChangeReadsOldOrNewAtAnyKill() {
        using dicemere::test::IniEntries;
        QFETCH(QByteArray, before);
        QFETCH(bool, sameSize);
        const auto old = IniEntries(before);
        const auto changed = IniEntries(WithIniValue(before, S, K, V));
        const QList<IniEdit> edits = InPlaceIniEdits(before, S, K, V);
        QVERIFY(!edits.isEmpty());
        QByteArray file = before;
        int states = 0;
        const auto check = [&](const QByteArray& state) {
            ++states;
            const auto says = IniEntries(state);
            return says == old || says == changed;
        };
        for (const IniEdit& edit : edits) {
            if (edit.truncateTo >= 0) {
                QVERIFY(edit.truncateTo <= file.size());
                file.truncate(edit.truncateTo); // one call: it happens or not
                QVERIFY2(check(file), file.constData());
                continue;
            }
            QVERIFY(edit.offset <= file.size());
            // Killed after k of its bytes.
            for (qsizetype k = 0; k <= edit.bytes.size(); ++k) {
                QByteArray state = file;
                const QByteArray part = edit.bytes.left(k);
                if (state.size() < edit.offset + k)
                    state.resize(edit.offset + k);
                state.replace(edit.offset, k, part);
                QVERIFY2(check(state), state.constData());
                if (k == edit.bytes.size())
                    file = state;
            }
        }
        QVERIFY(states > edits.size());
        QCOMPARE(IniEntries(file), changed);
        QCOMPARE(IniValue(file, S, K), V);
        if (sameSize)
            QCOMPARE(file.size(), before.size());
        // Done again, nothing more is written.
        QVERIFY(InPlaceIniEdits(file, S, K, V).isEmpty());
    }

    void onlyPlainValues() {
        QVERIFY(IsPlainIniValue(V));
        QVERIFY(!IsPlainIniValue(QStringLiteral("a\nb")));
        QVERIFY(!IsPlainIniValue(QStringLiteral("a;b")));
        QVERIFY(!IsPlainIniValue(QStringLiteral("[x]")));
        QVERIFY(!IsPlainIniValue(QStringLiteral("é")));
    }
};

QTEST_GUILESS_MAIN(TestIniText)
#include "tst_initext.moc"
