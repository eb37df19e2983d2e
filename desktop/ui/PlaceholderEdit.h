// SPDX-License-Identifier: MIT
// A one-line text box that holds a placeholder as its own text while it is
// empty: the placeholder goes when the box takes the focus and comes back when
// the box is left empty. An address box also refuses a space however it would
// come in: typed, pasted (from the keyboard or the context menu), dropped,
// pasted with the middle button or composed. The forms use it as a promoted
// QLineEdit; its placeholder is given by the class behind the form.
#pragma once

#include <QLineEdit>

namespace dicemere {

class PlaceholderEdit final : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(Kind kind READ kind WRITE setKind)
public:
    enum class Kind { Text, Address };
    Q_ENUM(Kind)
    explicit PlaceholderEdit(QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    void setKind(Kind kind) { kind_ = kind; }
    // Shows the placeholder and names the box after it.
    void SetPlaceholder(const QString& placeholder);
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

private:
    bool Refuses(const QString& incoming) const;
    void ClearPlaceholder();
    void UndoEditWithSpace();

    QString placeholder_;
    Kind kind_ = Kind::Text;
    bool clearPending_ = false;
};

} // namespace dicemere
