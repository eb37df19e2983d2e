// Dicemere: dice-based Enochian numerology.
#include "AppInfo.h"
#include "Links.h"
#include "Look.h"
#include "ProgramEnd.h"
#include "QtPlatform.h"
#include "Random.h"
#include "Startup.h"
#include "frmMain.h"

#include <QApplication>
#include <memory>

namespace {

using namespace dicemere;

// Creates the main window when start-up shows it, and wires its ending.
class MainWindowHost final : public StartupTarget {
public:
    MainWindowHost(frmMain::Services services, ProgramEnd& end) : services_(services), end_(end) {}

    void ShowMainWindow() override {
        window_ = std::make_unique<frmMain>(services_);
        QObject::connect(window_.get(), &frmMain::unloading, [this] { end_.CloseAllAndEnd(); });
        window_->show();
    }

    void BringPromoToFront(PromoFront front) override {
        if (window_)
            window_->BringPromoToFront(front);
    }

private:
    frmMain::Services services_;
    ProgramEnd& end_;
    std::unique_ptr<frmMain> window_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kAppName));
    QApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // Every way out goes through CloseAllAndEnd.
    QApplication::setQuitOnLastWindowClosed(false);

    QtMessageBoxes boxes;
    QtUrlOpener opener;
    const modHelp help(opener);
    QtSettingsStore settings;
    SystemClock clock;
    QtInstanceLock lock;
    ClockSeededRandom random;
    ProgramEnd end([] { QCoreApplication::exit(0); });

    MainWindowHost host({random, boxes, help}, end);
    StartupServices services{lock, random, settings, clock, boxes, help, end};
    if (!RunStartup(services, host))
        return 0;
    return QApplication::exec();
}
