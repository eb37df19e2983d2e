// From the main window to the exit screen to the end of the program.
#include "../support/Doubles.h"
#include "MainSession.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

struct Rig {
    ScriptedRandom random{0.1f, 0.3f, 0.3f, 0.3f};
    FakeMessageBoxes boxes;
    FakeUrlOpener opener;
    modHelp help{opener};
    int ends = 0;
    ProgramEnd end{[this] { ++ends; }};
    MainSession session{{random, boxes, help, end}};
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingTheMainWindowShowsTheExitScreen_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File, Exit") << true;
    }
    void closingTheMainWindowShowsTheExitScreen() {
        QFETCH(bool, byMenu);
        Rig rig;
        rig.session.ShowMainWindow();
        frmMain* main = rig.session.mainWindow();
        QVERIFY(main->isVisible());
        QVERIFY(!rig.session.exitScreen());
        if (byMenu)
            main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        else
            main->close();
        QVERIFY(!main->isVisible());
        QVERIFY(rig.session.exitScreen());
        QVERIFY(rig.session.exitScreen()->isVisible());
        QCOMPARE(rig.ends, 0); // the program goes on with the exit screen alone

        rig.session.exitScreen()->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        QCOMPARE(rig.ends, 1);
        QVERIFY(!rig.session.exitScreen()->isVisible());
    }

    void endingClosesEverythingOnce() {
        Rig rig;
        rig.session.ShowMainWindow();
        rig.end.CloseAllAndEnd();
        QCOMPARE(rig.ends, 1);
        QVERIFY(!rig.session.mainWindow()->isVisible());
        QVERIFY(!rig.session.exitScreen()); // no exit screen while ending
        rig.end.CloseAllAndEnd();
        QCOMPARE(rig.ends, 1);
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
