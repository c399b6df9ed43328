#include "grid/sort_grid.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"

#include <numeric>
#include <optional>
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

using CellText = std::function<QString(int row, int column)>;

int Sign(double value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int TextOrder(const QString& a, const QString& b) {
    return Sign(QString::localeAwareCompare(TrimControl(a), TrimControl(b)));
}

std::optional<double> NumberValue(const QString& text) {
    return IsDecimalText(text) ? ParseDecimal(text) : std::nullopt;
}

// "yyyy-mm-dd", optionally followed by a blank and "hh.mm" (the date-time text of the files), or a day
// number.
std::optional<double> DayValue(const QString& text) {
    const QString trimmed = TrimControl(text);
    if (const auto number = NumberValue(trimmed)) return number;
    const qsizetype blank = trimmed.indexOf(u' ');
    const auto day = ParseDateText(blank < 0 ? trimmed : trimmed.left(blank));
    if (!day) return std::nullopt;
    const QString time = blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed();
    if (time.isEmpty()) return day;
    const QStringList parts = time.split(u'.');
    bool hourOk = false, minuteOk = false;
    const int hour = parts.value(0).toInt(&hourOk), minute = parts.value(1).toInt(&minuteOk);
    if (parts.size() != 2 || !hourOk || !minuteOk || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return std::nullopt;
    return *day + (hour * 60 + minute) / 1440.0;
}

// Values first compare as values; a cell without one comes before every cell with one; two cells without
// compare as text.
int ValueOrder(const QString& a, const QString& b, std::optional<double> (*value)(const QString&)) {
    const auto x = value(a), y = value(b);
    if (x && y) return Sign(*x - *y);
    if (x || y) return x ? 1 : -1;
    return TextOrder(a, b);
}

// Sorts order[first, last) by one key unless that range already is in order.
void SortRange(const CellText& cell, std::vector<int>& order, int first, int last, const SortKey& key) {
    auto compare = [&](int a, int b) {
        return CompareSortCells(cell(a, key.column), cell(b, key.column), key);
    };
    bool inOrder = true;
    for (int i = first + 1; i < last && inOrder; ++i)
        inOrder = compare(order[i - 1], order[i]) <= 0;
    if (inOrder) return;
    MergeSort(order, first, last, [&](int a, int b) { return compare(a, b) < 0; });
}

// Calls f(first, last) for every run of consecutive rows whose cells in the given columns hold equal text.
template <class F>
void ForEachEqualRun(const CellText& cell, const std::vector<int>& order, std::initializer_list<int> columns,
                     F f) {
    auto same = [&](int a, int b) {
        for (int c : columns)
            if (cell(a, c) != cell(b, c)) return false;
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

int CompareSortCells(const QString& a, const QString& b, const SortKey& key) {
    int result = 0;
    switch (key.compare) {
    case SortCompare::Cell:
        result = CompareCellValues(a, b, false);
        break;
    case SortCompare::Text:
        result = TextOrder(a, b);
        break;
    case SortCompare::Number:
        result = ValueOrder(a, b, NumberValue);
        break;
    case SortCompare::Day:
        result = ValueOrder(a, b, DayValue);
        break;
    }
    return key.descending ? -result : result;
}

std::vector<int> SortedRowOrder(int rowCount, const CellText& cell, const SortKeys& keys) {
    std::vector<int> order(std::max(0, rowCount));
    std::iota(order.begin(), order.end(), 0);
    if (!keys[0].IsSet() || rowCount < 2) return order;
    SortRange(cell, order, 0, rowCount, keys[0]);
    if (keys[1].IsSet()) {
        ForEachEqualRun(cell, order, {keys[0].column},
                        [&](int first, int last) { SortRange(cell, order, first, last, keys[1]); });
        if (keys[2].IsSet())
            ForEachEqualRun(cell, order, {keys[0].column, keys[1].column},
                            [&](int first, int last) { SortRange(cell, order, first, last, keys[2]); });
    }
    return order;
}

void SortGrid(TextGrid& grid, const SortKeys& keys) {
    const int n = grid.UsedRows();
    const auto order = SortedRowOrder(
        n, [&](int row, int column) { return grid.Cell(row, column); }, keys);
    bool moved = false;
    for (int i = 0; i < n && !moved; ++i)
        moved = order[i] != i;
    if (moved) grid.ReorderUsedRows(order);
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
    if (keys[slot].column == column) {
        keys[slot].descending = !keys[slot].descending;
    } else {
        keys[slot].column = column;
        keys[slot].compare = SortCompare::Cell;
    }
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
