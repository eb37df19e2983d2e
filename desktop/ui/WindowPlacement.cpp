// SPDX-License-Identifier: MIT
#include "WindowPlacement.h"

#include "WindowPosition.h"

#include <QScreen>
#include <QWidget>

namespace dicemere {

void CentreOnScreen(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        // move() places the frame's top-left corner, title bar included.
        window->move(PlaceWindow(window->frameGeometry().size(), s->availableGeometry()));
    }
}

} // namespace dicemere
