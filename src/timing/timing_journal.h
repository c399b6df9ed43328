#pragma once
// The crash journal of live timing: every accepted press, undo, pit in, pit out, start and stop is
// appended to a file in the data folder at once and flushed, so lap data survive a crash of the program.
// A clean end (the session saved, the lap times reset or discarded) removes the file; a file found at
// start-up therefore belongs to a run that did not end cleanly, and its lap data can be rebuilt.
#include "lap_data.h"
#include "storage/expected.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>

inline constexpr const char* kTimingJournalFileName = "timing_journal.txt";
inline constexpr const char* kTimingJournalHeader = "vorlapa timing journal 1"; // the first line

class TimingJournal {
  public:
    TimingJournal() = default;
    TimingJournal(const TimingJournal&) = delete;
    TimingJournal& operator=(const TimingJournal&) = delete;

    // Starts a new journal in folder with the lap data already held (a snapshot), replacing any old one.
    Expected<void, QString> Open(const QString& folder, const LapData& current);
    bool IsOpen() const { return m_file.isOpen(); }

    void Start(int slot, std::uint32_t tick, double day, const QString& name);
    void Press(int slot, std::uint32_t tick, double day);
    void Undo(int slot, double day);
    void PitIn(int slot, std::uint32_t tick, double day);
    void PitOut(int slot, std::uint32_t tick, double day, qint32 pitTotal);
    void Stop(int slot, double day);
    void Splits(int splits);

    // The run ended cleanly: the file is removed.
    void Close();
    const QString& LastError() const { return m_lastError; }

  private:
    void Append(const QString& line);

    QFile m_file;
    QString m_lastError;
};

// The journal of an unfinished run in folder, or an empty text when there is none.
QString JournalFindUnfinished(const QString& folder);

struct RestoredLapData {
    LapData lapData;
    int events = 0;       // lines replayed
    int skippedLines = 0; // damaged lines left out (a crash may cut the last one)
};

// Rebuilds the slots' lap data from the text of a journal by replaying its events on fresh lap timers. A
// damaged line is counted and left out; a text that does not open with the journal's header line is an
// error. Nothing after an "end" line is read.
Expected<RestoredLapData, QString> ParseTimingJournal(const QString& text);
// The lines that open a journal after its header: the splits and each slot that holds lap data.
QStringList JournalSnapshotLines(const LapData& current);
// Reads the file at path and parses it.
Expected<RestoredLapData, QString> RestoreFromJournal(const QString& path);
// Removes a journal the user chose not to restore.
bool DiscardJournal(const QString& path);
