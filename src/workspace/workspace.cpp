#include "workspace.h"

#include "app/options_model.h"
#include "archive/smart_save.h"
#include "calc/jetting_guru_settings.h"
#include "reports/report_commands.h"
#include "session/open_setup_from_session.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {

const QString kEventName = QStringLiteral("name_of_event");
const QString kSessionType = QStringLiteral("session_type");

class SystemClock : public Clock {
  public:
    SystemClock() { m_started.start(); }
    std::uint32_t TickMs() override { return std::uint32_t(m_started.elapsed()); }
    double NowDayNumber() override { return DayNumberFromDateTime(QDateTime::currentDateTime()); }

  private:
    QElapsedTimer m_started;
};

class SilentBeeper : public Beeper {
  public:
    void Beep() override {}
};

// Without a system shell every link fails as it would without a program for it.
class NoShell : public Shell {
  public:
    bool Open(const QString&) override { return false; }
};

} // namespace

struct Workspace::Fallbacks {
    SystemClock clock;
    SilentBeeper beeper;
    NoShell shell;
    Clock& ClockOf(const Services& services) { return services.clock ? *services.clock : clock; }
    Beeper& BeeperOf(const Services& services) { return services.beeper ? *services.beeper : beeper; }
    Shell& ShellOf(const Services& services) { return services.shell ? *services.shell : shell; }
};

Workspace::Workspace(AppState& state)
    : m_state(state), m_fallbacks(std::make_unique<Fallbacks>()),
      m_setup(VehicleType::Motorcycle, state.GetServices().prompter), m_calculators(m_setup),
      m_session(state, m_setup), m_tireReadings(m_session, m_setup), m_weightDistribution(state, m_setup),
      m_generalNotes(state.Changes(), state.GetServices().prompter, state.DataFolder()),
      m_liveTiming(m_fallbacks->ClockOf(state.GetServices()), m_fallbacks->BeeperOf(state.GetServices()),
                   *state.GetServices().prompter),
      m_tracks(*state.GetServices().prompter, m_fallbacks->ShellOf(state.GetServices()), state.DataFolder()),
      m_archive(state.Settings(), state.DataFolder(), state.GetServices().prompter),
      m_maintenance(*state.GetServices().prompter, m_fallbacks->ClockOf(state.GetServices()),
                    state.DataFolder()),
      m_partStatus(*state.GetServices().prompter, m_fallbacks->ShellOf(state.GetServices()),
                   m_fallbacks->ClockOf(state.GetServices()), state.DataFolder()),
      m_tireList(*state.GetServices().prompter, m_fallbacks->ClockOf(state.GetServices()), m_setup,
                 state.DataFolder()),
      m_sessionFuel(m_session, *state.GetServices().prompter),
      m_lapEntry(m_liveTiming, *state.GetServices().prompter, m_fallbacks->ClockOf(state.GetServices())),
      m_suppliers(*state.GetServices().prompter, m_fallbacks->ShellOf(state.GetServices()),
                  state.DataFolder()),
      m_orderStatus(*state.GetServices().prompter, m_fallbacks->ClockOf(state.GetServices()),
                    state.DataFolder()),
      m_schedule(*state.GetServices().prompter, m_fallbacks->ClockOf(state.GetServices()),
                 state.DataFolder()),
      m_recent(state.DataFolder()) {
    ConnectSetup();
    ConnectSession();
    ConnectLiveTiming();
    ConnectTracks();
    ConnectArchive();
    ConnectMaintenance();
    ConnectPartStatus();
    ConnectTireList();
    ConnectFuel();
    ConnectLapEntry();
    ConnectSuppliersAndOrders();
    InstallStateRequests();
    SyncSetupLayout();
}

Workspace::~Workspace() = default;

