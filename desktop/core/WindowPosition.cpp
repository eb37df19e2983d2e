// SPDX-License-Identifier: MIT
#include "WindowPosition.h"

namespace dicemere {

namespace {

// The start of a span of the given length in [begin, begin + room): centred
// when it fits, else at begin. Halves round towards begin, as QRect does.
int Place(int begin, int room, int length) {
    return length <= room ? begin + (room - length) / 2 : begin;
}

} // namespace

QPoint PlaceWindow(QSize frame, const QRect& available) {
    return {Place(available.left(), available.width(), frame.width()),
            Place(available.top(), available.height(), frame.height())};
}

} // namespace dicemere
