// SPDX-License-Identifier: MIT
#include "frmMain.h"

#include "Accessibility.h"
#include "AppInfo.h"
#include "EnochianNumerology.h"
#include "LinkLabel.h"
#include "Look.h"
#include "frmAbout.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>

namespace dicemere {

namespace {

constexpr int kParkedLeft = 8160;
constexpr std::array<int, 4> kParkedTop{240, 840, 1440, 2040};
constexpr int kDieSize = 495;

// What a caption shows: "&&" is one ampersand, a lone "&" marks the access key.
QString VisibleText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QString LandingPhrase(Landing landing) {
    switch (landing) {
    case LandInside:
        return QStringLiteral("inside the circle");
    case LandBorder:
        return QStringLiteral("on the border of the circle");
    case LandOutside:
        break;
    }
    return QStringLiteral("outside the circle");
}

} // namespace

QString ReadingLine(const reading::Reading& r, std::size_t text) {
    const std::string& english = r.texts.at(text);
    const char* table = reading::kTextTables.at(text);
    if (!table || english.empty())
        return QString::fromStdString(english);
    return QCoreApplication::translate(table, english.c_str());
}

QString ReadingExplanation(const reading::Reading& r) {
    const QString dice = QString::fromStdString(r.dice);
    const QString working = QString::fromStdString(r.working);
    if (r.combinationMet)
        return frmMain::tr("Dice %1: the combination %2 gives %3")
            .arg(dice, working, QString::number(r.number));
    return frmMain::tr("Dice %1: total %2").arg(dice, working);
}

void PageFrame::SetColours(const QColor& text, const QColor& background) {
    Paint(this, text, background);
    setAutoFillBackground(false); // paintEvent fills it
}

void PageFrame::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void PageFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter background(this);
        background.fillRect(event->rect(), palette().window());
    }
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignTop | Qt::AlignLeft, caption_);
}

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours::kOlive, 1));
    painter.setBrush(colours::kOlive);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

