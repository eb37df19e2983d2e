// SPDX-License-Identifier: MIT
// The main window on test doubles, with the few moves every window test makes.
#pragma once

#include "Doubles.h"
#include "MainWindow.h"

#include <QComboBox>
#include <QPushButton>
#include <vector>

namespace dicemere::test {

struct MainWindowRig {
    FakeServices fakes;
    ScriptedRandom& random = fakes.random;
    FakeMessageBoxes& boxes = fakes.boxes;
    FakeUrlOpener& opener = fakes.opener;
    const LinkOpeners& help = fakes.help;
    MainWindow window{fakes.services};

    // The control of that name; a missing one ends the test at once.
    template <typename T = QWidget> T* get(const QString& name) {
        T* w = window.findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QPushButton* button(const char* name) { return get<QPushButton>(QString::fromLatin1(name)); }

    // Chooses n dice and starts the cast.
    void cast(int n) {
        get<QComboBox>(QStringLiteral("diceCountBox"))->setCurrentText(QString::number(n));
        button("castButton")->click();
    }
    void press() { button("throwButton")->click(); }

    // A whole cast whose dice end with these values, up to the result page.
    void castAndShow(const std::vector<int>& values) {
        ScriptCast(random, values);
        cast(static_cast<int>(values.size()));
        for (std::size_t i = 0; i < values.size() + 2; ++i)
            press();
    }
};

} // namespace dicemere::test
