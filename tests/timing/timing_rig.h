#pragma once
// A live-timing model on a manual clock, with a scripted prompter and counters for its hooks.
#include "manual_clock.h"
#include "recording_beeper.h"
#include "recording_prompter.h"
#include "timing/live_timing_model.h"

struct TimingRig {
    static constexpr double kBaseDay = 45000.5; // 2023-03-15 12:00

    ManualClock clock;
    RecordingBeeper beeper;
    RecordingPrompter prompter;
    int postSessionUpdates = 0;
    int changes = 0;
    int stampClears = 0;
    bool dirty = false;
    LiveTimingModel model{clock, beeper, prompter, Hooks()};

    explicit TimingRig(bool includePitLaps = false) {
        LiveTimingSettings settings;
        settings.includePitLaps = includePitLaps;
        model.SetSettings(settings);
        model.SetMainWindowGeometry({100, 50, 1200, 800});
    }

    LiveTimingHooks Hooks() {
        LiveTimingHooks hooks;
        hooks.markSessionChanged = [this] { ++changes; };
        hooks.sessionIsDirty = [this] { return dirty; };
        hooks.postSessionUpdates = [this] { ++postSessionUpdates; };
        hooks.clearPartStatusStamp = [this] { ++stampClears; };
        return hooks;
    }

    // Moves both clocks to ms after the rig's start.
    void At(quint32 ms) {
        clock.tick = 1000 + ms;
        clock.day = kBaseDay + ms / 86400000.0;
    }
    const DriverSlot& Slot(int i) const { return model.Slot(i); }
};
