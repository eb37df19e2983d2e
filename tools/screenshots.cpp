// SPDX-License-Identifier: MIT
// Makes the README's pictures from the real windows: a scripted cast,
// grabbed off screen, in the desktop's language as the program chooses it
// (LANG=de_DE.UTF-8 for German). Usage: screenshots <output folder> [scale]
#include "AboutWindow.h"
#include "AppInfo.h"
#include "DiceCast.h"
#include "Doubles.h"
#include "ExitScreen.h"
#include "FontsAndColours.h"
#include "Links.h"
#include "MainWindow.h"
#include "Mirroring.h"
#include "Translation.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

using namespace dicemere;

namespace {

void Save(const QPixmap& pixmap, const QDir& dir, const char* name) {
    pixmap.save(dir.filePath(QString::fromLatin1(name)));
}

// The window with a message box drawn over its middle, as the user sees it.
QPixmap WithMessage(QWidget& window, const QString& text) {
    QPixmap shot = window.grab();
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(kAppName), text, QMessageBox::Ok);
    box.show();
    const QPixmap message = box.grab();
    QPainter painter(&shot);
    const QSizeF logical = QSizeF(shot.size()) / shot.devicePixelRatio();
    const QSizeF m = QSizeF(message.size()) / message.devicePixelRatio();
    // Below the circle, so the die on its border stays in sight.
    const QPointF at((logical.width() - m.width()) / 2, logical.height() * 0.52);
    painter.fillRect(QRectF(at, m).adjusted(-1, -1, 1, 1), Qt::black);
    painter.drawPixmap(at, message);
    return shot;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    QApplication::setFont(ProgramFont()); // as the program does
    Translations translations;
    translations.Install(
        ChooseTranslation(QLocale::system().uiLanguages(), AvailableTranslations()));
    InstallMirroring(); // as the program does
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // Doubles stand in for the platform: no browser opens and a message is
    // recorded instead of waited on.
    test::FakeServices fakes;
    test::ScriptedRandom& random = fakes.random;
    MainWindow window(fakes.services);
    window.show();
    Save(window.grab(), out, "front-page.png");

    // Three dice: inside, border then outside, inside.
    random.values = {0.1f, 0.5f, 0.1f, 0.55f, 0.95f, 0.9f};
    window.findChild<QComboBox*>(QStringLiteral("diceCountBox"))
        ->setCurrentText(QStringLiteral("3"));
    auto* proceed = window.findChild<QPushButton*>(QStringLiteral("castButton"));
    proceed->click();
    auto* dice = window.findChild<QPushButton*>(QStringLiteral("throwButton"));
    dice->click();
    dice->click();
    Save(WithMessage(window, fakes.boxes.shown.last().text), out, "casting-border.png");

    // 5 then 6: the master number 11.
    random.values = {0.0f, 0.0f, 0.85f, 0.95f, 0.5f, 0.5f};
    window.findChild<QComboBox*>(QStringLiteral("diceCountBox"))
        ->setCurrentText(QStringLiteral("2"));
    proceed->click();
    for (int i = 0; i < 4; ++i)
        dice->click();
    Save(window.grab(), out, "result-master.png");

    AboutWindow about(fakes.help);
    about.show();
    Save(about.grab(), out, "about.png");

    random.values = {0.3f};
    ExitScreen exitScreen(fakes.services);
    exitScreen.show();
    Save(exitScreen.grab(), out, "exit-screen.png");
    return 0;
}
