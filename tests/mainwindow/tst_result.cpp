// SPDX-License-Identifier: MIT
// The result page, reached by whole casts through the window.
#include "../support/MainWindowRig.h"
#include "../support/Patience.h"
#include "EnochianNumerology.h"
#include "FontsAndColours.h"
#include "Layout.h"
#include "MainWindow.h"
#include "PageStack.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <array>

using namespace dicemere;
using namespace dicemere::test;

namespace {

// Counts the paint events of the objects it watches.
struct PaintCounter : QObject {
    QHash<QObject*, int> paints;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

struct Rig : MainWindowRig {
    // The value of line i, top to bottom.
    QLabel* value(int i) {
        static constexpr std::array<const char*, 8> kValues{
            "numberValue", "descriptionValue", "interpretationValue", "stoneValue", "totemValue",
            "herbValue",   "oilValue",         "remedyValue"};
        return get<QLabel>(QString::fromLatin1(kValues.at(static_cast<std::size_t>(i))));
    }
    QLabel* label(const char* name) { return get<QLabel>(QString::fromLatin1(name)); }
    PageFrame* page(const char* name) {
        return window.findChild<PageFrame*>(QString::fromLatin1(name));
    }
    // The whole cast, then a look that it ended where it should.
    void castAndShow(const std::vector<int>& values) {
        MainWindowRig::castAndShow(values);
        QVERIFY(!random.exhausted);
        QCOMPARE(window.Cast().DiceValues(), std::vector<qint16>(values.begin(), values.end()));
        QCOMPARE(window.CurrentPage(), page("resultPage"));
        QCOMPARE(page("resultPage")->Caption(), QString());
    }
    QStringList values() {
        QStringList texts;
        for (int i = 0; i < 8; ++i)
            texts << value(i)->text();
        return texts;
    }
};

struct Opening {
    int row;
    int column; // -1: the row's description
    const char* length;
    const char* words;
};

// The opening words and length class of every paragraph.
constexpr Opening kOpenings[] = {
    {0, -1, "short", "Do not waste your energy. Use"},
    {1, -1, "short", "Use your energies for achieving your"},
    {2, -1, "medium", "This is a good time to start"},
    {3, -1, "short", "The keyword for this number is"},
    {4, -1, "long", "You need to balance the various"},
    {5, -1, "medium", "You will have a lot to"},
    {6, -1, "long", "This is the time to expand"},
    {7, -1, "long", "This is a very spiritual number."},
    {8, -1, "long", "Give till you can give no"},
    {9, -1, "short", "Stop making excuses and complete the"},
    {10, -1, "long", "This is a spiritual number. You"},
    {11, -1, "medium", "You will be spiritually aware and"},
    {1, 0, "medium", "This is the time to analyze"},
    {1, 1, "medium", "You will achieve something in the"},
    {1, 2, "medium", "You may not be sure of"},
    {2, 0, "medium", "This is the time to enter"},
    {2, 1, "short", "Learn to focus on your spiritual"},
    {2, 2, "medium", "This is a good time to build"},
    {3, 0, "medium", "You can join with friends or"},
    {3, 1, "medium", "Meditation can bring you a lot"},
    {3, 2, "medium", "Think of how a change in"},
    {4, 0, "medium", "You need to express yourself better."},
    {4, 1, "medium", "You have achieved your goals in"},
    {5, 0, "short", "Do not be secretive and keep"},
    {5, 1, "short", "You are keeping too much to"},
    {5, 2, "short", "You are spending too much time"},
    {6, 0, "medium", "You have given a lot of"},
    {6, 1, "medium", "Don't be in a hurry to"},
    {6, 2, "medium", "Use the skills and knowledge you"},
    {7, 0, "medium", "You will do good to work"},
    {7, 1, "long", "Spirituality and belief go hand in"},
    {8, 0, "long", "You will get great joy by"},
    {8, 1, "short", "Do you expect something in return"},
    {9, 0, "long", "Finish projects that you have left"},
    {9, 1, "medium", "Things may seem completed but in"},
    {10, 0, "short", "Concentrate and pray to God. All"},
    {10, 1, "short", "Learn to speak for yourself and"},
    {10, 2, "short", "Combine your daily routine with your"},
    {10, 3, "medium", "You will need to recognize how"},
    {10, 4, "medium", "Learn to let go of the"},
    {10, 5, "medium", "Your spiritual interests will bring you"},
    {11, 0, "long", "You have good leadership qualities. Use"},
    {11, 1, "short", "Spread love and gain lots more"},
};

QString LengthClass(qsizetype n) {
    if (n <= 120)
        return QStringLiteral("short");
    if (n <= 200)
        return QStringLiteral("medium");
    return n <= 359 ? QStringLiteral("long") : QStringLiteral("too long");
}

} // namespace

class TestResult : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void masterElevenFromFiveThenSix() {
        Rig rig;
        rig.castAndShow({5, 6});
        QCOMPARE(rig.value(0)->text(), QStringLiteral("5+6 = 11"));
        // Line 5 is "Totem", lblLabel(3), with lblResult(4) beside it.
        QCOMPARE(rig.label("totemHeading")->text(), QStringLiteral("Totem"));
        QCOMPARE(rig.value(4)->text(), QStringLiteral("Bear, Bat"));
        QCOMPARE(rig.value(4)->y(), Twips(2970));
        QCOMPARE(rig.label("totemHeading")->y(), Twips(2973));
        QCOMPARE(rig.label("stoneHeading")->text(), QStringLiteral("Stone"));
        QCOMPARE(rig.value(3)->text(), QStringLiteral("Rose, Lavender Quartz"));
        QCOMPARE(rig.value(3)->y(), Twips(2685));
        QCOMPARE(rig.value(0)->toolTip(),
                 QStringLiteral("Dice 5, 6: the combination 5+6 gives 11"));
    }

