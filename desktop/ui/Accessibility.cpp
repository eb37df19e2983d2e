// SPDX-License-Identifier: MIT
#include "Accessibility.h"

#include "LinkLabel.h"

#include <QAccessibleWidget>

namespace dicemere {

namespace {

// A link label: role Link, its text as its name, and a "press" action.
class LinkAccessible final : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction())
            Q_EMIT static_cast<LinkLabel*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(name);
    }
};

// Qt asks once per class of the object's ancestry, most derived first; the
// object's own type decides here, so the first question is answered.
QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    if (auto* link = qobject_cast<LinkLabel*>(object))
        return new LinkAccessible(link);
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    auto* widget = qobject_cast<QWidget*>(object);
    if (auto* own = qobject_cast<AccessibleRole*>(object); widget && own)
        return new QAccessibleWidget(widget, own->Role());
    return nullptr;
}

} // namespace

void InstallAccessibleRoles() {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    InstallAccessibleRoles();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::Announce(const QString& text) {
    text_ = text;
    // Shown anew each time: a screen reader speaks a notification as it appears.
    hide();
    setAccessibleName(text);
    show();
    Q_EMIT announced(text);
}

} // namespace dicemere
