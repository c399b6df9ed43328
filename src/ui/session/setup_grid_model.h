#pragma once
// One setup grid shown in a table: the cells of the setup model in the columns the current vehicle shows,
// with the row and column titles. Edits go to the model; a refused cell text is shown and not stored.
#include "session/setup_model.h"

#include <QAbstractTableModel>

class Prompter;

class SetupGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    SetupGridModel(SetupModel& setup, GridId grid, Prompter* prompter, QObject* parent = nullptr);

    GridId Id() const { return m_grid; }
    // Column of the grid's table behind a shown column.
    int GridColumn(int shownColumn) const { return m_columns.at(size_t(shownColumn)); }
    const std::vector<int>& Columns() const { return m_columns; }
    // Re-reads the shown columns and the cells (vehicle, monoshock, cylinder count or a load changed).
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  Q_SIGNALS:
    // The text typed into this cell was refused (the message was shown); the editor should stay on it.
    void cellRefused(const QModelIndex& index);
    // A cell is about to be written to the setup model.
    void cellEditing();

  private:
    SetupModel& m_setup;
    GridId m_grid;
    Prompter* m_prompter;
    std::vector<int> m_columns;
};
