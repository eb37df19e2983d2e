// SPDX-License-Identifier: MIT
#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace dicemere {

void CentreOnScreen(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace dicemere
