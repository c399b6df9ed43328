#pragma once
// The "Part status" page: the area's tool bar, a tab per group, the group's tool bar and its grid. Each
// user event goes to one call of the page model; the dialogs run here.
#include "events/event.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class AppState;
class PartStatusPage;
class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;
class QTableView;
class QWidget;
class TextGridModel;

class PartStatusPageView : public QObject {
    Q_OBJECT
  public:
    PartStatusPageView(PartStatusPage& page, AppState& state, QWidget* window);
    ~PartStatusPageView() override;

    void Build(QWidget* host);
    void Refresh();

    // The commands, also for tests.
    void AddPart();
    void EditPart();
    void DeletePart();
    void MovePart();
    void DuplicatePart();
    void Find();
    std::vector<int> SelectedRows() const;
    QTableView* Table() const { return m_table; }
    // "Purchase order" (no rows: from the stock groups) and "Create purchase order from selected parts".
    std::function<void(const std::vector<int>& rows)> requestPurchaseOrder;

  private:
    void ShowPage();
    void ApplyColumnWidths();

    PartStatusPage& m_page;
    AppState& m_state;
    QWidget* m_window;
    QTabBar* m_tabs = nullptr;
    QTableView* m_table = nullptr;
    TextGridModel* m_model = nullptr;
    QCheckBox* m_stock = nullptr;
    QLabel* m_lastUpdated = nullptr;
    std::vector<QWidget*> m_needGroup, m_needPart;
    QWidget* m_save = nullptr;
    QWidget* m_updateGroup = nullptr;
    QWidget* m_move = nullptr;
    QWidget* m_maintenance = nullptr;
    QString m_findText;
    bool m_findDown = true;
    bool m_refreshing = false;
    Connections m_connections; // last: ends first
};
