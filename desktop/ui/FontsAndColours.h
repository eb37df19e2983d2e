// SPDX-License-Identifier: MIT
// The program's font and colours, and how a widget is painted with them.
#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace dicemere {

// Verdana where installed, else DejaVu Sans.
QFont ProgramFont(qreal pointSize = 8.25, bool bold = false, bool underline = false);

// The program's colours; the program icon (Pictures.cpp) is drawn in them too.
namespace colours {
inline const QColor kOlive{85, 114, 31};
inline const QColor kDarkGreen{0, 64, 0};
inline const QColor kGreen{0, 192, 0};
inline const QColor kPaleGreen{192, 255, 192};
inline const QColor kPaleYellow{255, 255, 192};
} // namespace colours

// Sets the text colour (and, when given, the filled background) of a widget.
void Paint(QWidget* widget, const QColor& text, const QColor& background = QColor());

} // namespace dicemere
