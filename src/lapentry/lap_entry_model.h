#pragma once
// "Import lap times" (TImportManualSessionDialog): the grid of segment times typed, read from a logger's
// file or a timer's serial download, or loaded from a driver slot to be corrected; OK replaces the chosen
// driver's run in the live timing as if it had been timed.
#include "events/event.h"
#include "grid/text_grid.h"
#include "lap_sources.h"
#include "services/services.h"
#include "storage/expected.h"
#include "timing/lap_data.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class LiveTimingModel;

// What the UltraLap dialog hands back on OK.
struct UltralapChoice {
    QString path;
    QStringList ids; // the checked sessions, in list order
};

// The entry grid's values turned into a run: every non-empty cell in reading order, the pit time and the
// stop time. Errors are the time conversion's messages.
Expected<EnteredLaps, QString> EnteredLapsOf(const std::vector<QStringList>& rows, const QString& pitText,
                                             double startDay, int splits);

class LapEntryModel {
  public:
    static constexpr int kInitialLapRows = 499;
    // A driver holds at most this many segment times (the lap timer's store).
    static constexpr int kMaxTimes = 1000;

    LapEntryModel(LiveTimingModel& liveTiming, Prompter& prompter, Clock& clock);

    // The serial download (its window): the received lines on OK, std::nullopt on Cancel.
    std::function<std::optional<QStringList>()> requestSerialDownload;
    // The UltraLap session dialog: the file and the checked sessions on OK.
    std::function<std::optional<UltralapChoice>()> requestUltralapChoice;

    // "import_last_type", "import_data_path" or "import_data_serial_port" changed.
    Event<> settingsChanged;
    // The part-status stamp of the session is to be cleared ("Enter lap times manually", and OK after
    // the main menu's entry).
    Event<> partStatusStampCleared;
    // Anything the dialog shows changed.
    Event<> changed;

    // Stored settings.
    void SetStoredSettings(const QString& lastType, const QString& lastFolder, const QString& serialPort);
    QString LastType() const;
    const QString& LastFolder() const { return m_lastFolder; }
    const QString& LastSerialPort() const { return m_lastSerialPort; }
    void SetLastSerialPort(const QString& port);

    // Ways to open the dialog; each sets the splits from the window's. False when the dialog is not shown.
    void PrepareFromMenu();
    void PrepareEnterManually(int slot);
    bool PrepareEdit(int slot);

    // Fields.
    QStringList DriverNames() const; // the four slots' names
    const QString& Driver() const { return m_driver; }
    void SetDriver(const QString& name);
    double StartDay() const { return m_startDay; } // date and time of day as a day number
    void SetStartDay(double day);
    int Splits() const { return m_splits; }
    // The splits box is locked to the window's while another slot runs.
    bool SplitsEnabled() const;
    void SetSplits(int splits);
    const QString& PitText() const { return m_pitText; }
    void SetPitText(const QString& text);
    static QStringList SourceTexts();
    int SourceIndex() const { return m_sourceIndex; } // -1: none chosen
    void SetSourceIndex(int index);
    bool ImportEnabled() const { return m_sourceIndex >= 0; }

    // The grid: header row, column 0 the row numbers, columns 1..splits+1 the segment times.
    TextGrid& Grid() { return m_grid; }
    const TextGrid& Grid() const { return m_grid; }
    int LapRows() const { return m_grid.RowCount(); }
    QString Cell(int lapRow, int column) const { return m_grid.Cell(lapRow - 1, column); }
    void SetCell(int lapRow, int column, const QString& text);
    // The segment cells of rows 1..last used row.
    std::vector<QStringList> SegmentRows() const;

    // Operations.
    bool ClearAllButtonClick();
    void ImportDataButtonClick();
    bool InsertRowMenuItemClick(int lapRow);
    void DeleteRows(int firstLapRow, int lastLapRow); // the Delete key
    // Puts a reader's result into the grid (the grid emptied first); shows the reader's error.
    void TakeImport(const LapImport& import);
    // OK: true when the dialog closes with success; the run to apply is then ready.
    bool OkBitBtnClick();
    // After a successful OK: replaces the chosen driver's run.
    void Apply();
    // The slot the data go to: the first named like the driver, slot 1 when none is.
    int TargetSlot() const;

  private:
    void RebuildColumns();
    void EnsureLapRows(int rows);
    void Renumber();
    void EmptyGrid();
    int MaxLapRows() const { return kMaxTimes / (m_splits + 1); }
    void Changed() { changed.Emit(); }

    LiveTimingModel& m_live;
    Prompter& m_prompter;
    Clock& m_clock;
    TextGrid m_grid;
    QString m_driver;
    double m_startDay = 0;
    int m_splits = 0;
    QString m_pitText;
    int m_sourceIndex = -1;
    QString m_lastFolder;
    QString m_lastSerialPort;
    std::optional<EnteredLaps> m_ready; // what OK accepted
    bool m_fromMenu = false;
};
