// SPDX-License-Identifier: MIT
#include "Mirroring.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QWidget>

namespace dicemere {

namespace {

constexpr char kKeepsItsPlace[] = "dicemere_keepsItsPlace";

// Whether the program itself places the widget's children by position: a plain
// container (a window, a page, a frame or group box). Qt's own controls place
// their inner parts themselves, right to left included.
bool PlacesChildrenByPosition(const QWidget* parent) {
    return !(qobject_cast<const QAbstractButton*>(parent) ||
             qobject_cast<const QAbstractScrollArea*>(parent) ||
             qobject_cast<const QAbstractSlider*>(parent) ||
             qobject_cast<const QAbstractSpinBox*>(parent) ||
             qobject_cast<const QComboBox*>(parent) || qobject_cast<const QLineEdit*>(parent) ||
             qobject_cast<const QMenuBar*>(parent) || qobject_cast<const QMenu*>(parent) ||
             qobject_cast<const QTabBar*>(parent) || qobject_cast<const QToolBar*>(parent) ||
             qobject_cast<const QStatusBar*>(parent));
}

bool Placeable(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return !widget->isWindow() && parent && PlacesChildrenByPosition(parent) &&
           !(parent->layout() && parent->layout()->indexOf(widget) >= 0) && !KeepsItsPlace(widget);
}

class Mirror final : public QObject {
public:
    using QObject::QObject;

    // Watches the program's events from the first time it is right to left
    // on: left to right, nothing is asked of any event.
    void Watch() {
        if (watching_ || !QGuiApplication::isRightToLeft())
            return;
        watching_ = true;
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::LayoutDirectionChange: {
            if (!object->isWidgetType())
                break;
            auto* widget = static_cast<QWidget*>(object);
            Place(widget, widget->isRightToLeft() && widget->isVisible());
            break;
        }
        case QEvent::Move:
            if (!placed_.isEmpty() && object->isWidgetType())
                Place(static_cast<QWidget*>(object), false);
            break;
        case QEvent::Resize:
            // The widget's own width, and its children's distance from its right edge.
            if (!placed_.isEmpty() && object->isWidgetType()) {
                Place(static_cast<QWidget*>(object), false);
                for (QObject* child : object->children())
                    if (child->isWidgetType())
                        Place(static_cast<QWidget*>(child), false);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Spot {
        int left;                // where the program put it, from its parent's left edge
        int placed;              // where it is now, as placed here
        Qt::Alignment alignment; // a label's, as the program set it
    };

    // A label aligns its text by the text's own direction: a name or a number
    // alone would stand at the left. Right to left, what the program aligned
    // to the start stands at the right, whatever it says.
    static void Align(QLabel* label, Qt::Alignment alignment) {
        if ((alignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeading && label->isRightToLeft())
            alignment = (alignment & Qt::AlignVertical_Mask) | Qt::AlignRight | Qt::AlignAbsolute;
        if (label->alignment() != alignment)
            label->setAlignment(alignment);
    }

    // Puts a widget where its direction wants it. A widget is taken on when
    // it is first shown right to left; one not taken on is left alone.
    void Place(QWidget* widget, bool takeOn) {
        auto spot = placed_.find(widget);
        if (spot == placed_.end()) {
            if (!takeOn || !Placeable(widget))
                return;
            auto* label = qobject_cast<QLabel*>(widget);
            spot = placed_.insert(
                widget, {widget->x(), widget->x(), label ? label->alignment() : Qt::Alignment()});
            connect(widget, &QObject::destroyed, this, [this, widget] { placed_.remove(widget); });
        }
        // Moved by the program since: its new place is from the left.
        if (widget->x() != spot->placed)
            spot->left = widget->x();
        const int x = widget->isRightToLeft()
                          ? widget->parentWidget()->width() - spot->left - widget->width()
                          : spot->left;
        spot->placed = x;
        if (x != widget->x())
            widget->move(x, widget->y());
        if (auto* label = qobject_cast<QLabel*>(widget))
            Align(label, spot->alignment);
    }

    QHash<const QWidget*, Spot> placed_;
    bool watching_ = false;
};

} // namespace

void InstallMirroring() {
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("dicemere_mirror");
    if (app->findChild<QObject*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* mirror = new Mirror(app);
    mirror->setObjectName(name);
    QObject::connect(qGuiApp, &QGuiApplication::layoutDirectionChanged, mirror, &Mirror::Watch);
    mirror->Watch();
}

void KeepUnmirrored(QWidget* widget) { widget->setProperty(kKeepsItsPlace, true); }

bool KeepsItsPlace(const QWidget* widget) { return widget->property(kKeepsItsPlace).toBool(); }

} // namespace dicemere
