// SPDX-License-Identifier: MIT
#include "ExitScreen.h"

#include "AppInfo.h"
#include "FontsAndColours.h"
#include "Layout.h"
#include "ProgramIcon.h"
#include "WindowPlacement.h"
#include "ui_ExitScreen.h"

#include <QCloseEvent>
#include <array>

namespace dicemere {

QString ExitScreen::Promotion(int k) {
    static constexpr std::array<const char*, 4> kPromotions{
        QT_TR_NOOP("Visit www.example.com often. Every visit to our mystic discussion forum helps "
                   "us keep free programs like Dicemere alive and up to date."),
        QT_TR_NOOP("Please drop in at the www.example.com discussion forum regularly. Your visits "
                   "are what keep programs like this one maintained and free."),
        QT_TR_NOOP("Like Dicemere? Come and talk with other seekers at www.example.com every "
                   "week: the forum's visitors are what pay for programs like this one."),
        QT_TR_NOOP("Make www.example.com a regular stop. Each visit to our forum supports the "
                   "upkeep of Dicemere and our other free programs."),
    };
    return tr(kPromotions.at(static_cast<std::size_t>(k)));
}

int ExitScreen::PromotionIndex(float r) { return static_cast<int>(4.0 * static_cast<double>(r)); }

ExitScreen::ExitScreen(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::ExitScreen>()), services_(services) {
    // The family is chosen at run time (ProgramFont); the form gives sizes and weights.
    setFont(ProgramFont());
    ui_->setupUi(this);
    ApplyFormFonts(this);
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(ProgramIcon());
    ui_->titleLabel->setText(QString::fromLatin1(kWindowCaption));
    ui_->visitForumBox->setText(ui_->visitForumBox->text().arg(QLatin1String(sites::kMakerHost)));
    // The placeholders are the referral checks' own: a box left at its
    // placeholder counts as empty.
    ui_->nameBox->SetPlaceholder(ReferAFriend::NamePlaceholder());
    ui_->emailBox->SetPlaceholder(ReferAFriend::EmailPlaceholder());
    ui_->friendNameBox->SetPlaceholder(ReferAFriend::FriendNamePlaceholder());
    ui_->friendEmailBox->SetPlaceholder(ReferAFriend::FriendEmailPlaceholder());
    // The message box lies below the visible part of the referral frame and
    // takes no focus, so nothing can be typed into it unseen.
    ui_->messageBox->setPlainText(ReferAFriend::MessagePlaceholder() + QStringLiteral("\r\n"));
    ui_->messageBox->setAccessibleName(ReferAFriend::MessagePlaceholder());

    connect(ui_->visitForumBox, &QCheckBox::clicked, this, &ExitScreen::VisitForum);
    connect(ui_->exitButton, &QPushButton::clicked, this,
            [this] { services_.end.CloseAllAndEnd(); });
    connect(ui_->referButton, &QPushButton::clicked, this, &ExitScreen::Refer);
    connect(ui_->emailBox, &PlaceholderEdit::spaceRefused, this,
            [this] { RefuseSpace(ui_->emailBox); });
    connect(ui_->friendEmailBox, &PlaceholderEdit::spaceRefused, this,
            [this] { RefuseSpace(ui_->friendEmailBox); });
    connect(ui_->catalogueLink, &LinkLabel::clicked, this,
            [this] { services_.help.OpenCataloguePage(); });

    services_.random.SeedFromClock();
    ui_->promotionLabel->setText(Promotion(PromotionIndex(services_.random.DrawUniform())));
    // Kept above all other windows: Qt::WindowStaysOnTopHint, set with the flags.
}

ExitScreen::~ExitScreen() = default;

Referral ExitScreen::FormTexts() const {
    // The message box's line breaks are carried as CR LF.
    QString message = ui_->messageBox->toPlainText();
    message.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return {ui_->nameBox->text(), ui_->emailBox->text(), message, ui_->friendNameBox->text(),
            ui_->friendEmailBox->text()};
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
    services_.end.CloseAllAndEnd();
}

void ExitScreen::Refer() {
    const Referral trimmed = ReferAFriend::Trimmed(FormTexts());
    const QString problem = ReferAFriend::CheckAddresses(trimmed);
    if (!problem.isEmpty()) {
        services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, problem);
        return;
    }
    ReferAFriend::SendTellAFriend(trimmed, services_.boxes, services_.help, this);
}

void ExitScreen::VisitForum(bool ticked) {
    // The box is a link: it never stays ticked.
    if (!ticked)
        return;
    ui_->visitForumBox->setChecked(false);
    services_.help.OpenHomePage();
}

void ExitScreen::RefuseSpace(PlaceholderEdit* box) {
    services_.boxes.Show(this, MsgIcon::Error, MsgButtons::Ok, ReferAFriend::SpaceInEmail());
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace dicemere
