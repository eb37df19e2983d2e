// SPDX-License-Identifier: MIT
// Ten thousand seeded random actions on the main window, with the window's
// invariants checked after every one.
#include "../support/Doubles.h"
#include "../support/Patience.h"
#include "Layout.h"
#include "MainWindow.h"
#include "Random.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <random>

using namespace dicemere;
using namespace dicemere::test;

class TestMonkey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomActions() {
        ClockSeededRandom dice;
        dice.Seed(7);
        FakeServices fakes;
        FakeMessageBoxes& boxes = fakes.boxes;
        FakeUrlOpener& opener = fakes.opener;
        const Services services{fakes.lock,  dice,       fakes.settings, fakes.clock,
                                fakes.boxes, fakes.help, fakes.end};
        MainWindow window(services);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window, kHangGuardMs));
        std::mt19937 monkey(20261208);

        // Where a person would click: the cast/throw button's spot (both
        // pages put their button there), Back's spot, and an empty spot.
        const QRect pageArea = TwipsRect(0, 480, 8865, 4300);
        const QPoint buttonSpot = pageArea.topLeft() + TwipsRect(1332, 3600, 6200, 375).center();
        const QPoint backSpot = pageArea.topLeft() + TwipsRect(7680, 3720, 1000, 400).center();
        const QPoint emptySpot = pageArea.topLeft() + QPoint(Twips(300), Twips(3000));
        const auto click = [&](QPoint at) {
            const QPoint inWindow = window.centralWidget()->mapTo(&window, at);
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inWindow);
        };
        const auto page = [&] { return window.CurrentPage()->objectName(); };
        const char* links[] = {"actionOnlineHelp", "actionVisitUs", "actionCheckForUpdate",
                               "actionDonate"};
        bool castFinished = false; // every die has landed for good
        int results = 0, throws = 0;

        for (int step = 0; step < 10000; ++step) {
            const QString before = page();
            const qint16 countBefore = window.Cast().ThrowCount();
            const std::vector<qint16> valuesBefore = window.Cast().DiceValues();
            const int action = static_cast<int>(monkey() % 10);
            switch (action) {
            case 0: // choose a number of dice
                if (auto* combo = window.findChild<QComboBox*>(QStringLiteral("diceCountBox"));
                    combo->isVisible())
                    combo->setCurrentIndex(static_cast<int>(monkey() % 3));
                break;
            case 1:
            case 2:
            case 3:
            case 4: // the button's spot: cast on the front page, throw on the casting page
                click(buttonSpot);
                break;
            case 5:
                click(backSpot);
                break;
            case 6:
                click(emptySpot);
                break;
            case 7:
                window.findChild<QAction*>(QString::fromLatin1(links[monkey() % 4]))->trigger();
                break;
            case 8:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                break;
            default:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                break;
            }

            // A covered page never takes input: what happened is what the
            // page in front allows.
            const DiceCast& cast = window.Cast();
            const int n = cast.NoOfDice();
            if (before == QLatin1String("resultPage")) {
                QVERIFY2(cast.ThrowCount() == countBefore && cast.DiceValues() == valuesBefore,
                         "the covered casting page threw");
            }
            if (before == QLatin1String("frontPage") && page() == QLatin1String("frontPage"))
                QCOMPARE(cast.ThrowCount(), countBefore);
            if (page() == QLatin1String("castingPage") && before == QLatin1String("frontPage")) {
                QCOMPARE(cast.ThrowCount(), qint16(0)); // a new cast
                castFinished = false;
            }
            if (cast.Started() && cast.ThrowCount() != countBefore)
                ++throws;

            if (!cast.Started())
                continue;
            // Caption and counter agree.
            auto* throwButton = window.findChild<QPushButton*>(QStringLiteral("throwButton"));
            const int count = cast.ThrowCount();
            if (count <= n) {
                // Thrown dice, or the same number again while a die is recast.
                const QString caption = throwButton->text();
                QVERIFY2(caption == DiceCast::ThrowCaption(count, n) ||
                             caption == DiceCast::ThrowCaption(count + 1, n),
                         qPrintable(caption));
            } else {
                QCOMPARE(throwButton->text(), DiceCast::ResultInvitation());
            }
            if (count >= n)
                castFinished = true;
            // Every die value is 0 to 6, and only the cast's dice are presented.
            for (qint16 v : cast.DiceValues())
                QVERIFY(v >= 0 && v <= 6);
            for (int slot = n; slot < 4; ++slot)
                QVERIFY(
                    window.findChild<QWidget*>(QStringLiteral("die%1").arg(slot + 1))->isHidden());
            // The result page comes only after a finished cast.
            if (page() == QLatin1String("resultPage")) {
                QVERIFY(castFinished);
                QVERIFY(count >= n + 2);
                if (before != page())
                    ++results;
            }
        }
        // The monkey did get through whole casts, not only the menus.
        QVERIFY2(results > 50, qPrintable(QString::number(results)));
        QVERIFY(throws > 1000);
        QVERIFY(!boxes.shown.isEmpty()); // border landings happened
        QVERIFY(!opener.opened.isEmpty());
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