void Workspace::ConnectLapEntry() {
    // The entry dialog's remembered source, folder and serial port live in the program settings.
    const ProgramSettings& settings = m_state.Settings();
    m_lapEntry.SetStoredSettings(settings.importLastType, settings.importDataPath,
                                 settings.importDataSerialPort);
    m_connections += m_lapEntry.settingsChanged.Connect([this] {
        ProgramSettings& stored = m_state.Settings();
        stored.importLastType = m_lapEntry.LastType();
        stored.importDataPath = m_lapEntry.LastFolder();
        stored.importDataSerialPort = m_lapEntry.LastSerialPort();
    });
    // Entered laps belong to a new run: the part status has not been updated from it.
    m_connections += m_lapEntry.partStatusStampCleared.Connect([this] { m_session.SetPartStatusStamp(0); });
}

void Workspace::ConnectSetup() {
    // Every setup edit marks "Setup" and the sub-page it was made on.
    m_connections +=
        m_setup.changed.Connect([this] { m_state.Changes().SetupIsDirty(m_setup.EditingPage()); });
    // The vehicle type and the distance unit decide the setup's layout; checked after every change the
    // window shows (a vehicle chosen, start-up).
    m_connections += m_state.changed.Connect([this] { SyncSetupLayout(); });
}

void Workspace::ConnectSession() {
    // Lap data: collected for every save, replaced by every load. Once they are in a session file, the
    // crash journal of the run before is no longer needed.
    m_session.requestLapData = [this] { return m_liveTiming.CurrentLapData(); };
    m_session.requestApplyLapData = [this](const LapData& data) {
        auto applied = m_liveTiming.LoadLapData(data);
        if (applied) m_liveTiming.DiscardJournal();
        return applied;
    };
    const auto offerRecent = [this](const QString& path) {
        m_recent.FromSettings(m_state.Settings().recentSessions);
        m_recent.Offer(path);
        m_state.Settings().recentSessions = m_recent.ToSettings();
    };
    m_connections += m_session.saved.Connect([this, offerRecent](const QString& path) {
        offerRecent(path);
        m_liveTiming.SessionSaved();
    });
    m_connections += m_session.opened.Connect(offerRecent);

    // The session's track box shows the track list; a track chosen there (or loaded) is shown on the Tracks
    // pages and gives the live timing its length and fuel consumption.
    m_connections += m_tracks.trackNamesChanged.Connect(
        [this](const QStringList& names) { m_session.SetTrackNames(names); });
    m_connections +=
        m_session.trackSelected.Connect([this](const QString& track) { SessionTrackSelected(track); });
    m_liveTiming.requestFuelFigures = [this] { return SessionFuelFigures(); };
}

void Workspace::ConnectLiveTiming() {
    m_liveTiming.SetJournalFolder(m_state.DataFolder());
    m_liveTiming.requestSessionIsDirty = [this] { return m_state.Changes().IsChanged(Area::Session); };
    m_liveTiming.requestSaveSession = [this] {
        return m_state.Leave().HasSaveAction(Area::Session) && m_state.Leave().Save(Area::Session);
    };
    m_connections += m_liveTiming.lapDataChanged.Connect([this] { m_state.Changes().SessionIsDirty(); });
    m_connections += m_liveTiming.knownDriversChanged.Connect(
        [this](const QStringList& drivers) { m_state.Settings().drivers = drivers; });
}

void Workspace::ConnectTracks() {
    m_connections += m_tracks.changed.Connect([this] { SyncTracksChangeFlag(); });
    // The shown lengths and fuel figures follow the unit system; converting them is no edit.
    m_connections += m_state.Units().distanceConverted.Connect([this] { ApplyTrackUnits(); });
    m_connections += m_state.Units().volumeApplied.Connect([this] { ApplyTrackUnits(); });
}

void Workspace::ConnectArchive() {
    m_archive.SetCallbacks(SessionCallbacksForArchive());
}

void Workspace::ConnectMaintenance() {
    // The log's changed state is the "Maintenance" area's; its save action is the page's Save.
    m_connections += m_maintenance.changed.Connect([this] {
        ChangeTracker& changes = m_state.Changes();
        if (m_maintenance.IsDirty() == changes.IsChanged(Area::Maintenance)) return;
        if (m_maintenance.IsDirty())
            changes.MaintenanceIsDirty();
        else
            changes.MarkUnchanged(Area::Maintenance);
    });
    m_state.Leave().SetSaveAction(Area::Maintenance, [this] { return m_maintenance.SaveMaintenance(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::Maintenance, {}); });
}

