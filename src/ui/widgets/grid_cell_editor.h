#pragma once
// The history box laid over the selected cell of a grid whose rows each keep a history of their own
// (jetting, tire, wheel-angle and damper grids). Leaving it writes its text into the cell, adds the text
// to the row's history, hides it and gives the focus back to the grid; Tab moves on to the next cell.
#include "ui/widgets/mru_combo_box.h"

#include <QPersistentModelIndex>
#include <QStringList>

class QAbstractItemView;

class GridCellEditor : public TMRUComboBox {
    Q_OBJECT
  public:
    // rowKeys: the history key of each row; an empty key (or a row past the list) is typed into the grid
    // itself. The editor opens on a click on a cell.
    GridCellEditor(QAbstractItemView* view, SettingsStore* settings, const QStringList& rowKeys, int maximum);

    // Shows the editor over the cell with the row's history and the cell's text; false for a row without
    // a history key.
    bool EditCell(const QModelIndex& index);
    QModelIndex EditedCell() const { return m_index; }
    // Writes the text of an open editor into its cell and closes it (before a load replaces the cells).
    void Commit() { Leave(); }

  protected:
    bool event(QEvent* event) override;
    void Leave() override;

  private:
    void MoveToNextCell();

    QAbstractItemView* m_view;
    SettingsStore* m_settings;
    QStringList m_rowKeys;
    int m_maximum;
    QPersistentModelIndex m_index;
};
