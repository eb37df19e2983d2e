// SPDX-License-Identifier: MIT
// What a user's press costs, through the real window (offscreen): the press
// and then the event loop's own repaint of whatever it changed.
#include "DiceCast.h"
#include "Doubles.h"
#include "MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

using namespace dicemere;

struct Window {
    test::FakeServices fakes;
    MainWindow window{fakes.services};
    QPushButton* proceed;
    QPushButton* throwDice = nullptr;
    QComboBox* dice;
    Window() {
        window.show();
        QApplication::processEvents();
        proceed = window.findChild<QPushButton*>(QStringLiteral("castButton"));
        dice = window.findChild<QComboBox*>(QStringLiteral("diceCountBox"));
    }
    // Lets the event loop do what follows a press: the repaint of what changed.
    static void Settle() {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
    void Throw() {
        throwDice->click();
        Settle();
    }
    // Starts a cast whose dice end with these values, all landing inside.
    void Start(const std::vector<int>& values) {
        test::ScriptCast(fakes.random, values);
        dice->setCurrentText(QString::number(values.size()));
        proceed->click();
        if (!throwDice)
            throwDice = window.findChild<QPushButton*>(QStringLiteral("throwButton"));
        Settle();
    }
};

// One throw: the die appears in its place and the caption changes.
void ThrowPress(benchmark::State& state) {
    Window w;
    int thrown = 4;
    for (auto _ : state) {
        if (thrown == 4) { // a fresh cast every four dice
            state.PauseTiming();
            w.Start({1, 2, 3, 4});
            thrown = 0;
            state.ResumeTiming();
        }
        w.Throw();
        ++thrown;
    }
}
BENCHMARK(ThrowPress)->Unit(benchmark::kMicrosecond);

// The press that shows the result page, with a different cast's reading each
// time: every value label really changes.
void ShowNewReading(benchmark::State& state) {
    Window w;
    std::vector<std::vector<int>> casts;
    for (int a = 0; a <= 6; ++a)
        for (int b = 0; b <= 6; ++b)
            casts.push_back({a, b});
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.Start(casts[next++ % casts.size()]);
        for (int i = 0; i < 3; ++i) // two dice, then the invitation
            w.Throw();
        state.ResumeTiming();
        w.Throw(); // the result page, drawn
    }
}
BENCHMARK(ShowNewReading)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
