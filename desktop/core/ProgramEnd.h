// SPDX-License-Identifier: MIT
// The program's one way to end.
#pragma once

#include <functional>

namespace dicemere {

class ProgramEnd {
public:
    // closeWindows closes every open window, running their closing handlers;
    // endProcess stops the process's event loop (or the process itself).
    ProgramEnd(std::function<void()> closeWindows, std::function<void()> endProcess)
        : closeWindows_(std::move(closeWindows)), endProcess_(std::move(endProcess)) {}

    // Closes the windows, then ends the process. Calls made while ending
    // (from those closing handlers) do nothing more.
    void CloseAllAndEnd();

    bool Ending() const { return ending_; }

private:
    std::function<void()> closeWindows_;
    std::function<void()> endProcess_;
    bool ending_ = false;
};

} // namespace dicemere