void Workspace::LoadMaintenanceLog() {
    m_maintenance.LoadMaintenance();
}

void Workspace::ConnectPartStatus() {
    // The change flag follows the area; "Save" on the leave question saves it.
    m_connections += m_partStatus.changed.Connect([this] {
        ChangeTracker& changes = m_state.Changes();
        if (m_partStatus.IsDirty() == changes.IsChanged(Area::PartStatus)) return;
        if (m_partStatus.IsDirty())
            changes.PartStatusIsDirty();
        else
            changes.MarkUnchanged(Area::PartStatus);
    });
    m_state.Leave().SetSaveAction(Area::PartStatus, [this] { return m_partStatus.SavePartStatus(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::PartStatus, {}); });
    // "Update Maintenance Log": one item dialog per changed part, with the maintenance groups offered.
    m_partStatus.requestAddMaintenanceItems = [this](const std::vector<MaintenanceItemDraft>& items) {
        bool added = false;
        for (const MaintenanceItemDraft& item : items)
            added = m_maintenance.AddItemWithGroupChoice(item.group, item.cost, item.supplier,
                                                         item.description) ||
                    added;
        return added;
    };
    m_connections += Connection([this] { m_partStatus.requestAddMaintenanceItems = {}; });
    // A new timing run is a new session for the part status; the end of a timed session offers its
    // running time and distance to the part counters and stamps the session when they were updated.
    m_connections += m_liveTiming.driver1Started.Connect([this] { m_session.SetPartStatusStamp(0); });
    m_connections += m_liveTiming.sessionFinished.Connect([this] { UpdatePartsFromSession(); });
}

void Workspace::ConnectFuel() {
    m_sessionFuel.requestDriver1 = [this] {
        const DriverSlot& d = m_liveTiming.Slot(1);
        return Driver1Figures{d.startTime, d.stopTime, d.pitStopTime, d.timer.LapCount()};
    };
    m_sessionFuel.requestTrackLength = [this] { return SessionTrackLength(); };
    m_sessionFuel.requestTrackConsumption = [this] {
        const FuelFigures shown = SessionFuelFigures();
        return std::pair{shown.dryConsumption, shown.wetConsumption};
    };
    // "Recalculate Pit Stops": asked again until the lap is a whole number or the dialog is cancelled.
    m_sessionFuel.requestRecalcLap = [this](int proposal) -> std::optional<int> {
        Prompter& prompter = *m_state.GetServices().prompter;
        QString text = QString::number(proposal);
        while (true) {
            const auto answer = prompter.AskText(
                Translate("Recalculate Pit Stops"),
                Translate("Recalculate from lap number") + QStringLiteral("\n\n") +
                    Translate(
                        "Note that the algorithm assumes that the last (if any) fuel fill before the "
                        "selected "
                        "lap number above filled up the tank. If no fuel stops has been made the tank is "
                        "assumed to be empty.") +
                    QStringLiteral("\n\n") +
                    Translate("All manually entered pit stops after this lap will be overwritten."),
                text);
            if (!answer) return std::nullopt;
            if (const auto lap = ParseInteger(answer->trimmed()); lap && *lap >= 0) return lap;
            text = *answer;
        }
    };
    // The measured consumption follows the fuel fields and the end of a timed run.
    const int amount = SessionFieldIndex(SessionKeys::Conditions, SessionKeys::AmountFuel);
    const int after = SessionFieldIndex(SessionKeys::SessionNotes, QStringLiteral("fuel_after_session"));
    m_connections += m_session.fieldEdited.Connect([this, amount, after](int index) {
        if (index == amount || index == after) m_sessionFuel.CalcFuelConsumptionAfterSession();
    });
    m_connections +=
        m_liveTiming.sessionFinished.Connect([this] { m_sessionFuel.CalcFuelConsumptionAfterSession(); });
    m_connections += Connection([this] {
        m_sessionFuel.requestDriver1 = {};
        m_sessionFuel.requestTrackLength = {};
        m_sessionFuel.requestTrackConsumption = {};
        m_sessionFuel.requestRecalcLap = {};
    });
}

