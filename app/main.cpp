// SPDX-License-Identifier: MIT
// Dicemere: dice-based Enochian numerology.
#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Links.h"
#include "MainSession.h"
#include "MessageBoxesAndBrowser.h"
#include "ProgramEnd.h"
#include "ProgramIcon.h"
#include "ProgramStyle.h"
#include "Random.h"
#include "SettingsAndLock.h"
#include "Startup.h"
#include "Translation.h"

#include <QApplication>
#include <QLocale>

using namespace dicemere;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppName));
    QApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // The desktop's language, where we have it; English otherwise.
    Translations translations;
    translations.Install(
        ChooseTranslation(QLocale::system().uiLanguages(), AvailableTranslations()));
    // Every way out goes through CloseAllAndEnd.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setWindowIcon(ProgramIcon());
    // One font for everything that names none of its own, the menus and
    // message boxes included: one font engine fewer to load at start-up.
    QApplication::setFont(ProgramFont());

    QtMessageBoxes boxes;
    QtUrlOpener opener;
    const modHelp help(opener);
    IniSettingsStore settings;
    SystemClock clock;
    QtInstanceLock lock;
    ClockSeededRandom random;
    ProgramEnd end(CloseAllWindows, [] { QCoreApplication::exit(0); });

    const Services services{lock, random, settings, clock, boxes, help, end};
    MainSession session(services);
    if (!RunStartup(services, session))
        return 0;
    return QApplication::exec();
}
