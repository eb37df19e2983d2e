// SPDX-License-Identifier: MIT
// Renders the program icon to a square PNG: rendericon <size> <png>
#include "Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int size = QString::fromLocal8Bit(argv[1]).toInt();
    if (size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    dicemere::PaintProgramIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