void Workspace::UpdatePartsFromSession() {
    const DriverSlot& driver1 = m_liveTiming.Slot(1);
    SessionUpdateInput input;
    input.startTime = driver1.startTime;
    input.stopTime = driver1.stopTime;
    input.pitStopMs = driver1.pitStopTime;
    input.lapsBegun = driver1.timer.LapCount();
    input.trackLength = SessionTrackLength();
    input.miles = m_state.Units().Units().distance == Unit::Miles;
    if (m_partStatus.UpdateFromSession(input, m_session.Record().partStatusStamp))
        m_session.SetPartStatusStamp(driver1.startTime);
}

void Workspace::ConnectTireList() {
    // The change flag follows the list (the vehicle menu stays closed while it is set); "Save" on the
    // leave question saves it.
    m_connections += m_tireList.changed.Connect([this] {
        ChangeTracker& changes = m_state.Changes();
        if (m_tireList.IsDirty() == changes.IsChanged(Area::TireList)) return;
        if (m_tireList.IsDirty())
            changes.TirelistIsDirty();
        else
            changes.MarkUnchanged(Area::TireList);
    });
    m_state.Leave().SetSaveAction(Area::TireList, [this] { return m_tireList.SaveTireList(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::TireList, {}); });
    // Each vehicle type has its own list; the miles unit shows mileages and circumferences converted.
    m_connections += m_state.vehicleChanged.Connect([this](VehicleType vehicle) {
        if (vehicle == VehicleType::None) return;
        // The stored tree node is selected again (the first node when the tree is shorter).
        const int node = m_state.Settings().tirelistLastNode;
        m_tireList.SetVehicle(vehicle);
        m_tireList.SelectNode(node);
    });
    m_connections += m_tireList.changed.Connect(
        [this] { m_state.Settings().tirelistLastNode = m_tireList.SelectedNode(); });
    m_connections += m_state.changed.Connect([this] {
        const bool miles = m_state.Units().Units().distance == Unit::Miles;
        if (miles != m_tireList.Miles()) m_tireList.SetMiles(miles);
    });
    m_tireList.requestTrackLength = [this](const QString& track) {
        const TTrackInfo* info = m_tracks.FindTrack(track);
        return info ? info->Length : QString();
    };
    m_tireList.requestSessionPresets = [this] {
        TireHistoryValues values;
        values.driver = m_liveTiming.Slot(1).driverName;
        values.track = m_session.Record().Track();
        values.sessionType =
            m_session.Record().Value(SessionKeys::Conditions, QStringLiteral("session_type"));
        return values;
    };
    m_connections += Connection([this] {
        m_tireList.requestTrackLength = {};
        m_tireList.requestSessionPresets = {};
    });
    m_connections += m_liveTiming.sessionFinished.Connect([this] { UpdateTiresFromSession(); });
}

void Workspace::PartSetupManagerClosed(const PartSetupManager& manager) {
    if (manager.Area() != SetupArea::Tires) return;
    if (manager.Outcome() == PartSetupManager::Result::Saved) {
        // The tires of the stored tire setup belong to that set from now on. Only a save does this: a
        // delete must not write another name into the tires.
        for (const QString& id : m_tireList.SetupTireIds())
            if (!id.trimmed().isEmpty()) m_tireList.SetTireField(id, tire_col::Set, manager.Box());
    } else if (manager.Outcome() == PartSetupManager::Result::Loaded) {
        m_tireList.SyncSetupTires();
    }
}

std::vector<SetupArea> Workspace::ComposeSetup(const std::map<SetupArea, QString>& names) {
    const auto loaded = ::ComposeSetup(m_setup, m_state.DataFolder(), names);
    if (std::find(loaded.begin(), loaded.end(), SetupArea::Tires) != loaded.end())
        m_tireList.SyncSetupTires();
    return loaded;
}

