// SPDX-License-Identifier: MIT
// Where the controls of a window go: positions in twips, and the plain labels
// of the layouts.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

namespace dicemere {

// Positions in the layouts are in twips: 15 to one device-independent pixel.
constexpr int Twips(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / 15; }
inline QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}
// Places a widget at a twips rectangle.
void PlaceTwips(QWidget* widget, int left, int top, int width, int height);

// A plain-text label in the given font and text colour, on its parent's background.
QLabel* MakeLabel(const QString& name, QWidget* parent, const QString& text, const QFont& font,
                  const QColor& colour);

// Sizes a one-line plain-text label to its text, as adjustSize() would, with
// one measurement of the text instead of the three its size hints take.
void FitToText(QLabel* label);

// One plain label of a window's layout table.
struct LabelRow {
    const char* name;
    const char* text;
    int left, top, width, height; // twips
    qreal points;
    bool bold;
    QRgb colour;
    bool wrap; // word-wrapped from the top left corner
};
// Its text is given apart: the row's, in the user's language.
QLabel* MakeLabel(QWidget* parent, const LabelRow& row, const QString& text);

// What a caption shows: "&&" is one ampersand, a lone "&" marks the access key.
QString VisibleText(const QString& caption);

} // namespace dicemere
