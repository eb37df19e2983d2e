// SPDX-License-Identifier: MIT
// The program's windows after start-up: the main window, then the exit screen.
#pragma once

#include "ServiceBundle.h"
#include "Startup.h"
#include "frmExit.h"
#include "frmMain.h"

#include <memory>

namespace dicemere {

class MainSession final : public StartupTarget {
public:
    explicit MainSession(const Services& services) : services_(services) {}
    ~MainSession() override;

    void ShowMainWindow() override;
    void BringPromoToFront(PromoFront front) override;

    frmMain* MainWindow() const { return main_.get(); }
    frmExit* ExitScreen() const { return exit_.get(); }

private:
    // The main window is closing: show the exit screen, modeless.
    void frmMain_Unload();

    Services services_;
    std::unique_ptr<frmMain> main_;
    std::unique_ptr<frmExit> exit_;
};

} // namespace dicemere
