#pragma once
// The part status: named groups of parts with their life counters, the rules of the computed "left"
// columns, and the file partstatus.ini with the row upgrades of older file versions.
#include "grid/sort_grid.h"
#include "grid/text_table.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace part_col {
constexpr int Changed = 0, PartNo = 1, Id = 2, Name = 3, Location = 4, Supplier = 5, Storage = 6, Price = 7,
              Qty = 8, ReqQty = 9, Hours = 10, HoursLeft = 11, Mileage = 12, MileageLeft = 13, Starts = 14,
              StartsLeft = 15, Sessions = 16, HoursSinceInsp = 17, HoursUntilInsp = 18, MileageSinceInsp = 19,
              MileageUntilInsp = 20, StartsSinceInsp = 21, StartsUntilInsp = 22, Comments = 23,
              HoursLimit = 24, MileageLimit = 25, StartsLimit = 26, HoursInterval = 27, MileageInterval = 28,
              StartsInterval = 29, Tasks = 30, Link = 31;
} // namespace part_col

inline constexpr int kPartColumnCount = 32;
inline constexpr int kMaxPartGroups = 100;
inline const QString kPartsListVersion = QStringLiteral("2.8");

// The column captions as the grid shows them ("" for the columns that are never shown), translated.
QStringList PartColumnCaptions();
// True for "Supplier", "Storage", "Price/pcs" and "Req. Qty": shown in stock groups only.
bool IsStockColumn(int column);
// Initial widths; columns of width 0 are hidden. Comments takes at least 200.
int InitialPartColumnWidth(int column, bool stockGroup);

struct PartGroup {
    QString name;
    bool stock = false;
    QString lastUpdated; // default "<never>"
    SortKeys sortKeys{};
    TextTable parts{kPartColumnCount};
};
QString NeverUpdatedText(); // "<never>", translated

// A computed "left" column: the text to show and whether the limit is exceeded.
struct LeftValue {
    QString text;
    bool exceeded = false;
};
LeftValue DecimalLeft(const QString& limit, const QString& value); // "0.00"; empty when limit is no number
LeftValue IntegerLeft(const QString& limit, const QString& value); // whole number
// Sets columns 11, 13, 18, 20 (decimal rule) and 15, 22 (integer rule) of a 32-field row.
void ComputeLeftColumns(QStringList& row);
// Whole-number quantity of a row, std::nullopt when the text is no integer.
std::optional<int> QtyOf(const QStringList& row);

// Applies the row upgrade steps from fromVersion on, in order, up to the current version. A version with
// no step leaves the row as it is.
QStringList UpgradePartRow(QStringList row, const QString& fromVersion);

struct PartStatusFile {
    std::vector<PartGroup> groups; // sorted by name, case-insensitive
    QStringList log;
    bool tooNew = false; // the version was newer: no parts were loaded
    QString version;     // as read
};

QString PartStatusFileName();    // "partstatus.ini"
QString PartStatusLogFileName(); // "partstatuslog.txt"
QString TooNewPartStatusText();  // "Partstatus version too new, use latest software release to continue!"

// Sorts groups by name, case-insensitive (stable).
void SortPartGroups(std::vector<PartGroup>& groups);
// Reads the tag-file text (groups numbered 1..; numbers 1 to 11 are always probed, from 12 on the first
// missing number ends the list; at most 100 groups). Sort keys outside -1..31 are ignored.
PartStatusFile ParsePartStatus(const QString& text);
// Reads partstatus.ini and partstatuslog.txt of the data folder. Missing files give an empty area; an
// unreadable file is an error naming it.
Expected<PartStatusFile, QString> LoadPartStatusFiles(const QString& dataDir);
// The file text as written: the version before the group keys, and each group's part list after its keys
// (a "[" in a part line would otherwise hide the keys after it).
QString PartStatusText(const std::vector<PartGroup>& groups);
// Writes partstatus.ini (in the given group order) and the whole log, atomically.
Expected<void, QString> SavePartStatusFiles(const QString& dataDir, const std::vector<PartGroup>& groups,
                                            const QStringList& log);

// A group name holding "[", "]" or ";" would break the file: refused.
bool IsValidPartGroupName(const QString& name);
