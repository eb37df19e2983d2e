// SPDX-License-Identifier: MIT
// Dicemere: dice-based Enochian numerology.
#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Links.h"
#include "MainSession.h"
#include "MessageBoxesAndBrowser.h"
#include "Mirroring.h"
#include "PlatformChoice.h"
#include "ProgramEnd.h"
#include "ProgramIcon.h"
#include "ProgramStyle.h"
#include "Random.h"
#include "SettingsAndLock.h"
#include "Startup.h"
#include "Translation.h"

#include <QApplication>
#include <QLocale>
#include <csignal>

using namespace dicemere;

namespace {

// Picks the window-system plugin before Qt does, when the user has named none. Returns whether
// QT_QPA_PLATFORM was set here: it is taken back once Qt has read it, so that the browser and
// whatever else the program starts get the user's own environment.
bool ChooseWindowSystem(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString plugins = PreferredPlatform(CurrentDisplayEnvironment(), arguments);
    if (plugins.isEmpty())
        return false;
    qputenv("QT_QPA_PLATFORM", plugins.toLocal8Bit());
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

QtMessageHandler qtMessageHandler = nullptr;

// Qt's own handling of every message but those that quote a web address (QuotesWebAddress).
void LogWithoutAddresses(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!QuotesWebAddress(text))
        qtMessageHandler(type, context, text);
}

} // namespace

int main(int argc, char* argv[]) {
    // For the whole run: no web address reaches a log, since the referral address holds names
    // and e-mail addresses, and Qt quotes an address it cannot open.
    qtMessageHandler = qInstallMessageHandler(LogWithoutAddresses);
#ifdef SIGXFSZ
    // A write beyond the file-size limit (ulimit -f) fails like any other
    // instead of killing the program: the settings store reports it, and a
    // start is never cut short by it.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const bool chosenHere = ChooseWindowSystem(argc, argv);
    QApplication app(argc, argv);
    if (chosenHere)
        qunsetenv("QT_QPA_PLATFORM");
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
    // Right to left where the language is written so (Qt's translation decides).
    InstallMirroring();
    QApplication::setWindowIcon(ProgramIcon());
    // One font for everything that names none of its own, the menus and
    // message boxes included: one font engine fewer to load at start-up.
    QApplication::setFont(ProgramFont());

    QtMessageBoxes boxes;
    QtUrlOpener opener;
    const LinkOpeners help(opener);
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
