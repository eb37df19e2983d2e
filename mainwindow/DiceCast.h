// SPDX-License-Identifier: MIT
// The cast: the dice state and what one press of the throw button does.
#pragma once

#include "PlatformInterfaces.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace dicemere {

enum Landing { LandInside = 0, LandBorder = 1, LandOutside = 2 };

// Top-left corner of a die's picture for each slot and landing, in twips on
// the casting page.
struct SpotTwips {
    int left;
    int top;
};
SpotTwips DieSpot(int slot, Landing landing);

// A die face 1..6 from one draw: RoundHalfEven(5r + 1), formed in double.
int FaceFromDraw(float r);
// A landing state 0..2 from one draw: RoundHalfEven(2r).
int LandingFromDraw(float r);

class DiceCast {
    Q_DECLARE_TR_FUNCTIONS(dicemere::DiceCast)
public:
    // The throw button's caption after this many of n dice.
    static QString ThrowCaption(int thrown, int noOfDice);
    // The throw button's caption once every die is down.
    static QString ResultInvitation();
    // The message when a die landed on the border.
    static QString RecastMessage(int dieNumber);

    explicit DiceCast(RandomSource& random) : random_(random) {}

    // What one press did.
    struct Press {
        enum class Kind { DieThrown, ResultInvitation, ShowResult } kind;
        int face = 0;  // drawn on every press
        int slot = -1; // DieThrown: the die that was thrown
        Landing landedAs = LandInside;
        bool recastPending = false;
    };

    // Starts a cast of n dice (2 to 4): fresh arrays, one landing draw per die.
    void Start(qint16 noOfDice);
    // Draws a face and throws the next die, or moves towards the result.
    // The counter is left alone until Settle is called with the press.
    Press Throw();
    // The last step of a press, once any recast message has been dismissed.
    void Settle(const Press& press);

    bool Started() const { return noOfDice_ > 0; }
    qint16 NoOfDice() const { return noOfDice_; }
    qint16 ThrowCount() const { return throwCount_; }
    const std::vector<qint16>& DiceValues() const { return diceValues_; }
    const std::vector<qint16>& DiceLanding() const { return diceLanding_; }

private:
    RandomSource& random_;
    qint16 noOfDice_ = 0;
    qint16 throwCount_ = 0;
    std::vector<qint16> diceValues_;
    std::vector<qint16> diceLanding_;
};

} // namespace dicemere