    void allOutside() {
        Rig rig;
        rig.castAndShow({0, 0, 0});
        const QStringList v = rig.values();
        QCOMPARE(v[0], QStringLiteral("0"));
        QCOMPARE(v[2], QStringLiteral("NA"));
        QCOMPARE(v[3], QStringLiteral("Agate"));
        QCOMPARE(v[4], QStringLiteral("Turtle, Dolphin"));
        QCOMPARE(v[5], QStringLiteral("Skullcap"));
        QCOMPARE(v[6], QStringLiteral("Tea Tree"));
        QCOMPARE(v[7], QStringLiteral("Centaury"));
        QVERIFY(v[1].startsWith(QStringLiteral("Do not waste your energy. Use")));
    }

    void noKeyShowsTheNumberAlone() {
        Rig rig;
        rig.castAndShow({6, 6});
        QCOMPARE(rig.value(0)->text(), QStringLiteral("3"));
        QCOMPARE(rig.value(3)->text(), QStringLiteral("Ruby, Sapphire"));
        QCOMPARE(rig.value(0)->toolTip(), QStringLiteral("Dice 6, 6: total 12, 1+2 = 3"));
    }

    void newCastLeavesNothingOfTheOld() {
        Rig rig;
        rig.castAndShow({5, 6});
        const QStringList first = rig.values();
        rig.button("backButton")->click();
        rig.castAndShow({1, 3}); // "1+3 = 4": row 4, column 1
        const QStringList second = rig.values();
        for (int i = 0; i < 8; ++i)
            QVERIFY2(second[i] != first[i] || second[i].isEmpty(), qPrintable(second[i]));
        QCOMPARE(second[0], QStringLiteral("1+3 = 4"));
        QCOMPARE(second[3], QStringLiteral("Lepidolite"));
        // A cell with empty texts clears its labels.
        rig.button("backButton")->click();
        rig.castAndShow({6, 6, 6, 6}); // 24: row 6, column 0
        QCOMPARE(rig.value(0)->text(), QStringLiteral("6"));
        rig.button("backButton")->click();
        rig.castAndShow({1, 0});
        QCOMPARE(rig.values().mid(3),
                 (QStringList{"Emerald", "Eagle, Otter", "Lavender", "Rose", "Chicory"}));
    }

