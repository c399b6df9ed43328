#include "live_timing_model.h"

#include "storage/date_time.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>

LiveTimingModel::LiveTimingModel(Clock& clock, Beeper& beeper, Prompter& prompter)
    : m_clock(clock), m_beeper(beeper), m_prompter(prompter), m_pitPanel(clock) {
    for (int i = 1; i <= kSlots; ++i)
        m_slots[Index(i)] = std::make_unique<DriverSlot>(i, clock, beeper);
}

void LiveTimingModel::SetSettings(const LiveTimingSettings& settings) {
    ChangeScope scope(*this);
    m_settings = settings;
    for (auto& slot : m_slots) {
        slot->timer.SetPercentForMean(settings.percentForMean);
        // The figures follow the units and the share of best laps at once; nothing recorded changes.
        if (slot->timer.LapCount() > 0) WriteFigures(*slot);
    }
}

bool LiveTimingModel::AnyRunning() const {
    return std::any_of(m_slots.begin(), m_slots.end(), [](const auto& s) { return s->IsRunning(); });
}

int LiveTimingModel::StopwatchEnabledCount() const {
    return int(std::count_if(m_slots.begin(), m_slots.end(),
                             [](const auto& s) { return s->Controls().stopwatchEnabled; }));
}

void LiveTimingModel::LapDataChanged() {
    lapDataChanged.Emit();
}

void LiveTimingModel::EnsureJournal() {
    if (m_journalFolder.isEmpty() || m_journal.IsOpen() || m_loading) return;
    (void)m_journal.Open(m_journalFolder, CurrentLapData()); // without a journal the timing still runs
}

void LiveTimingModel::WritePanelHeaders() {
    for (int i = 1; i <= kSlots; ++i)
        if (S(i).Controls().stopwatchEnabled) m_pitPanel.SetHeader(i, S(i).driverName);
}

void LiveTimingModel::SetTrackLength(const QString& metres) {
    ChangeScope scope(*this);
    if (metres == m_trackLength) return;
    m_trackLength = metres;
    for (int i = 1; i <= kSlots; ++i)
        if (S(i).timer.LapCount() > 0) WriteFigures(S(i));
}

void LiveTimingModel::WriteFigures(DriverSlot& slot) {
    const LapFigureTexts texts = ComputeLapFigures(slot.timer, m_trackLength, m_settings.units);
    slot.distanceText = texts.distance;
    slot.bestText = texts.best;
    slot.meanText = texts.mean;
    slot.bestSpeedText = texts.bestSpeed;
    slot.meanSpeedText = texts.meanSpeed;
    slot.theoreticalText = texts.theoretical;
    // The lap table marks the best lap and, with splits, each segment's best time.
    slot.table.SetMarks(texts.bestTimes.bestLap, texts.bestTimes.bestSegmentLaps);
}

bool LiveTimingModel::Start(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().startVisible) return false;
    DriverSlot& s = S(slot);
    if (!m_loading && s.timer.LapCount() > 0 &&
        m_prompter.AskYesNo(Translate("All lap times will be reset, continue?")) != Answer::Yes)
        return false;

    s.state = SlotState::Running;
    s.table.ClearRows();
    s.timer.Clear();
    s.startTime = m_clock.NowDayNumber();
    s.stopTime = s.startTime;
    s.startText = DateTimeText(s.startTime);
    s.distanceText.clear();
    s.theoreticalText.clear();
    s.bestText.clear();
    s.bestSpeedText.clear();
    s.elapsedText.clear();
    s.meanText.clear();
    s.meanSpeedText.clear();
    // A new session starts without pit time; the time window's pit total starts from 0 too.
    s.pitStopTime = 0;
    s.pitTimeText.clear();
    s.pitTimePanelVisible = false;

    ShowTimeModel& window = s.timeWindow;
    window.SetCaption(s.driverName + QStringLiteral(" (") + FunctionKeyName(slot) + u')');
    window.geometry = PlaceTimeWindow(window.geometry, m_mainWindow, slot);
    window.SetVisible(true);
    window.StartDisplay();

    EnsureJournal();
    m_journal.Start(slot, m_clock.TickMs(), s.startTime, s.driverName);

    if (m_settings.includePitLaps && !m_loading) StopwatchPress(slot);

    m_pitPanel.geometry = PlacePitPanel(m_pitPanel.geometry, m_mainWindow);
    if (StopwatchEnabledCount() >= 2) {
        if (!m_pitPanel.IsVisible() || m_settings.includePitLaps) m_pitPanel.ResetButtonClick();
        m_pitPanel.Show();
        WritePanelHeaders();
    }
    LapDataChanged();
    if (slot == 1) {
        m_driver1Started = true;
        driver1Started.Emit();
    }
    return true;
}

