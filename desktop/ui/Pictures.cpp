// SPDX-License-Identifier: MIT
#include "Pictures.h"

#include "FontsAndColours.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace dicemere {

namespace {

const QColor kIvory(0xfd, 0xfc, 0xf5);
const QColor kPip(0x1a, 0x1a, 0x1a);

// Draws on a square grid of the given size, scaled into rect.
class Grid {
public:
    Grid(QPainter& painter, const QRectF& rect, qreal size) : painter_(painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.translate(rect.topLeft());
        painter_.scale(rect.width() / size, rect.height() / size);
    }
    ~Grid() { painter_.restore(); }
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

private:
    QPainter& painter_;
};

void Pip(QPainter& painter, qreal x, qreal y, qreal r) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPip);
    painter.drawEllipse(QPointF(x, y), r, r);
}

} // namespace

void PaintDieFace(QPainter& painter, const QRectF& rect, int face) {
    // Pip places on the 42-unit grid: corners at 11 and 31, the middle at 21.
    struct Spot {
        qreal x, y;
    };
    static constexpr std::array<std::array<Spot, 6>, 6> kPips{{
        {{{21, 21}}},
        {{{11, 11}, {31, 31}}},
        {{{11, 11}, {21, 21}, {31, 31}}},
        {{{11, 11}, {31, 11}, {11, 31}, {31, 31}}},
        {{{11, 11}, {31, 11}, {21, 21}, {11, 31}, {31, 31}}},
        {{{11, 11}, {31, 11}, {11, 21}, {31, 21}, {11, 31}, {31, 31}}},
    }};
    if (face < 1 || face > 6)
        return;
    const Grid grid(painter, rect, 42);
    painter.setPen(QPen(QColor(0x3c, 0x3c, 0x3c), 1.5));
    painter.setBrush(kIvory);
    painter.drawRoundedRect(QRectF(1, 1, 40, 40), 7, 7);
    for (int i = 0; i < face; ++i) {
        const Spot& s = kPips[static_cast<std::size_t>(face - 1)][static_cast<std::size_t>(i)];
        Pip(painter, s.x, s.y, 4);
    }
}

void PaintProgramIcon(QPainter& painter, const QRectF& rect) {
    const Grid grid(painter, rect, 128);
    // An olive disc with a dark green rim...
    painter.setPen(QPen(colours::kDarkGreen, 4));
    painter.setBrush(colours::kOlive);
    painter.drawEllipse(QPointF(64, 64), 60, 60);
    // ...and a five, tilted a little.
    painter.translate(64, 64);
    painter.rotate(-12);
    painter.translate(-64, -64);
    painter.setPen(QPen(QColor(0x1f, 0x2a, 0x0b), 3));
    painter.setBrush(kIvory);
    painter.drawRoundedRect(QRectF(30, 30, 68, 68), 12, 12);
    for (const QPointF& p :
         {QPointF(48, 48), QPointF(64, 64), QPointF(80, 80), QPointF(80, 48), QPointF(48, 80)})
        Pip(painter, p.x(), p.y(), 7);
}

} // namespace dicemere
