#pragma once
// The one Qt model over a TextGrid: every data row of the grid (used or not) as a table row, the header
// row as the horizontal header (with the sort marks when the grid is sortable). A grid destroyed before
// the model leaves it empty.
#include "grid/sort_grid.h"
#include "grid/text_grid.h"

#include <QAbstractTableModel>

class TextGridModel : public QAbstractTableModel, private TextGridObserver {
    Q_OBJECT
  public:
    explicit TextGridModel(TextGrid& grid, const SortableGrid* sorting = nullptr, QObject* parent = nullptr);
    ~TextGridModel() override;

    // Cells the user may type into (written with TextGrid::EditCell); off by default.
    void SetEditable(bool editable) { m_editable = editable; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void BeginReset() override { beginResetModel(); }
    void EndReset() override { endResetModel(); }
    void BeginAppendRows(int first, int last) override { beginInsertRows({}, first, last); }
    void EndAppendRows() override { endInsertRows(); }
    void BeginTruncateRows(int first, int last) override { beginRemoveRows({}, first, last); }
    void EndTruncateRows() override { endRemoveRows(); }
    void CellsChanged(int firstRow, int lastRow) override;
    void HeadersChanged() override;
    void GridDestroyed() override;

    TextGrid* m_grid;
    const SortableGrid* m_sorting;
    bool m_editable = false;
};
