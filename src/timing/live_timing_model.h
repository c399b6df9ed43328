#pragma once
// The "Active session" page: four driver slots timed at once, their buttons, lap tables and figures, the
// window-wide controls, the time windows and the pit crew panel. The page forwards every button, key and
// timer event to one call here and redraws from what the model holds.
#include "driver_slot.h"
#include "events/event.h"
#include "lap_data.h"
#include "lap_figures.h"
#include "live_timing_keys.h"
#include "pit_panel_model.h"
#include "services/services.h"
#include "timing_journal.h"
#include "window_placement.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>

struct LiveTimingSettings {
    bool includePitLaps = false; // "Start and Stop session buttons trigger stopwatch"
    int percentForMean = 100;
    TimingUnits units;
};

class LiveTimingModel {
  public:
    static constexpr int kSlots = 4;

    LiveTimingModel(Clock& clock, Beeper& beeper, Prompter& prompter);

    // What the live timing asks of the session ("Reset Lap Times" offers to save it first); without an
    // answer the session counts as saved.
    std::function<bool()> requestSessionIsDirty;
    std::function<bool()> requestSaveSession; // true when the session was saved
    // The fuel figures of the laps-remaining line when they can change between laps (the session's
    // amount, the track's consumption): asked at each lap of slot 1 in place of the figures set.
    std::function<FuelFigures()> requestFuelFigures;

    // The lap table's context menu: "Enter lap times manually" and "Edit lap times" (also a double click)
    // of a slot open the lap entry dialog; without an answer the entries are disabled.
    std::function<void(int slot)> requestEnterLapTimes;
    std::function<void(int slot)> requestEditLapTimes;

    // The lap data changed (the session counts as changed).
    Event<> lapDataChanged;
    // The last running slot stopped after slot 1 had been started: the post-session updates (part
    // status, then tire history).
    Event<> sessionFinished;
    // Slot 1 started: a new session for the part status.
    Event<> driver1Started;
    // The lap times were reset (the fuel calculator's number of laps).
    Event<> lapTimesReset;
    // A new driver name was taken into the known drivers (saved as "drivers").
    Event<const QStringList&> knownDriversChanged;
    // Once after each operation below (nested calls included), so the page, the time windows and the
    // panel redraw from what the model holds.
    Event<> changed;

    // Inputs from settings and the session.
    void SetSettings(const LiveTimingSettings& settings);
    const LiveTimingSettings& Settings() const { return m_settings; }
    // The session's track length in metres (may be empty): the figures of every slot with laps follow.
    void SetTrackLength(const QString& metres);
    void SetFuelFigures(const FuelFigures& fuel) { m_fuel = fuel; }
    void SetMainWindowGeometry(const WindowRect& rect) { m_mainWindow = rect; }
    void SetJournalFolder(const QString& folder) { m_journalFolder = folder; }

    // Slot events (slot 1..4). Each returns whether it took effect; a control that is hidden or disabled
    // does nothing.
    bool Start(int slot);
    bool Stop(int slot);
    bool StopwatchPress(int slot);
    bool Undo(int slot);
    bool PitIn(int slot);
    bool PitOut(int slot);
    bool StartOrStop(int slot);                               // Ctrl+F5..F8
    bool PitInOrOut(int slot);                                // Ctrl+Shift+F5..F8
    bool HandleKey(int key, Qt::KeyboardModifiers modifiers); // true when the key is a timing key
    void SlotTick(int slot);                                  // the slot's 100 ms tick
    void Tick(); // every running slot's tick, the shown time windows and the panel

    // Window-wide operations.
    bool SetSplitsText(const QString& text); // refused while any slot runs
    bool ResetLapTimes();
    void StartActiveDrivers();
    void SetShowAllDrivers(bool show);
    void SetDriverName(int slot, const QString& name);
    void DriverNameExit(int slot);
    void SetKnownDrivers(const QStringList& names);
    void ShowPitPanel();  // the "Pit crew panel" menu entry
    void ClosePitPanel(); // the user closed the panel

    // Lap data in and out (session files, lap entry, the crash journal). Loading stops every slot and
    // replaces all lap data; an error names a bad stored time (the data before it stay loaded).
    Expected<void, QString> LoadLapData(const LapData& data);
    LapData CurrentLapData() const;
    // The lap entry's OK: the slot is started, given the entered run, redrawn and stopped as if it had
    // been timed, without questions; the window's splits follow the entry. Refused (false) when the slot
    // runs, or when the splits would change while another slot runs.
    bool CanApplyEnteredLaps(int slot, int splits) const;
    Expected<void, QString> ApplyEnteredLaps(int slot, const EnteredLaps& laps);
    void Redraw(int slot);

    // Crash journal: offered at start-up; closed when the session was saved or the data discarded.
    bool OfferJournalRestore(const QString& folder);
    void SessionSaved();
    void DiscardJournal();
    bool JournalOpen() const { return m_journal.IsOpen(); }

    // What the page shows.
    const DriverSlot& Slot(int slot) const { return *m_slots[Index(slot)]; }
    ShowTimeModel& TimeWindow(int slot) { return m_slots[Index(slot)]->timeWindow; }
    PitPanelModel& PitPanel() { return m_pitPanel; }
    const PitPanelModel& PitPanel() const { return m_pitPanel; }
    bool SlotPanelVisible(int slot) const { return slot == 1 || m_showAllDrivers; }
    bool NotesPanelVisible() const { return !m_showAllDrivers; }
    bool ShowAllDrivers() const { return m_showAllDrivers; }
    const QString& SplitsText() const { return m_splitsText; }
    int Splits() const { return m_splits; }
    bool SplitsEnabled() const { return !AnyRunning(); }
    bool ResetEnabled() const { return !AnyRunning(); }
    bool StartActiveDriversVisible() const { return false; } // the tool button is created hidden
    const QStringList& KnownDrivers() const { return m_knownDrivers; }
    QStringList DriverNameList() const { return m_knownDrivers; } // entries of every name box
    bool LoadingLapData() const { return m_loading; }
    bool Driver1Started() const { return m_driver1Started; }
    bool AnyRunning() const;

  private:
    // Tells the listener once the outermost operation has finished.
    class ChangeScope {
      public:
        explicit ChangeScope(LiveTimingModel& model) : m_model(model) { ++m_model.m_scopeDepth; }
        ~ChangeScope() {
            if (--m_model.m_scopeDepth == 0) m_model.changed.Emit();
        }
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

      private:
        LiveTimingModel& m_model;
    };

    static size_t Index(int slot) { return size_t(slot - 1); }
    static bool ValidSlot(int slot) { return slot >= 1 && slot <= kSlots; }
    DriverSlot& S(int slot) { return *m_slots[Index(slot)]; }
    void StopSlot(int slot);
    void ApplySplits(int splits);
    void WriteFigures(DriverSlot& slot);
    void WritePanelHeaders();
    void EnsureJournal();
    void LapDataChanged();
    int StopwatchEnabledCount() const;

    Clock& m_clock;
    Beeper& m_beeper;
    Prompter& m_prompter;
    LiveTimingSettings m_settings;
    QString m_trackLength;
    FuelFigures m_fuel;
    WindowRect m_mainWindow;
    QString m_journalFolder;
    TimingJournal m_journal;
    std::array<std::unique_ptr<DriverSlot>, kSlots> m_slots;
    PitPanelModel m_pitPanel;
    QStringList m_knownDrivers;
    QString m_splitsText = QStringLiteral("0");
    int m_splits = 0;
    bool m_showAllDrivers = false;
    bool m_loading = false;
    bool m_driver1Started = false;
    int m_scopeDepth = 0;
};
