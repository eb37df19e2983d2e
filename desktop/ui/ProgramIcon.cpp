// SPDX-License-Identifier: MIT
#include "ProgramIcon.h"

#include "IconBitmaps.h"
#include "Pictures.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace dicemere {

namespace {

// The program icon at any size. The sizes a desktop asks a window for were
// drawn at build time and are shown as they are (drawing them all costs more
// than the rest of what a start does besides text); any other size is drawn
// when first asked for. Either way it is kept.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        PaintProgramIcon(*painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QString key =
            QStringLiteral("dicemere-icon-%1x%2").arg(size.width()).arg(size.height());
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        if (const IconBitmap* drawn = Drawn(size)) {
            const QImage image(reinterpret_cast<const uchar*>(drawn->pixels), drawn->size,
                               drawn->size, qsizetype{drawn->size} * 4,
                               QImage::Format_ARGB32_Premultiplied);
            pixmap = QPixmap::fromImage(image);
        } else {
            pixmap = QPixmap(size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    // The drawn sizes: the window system takes those without asking for every size between.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconBitmap& drawn : ProgramIconBitmaps())
            sizes.append(QSize(drawn.size, drawn.size));
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("DicemereIcon"); }

private:
    static const IconBitmap* Drawn(const QSize& size) {
        for (const IconBitmap& drawn : ProgramIconBitmaps())
            if (size == QSize(drawn.size, drawn.size))
                return &drawn;
        return nullptr;
    }
};

} // namespace

QIcon ProgramIcon() {
    static const QIcon icon(new ProgramIconEngine);
    return icon;
}

IconPicture::IconPicture(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Dicemere icon"));
}

void IconPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The 32 by 32 icon, centred in the picture box.
    QRect square(0, 0, 32, 32);
    square.moveCenter(rect().center());
    PaintProgramIcon(painter, QRectF(square));
}

} // namespace dicemere