bool LiveTimingModel::StopwatchPress(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().stopwatchEnabled) return false;
    DriverSlot& s = S(slot);
    const qint32 bestBefore = s.timer.LapCount() > 0 ? s.timer.BestLap() : 0;
    if (!s.timer.Mark()) return false;
    s.timeWindow.SetBestLap(bestBefore);
    s.timeWindow.LapMark();
    m_journal.Press(slot, s.timer.GetLastMark(), m_clock.NowDayNumber());

    const int laps = s.timer.LapCount();
    if (laps > 0) {
        s.table.SetRow(laps, s.timer.LapRow(laps));
        WriteFigures(s);
    } else {
        s.table.SetCell(1, 0, QStringLiteral("1"));
    }
    if (slot == 1)
        s.timeWindow.SetLapsRemaining(
            LapsRemaining(requestFuelFigures ? requestFuelFigures() : m_fuel, laps));
    if (m_pitPanel.IsVisible()) m_pitPanel.RecordPass(slot, s.timer.GetLastMark());
    LapDataChanged();
    return true;
}

bool LiveTimingModel::Undo(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().undoEnabled) return false;
    S(slot).timer.Undo();
    Redraw(slot);
    m_journal.Undo(slot, m_clock.NowDayNumber());
    LapDataChanged();
    return true;
}

bool LiveTimingModel::PitIn(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().pitInEnabled) return false;
    StopwatchPress(slot); // the in-lap ends at the pit entry; a refused press does not stop the pit in
    DriverSlot& s = S(slot);
    s.timeWindow.PitIn();
    s.state = SlotState::InPits;
    m_journal.PitIn(slot, m_clock.TickMs(), m_clock.NowDayNumber());
    return true;
}

bool LiveTimingModel::PitOut(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().pitOutEnabled) return false;
    DriverSlot& s = S(slot);
    s.timeWindow.PitOut();
    s.state = SlotState::Running;
    s.pitStopTime = s.timeWindow.PitTotal();
    s.pitTimeText = LapTimeText(s.pitStopTime);
    s.pitTimePanelVisible = true;
    s.timer.RestartMark(); // the time in the pits is in no lap
    m_journal.PitOut(slot, s.timer.GetLastMark(), m_clock.NowDayNumber(), s.pitStopTime);
    return true;
}

bool LiveTimingModel::StartOrStop(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot)) return false;
    const SlotControls c = S(slot).Controls();
    if (c.startVisible) return Start(slot);
    if (c.stopVisible) return Stop(slot);
    return false;
}

bool LiveTimingModel::PitInOrOut(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot)) return false;
    return S(slot).Controls().pitInVisible ? PitIn(slot) : PitOut(slot);
}

bool LiveTimingModel::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    ChangeScope scope(*this);
    const TimingKey k = TimingKeyOf(key, modifiers);
    switch (k.action) {
    case TimingKeyAction::None:
        return false;
    case TimingKeyAction::Press:
        StopwatchPress(k.slot);
        break;
    case TimingKeyAction::Undo:
        Undo(k.slot);
        break;
    case TimingKeyAction::StartStop:
        StartOrStop(k.slot);
        break;
    case TimingKeyAction::PitInOut:
        PitInOrOut(k.slot);
        break;
    }
    return true;
}

void LiveTimingModel::SlotTick(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().tickEnabled) return;
    DriverSlot& s = S(slot);
    s.stopTime = m_clock.NowDayNumber();
    s.elapsedText = ElapsedTimeText(TimeOfDayMs(s.stopTime, s.startTime));
}

void LiveTimingModel::Tick() {
    ChangeScope scope(*this);
    for (int i = 1; i <= kSlots; ++i) {
        SlotTick(i);
        if (S(i).timeWindow.IsVisible()) S(i).timeWindow.DisplayTick();
    }
    if (m_pitPanel.IsVisible()) m_pitPanel.Tick();
}

bool LiveTimingModel::Stop(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot) || !S(slot).Controls().stopVisible) return false;
    // The automatic press closes the running lap; it must never touch lap data being loaded.
    if (m_settings.includePitLaps && !m_loading) StopwatchPress(slot);
    StopSlot(slot);
    return true;
}

void LiveTimingModel::StopSlot(int slot) {
    DriverSlot& s = S(slot);
    const bool wasRunning = s.IsRunning();
    s.state = SlotState::Idle;
    s.timeWindow.StopDisplay();
    s.timeWindow.SetVisible(false);
    s.elapsedText =
        s.startTime != 0 && s.stopTime != 0 ? LapTimeText(TimeOfDayMs(s.stopTime, s.startTime)) : QString();
    if (wasRunning) m_journal.Stop(slot, s.stopTime);
    if (AnyRunning()) return;
    if (m_driver1Started) {
        m_driver1Started = false;
        sessionFinished.Emit();
    }
}

