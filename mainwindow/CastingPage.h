// SPDX-License-Identifier: MIT
// The casting page: the board, the four dice and the button that throws them.
#pragma once

#include "DiceCast.h"
#include "DiceImages.h"
#include "PageStack.h"

#include <array>

class QPushButton;

namespace dicemere {

// The casting board: a filled circle.
class CircleShape final : public QWidget {
    Q_OBJECT
public:
    explicit CircleShape(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

class CastingPage final : public PageFrame {
    Q_OBJECT
public:
    // The page shows the window's cast with the window's pictures; the recast
    // message goes through the boxes.
    CastingPage(DiceCast& cast, const DiceImageList& pictures, MessageBoxes& boxes,
                    QWidget* parent = nullptr);

    QWidget* FocusControl() const override;
    // Parks the dice and starts a cast of n dice; false, with nothing started,
    // when n is not 2 to 4.
    bool StartCast(int noOfDice);

Q_SIGNALS:
    // The press after the invitation: the result is to be shown.
    void resultAsked();

private:
    void cmdThrowDice_Click();
    void PresentDie(int slot, Landing landing, int face);

    DiceCast& cast_;
    const DiceImageList& IMG_Dice_;
    MessageBoxes& boxes_;
    CircleShape* shpCircle_ = nullptr;
    std::array<DieImage*, 4> imgDice_{};
    QPushButton* cmdThrowDice_ = nullptr;
};

} // namespace dicemere
