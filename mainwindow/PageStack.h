// SPDX-License-Identifier: MIT
// The main window's pages: what every page has, and the stack that shows one
// page at a time.
#pragma once

#include "Accessibility.h"

#include <QFrame>
#include <QStackedWidget>

namespace dicemere {

// A page of the main window; it can carry a caption along its top edge.
class PageFrame : public QFrame {
    Q_OBJECT
public:
    explicit PageFrame(QWidget* parent = nullptr) : QFrame(parent) {}
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }

    // The control that takes the focus when the page comes to the front.
    virtual QWidget* FocusControl() const = 0;

Q_SIGNALS:
    // A short text for a screen reader: what a press did.
    void tell(const QString& text);

protected:
    // The page fills its own background with its palette's window colour (set
    // in its form): one that Qt fills for it counts as opaque, and when it is
    // shown again its see-through labels are drawn twice, once with the page
    // and once more from the window.
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// The stack of pages: a plain container to a screen reader (a "filler", not
// spoken, where Qt would say "layered pane"). Moving between pages is only
// ever bringing one to the front. The main window's form uses it as a promoted
// QStackedWidget.
class PageStack final : public QStackedWidget, public AccessibleRole {
    Q_OBJECT
    Q_INTERFACES(dicemere::AccessibleRole)
public:
    explicit PageStack(QWidget* parent = nullptr);
    QAccessible::Role Role() const override { return QAccessible::Client; }
    // Brings the page to the front and gives its focus control the focus.
    void BringToFront(PageFrame* page);
};

} // namespace dicemere
