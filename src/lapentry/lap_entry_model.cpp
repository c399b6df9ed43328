#include "lap_entry_model.h"

#include "logger_time.h"
#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/lap_time.h"
#include "storage/translate.h"
#include "timing/live_timing_model.h"

#include <QFileInfo>
#include <algorithm>

Expected<EnteredLaps, QString> EnteredLapsOf(const std::vector<QStringList>& rows, const QString& pitText,
                                             double startDay, int splits) {
    EnteredLaps laps;
    laps.splits = splits;
    laps.startTime = startDay;
    qint64 total = 0;
    QStringList times;
    for (const QStringList& row : rows)
        for (const QString& cell : row) {
            if (cell.isEmpty()) continue;
            const auto ms = ParseLapTime(cell);
            if (!ms) return Unexpected(ms.error());
            total += **ms;
            times.append(QString::number(**ms));
        }
    if (times.size() > LapEntryModel::kMaxTimes)
        return Unexpected(Fill(Translate("A driver holds at most %s lap and split times; the grid holds %s."),
                               {QString::number(LapEntryModel::kMaxTimes), QString::number(times.size())}));
    const auto pit = ParseLapTime(pitText);
    if (!pit) return Unexpected(pit.error());
    laps.pitStopTime = pit->value_or(0);
    total += laps.pitStopTime;
    laps.stopTime = startDay + double(total) / 86400000.0;
    laps.splitTimes = times.join(u',');
    return laps;
}

LapEntryModel::LapEntryModel(LiveTimingModel& liveTiming, Prompter& prompter, Clock& clock)
    : m_live(liveTiming), m_prompter(prompter), m_clock(clock) {
    m_startDay = m_clock.NowDayNumber();
    RebuildColumns();
    m_grid.SetRowCount(kInitialLapRows);
    Renumber();
}

void LapEntryModel::SetStoredSettings(const QString& lastType, const QString& lastFolder,
                                      const QString& serialPort) {
    m_sourceIndex = int(SourceTexts().indexOf(lastType));
    m_lastFolder = lastFolder;
    m_lastSerialPort = serialPort;
    Changed();
}

QString LapEntryModel::LastType() const {
    return m_sourceIndex >= 0 ? SourceTexts().at(m_sourceIndex) : QString();
}

void LapEntryModel::SetLastSerialPort(const QString& port) {
    if (port == m_lastSerialPort) return;
    m_lastSerialPort = port;
    settingsChanged.Emit();
}

QStringList LapEntryModel::SourceTexts() {
    QStringList texts;
    for (const LapSourceInfo& info : LapSources())
        texts.append(info.listText);
    return texts;
}

void LapEntryModel::SetSourceIndex(int index) {
    m_sourceIndex = index >= 0 && index < SourceTexts().size() ? index : -1;
    settingsChanged.Emit();
    Changed();
}

QStringList LapEntryModel::DriverNames() const {
    QStringList names;
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        names.append(m_live.Slot(slot).driverName);
    return names;
}

void LapEntryModel::SetDriver(const QString& name) {
    m_driver = name;
    Changed();
}

void LapEntryModel::SetStartDay(double day) {
    m_startDay = day;
    Changed();
}

bool LapEntryModel::SplitsEnabled() const {
    return !m_live.AnyRunning();
}

void LapEntryModel::SetSplits(int splits) {
    splits = std::clamp(splits, 0, 3);
    if (splits == m_splits || !SplitsEnabled()) return;
    m_splits = splits;
    RebuildColumns();
    Changed();
}

void LapEntryModel::SetPitText(const QString& text) {
    m_pitText = text;
    Changed();
}

void LapEntryModel::SetCell(int lapRow, int column, const QString& text) {
    if (lapRow < 1 || column < 1 || column > m_splits + 1) return;
    EnsureLapRows(lapRow);
    m_grid.SetCell(lapRow - 1, column, text);
}

std::vector<QStringList> LapEntryModel::SegmentRows() const {
    std::vector<QStringList> rows;
    int last = 0;
    for (int row = 1; row <= m_grid.RowCount(); ++row)
        for (int column = 1; column <= m_splits + 1; ++column)
            if (!Cell(row, column).isEmpty()) last = row;
    for (int row = 1; row <= last; ++row) {
        QStringList cells;
        for (int column = 1; column <= m_splits + 1; ++column)
            cells.append(Cell(row, column));
        rows.push_back(cells);
    }
    return rows;
}

