#pragma once
// A live-timing model on a manual clock, with a scripted prompter and counters for its hooks.
#include "manual_clock.h"
#include "recording_beeper.h"
#include "recording_prompter.h"
#include "timing/live_timing_model.h"
#include <QStringList>
#include <QTest>

struct TimingRig {
    static constexpr double kBaseDay = 45000.5; // 2023-03-15 12:00

    ManualClock clock;
    RecordingBeeper beeper;
    RecordingPrompter prompter;
    int postSessionUpdates = 0;
    int changes = 0;
    int stampClears = 0;
    bool dirty = false;
    LiveTimingModel model{clock, beeper, prompter};
    Connections counters;

    explicit TimingRig(bool includePitLaps = false) {
        model.requestSessionIsDirty = [this] { return dirty; };
        counters += model.lapDataChanged.Connect([this] { ++changes; });
        counters += model.sessionFinished.Connect([this] { ++postSessionUpdates; });
        counters += model.driver1Started.Connect([this] { ++stampClears; });
        LiveTimingSettings settings;
        settings.includePitLaps = includePitLaps;
        model.SetSettings(settings);
        model.SetMainWindowGeometry({100, 50, 1200, 800});
    }

    // Moves both clocks to ms after the rig's start.
    void At(quint32 ms) {
        clock.tick = 1000 + ms;
        clock.day = kBaseDay + ms / 86400000.0;
    }
    const DriverSlot& Slot(int i) const { return model.Slot(i); }
};

// Runs "MS event slot" lines on the rig: start, stop, press, undo, pitin, pitout, tick.
inline void Run(TimingRig& rig, const QStringList& events) {
    for (const QString& line : events) {
        const QStringList f = line.split(u' ');
        rig.At(f.at(0).toUInt());
        const QString& e = f.at(1);
        const int slot = f.at(2).toInt();
        if (e == "start")
            rig.model.Start(slot);
        else if (e == "stop")
            rig.model.Stop(slot);
        else if (e == "press")
            rig.model.StopwatchPress(slot);
        else if (e == "undo")
            rig.model.Undo(slot);
        else if (e == "pitin")
            rig.model.PitIn(slot);
        else if (e == "pitout")
            rig.model.PitOut(slot);
        else if (e == "tick")
            rig.model.Tick();
        else
            QFAIL(qPrintable("bad event " + line));
    }
}
