// One stopwatch press on a driver slot that already holds 999 recorded times: the lap timer, the lap
// table row and the figures (best, mean of best, speeds, distance) are updated, as on the page.
#include "app/auto_answer_prompter.h"
#include "timing/live_timing_model.h"

#include <benchmark/benchmark.h>

namespace {

class BenchClock : public Clock {
  public:
    std::uint32_t tick = 0;
    std::uint32_t TickMs() override { return tick; }
    double NowDayNumber() override { return 45000.5 + tick / 86400000.0; }
};

class QuietBeeper : public Beeper {
  public:
    void Beep() override {}
};

void BM_PressOnFullSlot(benchmark::State& state) {
    BenchClock clock;
    QuietBeeper beeper;
    AutoAnswerPrompter prompter;
    LiveTimingModel model(clock, beeper, prompter);
    LiveTimingSettings settings;
    settings.percentForMean = 80;
    model.SetSettings(settings);
    model.SetTrackLength(QStringLiteral("3200"));
    model.SetSplitsText(QString::number(state.range(0)));
    model.Start(1);
    // Laps of 60..70 s in a shuffled order, so the mean sorts real work.
    for (int i = 0; i < TLapTimer::kCapacity; ++i) { // the first press starts the run
        clock.tick += 60000 + std::uint32_t((i * 7919) % 10000);
        model.StopwatchPress(1);
    }
    for (auto _ : state) {
        clock.tick += 61000;
        if (!model.StopwatchPress(1)) state.SkipWithError("press refused");
        benchmark::DoNotOptimize(model.Slot(1).meanText);
        state.PauseTiming();
        model.Undo(1); // back to 999 recorded times (redraws the whole table, not timed)
        state.ResumeTiming();
    }
    state.counters["recorded"] = model.Slot(1).timer.RecordedCount() + 1;
}

} // namespace

BENCHMARK(BM_PressOnFullSlot)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
