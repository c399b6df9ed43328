#pragma once
// The archive page ("Sessions" / "Completed"): filter boxes and the tree on the left, the list of the
// chosen node with its commands on the right. Everything it shows comes from the workspace's archive
// page; it rescans each time it is shown. It also carries the "Reopen session" submenu and answers the
// workspace's "New session" dialog.
#include "app/main_window_layout.h"
#include "archive/archive_page.h"
#include "events/event.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ArchiveListModel;
class AppState;
class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QSplitter;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class Workspace;

class ArchivePageView : public QWidget {
    Q_OBJECT
  public:
    // Fills host (an empty page). Of the main menu (actions gives its entries), "Reopen session" gets the
    // recent sessions as its submenu.
    ArchivePageView(Workspace& workspace, QWidget* host, const std::function<QAction*(MenuCommand)>& actions);
    ~ArchivePageView() override;

    ArchivePage& Page() { return *m_page; }

    // Scans and redraws (also on every showing).
    void Rescan();

    // The files of the selected list rows, in list order.
    QStringList SelectedPaths() const;
    // "Compare", "Export statistics" and "Export sessions" (buttons and context menu).
    std::function<void()> onCompare;
    std::function<void()> onExportStatistics;
    std::function<void()> onExportSessions;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void FillFilters();
    void FillTree();
    void ShowUnreadableCount();
    void ListChanged();
    void UpdateCommands();
    std::vector<int> SelectedRows() const;
    int CurrentRow() const;
    void DeleteSelected();
    void ShowContextMenu(const QPoint& position);
    void FillReopenMenu();

    Workspace& m_workspace;
    AppState& m_state;
    ArchivePage* m_page;
    ArchiveListModel* m_model = nullptr;
    std::array<QComboBox*, 4> m_filters{};
    QSplitter* m_splitter = nullptr;
    QString m_unreadableShown;       // the status bar message of the last scan, empty when none
    bool m_treeWidthApplied = false; // the remembered tree width is applied at the first showing
    QTreeWidget* m_tree = nullptr;
    QTableView* m_list = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_openSetup = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_exportStatistics = nullptr;
    QPushButton* m_exportSessions = nullptr;
    QMenu* m_reopenMenu = nullptr;
    bool m_filling = false;
    bool m_settingWidths = false;
    bool m_widthsApplied = false; // the view shows the page's widths (not Qt's defaults)
    bool m_widthsChanged = false; // by the user: stored when the page goes
    Connections m_connections;
};
