#pragma once
// The schedule of coming events (schedule.ini), the rule that finds the next event, and the to-do note
// (todo.txt).
#include "grid/sort_grid.h"
#include "grid/text_table.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace event_col {
constexpr int Date = 0, Track = 1, Type = 2, Class = 3, Name = 4, Comments = 5;
} // namespace event_col
inline constexpr int kEventColumnCount = 6;

QStringList EventColumnCaptions(); // "Date", "Track", "Type", "Class", "Name", "Comments", translated

struct Schedule {
    SortKeys sortKeys{SortKey{0, false, SortCompare::Cell}, SortKey{}, SortKey{}};
    TextTable events{kEventColumnCount};
};

QString ScheduleFileName(); // "schedule.ini"
QString ToDoFileName();     // "todo.txt"

// Reads the tag-file text: key 1 is its column when a whole number of a column, else 0; keys 2 and 3 a
// column or -1; a descending key with any value sets that key descending. Events in file order.
Schedule ParseSchedule(const QString& text);
QString ScheduleText(const Schedule& schedule);
Expected<Schedule, QString> LoadSchedule(const QString& dataDir); // missing file: empty schedule
Expected<void, QString> SaveSchedule(const QString& dataDir, const Schedule& schedule);

// The first row whose date is the day or later; the search stops at a date that cannot be read.
std::optional<int> NextEventRow(const TextTable& events, const QString& today);

// An event the dialog would add: std::nullopt when Type, Class, Name and Comments are all empty.
std::optional<QStringList> NewEvent(const QStringList& fields);

// todo.txt: missing gives an empty text; saving writes CR LF line ends and reports a failure.
Expected<QString, QString> LoadToDo(const QString& dataDir);
Expected<void, QString> SaveToDo(const QString& dataDir, const QString& text);