void Workspace::UpdateTiresFromSession() {
    const DriverSlot& first = m_liveTiming.Slot(1);
    SessionTireInfo info;
    info.start = first.startTime;
    info.track = m_session.Record().Track();
    info.driver = first.driverName;
    info.drivers = m_liveTiming.DriverNameList();
    info.vehicle = m_setup.Text(QStringLiteral("general"), QStringLiteral("frame"));
    info.sessionType = m_session.Record().Value(SessionKeys::Conditions, QStringLiteral("session_type"));
    info.laps = QString::number(first.timer.LapCount());
    m_tireList.UpdateTiresFromSession(info);
}

void Workspace::ConnectSuppliersAndOrders() {
    // The change flags follow the areas; "Save" on the leave question saves them.
    const auto follow = [this](Area area, bool dirty) {
        ChangeTracker& changes = m_state.Changes();
        if (dirty == changes.IsChanged(area)) return;
        if (dirty)
            changes.MarkChanged(area);
        else
            changes.MarkUnchanged(area);
    };
    m_connections +=
        m_suppliers.changed.Connect([this, follow] { follow(Area::Suppliers, m_suppliers.IsDirty()); });
    m_connections +=
        m_orderStatus.changed.Connect([this, follow] { follow(Area::OrderStatus, m_orderStatus.IsDirty()); });
    m_connections +=
        m_schedule.changed.Connect([this, follow] { follow(Area::Schedule, m_schedule.IsDirty()); });
    m_state.Leave().SetSaveAction(Area::Schedule, [this] { return m_schedule.SaveSchedule(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::Schedule, {}); });
    m_state.Leave().SetSaveAction(Area::Suppliers, [this] { return m_suppliers.SaveSuppliers(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::Suppliers, {}); });
    m_state.Leave().SetSaveAction(Area::OrderStatus, [this] { return m_orderStatus.SaveOrders(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::OrderStatus, {}); });

    // Receiving order items books them into the part status and the maintenance log.
    m_orderStatus.requestSupplierNames = [this] { return m_suppliers.SupplierNames(); };
    m_orderStatus.requestPartGroups = [this] { return m_partStatus.GroupNames(); };
    m_orderStatus.requestPartGroup = [this](const QString& name) { return m_partStatus.FindGroup(name); };
    m_orderStatus.requestActivePartGroup = [this] {
        const PartGroup* active = m_partStatus.Active();
        return active ? active->name : QString();
    };
    m_orderStatus.requestBookParts = [this](const QString& group, const std::vector<PartBooking>& lines) {
        return m_partStatus.ReceiveParts(group, lines);
    };
    m_orderStatus.requestAddMaintenanceItem = [this](const QString& group, const QString& date,
                                                     const QString& cost, const QString& supplier,
                                                     const QString& description) {
        return m_maintenance.AddItemWithGroupChoice(group, cost, supplier, description, ParseDateText(date));
    };
    m_orderStatus.requestAddMaintenanceItems = [this](const QString& group, const QList<QStringList>& items) {
        return m_maintenance.AddItems(group, items);
    };
    m_connections += Connection([this] {
        m_orderStatus.requestSupplierNames = {};
        m_orderStatus.requestPartGroups = {};
        m_orderStatus.requestPartGroup = {};
        m_orderStatus.requestActivePartGroup = {};
        m_orderStatus.requestBookParts = {};
        m_orderStatus.requestAddMaintenanceItem = {};
        m_orderStatus.requestAddMaintenanceItems = {};
    });
}

void Workspace::LoadSuppliers() {
    m_suppliers.LoadSuppliers();
}

void Workspace::LoadOrderStatus() {
    m_orderStatus.LoadOrders();
}

void Workspace::LoadScheduledEvents() {
    m_schedule.LoadSchedule();
}

