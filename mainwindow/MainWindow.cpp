// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "Accessibility.h"
#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Layout.h"
#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "SharedTexts.h"
#include "WindowPlacement.h"
#include "CastingPage.h"
#include "FrontPage.h"
#include "ResultPage.h"
#include "AboutWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

namespace dicemere {

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      services_(services), cast_(services.random) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(8865), Twips(5670));
    Paint(client, Qt::white, colours::kOlive);
    setCentralWidget(client);

    Label14_ = new LinkLabel(tr("The Most Popular Online Mystic Discussion Forum. Click Here To "
                                "Visit %1 Now.")
                                 .arg(QLatin1String(sites::kMakerHost)),
                             client);
    Label14_->setObjectName(QStringLiteral("Label14"));
    Label14_->setFont(ProgramFont(8.25, true, true));
    Label14_->setAlignment(Qt::AlignCenter);
    Label14_->setWordWrap(true);
    Paint(Label14_, Qt::white);
    PlaceTwips(Label14_, 1777, 0, 5310, 435);
    connect(Label14_, &LinkLabel::clicked, this, &MainWindow::Label14_Click);

    pages_ = new PageStack(client);
    pages_->setObjectName(QStringLiteral("pages"));
    PlaceTwips(pages_, 0, 480, 8865, 4300);
    FrontPage_ = new FrontPage(pages_);
    pages_->addWidget(FrontPage_);
    connect(FrontPage_, &FrontPage::proceed, this, &MainWindow::FrontPage_Proceed);
    BuildPromotionBand();
    BuildMenus();
    // What a screen reader is told after a press: the die and where it fell,
    // the button's new caption.
    announcer_ = new Announcer(client);
    connect(FrontPage_, &PageFrame::tell, announcer_, &Announcer::Announce);

    setTabOrder(Label14_, FrontPage_->FirstControl());
    setTabOrder(FrontPage_->FirstControl(), FrontPage_->FocusControl());
    setTabOrder(FrontPage_->FocusControl(), lblFullBrand_);
    setTabOrder(lblFullBrand_, lblCobrand_);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate_ = mnuFile->addAction(QString());
    mnuCalculate_->setObjectName(QStringLiteral("mnuCalculate"));
    mnuCalculate_->setVisible(false);
    mnuSep1_ = mnuFile->addSeparator();
    mnuSep1_->setObjectName(QStringLiteral("mnuSep1"));
    mnuSep1_->setVisible(false);
    mnuExit_ = mnuFile->addAction(tr("E&xit"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline_ = mnuHelp->addAction(tr("&Online Help"));
    mnuOnline_->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit_ = mnuHelp->addAction(tr("&Visit Us Online"));
    mnuVisit_->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuUpdate_ = mnuHelp->addAction(tr("Check for Software &Update"));
    mnuUpdate_->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout_ = mnuHelp->addAction(tr("&About Software"));
    mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));

    // "Donate" has no visible item under it, so it is a command of its own.
    mnuDonate_ = menuBar()->addAction(tr("&Donate"));
    mnuDonate_->setObjectName(QStringLiteral("mnuDonate"));
    mnuMakeMoney_ = new QAction(tr("Make Money &Online"), this);
    mnuMakeMoney_->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney_->setVisible(false);

    connect(mnuCalculate_, &QAction::triggered, this, &MainWindow::mnuCalculate_Click);
    connect(mnuExit_, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(mnuOnline_, &QAction::triggered, this, &MainWindow::mnuOnline_Click);
    connect(mnuVisit_, &QAction::triggered, this, &MainWindow::mnuVisit_Click);
    connect(mnuUpdate_, &QAction::triggered, this, &MainWindow::mnuUpdate_Click);
    connect(mnuAbout_, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(mnuDonate_, &QAction::triggered, this, &MainWindow::mnuDonate_Click);
    connect(mnuMakeMoney_, &QAction::triggered, this, &MainWindow::mnuMakeMoney_Click);
}

void MainWindow::BuildPromotionBand() {
    fraFullBrand_ = new QFrame(centralWidget());
    fraFullBrand_->setObjectName(QStringLiteral("fraFullBrand"));
    Paint(fraFullBrand_, Qt::white, colours::kOlive);
    PlaceTwips(fraFullBrand_, 0, 4800, 8865, 855);

    const auto makePromo = [this](const char* name, const QString& caption) {
        auto* label = new LinkLabel(VisibleText(caption), fraFullBrand_);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(ProgramFont(8.25, true, true));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        Paint(label, Qt::white, colours::kOlive);
        PlaceTwips(label, 120, 165, 8625, 615);
        return label;
    };
    lblCobrand_ = makePromo(
        "lblCobrand",
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
           "your site's name &&  link here. See \"Help\" for details. Click Here for more info on "
           "co-branding."));
    lblFullBrand_ =
        makePromo("lblFullBrand", tr("%1 Click here for more details.").arg(kFullBrandOffer()));
    // As laid out, the full-branding label lies in front. The label below is
    // wholly covered (same place, opaque): it is hidden, so that it is neither
    // drawn for nothing nor read out by a screen reader.
    lblFullBrand_->raise();
    lblCobrand_->hide();
    connect(lblCobrand_, &LinkLabel::clicked, this, &MainWindow::lblCobrand_Click);
    connect(lblFullBrand_, &LinkLabel::clicked, this, &MainWindow::lblFullBrand_Click);
}

