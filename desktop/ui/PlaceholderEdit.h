// SPDX-License-Identifier: MIT
// A one-line text box that holds a placeholder as its own text while it is
// empty: the placeholder goes when the box takes the focus and comes back when
// the box is left empty. An address box also refuses a space however it would
// come in: typed, pasted, dropped, pasted with the middle button or composed.
#pragma once

#include <QLineEdit>

namespace dicemere {

class PlaceholderEdit final : public QLineEdit {
    Q_OBJECT
public:
    enum class Kind { Text, Address };
    PlaceholderEdit(const QString& name, const QString& placeholder, Kind kind,
                    QWidget* parent = nullptr);

    const QString& Placeholder() const { return placeholder_; }
    // Pastes the clipboard, unless it would bring a space into an address.
    void PasteChecked();

Q_SIGNALS:
    // An address box turned a space away; the text is unchanged.
    void spaceRefused();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool Refuses(const QString& incoming) const;
    void ClearPlaceholder();

    QString placeholder_;
    Kind kind_;
    bool clearPending_ = false;
};

} // namespace dicemere
