#pragma once
// The archive's filters and tree: which sessions pass the four filters, the grouping nodes built from
// the complete sessions, and the rows a node lists (with "Best laps": the best session per track).
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

using SummaryRows = std::vector<QStringList>;

// The texts of the four filter boxes. A text beginning with "<" (the "all" entry) or an empty text does
// not filter.
struct ArchiveFilters {
    QString year, driver, engine, frame;
};
bool FilterIsAll(const QString& text);
// "<All years>", "<All drivers>", "<All engines>", "<All frames>" (translated inside the brackets).
QString AllYearsEntry();
QString AllDriversEntry();
QString AllEnginesEntry();
QString AllFramesEntry();

// The entries of the four boxes: the "all" entry, then the distinct values of the complete sessions.
struct FilterLists {
    QStringList years, drivers, engines, frames;
};
FilterLists BuildFilterLists(const SummaryRows& rows);
// The filters with every text that is no longer an entry of its box replaced by the "all" entry.
ArchiveFilters KeepPresentSelections(const ArchiveFilters& filters, const FilterLists& lists);

// Complete, and equal to every filter that is not "all" (year of the date, driver, engine, frame).
bool PassesRowFilter(const QStringList& row, const ArchiveFilters& filters);

enum class NodeKind { AllSessions, Incomplete, Year, Track, Driver, Event, Frame, Engine, Type, BestLaps };

struct TreeNode {
    NodeKind kind;
    QString text;
    bool group = false; // a child of a top node (a year, a track, ...)
    std::vector<TreeNode> children;
};
std::vector<TreeNode> BuildTree(const SummaryRows& rows, const ArchiveFilters& filters);
// The first node in tree order (top node, then its children) whose text equals text.
std::optional<TreeNode> FindNode(const std::vector<TreeNode>& tree, const QString& text);

struct NodeContent {
    std::vector<int> rows; // indexes into the summary rows
    int hiddenColumn = -1; // the column that is the same in every row listed
};
// The rows a node lists; no node: every session passing the filters.
NodeContent RowsForNode(const SummaryRows& rows, const ArchiveFilters& filters,
                        const std::optional<TreeNode>& node);
// Of the given rows, one per track: the one with the smallest best lap (the first of equal ones); a row
// without a best lap only while its track has no row with one. In the order of the track names.
std::vector<int> BestLapPerTrack(const SummaryRows& rows, const std::vector<int>& candidates);
