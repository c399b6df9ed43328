#pragma once
// The main window's initialisation as one sequence on the application state, in its fixed order.
#include "app_state.h"
#include "command_line.h"
#include <QString>
#include <optional>

// What start-up needs from the window: the splash texts and the first-run dialogs.
class StartupView {
  public:
    virtual ~StartupView() = default;
    virtual void ShowProgress(const QString& text) = 0; // splash text, translated
    // "Basic Setup": the chosen entry (0 "Motorcycle", 1 "Sidecar", 2 "Gokart", 3 "Car"), or nullopt.
    virtual std::optional<int> AskBasicSetup() = 0;
    virtual void ShowOptions() = 0;
    virtual void CloseSplash() = 0;
    // Lap data of a timing run that did not end cleanly are offered for restoring (the live timing's
    // journal in the data folder).
    virtual void OfferJournalRestore() {}
};

// The steps of start-up that load the program-wide lists the models above the application state hold
// (the workspace). Each does nothing until its owner exists.
class StartupSteps {
  public:
    virtual ~StartupSteps() = default;
    virtual void LoadTracks() {}
    virtual void LoadMaintenanceLog() {}
    virtual void LoadScheduledEvents() {}
    virtual void LoadPartStatus() {}
    virtual void LoadSuppliers() {}
    virtual void LoadOrderStatus() {}
    virtual void LoadGeneralNotes() {}
};

// The vehicle code of a "Basic Setup" entry ("mc", "sidecar", "gokart", "car").
QString BasicSetupVehicleCode(int entry);

class StartupSequence {
  public:
    // Without steps the lists are not loaded (tests of the sequence alone).
    StartupSequence(AppState& state, StartupView& view, StartupSteps* steps = nullptr)
        : m_state(state), m_view(view), m_steps(steps ? *steps : m_noSteps) {}

    // Runs the initialisation. firstRunDialogs false skips the modal first-run questions (screenshots).
    // False when it stopped early (a data folder could not be created); the window opens as it is.
    bool Run(bool firstRunDialogs = true);
    bool FirstRun() const { return m_firstRun; }

    // After the window exists: the session or setup named on the command line, else the last session
    // when that is wanted. The choice is kept in the state for the session and setup openers. Then the
    // lap data of an unfinished timing run are offered, so they win over the session just opened.
    void OpenStartupFile(const CommandLine& commandLine, const QString& launchFolder);

  private:
    void ReadSettings();
    // Steps owned by later work; each does nothing until its owner exists.
    void CreateLapTimers();
    void SetUpGearSymbolGrids();
    void CreateImportAndFuelDialogs();
    void SetUpPitStopGrid();
    void CreatePartSetupLists();
    void ApplyUnitSystem();
    void LoadPictures();
    void FillPartSetupLists();
    void ApplyGearSymbols();
    void FillSetupGridTitles();
    void OpenTodoList();
    void OpenSession(const QString& path);
    void OpenSetup(const QString& path);
    void RestoreTimingJournal();

    AppState& m_state;
    StartupView& m_view;
    StartupSteps m_noSteps;
    StartupSteps& m_steps;
    bool m_firstRun = false;
};
