// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include "AboutWindow.h"
#include "Accessibility.h"
#include "AppInfo.h"
#include "CastingPage.h"
#include "FontsAndColours.h"
#include "FrontPage.h"
#include "ProgramIcon.h"
#include "ResultPage.h"
#include "SharedTexts.h"
#include "WindowPlacement.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QLayout>

namespace dicemere {

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::MainWindow>()), services_(services), cast_(services.random) {
    // The family is chosen at run time (ProgramFont); the form gives sizes and weights.
    setFont(ProgramFont());
    ui_->setupUi(this);
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    ui_->forumLink->setText(ui_->forumLink->text().arg(QLatin1String(sites::kMakerHost)));
    ui_->fullBrandLink->setText(ui_->fullBrandLink->text().arg(SharedTexts::FullBrandOffer()));
    // The separator under the hidden Cast item is hidden with it.
    const QList<QAction*> fileItems = ui_->fileMenu->actions();
    fileItems.at(fileItems.indexOf(ui_->actionCast) + 1)->setVisible(false);

    frontPage_ = new FrontPage(ui_->pageStack);
    ui_->pageStack->addWidget(frontPage_);
    connect(frontPage_, &FrontPage::castRequested, this, &MainWindow::StartCast);
    // The full-branding label starts in front. The label below is wholly
    // covered (same place, opaque): it is hidden, so that it is neither drawn
    // for nothing nor read out by a screen reader.
    ui_->coBrandLink->hide();
    // What a screen reader is told after a press: the die and where it fell,
    // the button's new caption.
    announcer_ = new Announcer(ui_->centralWidget);
    connect(frontPage_, &PageFrame::tell, announcer_, &Announcer::Announce);

    const LinkOpeners& help = services_.help;
    connect(ui_->forumLink, &LinkLabel::clicked, this, [&help] { help.OpenHomePage(); });
    connect(ui_->coBrandLink, &LinkLabel::clicked, this, [&help] { help.OpenCoBrandPage(); });
    connect(ui_->fullBrandLink, &LinkLabel::clicked, this, [&help] { help.OpenFullBrandPage(); });
    connect(ui_->actionCast, &QAction::triggered, frontPage_, &FrontPage::RequestCast);
    connect(ui_->actionExit, &QAction::triggered, this, &MainWindow::close);
    connect(ui_->actionOnlineHelp, &QAction::triggered, this, [&help] { help.OpenOnlineHelp(); });
    connect(ui_->actionVisitUs, &QAction::triggered, this, [&help] { help.OpenHomePage(); });
    connect(ui_->actionCheckForUpdate, &QAction::triggered, this,
            [&help] { help.OpenDownloadPage(); });
    connect(ui_->actionAbout, &QAction::triggered, this, &MainWindow::ShowAbout);
    connect(ui_->actionDonate, &QAction::triggered, this, [&help] { help.OpenDonatePage(); });
    connect(ui_->actionMakeMoneyOnline, &QAction::triggered, this,
            [&help] { help.OpenFullBrandPage(); });

    // The form orders its own controls; the front page's go between the forum
    // link and the promotion band.
    setTabOrder(ui_->forumLink, frontPage_->FirstControl());
    setTabOrder(frontPage_->FirstControl(), frontPage_->FocusControl());
    setTabOrder(frontPage_->FocusControl(), ui_->fullBrandLink);
    setTabOrder(ui_->fullBrandLink, ui_->coBrandLink);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    frontPage_->Load();
    BringToFront(frontPage_);
}

MainWindow::~MainWindow() = default;

void MainWindow::BringPromoToFront(PromoLabel label) {
    LinkLabel* top = label == PromoLabel::FullBrand ? ui_->fullBrandLink : ui_->coBrandLink;
    LinkLabel* below = top == ui_->fullBrandLink ? ui_->coBrandLink : ui_->fullBrandLink;
    top->raise();
    // Only the label in front can be seen, reached from the keyboard or read out.
    top->show();
    below->hide();
}

QWidget* MainWindow::CurrentPage() const { return ui_->pageStack->currentWidget(); }

CastingPage* MainWindow::EnsureCastingPage() {
    if (!castingPage_) {
        castingPage_ = new CastingPage(cast_, dicePictures_, services_.boxes, ui_->pageStack);
        ui_->pageStack->addWidget(castingPage_);
        connect(castingPage_, &PageFrame::tell, announcer_, &Announcer::Announce);
        connect(castingPage_, &CastingPage::resultAsked, this, &MainWindow::ShowResult);
        setTabOrder(frontPage_->FocusControl(), castingPage_->FocusControl());
    }
    return castingPage_;
}

ResultPage* MainWindow::EnsureResultPage() {
    if (!resultPage_) {
        EnsureCastingPage();
        resultPage_ = new ResultPage(ui_->pageStack);
        ui_->pageStack->addWidget(resultPage_);
        connect(resultPage_, &ResultPage::backRequested, this, &MainWindow::BackToFrontPage);
        setTabOrder(castingPage_->FocusControl(), resultPage_->FocusControl());
    }
    return resultPage_;
}

void MainWindow::BringToFront(PageFrame* page) { ui_->pageStack->BringToFront(page); }

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void MainWindow::StartCast(int noOfDice) {
    if (EnsureCastingPage()->StartCast(noOfDice))
        BringToFront(castingPage_);
}

void MainWindow::ShowResult() {
    ResultPage* page = EnsureResultPage();
    page->SetCaption(QString());
    page->ShowEnochianReading(cast_.DiceValues());
    BringToFront(page);
}

void MainWindow::BackToFrontPage() {
    frontPage_->SelectDefaultNumber();
    BringToFront(frontPage_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT closing();
    event->accept(); // the window's closing is never cancelled
}

void MainWindow::ShowAbout() {
    AboutWindow about(services_.help, this);
    about.exec();
}

} // namespace dicemere
