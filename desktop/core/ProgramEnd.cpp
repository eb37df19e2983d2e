// SPDX-License-Identifier: MIT
#include "ProgramEnd.h"

namespace dicemere {

void ProgramEnd::CloseAllAndEnd() {
    if (ending_)
        return;
    ending_ = true;
    if (closeWindows_)
        closeWindows_();
    if (endProcess_)
        endProcess_();
}

} // namespace dicemere
