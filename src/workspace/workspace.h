#pragma once
// Everything the program holds for a run, apart from the windows: the page model of every subsystem and
// the rules between them (the session's lap data live in the live timing, its track comes from the track
// list, saved and opened sessions reach the archive, options and units reach every page). The window
// shows these models and forwards user events to them; it owns none of them. Start-up loads the lists
// through the steps below; closing runs Closing(), the state's close query and Closed().
#include "app/app_state.h"
#include "app/startup_sequence.h"
#include "archive/archive_page.h"
#include "archive/compared_page.h"
#include "archive/new_session.h"
#include "archive/recent_sessions.h"
#include "calc/jetting_guru.h"
#include "calc/tire_pressure.h"
#include "events/event.h"
#include "lapentry/lap_entry_model.h"
#include "reports/report_export.h"
#include "session/general_notes_model.h"
#include "session/part_setups.h"
#include "session/session_fuel.h"
#include "session/session_model.h"
#include "session/session_tire_readings.h"
#include "session/setup_calculators.h"
#include "session/setup_model.h"
#include "session/weight_distribution_page.h"
#include "timing/live_timing_model.h"
#include "tracks/tracks_page.h"
#include "workshop/maintenance_page.h"
#include "workshop/order_status_page.h"
#include "workshop/part_status_page.h"
#include "workshop/schedule_page.h"
#include "workshop/suppliers_page.h"
#include "workshop/tire_list_page.h"

#include <functional>
#include <memory>
#include <optional>

struct OptionsValues;

class Workspace : public StartupSteps {
  public:
    explicit Workspace(AppState& state);
    ~Workspace() override;
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    AppState& State() { return m_state; }
    const AppState& State() const { return m_state; }
    SetupModel& Setup() { return m_setup; }
    SetupCalculators& Calculators() { return m_calculators; }
    JettingGuruModel& JettingGuru() { return m_jettingGuru; }
    SessionModel& Session() { return m_session; }
    SessionTireReadings& TireReadings() { return m_tireReadings; }
    WeightDistributionPage& WeightDistribution() { return m_weightDistribution; }
    TirePressureGuruModel& TirePressureGuru() { return m_tirePressureGuru; }
    GeneralNotesModel& GeneralNotes() { return m_generalNotes; }
    LiveTimingModel& LiveTiming() { return m_liveTiming; }
    TracksPage& Tracks() { return m_tracks; }
    ArchivePage& Archive() { return m_archive; }
    MaintenancePage& Maintenance() { return m_maintenance; }
    PartStatusPage& PartStatus() { return m_partStatus; }
    TireListPage& TireList() { return m_tireList; }
    LapEntryModel& LapEntry() { return m_lapEntry; }
    SessionFuel& Fuel() { return m_sessionFuel; }
    SuppliersPage& Suppliers() { return m_suppliers; }
    OrderStatusPage& OrderStatus() { return m_orderStatus; }
    SchedulePage& ScheduledEvents() { return m_schedule; }
    ComparedPage& Compared() { return m_compared; }
    // The entries of "Reopen session", newest first.
    QStringList RecentSessionEntries();

    // What the window answers: the "New session" dialog (std::nullopt on Cancel). Without it "New
    // session" stops at the dialog.
    std::function<std::optional<NewSessionChoice>(const NewSessionDefaults&)> requestNewSessionChoice;

    // The setup's vehicle type or distance unit changed: the setup pages are built anew.
    Event<> setupLayoutChanged;
    // A session was opened from the archive: the "Active session" page is to be shown.
    Event<> showActiveSessionRequested;

    // Start-up: the steps of the sequence that belong here, then what follows the sequence (settings
    // into the guru and the live timing, the last drivers, the setup's layout).
    void LoadTracks() override;
    void LoadMaintenanceLog() override;
    void LoadGeneralNotes() override;
    void LoadPartStatus() override;
    void LoadSuppliers() override;
    void LoadOrderStatus() override;
    void LoadScheduledEvents() override;
    void Started();
    // After start-up: the setup file named on the command line, if any.
    void OpenPendingSetup();
    // Offers the lap data of a timing run that did not end cleanly (the live timing's journal).
    void RestoreTimingJournal();

