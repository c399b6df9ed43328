#pragma once
// The summary row of one session file as the archive lists it: 22 cells, the first 18 shown, then the
// full path, the start time as a day number, the notes text and the best lap in milliseconds.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TTrackList;
class TTxtParser;

namespace ArchiveColumn {
enum : int {
    Date = 0,
    Event = 1,
    Driver = 2,
    Track = 3,
    Condition = 4,
    Density = 5,
    Type = 6,
    Class = 7,
    Laps = 8,
    Distance = 9,
    BestLap = 10,
    Position = 11,
    Frame = 12,
    Engine = 13,
    FinalGear = 14,
    TopSpeed = 15,
    Rank = 16,
    Information = 17,
    Path = 18,
    StartTime = 19,
    Notes = 20,
    BestLapMs = 21,
};
inline constexpr int kVisible = 18;
inline constexpr int kCount = 22;
} // namespace ArchiveColumn

// What the cells depend on besides the file: units, the air-density display and the track lengths.
struct SummaryOptions {
    QString vehicleCode = QStringLiteral("mc"); // sessions of another vehicle are skipped
    QString temperatureUnit = QStringLiteral("Celsius");
    QString pressureUnit = QStringLiteral("mbar");
    bool useAd = false;                   // "AD" (kg/m3) rather than "RAD" (percent of 1.225)
    bool miles = false;                   // distance in miles rather than km
    QHash<QString, QString> trackLengths; // case-folded track name -> length in metres as typed

    // Changes whenever a cell computed from these options would change (the scan cache's key).
    QString Fingerprint() const;
};

struct ProgramSettings;
// The options of the program settings for the vehicle code; the track lengths are the caller's.
SummaryOptions SummaryOptionsFrom(const ProgramSettings& settings, const QString& vehicleCode);
void AddTrackLengths(SummaryOptions& options, const TTrackList& tracks);

// The 22 header texts (translated; hidden columns empty).
QStringList SummaryHeaders(const SummaryOptions& options);
// Initial widths in pixels; the hidden columns are 0.
QList<int> DefaultSummaryWidths();

// The file's vehicle when it belongs to another vehicle type than options.vehicleCode: the row is then
// not listed. An empty vehicle key belongs to every type.
bool IsOtherVehicle(TTxtParser& parser, const SummaryOptions& options);

// The notes cell (the row's tip) holds at most this many characters of the notes, then "...": every row
// of the archive is kept in memory, and a tip longer than a screen shows nothing more.
inline constexpr qsizetype kSummaryNotesLimit = 4000;

// Fills the row from an open reader. modifiedDayNumber stands in for a missing start time.
QStringList ReadSummaryRow(TTxtParser& parser, const QString& path, double modifiedDayNumber,
                           const SummaryOptions& options);

// A session is complete when its lap count is an integer above 0.
bool IsCompleteRow(const QStringList& row);
