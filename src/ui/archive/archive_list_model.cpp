#include "archive_list_model.h"

#include "archive/archive_page.h"

ArchiveListModel::ArchiveListModel(const ArchivePage& page, QObject* parent)
    : QAbstractTableModel(parent), m_page(page) {
}

void ArchiveListModel::Reload() {
    beginResetModel();
    endResetModel();
}

int ArchiveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_page.ListRows().size());
}

int ArchiveListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ArchiveColumn::kCount;
}

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return m_page.ListRows()[std::size_t(index.row())].value(index.column());
    if (role == Qt::ToolTipRole) {
        QString tip = m_page.Tip(index.row());
        tip.replace(u'\r', u'\n');
        return tip;
    }
    return {};
}

QVariant ArchiveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_page.Headers().value(section);
}
