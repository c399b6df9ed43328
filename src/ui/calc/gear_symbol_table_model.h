#pragma once
// One gear's symbol table (symbol, input teeth, output teeth; 25 rows) in a table view. Edits go to the
// setup calculators, which keep the setup and the gear's teeth in step.
#include "session/setup_calculators.h"

#include <QAbstractTableModel>
#include <functional>

class GearSymbolTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    GearSymbolTableModel(SetupCalculators& calculators, int gear, QObject* parent = nullptr);

    // Called before an edit is forwarded (the window marks the sub-page).
    std::function<void()> beforeEdit;

    // The cells changed outside the view (a load): shows them again.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    SetupCalculators& m_calculators;
    int m_gear;
};
