// SPDX-License-Identifier: MIT
// The die-face pictures and the images that show them on the casting page.
#pragma once

#include <QLabel>
#include <QString>
#include <array>
#include <memory>

class QSvgRenderer;

namespace dicemere {

// IMG_Dice: six vector pictures addressed by position 1 to 6 (keys "1.jpg" to
// "6.jpg"); picture i shows the face i. Pictures are parsed on first use.
class DiceImageList {
public:
    DiceImageList();
    ~DiceImageList();
    static constexpr int kCount = 6;
    static QString Key(int position) { return QString::number(position) + QStringLiteral(".jpg"); }
    // nullptr outside 1..6.
    QSvgRenderer* Picture(int position);

private:
    std::array<std::unique_ptr<QSvgRenderer>, kCount> pictures_;
};

// One of imgDice(0..3): paints its picture stretched over its whole rectangle,
// from the vector source at the device's own resolution.
class DieImage final : public QLabel {
    Q_OBJECT
public:
    explicit DieImage(QWidget* parent = nullptr) : QLabel(parent) {}
    void SetPicture(QSvgRenderer* picture, int face);
    int Face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* picture_ = nullptr;
    int face_ = 0;
};

} // namespace dicemere
