#pragma once
// The operations on a group's parts that need no dialog: merging duplicate rows, moving quantities to
// another group, finding a row, and the lines of the part status log.
#include "part_status_data.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Rows are duplicates when the first is in use ("Changed" not empty) and columns 1 to 31 hold the same
// trimmed texts except the quantity; a number equal to 0 counts as empty.
bool ArePartDuplicates(const QStringList& first, const QStringList& second);
// Merges duplicate rows into one with the summed quantity (a quantity that is no whole number counts as
// 0, so no pieces vanish) and the earlier "Changed" date. With a reference row, merges only when at least
// two rows duplicate it. The table is left sorted by part number and name. True when rows were merged.
bool MergeDuplicateParts(TextTable& parts, const QStringList* reference = nullptr);

// One row moved to another group. The moved count is at most the row's quantity: a row holding no
// pieces moves nothing (a quantity that is no whole number counts as one piece).
struct PartMove {
    int quantity = 1;     // pieces to move
    bool moveAll = false; // the row's whole quantity
    QString date;         // the new "Changed" text; empty keeps the row's own
};
// Asked when a stock row moved to another stock group is emptied: delete it from its group?
using AskDeleteSource = std::function<bool(const QString& partName)>;
// Moves the row; returns the moved count (0: nothing moved, the row was skipped). The source row may be
// deleted (sourceDeleted). logLine receives the move's log line.
int MovePartRow(PartGroup& source, int row, PartGroup& destination, const PartMove& move,
                const QString& today, const AskDeleteSource& askDelete, QString* logLine,
                bool* sourceDeleted);

// The next row from current (down) or before it (up) holding the text in a searched column, compared in
// lower case; -1 when none. searched(column): whether the column is shown.
int FindPartRow(const TextTable& parts, int current, const QString& text, bool down,
                const std::function<bool(int column)>& searched);

// Log lines; today is the short date.
QString PartLogLine(const QString& today, const QString& group, const QString& action,
                    const QStringList& row);
QString GroupLogLine(const QString& today, const QString& group, const QString& action,
                     const QString& comment = {});
QString MoveLogLine(const QString& today, const QString& group, const QString& partName, int quantity,
                    const QString& destination);

// The item the maintenance log gains from a part ("Update Maintenance Log"): preset to the maintenance
// group of the part group's name, the part name as description and the part's supplier.
struct MaintenanceItemDraft {
    QString group;
    QString date;
    QString cost;
    QString supplier;
    QString description;
};
std::vector<MaintenanceItemDraft>
MaintenanceItemsForParts(const QString& partGroup, const std::vector<QStringList>& rows, const QString& date);