void Workspace::InstallStateRequests() {
    // What the state asks of the models: saving and opening the session (menu, keys, closing), saving the
    // tracks and the general notes (leave questions), the Tracks page's leave check. Each is taken back
    // when the workspace goes.
    m_state.SetSessionActions({[this] { return m_session.SaveSessionWithDialog(); },
                               [this] { m_session.OpenSession(); },
                               [this](const QString& path) { m_session.LoadSession(path); }});
    m_connections += Connection([this] { m_state.SetSessionActions({}); });
    m_state.Leave().SetSaveAction(Area::Tracks, [this] { return m_tracks.SaveTracksButtonClick(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::Tracks, {}); });
    m_state.SetTracksLeaveCheck([this] { return m_tracks.TracksTabSheetExit(); });
    m_connections += Connection([this] { m_state.SetTracksLeaveCheck({}); });
    m_state.Leave().SetSaveAction(Area::GeneralNotes, [this] { return m_generalNotes.SaveChanged(); });
    m_connections += Connection([this] { m_state.Leave().SetSaveAction(Area::GeneralNotes, {}); });

    CommandTable& commands = m_state.Commands();
    m_connections += commands.Set(MenuCommand::NewSession, [this] { PrepareNewSession(); });
    m_connections += commands.Set(MenuCommand::SaveSessionSmart, [this] { SmartSave(); });
    m_connections += commands.Set(MenuCommand::OpenSetupFromSession, [this] { OpenSetupFromSession(); });
}

void Workspace::SyncSetupLayout() {
    bool changed = !m_setupLayoutSynced;
    const VehicleType vehicle = m_state.Vehicle();
    if (vehicle != VehicleType::None && vehicle != m_setup.Vehicle()) {
        m_setup.SetVehicle(vehicle);
        changed = true;
    }
    const bool miles = m_state.Units().Units().distance == Unit::Miles;
    if (miles != m_setup.Miles()) {
        m_setup.ApplyDistanceUnit(miles);
        changed = true;
    }
    if (!changed) return;
    m_setupLayoutSynced = true;
    // Shown lengths and captions follow the distance unit; the power chart's force unit the unit system.
    m_calculators.SetMetric(m_state.Settings().systemUnit == Unit::Metric);
    m_calculators.Reload();
    m_tireReadings.SetupLayoutChanged();
    m_weightDistribution.Recalculate();
    setupLayoutChanged.Emit();
}

void Workspace::SyncTracksChangeFlag() {
    ChangeTracker& changes = m_state.Changes();
    if (m_tracks.IsDirty() == changes.IsChanged(Area::Tracks)) return;
    if (m_tracks.IsDirty())
        changes.TracksIsDirty();
    else
        changes.MarkUnchanged(Area::Tracks);
}

void Workspace::ApplyTrackUnits() {
    const DerivedUnits& units = m_state.Units().Units();
    m_tracks.SetUnits(TrackUnits{units.distance, units.volume});
}

void Workspace::LoadTracks() {
    ApplyTrackUnits();
    m_tracks.LoadTrackList(m_state.Settings().sessionLastTrack);
}

void Workspace::LoadPartStatus() {
    m_partStatus.LoadPartStatus();
}

void Workspace::LoadGeneralNotes() {
    m_generalNotes.Load();
}

void Workspace::ApplyLiveTimingSettings() {
    const ProgramSettings& settings = m_state.Settings();
    LiveTimingSettings timing;
    timing.includePitLaps = settings.includePitlaps;
    timing.percentForMean = settings.percentForMean;
    timing.units = TimingUnitsOfSystem(settings.systemUnit);
    m_liveTiming.SetSettings(timing);
    m_liveTiming.SetKnownDrivers(settings.drivers);
}

void Workspace::Started() {
    // The guru keeps its values from the settings file for the whole run.
    m_jettingGuru.SetSettings(JettingSettingsFrom(m_state.Settings()));
    m_tirePressureGuru.SetSettings(TirePressureReferencesFrom(m_state.Settings()));
    ApplyLiveTimingSettings();
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        if (const QString& name = m_state.Settings().sessionLastDriver[size_t(slot - 1)]; !name.isEmpty())
            m_liveTiming.SetDriverName(slot, name);
    m_state.Changes().MarkUnchanged(Area::Session); // the names read are no edit
    m_session.ApplyOptions();                       // the air density's units and AD/RAD choice
    SyncSetupLayout();
    const ProgramSettings& settings = m_state.Settings();
    m_lapEntry.SetStoredSettings(settings.importLastType, settings.importDataPath,
                                 settings.importDataSerialPort);
}

