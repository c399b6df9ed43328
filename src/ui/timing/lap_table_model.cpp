#include "lap_table_model.h"

LapTableModel::LapTableModel(const LapTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_revision(table.Revision()), m_rows(table.RowCount() - 1),
      m_columns(table.ColumnCount()) {
}

void LapTableModel::Refresh() {
    if (m_table.Revision() == m_revision) return;
    m_revision = m_table.Revision();
    const int rows = m_table.RowCount() - 1;
    const int columns = m_table.ColumnCount();
    if (columns != m_columns || rows < m_rows) {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        endResetModel();
        return;
    }
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    // The view asks only for the cells it shows, so one signal for every row costs what is visible.
    if (m_rows > 0) Q_EMIT dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::DisplayRole});
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_columns - 1);
}

int LapTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int LapTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant LapTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return m_table.Cell(index.row() + 1, index.column());
}

QVariant LapTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return m_table.Headers().value(section);
    return section + 1;
}
