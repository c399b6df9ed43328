#pragma once
// The Qt model over one driver's lap table: data rows 1.. as table rows, the column captions as the
// horizontal header, the best lap and best segments in bold. Refresh() follows the table after the live
// timing changed it, telling the view only of the rows that changed (a press: the new row, and the rows
// that lose or gain a mark).
#include "timing/lap_table.h"

#include <QAbstractTableModel>

class LapTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit LapTableModel(const LapTable& table, QObject* parent = nullptr);

    // Brings the view up to date; does nothing while the table has not changed.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    const LapTable& m_table;
    int m_revision = -1;
    int m_headerRevision = -1;
    int m_rows = 0;
    int m_columns = 0;
};
