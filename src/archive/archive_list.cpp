#include "archive_list.h"

#include "session_summary.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"

#include <QFileInfo>
#include <algorithm>
#include <optional>

void ArchiveSort::Click(int clicked) {
    if (clicked == column) {
        descending = !descending;
    } else {
        column = clicked;
        descending = false;
    }
}

int SortValueColumn(int column) {
    if (column == ArchiveColumn::Date) return ArchiveColumn::StartTime;
    if (column == ArchiveColumn::BestLap) return ArchiveColumn::BestLapMs;
    return column;
}

void SortSummaryRows(std::vector<QStringList>& rows, const ArchiveSort& sort) {
    // The keys are worked out once per row: as CompareCellValues, numbers when both are numbers, else
    // the trimmed texts by locale collation.
    struct Key {
        std::optional<double> number;
        QString text;
    };
    const int column = SortValueColumn(sort.column);
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (const QStringList& row : rows) {
        const QString cell = row.value(column);
        keys.push_back({ParseDecimal(cell), TrimControl(cell)});
    }
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Key& x = keys[a];
        const Key& y = keys[b];
        int result = 0;
        if (x.number && y.number)
            result = *x.number < *y.number ? -1 : (*x.number > *y.number ? 1 : 0);
        else
            result = QString::localeAwareCompare(x.text, y.text);
        return sort.descending ? result > 0 : result < 0;
    });
    std::vector<QStringList> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

QString SessionTip(const QStringList& row) {
    return Translate("Session") + QStringLiteral(": ") +
           QFileInfo(row.value(ArchiveColumn::Path)).fileName() + u'\n' + row.value(ArchiveColumn::Notes);
}

ArchiveCommands CommandsForSelection(int selectedRows) {
    return {selectedRows == 1, selectedRows > 1, selectedRows >= 1};
}
