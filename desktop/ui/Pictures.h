// SPDX-License-Identifier: MIT
// The program's pictures, drawn with QPainter at whatever size and resolution
// they are asked for: the six die faces and the program icon.
#pragma once

#include <QRectF>

class QPainter;

namespace dicemere {

// Die face 1 to 6 filling rect (drawn on a 42 by 42 grid, scaled to fit).
void PaintDieFace(QPainter& painter, const QRectF& rect, int face);
// The program icon filling rect (a 128 by 128 grid, scaled to fit).
void PaintProgramIcon(QPainter& painter, const QRectF& rect);

} // namespace dicemere
