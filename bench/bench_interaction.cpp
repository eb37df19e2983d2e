// SPDX-License-Identifier: MIT
// One press of the throw button, and the result step with its repaint,
// through the real window (offscreen).
#include "DiceCast.h"
#include "Doubles.h"
#include "frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

using namespace dicemere;

struct Window {
    // Every die lands inside the circle (the scripted source, once empty,
    // draws 0): no message box to wait on.
    test::ScriptedRandom draws;
    test::FakeMessageBoxes boxes;
    test::FakeUrlOpener opener;
    modHelp help{opener};
    test::FakeLock lock;
    test::MemorySettings settings;
    test::FixedClock clock;
    ProgramEnd end{{}, {}};
    Services services{lock, draws, settings, clock, boxes, help, end};
    frmMain window{services};
    QPushButton* proceed;
    QPushButton* throwDice;
    Window() {
        window.show();
        QApplication::processEvents();
        proceed = window.findChild<QPushButton*>(QStringLiteral("cmdProceed"));
        proceed->click(); // builds the casting page
        throwDice = window.findChild<QPushButton*>(QStringLiteral("cmdThrowDice"));
    }
};

void ThrowPress(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        state.PauseTiming();
        if (w.window.Cast().ThrowCount() >= 4) // a fresh cast every four dice
            w.proceed->click();
        state.ResumeTiming();
        w.throwDice->click();
        w.window.repaint();
    }
}
BENCHMARK(ThrowPress)->Unit(benchmark::kMicrosecond);

void ShowResultWithRepaint(benchmark::State& state) {
    Window w;
    w.proceed->click();
    for (int i = 0; i < 6; ++i)
        w.throwDice->click();
    for (auto _ : state) {
        w.window.ShowResult();
        w.window.repaint();
    }
}
BENCHMARK(ShowResultWithRepaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
