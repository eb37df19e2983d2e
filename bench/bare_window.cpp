// SPDX-License-Identifier: MIT
// The yardstick for start-up: a bare Qt main window of the main window's size,
// with the same three menus and one line of text, and nothing else.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.menuBar()->addAction(QStringLiteral("&Donate"));
    auto* client = new QWidget;
    client->setFixedSize(591, 378);
    auto* line = new QLabel(QStringLiteral("Choose number of dice to throw"), client);
    line->move(163, 204);
    window.setCentralWidget(client);
    dicemere::InstallFirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
