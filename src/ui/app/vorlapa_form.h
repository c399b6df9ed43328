#pragma once
// The main window: the page tree, the main menu, the status bar and the team logo. Each subsystem fills
// its pages as a page module; the window runs menu commands through the state's command table, refreshes
// the modules after every change and forwards the keys of the pages to the state.
#include "app/app_state.h"
#include "app/startup_sequence.h"
#include "events/event.h"
#include "page_module.h"

#include <QHash>
#include <QMainWindow>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QSplashScreen;
class QTabWidget;
class TeamLogoView;
class Workspace;

class TVorlapaForm : public QMainWindow, public StartupView, public MainWindowHost {
    Q_OBJECT
  public:
    // interactive false: no splash and no modal first-run dialogs (screenshots, tests).
    TVorlapaForm(Workspace& workspace, bool interactive, QWidget* parent = nullptr);
    ~TVorlapaForm() override;

    // Runs the start-up sequence and applies the window geometry it read.
    bool Start();
    // Makes the page with this caption (English or as shown, at any depth) the current one. A path of
    // captions ("Setup/General") names one page where a caption alone is found twice.
    bool ShowPage(const QString& caption) override;
    // Opens a module's window without waiting for it ("Dyno Data", "Power Chart", "Jetting Guru!" or
    // "Jetting Guru!/Reference values"); nullptr for an unknown name. For screenshots and tests.
    QWidget* ShowWindow(const QString& name);

    QTabWidget* Pages() const { return m_pages; }
    // The shown page as English captions from the top ({"Maintenance", "Suppliers"}).
    const QStringList& ShownPath() const { return m_shownPath; }

    // MainWindowHost
    QWidget* PageHost(const QString& path) const override;
    QTabWidget* PageTabs(const QString& path, int* index) const override;
    void HidePage(const QString& path) override;
    QAction* Action(MenuCommand command) const override;
    QWidget* Window() override { return this; }
    void ShowStatusMessage(const QString& text) override;
    void RegisterSaveButton(const QString& buttonId, QWidget* button) override;
    TeamLogoView* TeamLogo() const override { return m_teamLogo; }
    bool Interactive() const override { return m_interactive; }

    // StartupView
    void ShowProgress(const QString& text) override;
    std::optional<int> AskBasicSetup() override;
    void ShowOptions() override;
    void CloseSplash() override;
    void OfferJournalRestore() override; // not while taking a screenshot: nobody could answer

  protected:
    void closeEvent(QCloseEvent* event) override;
    // F5-F8 with modifiers, Ctrl+S, Ctrl+O and Ctrl+F reach the window from any page and from its child
    // windows.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct PageSlot {
        QTabWidget* tabs = nullptr;
        int index = 0;
    };
    void BuildPages(QTabWidget* tabs, const std::vector<PageNode>& nodes, const QStringList& parentPath);
    void BuildMenu();
    void BuildStatusBar();
    void MarkUnbuiltPages();
    void RegisterWindowCommands();
    void RunCommand(MenuCommand command);
    void Refresh();
    void UpdateTitle();
    QWidget* WithTeamLogo(QTabWidget* activeSessionPages);
    void ChooseTeamLogo();
    void LoadTeamLogo();
    QStringList CurrentPath() const;
    void ShowPath(const QStringList& path);
    void PageChanged();
    void SetCaption(const QString& caption, const QString& text);
    bool BelongsHere(QObject* object) const;
    void TakeFocusBackAfterBox(QObject* hidden);

    Workspace& m_workspace;
    AppState& m_state;
    bool m_interactive;
    QTabWidget* m_pages = nullptr;
    QLabel* m_statusMessage = nullptr;
    QLabel* m_vehicleStatus = nullptr;
    QSplashScreen* m_splash = nullptr;
    QHash<QString, PageSlot> m_pageSlots; // "Setup/Aerodynamics" -> where its tab is
    std::map<MenuCommand, QAction*> m_actions;
    QHash<QString, QWidget*> m_saveButtons;
    TeamLogoView* m_teamLogo = nullptr;
    QStringList m_shownPath;
    bool m_returningToPage = false;
    // Modules go before the widgets they fill (members end before the window's children).
    std::vector<std::unique_ptr<PageModule>> m_modules;
    Connections m_connections;
};
