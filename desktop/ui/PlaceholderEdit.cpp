// SPDX-License-Identifier: MIT
#include "PlaceholderEdit.h"

#include "TellAFriend.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace dicemere {

PlaceholderEdit::PlaceholderEdit(QWidget* parent) : QLineEdit(parent) {
    // Whatever way a space came in past the checks below (the context menu's
    // Paste, for one), the edit is taken back.
    connect(this, &QLineEdit::textEdited, this, &PlaceholderEdit::UndoEditWithSpace);
}

void PlaceholderEdit::SetPlaceholder(const QString& placeholder) {
    placeholder_ = placeholder;
    setText(placeholder);
    setAccessibleName(placeholder);
}

void PlaceholderEdit::UndoEditWithSpace() {
    // Undo may bring the placeholder back, spaces and all, as any box would.
    if (!Refuses(text()) || text() == placeholder_)
        return;
    undo();
    Q_EMIT spaceRefused();
}

bool PlaceholderEdit::Refuses(const QString& incoming) const {
    return kind_ == Kind::Address && incoming.contains(QLatin1Char(' '));
}

void PlaceholderEdit::ClearPlaceholder() {
    if (!clearPending_)
        return;
    clearPending_ = false;
    if (hasFocus() && ReferAFriend::TrimSpaces(text()) == placeholder_)
        clear();
}

void PlaceholderEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The placeholder goes once the focus change has been reported: a screen
    // reader first hears the box's name, then sees it emptied. Anything typed
    // or pasted before then clears it first.
    clearPending_ = true;
    QTimer::singleShot(0, this, &PlaceholderEdit::ClearPlaceholder);
}

void PlaceholderEdit::focusOutEvent(QFocusEvent* event) {
    clearPending_ = false;
    QLineEdit::focusOutEvent(event);
    if (ReferAFriend::TrimSpaces(text()).isEmpty())
        setText(placeholder_);
}

void PlaceholderEdit::PasteChecked() {
    ClearPlaceholder();
    if (Refuses(QGuiApplication::clipboard()->text()))
        Q_EMIT spaceRefused();
    else
        paste();
}

void PlaceholderEdit::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty() || event->matches(QKeySequence::Paste))
        ClearPlaceholder();
    if (kind_ == Kind::Address && event->text() == QLatin1String(" ")) {
        event->accept(); // the key is discarded
        Q_EMIT spaceRefused();
        return;
    }
    if (kind_ == Kind::Address && event->matches(QKeySequence::Paste)) {
        event->accept();
        PasteChecked();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PlaceholderEdit::dropEvent(QDropEvent* event) {
    ClearPlaceholder();
    if (event->mimeData() && Refuses(event->mimeData()->text())) {
        event->ignore();
        Q_EMIT spaceRefused();
        return;
    }
    QLineEdit::dropEvent(event);
}

void PlaceholderEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11.
    if (event->button() == Qt::MiddleButton &&
        Refuses(QGuiApplication::clipboard()->text(QClipboard::Selection))) {
        event->accept();
        Q_EMIT spaceRefused();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PlaceholderEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() || !event->preeditString().isEmpty())
        ClearPlaceholder();
    if (Refuses(event->commitString())) {
        event->accept();
        Q_EMIT spaceRefused();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

} // namespace dicemere
