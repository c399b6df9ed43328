#include "setup_grid_model.h"

#include "services/services.h"
#include "storage/translate.h"

SetupGridModel::SetupGridModel(SetupModel& setup, GridId grid, Prompter* prompter, QObject* parent)
    : QAbstractTableModel(parent), m_setup(setup), m_grid(grid), m_prompter(prompter),
      m_columns(setup.VisibleColumns(grid)) {
}

void SetupGridModel::Reload() {
    beginResetModel();
    m_columns = m_setup.VisibleColumns(m_grid);
    endResetModel();
}

int SetupGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Grid(m_grid).rows.size());
}

int SetupGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant SetupGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return m_setup.Cell(m_grid, index.row(), GridColumn(index.column()));
}

QVariant SetupGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    const SetupGrid& grid = Grid(m_grid);
    if (orientation == Qt::Horizontal) {
        if (section < 0 || size_t(section) >= m_columns.size()) return {};
        return Translate(grid.columns[size_t(GridColumn(section))].title);
    }
    if (section < 0 || size_t(section) >= grid.rows.size()) return {};
    return Translate(grid.rows[size_t(section)].Title(m_setup.Miles()));
}

Qt::ItemFlags SetupGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool SetupGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString();
    const GridRow& row = Grid(m_grid).rows[size_t(index.row())];
    if (const auto refusal = CheckSetupCellText(row, text)) {
        if (m_prompter) m_prompter->ShowError(*refusal);
        Q_EMIT cellRefused(index);
        return false;
    }
    Q_EMIT cellEditing();
    m_setup.SetCell(m_grid, index.row(), GridColumn(index.column()), text);
    // Symmetric editing may have copied the text to another column of the row.
    Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}
