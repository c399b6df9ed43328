#include "lap_table.h"

#include "storage/translate.h"

#include <algorithm>
#include <cmath>

LapTable::LapTable() : m_rows(size_t(kInitialRows - 1)), m_rowRevisions(m_rows.size(), 0) {
    SetSplits(0);
}

void LapTable::Touch(int row) {
    ++m_revision;
    if (row == 0)
        std::fill(m_rowRevisions.begin(), m_rowRevisions.end(), m_revision);
    else if (row >= 1 && row < RowCount())
        m_rowRevisions[size_t(row - 1)] = m_revision;
}

int LapTable::RowRevision(int row) const {
    return row >= 1 && row < RowCount() ? m_rowRevisions[size_t(row - 1)] : 0;
}

void LapTable::SetSplits(int splits) {
    Touch(0);
    m_headerRevision = m_revision;
    m_bestLapRow = 0;
    m_bestSegmentRows.clear();
    m_headers = QStringList{Translate("Lap")};
    if (splits > 0) {
        for (int i = 1; i <= splits; ++i)
            m_headers << Fill(Translate("Split %d"), QString::number(i));
        m_headers << Translate("Finish");
    }
    m_headers << Translate("Total");
}

QString LapTable::Cell(int row, int column) const {
    if (row < 1 || row >= RowCount()) return QString();
    const QStringList& cells = m_rows[size_t(row - 1)];
    return column >= 0 && column < cells.size() ? cells.at(column) : QString();
}

QStringList LapTable::Row(int row) const {
    if (row < 1 || row >= RowCount()) return {};
    return m_rows[size_t(row - 1)];
}

int LapTable::LastFilledRow() const {
    for (int i = int(m_rows.size()); i >= 1; --i)
        for (const QString& cell : m_rows[size_t(i - 1)])
            if (!cell.isEmpty()) return i;
    return 0;
}

void LapTable::ClearRows() {
    for (QStringList& row : m_rows)
        row.clear();
    m_bestLapRow = 0;
    m_bestSegmentRows.clear();
    m_scrollRow = 1;
    Touch(0);
}

void LapTable::EnsureRowCount(int rows) {
    if (rows <= RowCount()) return;
    m_rows.resize(size_t(rows - 1));
    ++m_revision;
    m_rowRevisions.resize(m_rows.size(), m_revision);
}

void LapTable::SetRow(int row, const QStringList& cells) {
    if (row < 1) return;
    EnsureRowCount(row + 1);
    m_scrollRow = row;
    if (m_rows[size_t(row - 1)] == cells) return;
    m_rows[size_t(row - 1)] = cells;
    Touch(row);
}

void LapTable::SetMarks(int bestLapRow, const std::vector<int>& bestSegmentRows) {
    if (bestLapRow == m_bestLapRow && bestSegmentRows == m_bestSegmentRows) return;
    // The rows that lose or gain a mark are drawn again.
    std::vector<int> rows{m_bestLapRow, bestLapRow};
    rows.insert(rows.end(), m_bestSegmentRows.begin(), m_bestSegmentRows.end());
    rows.insert(rows.end(), bestSegmentRows.begin(), bestSegmentRows.end());
    m_bestLapRow = bestLapRow;
    m_bestSegmentRows = bestSegmentRows;
    for (int row : rows)
        if (row > 0) Touch(row);
}

bool LapTable::IsMarked(int row, int column) const {
    if (row < 1) return false;
    if (column == ColumnCount() - 1 && row == m_bestLapRow) return true;
    const int segment = column - 1;
    return segment >= 0 && segment < int(m_bestSegmentRows.size()) && column < ColumnCount() - 1 &&
           m_bestSegmentRows[size_t(segment)] == row;
}

void LapTable::SetCell(int row, int column, const QString& text) {
    if (row < 1 || column < 0) return;
    EnsureRowCount(row + 1);
    QStringList& cells = m_rows[size_t(row - 1)];
    while (cells.size() <= column)
        cells << QString();
    cells[column] = text;
    m_scrollRow = row;
    Touch(row);
}

int LapTableColumnWidth(int clientWidth, int firstColumnWidth, int gridLineWidth, int columns) {
    if (columns < 2) return 0;
    const double room = clientWidth - firstColumnWidth - gridLineWidth * (columns + 1);
    return int(std::nearbyint(room / (columns - 1)));
}
