// SPDX-License-Identifier: MIT
// Walks a window as a reader would: whether each text fits its control, the
// texts a user sees or hears, the access keys of its captions, and where each
// control lies right to left.
#pragma once

#include "Layout.h"
#include "LinkLabel.h"
#include "Mirroring.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>
#include <array>
#include <utility>

namespace dicemere::test {

// Where a line of text puts ink, set in `area` with that alignment (left and
// right as read in that direction): the outlines of its glyphs as drawn, not
// only their advance (a "J" whose hook reaches left of where its advance
// starts).
inline QRectF LineInk(const QFont& font, const QString& text, const QRect& area,
                      Qt::Alignment alignment, Qt::LayoutDirection direction) {
    const QFontMetricsF metrics(font);
    const Qt::Alignment visual = QStyle::visualAlignment(direction, alignment);
    const qreal advance = metrics.horizontalAdvance(text);
    qreal x = area.left();
    if (visual & Qt::AlignRight)
        x = area.right() + 1 - advance;
    else if (visual & Qt::AlignHCenter)
        x = area.left() + (area.width() - advance) / 2;
    QPainterPath outlines;
    outlines.addText(x, area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent(),
                     font, text);
    return outlines.boundingRect();
}

// How far a glyph's outline may graze past the edge of its text area: the
// hook of a "J" in the program's 8-point font, by half a pixel. More is a cut
// the eye sees.
constexpr qreal kGraze = 0.75;

namespace detail {
// A label's text fits it: wrapped, in its height; on one line, in its width.
inline void CheckText(QWidget* label, bool wrapped, const QString& who, QStringList& cuts) {
    if (wrapped && label->heightForWidth(label->width()) > label->height())
        cuts << who + QStringLiteral(": %1 > %2")
                          .arg(label->heightForWidth(label->width()))
                          .arg(label->height());
    if (!wrapped && label->sizeHint().width() > label->width())
        cuts << who +
                    QStringLiteral(": %1 > %2").arg(label->sizeHint().width()).arg(label->width());
    // And the label lies inside its parent, on either side.
    if (label->geometry().left() < 0 || label->geometry().right() >= label->parentWidget()->width())
        cuts << who + QStringLiteral(": outside its parent");
}

// Whether the glyphs of a line of text stay inside the area it is drawn in.
inline void CheckInk(const QWidget* w, const QString& text, const QRect& area,
                     Qt::Alignment alignment, const QString& who, QStringList& cuts) {
    const QRectF ink = LineInk(w->font(), text, area, alignment, w->layoutDirection());
    if (QFontMetricsF(w->font()).horizontalAdvance(text) > area.width() ||
        ink.left() < area.left() - kGraze || ink.right() > area.right() + 1 + kGraze)
        cuts << who + QStringLiteral(": ink %1..%2 outside %3..%4 (%5)")
                          .arg(ink.left())
                          .arg(ink.right())
                          .arg(area.left())
                          .arg(area.right() + 1)
                          .arg(text);
}

// Where a control's text goes: the style's text area of a button or check box.
inline QRect TextArea(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    return button->style()->subElementRect(element, &option, button);
}
} // namespace detail

// Where a label's text is drawn: its box, cut to the text's own height when
// wrapped, or to the text's own width on one line, on the side its alignment
// puts it in the label's direction.
inline QRect Ink(QWidget* label, bool wrapped, Qt::Alignment alignment) {
    const QRect box = label->geometry();
    const QSize text =
        wrapped ? QSize(box.width(), label->heightForWidth(box.width())) : label->sizeHint();
    // A QLabel aligns its text by the text's own direction, a LinkLabel by its own.
    Qt::LayoutDirection direction = label->layoutDirection();
    if (auto* plain = qobject_cast<QLabel*>(label))
        direction = plain->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment visual = QStyle::visualAlignment(direction, alignment);
    QRect ink(box.topLeft(), text);
    if (visual & Qt::AlignHCenter)
        ink.moveLeft(box.left() + (box.width() - text.width()) / 2);
    else if (visual & Qt::AlignRight)
        ink.moveRight(box.right());
    if (alignment & Qt::AlignVCenter)
        ink.moveTop(box.top() + (box.height() - text.height()) / 2);
    // A widget draws nothing outside its box (a box that is too small fails
    // on its own).
    return ink & box;
}

// What is cut off in the window: a text that does not fit its control, by
// its advance or by its ink, a label outside its parent, a label's text
// running into another's, an item of the menu bar pushed off it.
inline QStringList Cuts(QWidget* window, const QString& where = QString()) {
    QStringList cuts;
    QList<QPair<QWidget*, QRect>> inks;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString who = where + w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            detail::CheckText(label, label->wordWrap(), who, cuts);
            if (!label->wordWrap()) {
                const int margin = label->margin();
                detail::CheckInk(label, label->buddy() ? VisibleText(label->text()) : label->text(),
                                 label->contentsRect().adjusted(margin, margin, -margin, -margin),
                                 label->alignment(), who, cuts);
            }
            inks.append({w, Ink(w, label->wordWrap(), label->alignment())});
        }
        if (auto* link = qobject_cast<LinkLabel*>(w)) {
            detail::CheckText(link, link->wordWrap(), who, cuts);
            if (!link->wordWrap())
                detail::CheckInk(link, link->text(), link->rect(), link->alignment(), who, cuts);
            inks.append({w, Ink(w, link->wordWrap(), link->alignment())});
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            detail::CheckInk(button, VisibleText(button->text()), detail::TextArea(button),
                             qobject_cast<QPushButton*>(w) ? Qt::AlignCenter
                                                           : Qt::AlignLeft | Qt::AlignVCenter,
                             who, cuts);
        if (auto* group = qobject_cast<QGroupBox*>(w);
            group && group->fontMetrics().horizontalAdvance(group->title()) >= group->width())
            cuts << who;
    }
    for (const auto& [a, inkA] : inks)
        for (const auto& [b, inkB] : inks)
            if (a < b && a->parentWidget() == b->parentWidget() && inkA.intersects(inkB))
                cuts << where + a->objectName() + QStringLiteral(" runs into ") + b->objectName();
    // Every item of the menu bar is on the bar, none pushed into an overflow.
    if (auto* bar = window->findChild<QMenuBar*>()) {
        for (QAction* a : bar->actions())
            if (a->isVisible() && !bar->rect().contains(bar->actionGeometry(a)))
                cuts << where + a->text();
    }
    return cuts;
}

