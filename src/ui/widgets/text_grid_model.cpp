#include "ui/widgets/text_grid_model.h"

TextGridModel::TextGridModel(TextGrid& grid, const SortableGrid* sorting, QObject* parent)
    : QAbstractTableModel(parent), m_grid(&grid), m_sorting(sorting) {
    m_grid->AddObserver(this);
}

TextGridModel::~TextGridModel() {
    if (m_grid) m_grid->RemoveObserver(this);
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_grid ? 0 : m_grid->RowCount();
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_grid ? 0 : m_grid->ColumnCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return m_grid->Cell(index.row(), index.column());
    return {};
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!m_editable || role != Qt::EditRole || !index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    m_grid->EditCell(index.row(), index.column(), value.toString());
    return true;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole) return {};
    return m_sorting ? m_sorting->HeaderLabel(section) : m_grid->Header(section);
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (m_editable) f |= Qt::ItemIsEditable;
    return f;
}

void TextGridModel::CellsChanged(int firstRow, int lastRow) {
    if (m_grid->ColumnCount() == 0 || firstRow > lastRow) return;
    Q_EMIT dataChanged(index(firstRow, 0), index(lastRow, m_grid->ColumnCount() - 1));
}

void TextGridModel::HeadersChanged() {
    if (m_grid->ColumnCount() > 0) Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_grid->ColumnCount() - 1);
}

void TextGridModel::GridDestroyed() {
    beginResetModel();
    m_grid = nullptr;
    m_sorting = nullptr;
    endResetModel();
}
