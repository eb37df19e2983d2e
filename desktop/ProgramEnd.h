// The program's one way to end.
#pragma once

#include <functional>

namespace dicemere {

class ProgramEnd {
public:
    // endProcess stops the process's event loop (or the process itself).
    explicit ProgramEnd(std::function<void()> endProcess) : endProcess_(std::move(endProcess)) {}

    // Closes every open top-level window, one after the other, running their
    // closing handlers, then ends the process. Calls made while ending (from
    // those closing handlers) do nothing more.
    void CloseAllAndEnd();

    bool ending() const { return ending_; }

private:
    std::function<void()> endProcess_;
    bool ending_ = false;
};

} // namespace dicemere