void Workspace::OpenPendingSetup() {
    const StartupFile& file = m_state.PendingOpen();
    if (file.kind != StartupFileKind::Setup) return;
    if (m_setup.OpenSetup(file.path)) m_state.Changes().MarkUnchanged(Area::Setup);
}

void Workspace::RestoreTimingJournal() {
    m_liveTiming.OfferJournalRestore(m_state.DataFolder());
}

void Workspace::ApplyOptions(const OptionsValues& values) {
    ::ApplyOptions(values, m_state);
    m_session.ApplyOptions();
    m_session.RecomputeAirDensity();
    ApplyLiveTimingSettings();
    SyncSetupLayout();
}

bool Workspace::OpenSetupFromSession() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    const bool unsaved =
        m_state.Changes().IsChanged(Area::Session) || m_state.Changes().IsChanged(Area::Setup);
    const bool opened = ::OpenSetupFromSession(
        m_setup, *prompter, unsaved, [this] { m_session.SaveSessionWithDialog(); },
        m_state.DataPath(QStringLiteral("Sessions")));
    if (opened) m_state.Changes().MarkUnchanged(Area::Setup);
    return opened;
}

SessionCallbacks Workspace::SessionCallbacksForArchive() {
    SessionCallbacks callbacks;
    callbacks.sessionIsChanged = [this] { return m_session.IsChanged(); };
    callbacks.saveSession = [this] { return m_session.SaveSessionWithDialog(); };
    callbacks.loadSession = [this](const QString& path) { return m_session.LoadSession(path); };
    callbacks.loadSetupOnly = [this](const QString& path) {
        const bool opened = m_setup.OpenSetup(path);
        if (opened) m_state.Changes().MarkUnchanged(Area::Setup);
        return opened;
    };
    callbacks.showActiveSession = [this] { showActiveSessionRequested.Emit(); };
    callbacks.smartSaveInput = [this] {
        SmartSaveInput input;
        input.track = m_session.Record().Track();
        input.sessionType = m_session.Text(SessionKeys::Conditions, kSessionType);
        input.currentFile = m_session.FileName();
        const DriverSlot& driver1 = m_liveTiming.Slot(1);
        input.driver1StartTime = driver1.startTime;
        input.driver1LapCount = driver1.timer.LapCount();
        return input;
    };
    // The session model's own save: the file is replaced whole, the journal closed.
    callbacks.saveSessionTo = [this](const QString& path) { return m_session.SaveSession(path); };
    return callbacks;
}

NewSessionHooks Workspace::NewSessionHooksForArchive() {
    NewSessionHooks hooks;
    hooks.defaults = [this] {
        return NewSessionDefaults{m_session.TrackNames(), m_session.Record().Track(),
                                  m_session.Text(SessionKeys::Conditions, kEventName),
                                  m_session.Text(SessionKeys::Conditions, kSessionType)};
    };
    hooks.ask = requestNewSessionChoice;
    hooks.resetLapTimes = [this] { m_liveTiming.ResetLapTimes(); };
    hooks.updateTireData = [this] { m_tireList.SyncSetupTires(); };
    hooks.clearSessionNotes = [this] { m_session.ClearSessionNotes(false); }; // the dialog asked already
    hooks.selectTrack = [this](const QString& track) {
        m_session.SetText(SessionKeys::Conditions, SessionKeys::Track, track);
    };
    hooks.setEventAndType = [this](const QString& eventName, const QString& sessionType) {
        m_session.SetText(SessionKeys::Conditions, kEventName, eventName);
        m_session.SetText(SessionKeys::Conditions, kSessionType, sessionType);
    };
    hooks.forgetFileName = [this] {
        // A new session starts unchanged; what the journal held belonged to the session before.
        m_liveTiming.DiscardJournal();
        m_session.MarkUnchanged();
        m_session.ForgetFileName();
    };
    return hooks;
}

