#pragma once
#include <functional>
// The "Tire list" page: tool bar, grouping tree, the list with a check box per tire and the history of
// the selected tire below it. Each user event goes to one call of the page model.
#include "events/event.h"

#include <QObject>
#include <QString>

class QCheckBox;
class QHBoxLayout;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QWidget;
class TireListPage;

class TireListPageView : public QObject {
    Q_OBJECT
  public:
    TireListPageView(TireListPage& page, QWidget* window);
    // "Export tire tags": "To HTML" and "To label printer" (set by the module).
    std::function<void()> exportTags;
    std::function<void()> printLabels;
    ~TireListPageView() override;

    void Build(QWidget* host);
    void Refresh();

  private:
    void FillTree();
    void FillList();
    void FillHistory();
    void ShowListMenu(const QPoint& at);
    void BuildPositionButtons();
    int ClickedHistoryRow() const;

    TireListPage& m_page;
    QWidget* m_window;
    QTreeWidget* m_tree = nullptr;
    QTableWidget* m_list = nullptr;
    QTableWidget* m_history = nullptr;
    QCheckBox* m_checkAll = nullptr;
    QHBoxLayout* m_positionBar = nullptr;
    QPushButton *m_save = nullptr, *m_edit = nullptr, *m_delete = nullptr, *m_clone = nullptr;
    QPushButton *m_editHistory = nullptr, *m_deleteHistory = nullptr;
    int m_builtVehicle = -2;
    bool m_refreshing = false;
    Connections m_connections; // last: ends first
};