// Nothing visible in the window is cut off, and no label's text runs into
// another's.
inline void CheckNothingCut(QWidget* window, const QString& where = QString()) {
    const QStringList cuts = Cuts(window, where);
    QVERIFY2(cuts.isEmpty(), qPrintable(cuts.join(QLatin1Char('\n'))));
}

// A control's name in its window: the names of its parents and its own (or
// its class and place among its siblings, for Qt's unnamed inner parts).
inline QString PathOf(const QWidget* w) {
    QString path;
    for (; w && !w->isWindow(); w = w->parentWidget()) {
        QString name = w->objectName();
        if (name.isEmpty())
            name = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('#') +
                   QString::number(w->parent()->children().indexOf(const_cast<QWidget*>(w)));
        path.prepend(QLatin1Char('/') + name);
    }
    return path;
}

// Where a label's text lies in its parent, or a null rectangle for another control.
inline QRect TextInk(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
        return Ink(w, label->wordWrap(), label->alignment());
    if (auto* link = qobject_cast<LinkLabel*>(w))
        return Ink(w, link->wordWrap(), link->alignment());
    return {};
}

// Where each visible control of the window and a label's text lie in its
// parent, by its path.
using Places = QHash<QString, QRect>;
inline void RecordPlaces(QWidget* window, const QString& where, Places& places) {
    places.insert(where, window->rect());
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && !w->isWindow()) {
            places.insert(where + PathOf(w), w->geometry());
            places.insert(where + PathOf(w) + QStringLiteral(" text"), TextInk(w));
        }
}

// Right to left, every control lies where the same window left to right has
// it, mirrored in its parent, and a label's text stands at its other side; a
// picture keeps its place.
inline QStringList Unmirrored(QWidget* window, const QString& where, const Places& leftToRight) {
    QStringList wrong;
    if (leftToRight.value(where) != window->rect())
        wrong << where + QStringLiteral(": the window's size differs");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->isWindow())
            continue;
        const QString key = where + PathOf(w);
        if (!leftToRight.contains(key)) {
            wrong << key + QStringLiteral(": not in the window left to right");
            continue;
        }
        // The control, and a label's text aligned to the other side.
        const std::array<std::pair<QString, QRect>, 2> sides{
            {{QString(), w->geometry()}, {QStringLiteral(" text"), TextInk(w)}}};
        for (const auto& [what, actual] : sides) {
            const QRect ltr = leftToRight.value(key + what);
            QRect expected = ltr;
            if (!KeepsItsPlace(w) && !ltr.isNull())
                expected.moveLeft(w->parentWidget()->width() - ltr.left() - ltr.width());
            if (actual != expected)
                wrong << key + what +
                             QStringLiteral(": at %1,%2 %3x%4, not %5,%6 %7x%8")
                                 .arg(actual.x())
                                 .arg(actual.y())
                                 .arg(actual.width())
                                 .arg(actual.height())
                                 .arg(expected.x())
                                 .arg(expected.y())
                                 .arg(expected.width())
                                 .arg(expected.height());
        }
    }
    return wrong;
}

// Every text of the window a user may see or hear, each with where it is.
inline QList<QPair<QString, QString>> VisibleTexts(QWidget* window) {
    QList<QPair<QString, QString>> texts;
    const auto add = [&texts](const QObject* o, const QString& what, const QString& text) {
        if (!text.isEmpty())
            texts.append({o->objectName() + QLatin1Char('.') + what, text});
    };
    add(window, QStringLiteral("title"), window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w != window && !w->isVisibleTo(window))
            continue;
        add(w, QStringLiteral("name"), w->accessibleName());
        add(w, QStringLiteral("description"), w->accessibleDescription());
        add(w, QStringLiteral("tooltip"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, QStringLiteral("text"), label->text());
        if (auto* link = qobject_cast<LinkLabel*>(w))
            add(w, QStringLiteral("text"), link->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, QStringLiteral("text"), button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            add(w, QStringLiteral("title"), group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(w, QStringLiteral("text"), edit->text());
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
            add(w, QStringLiteral("text"), edit->toPlainText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral("item"), combo->itemText(i));
        for (QAction* a : w->actions()) {
            add(a, QStringLiteral("text"), a->text());
            if (QMenu* menu = a->menu())
                for (QAction* item : menu->actions())
                    add(item, QStringLiteral("text"), item->text());
        }
    }
    return texts;
}

// The access key a caption marks with "&" (a "&&" is a plain ampersand),
// or a null character when it marks none; more than one mark fails the test.
inline QChar AccessKey(const QString& caption) {
    QChar key;
    int marks = 0;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&')) {
            key = caption[i + 1].toLower();
            ++marks;
        }
        ++i;
    }
    if (marks > 1)
        QTest::qFail(qPrintable(QStringLiteral("two access keys in ") + caption), __FILE__,
                     __LINE__);
    return key;
}

} // namespace dicemere::test
