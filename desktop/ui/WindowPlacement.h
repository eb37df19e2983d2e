// SPDX-License-Identifier: MIT
// Where a top-level window appears.
#pragma once

class QWidget;

namespace dicemere {

// Puts a top-level window in the middle of its screen's free area.
void CentreOnScreen(QWidget* window);

} // namespace dicemere
