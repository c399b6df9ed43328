#pragma once
// Sorting of a text grid by up to three keys, and the rules of sorting by clicking a column header.
#include "grid/text_grid.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// How a sort key compares the cells of its column.
enum class SortCompare {
    Cell,   // CompareCellValues: as numbers when both cells are numbers, else as text
    Text,   // as text, numbers too (locale collation of the trimmed texts)
    Number, // as decimal numbers; a cell that is no number comes before every number
    Day,    // as dates: "yyyy-mm-dd" (with an optional " hh.mm") or a day number; anything else comes first
};

struct SortKey {
    int column = -1; // -1: key not set
    bool descending = false;
    SortCompare compare = SortCompare::Cell;
    bool IsSet() const { return column >= 0; }
};

// Key 1, 2 and 3. A key slot keeps its direction when its column changes or it is removed, so choosing
// another column for a key keeps that key's direction; every slot starts ascending.
using SortKeys = std::array<SortKey, 3>;

// Compares two cells the way the key says: negative, 0 or positive; reversed when the key is descending.
int CompareSortCells(const QString& a, const QString& b, const SortKey& key);

// The order of rowCount rows sorted by the keys, the cells given by cell(row, column): by key 1; then,
// within each run of rows whose key-1 cells hold the same text, by key 2; then within runs equal in keys 1
// and 2 by key 3. The sort is stable, so rows already in order stay as they are. order[i] is the row that
// goes to place i; without a first key the rows keep their order.
std::vector<int> SortedRowOrder(int rowCount, const std::function<QString(int row, int column)>& cell,
                                const SortKeys& keys);

// Sorts the used rows by the keys (SortedRowOrder) and selects the first data row.
void SortGrid(TextGrid& grid, const SortKeys& keys);

// A press on the header counts as a sort click only when released over the header within 500 ms.
constexpr std::int64_t kSortClickMaxMs = 500;
bool IsSortClick(std::int64_t pressMs, std::int64_t releaseMs, bool releasedOverHeader);

// Which key a header click sets: Ctrl+Shift with a second key set: the third key; Ctrl (with or without
// Shift) with a first key set: the second key; otherwise the first key, dropping the second and third.
// Clicking the column that already is that key reverses its direction; a key given another column
// compares its cells as the grid shows them (SortCompare::Cell).
void ApplyHeaderClick(SortKeys& keys, int column, bool ctrl, bool shift);

// The header title with the mark of the key the column holds: a triangle for the direction and the key
// number ("Qty ▲1", "Date ▼2"); the title alone for a column that is no key.
QString SortedHeaderLabel(const QString& title, const SortKeys& keys, int column);

// A grid with its sort keys, as the sortable grids of the workshop and schedule pages use it.
class SortableGrid {
  public:
    explicit SortableGrid(TextGrid& grid) : m_grid(grid) {}

    TextGrid& Grid() { return m_grid; }
    const SortKeys& Keys() const { return m_keys; }
    void SetKeys(const SortKeys& keys);

    // A sort click on the column header: updates the keys, sorts and marks the grid's area changed.
    void HeaderClick(int column, bool ctrl, bool shift);
    void Sort() { SortGrid(m_grid, m_keys); }
    QString HeaderLabel(int column) const { return SortedHeaderLabel(m_grid.Header(column), m_keys, column); }

    // Marks the area the grid belongs to as changed (sorting is an edit of the list order).
    std::function<void()> onMarkChanged;

  private:
    TextGrid& m_grid;
    SortKeys m_keys{};
};
