// SPDX-License-Identifier: MIT
#include "ExitScreen.h"

#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Layout.h"
#include "LinkLabel.h"
#include "PlaceholderEdit.h"
#include "ProgramIcon.h"
#include "WindowPlacement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace dicemere {

namespace {

constexpr std::array<const char*, 4> kPromotions{
    QT_TRANSLATE_NOOP("dicemere::ExitScreen", "Visit www.example.com often. Every visit to our mystic "
                                           "discussion forum helps us keep free "
                                           "programs like Dicemere alive and up to date."),
    QT_TRANSLATE_NOOP("dicemere::ExitScreen", "Please drop in at the www.example.com discussion forum "
                                           "regularly. Your visits are what keep "
                                           "programs like this one maintained and free."),
    QT_TRANSLATE_NOOP("dicemere::ExitScreen", "Like Dicemere? Come and talk with other seekers at "
                                           "www.example.com every week: the forum's "
                                           "visitors are what pay for programs like this one."),
    QT_TRANSLATE_NOOP(
        "dicemere::ExitScreen",
        "Make www.example.com a regular stop. Each visit to our forum supports the upkeep of "
        "Dicemere and our other free programs."),
};

} // namespace

QString ExitPromotion(int k) { return ExitScreen::tr(kPromotions.at(static_cast<std::size_t>(k))); }

int ExitPromotionIndex(float r) { return static_cast<int>(4.0 * static_cast<double>(r)); }