void LiveTimingModel::Redraw(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot)) return;
    DriverSlot& s = S(slot);
    s.table.ClearRows();
    // The pit time label always shows the pit time the slot holds (and saves), laps or not.
    s.pitTimeText = LapTimeText(s.pitStopTime);
    s.pitTimePanelVisible = s.pitStopTime != 0;
    const int laps = s.timer.LapCount();
    if (laps <= 0) {
        s.distanceText.clear();
        s.theoreticalText.clear();
        s.bestText.clear();
        s.meanText.clear();
        s.meanSpeedText.clear();
        s.bestSpeedText.clear();
        return;
    }
    s.startText = s.startTime != 0 ? DateTimeText(s.startTime) : QString();
    s.table.EnsureRowCount(laps + 1);
    for (int lap = 1; lap <= laps; ++lap)
        s.table.SetRow(lap, s.timer.LapRow(lap));
    WriteFigures(s);
    s.elapsedText =
        s.startTime != 0 && s.stopTime != 0 ? LapTimeText(TimeOfDayMs(s.stopTime, s.startTime)) : QString();
}

bool LiveTimingModel::SetSplitsText(const QString& text) {
    ChangeScope scope(*this);
    if (text.isEmpty()) return false;
    // The laps of a running slot would be reinterpreted under the driver's wheels.
    if (AnyRunning()) return false;
    ApplySplits(std::clamp(ParseInteger(text.trimmed()).value_or(0), 0, 3));
    return true;
}

void LiveTimingModel::ApplySplits(int splits) {
    m_splits = splits;
    m_splitsText = QString::number(m_splits);
    for (auto& slot : m_slots) {
        slot->timer.SetSplits(m_splits);
        slot->timeWindow.SetSplits(m_splits);
        slot->table.SetSplits(m_splits);
    }
    m_journal.Splits(m_splits);
    // The recorded times now read as other laps: the tables follow.
    if (!m_loading)
        for (int i = 1; i <= kSlots; ++i)
            Redraw(i);
    LapDataChanged();
}

bool LiveTimingModel::CanApplyEnteredLaps(int slot, int splits) const {
    if (!ValidSlot(slot) || Slot(slot).IsRunning()) return false;
    // Another slot's laps would be reinterpreted while it is timed.
    return splits == m_splits || !AnyRunning();
}

Expected<void, QString> LiveTimingModel::ApplyEnteredLaps(int slot, const EnteredLaps& laps) {
    ChangeScope scope(*this);
    if (!CanApplyEnteredLaps(slot, laps.splits)) return Unexpected(QString());
    // No questions while the entered run replaces the slot's; cleared on every way out.
    struct LoadingScope {
        bool& flag;
        explicit LoadingScope(bool& f) : flag(f) { flag = true; }
        ~LoadingScope() { flag = false; }
    } loading(m_loading);
    Start(slot);
    DriverSlot& s = S(slot);
    s.startTime = laps.startTime;
    s.startText = DateTimeText(laps.startTime);
    s.stopTime = laps.stopTime;
    s.pitStopTime = laps.pitStopTime;
    s.timer.SetSplits(laps.splits);
    Expected<void, QString> result = s.timer.LoadFromText(laps.splitTimes);
    ApplySplits(std::clamp(laps.splits, 0, 3));
    for (int i = 1; i <= kSlots; ++i)
        Redraw(i);
    if (slot == 1) m_driver1Started = true;
    Stop(slot);
    LapDataChanged();
    return result;
}

bool LiveTimingModel::ResetLapTimes() {
    ChangeScope scope(*this);
    if (AnyRunning()) return false;
    if (!m_loading) {
        if (requestSessionIsDirty && requestSessionIsDirty()) {
            const Answer answer = m_prompter.AskYesNoCancel(
                Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
            if (answer == Answer::Cancel) return false;
            // A save that failed leaves the lap data in place: they exist nowhere else.
            if (answer == Answer::Yes && requestSaveSession && !requestSaveSession()) return false;
        }
        const bool anyLaps = std::any_of(m_slots.begin(), m_slots.end(),
                                         [](const auto& s) { return s->timer.LapCount() > 0; });
        if (anyLaps && m_prompter.AskOkCancel(
                           Translate("Lap data for all drivers will be reset, continue?")) != Answer::Ok)
            return false;
    }
    for (int i = 1; i <= kSlots; ++i) {
        DriverSlot& s = S(i);
        s.timer.Clear();
        s.startTime = s.stopTime = 0;
        s.pitStopTime = 0;
        Redraw(i);
        s.startText.clear();
        s.elapsedText.clear();
        s.pitTimeText.clear();
        s.pitTimePanelVisible = false;
    }
    lapTimesReset.Emit();
    m_journal.Close();
    return true;
}

void LiveTimingModel::StartActiveDrivers() {
    ChangeScope scope(*this);
    ResetLapTimes(); // a declined question does not stop the starts
    const QString prefix = QStringLiteral("Driver");
    for (int i = 1; i <= kSlots; ++i)
        if (!S(i).driverName.startsWith(prefix, Qt::CaseInsensitive)) Start(i);
}

void LiveTimingModel::SetDriverName(int slot, const QString& name) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot)) return;
    S(slot).driverName = name;
    LapDataChanged();
}

