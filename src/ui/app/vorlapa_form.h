#pragma once
// The main window: pages, main menu and status bar. It shows the application state and forwards every
// user event to it.
#include "app/app_state.h"
#include "app/startup_sequence.h"
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>

class ArchivePageView;
struct FuelFigures;
class QAction;
class QLabel;
class QMenu;
class QSplashScreen;
class QTabWidget;
class ActiveSessionPages;
class SessionModel;
class GearingPage;
class JettingGuruModel;
class SetupCalculators;
class LiveTimingHost;
class LiveTimingModel;
class LiveTimingView;
class SetupModel;
class TDynoDataDlg;
class TJettingGuruDlg;
class TPowerChartForm;
class SetupPageBuilder;
class TeamLogoView;
class TracksPageView;

class TVorlapaForm : public QMainWindow, public StartupView {
    Q_OBJECT
  public:
    // interactive false: no splash and no modal first-run dialogs (screenshots, tests).
    TVorlapaForm(AppState& state, bool interactive, QWidget* parent = nullptr);
    ~TVorlapaForm() override;

    // Runs the start-up sequence and applies the window geometry it read.
    bool Start();
    // Makes the page with this caption (English or as shown, at any depth) the current one. A path of
    // captions ("Setup/General") names one page where a caption alone is found twice.
    bool ShowPage(const QString& caption);
    // After start-up: opens the setup file named on the command line, if any.
    void OpenPendingSetup();
    // Opens a calculator window without waiting for it ("Dyno Data", "Power Chart", "Jetting Guru!" or
    // "Jetting Guru!/Reference values"); nullptr for an unknown name. For screenshots and tests.
    QWidget* ShowWindow(const QString& name);
    // The AD/RAD button of the session page: the guru with that figure as its selected value.
    void OpenJettingGuru(const QString& airDensityText);

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
    // The current session and the "Active session" and "General notes" pages that show it.
    SessionModel& Session() { return *m_session; }
    ActiveSessionPages* SessionPages() const { return m_sessionPages; }
    SetupCalculators& Calculators() { return *m_calculators; }
    GearingPage* Gearing() const { return m_gearingPage; }
    // The four driver slots, their time windows and the pit crew panel.
    LiveTimingModel& LiveTiming();
    LiveTimingView* LiveTimingWindows() const;
    // Offers the lap data of a timing run that did not end cleanly (the live timing's journal).
    void RestoreTimingJournal();
    // The Tracks pages and their model (the session page's track box takes its names from it).
    TracksPageView* TracksPages() const { return m_tracksPages; }
    // "Sessions/Completed" with the recent sessions of "Reopen session".
    ArchivePageView* Archive() const { return m_archivePage; }

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
    void BuildSetupPages();
    void BuildSessionPages();
    void BuildCalculatorPages(QWidget* engineHost, QWidget* gearingHost);
    void CalculatorsChanged();
    void CloseCalculators(); // before the pages and the setup model go
    void ShowDynoData();
    void ShowPowerChart(bool shown);
    void ShowJettingGuru(bool modal, int page = 0, const QString& airDensityText = {});
    void OpenSetupFromSession();
    void SetupReloaded();
    void BuildLiveTiming();
    void ConnectSession();
    void SessionTrackSelected(const QString& track);
    QString SessionTrackLength() const; // metres, empty without a known track
    FuelFigures SessionFuelFigures() const;
    void RunCommand(MenuCommand command);
    void Refresh();
    QWidget* WithTeamLogo(QTabWidget* activeSessionPages);
    void ChooseTeamLogo();
    // "Export to HTML" > "Session" (session true) or "Setup".
    void ExportReport(bool session);
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
    std::unique_ptr<SessionModel> m_session;
    ActiveSessionPages* m_sessionPages = nullptr;
    std::unique_ptr<SetupCalculators> m_calculators;
    GearingPage* m_gearingPage = nullptr;
    QPointer<TDynoDataDlg> m_dynoDlg;
    QPointer<TPowerChartForm> m_powerChartForm;
    std::unique_ptr<JettingGuruModel> m_jettingGuru;
    QPointer<TJettingGuruDlg> m_jettingGuruDlg;
    std::unique_ptr<LiveTimingHost> m_liveTiming;
    TracksPageView* m_tracksPages = nullptr;
    ArchivePageView* m_archivePage = nullptr; // "Sessions/Completed"
};
