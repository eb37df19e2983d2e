// SPDX-License-Identifier: MIT
// Walks a window as a reader would: whether each text fits its control, the
// texts a user sees or hears, and the access keys of its captions.
#pragma once

#include "LinkLabel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace dicemere::test {

namespace detail {
// A label's text fits it: wrapped, in its height; on one line, in its width.
inline void CheckText(QWidget* label, bool wrapped, const QString& where) {
    const QString who = where + label->objectName();
    if (wrapped)
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(who + QStringLiteral(": %1 > %2")
                                      .arg(label->heightForWidth(label->width()))
                                      .arg(label->height())));
    else
        QVERIFY2(
            label->sizeHint().width() <= label->width(),
            qPrintable(
                who +
                QStringLiteral(": %1 > %2").arg(label->sizeHint().width()).arg(label->width())));
    // And the label lies inside its parent.
    QVERIFY2(label->geometry().right() < label->parentWidget()->width(), qPrintable(who));
}
} // namespace detail

// Where a label's text is drawn: its box, cut to the text's own height when
// wrapped, or to the text's own width on one line.
inline QRect Ink(QWidget* label, bool wrapped, Qt::Alignment alignment) {
    const QRect box = label->geometry();
    const QSize text =
        wrapped ? QSize(box.width(), label->heightForWidth(box.width())) : label->sizeHint();
    QRect ink(box.topLeft(), text);
    if (alignment & Qt::AlignHCenter)
        ink.moveLeft(box.left() + (box.width() - text.width()) / 2);
    if (alignment & Qt::AlignVCenter)
        ink.moveTop(box.top() + (box.height() - text.height()) / 2);
    // A widget draws nothing outside its box (a box that is too small fails
    // on its own).
    return ink & box;
}

// Nothing visible in the window is cut off, and no label's text runs into
// another's.
inline void CheckNothingCut(QWidget* window, const QString& where = QString()) {
    QList<QPair<QWidget*, QRect>> inks;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString who = where + w->objectName();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            detail::CheckText(label, label->wordWrap(), where);
            inks.append({w, Ink(w, label->wordWrap(), label->alignment())});
        }
        if (auto* link = qobject_cast<LinkLabel*>(w)) {
            detail::CheckText(link, link->wordWrap(), where);
            inks.append({w, Ink(w, link->wordWrap(), link->alignment())});
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            int room = button->width();
            if (qobject_cast<QPushButton*>(w) == nullptr)
                room -= button->iconSize().width() + 8; // a check box's box and its gap
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < room,
                     qPrintable(who));
        }
        if (auto* group = qobject_cast<QGroupBox*>(w))
            QVERIFY2(group->fontMetrics().horizontalAdvance(group->title()) < group->width(),
                     qPrintable(who));
    }
    for (const auto& [a, inkA] : inks)
        for (const auto& [b, inkB] : inks)
            if (a < b && a->parentWidget() == b->parentWidget())
                QVERIFY2(!inkA.intersects(inkB),
                         qPrintable(where + a->objectName() + QStringLiteral(" runs into ") +
                                    b->objectName()));
    // Every item of the menu bar is on the bar, none pushed into an overflow.
    if (auto* bar = window->findChild<QMenuBar*>()) {
        for (QAction* a : bar->actions())
            if (a->isVisible())
                QVERIFY2(bar->rect().contains(bar->actionGeometry(a)),
                         qPrintable(where + a->text()));
    }
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
