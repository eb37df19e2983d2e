// SPDX-License-Identifier: MIT
// The front page (FrontPage.ui): the number of dice to cast, and the button
// that starts a cast.
#pragma once

#include "PageStack.h"

#include <memory>

namespace dicemere {

namespace Ui {
class FrontPage;
}

class FrontPage final : public PageFrame {
    Q_OBJECT
public:
    explicit FrontPage(QWidget* parent = nullptr);
    ~FrontPage() override;

    QWidget* FocusControl() const override;
    // The first control of the page in the window's tab order.
    QWidget* FirstControl() const;
    // Fills the list with 2, 3 and 4 dice and selects 4.
    void Load();
    // Selects 4 dice, whatever was chosen before.
    void SelectDefaultNumber();
    // Asks for a cast of the number chosen: the cast button, and the hidden
    // Cast item of the File menu.
    void RequestCast();

Q_SIGNALS:
    // A cast of this many dice is asked for; 0 when the list holds no number.
    void castRequested(int noOfDice);

private:
    void TellNumberChosen();

    std::unique_ptr<Ui::FrontPage> ui_;
};

} // namespace dicemere
