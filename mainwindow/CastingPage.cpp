// SPDX-License-Identifier: MIT
#include "CastingPage.h"

#include "FontsAndColours.h"
#include "Layout.h"

#include <QPainter>
#include <QPushButton>

namespace dicemere {

namespace {

constexpr int kParkedLeft = 8160;
constexpr std::array<int, 4> kParkedTop{240, 840, 1440, 2040};
constexpr int kDieSize = 495;

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
    : PageFrame(parent), cast_(cast), IMG_Dice_(pictures), boxes_(boxes) {
    setObjectName(QStringLiteral("CastingPage"));
    SetColours(colours::kGreen, colours::kDarkGreen);

    shpCircle_ = new CircleShape(this);
    shpCircle_->setObjectName(QStringLiteral("shpCircle"));
    PlaceTwips(shpCircle_, 3582, 1000, 1700, 1700);

    for (std::size_t i = 0; i < imgDice_.size(); ++i) {
        imgDice_[i] = new DieImage(this);
        imgDice_[i]->setObjectName(QStringLiteral("imgDice(%1)").arg(i));
        imgDice_[i]->setGeometry(Twips(kParkedLeft), Twips(kParkedTop[i]), Twips(kDieSize),
                                 Twips(kDieSize)); // the parked column
        imgDice_[i]->hide();
    }

    cmdThrowDice_ = new QPushButton(this);
    cmdThrowDice_->setObjectName(QStringLiteral("cmdThrowDice"));
    cmdThrowDice_->setFont(ProgramFont(8.25, true));
    PlaceTwips(cmdThrowDice_, 1332, 3600, 6200, 400);
    cmdThrowDice_->setAutoDefault(true);
    connect(cmdThrowDice_, &QPushButton::clicked, this, &CastingPage::cmdThrowDice_Click);
}

QWidget* CastingPage::FocusControl() const { return cmdThrowDice_; }

bool CastingPage::StartCast(int noOfDice) {
    for (DieImage* die : imgDice_)
        die->hide();
    if (noOfDice < 2 || noOfDice > 4)
        return false;
    cast_.Start(static_cast<qint16>(noOfDice));
    cmdThrowDice_->setText(ThrowCaption(0, noOfDice));
    return true;
}

void CastingPage::PresentDie(int slot, Landing landing, int face) {
    DieImage* die = imgDice_[static_cast<std::size_t>(slot)];
    const SpotTwips spot = DieSpot(slot, landing);
    die->move(Twips(spot.left), Twips(spot.top));
    die->SetPicture(IMG_Dice_.Picture(face), face);
    die->setAccessibleName(
        tr("Die %1: %2, %3").arg(slot + 1).arg(face).arg(LandingPhrase(landing)));
    die->show();
}

void CastingPage::cmdThrowDice_Click() {
    if (!cast_.Started())
        return;
    const DiceCast::Press press = cast_.Throw();
    switch (press.kind) {
    case DiceCast::Press::Kind::DieThrown:
        PresentDie(press.slot, press.landedAs, press.face);
        cmdThrowDice_->setText(ThrowCaption(press.slot + 1, cast_.NoOfDice()));
        Q_EMIT tell(imgDice_[static_cast<std::size_t>(press.slot)]->accessibleName() +
                    QStringLiteral(". ") + VisibleText(cmdThrowDice_->text()));
        break;
    case DiceCast::Press::Kind::ResultInvitation:
        cmdThrowDice_->setText(kResultInvitation());
        Q_EMIT tell(VisibleText(cmdThrowDice_->text()));
        break;
    case DiceCast::Press::Kind::ShowResult:
        Q_EMIT resultAsked();
        break;
    }
    if (press.recastPending)
        boxes_.Show(window(), MsgIcon::Information, MsgButtons::Ok, RecastMessage(press.slot + 1));
    cast_.Settle(press);
}

} // namespace dicemere
