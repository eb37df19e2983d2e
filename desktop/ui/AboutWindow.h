// SPDX-License-Identifier: MIT
// The About window (AboutWindow.ui): name, version, what the program does, two
// links and OK.
#pragma once

#include "Links.h"

#include <QDialog>
#include <memory>

namespace dicemere {

namespace Ui {
class AboutWindow;
}

class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const LinkOpeners& help, QWidget* parent = nullptr);
    ~AboutWindow() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::AboutWindow> ui_;
};

} // namespace dicemere
