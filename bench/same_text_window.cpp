// SPDX-License-Identifier: MIT
// The second yardstick for start-up: a plain Qt main window that shows, with
// stock widgets in the same fonts, sizes and colours, what the main window's
// first paint shows: the menus, the link line, the front page's three texts,
// the list showing "4", the cast button (with the focus) and the promotion
// text in front. Plain Qt all through: stock labels, the stock style, no icon.
// bench/run compares the first paint of both (--same-look).
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

namespace {

const QColor kOlive{85, 114, 31};
const QColor kDarkGreen{0, 64, 0};
const QColor kGreen{0, 192, 0};

QFont Font(bool bold = false, bool underline = false) {
    // The program's family: Verdana where installed, else DejaVu Sans.
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void Colour(QWidget* widget, const QColor& text, const QColor& background = QColor()) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

QLabel* Label(const QString& text, QWidget* parent, const QFont& font, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    Colour(label, colour);
    return label;
}

// A centred, word-wrapped text in a given rectangle. (The program's link lines
// round the centring the other way: theirs sit a pixel higher.)
QLabel* Block(const QString& text, QWidget* parent, const QFont& font, const QColor& colour,
              const QRect& place) {
    QLabel* label = Label(text, parent, font, colour);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setGeometry(place);
    return label;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(Font());
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Dicemere v1.0"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for Software &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));

    auto* client = new QWidget;
    client->setFixedSize(591, 378);
    Colour(client, Qt::white, kOlive);
    window.setCentralWidget(client);
    Block(QStringLiteral("The Most Popular Online Mystic Discussion Forum. Click Here To Visit "
                         "www.example.com Now."),
          client, Font(true, true), Qt::white, QRect(118, -1, 354, 29));

    auto* page = new QFrame(client);
    page->setGeometry(0, 32, 591, 287);
    Colour(page, kGreen, kDarkGreen);
    Block(QStringLiteral("Dicemere is a method of numerology divination that relates dice and "
                         "numbers to help you find solutions to your problems."),
          page, Font(true), kGreen, QRect(89, 48, 413, 45));
    QLabel* focus = Label(QStringLiteral("Focus yourself on the problem on hand cast the dice."),
                          page, Font(true), kGreen);
    focus->move(122, 104);
    focus->adjustSize();
    QLabel* choose = Label(QStringLiteral("Choose number of dice to throw"), page, Font(), kGreen);
    choose->move(163, 172);
    choose->adjustSize();
    auto* number = new QComboBox(page);
    number->addItems({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    number->setCurrentIndex(2);
    QPalette palette = number->palette();
    for (const auto role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, kDarkGreen);
    for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, kGreen);
    number->setPalette(palette);
    number->setGeometry(355, 168, 73, 21);
    auto* cast =
        new QPushButton(QStringLiteral("&Concentrate on your Problem And Cast the Dice"), page);
    cast->setFont(Font(true));
    cast->setGeometry(89, 240, 413, 25);
    cast->setAutoDefault(true);
    cast->setFocus();

    auto* band = new QFrame(client);
    band->setGeometry(0, 320, 591, 57);
    Colour(band, Qt::white, kOlive);
    QLabel* promotion =
        Block(QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                             "money online. Get this software fully branded for your website. "
                             "Click here for more details."),
              band, Font(true, true), Qt::white, QRect(8, 10, 575, 41));
    Colour(promotion, Qt::white, kOlive);

    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dicemere::InstallFirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
