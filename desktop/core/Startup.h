// SPDX-License-Identifier: MIT
// The start-up sequence: guard, seed, reminder, show, promotion shuffle.
#pragma once

#include "ServiceBundle.h"

#include <QCoreApplication>

namespace dicemere {

class StartupMessages {
    Q_DECLARE_TR_FUNCTIONS(dicemere::StartupMessages)
public:
    // Another copy holds the lock.
    static QString AlreadyRunning() { return tr("Application is already running"); }
};

enum class PromoFront { FullBrand, Cobrand, Unchanged };

// n = RoundHalfEven(6r + 1), 1..7.
int PromoShuffleNumber(float r);
// 2, 4, 6: full-branding label in front; 1, 3, 5: co-branding; 7: left as the window
// opened (full-branding in front).
PromoFront PromoChoice(int n);

// What start-up asks of the main window.
class StartupTarget {
public:
    virtual ~StartupTarget() = default;
    virtual void ShowMainWindow() = 0;
    virtual void BringPromoToFront(PromoFront front) = 0;
};

// Runs start-up. Returns false when another copy is running: the message has
// been shown and the program has been ended through CloseAllAndEnd.
bool RunStartup(const Services& services, StartupTarget& target);

} // namespace dicemere
