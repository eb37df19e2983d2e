// SPDX-License-Identifier: MIT
#include "FontsAndColours.h"

#include <QFontDatabase>
#include <QWidget>

namespace dicemere {

QFont ProgramFont(qreal pointSize, bool bold, bool underline) {
    // Decided once: a missing first choice in a family list would send every
    // font request of the program through fontconfig's fallback search.
    // families() answers from the font database as it is; hasFamily() would
    // run a substitution search for a font that is not there.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void Paint(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

} // namespace dicemere
