// SPDX-License-Identifier: MIT
// The window-system plugin asked for at start: XWayland in a Wayland session that has it,
// native Wayland without it, and the user's own choice whenever there is one.
#include "PlatformChoice.h"

#include <QTest>

using namespace dicemere;

namespace {

const QString kGnomeDisplay = QStringLiteral(":0");
const QString kWaylandSocket = QStringLiteral("wayland-0");

} // namespace

class TestPlatformChoice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data() {
        QTest::addColumn<QString>("qpaPlatform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QStringList plain{QStringLiteral("dicemere")};
        const QString xThenWayland = QStringLiteral("xcb;wayland");

        // Nothing chosen by the user.
        QTest::newRow("Wayland session with XWayland")
            << QString() << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland") << plain
            << xThenWayland;
        QTest::newRow("session type in capitals")
            << QString() << kGnomeDisplay << kWaylandSocket << QStringLiteral("Wayland") << plain
            << xThenWayland;
        QTest::newRow("Wayland display without a session type")
            << QString() << kGnomeDisplay << kWaylandSocket << QString() << plain << xThenWayland;
        QTest::newRow("Wayland session type without a display name")
            << QString() << kGnomeDisplay << QString() << QStringLiteral("wayland") << plain
            << xThenWayland;
        QTest::newRow("Wayland session without XWayland")
            << QString() << QString() << kWaylandSocket << QStringLiteral("wayland") << plain
            << QStringLiteral("wayland");
        QTest::newRow("empty QT_QPA_PLATFORM is no choice")
            << QStringLiteral("") << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland")
            << plain << xThenWayland;
        QTest::newRow("blank QT_QPA_PLATFORM is no choice")
            << QStringLiteral("  ") << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland")
            << plain << xThenWayland;
        QTest::newRow("-platformtheme names no platform")
            << QString() << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland")
            << QStringList{QStringLiteral("dicemere"), QStringLiteral("-platformtheme"),
                           QStringLiteral("gtk3")}
            << xThenWayland;

        // Qt's own choice stands.
        QTest::newRow("X11 session") << QString() << kGnomeDisplay << QString()
                                     << QStringLiteral("x11") << plain << QString();
        QTest::newRow("X server and no session type")
            << QString() << kGnomeDisplay << QString() << QString() << plain << QString();
        QTest::newRow("no display at all")
            << QString() << QString() << QString() << QString() << plain << QString();
        QTest::newRow("tty session")
            << QString() << QString() << QString() << QStringLiteral("tty") << plain << QString();

        // The user's choice stands.
        QTest::newRow("QT_QPA_PLATFORM=wayland")
            << QStringLiteral("wayland") << kGnomeDisplay << kWaylandSocket
            << QStringLiteral("wayland") << plain << QString();
        QTest::newRow("QT_QPA_PLATFORM=offscreen") << QStringLiteral("offscreen") << QString()
                                                   << QString() << QString() << plain << QString();
        QTest::newRow("QT_QPA_PLATFORM=xcb without an X server")
            << QStringLiteral("xcb") << QString() << kWaylandSocket << QStringLiteral("wayland")
            << plain << QString();
        QTest::newRow("-platform wayland")
            << QString() << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland")
            << QStringList{QStringLiteral("dicemere"), QStringLiteral("-platform"),
                           QStringLiteral("wayland")}
            << QString();
        QTest::newRow("--platform wayland")
            << QString() << kGnomeDisplay << kWaylandSocket << QStringLiteral("wayland")
            << QStringList{QStringLiteral("dicemere"), QStringLiteral("--platform"),
                           QStringLiteral("wayland")}
            << QString();
    }

    void choice() {
        QFETCH(QString, qpaPlatform);
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const DisplayEnvironment environment{qpaPlatform, display, waylandDisplay, sessionType};
        QCOMPARE(PreferredPlatform(environment, arguments), expected);
    }

    // The program's own name is not an argument, whatever it is called.
    void programNameIsNoChoice() {
        const DisplayEnvironment environment{QString(), kGnomeDisplay, kWaylandSocket,
                                             QStringLiteral("wayland")};
        QCOMPARE(PreferredPlatform(environment, {QStringLiteral("-platform")}),
                 QStringLiteral("xcb;wayland"));
    }

    // Read from the process's environment, each variable into its own field.
    void readsTheEnvironment() {
        const char* names[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"};
        QList<QByteArray> saved;
        QList<bool> wasSet;
        for (const char* name : names) {
            wasSet.append(qEnvironmentVariableIsSet(name));
            saved.append(qgetenv(name));
        }
        qputenv("QT_QPA_PLATFORM", "minimal");
        qputenv("DISPLAY", ":42");
        qputenv("WAYLAND_DISPLAY", "wayland-7");
        qputenv("XDG_SESSION_TYPE", "wayland");
        const DisplayEnvironment read = CurrentDisplayEnvironment();
        for (int i = 0; i < 4; ++i) {
            if (wasSet.at(i))
                qputenv(names[i], saved.at(i));
            else
                qunsetenv(names[i]);
        }
        QCOMPARE(read.qpaPlatform, QStringLiteral("minimal"));
        QCOMPARE(read.display, QStringLiteral(":42"));
        QCOMPARE(read.waylandDisplay, QStringLiteral("wayland-7"));
        QCOMPARE(read.sessionType, QStringLiteral("wayland"));
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
