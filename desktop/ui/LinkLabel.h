// SPDX-License-Identifier: MIT
// A line of text that acts as a link: hand pointer, click, and Space or Enter
// when it has the keyboard focus. It draws its own text: a focusable QLabel
// would build a whole text document for it.
#pragma once

#include <QWidget>

namespace dicemere {

class LinkLabel final : public QWidget {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

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
