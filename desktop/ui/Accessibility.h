// SPDX-License-Identifier: MIT
// What a screen reader is told beyond Qt's own accessibility: links that are
// links, widgets that name their own role (the main window's page stack, no
// "layered pane"), and spoken announcements.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace dicemere {

// A widget of a room above this one that names its own accessible role: the
// factory below asks it through this interface (qobject_cast), as it cannot
// know its class.
class AccessibleRole {
public:
    virtual ~AccessibleRole() = default;
    virtual QAccessible::Role Role() const = 0;
};

// Gives the program's own widgets their accessible roles. Called by those
// widgets; installs the factory once.
void InstallAccessibleRoles();

// Tells a screen reader a short text, as a notification: an empty widget that
// takes no room and no input, shown anew with each text. Sighted users see
// nothing of it; what it says is also on the screen in some form.
class Announcer final : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void Announce(const QString& text);
    const QString& Text() const { return text_; }

Q_SIGNALS:
    // Shown anew with this text.
    void announced(const QString& text);

private:
    QString text_;
};

} // namespace dicemere

Q_DECLARE_INTERFACE(dicemere::AccessibleRole, "dicemere.AccessibleRole")