void LapEntryModel::RebuildColumns() {
    QStringList headers = {Translate("Lap")};
    if (m_splits == 0) {
        headers.append(Translate("Lap time"));
    } else {
        for (int column = 1; column <= m_splits; ++column)
            headers.append(Fill(Translate("Split %d"), QString::number(column)));
        headers.append(Translate("Finish"));
    }
    m_grid.SetHeaders(headers);
}

void LapEntryModel::EnsureLapRows(int rows) {
    if (rows <= m_grid.RowCount()) return;
    m_grid.SetRowCount(rows);
    Renumber();
}

void LapEntryModel::Renumber() {
    for (int row = 0; row < m_grid.RowCount(); ++row)
        m_grid.SetCell(row, 0, QString::number(row + 1));
    m_grid.SetUsedRows(m_grid.RowCount());
}

void LapEntryModel::EmptyGrid() {
    for (int row = 0; row < m_grid.RowCount(); ++row)
        for (int column = 1; column < m_grid.ColumnCount(); ++column)
            m_grid.SetCell(row, column, QString());
    m_grid.SetCurrentRow(0);
    m_pitText.clear();
}

// Every way of opening the dialog takes the window's splits.
void LapEntryModel::PrepareFromMenu() {
    m_fromMenu = true;
    m_driver.clear();
    m_splits = m_live.Splits();
    RebuildColumns();
    m_ready.reset();
    Changed();
}

void LapEntryModel::PrepareEnterManually(int slot) {
    m_fromMenu = false;
    partStatusStampCleared.Emit();
    m_driver = m_live.Slot(slot).driverName;
    m_splits = m_live.Splits();
    RebuildColumns();
    EmptyGrid();
    m_startDay = m_clock.NowDayNumber();
    m_ready.reset();
    Changed();
}

bool LapEntryModel::PrepareEdit(int slot) {
    m_fromMenu = false;
    const DriverSlot& s = m_live.Slot(slot);
    if (s.startTime == 0) {
        m_prompter.ShowError(Translate("There are no laptimes to edit!"));
        return false;
    }
    m_driver = s.driverName;
    m_splits = m_live.Splits();
    RebuildColumns();
    EmptyGrid();
    // From the recorded milliseconds, not the table's texts: those drop the milliseconds from one hour up.
    const int perRow = m_splits + 1;
    const int count = s.timer.RecordedCount();
    EnsureLapRows((count + perRow - 1) / perRow);
    for (int index = 1; index <= count; ++index)
        m_grid.SetCell((index - 1) / perRow, (index - 1) % perRow + 1, EntryTimeText(s.timer.Time(index)));
    m_startDay = s.startTime;
    m_pitText = EntryTimeText(s.pitStopTime);
    m_ready.reset();
    Changed();
    return true;
}

bool LapEntryModel::ClearAllButtonClick() {
    if (m_prompter.AskOkCancel(Translate("Clear all lap times?")) != Answer::Ok) return false;
    EmptyGrid();
    Changed();
    return true;
}

void LapEntryModel::TakeImport(const LapImport& import) {
    EmptyGrid();
    if (import.splits) {
        m_splits = std::clamp(*import.splits, 0, 3);
        RebuildColumns();
    }
    const int rows = int(import.rows.size());
    const int taken = std::min(rows, MaxLapRows());
    EnsureLapRows(taken);
    for (int row = 1; row <= taken; ++row) {
        const QStringList& cells = import.rows[size_t(row - 1)];
        for (int column = 1; column <= std::min(int(cells.size()), m_splits + 1); ++column)
            m_grid.SetCell(row - 1, column, cells.at(column - 1));
    }
    if (!import.driver.isEmpty() && m_driver.isEmpty()) m_driver = import.driver;
    if (import.start) m_startDay = DayNumberFromDateTime(*import.start);
    Changed();
    if (!import.error.isEmpty()) m_prompter.ShowError(import.error);
    if (taken < rows)
        m_prompter.ShowError(
            Fill(Translate("The file holds %s laps; a driver holds at most %s. The laps after "
                           "lap %s were not taken."),
                 {QString::number(rows), QString::number(taken), QString::number(taken)}));
}

