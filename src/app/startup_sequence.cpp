#include "startup_sequence.h"

#include "data_folder.h"
#include "settings_file.h"
#include "storage/translate.h"
#include "storage/vehicle.h"
#include "unit_captions.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

QString BasicSetupVehicleCode(int entry) {
    static constexpr VehicleType types[] = {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart,
                                            VehicleType::Car};
    return VehicleCode(entry >= 0 && entry < 4 ? types[entry] : VehicleType::Motorcycle);
}

bool StartupSequence::Run(bool firstRunDialogs) {
    m_state.SetMaintenanceOnly(
        QFileInfo::exists(m_state.DataPath(QStringLiteral("show_only_maintenance_tab.txt"))));
    // Dates and times have fixed text forms ("yyyy-mm-dd", "hh.mm") in the storage layer; nothing to set.

    QDir::setCurrent(m_state.DataFolder());
    const FolderCreation folders = CreateDataFolders(m_state.DataFolder());
    if (folders.error) {
        m_state.GetServices().prompter->ShowError(*folders.error);
        m_view.CloseSplash();
        return false;
    }
    m_firstRun = folders.firstRun;

    m_view.ShowProgress(Translate("Reading general settings..."));
    CreateLapTimers();
    SetUpGearSymbolGrids();
    CreateImportAndFuelDialogs();
    SetUpPitStopGrid();
    CreatePartSetupLists();
    ReadSettings();
    ApplyUnitSystem();

    if (m_firstRun && firstRunDialogs) {
        if (const auto entry = m_view.AskBasicSetup())
            m_state.Settings().vehicle = BasicSetupVehicleCode(*entry);
        m_view.ShowOptions();
    }

    m_view.ShowProgress(Translate("Reading from registry..."));
    if (SettingsStore* store = m_state.GetServices().settings) ReadWindowGeometry(*store, m_state.Geometry());

    m_state.SetVehicleNone();
    m_state.SelectVehicle(m_state.Settings().vehicle);

    LoadPictures();
    FillPartSetupLists();
    m_state.Changes().MarkUnchanged(Area::Session);
    m_state.Changes().MarkUnchanged(Area::Setup);

    m_view.ShowProgress(Translate("Reading tracks..."));
    m_steps.LoadTracks();
    ApplyGearSymbols();
    m_view.ShowProgress(Translate("Reading maintenance data..."));
    m_steps.LoadMaintenanceLog();
    m_view.ShowProgress(Translate("Reading events..."));
    m_steps.LoadScheduledEvents();
    m_view.ShowProgress(Translate("Reading part status..."));
    m_steps.LoadPartStatus();
    m_view.ShowProgress(Translate("Reading suppliers..."));
    m_steps.LoadSuppliers();
    m_view.ShowProgress(Translate("Reading order status..."));
    m_steps.LoadOrderStatus();

    m_view.CloseSplash();
    m_state.Changes().MarkAllUnchanged();
    FillSetupGridTitles();
    m_steps.LoadGeneralNotes();
    if (m_state.Settings().todoOpenAtStartup) OpenTodoList();
    m_state.SaveSettings();
    return true;
}

void StartupSequence::ReadSettings() {
    Prompter* prompter = m_state.GetServices().prompter;
    Clock* clock = m_state.GetServices().clock;
    const double today = clock ? std::floor(clock->NowDayNumber()) : 0;
    bool unreadable = false;
    m_state.Settings() = LoadSettingsFile(
        m_state.DataPath(QString::fromLatin1(kSettingsFileName)), today,
        [prompter](const QString& message) {
            if (prompter) prompter->ShowError(message);
        },
        &unreadable);
    // The program runs on the defaults, but the file that could not be read stays as it is.
    if (unreadable) m_state.KeepSettingsFile();
}

void StartupSequence::OpenStartupFile(const CommandLine& commandLine, const QString& launchFolder) {
    const ProgramSettings& settings = m_state.Settings();
    const StartupFile file =
        ChooseStartupFile(commandLine.firstParameter, launchFolder, settings.loadLastSessionAtStartup,
                          settings.lastSession, m_state.DataFolder());
    m_state.SetPendingOpen(file);
    if (file.kind == StartupFileKind::Session)
        OpenSession(file.path);
    else if (file.kind == StartupFileKind::Setup)
        OpenSetup(file.path);
    RestoreTimingJournal();
}

void StartupSequence::RestoreTimingJournal() {
    m_view.OfferJournalRestore();
}

void StartupSequence::CreateLapTimers() {
}
void StartupSequence::SetUpGearSymbolGrids() {
}
void StartupSequence::CreateImportAndFuelDialogs() {
}
void StartupSequence::SetUpPitStopGrid() {
}
void StartupSequence::CreatePartSetupLists() {
}
void StartupSequence::ApplyUnitSystem() {
    // Files hold metric values, so the shown values are converted from metres and litres.
    UnitCaptions& units = m_state.Units();
    units.ApplyUnitSystem(m_state.Settings().systemUnit);
    units.ApplyVolumeUnit(Unit::Litres);
    units.ApplyDistanceUnit(Unit::Metres);
    units.unitsChanged.Emit();
}
void StartupSequence::LoadPictures() {
}
void StartupSequence::FillPartSetupLists() {
}
void StartupSequence::ApplyGearSymbols() {
}
void StartupSequence::FillSetupGridTitles() {
}
void StartupSequence::OpenTodoList() {
}
void StartupSequence::OpenSession(const QString& path) {
    if (const auto& open = m_state.Sessions().openFile) open(path);
}
void StartupSequence::OpenSetup(const QString&) {
}
