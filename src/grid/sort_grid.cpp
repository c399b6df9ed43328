#include "grid/sort_grid.h"

#include "storage/text_helpers.h"

#include <numeric>
#include <vector>

namespace {

// Stable merge sort of index ranges. Written out rather than std::stable_sort because the comparison
// mixes numeric and text order and so need not be transitive; this one stays in bounds regardless.
template <class Less> void MergeSort(std::vector<int>& items, int first, int last, Less less) {
    const int count = last - first;
    if (count < 2) return;
    std::vector<int> buffer(count);
    for (int width = 1; width < count; width *= 2) {
        for (int lo = 0; lo < count; lo += 2 * width) {
            const int mid = std::min(lo + width, count), hi = std::min(lo + 2 * width, count);
            int i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                buffer[k++] =
                    less(items[first + j], items[first + i]) ? items[first + j++] : items[first + i++];
            while (i < mid)
                buffer[k++] = items[first + i++];
            while (j < hi)
                buffer[k++] = items[first + j++];
        }
        std::copy(buffer.begin(), buffer.end(), items.begin() + first);
    }
}

// Sorts order[first, last) by one key unless that range already is in order.
void SortRange(const TextGrid& grid, std::vector<int>& order, int first, int last, const SortKey& key) {
    auto compare = [&](int a, int b) {
        return CompareCellValues(grid.Cell(a, key.column), grid.Cell(b, key.column), key.descending);
    };
    bool inOrder = true;
    for (int i = first + 1; i < last && inOrder; ++i)
        inOrder = compare(order[i - 1], order[i]) <= 0;
    if (inOrder) return;
    MergeSort(order, first, last, [&](int a, int b) { return compare(a, b) < 0; });
}

// Calls f(first, last) for every run of consecutive rows whose cells in the given columns hold equal text.
template <class F>
void ForEachEqualRun(const TextGrid& grid, const std::vector<int>& order, std::initializer_list<int> columns,
                     F f) {
    auto same = [&](int a, int b) {
        for (int c : columns)
            if (grid.Cell(a, c) != grid.Cell(b, c)) return false;
        return true;
    };
    const int n = static_cast<int>(order.size());
    for (int start = 0; start < n;) {
        int end = start + 1;
        while (end < n && same(order[start], order[end]))
            ++end;
        if (end - start > 1) f(start, end);
        start = end;
    }
}

} // namespace

void SortGrid(TextGrid& grid, const SortKeys& keys) {
    const int n = grid.UsedRows();
    if (keys[0].IsSet() && n > 1) {
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        SortRange(grid, order, 0, n, keys[0]);
        if (keys[1].IsSet()) {
            ForEachEqualRun(grid, order, {keys[0].column},
                            [&](int first, int last) { SortRange(grid, order, first, last, keys[1]); });
            if (keys[2].IsSet())
                ForEachEqualRun(grid, order, {keys[0].column, keys[1].column},
                                [&](int first, int last) { SortRange(grid, order, first, last, keys[2]); });
        }
        bool moved = false;
        for (int i = 0; i < n && !moved; ++i)
            moved = order[i] != i;
        if (moved) grid.ReorderUsedRows(order);
    }
    grid.SetCurrentRow(n > 0 ? 0 : -1);
}

bool IsSortClick(std::int64_t pressMs, std::int64_t releaseMs, bool releasedOverHeader) {
    const std::int64_t held = releaseMs - pressMs;
    return releasedOverHeader && held >= 0 && held <= kSortClickMaxMs;
}

void ApplyHeaderClick(SortKeys& keys, int column, bool ctrl, bool shift) {
    if (column < 0) return;
    int slot = 0;
    if (ctrl && shift && keys[1].IsSet())
        slot = 2;
    else if (ctrl && keys[0].IsSet())
        slot = 1;
    else {
        keys[1].column = -1;
        keys[2].column = -1;
    }
    if (keys[slot].column == column)
        keys[slot].descending = !keys[slot].descending;
    else
        keys[slot].column = column;
}

QString SortedHeaderLabel(const QString& title, const SortKeys& keys, int column) {
    for (int i = 0; i < 3; ++i) {
        if (keys[i].column == column && column >= 0)
            return title + QLatin1Char(' ') + (keys[i].descending ? QChar(0x25BC) : QChar(0x25B2)) +
                   QString::number(i + 1);
    }
    return title;
}

void SortableGrid::SetKeys(const SortKeys& keys) {
    m_keys = keys;
    m_grid.NotifyHeadersChanged();
}

void SortableGrid::HeaderClick(int column, bool ctrl, bool shift) {
    if (column < 0 || column >= m_grid.ColumnCount()) return;
    ApplyHeaderClick(m_keys, column, ctrl, shift);
    Sort();
    m_grid.NotifyHeadersChanged();
    if (onMarkChanged) onMarkChanged();
}
