#pragma once
// What the stopwatch press benchmarks start from: a live timing model on a clock the benchmark moves,
// and driver 1's slot filled up to the lap timer's capacity.
#include "services/auto_answer_prompter.h"
#include "timing/live_timing_model.h"

#include <QString>
#include <cstdint>

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

struct LapPressFixture {
    BenchClock clock;
    QuietBeeper beeper;
    AutoAnswerPrompter prompter;
    LiveTimingModel model{clock, beeper, prompter};

    explicit LapPressFixture(int splits) {
        model.SetTrackLength(QStringLiteral("3200"));
        model.SetSplitsText(QString::number(splits));
    }

    // Starts driver 1 and records laps of 60..70 s in a shuffled order, so the mean sorts real work,
    // until the timer is full (the first press starts the run).
    void FillSlot() {
        model.Start(1);
        for (int i = 0; i < TLapTimer::kCapacity; ++i) {
            clock.tick += 60000 + std::uint32_t((i * 7919) % 10000);
            model.StopwatchPress(1);
        }
    }
};
