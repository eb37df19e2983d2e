// SPDX-License-Identifier: MIT
#include "MainSession.h"

#include "FirstPaintProbe.h"

namespace dicemere {

MainSession::~MainSession() = default;

void MainSession::ShowMainWindow() {
    main_ = std::make_unique<frmMain>(services_);
    QObject::connect(main_.get(), &frmMain::unloading, main_.get(), [this] { frmMain_Unload(); });
    InstallFirstPaintProbe(main_.get());
    main_->show();
}

void MainSession::BringPromoToFront(PromoFront front) {
    if (!main_ || front == PromoFront::Unchanged)
        return;
    main_->BringPromoToFront(front == PromoFront::FullBrand ? frmMain::PromoLabel::FullBrand
                                                            : frmMain::PromoLabel::Cobrand);
}

void MainSession::frmMain_Unload() {
    // While the program is ending every window closes; nothing new opens.
    if (services_.end.Ending() || exit_)
        return;
    exit_ = std::make_unique<frmExit>(services_);
    exit_->show();
}

} // namespace dicemere
