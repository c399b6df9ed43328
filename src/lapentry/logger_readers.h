#pragma once
// The readers of lap timer and data-logger files. Each is a pure function from the file's lines (and the
// entry dialog's splits) to the laps it writes into the entry grid: the cells of columns 1.. of rows
// 1, 2, ..., the splits it sets, and the error that ended it (the laps written before an error stay).
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct LapImport {
    std::vector<QStringList> rows; // rows[0] is grid row 1; cells from column 1 on
    std::optional<int> splits;     // the dialog's splits the reader set
    QString error;                 // empty when the reader ended normally
    // From sources whose files name them.
    QString driver;
    std::optional<QDateTime> start;

    // The cell of grid row `row` (1-based) and column `column` (1-based), growing the rows as needed.
    void SetCell(int row, int column, const QString& text);
    void AddLap(const QString& text) { rows.push_back(QStringList{text}); }
};

// The file's text as lines: UTF-8 (Windows-1252 where it is not valid UTF-8), byte-order mark dropped,
// lines split at CR LF, LF or a lone CR.
QStringList FileLines(const QByteArray& bytes);

LapImport ReadAimSports(const QStringList& lines);
LapImport ReadAimLightAnalyzer(const QStringList& lines);
LapImport ReadAlfano(const QStringList& lines);
LapImport ReadPi(const QStringList& lines, int splits, const QString& fileName);
// The capture of a T200 download saved to a file: the header line, then the records it collects go to
// the record reader.
LapImport ReadT200File(const QStringList& lines, int splits);
enum class T200Origin { File, Serial };
LapImport ReadT200Records(const QStringList& lines, int splits, T200Origin origin);
LapImport ReadMotec(const QStringList& lines);
LapImport Read2D(const QStringList& lines, int splits, const QString& fileName);
LapImport ReadBullet(const QStringList& lines);
LapImport ReadAimCsv(const QStringList& lines);
LapImport ReadMotecCsv(const QStringList& lines);

// UltraLap exports: one line per lap, fields driver, date and time, track, session ID, lap number, lap
// time, "S" for a lap not taken, "*" for the best lap; a header line first.
struct UltralapSession {
    QString id, dateTime, driver, track, laps, bestLap;
};
std::vector<UltralapSession> UltralapSessions(const QStringList& lines);
// The laps of the sessions with these IDs, in the order of the IDs; laps marked "S" are skipped.
LapImport ReadUltralap(const QStringList& lines, const QStringList& ids, int splits);

// One quoted CSV record: fields separated by commas, double quotes around a field, "" inside quotes
// for a quote.
QStringList SplitCsvRecord(const QString& line);
