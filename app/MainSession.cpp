// SPDX-License-Identifier: MIT
#include "MainSession.h"

#include "FirstPaintProbe.h"

namespace dicemere {

MainSession::~MainSession() = default;

void MainSession::ShowMainWindow() {
    main_ = std::make_unique<MainWindow>(services_);
    QObject::connect(main_.get(), &MainWindow::closing, main_.get(), [this] { ShowExitScreen(); });
    InstallFirstPaintProbe(main_.get());
    main_->show();
}

void MainSession::BringPromoToFront(PromoFront front) {
    if (!main_ || front == PromoFront::Unchanged)
        return;
    main_->BringPromoToFront(front == PromoFront::FullBrand ? MainWindow::PromoLabel::FullBrand
                                                            : MainWindow::PromoLabel::Cobrand);
}

void MainSession::ShowExitScreen() {
    // While the program is ending every window closes; nothing new opens.
    if (services_.end.Ending() || exit_)
        return;
    exit_ = std::make_unique<ExitScreen>(services_);
    exit_->show();
}

} // namespace dicemere