ExitScreen::ExitScreen(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      services_(services) {
    setObjectName(QStringLiteral("ExitScreen"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    setFont(ProgramFont());
    setFixedSize(Twips(11115), Twips(4725));
    Paint(this, Qt::black, Qt::white);

    auto* picture1 = new IconPicture(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    PlaceTwips(picture1, 360, 120, 480, 480);

    auto* label1 = new QLabel(QString::fromLatin1(kWindowCaption), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont title = ProgramFont(18);
    title.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    label1->setFont(title);
    PlaceTwips(label1, 1080, 240, 4935, 435);

    static constexpr LabelRow kLabel2{"Label2", "",   120,  840,      6975,
                                      1095,     9.75, true, 0x000000, true};
    Label2_ = MakeLabel(this, kLabel2, QString());
    Label2_->setText(ExitPromotion(1));

    Check1_ =
        new QCheckBox(tr("Click Here To Visit %1 Now").arg(QLatin1String(sites::kMakerHost)), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setFont(ProgramFont(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    PlaceTwips(Check1_, 30, 2040, 7185, 555);
    connect(Check1_, &QCheckBox::clicked, this, &ExitScreen::Check1_Click);

    cmdClose_ = new QPushButton(tr("E&xit"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    PlaceTwips(cmdClose_, 6000, 2760, 1245, 375);
    cmdClose_->setAutoDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &ExitScreen::cmdClose_Click);

    Frame2_ = new QGroupBox(tr("Refer A Friend"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setFont(ProgramFont(9.75, true));
    PlaceTwips(Frame2_, 120, 3240, 7065, 1455);

    struct BoxRow {
        PlaceholderEdit** box;
        const char* name;
        const Text& placeholder;
        PlaceholderEdit::Kind kind;
        int left, top;
    };
    // As long as real forms allow: a name of 100 characters, an address of 254
    // (the most an e-mail address can have). The referral address stays well
    // within what every desktop hands to a browser.
    constexpr int kMaxName = 100;
    constexpr int kMaxAddress = 254;
    const std::array<BoxRow, 4> boxes{{
        {&txtName_, "txtName", placeholders::kName, PlaceholderEdit::Kind::Text, 85, 360},
        {&txtEmail_, "txtEmail", placeholders::kEmail, PlaceholderEdit::Kind::Address, 3600, 360},
        {&txtFriendName_, "txtFriendName", placeholders::kFriendName, PlaceholderEdit::Kind::Text,
         85, 720},
        {&txtFriendEmail_, "txtFriendEmail", placeholders::kFriendEmail,
         PlaceholderEdit::Kind::Address, 3600, 720},
    }};
    for (const BoxRow& row : boxes) {
        auto* box = new PlaceholderEdit(QString::fromLatin1(row.name), row.placeholder(), row.kind,
                                        Frame2_);
        box->setFont(ProgramFont());
        box->setMaxLength(row.kind == PlaceholderEdit::Kind::Address ? kMaxAddress : kMaxName);
        PlaceTwips(box, row.left, row.top, 3375, 285);
        *row.box = box;
    }
    connect(txtEmail_, &PlaceholderEdit::spaceRefused, this, &ExitScreen::txtEmail_SpaceRefused);
    connect(txtFriendEmail_, &PlaceholderEdit::spaceRefused, this,
            &ExitScreen::txtFriendEmail_SpaceRefused);

    cmdSubmit_ = new QPushButton(tr("Refer A Friend &Now"), Frame2_);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setFont(ProgramFont());
    PlaceTwips(cmdSubmit_, 1920, 1080, 3375, 285);
    cmdSubmit_->setAutoDefault(true);
    connect(cmdSubmit_, &QPushButton::clicked, this, &ExitScreen::cmdSubmit_Click);

    // Below the visible part of its frame, as laid out; it takes no focus,
    // so nothing can be typed into it unseen.
    txtMessage_ = new QPlainTextEdit(placeholders::kMessage() + QStringLiteral("\r\n"), Frame2_);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setAccessibleName(placeholders::kMessage());
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setFocusPolicy(Qt::NoFocus);
    txtMessage_->setFont(ProgramFont());
    PlaceTwips(txtMessage_, 4800, 3600, 1815, 495);

    auto* frame6 = new QGroupBox(tr("More Programs From Example"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    frame6->setFont(ProgramFont(9.75, true));
    PlaceTwips(frame6, 7320, 120, 3735, 4575);

    static constexpr LabelRow kLabel3{"Label3",
                                      QT_TR_NOOP("Enjoyed Dicemere? The makers of www.example.com "
                                                 "publish a whole range of small, friendly "
                                                 "programs for astrology, tarot, numerology and "
                                                 "everyday divination, and every one of them "
                                                 "is free to try. Follow the link below to browse "
                                                 "the Example Apps catalogue and find your "
                                                 "next favourite."),
                                      120,
                                      360,
                                      3495,
                                      3855,
                                      9,
                                      false,
                                      0x000000,
                                      true};
    MakeLabel(frame6, kLabel3, tr(kLabel3.text));

    lblGoToHome_ = new LinkLabel(tr("Click Here To Visit Example Apps"), frame6);
    lblGoToHome_->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome_->setFont(ProgramFont(9, true, true));
    Paint(lblGoToHome_, QColor(0, 0, 192));
    PlaceTwips(lblGoToHome_, 75, 4250, 3585, 210);
    connect(lblGoToHome_, &LinkLabel::clicked, this, &ExitScreen::lblGoToHome_Click);

    QWidget* previous = Check1_;
    for (QWidget* next :
         std::initializer_list<QWidget*>{cmdClose_, txtName_, txtEmail_, txtFriendName_,
                                         txtFriendEmail_, cmdSubmit_, lblGoToHome_}) {
        setTabOrder(previous, next);
        previous = next;
    }

    Form_Load();
}

void ExitScreen::Form_Load() {
    services_.random.SeedFromClock();
    Label2_->setText(ExitPromotion(ExitPromotionIndex(services_.random.DrawUniform())));
    // Kept above all other windows: Qt::WindowStaysOnTopHint, set with the flags.
}

Referral ExitScreen::FormTexts() const {
    // The message box's line breaks are carried as CR LF.
    QString message = txtMessage_->toPlainText();
    message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {txtName_->text(), txtEmail_->text(), message, txtFriendName_->text(),
            txtFriendEmail_->text()};
}

void ExitScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnScreen(this);
}

void ExitScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void ExitScreen::Form_Unload() { services_.end.CloseAllAndEnd(); }

void ExitScreen::cmdClose_Click() { services_.end.CloseAllAndEnd(); }

void ExitScreen::cmdSubmit_Click() {
    const Referral trimmed = ReferAFriend::Trimmed(FormTexts());
    const QString problem = ReferAFriend::CheckAddresses(trimmed);
    if (!problem.isEmpty()) {
        services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, problem);
        return;
    }
    ReferAFriend::SendTellAFriend(trimmed, services_.boxes, services_.help, this);
}

void ExitScreen::Check1_Click(bool ticked) {
    if (!ticked)
        return;
    Check1_->setChecked(false);
    services_.help.OpenHomePage();
}

void ExitScreen::lblGoToHome_Click() { services_.help.OpenCataloguePage(); }

void ExitScreen::RefuseSpace(PlaceholderEdit* box) {
    services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, kSpaceInEmail());
    box->setFocus(Qt::OtherFocusReason);
}

void ExitScreen::txtEmail_SpaceRefused() { RefuseSpace(txtEmail_); }
void ExitScreen::txtFriendEmail_SpaceRefused() { RefuseSpace(txtFriendEmail_); }

} // namespace dicemere
