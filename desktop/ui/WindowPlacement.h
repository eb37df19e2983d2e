// SPDX-License-Identifier: MIT
// Where a top-level window appears.
#pragma once

class QWidget;

namespace dicemere {

// Puts a top-level window in the middle of its screen's free area when it
// fits there; otherwise its title bar and top-left corner stay on the screen.
void CentreOnScreen(QWidget* window);

} // namespace dicemere
