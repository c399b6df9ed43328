#include "gear_symbol_table_model.h"

GearSymbolTableModel::GearSymbolTableModel(SetupCalculators& calculators, int gear, QObject* parent)
    : QAbstractTableModel(parent), m_calculators(calculators), m_gear(gear) {
}

void GearSymbolTableModel::Refresh() {
    Q_EMIT dataChanged(index(0, 0), index(GearSymbolRowCount - 1, 2));
}

int GearSymbolTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GearSymbolRowCount;
}

int GearSymbolTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant GearSymbolTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const GearSymbolRow& row = m_calculators.Gearing().SymbolTable(m_gear).Row(index.row());
    switch (GearSymbolColumn(index.column())) {
    case GearSymbolColumn::Symbol:
        return row.symbol;
    case GearSymbolColumn::Input:
        return row.input;
    case GearSymbolColumn::Output:
        return row.output;
    }
    return {};
}

QVariant GearSymbolTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return GearSymbolColumnTitles().value(section);
    return section + 1;
}

Qt::ItemFlags GearSymbolTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool GearSymbolTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QString text = value.toString();
    if (data(index, Qt::EditRole).toString() == text) return true;
    if (beforeEdit) beforeEdit();
    m_calculators.SymbolGridSetEditText(m_gear, index.row(), GearSymbolColumn(index.column()), text);
    Q_EMIT dataChanged(index, index);
    return true;
}
