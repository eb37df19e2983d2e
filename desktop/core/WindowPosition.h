// SPDX-License-Identifier: MIT
// Where a top-level window opens: in the middle of the screen's free area
// when it fits there, otherwise with its title bar and top-left corner on the
// screen, so that a small or highly scaled screen never hides the part of a
// window that moves it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace dicemere {

// The top-left corner of a window frame of the given size (title bar and
// borders included) in the available area. Each direction is decided on its
// own: centred when the frame fits, else against the area's left or top edge.
QPoint PlaceWindow(QSize frame, const QRect& available);

} // namespace dicemere
