// SPDX-License-Identifier: MIT
#include "CastingPage.h"

#include "FontsAndColours.h"
#include "Layout.h"
#include "Mirroring.h"
#include "ui_CastingPage.h"

#include <QPainter>

namespace dicemere {

namespace {

QString LandingPhrase(Landing landing) {
    switch (landing) {
    case LandInside:
        return CastingPage::tr("inside the circle");
    case LandBorder:
        return CastingPage::tr("on the border of the circle");
    case LandOutside:
        break;
    }
    return CastingPage::tr("outside the circle");
}

} // namespace

void CircleShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colours::kOlive, 1));
    painter.setBrush(colours::kOlive);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

CastingPage::CastingPage(DiceCast& cast, const DiceImageList& pictures, MessageBoxes& boxes,
                         QWidget* parent)
    : PageFrame(parent), ui_(std::make_unique<Ui::CastingPage>()), cast_(cast),
      dicePictures_(pictures), boxes_(boxes) {
    ui_->setupUi(this);
    // The dice wait hidden in their parked column at the right until thrown.
    dice_ = {ui_->die1, ui_->die2, ui_->die3, ui_->die4};
    for (DieImage* die : dice_)
        die->hide();
    // The circle and the dice on it are a picture: right to left, they stay as they are.
    KeepUnmirrored(ui_->circle);
    for (DieImage* die : dice_)
        KeepUnmirrored(die);
    connect(ui_->throwButton, &QPushButton::clicked, this, &CastingPage::Throw);
}

CastingPage::~CastingPage() = default;

QWidget* CastingPage::FocusControl() const { return ui_->throwButton; }

bool CastingPage::StartCast(int noOfDice) {
    for (DieImage* die : dice_)
        die->hide();
    if (noOfDice < 2 || noOfDice > 4)
        return false;
    cast_.Start(static_cast<qint16>(noOfDice));
    ui_->throwButton->setText(DiceCast::ThrowCaption(0, noOfDice));
    return true;
}

void CastingPage::PresentDie(int slot, Landing landing, int face) {
    DieImage* die = dice_[static_cast<std::size_t>(slot)];
    const SpotTwips spot = DieSpot(slot, landing);
    die->move(Twips(spot.left), Twips(spot.top));
    die->SetPicture(dicePictures_.Picture(face), face);
    die->setAccessibleName(
        tr("Die %1: %2, %3").arg(slot + 1).arg(face).arg(LandingPhrase(landing)));
    die->show();
}

void CastingPage::Throw() {
    if (!cast_.Started())
        return;
    const DiceCast::Press press = cast_.Throw();
    switch (press.kind) {
    case DiceCast::Press::Kind::DieThrown:
        PresentDie(press.slot, press.landedAs, press.face);
        ui_->throwButton->setText(DiceCast::ThrowCaption(press.slot + 1, cast_.NoOfDice()));
        Q_EMIT tell(dice_[static_cast<std::size_t>(press.slot)]->accessibleName() +
                    QStringLiteral(". ") + VisibleText(ui_->throwButton->text()));
        break;
    case DiceCast::Press::Kind::ResultInvitation:
        ui_->throwButton->setText(DiceCast::ResultInvitation());
        Q_EMIT tell(VisibleText(ui_->throwButton->text()));
        break;
    case DiceCast::Press::Kind::ShowResult:
        Q_EMIT resultAsked();
        break;
    }
    if (press.recastPending)
        boxes_.Show(window(), MsgIcon::Information, MsgButtons::Ok,
                    DiceCast::RecastMessage(press.slot + 1));
    cast_.Settle(press);
}

} // namespace dicemere
