// SPDX-License-Identifier: MIT
// The About window: name, version, what the program does, two links and OK.
#pragma once

#include "Links.h"

#include <QDialog>

class QPushButton;

namespace dicemere {

class LinkLabel;

class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const modHelp& help, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

    const modHelp& help_;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace dicemere
