// One stopwatch press on a driver slot that already holds 999 recorded times: the lap timer, the lap
// table row and the figures (best, mean of best, speeds, distance) are updated, as on the page.
#include "app/services.h"
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

class NoPrompter : public Prompter {
  public:
    void ShowError(const QString&) override {}
    void ShowWarning(const QString&) override {}
    void ShowInformation(const QString&) override {}
    Answer AskYesNoCancel(const QString&) override { return Answer::Yes; }
    Answer AskOkCancel(const QString&) override { return Answer::Ok; }
    Answer AskYesNo(const QString&) override { return Answer::Yes; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> ChooseOpenFile(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> ChooseSaveFile(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> ChooseFolder(const QString&, const QString&) override { return {}; }
    std::optional<quint32> ChooseColour(quint32) override { return {}; }
    std::optional<QString> ChooseFont(const QString&) override { return {}; }
};

void BM_PressOnFullSlot(benchmark::State& state) {
    BenchClock clock;
    QuietBeeper beeper;
    NoPrompter prompter;
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
