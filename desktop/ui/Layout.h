// SPDX-License-Identifier: MIT
// What the windows' forms share: positions in twips, labels sized to their
// text, captions as they are shown, and the font sizes a form cannot hold.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace dicemere {

// Positions in the design are in twips: 15 to one device-independent pixel.
// The forms hold pixels, each twips value rounded to the nearest one.
constexpr int Twips(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

// Sizes a one-line plain-text label to its text, as adjustSize() would, with
// one measurement of the text instead of the three its size hints take.
void FitToText(QLabel* label);

// What a caption shows: "&&" is one ampersand, a lone "&" marks the access key.
QString VisibleText(const QString& caption);

// A form's font can only hold whole points. A widget of the form that needs a
// fraction of a point (8.25, 9.75, 14.25: whole pixels at 96 dots per inch)
// carries it as the property "pointSizeF", and one whose family has a fallback
// carries the families in order as "fontFamilies"; this applies both to every
// widget of the form, parents before children.
void ApplyFormFonts(QWidget* form);

} // namespace dicemere