frmMain::frmMain(const Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      services_(services), cast_(services.random) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips(8865), Twips(5670));
    Paint(client, Qt::white, colours::kOlive);
    setCentralWidget(client);

    Label14_ = new LinkLabel(
        QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here To Visit ") +
            QString::fromLatin1(sites::kMakerHost) + QStringLiteral(" Now."),
        client);
    Label14_->setObjectName(QStringLiteral("Label14"));
    Label14_->setFont(ProgramFont(8.25, true, true));
    Label14_->setAlignment(Qt::AlignCenter);
    Label14_->setWordWrap(true);
    Paint(Label14_, Qt::white);
    PlaceTwips(Label14_, 1777, 0, 5310, 435);
    connect(Label14_, &LinkLabel::clicked, this, &frmMain::Label14_Click);

    pages_ = new PageStack(client);
    pages_->setObjectName(QStringLiteral("pages"));
    PlaceTwips(pages_, 0, 480, 8865, 4300);
    BuildFrontPage();
    // The casting and result pages are built when a cast first needs them:
    // nobody sees them before, and start-up stays light.
    BuildPromotionBand();
    BuildMenus();
    // What a screen reader is told after a press: the die and where it fell,
    // the button's new caption.
    announcer_ = new Announcer(client);

    setTabOrder(Label14_, cboNoOfDice_);
    setTabOrder(cboNoOfDice_, cmdProceed_);
    setTabOrder(cmdProceed_, lblFullBrand_);
    setTabOrder(lblFullBrand_, lblCobrand_);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::BuildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate_ = mnuFile->addAction(QString());
    mnuCalculate_->setObjectName(QStringLiteral("mnuCalculate"));
    mnuCalculate_->setVisible(false);
    mnuSep1_ = mnuFile->addSeparator();
    mnuSep1_->setObjectName(QStringLiteral("mnuSep1"));
    mnuSep1_->setVisible(false);
    mnuExit_ = mnuFile->addAction(QStringLiteral("E&xit"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline_ = mnuHelp->addAction(QStringLiteral("&Online Help"));
    mnuOnline_->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit_ = mnuHelp->addAction(QStringLiteral("&Visit Us Online"));
    mnuVisit_->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuUpdate_ = mnuHelp->addAction(QStringLiteral("Check for Software &Update"));
    mnuUpdate_->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout_ = mnuHelp->addAction(QStringLiteral("&About Software"));
    mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));

    // "Donate" has no visible item under it, so it is a command of its own.
    mnuDonate_ = menuBar()->addAction(QStringLiteral("&Donate"));
    mnuDonate_->setObjectName(QStringLiteral("mnuDonate"));
    mnuMakeMoney_ = new QAction(QStringLiteral("Make Money &Online"), this);
    mnuMakeMoney_->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney_->setVisible(false);

    connect(mnuCalculate_, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(mnuExit_, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline_, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit_, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate_, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout_, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuDonate_, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(mnuMakeMoney_, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);
}

void frmMain::BuildFrontPage() {
    fraMain_ = new PageFrame;
    fraMain_->setObjectName(QStringLiteral("fraMain"));
    fraMain_->SetColours(colours::kGreen, colours::kDarkGreen);
    pages_->addWidget(fraMain_);

    const QFont bold = ProgramFont(8.25, true);
    lblLabel_[9] = MakeLabel(QStringLiteral("lblLabel(9)"), fraMain_,
                             QStringLiteral("Dicemere is a method of numerology divination that "
                                            "relates dice and numbers to help you find solutions "
                                            "to your problems."),
                             bold, colours::kGreen);
    lblLabel_[9]->setAlignment(Qt::AlignCenter);
    lblLabel_[9]->setWordWrap(true);
    PlaceTwips(lblLabel_[9], 1332, 720, 6200, 675);

    lblLabel_[10] =
        MakeLabel(QStringLiteral("lblLabel(10)"), fraMain_,
                  QStringLiteral("Focus yourself on the problem on hand cast the dice."), bold,
                  colours::kGreen);
    lblLabel_[10]->move(Twips(1830), Twips(1560));
    FitToText(lblLabel_[10]);

    lblLabel_[0] =
        MakeLabel(QStringLiteral("lblLabel(0)"), fraMain_,
                  QStringLiteral("Choose number of dice to throw"), ProgramFont(), colours::kGreen);
    lblLabel_[0]->move(Twips(2445), Twips(2580));
    FitToText(lblLabel_[0]);

    cboNoOfDice_ = new QComboBox(fraMain_);
    cboNoOfDice_->setObjectName(QStringLiteral("cboNoOfDice"));
    cboNoOfDice_->setEditable(false);
    cboNoOfDice_->setAccessibleName(QStringLiteral("Choose number of dice to throw"));
    lblLabel_[0]->setBuddy(cboNoOfDice_);
    QPalette palette = cboNoOfDice_->palette();
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, colours::kDarkGreen);
    for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, colours::kGreen);
    cboNoOfDice_->setPalette(palette);
    PlaceTwips(cboNoOfDice_, 5325, 2520, 1095, 315);
    connect(cboNoOfDice_, &QComboBox::currentIndexChanged, this, &frmMain::cboNoOfDice_Click);

    cmdProceed_ =
        new QPushButton(QStringLiteral("&Concentrate on your Problem And Cast the Dice"), fraMain_);
    cmdProceed_->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed_->setFont(bold);
    PlaceTwips(cmdProceed_, 1332, 3600, 6200, 375);
    cmdProceed_->setAutoDefault(true); // Enter presses the focused button too
    connect(cmdProceed_, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
}

