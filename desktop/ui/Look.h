// SPDX-License-Identifier: MIT
// Fonts, colours and the program icon shared by the windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QProxyStyle>
#include <QRect>

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
QLabel* MakeLabel(QWidget* parent, const LabelRow& row);

// Puts a top-level window in the middle of its screen's free area when it
// fits there; otherwise its title bar and top-left corner stay on the screen.
void CentreOnScreen(QWidget* window);

// Verdana where installed, else DejaVu Sans.
QFont ProgramFont(qreal pointSize = 8.25, bool bold = false, bool underline = false);

namespace colours {
inline const QColor kOlive{85, 114, 31};
inline const QColor kDarkGreen{0, 64, 0};
inline const QColor kGreen{0, 192, 0};
inline const QColor kPaleGreen{192, 255, 192};
inline const QColor kPaleYellow{255, 255, 192};
} // namespace colours

// Sets the text colour (and, when given, the filled background) of a widget.
void Paint(QWidget* widget, const QColor& text, const QColor& background = QColor());

// The program icon, drawn at whatever size is asked; one icon for the
// application and all its windows.
QIcon ProgramIcon();

// The platform's style, less what this program never shows.
class ProgramStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace dicemere

#include <QWidget>

namespace dicemere {

// The program icon drawn into its rectangle at the screen's own resolution.
class IconPicture final : public QWidget {
    Q_OBJECT
public:
    explicit IconPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dicemere
