#include "app_state.h"

#include "settings_file.h"
#include "storage/translate.h"

#include <QDir>
#include <array>
#include <cmath>

AppState::AppState(const Services& services, const QString& dataFolder)
    : m_services(services), m_dataFolder(QDir(dataFolder).absolutePath()),
      m_settings(DefaultSettings(services.clock ? std::floor(services.clock->NowDayNumber()) : 0)),
      m_leaveChecks(m_changes, services.prompter), m_layout(VehicleLayoutFor(VehicleType::None)) {
    m_connections += m_changes.flagChanged.Connect([this](Area) { NotifyChanged(); });
    RegisterCommands();
}

QString AppState::DataPath(const QString& relative) const {
    return QDir(m_dataFolder).filePath(relative);
}

QString AppState::VehicleCodeText() const {
    return VehicleCode(m_vehicle);
}

void AppState::SetMaintenanceOnly(bool only) {
    m_maintenanceOnly = only;
    NotifyChanged();
}

bool AppState::PageVisible(const QStringList& path) const {
    return IsPageVisible(path, m_maintenanceOnly, m_vehicle);
}

void AppState::SetVehicleNone() {
    m_vehicle = VehicleType::None;
    m_layout = VehicleLayoutFor(m_vehicle);
}

void AppState::SelectVehicle(const QString& code) {
    m_vehicle = VehicleFromCode(code);
    m_settings.vehicle = VehicleCode(m_vehicle);
    m_layout = VehicleLayoutFor(m_vehicle);
    LoadTireList();
    SaveSettings();
    vehicleChanged.Emit(m_vehicle);
    NotifyChanged();
}

QString AppState::StatusVehicleText() const {
    return VehicleStatusName(m_vehicle);
}

bool AppState::SaveSettings() {
    if (m_keepSettingsFile || m_endedAtOnce) return false;
    const QString path = DataPath(QString::fromLatin1(kSettingsFileName));
    const auto saved = SaveSettingsFile(path, m_settings, m_dataFolder);
    if (saved) return true;
    // The error names the file and gives the system's text.
    if (m_services.prompter) m_services.prompter->ShowError(saved.error());
    return false;
}

