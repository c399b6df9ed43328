#pragma once
// The tire inventory of one vehicle type: the tires with their history of sessions, the file
// tirelist_*.ini, the conversions between the stored metric values and the shown ones, the grouping tree
// and the rows a tree node shows.
#include "storage/expected.h"
#include "storage/vehicle.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tire_col {
constexpr int Id = 0, Position = 1, Brand = 2, Dimension = 3, Compound = 4, Mileage = 5, HeatCycles = 6,
              Set = 7, CircNew = 8, CircFirstUse = 9, CircCurrent = 10, DatePurchased = 11, DateFirstUse = 12;
} // namespace tire_col
inline constexpr int kTireColumnCount = 13;

namespace history_col {
constexpr int Date = 0, Driver = 1, Position = 2, Track = 3, SessionType = 4, Laps = 5, Mileage = 6,
              Rotation = 7, Vehicle = 8;
} // namespace history_col
inline constexpr int kHistoryColumnCount = 9;

struct TireRecord {
    QStringList fields = QStringList(kTireColumnCount, QString()); // stored forms (km, mm, short dates)
    QList<QStringList> history;                                    // entries in list order
    QString Id() const { return fields.value(tire_col::Id).trimmed(); }
};

struct TireList {
    std::vector<TireRecord> tires;
};

QString TireListFileName(VehicleType vehicle); // "tirelist_mc.ini", ...
// The wheel positions of the setup's tire table, in column order ("FL", "FR", "RL", "RR" / "Front", ...).
QStringList TirePositions(VehicleType vehicle);
bool ShowsCircumference(VehicleType vehicle);                // karts and cars
QStringList TireColumnCaptions();                            // translated
QStringList TireHistoryCaptions();                           // translated
int InitialTireColumnWidth(int column, VehicleType vehicle); // 1 for a hidden circumference column

// Tire IDs are compared trimmed: a blank at an edge would otherwise part a tire from its history section
// (section names are trimmed when written).
int FindTireRow(const TireList& list, const QString& id);     // first tire with exactly this ID, -1
int FindLastTireRow(const TireList& list, const QString& id); // last one, -1
// Whether another tire (all but `except`) has this ID, letter case ignored.
bool TireIdTaken(const TireList& list, const QString& id, int except = -1);

// The file text: "version" first (a bracket in a tire line would otherwise hide it), then the list,
// then one "tire_id=" section per tire with history.
QString TireListText(const TireList& list);
// A file without "version" gets an empty "Type of session" field inserted into each history line.
TireList ParseTireList(const QString& text);
// A missing file gives an empty list; an unreadable one an error naming it.
Expected<TireList, QString> LoadTireListFile(const QString& dataDir, VehicleType vehicle);
Expected<void, QString> SaveTireListFile(const QString& dataDir, VehicleType vehicle, const TireList& list);

// Shown forms of the stored values: with miles, km / 1.609 and mm / 25.4 as "0.000"; a text that is no
// number is shown as it is.
QString ShownMileage(const QString& km, bool miles);
QString ShownCircumference(const QString& mm, bool miles);
QString ShownTireField(const QStringList& fields, int column, bool miles);
QString ShownHistoryField(const QStringList& entry, int column, bool miles);

// The grouping tree, in order; `level` 0 for the top nodes.
struct TireTreeNode {
    enum class Kind { All, CompoundGroup, Compound, PositionGroup, Position, SetGroup, Set, CurrentSetup };
    Kind kind;
    QString text;
    int level = 0;
};
// setupIds: the tire IDs of the current setup's tire table (blank ones are ignored).
std::vector<TireTreeNode> BuildTireTree(const TireList& list, const QStringList& setupIds);

// The rows a node shows: the tires (indexes into the list), sorted, and the columns shown.
struct TireListView {
    std::vector<int> columns; // stored column indexes, in order
    QStringList headers;
    std::vector<int> tires;   // per shown row, the index into the list
    QList<QStringList> cells; // per shown row, the shown texts of `columns`
};
struct TireSort {
    int column = tire_col::Id; // stored column
    bool descending = false;
};
TireListView ShowTires(const TireList& list, const TireTreeNode& node, const QStringList& setupIds,
                       VehicleType vehicle, bool miles, const TireSort& sort);
// The history rows of a tire as the grid shows them.
QList<QStringList> ShownHistory(const TireRecord& tire, bool miles);

// The tire dialog's fields as shown (mileage and circumferences in the user's unit).
struct TireDialogValues {
    QString id, position, brand, dimensions, compound, mileage, heatCycles, set;
    QString purchaseDate; // "yyyy-mm-dd"
    bool firstUse = false;
    QString firstUseDate; // "yyyy-mm-dd"
    QString circNew, circFirstUse, circCurrent;
};
enum class TireDialogMode { Add, Edit, Clone };
// Presets of the dialog; a purchase date that is no valid date shows today.
TireDialogValues NewTireValues(const QString& today);
TireDialogValues EditTireValues(const TireRecord& tire, bool miles, const QString& today);
TireDialogValues CloneTireValues(const TireRecord& tire, bool miles, const QString& today);
// The message refusing the values, or none ("Tire ID not unique!"; an empty ID is refused too).
std::optional<QString> CheckTireValues(const TireDialogValues& values, const TireList& list, int except);
// The stored fields from the dialog. Editing (preset given) keeps the stored value of every mileage and
// circumference whose shown text did not change, so an unchanged field never drifts through the units.
QStringList StoredTireFields(const TireDialogValues& values, bool miles, TireDialogMode mode,
                             const TireRecord* edited = nullptr, const TireDialogValues* preset = nullptr);

// A session's distance in km: track length (m) x laps / 1000, when both are numbers.
std::optional<double> SessionDistance(const QString& trackLengthMetres, const QString& laps);
// Adds one heat cycle (a text that is no whole number counts as 0).
void AddHeatCycle(TireRecord& tire);
// Adds km to the mileage (a text that is no number counts as 0), written in the shortest general form.
void AddMileage(TireRecord& tire, double km);
// Sets "Date 1st use" to the date when it holds no valid date.
void SetFirstUseIfEmpty(TireRecord& tire, const QString& date);
