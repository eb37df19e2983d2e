// SPDX-License-Identifier: MIT
// A measuring aid: with DICEMERE_FIRST_PAINT_PROBE set, the first paint of the
// given window prints "first-paint <steady clock ns>" and ends the program.
// With DICEMERE_FIRST_PAINT_GRAB=<file> as well, the window is grabbed into that
// picture file (PNG, PPM, ... by its name) first. Without the first variable it does nothing.
#pragma once

class QWidget;

namespace dicemere {

void InstallFirstPaintProbe(QWidget* window);

} // namespace dicemere