    // One-line labels are exactly as big as their text, as a label sizes
    // itself, and follow it from one reading to the next.
    void oneLineValuesFollowTheirText() {
        Rig rig;
        const auto fitted = [](QLabel* label) {
            QVERIFY2(label->size() == label->sizeHint(),
                     qPrintable(QStringLiteral("%1 \"%2\": %3x%4, text %5x%6")
                                    .arg(label->objectName(), label->text())
                                    .arg(label->width())
                                    .arg(label->height())
                                    .arg(label->sizeHint().width())
                                    .arg(label->sizeHint().height())));
        };
        for (const char* name : {"diceCountLabel", "focusLabel"})
            fitted(rig.label(name)); // the front page
        rig.castAndShow({4, 4, 3});
        for (const char* name : {"numberHeading", "totemHeading", "interpretationHeading",
                                 "stoneHeading", "herbHeading", "oilHeading", "remedyHeading"})
            fitted(rig.label(name));
        for (int i : {0, 3, 4, 5, 6, 7}) {
            QLabel* v = rig.value(i);
            QCOMPARE(v->x(), Twips(2280));
            fitted(v);
        }
        QCOMPARE(rig.value(7)->text(), QStringLiteral("Chestnut Bud, Scheranthus"));
        const int longer = rig.value(7)->width();
        rig.button("backButton")->click();
        rig.castAndShow({1, 0});
        QCOMPARE(rig.value(7)->text(), QStringLiteral("Chicory"));
        fitted(rig.value(7));
        QVERIFY(rig.value(7)->width() < longer);
        QCOMPARE(rig.value(1)->geometry(), TwipsRect(180, 810, 8550, 915));
        QCOMPARE(rig.value(2)->geometry(), TwipsRect(180, 1992, 8550, 600));
    }

    // Showing the result page again draws each of its labels once: a page
    // that Qt fills itself had its labels drawn twice.
    void pageShownAgainDrawsEachLabelOnce() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window, kHangGuardMs));
        rig.castAndShow({5, 6});
        rig.button("backButton")->click();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        PaintCounter counter;
        const QList<QLabel*> labels = rig.page("resultPage")->findChildren<QLabel*>();
        for (QLabel* label : labels)
            label->installEventFilter(&counter);
        rig.castAndShow({2, 3});
        QTRY_VERIFY_WITH_TIMEOUT(counter.paints.size() == labels.size(), kHangGuardMs);
        for (int i = 0; i < 3; ++i) // anything still queued has its chance
            QCoreApplication::processEvents();
        for (QLabel* label : labels)
            QVERIFY2(counter.paints.value(label) == 1,
                     qPrintable(QStringLiteral("%1 drawn %2 times")
                                    .arg(label->objectName())
                                    .arg(counter.paints.value(label))));
    }

    void copyReading() {
        Rig rig;
        rig.castAndShow({5, 6});
        QGuiApplication::clipboard()->clear();
        auto* copy = rig.window.findChild<QAction*>(QStringLiteral("copyReadingAction"));
        QVERIFY(copy);
        QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
        QVERIFY(rig.page("resultPage")->actions().contains(copy));
        copy->trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("Enochian Number: 5+6 = 11"));
        QVERIFY(lines[1].startsWith(
            QStringLiteral("Enochian Number Description: This is a spiritual number.")));
        QCOMPARE(lines[3], QStringLiteral("Stone: Rose, Lavender Quartz"));
        QCOMPARE(lines[4], QStringLiteral("Totem: Bear, Bat"));
        QCOMPARE(lines[7], QStringLiteral("Flower Remedy: Red Chestnut, Aspen"));
    }

    void copyByKeyboard() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        rig.castAndShow({6, 6});
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(
            QStringLiteral("Enochian Number: 3\n")));
    }

    // Every paragraph begins with its words, keeps its length class and fits
    // its box in the program's font.
    void paragraphsFitTheirBoxes() {
        Rig rig;
        rig.castAndShow({1, 2});
        const QFontMetrics metrics(rig.value(1)->font());
        QCOMPARE(rig.value(1)->font(), ProgramFont());
        for (const Opening& o : kOpenings) {
            const bool description = o.column < 0;
            const QString text = QString::fromStdString(
                std::string(description ? reading::NumberDescription(o.row)
                                        : reading::InterpretationAt(o.row, o.column)));
            const QString where = QStringLiteral("row %1 column %2").arg(o.row).arg(o.column);
            QVERIFY2(text.startsWith(QString::fromLatin1(o.words)), qPrintable(where));
            QVERIFY2(LengthClass(text.size()) == QString::fromLatin1(o.length),
                     qPrintable(where + QStringLiteral(": %1 characters").arg(text.size())));
            QVERIFY2(!text.contains(QLatin1Char('\n')), qPrintable(where));
            const QRect box =
                description ? TwipsRect(180, 810, 8550, 915) : TwipsRect(180, 1992, 8550, 600);
            const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000),
                                                      Qt::TextWordWrap | Qt::AlignLeft, text);
            QVERIFY2(
                needed.height() <= box.height(),
                qPrintable(
                    where +
                    QStringLiteral(": needs %1 of %2 px").arg(needed.height()).arg(box.height())));
        }
    }
};

QTEST_MAIN(TestResult)
#include "tst_result.moc"