bool Workspace::PrepareNewSession() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    return ::PrepareNewSession(SessionCallbacksForArchive(), NewSessionHooksForArchive(), *prompter);
}

bool Workspace::SmartSave() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    const SessionCallbacks callbacks = SessionCallbacksForArchive();
    SmartSaveInput input = callbacks.smartSaveInput();
    input.intoTrackFolder = m_state.Settings().smartsaveIntoTrackfolder;
    input.now = m_fallbacks->ClockOf(m_state.GetServices()).NowDayNumber();
    return SmartSaveSession(input, m_state.DataFolder(), *prompter, callbacks.saveSessionTo);
}

QStringList Workspace::RecentSessionEntries() {
    // The list lives in the settings, which the session's saves and loads keep up to date.
    m_recent.FromSettings(m_state.Settings().recentSessions);
    return m_recent.Entries();
}

bool Workspace::ReopenSession(const QString& entry) {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    m_recent.FromSettings(m_state.Settings().recentSessions);
    return ::ReopenSession(entry, m_recent, SessionCallbacksForArchive(), *prompter);
}

void Workspace::ShowArchive() {
    m_archive.SetOptions(m_state.Settings(), m_state.Vehicle(), m_tracks.List());
    m_archive.Show();
}

void Workspace::SessionTrackSelected(const QString& track) {
    if (!track.isEmpty() && m_tracks.SelectedName() != track) m_tracks.SelectTrack(track);
    m_liveTiming.SetTrackLength(SessionTrackLength());
}

QString Workspace::SessionTrackLength() const {
    const TTrackInfo* track = m_tracks.FindTrack(m_session.Record().Track());
    return track ? track->Length : QString();
}

FuelFigures Workspace::SessionFuelFigures() const {
    const TTrackInfo* track = m_tracks.FindTrack(m_session.Record().Track());
    return track ? m_session.FuelFiguresFor(track->FuelConsumptionDry, track->FuelConsumptionWet)
                 : m_session.FuelFiguresFor(QString(), QString());
}

ReportSource Workspace::CurrentReportSource() {
    ReportSource source =
        CurrentSessionSource(m_session, m_setup, m_state, [this] { return SessionTrackLength(); });
    // The setup report shows the gearing page's mode, which is no part of the setup.
    source.setup = [this, setup = source.setup] {
        SetupReportInput input = setup();
        input.gearCalcMode = m_calculators.Gearing().Mode();
        input.weightMode = m_weightDistribution.Mode();
        return input;
    };
    return source;
}

void Workspace::JettingGuruOpening(const QString& airDensityText) {
    // The AD/RAD figure of the session page, when it is a number, becomes the selected value; from the
    // menu the guru keeps the value it had.
    m_jettingGuru.JettingGuruMenuItemClick(airDensityText, m_state.Settings().useAd);
}

void Workspace::JettingGuruClosed() {
    // However it was closed: changed values go to the settings file.
    if (!m_jettingGuru.FormClose()) return;
    StoreJettingSettings(m_jettingGuru.Settings(), m_state.Settings());
    m_state.SaveSettings();
}

void Workspace::TirePressureGuruOpening() {
    m_tirePressureGuru.TirePressureGuruMenuItemClick();
}

void Workspace::TirePressureGuruClosed(bool accepted) {
    StoreTirePressureReferences(m_tirePressureGuru.References(), m_state.Settings());
    if (accepted && m_tirePressureGuru.FormClose()) m_state.SaveSettings();
}

void Workspace::Closing() {
    for (int slot = 1; slot <= LiveTimingModel::kSlots; ++slot)
        m_state.Settings().sessionLastDriver[size_t(slot - 1)] = m_liveTiming.Slot(slot).driverName;
}

void Workspace::Closed() {
    // Lap data that reached the session file need no journal; unsaved ones keep it for the next start.
    if (!m_state.Changes().IsChanged(Area::Session)) m_liveTiming.DiscardJournal();
}
