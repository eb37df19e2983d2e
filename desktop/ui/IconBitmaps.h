// SPDX-License-Identifier: MIT
// The program icon at the sizes a desktop asks a window for, drawn at build
// time by the program's own drawing code (rendericon --cpp).
#pragma once

#include <QtGlobal>
#include <span>

namespace dicemere {

struct IconBitmap {
    int size;              // width and height in pixels
    const quint32* pixels; // size * size premultiplied ARGB32 values, row by row
};

std::span<const IconBitmap> ProgramIconBitmaps();

} // namespace dicemere
