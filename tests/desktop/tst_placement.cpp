// SPDX-License-Identifier: MIT
// Where windows open: centred when they fit the screen's free area, else with
// the title bar and top-left corner on it. The window cases run on the screen
// the test is given (CMake runs them on a 640x480 screen and on 1366x768 at
// 200 % as well as on the default one).
#include "../support/Doubles.h"
#include "AboutWindow.h"
#include "ExitScreen.h"
#include "MainWindow.h"
#include "WindowPosition.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

using namespace dicemere;
using namespace dicemere::test;

namespace {

// The rule, checked against a window as shown: each direction centred (to a
// pixel) when the frame fits, else starting at the area's edge.
void CheckPlaced(QWidget* window) {
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect frame = window->frameGeometry();
    const QRect area = window->screen()->availableGeometry();
    const QString where = QStringLiteral("%1: frame %2,%3 %4x%5 in %6,%7 %8x%9")
                              .arg(window->objectName())
                              .arg(frame.x())
                              .arg(frame.y())
                              .arg(frame.width())
                              .arg(frame.height())
                              .arg(area.x())
                              .arg(area.y())
                              .arg(area.width())
                              .arg(area.height());
    // The title bar and the top-left corner are always on the screen.
    QVERIFY2(area.contains(frame.topLeft()), qPrintable(where));
    if (frame.width() <= area.width())
        QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= 1, qPrintable(where));
    else
        QVERIFY2(frame.left() == area.left(), qPrintable(where));
    if (frame.height() <= area.height())
        QVERIFY2(qAbs(frame.center().y() - area.center().y()) <= 1, qPrintable(where));
    else
        QVERIFY2(frame.top() == area.top(), qPrintable(where));
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeWindow_data() {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        // The exit screen (741x315 inside a frame) and the main window.
        QTest::newRow("fits: centred")
            << QSize(749, 345) << QRect(0, 0, 1920, 1040) << QPoint(585, 347);
        QTest::newRow("fits exactly") << QSize(640, 480) << QRect(0, 0, 640, 480) << QPoint(0, 0);
        QTest::newRow("640x480: too wide, centred in height")
            << QSize(749, 345) << QRect(0, 0, 640, 480) << QPoint(0, 67);
        QTest::newRow("1366x768 at 200 %: too wide and too high")
            << QSize(749, 420) << QRect(0, 0, 683, 384) << QPoint(0, 0);
        QTest::newRow("too high only")
            << QSize(400, 600) << QRect(0, 0, 640, 480) << QPoint(120, 0);
        // A panel on the left and at the top, a second screen to the right.
        QTest::newRow("panels: too wide keeps clear of them")
            << QSize(749, 345) << QRect(48, 32, 592, 448) << QPoint(48, 83);
        QTest::newRow("second screen")
            << QSize(749, 345) << QRect(1920, 0, 640, 480) << QPoint(1920, 67);
        QTest::newRow("screen above and left of the first")
            << QSize(300, 200) << QRect(-1024, -768, 1024, 768) << QPoint(-662, -484);
    }
    void placeWindow() {
        QFETCH(QSize, frame);
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QCOMPARE(PlaceWindow(frame, available), topLeft);
    }

    void exitScreen() {
        FakeServices fakes;
        ExitScreen window(fakes.services);
        window.show();
        CheckPlaced(&window);
    }

    void mainWindow() {
        FakeServices fakes;
        MainWindow window(fakes.services);
        window.show();
        CheckPlaced(&window);
    }

    void aboutWindow() {
        FakeUrlOpener opener;
        const LinkOpeners help(opener);
        AboutWindow window(help);
        window.show();
        CheckPlaced(&window);
    }
};

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
