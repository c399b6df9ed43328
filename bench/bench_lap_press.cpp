// One stopwatch press on a driver slot that already holds 999 recorded times: the lap timer, the lap
// table row and the figures (best, mean of best, speeds, distance) are updated, as on the page.
#include "lap_press_fixture.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PressOnFullSlot(benchmark::State& state) {
    LapPressFixture f(int(state.range(0)));
    LiveTimingSettings settings;
    settings.percentForMean = 80;
    f.model.SetSettings(settings);
    f.FillSlot();
    for (auto _ : state) {
        f.clock.tick += 61000;
        if (!f.model.StopwatchPress(1)) state.SkipWithError("press refused");
        benchmark::DoNotOptimize(f.model.Slot(1).meanText);
        state.PauseTiming();
        f.model.Undo(1); // back to 999 recorded times (redraws the whole table, not timed)
        state.ResumeTiming();
    }
    state.counters["recorded"] = f.model.Slot(1).timer.RecordedCount() + 1;
}

} // namespace

BENCHMARK(BM_PressOnFullSlot)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
