// SPDX-License-Identifier: MIT
// A label that acts as a link: hand pointer, click, and Space or Enter when
// it has the keyboard focus.
#pragma once

#include <QLabel>

namespace dicemere {

class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace dicemere
