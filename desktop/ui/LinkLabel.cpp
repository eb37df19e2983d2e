// SPDX-License-Identifier: MIT
#include "LinkLabel.h"

#include "Accessibility.h"
#include "Layout.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace dicemere {

LinkLabel::LinkLabel(QWidget* parent) : QWidget(parent) {
    InstallAccessibleRoles();
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::setText(const QString& caption) {
    text_ = VisibleText(caption);
    setAccessibleName(text_);
    measuredWidth_ = -1;
    updateGeometry();
    update();
}

void LinkLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    measuredWidth_ = -1;
    update();
}

void LinkLabel::setWordWrap(bool on) {
    wordWrap_ = on;
    measuredWidth_ = -1;
    updateGeometry();
    update();
}

int LinkLabel::TextFlags() const {
    return int(QStyle::visualAlignment(layoutDirection(), alignment_)) |
           (wordWrap_ ? Qt::TextWordWrap : 0);
}

QSize LinkLabel::sizeHint() const {
    return fontMetrics()
        .boundingRect(QRect(0, 0, wordWrap_ ? width() : 0, 0), TextFlags(), text_)
        .size();
}

int LinkLabel::heightForWidth(int width) const {
    if (width != measuredWidth_) {
        measuredHeight_ =
            fontMetrics().boundingRect(QRect(0, 0, width, 0), TextFlags(), text_).height();
        measuredWidth_ = width;
    }
    return measuredHeight_;
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        measuredWidth_ = -1;
    QWidget::changeEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Centred vertically on whole pixels, rounded up, as a label lays out its text.
    QRect area = rect();
    int flags = TextFlags();
    if (alignment_ & Qt::AlignVCenter) {
        const int textHeight = heightForWidth(width());
        area.setTop(std::max(0, (height() - textHeight) / 2));
        flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
    }
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text_,
                          QPalette::WindowText);
    if (!hasFocus())
        return;
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace dicemere