bool AppState::CloseQuery() {
    if (m_endedAtOnce) return true;
    if (!TracksLeaveCheck()) return false;
    // A changed setup is saved with the session, so it makes the session count as changed.
    if (m_changes.IsChanged(Area::Session) || m_changes.IsChanged(Area::Setup)) {
        const Answer answer = m_services.prompter->AskYesNoCancel(
            Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
        if (answer == Answer::Cancel) return false;
        // A save that was cancelled or failed keeps the program open with the changes.
        if (answer == Answer::Yes && m_sessionActions.saveWithDialog && !SaveSessionWithDialog())
            return false;
    }
    SaveSettings();
    UpdateWindowGeometry();
    if (m_services.settings) WriteWindowGeometry(*m_services.settings, m_geometry);
    SaveColumnWidths();
    return true;
}

void AppState::EndAtOnce() {
    m_endedAtOnce = true;
    if (m_endAtOnce) m_endAtOnce();
}

bool AppState::IsCommandEnabled(MenuCommand command) const {
    if (!VehicleCodeOfCommand(command).isEmpty()) return !m_changes.IsChanged(Area::TireList);
    for (const MenuEntry& entry : MainMenu())
        if (entry.command == command) return entry.built;
    return false;
}

bool AppState::IsCommandChecked(MenuCommand command) const {
    const QString code = VehicleCodeOfCommand(command);
    return !code.isEmpty() && m_vehicle != VehicleType::None && VehicleFromCode(code) == m_vehicle;
}

bool AppState::VehicleMenuOpening() {
    if (!m_changes.IsChanged(Area::TireList)) return true;
    m_services.prompter->ShowInformation(Translate("Save tire list first to change vehicle!"));
    return false;
}

void AppState::RegisterCommands() {
    for (const MenuEntry& entry : MainMenu()) {
        const QString code = VehicleCodeOfCommand(entry.command);
        if (code.isEmpty()) continue;
        const MenuCommand command = entry.command;
        m_connections += m_commands.Set(command, [this, command, code] {
            if (IsCommandEnabled(command)) SelectVehicle(code);
        });
    }
    m_connections += m_commands.Set(MenuCommand::OpenSession, [this] { OpenSessionHook(); });
    m_connections += m_commands.Set(MenuCommand::SaveSession, [this] { SaveSessionWithDialog(); });
    m_connections += m_commands.Set(MenuCommand::HelpContents, [this] {
        if (!m_services.shell->Open(DataPath(QStringLiteral("Vorlapa.chm"))))
            m_services.prompter->ShowError(Translate("Unable to open help file!"));
    });
    m_connections += m_commands.Set(MenuCommand::HelpReadMe, [this] {
        if (!m_services.shell->Open(DataPath(QStringLiteral("readme.txt"))))
            m_services.prompter->ShowError(Fill(
                Translate("Unable to open %s. Make sure you have a program associated to open *.txt files."),
                QStringLiteral("readme.txt")));
    });
}

void AppState::NotifyChanged() {
    changed.Emit();
}

void AppState::LoadTireList() {
}

bool AppState::TracksLeaveCheck() {
    if (m_tracksLeaveCheck) return m_tracksLeaveCheck();
    // Cancel keeps the program open, and so does a save that was cancelled or failed.
    const SaveAnswer answer = m_leaveChecks.AskToSave(Area::Tracks);
    return answer != SaveAnswer::Cancelled && answer != SaveAnswer::SaveFailed;
}

bool AppState::SaveSessionWithDialog() {
    return m_sessionActions.saveWithDialog && m_sessionActions.saveWithDialog();
}

void AppState::SetSessionActions(SessionActions actions) {
    m_sessionActions = std::move(actions);
    if (m_sessionActions.saveWithDialog)
        m_leaveChecks.SetSaveAction(Area::Session, m_sessionActions.saveWithDialog);
}

void AppState::SaveColumnWidths() {
}

void AppState::UpdateWindowGeometry() {
}

bool AppState::LeavePages(const QStringList& fromPath, const QStringList& toPath) {
    using Check = bool (LeaveChecks::*)();
    struct PageCheck {
        QStringList page;
        Check check;
    };
    static const std::array<PageCheck, 5> checks{{
        {{QStringLiteral("Tracks")}, &LeaveChecks::TracksTabSheetExit},
        {{QStringLiteral(N_("Setup")), QStringLiteral("Tires")}, &LeaveChecks::TiresTabSheetExit},
        {{QStringLiteral(N_("Maintenance"))}, &LeaveChecks::MaintenanceTabSheetExit},
        {{QStringLiteral("Sessions")}, &LeaveChecks::EventsTabSheetExit},
        {{QStringLiteral(N_("General notes"))}, &LeaveChecks::GeneralNotesTabSheetHide},
    }};
    for (const QStringList& page : PagesLeft(fromPath, toPath)) {
        if (m_tracksLeaveCheck && page == QStringList{QStringLiteral("Tracks")}) {
            if (!m_tracksLeaveCheck()) return false;
            continue;
        }
        for (const PageCheck& entry : checks)
            if (entry.page == page && !(m_leaveChecks.*entry.check)()) return false;
    }
    return true;
}

bool AppState::KeyApplies(const KeyAction& key, const QStringList& shownPath) const {
    const QString top = shownPath.value(0);
    switch (key.command) {
    case KeyCommand::LiveTiming:
        return true;
    case KeyCommand::Save:
        return SaveAreaOfPage(shownPath).has_value();
    case KeyCommand::OpenSession:
        return top == u"Active session" || top == u"Setup";
    case KeyCommand::Find:
        return top == u"Maintenance" && shownPath.value(1) == u"Part status";
    }
    return false;
}

bool AppState::RunKey(const KeyAction& key, const QStringList& shownPath) {
    if (!KeyApplies(key, shownPath)) return false;
    switch (key.command) {
    case KeyCommand::LiveTiming:
        LiveTimingKey(key.slot, key.liveTiming);
        break;
    case KeyCommand::Save: {
        // An area whose save does not exist yet takes the key and does nothing.
        const Area area = *SaveAreaOfPage(shownPath);
        if (m_leaveChecks.HasSaveAction(area)) m_leaveChecks.Save(area);
        break;
    }
    case KeyCommand::OpenSession:
        OpenSessionHook();
        break;
    case KeyCommand::Find:
        FindHook();
        break;
    }
    return true;
}

void AppState::LiveTimingKey(int slot, LiveTimingAction action) {
    if (m_liveTimingKeyHandler) m_liveTimingKeyHandler(slot, action);
    NotifyHook(QStringLiteral("LiveTimingKey %1 %2").arg(slot).arg(LiveTimingActionName(action)));
}

void AppState::OpenSessionHook() {
    NotifyHook(QStringLiteral("OpenSession"));
    if (m_sessionActions.open) m_sessionActions.open();
}

void AppState::FindHook() {
    // The part status find dialog comes with the part status.
    NotifyHook(QStringLiteral("Find"));
}

void AppState::NotifyHook(const QString& text) {
    if (m_hookObserver) m_hookObserver(text);
}