void LiveTimingModel::DriverNameExit(int slot) {
    ChangeScope scope(*this);
    if (!ValidSlot(slot)) return;
    const QString name = S(slot).driverName;
    bool isDefault = false;
    for (int i = 1; i <= kSlots; ++i)
        isDefault = isDefault || name == DefaultDriverName(i);
    if (!name.isEmpty() && !isDefault && !m_knownDrivers.contains(name)) {
        m_knownDrivers << name;
        knownDriversChanged.Emit(m_knownDrivers);
    }
    if (m_pitPanel.IsVisible()) WritePanelHeaders();
}

void LiveTimingModel::SetShowAllDrivers(bool show) {
    ChangeScope scope(*this);
    m_showAllDrivers = show;
}

void LiveTimingModel::SetKnownDrivers(const QStringList& names) {
    ChangeScope scope(*this);
    m_knownDrivers = names;
}

void LiveTimingModel::ClosePitPanel() {
    ChangeScope scope(*this);
    m_pitPanel.SetVisible(false);
}

void LiveTimingModel::ShowPitPanel() {
    ChangeScope scope(*this);
    m_pitPanel.geometry = PlacePitPanel(m_pitPanel.geometry, m_mainWindow);
    m_pitPanel.Show();
}

Expected<void, QString> LiveTimingModel::LoadLapData(const LapData& data) {
    ChangeScope scope(*this);
    m_loading = true;
    // The loaded figures are not this run's: no post-session updates for them.
    m_driver1Started = false;
    for (int i = 1; i <= kSlots; ++i)
        if (S(i).IsRunning()) StopSlot(i);
    SetSplitsText(data.splitsPerLap.isEmpty() ? QStringLiteral("0") : data.splitsPerLap);
    ResetLapTimes();
    Expected<void, QString> result;
    for (int i = 1; i <= kSlots; ++i) {
        const SlotLapData& from = data.slots[Index(i)];
        DriverSlot& s = S(i);
        if (!from.name.isEmpty()) s.driverName = from.name;
        s.startTime = from.startTime;
        s.startText = from.startTime != 0 ? DateTimeText(from.startTime) : QString();
        s.stopTime = from.stopTime;
        s.pitStopTime = from.pitStopTime;
        auto loaded = s.timer.LoadFromText(from.splitTimes);
        if (!loaded && result) result = loaded;
    }
    for (int i = 1; i <= kSlots; ++i)
        Redraw(i);
    for (int i = 1; i <= kSlots; ++i)
        StopSlot(i);
    m_loading = false;
    return result;
}

LapData LiveTimingModel::CurrentLapData() const {
    LapData data;
    data.splitsPerLap = m_splitsText;
    for (int i = 1; i <= kSlots; ++i) {
        const DriverSlot& s = Slot(i);
        data.slots[Index(i)] = {s.driverName, s.startTime, s.stopTime, s.pitStopTime, s.timer.SaveToText()};
    }
    return data;
}

bool LiveTimingModel::OfferJournalRestore(const QString& folder) {
    ChangeScope scope(*this);
    const QString path = JournalFindUnfinished(folder);
    if (path.isEmpty()) return false;
    if (m_prompter.AskYesNo(Translate("Lap times of a timing session that did not end normally were found.\n"
                                      "Restore them?")) != Answer::Yes) {
        ::DiscardJournal(path);
        return false;
    }
    const auto restored = RestoreFromJournal(path);
    if (!restored) {
        m_prompter.ShowError(restored.error());
        return false;
    }
    const auto loaded = LoadLapData(restored->lapData);
    if (!loaded) m_prompter.ShowError(loaded.error());
    // Until the session is saved the restored data live in a fresh journal, replacing the old one.
    m_journalFolder = folder;
    (void)m_journal.Open(folder, CurrentLapData());
    LapDataChanged();
    return true;
}

void LiveTimingModel::SessionSaved() {
    if (!AnyRunning()) m_journal.Close();
}

void LiveTimingModel::DiscardJournal() {
    m_journal.Close();
}
