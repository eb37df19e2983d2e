// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "Random.h"
#include "UpdateReminder.h"

namespace dicemere {

int PromoShuffleNumber(float r) { return RoundHalfEven(6.0 * static_cast<double>(r) + 1.0); }

PromoFront PromoChoice(int n) {
    if (n == 7)
        return PromoFront::Unchanged;
    return n % 2 == 0 ? PromoFront::FullBrand : PromoFront::Cobrand;
}

bool RunStartup(const Services& s, StartupTarget& target) {
    if (s.lock.TryAcquire() == InstanceLock::Result::HeldByAnother) {
        s.boxes.Show(nullptr, MsgIcon::Information, MsgButtons::Ok,
                     StartupMessages::AlreadyRunning());
        s.end.CloseAllAndEnd();
        return false;
    }
    // A lock that cannot be created at all does not stop the program.
    s.random.SeedFromClock();
    UpdateReminder(s.settings, s.clock, s.boxes, s.help);
    target.ShowMainWindow();
    target.BringPromoToFront(PromoChoice(PromoShuffleNumber(s.random.DrawUniform())));
    return true;
}

} // namespace dicemere
