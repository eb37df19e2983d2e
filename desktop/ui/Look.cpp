// SPDX-License-Identifier: MIT
#include "Look.h"

#include <QFontDatabase>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>
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

QLabel* MakeLabel(QWidget* parent, const LabelSpec& spec) {
    QLabel* label = MakeLabel(QString::fromLatin1(spec.name), parent, QString::fromUtf8(spec.text),
                              ProgramFont(spec.points, spec.bold), QColor::fromRgb(spec.colour));
    if (spec.wrap) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    PlaceTwips(label, spec.left, spec.top, spec.width, spec.height);
    return label;
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* s = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

QFont ProgramFont(qreal pointSize, bool bold, bool underline) {
    // Decided once: a missing first choice in a family list would send every
    // font request of the program through fontconfig's fallback search.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
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

// Renders an SVG resource at the exact pixel size asked for, so the icon is
// sharp at any scale without the SVG image plugin.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        if (!renderer_) // parsed on first use, once
            renderer_ = std::make_shared<QSvgRenderer>(resource_);
        renderer_->render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(*this); }
    QString key() const override { return QStringLiteral("DicemereSvg"); }

private:
    QString resource_;
    std::shared_ptr<QSvgRenderer> renderer_;
};

} // namespace

QIcon ProgramIcon() {
    return QIcon(new SvgIconEngine(QStringLiteral(":/dicemere/com.example.Dicemere.svg")));
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
    ProgramIcon().paint(&painter, square);
}

} // namespace dicemere
