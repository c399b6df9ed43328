#pragma once
// The one application state: settings, vehicle type, change flags, window geometry and what start-up
// remembered. It knows nothing of widgets; the main window redraws when it reports a change.
#include "change_tracker.h"
#include "command_line.h"
#include "command_table.h"
#include "leave_checks.h"
#include "main_window_keys.h"
#include "main_window_layout.h"
#include "program_settings.h"
#include "services/services.h"
#include "unit_captions.h"
#include "vehicle_layout.h"
#include "window_geometry.h"
#include <QString>
#include <functional>

class AppState {
  public:
    AppState(const Services& services, const QString& dataFolder);

    const Services& GetServices() const { return m_services; }
    const QString& DataFolder() const { return m_dataFolder; }
    QString DataPath(const QString& relative) const;

    ProgramSettings& Settings() { return m_settings; }
    const ProgramSettings& Settings() const { return m_settings; }
    WindowGeometry& Geometry() { return m_geometry; }
    ChangeTracker& Changes() { return m_changes; }
    const ChangeTracker& Changes() const { return m_changes; }
    LeaveChecks& Leave() { return m_leaveChecks; }
    // The unit system with the captions and shown values that depend on it.
    UnitCaptions& Units() { return m_units; }
    const UnitCaptions& Units() const { return m_units; }

    VehicleType Vehicle() const { return m_vehicle; }
    QString VehicleCodeText() const; // "null" before the first selection
    const VehicleLayout& Layout() const { return m_layout; }
    bool MaintenanceOnly() const { return m_maintenanceOnly; }
    void SetMaintenanceOnly(bool only);
    bool PageVisible(const QStringList& path) const;

    // The file start-up found on the command line (or the last session), kept for its opener.
    const StartupFile& PendingOpen() const { return m_pendingOpen; }
    void SetPendingOpen(const StartupFile& file) { m_pendingOpen = file; }

    // Vehicle type: none (index -1, code "null") before start-up selects one.
    void SetVehicleNone();
    // Sets the type from its code ("car", "gokart", "sidecar", case-insensitive; anything else motorcycle),
    // shows its pages and panels, loads its tire list and writes the settings file.
    void SelectVehicle(const QString& code);
    QString StatusVehicleText() const; // second field of the status bar

    // Writes "vorlapa.ini"; a failure is shown with the system's error text. False when it failed, and
    // when the file is kept: a settings file that exists but could not be read at start-up is never
    // written over with the defaults the program then runs with.
    bool SaveSettings();
    void KeepSettingsFile() { m_keepSettingsFile = true; }
    // The closing sequence; false keeps the program open (and nothing is written).
    bool CloseQuery();
    // Ends the program at once, without the closing sequence: after a restore the files on disk must
    // stay as restored. From then on neither the settings file nor the settings store is written (the
    // closing sequence, if it still runs, writes nothing). The window sets how the program ends.
    void EndAtOnce();
    void SetEndAtOnceAction(std::function<void()> action) { m_endAtOnce = std::move(action); }
    bool EndedAtOnce() const { return m_endedAtOnce; }

    // Main menu.
    bool IsCommandEnabled(MenuCommand command) const;
    bool IsCommandChecked(MenuCommand command) const;
    // Opening "Choose vehicle": while the tire list has unsaved changes the user is told to save it first
    // and the entries stay disabled. Returns whether a vehicle may be chosen.
    bool VehicleMenuOpening();
    // The one table of menu commands: the state's own (vehicle choice, help, opening and saving the
    // session), the workspace's and the window's.
    CommandTable& Commands() { return m_commands; }
    void RunCommand(MenuCommand command) { m_commands.Run(command); }

    // After every change the window shows (vehicle, page visibility, changed flags).
    Event<> changed;
    // A vehicle type was selected (also the same one again): its pages, setup layout and lists follow.
    Event<VehicleType> vehicleChanged;

    // The Tracks page's leave check, asked when the page is left and when the program closes (false keeps
    // the user there). Without it the tracks' change flag is asked about.
    void SetTracksLeaveCheck(std::function<bool()> check) { m_tracksLeaveCheck = std::move(check); }

    // Page changes: runs the leave checks of every page on the way from one shown page to the other
    // (paths of English captions from the top). False when the user stays on the old page.
    bool LeavePages(const QStringList& fromPath, const QStringList& toPath);
    // A main-window key (F5-F8 with modifiers, Ctrl+S, Ctrl+O, Ctrl+F) while shownPath is the shown page.
    // False when the key means nothing there (it then goes on to the menu or the focused widget).
    bool RunKey(const KeyAction& key, const QStringList& shownPath);
    bool KeyApplies(const KeyAction& key, const QStringList& shownPath) const;
    // F5-F8 with modifiers go to the live timing through the handler the window sets.
    void SetLiveTimingKeyHandler(std::function<void(int slot, LiveTimingAction action)> handler) {
        m_liveTimingKeyHandler = std::move(handler);
    }
    // Where the window's keys end: live timing (the handler), and until their owners exist opening a
    // session and the part status find dialog. Each tells the hook observer (tests) that it was reached.
    void LiveTimingKey(int slot, LiveTimingAction action);
    void OpenSessionHook();
    void FindHook();
    // The session's own operations, set by the window once the session exists: the save dialog (false
    // when cancelled or failed), "Open session" and opening a named file (start-up).
    struct SessionActions {
        std::function<bool()> saveWithDialog;
        std::function<void()> open;
        std::function<void(const QString& path)> openFile;
    };
    void SetSessionActions(SessionActions actions);
    const SessionActions& Sessions() const { return m_sessionActions; }
    void SetHookObserver(std::function<void(const QString&)> observer) {
        m_hookObserver = std::move(observer);
    }

  private:
    void RegisterCommands();
    void NotifyChanged();
    // Steps owned by later work; each does nothing until its owner exists.
    void LoadTireList();     // the current vehicle's tire list
    bool TracksLeaveCheck(); // unsaved tracks are offered for saving; false on Cancel
    void NotifyHook(const QString& text);
    bool SaveSessionWithDialog(); // the session's save dialog; false when cancelled or failed
    void SaveColumnWidths();      // the fixed grids' column widths
    void UpdateWindowGeometry();  // time windows and pit panel report where they are

    Services m_services;
    QString m_dataFolder;
    ProgramSettings m_settings;
    WindowGeometry m_geometry;
    ChangeTracker m_changes;
    LeaveChecks m_leaveChecks;
    UnitCaptions m_units{&m_changes};
    VehicleType m_vehicle = VehicleType::None;
    VehicleLayout m_layout;
    bool m_maintenanceOnly = false;
    bool m_keepSettingsFile = false;
    bool m_endedAtOnce = false;
    std::function<void()> m_endAtOnce;
    StartupFile m_pendingOpen;
    std::function<void(const QString&)> m_hookObserver;
    SessionActions m_sessionActions;
    std::function<void(int, LiveTimingAction)> m_liveTimingKeyHandler;
    std::function<bool()> m_tracksLeaveCheck;
    CommandTable m_commands;
    Connections m_connections;
};
