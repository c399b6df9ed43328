#include "lap_table.h"

#include "storage/translate.h"

#include <cmath>

LapTable::LapTable() : m_rows(size_t(kInitialRows - 1)) {
    SetSplits(0);
}

void LapTable::SetSplits(int splits) {
    ++m_revision;
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
    ++m_revision;
    for (QStringList& row : m_rows)
        row.clear();
    m_scrollRow = 1;
}

void LapTable::EnsureRowCount(int rows) {
    if (rows <= RowCount()) return;
    m_rows.resize(size_t(rows - 1));
    ++m_revision;
}

void LapTable::SetRow(int row, const QStringList& cells) {
    if (row < 1) return;
    EnsureRowCount(row + 1);
    m_rows[size_t(row - 1)] = cells;
    m_scrollRow = row;
    ++m_revision;
}

void LapTable::SetCell(int row, int column, const QString& text) {
    if (row < 1 || column < 0) return;
    EnsureRowCount(row + 1);
    QStringList& cells = m_rows[size_t(row - 1)];
    while (cells.size() <= column)
        cells << QString();
    cells[column] = text;
    m_scrollRow = row;
    ++m_revision;
}

int LapTableColumnWidth(int clientWidth, int firstColumnWidth, int gridLineWidth, int columns) {
    if (columns < 2) return 0;
    const double room = clientWidth - firstColumnWidth - gridLineWidth * (columns + 1);
    return int(std::nearbyint(room / (columns - 1)));
}