void LapEntryModel::ImportDataButtonClick() {
    if (m_sourceIndex < 0) return;
    const LapSourceInfo info = LapSources().at(size_t(m_sourceIndex));
    if (info.source == LapSource::T200Serial) {
        if (!requestSerialDownload) return;
        const std::optional<QStringList> lines = requestSerialDownload();
        if (!lines) return;
        TakeImport(ReadT200Records(*lines, m_splits, T200Origin::Serial));
        return;
    }
    QString path;
    QStringList ids;
    if (info.source == LapSource::Ultralap) {
        if (m_splits != 0) {
            m_prompter.ShowError(Translate("Cannot handle split times yet!"));
            return;
        }
        if (!requestUltralapChoice) return;
        const std::optional<UltralapChoice> choice = requestUltralapChoice();
        if (!choice) return;
        path = choice->path;
        ids = choice->ids;
    } else {
        const std::optional<QString> chosen =
            m_prompter.ChooseOpenFile(info.title, m_lastFolder, info.filter);
        if (!chosen) return;
        path = *chosen;
    }
    // The typed laps are thrown away only once a file has been chosen.
    if (!QFileInfo(path).isFile()) return;
    m_lastFolder = QFileInfo(path).absolutePath();
    settingsChanged.Emit();
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        m_prompter.ShowError(bytes.error());
        return;
    }
    TakeImport(ReadLapSource(info.source, FileLines(*bytes), m_splits, QFileInfo(path).fileName(), ids));
}

bool LapEntryModel::InsertRowMenuItemClick(int lapRow) {
    if (lapRow < 1 || lapRow > m_grid.RowCount()) return false;
    const int last = m_grid.RowCount();
    bool lastHoldsData = false;
    for (int column = 1; column < m_grid.ColumnCount(); ++column)
        if (!Cell(last, column).isEmpty()) lastHoldsData = true;
    // The last row moves down into a new row rather than being lost; beyond the slot's capacity the
    // insert is refused.
    if (lastHoldsData) {
        if (last >= MaxLapRows()) {
            m_prompter.ShowError(Fill(Translate("A driver holds at most %s laps: no row can be inserted."),
                                      QString::number(MaxLapRows())));
            return false;
        }
        EnsureLapRows(last + 1);
    }
    const int rows = m_grid.RowCount();
    for (int row = rows; row > lapRow; --row)
        for (int column = 1; column < m_grid.ColumnCount(); ++column)
            m_grid.SetCell(row - 1, column, Cell(row - 1, column));
    for (int column = 1; column < m_grid.ColumnCount(); ++column)
        m_grid.SetCell(lapRow - 1, column, QString());
    Renumber();
    Changed();
    return true;
}

void LapEntryModel::DeleteRows(int firstLapRow, int lastLapRow) {
    firstLapRow = std::max(firstLapRow, 1);
    lastLapRow = std::min(lastLapRow, m_grid.RowCount());
    for (int row = firstLapRow; row <= lastLapRow; ++row)
        for (int column = 1; column < m_grid.ColumnCount(); ++column)
            m_grid.SetCell(row - 1, column, QString());
    Renumber();
    Changed();
}

int LapEntryModel::TargetSlot() const {
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        if (m_live.Slot(slot).driverName == m_driver) return slot;
    return 1;
}

bool LapEntryModel::OkBitBtnClick() {
    m_ready.reset();
    const auto laps = EnteredLapsOf(SegmentRows(), m_pitText, m_startDay, m_splits);
    if (!laps) {
        m_prompter.ShowError(laps.error());
        return false;
    }
    if (m_driver.isEmpty()) {
        m_prompter.ShowError(Translate("You must enter a name for the driver!"));
        return false;
    }
    const int slot = TargetSlot();
    if (m_live.Slot(slot).IsRunning()) {
        m_prompter.ShowError(
            Fill(Translate("The session of %s is running: stop it before entering lap times."), m_driver));
        return false;
    }
    if (!m_live.CanApplyEnteredLaps(slot, m_splits)) {
        m_prompter.ShowError(
            Translate("The number of split times cannot change while another driver's session is running."));
        return false;
    }
    if (m_prompter.AskOkCancel(Fill(
            Translate("Selected driver: %s\nCurrent laptimes will be overwritten, continue?"), m_driver)) !=
        Answer::Ok)
        return false;
    m_ready = *laps;
    return true;
}

void LapEntryModel::Apply() {
    if (!m_ready) return;
    const EnteredLaps laps = *m_ready;
    m_ready.reset();
    if (m_fromMenu) partStatusStampCleared.Emit();
    if (const auto applied = m_live.ApplyEnteredLaps(TargetSlot(), laps);
        !applied && !applied.error().isEmpty())
        m_prompter.ShowError(applied.error());
}
