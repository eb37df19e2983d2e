// SPDX-License-Identifier: MIT
// The main window: pages, casting, menus and links, driven through its controls.
#include "../support/MainWindowRig.h"
#include "../support/Patience.h"
#include "DiceImages.h"
#include "Layout.h"
#include "LinkLabel.h"
#include "MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

using namespace dicemere;
using namespace dicemere::test;

namespace {

struct Rig : MainWindowRig {
    DieImage* die(int i) { return get<DieImage>(QStringLiteral("die%1").arg(i + 1)); }
    QAction* action(const char* name) { return get<QAction>(QString::fromLatin1(name)); }
    QString caption() { return button("throwButton")->text(); }
};

QPoint At(int leftTwips, int topTwips) { return {Twips(leftTwips), Twips(topTwips)}; }

} // namespace

class TestCasting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnTheFrontPage() {
        Rig rig;
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Dicemere v1.0"));
        QCOMPARE(rig.window.centralWidget()->size(), QSize(591, 378));
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("frontPage")));
        auto* combo = rig.get<QComboBox>(QStringLiteral("diceCountBox"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentText(), QStringLiteral("4"));
        QVERIFY(!combo->isEditable());
        // The die images wait hidden in their parked column.
        rig.random.push({0.0f, 0.0f, 0.0f, 0.0f});
        rig.cast(4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(rig.die(i)->isHidden());
            QCOMPARE(rig.die(i)->pos(), At(8160, 240 + 600 * i));
        }
    }

    // The two-dice cast with the source returning
    // 0.1, 0.6, 0.55, 0.95, 0.8, 0.2, 0.4, 0.7.
    void wholeTwoDiceCast() {
        Rig rig;
        rig.random.push({0.1f, 0.6f, 0.55f, 0.95f, 0.8f, 0.2f, 0.4f, 0.7f});
        int countAtMessage = -1;
        rig.boxes.onShow = [&](const ShownMessage&) {
            countAtMessage = rig.window.Cast().ThrowCount();
        };
        const DiceCast& cast = rig.window.Cast();

        rig.cast(2);
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("castingPage")));
        QCOMPARE(cast.NoOfDice(), 2);
        QCOMPARE(cast.DiceLanding(), (std::vector<qint16>{LandInside, LandBorder}));
        QCOMPARE(cast.ThrowCount(), 0);
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 0 out of 2 times"));

        rig.press(); // face 4, die 1 inside
        QCOMPARE(rig.die(0)->pos(), At(3930, 1320));
        QCOMPARE(rig.die(0)->Face(), 4);
        QVERIFY(!rig.die(0)->isHidden());
        QVERIFY(rig.die(1)->isHidden());
        QCOMPARE(cast.DiceValues(), (std::vector<qint16>{4, 0}));
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 1 out of 2 times"));
        QCOMPARE(cast.ThrowCount(), 1);
        QCOMPARE(rig.die(0)->accessibleName(), QStringLiteral("Die 1: 4, inside the circle"));
        QVERIFY(rig.boxes.shown.isEmpty());

        rig.press(); // face 6, die 2 on the border, next landing outside
        QCOMPARE(rig.die(1)->pos(), At(5040, 1210));
        QCOMPARE(rig.die(1)->Face(), 6);
        QVERIFY(!rig.die(1)->isHidden());
        QCOMPARE(cast.DiceLanding()[1], qint16(LandOutside));
        QCOMPARE(cast.DiceValues(), (std::vector<qint16>{4, 0}));
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 2 out of 2 times"));
        QCOMPARE(rig.boxes.texts(),
                 QStringList{"Dice 2 is in the border of the circle. Please recast it."});
        QCOMPARE(rig.boxes.shown[0].icon, MsgIcon::Information);
        QCOMPARE(rig.boxes.shown[0].buttons, MsgButtons::Ok);
        QCOMPARE(countAtMessage, 1);
        QCOMPARE(cast.ThrowCount(), 1);
        QCOMPARE(rig.die(1)->accessibleName(),
                 QStringLiteral("Die 2: 6, on the border of the circle"));

        rig.press(); // face 2, die 2 outside
        QCOMPARE(rig.die(1)->pos(), At(5490, 1560));
        QCOMPARE(rig.die(1)->Face(), 2);
        QCOMPARE(cast.DiceValues(), (std::vector<qint16>{4, 0}));
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 2 out of 2 times"));
        QCOMPARE(cast.ThrowCount(), 2);
        QCOMPARE(rig.boxes.shown.size(), 1);
        QCOMPARE(rig.die(1)->accessibleName(), QStringLiteral("Die 2: 2, outside the circle"));

        rig.press(); // draws 0.4, only changes the caption
        QCOMPARE(rig.caption(), QStringLiteral("&Get My Enochian Numerology Result"));
        QCOMPARE(cast.ThrowCount(), 3);
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("castingPage")));

        rig.press(); // draws 0.7, shows the result
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("resultPage")));
        QCOMPARE(cast.ThrowCount(), 4);
        QCOMPARE(cast.DiceValues(), (std::vector<qint16>{4, 0}));
        QCOMPARE(rig.random.draws, 8);
        QVERIFY(!rig.random.exhausted);
        QCOMPARE(rig.die(2)->isHidden(), true);
        QCOMPARE(rig.die(3)->isHidden(), true);
    }

    void everyPressDrawsAFace() {
        Rig rig;
        // Landings all inside; faces 1, 6, 3; then two more presses.
        rig.random.push({0.0f, 0.0f, 0.0f, 0.05f, 0.95f, 0.4f, 0.5f, 0.5f});
        rig.cast(3);
        for (int i = 0; i < 5; ++i)
            rig.press();
        QCOMPARE(rig.window.Cast().DiceValues(), (std::vector<qint16>{1, 6, 3}));
        QCOMPARE(rig.random.draws, 8);
        QVERIFY(!rig.random.exhausted);
    }

    void repeatedBorderLandingsKeepZero() {
        Rig rig;
        // One border landing after another for die 1, then inside with face 5.
        rig.random.push({0.5f, 0.0f, 0.3f, 0.5f, 0.6f, 0.5f, 0.4f, 0.1f, 0.8f});
        rig.cast(2);
        rig.press();
        rig.press();
        QCOMPARE(rig.window.Cast().DiceValues()[0], qint16(0));
        QCOMPARE(rig.window.Cast().ThrowCount(), 0);
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 1 out of 2 times"));
        rig.press(); // border once more; this time it draws 0.1 (inside) for the next
        QCOMPARE(rig.window.Cast().DiceValues()[0], qint16(0));
        QCOMPARE(rig.die(0)->Face(), 3);
        QCOMPARE(rig.die(0)->pos(), At(3720, 1070));
        rig.press(); // face 5, inside
        QCOMPARE(rig.window.Cast().DiceValues()[0], qint16(5));
        QCOMPARE(rig.die(0)->pos(), At(3930, 1320));
        const QString message =
            QStringLiteral("Dice 1 is in the border of the circle. Please recast it.");
        QCOMPARE(rig.boxes.texts(), (QStringList{message, message, message}));
        QCOMPARE(rig.window.Cast().ThrowCount(), 1);
    }

    void allSpotsOfFourDice_data() {
        QTest::addColumn<float>("landingDraw");
        QTest::addColumn<QList<int>>("spots");
        QTest::newRow("inside") << 0.1f
                                << QList<int>{3930, 1320, 4530, 1320, 3930, 1920, 4530, 1920};
        QTest::newRow("outside") << 0.9f
                                 << QList<int>{4230, 360, 5490, 1560, 4230, 2880, 2970, 1560};
        QTest::newRow("border") << 0.5f
                                << QList<int>{3720, 1070, 5040, 1210, 3720, 2170, 4800, 2090};
    }
    void allSpotsOfFourDice() {
        QFETCH(float, landingDraw);
        QFETCH(QList<int>, spots);
        Rig rig;
        rig.random.push({landingDraw, landingDraw, landingDraw, landingDraw});
        rig.cast(4);
        for (int slot = 0; slot < 4; ++slot) {
            // A border landing recasts the same die, so move on by hand: the
            // next press's landing is drawn 0.1 (inside) for border dice.
            rig.random.push({0.3f});
            if (landingDraw == 0.5f)
                rig.random.push({0.1f});
            rig.press();
            QCOMPARE(rig.die(slot)->pos(), At(spots[2 * slot], spots[2 * slot + 1]));
            QCOMPARE(rig.die(slot)->Face(), 3);
            if (landingDraw == 0.5f) {
                rig.random.push({0.3f});
                rig.press();
            }
        }
        QCOMPARE(rig.window.Cast().ThrowCount(), 4);
        QVERIFY(!rig.random.exhausted);
    }

    // Presses past the result only count up; the counter must never wrap
    // round into a die's slot again.
    void counterStopsShortOfWrapping() {
        struct Zero final : RandomSource {
            void SeedFromClock() override {}
            float DrawUniform() override { return 0.0f; }
        } zero;
        DiceCast cast(zero);
        cast.Start(2);
        for (int i = 0; i < 40000; ++i) {
            const DiceCast::Press press = cast.Throw();
            if (i >= 3)
                QCOMPARE(press.kind, DiceCast::Press::Kind::ShowResult);
            cast.Settle(press);
        }
        QCOMPARE(cast.ThrowCount(), qint16(32767));
        QCOMPARE(cast.DiceValues(), (std::vector<qint16>{1, 1}));
    }

    void imageListHoldsSixFaces() {
        const DiceImageList pictures;
        QSet<QByteArray> drawn;
        for (int position = 1; position <= 6; ++position) {
            const DieFacePicture* picture = pictures.Picture(position);
            QVERIFY(picture);
            QCOMPARE(picture->Face(), position);
            // Each picture is a face of its own: six different drawings.
            QImage image(42, 42, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            picture->Paint(painter, QRectF(0, 0, 42, 42));
            painter.end();
            drawn.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(drawn.size(), 6);
        QVERIFY(!pictures.Picture(0));
        QVERIFY(!pictures.Picture(7));
    }

    void castOfTwoAfterFourHidesTheOthers() {
        Rig rig;
        rig.random.push({0.0f, 0.0f, 0.0f, 0.0f, 0.2f, 0.2f, 0.2f, 0.2f});
        rig.cast(4);
        for (int i = 0; i < 4; ++i)
            rig.press();
        for (int i = 0; i < 4; ++i)
            QVERIFY(!rig.die(i)->isHidden());
        rig.random.push({0.0f, 0.0f, 0.2f, 0.2f, 0.2f, 0.2f});
        rig.cast(2);
        QCOMPARE(rig.caption(), QStringLiteral("You have thrown 0 out of 2 times"));
        for (int i = 0; i < 4; ++i)
            QVERIFY(rig.die(i)->isHidden());
        for (int i = 0; i < 4; ++i)
            rig.press();
        QVERIFY(!rig.die(0)->isHidden());
        QVERIFY(!rig.die(1)->isHidden());
        QVERIFY(rig.die(2)->isHidden());
        QVERIFY(rig.die(3)->isHidden());
        QVERIFY(!rig.random.exhausted);
    }

    void backSelectsFourAndKeepsTheCast() {
        Rig rig;
        rig.random.push({0.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f});
        rig.cast(2);
        for (int i = 0; i < 4; ++i)
            rig.press();
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("resultPage")));
        rig.button("backButton")->click();
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("frontPage")));
        QCOMPARE(rig.get<QComboBox>(QStringLiteral("diceCountBox"))->currentText(),
                 QStringLiteral("4"));
        QCOMPARE(rig.window.Cast().DiceValues(), (std::vector<qint16>{4, 4}));
        QCOMPARE(rig.window.Cast().NoOfDice(), 2);
    }

    void hiddenCalculateItemStartsACast() {
        Rig rig;
        rig.random.push({0.0f, 0.0f, 0.0f, 0.0f});
        rig.action("actionCast")->trigger();
        QCOMPARE(rig.window.CurrentPage(), rig.get(QStringLiteral("castingPage")));
        QCOMPARE(rig.window.Cast().NoOfDice(), 4);
    }

    void menusShowWhatTheyShould() {
        Rig rig;
        const QList<QAction*> top = rig.window.menuBar()->actions();
        QStringList topTexts;
        for (QAction* a : top)
            topTexts << a->text();
        QCOMPARE(topTexts, (QStringList{"&File", "&Help", "&Donate"}));
        QVERIFY(top[2]->menu() == nullptr); // Donate acts at once

        const auto visible = [](QMenu* menu) {
            QStringList shown;
            for (QAction* a : menu->actions())
                if (a->isVisible())
                    shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return shown;
        };
        QCOMPARE(visible(top[0]->menu()), QStringList{"E&xit"});
        QCOMPARE(visible(top[1]->menu()),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                              "-", "&About Software"}));
        QVERIFY(!rig.action("actionMakeMoneyOnline")->isVisible());
    }

    void eachLinkOpensItsAddress_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        QTest::newRow("actionOnlineHelp") << "actionOnlineHelp"
                                          << "https://dicemere.example.com/dicemere-help.html";
        QTest::newRow("actionVisitUs") << "actionVisitUs"
                                       << "https://www.example.com";
        QTest::newRow("actionCheckForUpdate")
            << "actionCheckForUpdate"
            << "https://dicemere.example.com/download-dicemere.html";
        QTest::newRow("actionDonate") << "actionDonate"
                                      << "https://help.example.com/donate.html";
        QTest::newRow("actionMakeMoneyOnline") << "actionMakeMoneyOnline"
                                               << "https://help.example.com/fully-branded.html";
        QTest::newRow("forumLink") << "forumLink"
                                   << "https://www.example.com";
        QTest::newRow("fullBrandLink") << "fullBrandLink"
                                       << "https://help.example.com/fully-branded.html";
        QTest::newRow("coBrandLink") << "coBrandLink"
                                     << "https://help.example.com/co-brand.html";
    }
    void eachLinkOpensItsAddress() {
        QFETCH(QString, control);
        QFETCH(QString, address);
        Rig rig;
        if (control.startsWith(QLatin1String("action"))) {
            rig.get<QAction>(control)->trigger();
            rig.get<QAction>(control)->trigger(); // twice: two requests
        } else {
            QWidget* label = rig.get(control);
            QTest::mouseClick(label, Qt::LeftButton);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(rig.opener.opened, (QStringList{address, address}));
        QVERIFY(rig.boxes.shown.isEmpty());
        const QUrl url(address);
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY(url.isValid());
    }

    void homePageIsBare() {
        FakeUrlOpener opener;
        LinkOpeners(opener).OpenHomePage();
        QCOMPARE(QUrl(opener.opened.value(0)).path(), QString());
        QVERIFY(!opener.opened.value(0).endsWith(QLatin1Char('/')));
    }

    void promoShuffleBringsOneLabelToFront() {
        Rig rig;
        QWidget* band = rig.get(QStringLiteral("promotionBand"));
        const auto front = [&] { return band->childAt(band->width() / 2, band->height() / 2); };
        QCOMPARE(front(), rig.get(QStringLiteral("fullBrandLink")));
        rig.window.BringPromoToFront(MainWindow::PromoLabel::Cobrand);
        QCOMPARE(front(), rig.get(QStringLiteral("coBrandLink")));
        // The covered label is hidden: it cannot be reached or read out.
        QVERIFY(!rig.get(QStringLiteral("fullBrandLink"))->isVisibleTo(&rig.window));
        QVERIFY(rig.get(QStringLiteral("coBrandLink"))->isVisibleTo(&rig.window));
        QCOMPARE(rig.get<LinkLabel>(QStringLiteral("coBrandLink"))->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                "traffic to your site. Put your site's name &  link here. See "
                                "\"Help\" for details. Click Here for more info on co-branding."));
    }

    // Tab from each front page stays on that page and the window around it.
    void tabNeverReachesACoveredPage() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        const char* pages[] = {"frontPage", "castingPage", "resultPage"};
        const char* buttons[] = {"castButton", "throwButton", "backButton"};
        rig.random.push({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
        for (int step = 0; step < 3; ++step) {
            if (step == 1)
                rig.cast(2);
            if (step == 2)
                for (int i = 0; i < 4; ++i)
                    rig.press();
            QCOMPARE(rig.window.CurrentPage(), rig.get(QString::fromLatin1(pages[step])));
            QCOMPARE(QApplication::focusWidget(), rig.button(buttons[step]));
            for (int i = 0; i < 12; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* focus = QApplication::focusWidget();
                QVERIFY(focus);
                for (int other = 0; other < 3; ++other) {
                    auto* page = rig.window.findChild<QWidget*>(QString::fromLatin1(pages[other]));
                    if (other != step && page)
                        QVERIFY2(!page->isAncestorOf(focus), qPrintable(focus->objectName()));
                }
            }
        }
        rig.button("backButton")->click();
        QCOMPARE(QApplication::focusWidget(), rig.button("castButton"));
        // Back on the front page, the built pages stay out of reach.
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(
                !rig.get(QStringLiteral("castingPage"))->isAncestorOf(QApplication::focusWidget()));
            QVERIFY(
                !rig.get(QStringLiteral("resultPage"))->isAncestorOf(QApplication::focusWidget()));
        }
    }

    void frontPageTabOrderFollowsTheLayout() {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window, kHangGuardMs));
        rig.get(QStringLiteral("forumLink"))->setFocus();
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"forumLink", "diceCountBox", "castButton", "fullBrandLink"}));
    }

    void closingIsAnnounced() {
        Rig rig;
        rig.window.show();
        QSignalSpy closing(&rig.window, &MainWindow::closing);
        rig.action("actionExit")->trigger();
        QCOMPARE(closing.count(), 1);
        QVERIFY(rig.window.isHidden());
    }
};

QTEST_MAIN(TestCasting)
#include "tst_casting.moc"
