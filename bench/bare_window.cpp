// SPDX-License-Identifier: MIT
// The yardstick for start-up: a bare Qt window of the main window's size,
// with a menu bar, and nothing else.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* client = new QWidget;
    client->setFixedSize(591, 378);
    window.setCentralWidget(client);
    dicemere::InstallFirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
