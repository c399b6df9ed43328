// One stopwatch press on a driver slot that already holds 999 recorded times, with everything on screen
// following it: the slot's lap table view, figures, time window and pit crew panel redrawn and painted
// (offscreen).
#include "app/auto_answer_prompter.h"
#include "timing/live_timing_model.h"
#include "ui/timing/live_timing_view.h"

#include <QApplication>
#include <QWidget>
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

void BM_PressOnFullSlotWithPage(benchmark::State& state) {
    BenchClock clock;
    QuietBeeper beeper;
    AutoAnswerPrompter prompter;
    LiveTimingModel model(clock, beeper, prompter);
    model.SetTrackLength(QStringLiteral("3200"));
    model.SetSplitsText(QString::number(state.range(0)));
    QWidget mainWindow;
    mainWindow.resize(1200, 800);
    auto* host = new QWidget(&mainWindow);
    host->resize(1200, 800);
    LiveTimingView view(model, &mainWindow, host, nullptr);
    mainWindow.show();
    model.Start(1);
    for (int i = 0; i < TLapTimer::kCapacity; ++i) {
        clock.tick += 60000 + std::uint32_t((i * 7919) % 10000);
        model.StopwatchPress(1);
    }
    QApplication::processEvents();
    for (auto _ : state) {
        clock.tick += 61000;
        if (!model.StopwatchPress(1)) state.SkipWithError("press refused");
        QApplication::processEvents(); // layout and paint of what changed
        state.PauseTiming();
        model.Undo(1);
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
