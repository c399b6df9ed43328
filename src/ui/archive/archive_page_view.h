#pragma once
// The archive page ("Sessions" / "Completed"): filter boxes and the tree on the left, the list of the
// chosen node with its commands on the right. Everything it shows comes from ArchivePage; it rescans
// each time it is shown. It also carries the "Reopen session" submenu.
#include "app/main_window_layout.h"
#include "archive/archive_page.h"
#include "archive/new_session.h"
#include "archive/recent_sessions.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class AppState;
class ArchiveListModel;
class QAction;
class QComboBox;
class QMenu;
class QPushButton;
class QSplitter;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;
class TTrackList;

class ArchivePageView : public QWidget {
    Q_OBJECT
  public:
    // Fills host (an empty page). Of the main menu (actions gives its entries), "Reopen session" gets the
    // recent sessions as its submenu; "New session" and "Save session (smart)" run from here.
    ArchivePageView(AppState& state, QWidget* host, const std::function<QAction*(MenuCommand)>& actions);
    ~ArchivePageView() override;

    ArchivePage& Page() { return *m_page; }
    RecentSessions& Recent() { return m_recent; }
    // Loading and saving the current session; connected where the session model lives.
    void SetCallbacks(const SessionCallbacks& callbacks);
    // The session operations of "New session"; the dialog is this page's unless hooks.ask is set.
    void SetNewSessionHooks(const NewSessionHooks& hooks);
    // A session file was loaded: it goes on top of "Reopen session" (the list lives in the settings).
    void SessionLoaded(const QString& path);

    // The track list the Tracks pages hold (track lengths give the distances); without it the page reads
    // the track file at every scan.
    void SetTrackList(std::function<const TTrackList*()> trackList) { m_trackList = std::move(trackList); }

    // Scans and redraws (also on every showing).
    void Rescan();

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
    void SmartSave();

    AppState& m_state;
    std::unique_ptr<ArchivePage> m_page;
    SessionCallbacks m_callbacks;
    NewSessionHooks m_newSession;
    std::function<const TTrackList*()> m_trackList;
    RecentSessions m_recent;
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
};
