#include "lap_table_model.h"

#include <QFont>
#include <vector>

namespace {
// Up to this many changed rows are told one cell at a time, so the view repaints just those cells;
// more (a clear, a load) are told as one range, which repaints what is visible.
constexpr int kRowsToldSingly = 4;
} // namespace

LapTableModel::LapTableModel(const LapTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_revision(table.Revision()),
      m_headerRevision(table.HeaderRevision()), m_rows(table.RowCount() - 1), m_columns(table.ColumnCount()) {
}

void LapTableModel::Refresh() {
    if (m_table.Revision() == m_revision) return;
    const int shown = m_revision;
    m_revision = m_table.Revision();
    const int rows = m_table.RowCount() - 1;
    const int columns = m_table.ColumnCount();
    if (columns != m_columns || rows < m_rows) {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        m_headerRevision = m_table.HeaderRevision();
        endResetModel();
        return;
    }
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    std::vector<int> changed;
    for (int row = 1; row <= m_rows; ++row)
        if (m_table.RowRevision(row) > shown) changed.push_back(row - 1);
    const QList<int> roles{Qt::DisplayRole, Qt::FontRole};
    if (int(changed.size()) > kRowsToldSingly) {
        Q_EMIT dataChanged(index(changed.front(), 0), index(changed.back(), m_columns - 1), roles);
    } else {
        for (int row : changed)
            for (int column = 0; column < m_columns; ++column)
                Q_EMIT dataChanged(index(row, column), index(row, column), roles);
    }
    if (m_table.HeaderRevision() != m_headerRevision) {
        m_headerRevision = m_table.HeaderRevision();
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
    }
}

int LapTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int LapTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant LapTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return m_table.Cell(index.row() + 1, index.column());
    if (role == Qt::FontRole && m_table.IsMarked(index.row() + 1, index.column())) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    return {};
}

QVariant LapTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return m_table.Headers().value(section);
    return section + 1;
}
