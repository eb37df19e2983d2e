// SPDX-License-Identifier: MIT
// The front page: the number of dice to cast, and the button that starts a cast.
#pragma once

#include "PageStack.h"

class QComboBox;
class QPushButton;

namespace dicemere {

class FrontPage final : public PageFrame {
    Q_OBJECT
public:
    explicit FrontPage(QWidget* parent = nullptr);

    QWidget* FocusControl() const override;
    // The first control of the page in the window's tab order.
    QWidget* FirstControl() const;
    // Fills the list with "2", "3" and "4" and selects "4".
    void Load();
    // Selects the item at index 2 ("4"), whatever was chosen before.
    void SelectDefaultNumber();

    // Also run by the hidden File item.
    void cmdProceed_Click();

Q_SIGNALS:
    // A cast of this many dice is asked for; 0 when the list holds no number.
    void proceed(int noOfDice);

private:
    void cboNoOfDice_Click();

    QComboBox* cboNoOfDice_ = nullptr;
    QPushButton* cmdProceed_ = nullptr;
};

} // namespace dicemere
