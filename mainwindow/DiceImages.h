// SPDX-License-Identifier: MIT
// The die-face pictures and the images that show them on the casting page.
#pragma once

#include <QLabel>
#include <QString>
#include <array>

class QPainter;

namespace dicemere {

// One die-face picture, drawn as vectors at whatever size it is shown.
class DieFacePicture {
public:
    explicit DieFacePicture(int face = 0) : face_(face) {}
    int Face() const { return face_; }
    void Paint(QPainter& painter, const QRectF& rect) const;

private:
    int face_;
};

// The six die faces the casting page shows, addressed by position 1 to 6;
// picture i shows the face i.
class DiceImageList {
public:
    DiceImageList();
    static constexpr int kCount = 6;
    // nullptr outside 1..6.
    const DieFacePicture* Picture(int position) const;

private:
    std::array<DieFacePicture, kCount> pictures_;
};

// One of the casting page's four dice (die1 to die4 in its form): paints its picture stretched over
// its whole rectangle, at the device's own resolution.
class DieImage final : public QLabel {
    Q_OBJECT
public:
    explicit DieImage(QWidget* parent = nullptr) : QLabel(parent) {}
    void SetPicture(const DieFacePicture* picture, int face);
    int Face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DieFacePicture* picture_ = nullptr;
    int face_ = 0;
};

} // namespace dicemere
