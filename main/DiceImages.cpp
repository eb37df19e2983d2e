// SPDX-License-Identifier: MIT
#include "DiceImages.h"

#include <QPainter>
#include <QSvgRenderer>

namespace dicemere {

DiceImageList::DiceImageList() = default;
DiceImageList::~DiceImageList() = default;

QSvgRenderer* DiceImageList::Picture(int position) {
    if (position < 1 || position > kCount)
        return nullptr;
    auto& slot = pictures_[static_cast<std::size_t>(position - 1)];
    if (!slot)
        slot = std::make_unique<QSvgRenderer>(QStringLiteral(":/dicemere/die%1.svg").arg(position));
    return slot.get();
}

void DieImage::SetPicture(QSvgRenderer* picture, int face) {
    picture_ = picture;
    face_ = face;
    update();
}

void DieImage::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    picture_->render(&painter, QRectF(rect()));
}

} // namespace dicemere
