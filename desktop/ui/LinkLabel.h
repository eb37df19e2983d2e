// SPDX-License-Identifier: MIT
// A line of text that acts as a link: hand pointer, click, and Space or Enter
// when it has the keyboard focus. It draws its own text: a focusable QLabel
// would build a whole text document for it. The forms use it as a promoted
// QWidget.
#pragma once

#include <QWidget>

namespace dicemere {

class LinkLabel final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Shows a caption as a button does: "&&" as one ampersand; a lone "&" is dropped.
    void setText(const QString& caption);
    const QString& text() const { return text_; }
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return wordWrap_; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int TextFlags() const;

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter; // as a QLabel's
    bool wordWrap_ = false;
    bool pressed_ = false;
    // The text's height at one width, kept between paints: measuring means
    // shaping the whole text again.
    mutable int measuredWidth_ = -1;
    mutable int measuredHeight_ = 0;
};

} // namespace dicemere
