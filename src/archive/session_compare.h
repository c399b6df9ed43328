#pragma once
// Sessions side by side: one column per session file, one row per compared item (conditions, notes,
// tire readings, setup values). Rows empty in every session are left out, and on request rows whose
// value is the same in every session.
//
// The rows of a session come from one catalogue per vehicle type and options: the same list yields the
// row titles and, for a file, its values, so titles and values line up by position (titles repeat, e.g.
// "Final gear" twice).
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class TTxtParser;

struct CompareOptions {
    QString vehicleCode = QStringLiteral("mc"); // "mc", "sidecar", "gokart" or "car"
    bool includeSetup = true;                   // "Include setup information"
    bool hideIdentical = true;                  // "Don't show identical values"
    bool includeSession = true;                 // "Include session information"
    QString volumeUnit = QStringLiteral("litres");
    bool miles = false; // distance unit "miles"
    QString temperatureUnit = QStringLiteral("Celsius");
    QString pressureUnit = QStringLiteral("mbar");
};

struct ProgramSettings;
enum class VehicleType;
// The units of the program's settings and the vehicle type; the three choices at their defaults.
CompareOptions CompareOptionsFrom(const ProgramSettings& settings, VehicleType vehicle);

// How a row's value is made from the file.
enum class CompareRowKind {
    Plain,      // the key's text
    Volume,     // litres converted to the volume unit
    Distance,   // converted with the distance kind when the unit is miles
    GearTriple, // "symbol (input/output)", or "(input/output)" without a symbol
    List,       // a list block's lines joined as comma text
    FileName,   // the file name without folder
    Laps,       // driver 1's lap count
    BestLap,    // driver 1's best lap
    AirDensity, // "0.000" kg/m3
    RelativeAirDensity,
};

struct CompareRowSpec {
    QString title; // translated, formatted
    CompareRowKind kind = CompareRowKind::Plain;
    QString section;
    QString key;  // gear triples: the output key
    QString key2; // gear triples: the input key
    QString key3; // gear triples: the symbol key (may be empty)
    int distanceKind = 0;
};

// The rows of one session for the vehicle type and options, in order; the first is "Session name".
std::vector<CompareRowSpec> CompareRowCatalogue(const CompareOptions& options);
QStringList CompareRowTitles(const std::vector<CompareRowSpec>& rows);

// The values of one session file along the catalogue. An error (the file cannot be read, its lap data
// are corrupt) gives std::nullopt-like failure: ok is false and error says why.
struct CompareRowValues {
    bool ok = false;
    QString error;
    QStringList values;
};
CompareRowValues ReadCompareRowValues(const QString& path, const std::vector<CompareRowSpec>& rows,
                                      const CompareOptions& options);

// The result: row 0 of the grid is the file names (the corner empty), then the kept rows.
struct CompareResult {
    QStringList files; // file names without folder, in the order given
    QStringList paths; // the full paths
    QStringList titles;
    std::vector<QStringList> values; // per kept row, one value per session
    QStringList errors;              // "Cannot read ..." per session that gave an empty column

    int RowCount() const { return int(titles.size()); }
    bool IsEmpty() const { return files.isEmpty(); }
};

// Status text (ending in "...") and percent 0..100 of each step.
using CompareProgressFn = std::function<void(const QString& text, int percent)>;

// Keeps a row unless every value is empty, or (hideIdentical) every value equals the first one.
bool KeepCompareRow(const QStringList& values, bool hideIdentical);

// Reads every file once and builds the result. A file that cannot be read or whose lap data are corrupt
// gives an empty column (its header keeps the file name) and does not stop the comparison.
CompareResult CompareSessions(const QStringList& paths, const CompareOptions& options,
                              const CompareProgressFn& progress = {});

// percent of step index of count steps: index * 100 / (count - 1) rounded; 100 when there is one step.
int StepPercent(int index, int count);
