// SPDX-License-Identifier: MIT
// From the main window to the exit screen to the end of the program.
#include "../support/Doubles.h"
#include "MainSession.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

struct Rig : FakeServices {
    Rig() : FakeServices({0.1f, 0.3f, 0.3f, 0.3f}) {}
    MainSession session{services};
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Start-up's draw reaches the main window's promotion band; "unchanged"
    // keeps the order of the layout (full branding in front).
    void promotionChoiceReachesTheBand_data() {
        QTest::addColumn<int>("front");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full brand") << int(PromoFront::FullBrand) << "fullBrandLink";
        QTest::newRow("co-brand") << int(PromoFront::Cobrand) << "coBrandLink";
        QTest::newRow("unchanged") << int(PromoFront::Unchanged) << "fullBrandLink";
    }
    void promotionChoiceReachesTheBand() {
        QFETCH(int, front);
        QFETCH(QString, expected);
        Rig rig;
        rig.session.ShowMainWindow();
        if (front == int(PromoFront::FullBrand)) // so that the row shows a change
            rig.session.TheMainWindow()->BringPromoToFront(MainWindow::PromoLabel::Cobrand);
        rig.session.BringPromoToFront(static_cast<PromoFront>(front));
        auto* band =
            rig.session.TheMainWindow()->findChild<QWidget*>(QStringLiteral("promotionBand"));
        QCOMPARE(band->childAt(band->width() / 2, band->height() / 2)->objectName(), expected);
    }

    void closingTheMainWindowShowsTheExitScreen_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File, Exit") << true;
    }
    void closingTheMainWindowShowsTheExitScreen() {
        QFETCH(bool, byMenu);
        Rig rig;
        rig.session.ShowMainWindow();
        MainWindow* main = rig.session.TheMainWindow();
        QVERIFY(main->isVisible());
        QVERIFY(!rig.session.TheExitScreen());
        if (byMenu)
            main->findChild<QAction*>(QStringLiteral("actionExit"))->trigger();
        else
            main->close();
        QVERIFY(!main->isVisible());
        QVERIFY(rig.session.TheExitScreen());
        QVERIFY(rig.session.TheExitScreen()->isVisible());
        QCOMPARE(rig.ends, 0); // the program goes on with the exit screen alone

        rig.session.TheExitScreen()->findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
        QCOMPARE(rig.ends, 1);
        QVERIFY(!rig.session.TheExitScreen()->isVisible());
    }

    void endingClosesEverythingOnce() {
        Rig rig;
        rig.session.ShowMainWindow();
        rig.end.CloseAllAndEnd();
        QCOMPARE(rig.ends, 1);
        QVERIFY(!rig.session.TheMainWindow()->isVisible());
        QVERIFY(!rig.session.TheExitScreen()); // no exit screen while ending
        rig.end.CloseAllAndEnd();
        QCOMPARE(rig.ends, 1);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
