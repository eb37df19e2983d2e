// SPDX-License-Identifier: MIT
// The casting page (CastingPage.ui): the board, the four dice and the button
// that throws them.
#pragma once

#include "DiceCast.h"
#include "DiceImages.h"
#include "PageStack.h"

#include <array>
#include <memory>

namespace dicemere {

namespace Ui {
class CastingPage;
}

// The casting board: a filled circle. The form uses it as a promoted QWidget.
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
    ~CastingPage() override;

    QWidget* FocusControl() const override;
    // Parks the dice and starts a cast of n dice; false, with nothing started,
    // when n is not 2 to 4.
    bool StartCast(int noOfDice);

Q_SIGNALS:
    // The press after the invitation: the result is to be shown.
    void resultAsked();

private:
    // The press of the throw button: the next die, the invitation to see the
    // result, or the result.
    void Throw();
    void PresentDie(int slot, Landing landing, int face);

    std::unique_ptr<Ui::CastingPage> ui_;
    DiceCast& cast_;
    const DiceImageList& dicePictures_;
    MessageBoxes& boxes_;
    // The dice in the order they are thrown.
    std::array<DieImage*, 4> dice_{};
};

} // namespace dicemere
