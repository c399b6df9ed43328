// One stopwatch press on a driver slot that already holds 999 recorded times, with everything on screen
// following it: the slot's lap table view, figures, time window and pit crew panel redrawn and painted
// (offscreen).
#include "lap_press_fixture.h"
#include "ui/timing/live_timing_view.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_PressOnFullSlotWithPage(benchmark::State& state) {
    LapPressFixture f(int(state.range(0)));
    QWidget mainWindow;
    mainWindow.resize(1200, 800);
    auto* host = new QWidget(&mainWindow);
    host->resize(1200, 800);
    LiveTimingView view(f.model, &mainWindow, host, nullptr);
    mainWindow.show();
    f.FillSlot();
    QApplication::processEvents();
    for (auto _ : state) {
        f.clock.tick += 61000;
        if (!f.model.StopwatchPress(1)) state.SkipWithError("press refused");
        QApplication::processEvents(); // layout and paint of what changed
        state.PauseTiming();
        f.model.Undo(1);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PressOnFullSlotWithPage)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
