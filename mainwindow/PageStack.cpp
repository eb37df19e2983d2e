// SPDX-License-Identifier: MIT
#include "PageStack.h"

#include "Accessibility.h"

#include <QPaintEvent>
#include <QPainter>

namespace dicemere {

void PageFrame::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void PageFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter background(this);
        background.fillRect(event->rect(), palette().window());
    }
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect().adjusted(8, 0, -8, 0), Qt::AlignTop | Qt::AlignLeft, caption_);
}

PageStack::PageStack(QWidget* parent) : QStackedWidget(parent) { InstallAccessibleRoles(); }

void PageStack::BringToFront(PageFrame* page) {
    // The focus leaves the old page first: hiding the page that holds it would
    // pass it on to the next control in the window (the promotion label) on
    // its way to the new page, and a screen reader would follow it there.
    if (QWidget* focus = window()->focusWidget();
        focus && currentWidget() && currentWidget()->isAncestorOf(focus))
        focus->clearFocus();
    // A covered page is hidden by the stack, so it takes no keyboard or mouse input.
    setCurrentWidget(page);
    page->FocusControl()->setFocus(Qt::OtherFocusReason);
}

} // namespace dicemere