void frmMain::BuildCastingPage() {
    if (fraIntermediate_)
        return;
    fraIntermediate_ = new PageFrame;
    fraIntermediate_->setObjectName(QStringLiteral("fraIntermediate"));
    fraIntermediate_->SetColours(colours::kGreen, colours::kDarkGreen);
    pages_->addWidget(fraIntermediate_);

    shpCircle_ = new CircleShape(fraIntermediate_);
    shpCircle_->setObjectName(QStringLiteral("shpCircle"));
    PlaceTwips(shpCircle_, 3582, 1000, 1700, 1700);

    for (std::size_t i = 0; i < imgDice_.size(); ++i) {
        imgDice_[i] = new DieImage(fraIntermediate_);
        imgDice_[i]->setObjectName(QStringLiteral("imgDice(%1)").arg(i));
        imgDice_[i]->setGeometry(Twips(kParkedLeft), Twips(kParkedTop[i]), Twips(kDieSize),
                                 Twips(kDieSize)); // the parked column
        imgDice_[i]->hide();
    }

    cmdThrowDice_ = new QPushButton(fraIntermediate_);
    cmdThrowDice_->setObjectName(QStringLiteral("cmdThrowDice"));
    cmdThrowDice_->setFont(ProgramFont(8.25, true));
    PlaceTwips(cmdThrowDice_, 1332, 3600, 6200, 400);
    cmdThrowDice_->setAutoDefault(true);
    connect(cmdThrowDice_, &QPushButton::clicked, this, &frmMain::cmdThrowDice_Click);
    setTabOrder(cmdProceed_, cmdThrowDice_);
}

