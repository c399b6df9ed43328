#pragma once
// The main window: pages, main menu and status bar. It shows the application state and forwards every
// user event to it.
#include "app/app_state.h"
#include "app/startup_sequence.h"
#include <QHash>
#include <QMainWindow>
#include <map>
#include <memory>

class ArchivePageView;
class QAction;
class QLabel;
class QMenu;
class QSplashScreen;
class QTabWidget;
class SetupModel;
class SetupPageBuilder;
class TeamLogoView;

class TVorlapaForm : public QMainWindow, public StartupView {
    Q_OBJECT
  public:
    // interactive false: no splash and no modal first-run dialogs (screenshots, tests).
    TVorlapaForm(AppState& state, bool interactive, QWidget* parent = nullptr);
    ~TVorlapaForm() override;

    // Runs the start-up sequence and applies the window geometry it read.
    bool Start();
    // Makes the page with this caption (English or as shown, at any depth) the current one.
    bool ShowPage(const QString& caption);

    QTabWidget* Pages() const { return m_pages; }
    // The shown page as English captions from the top ({"Maintenance", "Suppliers"}).
    const QStringList& ShownPath() const { return m_shownPath; }
    TeamLogoView* TeamLogo() const { return m_teamLogo; }
    // A save button of a data area (ids in SaveButton): enabled while its area is changed.
    void RegisterSaveButton(const QString& buttonId, QWidget* button);
    QAction* Action(MenuCommand command) const;
    // The current setup and the controls of the setup sub-pages that show it.
    SetupModel& Setup() { return *m_setup; }
    SetupPageBuilder* SetupPages() const { return m_setupPages; }

    // StartupView
    void ShowProgress(const QString& text) override;
    std::optional<int> AskBasicSetup() override;
    void ShowOptions() override;
    void CloseSplash() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // F5-F8 with modifiers, Ctrl+S, Ctrl+O and Ctrl+F reach the window from any page and from its child
    // windows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct PageSlot {
        QTabWidget* tabs;
        int index;
    };
    void BuildPages(QTabWidget* tabs, const std::vector<PageNode>& nodes, const QStringList& parentPath);
    void BuildMenu();
    void BuildSetupPages();
    void RunCommand(MenuCommand command);
    void Refresh();
    QWidget* WithTeamLogo(QTabWidget* activeSessionPages);
    void ChooseTeamLogo();
    void LoadTeamLogo();
    QStringList CurrentPath() const;
    void ShowPath(const QStringList& path);
    void PageChanged();
    void SetCaption(const QString& caption, const QString& text);
    bool BelongsHere(QObject* object) const;

    AppState& m_state;
    bool m_interactive;
    QTabWidget* m_pages = nullptr;
    QLabel* m_vehicleStatus = nullptr;
    QSplashScreen* m_splash = nullptr;
    QHash<QString, PageSlot> m_pageSlots; // "Setup/Aerodynamics" -> where its tab is
    std::map<MenuCommand, QAction*> m_actions;
    QHash<QString, QWidget*> m_saveButtons;
    TeamLogoView* m_teamLogo = nullptr;
    QStringList m_shownPath;
    bool m_returningToPage = false;
    std::unique_ptr<SetupModel> m_setup;
    SetupPageBuilder* m_setupPages = nullptr;
    bool m_setupPagesBuilt = false;
    ArchivePageView* m_archivePage = nullptr; // "Sessions/Completed"
};