    // "OK" in the options: the settings and units, then each page's own options.
    void ApplyOptions(const OptionsValues& values);

    // Part setups: after the manager closed, a stored tire setup gives its name to the setup's tires and
    // a loaded one is checked against the inventory. Composing loads the named part setups.
    void PartSetupManagerClosed(const PartSetupManager& manager);
    std::vector<SetupArea> ComposeSetup(const std::map<SetupArea, QString>& names);

    // Commands.
    bool OpenSetupFromSession();
    bool PrepareNewSession();
    bool SmartSave();
    bool ReopenSession(const QString& entry);
    // The archive page is shown: the scan with the settings, the vehicle and the known track lengths.
    void ShowArchive();

    // The session's track as the track list holds it: its length in metres (empty when unknown) and
    // the fuel figures of the laps-remaining line.
    QString SessionTrackLength() const;
    FuelFigures SessionFuelFigures() const;

    // The current session and setup for the reports (the gearing page's mode and the track length
    // included).
    ReportSource CurrentReportSource();

    // The jetting guru opens with the session's AD/RAD figure when that is a number; after it closed its
    // changed values go to the settings file.
    void JettingGuruOpening(const QString& airDensityText);
    void JettingGuruClosed();
    // The tire pressure guru is shown (its changed mark cleared); closed with OK its changed reference
    // values are written to the settings file at once. Values typed and cancelled stay in the guru and
    // go with the next write of the settings file.
    void TirePressureGuruOpening();
    void TirePressureGuruClosed(bool accepted);

    // The end of a timed session: the part counters' update from it (the part status page's dialog).
    void UpdatePartsFromSession();

    // Closing: the driver names go to the settings; after the close query, a session with nothing
    // unsaved needs its crash journal no more.
    void Closing();
    void Closed();

  private:
    void ConnectSetup();
    void ConnectSession();
    void ConnectLiveTiming();
    void ConnectTracks();
    void ConnectArchive();
    void ConnectMaintenance();
    void ConnectPartStatus();
    void ConnectTireList();
    // After a timed session: the tires of the current setup get their history entry.
    void UpdateTiresFromSession();
    void ConnectFuel();
    void ConnectLapEntry();
    void ConnectSuppliersAndOrders();
    void InstallStateRequests();
    void ApplyLiveTimingSettings();
    void SessionTrackSelected(const QString& track);
    void SyncTracksChangeFlag();
    void ApplyTrackUnits();
    // Keeps the setup in the vehicle's layout and the distance unit shown; tells the pages when either
    // changed.
    void SyncSetupLayout();
    SessionCallbacks SessionCallbacksForArchive();
    NewSessionHooks NewSessionHooksForArchive();

    AppState& m_state;
    // Stand-ins for services a caller left out (the clock, the beeper, the shell), so that every model
    // has its own; the prompter is always given.
    struct Fallbacks;
    std::unique_ptr<Fallbacks> m_fallbacks;
    SetupModel m_setup;
    SetupCalculators m_calculators;
    JettingGuruModel m_jettingGuru;
    SessionModel m_session;
    SessionTireReadings m_tireReadings;
    WeightDistributionPage m_weightDistribution;
    TirePressureGuruModel m_tirePressureGuru;
    GeneralNotesModel m_generalNotes;
    LiveTimingModel m_liveTiming;
    TracksPage m_tracks;
    ArchivePage m_archive;
    MaintenancePage m_maintenance;
    PartStatusPage m_partStatus;
    TireListPage m_tireList;
    SessionFuel m_sessionFuel;
    LapEntryModel m_lapEntry;
    SuppliersPage m_suppliers;
    OrderStatusPage m_orderStatus;
    SchedulePage m_schedule;
    ComparedPage m_compared;
    RecentSessions m_recent;
    bool m_setupLayoutSynced = false;
    Connections m_connections; // last: ends first
};
