// SPDX-License-Identifier: MIT
#include "Layout.h"

#include <QLabel>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace dicemere {

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

QString VisibleText(const QString& caption) {
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

void ApplyFormFonts(QWidget* form) {
    // findChildren lists a parent before its children: a child's own size is
    // set after its parent's and stays.
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        const QVariant points = widget->property("pointSizeF");
        const QVariant families = widget->property("fontFamilies");
        if (!points.isValid() && !families.isValid())
            continue;
        QFont font = widget->font();
        if (points.isValid())
            font.setPointSizeF(points.toDouble());
        if (families.isValid())
            font.setFamilies(families.toStringList());
        widget->setFont(font);
    }
}

} // namespace dicemere
