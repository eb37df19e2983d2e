// SPDX-License-Identifier: MIT
#include "Layout.h"

#include "FontsAndColours.h"

#include <QLabel>
#include <QStyle>
#include <QWidget>

namespace dicemere {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}

QLabel* MakeLabel(const QString& name, QWidget* parent, const QString& text, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Paint(label, colour);
    return label;
}

void FitToText(QLabel* label) {
    // As QLabel measures itself: centring left out, a box wide enough for one line.
    const int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) &
                      ~int(Qt::AlignVCenter | Qt::AlignHCenter);
    const int margins = 2 * label->margin();
    const QSize text = label->fontMetrics()
                           .boundingRect(QRect(0, 0, 2000 - margins, 2000), flags, label->text())
                           .size();
    const QMargins m = label->contentsMargins();
    label->resize(text + QSize(margins + m.left() + m.right(), margins + m.top() + m.bottom()));
}

QLabel* MakeLabel(QWidget* parent, const LabelRow& row, const QString& text) {
    QLabel* label = MakeLabel(QString::fromLatin1(row.name), parent, text,
                              ProgramFont(row.points, row.bold), QColor::fromRgb(row.colour));
    if (row.wrap) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    PlaceTwips(label, row.left, row.top, row.width, row.height);
    return label;
}

QString VisibleText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace dicemere
