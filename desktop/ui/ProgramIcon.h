// SPDX-License-Identifier: MIT
// The program icon: for the application and its windows, and as a picture
// inside a window.
#pragma once

#include <QIcon>
#include <QWidget>

namespace dicemere {

// The program icon, drawn at whatever size is asked; one icon for the
// application and all its windows.
QIcon ProgramIcon();

// The program icon drawn into its rectangle at the screen's own resolution.
class IconPicture final : public QWidget {
    Q_OBJECT
public:
    explicit IconPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace dicemere
