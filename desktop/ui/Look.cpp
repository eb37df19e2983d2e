// SPDX-License-Identifier: MIT
#include "Look.h"

#include "IconBitmaps.h"
#include "Pictures.h"
#include "WindowPlacement.h"

#include <QFontDatabase>
#include <QIconEngine>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <memory>

namespace dicemere {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}

QLabel* MakeLabel(const QString& name, QWidget* parent, const QString& text, const QFont& font,
                  const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Paint(label, colour);
    return label;
}

void FitToText(QLabel* label) {
    // As QLabel measures itself: centring left out, a box wide enough for one line.
    const int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) &
                      ~int(Qt::AlignVCenter | Qt::AlignHCenter);
    const int margins = 2 * label->margin();
    const QSize text = label->fontMetrics()
                           .boundingRect(QRect(0, 0, 2000 - margins, 2000), flags, label->text())
                           .size();
    const QMargins m = label->contentsMargins();
    label->resize(text + QSize(margins + m.left() + m.right(), margins + m.top() + m.bottom()));
}

QLabel* MakeLabel(QWidget* parent, const LabelRow& row) {
    QLabel* label = MakeLabel(QString::fromLatin1(row.name), parent, QString::fromUtf8(row.text),
                              ProgramFont(row.points, row.bold), QColor::fromRgb(row.colour));
    if (row.wrap) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    PlaceTwips(label, row.left, row.top, row.width, row.height);
    return label;
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        // move() places the frame's top-left corner, title bar included.
        window->move(PlaceWindow(window->frameGeometry().size(), s->availableGeometry()));
    }
}

QFont ProgramFont(qreal pointSize, bool bold, bool underline) {
    // Decided once: a missing first choice in a family list would send every
    // font request of the program through fontconfig's fallback search.
    // families() answers from the font database as it is; hasFamily() would
    // run a substitution search for a font that is not there.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void Paint(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

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

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    // The menu bar's overflow button takes its picture from a PNG file, which
    // makes Qt load and ask every image plugin at start-up; the main window
    // has a fixed size, and its menu bar never overflows.
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton)
        return {};
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace dicemere

namespace dicemere {

IconPicture::IconPicture(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Dicemere icon"));
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
