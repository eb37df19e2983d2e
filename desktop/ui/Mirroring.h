// SPDX-License-Identifier: MIT
// Right to left: the windows place their controls by position from the left
// edge. Under a right-to-left language (Qt's own translation of it sets the
// direction) one event filter for the whole program mirrors every control so
// placed, in every window and on every page, made now or later: each keeps its
// distance from its parent's right edge instead, and keeps it when its text
// grows or its parent is resized. Qt mirrors the rest (menus, alignment, the
// inside of its own controls).
#pragma once

class QWidget;

namespace dicemere {

// Mirrors the program's windows whenever they are shown right to left (left
// to right it costs nothing). Once is enough; more does no harm.
void InstallMirroring();

// A picture made of controls, which right to left keeps as it is: the
// widget keeps its place.
void KeepUnmirrored(QWidget* widget);
bool KeepsItsPlace(const QWidget* widget);

} // namespace dicemere
