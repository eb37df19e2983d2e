// SPDX-License-Identifier: MIT
#include "ProgramStyle.h"

namespace dicemere {

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    // The menu bar's overflow button takes its picture from a PNG file, which
    // makes Qt load and ask every image plugin at start-up; the main window
    // has a fixed size, and its menu bar never overflows.
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace dicemere
