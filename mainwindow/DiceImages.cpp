// SPDX-License-Identifier: MIT
#include "DiceImages.h"

#include "Pictures.h"

#include <QPainter>

namespace dicemere {

void DieFacePicture::Paint(QPainter& painter, const QRectF& rect) const {
    PaintDieFace(painter, rect, face_);
}

DiceImageList::DiceImageList() {
    for (int position = 1; position <= kCount; ++position)
        pictures_[static_cast<std::size_t>(position - 1)] = DieFacePicture(position);
}

const DieFacePicture* DiceImageList::Picture(int position) const {
    if (position < 1 || position > kCount)
        return nullptr;
    return &pictures_[static_cast<std::size_t>(position - 1)];
}

void DieImage::SetPicture(const DieFacePicture* picture, int face) {
    picture_ = picture;
    face_ = face;
    update();
}

void DieImage::paintEvent(QPaintEvent*) {
    if (!picture_)
        return;
    QPainter painter(this);
    picture_->Paint(painter, QRectF(rect()));
}

} // namespace dicemere