void frmMain::BuildResultPage() {
    if (fraResult_)
        return;
    BuildCastingPage();
    fraResult_ = new PageFrame;
    fraResult_->setObjectName(QStringLiteral("fraResult"));
    fraResult_->setFont(ProgramFont(9, true));
    fraResult_->SetColours(colours::kPaleYellow, colours::kDarkGreen);
    pages_->addWidget(fraResult_);

    struct Line {
        int heading;
        const char* caption;
        int headingLeft, headingTop;
        int valueLeft, valueTop, valueWidth, valueHeight;
    };
    // Headings do not follow the lines; the value labels do.
    static constexpr std::array<Line, 8> kLines{{
        {1, "Enochian Number", 180, 240, 2280, 232, 990, 210},
        {2, "Enochian Number Description", 180, 528, 180, 810, 8550, 915},
        {4, "Interpretation", 180, 1704, 180, 1992, 8550, 600},
        {5, "Stone", 180, 2685, 2280, 2685, 1890, 195},
        {3, "Totem", 180, 2973, 2280, 2970, 2850, 195},
        {6, "Herb", 180, 3261, 2280, 3255, 1485, 195},
        {7, "Essential Oil", 180, 3549, 2280, 3555, 1050, 195},
        {8, "Flower Remedy", 180, 3840, 2280, 3840, 2340, 195},
    }};
    const QFont headingFont = ProgramFont(8.25, true);
    for (std::size_t line = 0; line < kLines.size(); ++line) {
        const Line& l = kLines[line];
        QLabel* heading = MakeLabel(QStringLiteral("lblLabel(%1)").arg(l.heading), fraResult_,
                                    QString::fromLatin1(l.caption), headingFont, colours::kGreen);
        heading->move(Twips(l.headingLeft), Twips(l.headingTop));
        FitToText(heading);
        lblLabel_[static_cast<std::size_t>(l.heading)] = heading;

        QLabel* value =
            MakeLabel(QStringLiteral("lblResult(%1)").arg(line), fraResult_, QString(),
                      line == 0 ? ProgramFont(9, true) : ProgramFont(), colours::kPaleGreen);
        PlaceTwips(value, l.valueLeft, l.valueTop, l.valueWidth, l.valueHeight);
        if (line == 1 || line == 2) {
            value->setWordWrap(true);
            value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        lblResult_[line] = value;
    }

    // The whole reading can be copied: Ctrl+C or the page's context menu.
    mnuCopyReading_ = new QAction(QStringLiteral("Copy Reading"), fraResult_);
    mnuCopyReading_->setObjectName(QStringLiteral("mnuCopyReading"));
    mnuCopyReading_->setShortcut(QKeySequence::Copy);
    mnuCopyReading_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    fraResult_->addAction(mnuCopyReading_);
    fraResult_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuCopyReading_, &QAction::triggered, this, &frmMain::mnuCopyReading_Click);

    cmdBack_ = new QPushButton(QStringLiteral("&Back"), fraResult_);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    PlaceTwips(cmdBack_, 7680, 3720, 1000, 400);
    cmdBack_->setAutoDefault(true);
    connect(cmdBack_, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    setTabOrder(cmdThrowDice_, cmdBack_);
}

void frmMain::BuildPromotionBand() {
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
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &&  link here. See \"Help\" for details. "
                       "Click Here for more info on co-branding."));
    lblFullBrand_ = makePromo(
        "lblFullBrand",
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. Click here for "
                       "more details."));
    // As laid out, the full-branding label lies in front. The label below is
    // wholly covered (same place, opaque): it is hidden, so that it is neither
    // drawn for nothing nor read out by a screen reader.
    lblFullBrand_->raise();
    lblCobrand_->hide();
    connect(lblCobrand_, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(lblFullBrand_, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::BringPromoToFront(PromoLabel label) {
    LinkLabel* top = label == PromoLabel::FullBrand ? lblFullBrand_ : lblCobrand_;
    LinkLabel* below = top == lblFullBrand_ ? lblCobrand_ : lblFullBrand_;
    top->raise();
    // Only the label in front can be seen, reached from the keyboard or read out.
    top->show();
    below->hide();
}

QWidget* frmMain::FrontPage() const { return pages_->currentWidget(); }

void frmMain::BringToFront(QWidget* page) {
    // The focus leaves the old page first: hiding the page that holds it would
    // pass it on to the next control in the window (the promotion label) on
    // its way to the new page, and a screen reader would follow it there.
    if (QWidget* focus = focusWidget();
        focus && pages_->currentWidget() && pages_->currentWidget()->isAncestorOf(focus))
        focus->clearFocus();
    // A covered page is hidden by the stack, so it takes no keyboard or mouse input.
    pages_->setCurrentWidget(page);
    if (page == fraMain_)
        cmdProceed_->setFocus(Qt::OtherFocusReason);
    else if (page == fraIntermediate_)
        cmdThrowDice_->setFocus(Qt::OtherFocusReason);
    else
        cmdBack_->setFocus(Qt::OtherFocusReason);
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void frmMain::Form_Load() {
    cboNoOfDice_->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    cboNoOfDice_->setCurrentIndex(2);
    // The die images are created in their parked column with the casting page.
    BringToFront(fraMain_);
}

void frmMain::cmdProceed_Click() {
    BuildCastingPage();
    for (DieImage* die : imgDice_)
        die->hide();
    bool ok = false;
    const int n = cboNoOfDice_->currentText().trimmed().toInt(&ok);
    if (!ok || n < 2 || n > 4)
        return;
    cast_.Start(static_cast<qint16>(n));
    cmdThrowDice_->setText(ThrowCaption(0, n));
    BringToFront(fraIntermediate_);
}

void frmMain::PresentDie(int slot, Landing landing, int face) {
    DieImage* die = imgDice_[static_cast<std::size_t>(slot)];
    const SpotTwips spot = DieSpot(slot, landing);
    die->move(Twips(spot.left), Twips(spot.top));
    die->SetPicture(IMG_Dice_.Picture(face), face);
    die->setAccessibleName(
        QStringLiteral("Die %1: %2, %3").arg(slot + 1).arg(face).arg(LandingPhrase(landing)));
    die->show();
}

void frmMain::cmdThrowDice_Click() {
    if (!cast_.Started())
        return;
    const DiceCast::Press press = cast_.Throw();
    switch (press.kind) {
    case DiceCast::Press::Kind::DieThrown:
        PresentDie(press.slot, press.landedAs, press.face);
        cmdThrowDice_->setText(ThrowCaption(press.slot + 1, cast_.NoOfDice()));
        announcer_->Announce(imgDice_[static_cast<std::size_t>(press.slot)]->accessibleName() +
                             QStringLiteral(". ") + VisibleText(cmdThrowDice_->text()));
        break;
    case DiceCast::Press::Kind::ResultInvitation:
        cmdThrowDice_->setText(QString::fromLatin1(kResultInvitation));
        announcer_->Announce(VisibleText(cmdThrowDice_->text()));
        break;
    case DiceCast::Press::Kind::ShowResult:
        ShowResult();
        break;
    }
    if (press.recastPending)
        services_.boxes.Show(this, MsgIcon::Information, MsgButtons::Ok,
                             RecastMessage(press.slot + 1));
    cast_.Settle(press);
}

void frmMain::ShowResult() {
    BuildResultPage();
    fraResult_->SetCaption(QString());
    ShowEnochianReading();
    BringToFront(fraResult_);
}

void frmMain::ShowEnochianReading() {
    const reading::Reading r = reading::SelectReading(cast_.DiceValues());
    for (std::size_t i = 0; i < lblResult_.size(); ++i) {
        QLabel* value = lblResult_[i];
        value->setText(ReadingLine(r, i));
        if (!value->wordWrap()) // one-line labels follow their text
            FitToText(value);
    }
    const QString explanation = ReadingExplanation(r);
    lblResult_[0]->setToolTip(explanation);
    lblResult_[0]->setAccessibleDescription(explanation);
    // The focus lands on Back when the page appears: a screen reader reads
    // the whole reading after the button's name, and again each time the
    // focus comes back to it.
    cmdBack_->setAccessibleDescription(ReadingText());
}

QString frmMain::ReadingText() const {
    if (!fraResult_)
        return {};
    // Line order: the headings' indexes do not follow the lines.
    static constexpr std::array<std::size_t, 8> kHeadingOfLine{1, 2, 4, 5, 3, 6, 7, 8};
    QString text;
    for (std::size_t line = 0; line < lblResult_.size(); ++line)
        text += lblLabel_[kHeadingOfLine[line]]->text() + QStringLiteral(": ") +
                lblResult_[line]->text() + QLatin1Char('\n');
    return text;
}

void frmMain::mnuCopyReading_Click() const { QGuiApplication::clipboard()->setText(ReadingText()); }

void frmMain::cboNoOfDice_Click() {
    // The list names its purpose; the number chosen is told as well.
    cboNoOfDice_->setAccessibleDescription(cboNoOfDice_->currentText());
    if (cboNoOfDice_->hasFocus())
        announcer_->Announce(cboNoOfDice_->currentText());
}

void frmMain::cmdBack_Click() {
    cboNoOfDice_->setCurrentIndex(2);
    BringToFront(fraMain_);
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept(); // the window's closing is never cancelled
}

void frmMain::Form_Unload() { Q_EMIT unloading(); }

void frmMain::mnuCalculate_Click() { cmdProceed_Click(); }
void frmMain::mnuExit_Click() { close(); }
void frmMain::mnuOnline_Click() { services_.help.OpenOnlineHelp(); }
void frmMain::mnuVisit_Click() { services_.help.OpenHomePage(); }
void frmMain::mnuUpdate_Click() { services_.help.OpenDownloadPage(); }
void frmMain::mnuAbout_Click() {
    // Modal: the main window takes no input until it closes. Each opening
    // builds a fresh window.
    frmAbout about(services_.help, this);
    about.exec();
}
void frmMain::mnuDonate_Click() { services_.help.OpenDonatePage(); }
void frmMain::mnuMakeMoney_Click() { services_.help.OpenFullBrandPage(); }
void frmMain::Label14_Click() { services_.help.OpenHomePage(); }
void frmMain::lblCobrand_Click() { services_.help.OpenCoBrandPage(); }
void frmMain::lblFullBrand_Click() { services_.help.OpenFullBrandPage(); }

} // namespace dicemere