void MainWindow::BringPromoToFront(PromoLabel label) {
    LinkLabel* top = label == PromoLabel::FullBrand ? lblFullBrand_ : lblCobrand_;
    LinkLabel* below = top == lblFullBrand_ ? lblCobrand_ : lblFullBrand_;
    top->raise();
    // Only the label in front can be seen, reached from the keyboard or read out.
    top->show();
    below->hide();
}

QWidget* MainWindow::CurrentPage() const { return pages_->currentWidget(); }

CastingPage* MainWindow::CastingPageOnDemand() {
    if (!CastingPage_) {
        CastingPage_ = new CastingPage(cast_, IMG_Dice_, services_.boxes, pages_);
        pages_->addWidget(CastingPage_);
        connect(CastingPage_, &PageFrame::tell, announcer_, &Announcer::Announce);
        connect(CastingPage_, &CastingPage::resultAsked, this, &MainWindow::ShowResult);
        setTabOrder(FrontPage_->FocusControl(), CastingPage_->FocusControl());
    }
    return CastingPage_;
}

ResultPage* MainWindow::ResultPageOnDemand() {
    if (!ResultPage_) {
        CastingPageOnDemand();
        ResultPage_ = new ResultPage(pages_);
        pages_->addWidget(ResultPage_);
        connect(ResultPage_, &ResultPage::back, this, &MainWindow::ResultPage_Back);
        setTabOrder(CastingPage_->FocusControl(), ResultPage_->FocusControl());
    }
    return ResultPage_;
}

void MainWindow::BringToFront(PageFrame* page) { pages_->BringToFront(page); }

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void MainWindow::Form_Load() {
    FrontPage_->Load();
    // The die images are created in their parked column with the casting page.
    BringToFront(FrontPage_);
}

void MainWindow::FrontPage_Proceed(int noOfDice) {
    if (CastingPageOnDemand()->StartCast(noOfDice))
        BringToFront(CastingPage_);
}

void MainWindow::ShowResult() {
    ResultPage* page = ResultPageOnDemand();
    page->SetCaption(QString());
    page->ShowEnochianReading(cast_.DiceValues());
    BringToFront(page);
}

void MainWindow::ResultPage_Back() {
    FrontPage_->SelectDefaultNumber();
    BringToFront(FrontPage_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept(); // the window's closing is never cancelled
}

void MainWindow::Form_Unload() { Q_EMIT unloading(); }

void MainWindow::mnuCalculate_Click() { FrontPage_->cmdProceed_Click(); }
void MainWindow::mnuExit_Click() { close(); }
void MainWindow::mnuOnline_Click() { services_.help.OpenOnlineHelp(); }
void MainWindow::mnuVisit_Click() { services_.help.OpenHomePage(); }
void MainWindow::mnuUpdate_Click() { services_.help.OpenDownloadPage(); }
void MainWindow::mnuAbout_Click() {
    // Modal: the main window takes no input until it closes. Each opening
    // builds a fresh window.
    AboutWindow about(services_.help, this);
    about.exec();
}
void MainWindow::mnuDonate_Click() { services_.help.OpenDonatePage(); }
void MainWindow::mnuMakeMoney_Click() { services_.help.OpenFullBrandPage(); }
void MainWindow::Label14_Click() { services_.help.OpenHomePage(); }
void MainWindow::lblCobrand_Click() { services_.help.OpenCoBrandPage(); }
void MainWindow::lblFullBrand_Click() { services_.help.OpenFullBrandPage(); }

} // namespace dicemere
