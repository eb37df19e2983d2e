// SPDX-License-Identifier: MIT
// Draws the program icon at build time, with the code the program draws it with:
//   rendericon <size> <png>             one square PNG
//   rendericon --ico <ico> <size>...    a Windows icon holding every size (PNG entries)
//   rendericon --cpp <cpp> <size>...    C++ source with every size's pixels (IconBitmaps.h)
#include "Pictures.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>

namespace {

QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    dicemere::PaintProgramIcon(painter, QRectF(0, 0, size, size));
    return image;
}

void Put16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}
void Put32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

// ICONDIR, one ICONDIRENTRY per size, then each image as a PNG.
bool WriteIco(const QString& path, const QList<int>& sizes) {
    QList<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (size <= 0 || size > 256 || !Icon(size).save(&buffer, "PNG"))
            return false;
        pngs << png;
    }
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1); // an icon
    Put16(out, static_cast<quint16>(sizes.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const char side = static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]); // 0 means 256
        out.append(side).append(side).append('\0').append('\0');
        Put16(out, 1);  // planes
        Put16(out, 32); // bits per pixel
        Put32(out, static_cast<quint32>(pngs[i].size()));
        Put32(out, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out += png;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// The pixels as constants, so that the program shows them without drawing.
bool WriteCpp(const QString& path, const QList<int>& sizes) {
    QByteArray out = "// Drawn by rendericon at build time: the program icon's pixels.\n"
                     "#include \"IconBitmaps.h\"\n\nnamespace dicemere {\nnamespace {\n";
    QByteArray table;
    for (int size : sizes) {
        if (size <= 0 || size > 256)
            return false;
        const QImage image = Icon(size);
        out += "const quint32 kIcon" + QByteArray::number(size) + "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                out += (x % 8 == 0 ? "\n    0x" : " 0x") +
                       QByteArray::number(row[x], 16).rightJustified(8, '0') + ',';
        }
        out += "\n};\n";
        table +=
            "        {" + QByteArray::number(size) + ", kIcon" + QByteArray::number(size) + "},\n";
    }
    out += "} // namespace\n\nstd::span<const IconBitmap> ProgramIconBitmaps() {\n"
           "    static const IconBitmap kBitmaps[] = {\n" +
           table + "    };\n    return kBitmaps;\n}\n\n} // namespace dicemere\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() >= 3 &&
        (args[0] == QLatin1String("--ico") || args[0] == QLatin1String("--cpp"))) {
        QList<int> sizes;
        for (const QString& s : args.mid(2))
            sizes << s.toInt();
        const bool written =
            args[0] == QLatin1String("--ico") ? WriteIco(args[1], sizes) : WriteCpp(args[1], sizes);
        return written ? 0 : 1;
    }
    if (args.size() != 2)
        return 2;
    const int size = args[0].toInt();
    if (size <= 0)
        return 1;
    return Icon(size).save(args[1], "PNG") ? 0 : 1;
}
