#pragma once
// The Qt model of the archive list: the rows of the selected node as the page holds them, the 22 columns
// (the last four hidden by the view), the row's tip on hover. Reset as a whole after every fill.
#include <QAbstractTableModel>

class ArchivePage;

class ArchiveListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ArchiveListModel(const ArchivePage& page, QObject* parent = nullptr);

    // The page's list changed (filled or sorted): one reset.
    void Reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    const ArchivePage& m_page;
};
