// SPDX-License-Identifier: MIT
// Everything the program asks of its platform, handed to the start-up
// sequence and the windows as one bundle.
#pragma once

#include "Links.h"
#include "PlatformInterfaces.h"
#include "ProgramEnd.h"

namespace dicemere {

struct Services {
    InstanceLock& lock;
    RandomSource& random;
    SettingsStore& settings;
    Clock& clock;
    MessageBoxes& boxes;
    const LinkOpeners& help;
    ProgramEnd& end;
};

} // namespace dicemere
