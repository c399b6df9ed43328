#pragma once
// The live timing as the main window holds it: the model with its hooks into the application state
// (changed session, saving, known drivers, settings, window geometry) and everything on screen.
#include <QString>
#include <memory>

class AppState;
class Beeper;
class Clock;
class LiveTimingModel;
class LiveTimingView;
class Prompter;
class QWidget;

class LiveTimingHost {
  public:
    // The panel goes into host; the time windows and the pit crew panel belong to mainWindow.
    LiveTimingHost(AppState& state, QWidget* mainWindow, QWidget* host, QWidget* notesPanel);
    ~LiveTimingHost();

    LiveTimingModel& Model() { return *m_model; }
    LiveTimingView* View() const { return m_view; }

    // After start-up read the settings: options, last drivers, window geometry.
    void Started();
    // After the options changed: "include_pitlaps", "percent_for_mean", the unit system, known drivers.
    void ApplySettings();
    // Offers the lap data of a timing run that did not end cleanly.
    void RestoreJournal();
    // The window closes: geometry and driver names go to the state for saving.
    void Closing();
    // The window closed: with the session saved the journal is no longer needed.
    void Closed();

  private:
    AppState& m_state;
    // Stand-ins for services a caller left out (tests), so the live timing always has its own.
    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Beeper> m_ownBeeper;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<LiveTimingModel> m_model;
    LiveTimingView* m_view = nullptr;
};
