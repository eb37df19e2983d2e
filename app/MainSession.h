// SPDX-License-Identifier: MIT
// The program's windows after start-up: the main window, then the exit screen.
#pragma once

#include "ExitScreen.h"
#include "MainWindow.h"
#include "ServiceBundle.h"
#include "Startup.h"

#include <memory>

namespace dicemere {

class MainSession final : public StartupTarget {
public:
    explicit MainSession(const Services& services) : services_(services) {}
    ~MainSession() override;

    void ShowMainWindow() override;
    void BringPromoToFront(PromoFront front) override;

    MainWindow* TheMainWindow() const { return main_.get(); }
    ExitScreen* TheExitScreen() const { return exit_.get(); }

private:
    // The main window is closing: show the exit screen, modeless.
    void ShowExitScreen();

    Services services_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<ExitScreen> exit_;
};

} // namespace dicemere
