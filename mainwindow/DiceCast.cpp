// SPDX-License-Identifier: MIT
#include "DiceCast.h"

#include "Random.h"

#include <array>
#include <limits>

namespace dicemere {

int FaceFromDraw(float r) { return RoundHalfEven(5.0 * static_cast<double>(r) + 1.0); }

int LandingFromDraw(float r) { return RoundHalfEven(2.0 * static_cast<double>(r)); }

namespace {
constexpr std::array<SpotTwips, 4> kInside{
    {{3930, 1320}, {4530, 1320}, {3930, 1920}, {4530, 1920}}};
constexpr std::array<SpotTwips, 4> kBorder{
    {{3720, 1070}, {5040, 1210}, {3720, 2170}, {4800, 2090}}};
constexpr std::array<SpotTwips, 4> kOutside{
    {{4230, 360}, {5490, 1560}, {4230, 2880}, {2970, 1560}}};
} // namespace

SpotTwips DieSpot(int slot, Landing landing) {
    const auto index = static_cast<std::size_t>(slot);
    switch (landing) {
    case LandInside:
        return kInside.at(index);
    case LandBorder:
        return kBorder.at(index);
    case LandOutside:
        break;
    }
    return kOutside.at(index);
}

QString DiceCast::ThrowCaption(int thrown, int noOfDice) {
    // A count in a sentence: each language's plural forms of the number of dice.
    return tr("You have thrown %1 out of %n times", nullptr, noOfDice).arg(thrown);
}

QString DiceCast::ResultInvitation() { return tr("&Get My Enochian Numerology Result"); }

QString DiceCast::RecastMessage(int dieNumber) {
    return tr("Dice %1 is in the border of the circle. Please recast it.").arg(dieNumber);
}

void DiceCast::Start(qint16 noOfDice) {
    noOfDice_ = noOfDice;
    const auto n = static_cast<std::size_t>(noOfDice);
    diceValues_.assign(n, 0);
    diceLanding_.assign(n, 0);
    for (auto& landing : diceLanding_)
        landing = static_cast<qint16>(LandingFromDraw(random_.DrawUniform()));
    throwCount_ = 0;
}

DiceCast::Press DiceCast::Throw() {
    Press press{Press::Kind::ShowResult};
    press.face = FaceFromDraw(random_.DrawUniform());
    if (throwCount_ < noOfDice_) {
        const auto s = static_cast<std::size_t>(throwCount_);
        press.kind = Press::Kind::DieThrown;
        press.slot = throwCount_;
        switch (diceLanding_[s]) {
        case LandInside:
            press.landedAs = LandInside;
            diceValues_[s] = static_cast<qint16>(press.face);
            break;
        case LandBorder:
            press.landedAs = LandBorder;
            diceLanding_[s] = static_cast<qint16>(LandingFromDraw(random_.DrawUniform()));
            press.recastPending = true;
            break;
        default:
            press.landedAs = LandOutside;
            diceValues_[s] = 0;
            break;
        }
    } else if (throwCount_ == noOfDice_) {
        press.kind = Press::Kind::ResultInvitation;
    }
    return press;
}

void DiceCast::Settle(const Press& press) {
    // Past the result the counter only grows; it stops short of wrapping
    // round, which would turn it into a slot again.
    if (!press.recastPending && throwCount_ < std::numeric_limits<qint16>::max())
        ++throwCount_;
}

} // namespace dicemere
