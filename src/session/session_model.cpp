#include "session_model.h"

#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

// Set while a session file is read; cleared however the reading ends.
struct SessionModel::LoadingScope {
    explicit LoadingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~LoadingScope() { m_flag = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;
    bool& m_flag;
};

namespace {
QStringList PitStopHeaders() {
    QStringList headers;
    for (const QString& column : PitStopColumns())
        headers << Translate(column);
    return headers;
}
} // namespace

SessionModel::SessionModel(AppState& state, SetupModel& setup)
    : m_state(state), m_setup(setup), m_pitStopGrid(PitStopHeaders(), 1),
      m_airDensity(*state.GetServices().prompter) {
    m_pitStopGrid.onCellEdited = [this](int row, int column) { PitStopCellEdited(row, column); };
    m_airDensity.onSessionChanged = [this] { MarkChanged(); };
    RegisterUnitFields();
    ApplyOptions();
}

void SessionModel::RegisterUnitFields() {
    // Unit changes rewrite the shown values; they are no edits.
    UnitCaptions& units = m_state.Units();
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        auto get = [this, i] { return m_record.fields[i]; };
        auto set = [this, i](const QString& text) {
            m_record.fields[i] = text;
            Notify();
        };
        if (fields[i].conversion == SessionConversion::Volume) m_unitFields += units.AddVolumeField(get, set);
        if (fields[i].conversion == SessionConversion::Millimetres)
            m_unitFields += units.AddDistanceField(DistanceKind::Millimetres, get, set);
    }
}

SessionUnits SessionModel::Units() const {
    const DerivedUnits& units = m_state.Units().Units();
    return SessionUnits{units.volume, units.distance == Unit::Miles};
}

QString SessionModel::SessionsFolder() const {
    return m_state.DataPath(QStringLiteral("Sessions"));
}

QString SessionModel::Resolve(const QString& path) const {
    // Stored paths may use either separator and be relative to the program folder.
    const QString normal = QDir::fromNativeSeparators(QString(path).replace(u'\\', u'/'));
    return QDir(m_state.DataFolder()).absoluteFilePath(normal);
}

void SessionModel::Notify() {
    changed.Emit();
}

void SessionModel::SetFieldText(int index, const QString& text) {
    if (index < 0 || m_record.Field(index) == text) return;
    m_record.Field(index) = text;
    MarkChanged();
    const QString& key = SessionFields()[size_t(index)].key;
    if (key == SessionKeys::Track) trackSelected.Emit(m_trackNames.contains(text) ? text : QString());
    if (key == SessionKeys::AirTemperature || key == SessionKeys::Pressure || key == SessionKeys::Humidity)
        CalcRAD();
    fieldEdited.Emit(index);
}

void SessionModel::SetText(const QString& section, const QString& key, const QString& text) {
    SetFieldText(SessionFieldIndex(section, key), text);
}

void SessionModel::SetPartStatusStamp(double stamp) {
    if (m_record.partStatusStamp == stamp) return;
    m_record.partStatusStamp = stamp;
    MarkChanged();
}

QString SessionModel::PitStopCell(int row, int column) const {
    if (row < 0 || row >= PitStopRowCount() || column < 0 || column >= kPitStopColumns) return {};
    return m_record.pitStopRows[size_t(row)].value(column);
}

void SessionModel::SetPitStopCell(int row, int column, const QString& text) {
    if (row < 0 || column < 0 || column >= kPitStopColumns || PitStopCell(row, column) == text) return;
    m_pitStopGrid.EditCell(row, column, text);
}

void SessionModel::PitStopCellEdited(int row, int column) {
    // The grid holds the new text already; the record still holds the old one.
    if (m_pitStopGrid.Cell(row, column) == PitStopCell(row, column)) return;
    int used = std::max(m_pitStopGrid.UsedRows(), row + 1);
    // Empty rows at the end are no pit stops.
    while (used > 0 && m_pitStopGrid.Row(used - 1).join(QString()).trimmed().isEmpty())
        --used;
    m_pitStopGrid.SetUsedRows(used);
    m_pitStopGrid.SetRowCount(used + 1);
    if (!m_pitStopGrid.Row(used).join(QString()).isEmpty()) m_pitStopGrid.SetRow(used, {});
    PitStopRowsEdited();
}

void SessionModel::InsertPitStopRow(int row) {
    if (row < 0 || row > PitStopRowCount()) return;
    m_pitStopGrid.InsertRow(row); // takes the empty row below the stops
    m_pitStopGrid.SetRowCount(m_pitStopGrid.UsedRows() + 1);
    PitStopRowsEdited();
}

void SessionModel::DeletePitStopRow(int row) {
    if (row < 0 || row >= PitStopRowCount()) return;
    m_pitStopGrid.DeleteRows(row);
    m_pitStopGrid.SetRowCount(m_pitStopGrid.UsedRows() + 1);
    PitStopRowsEdited();
}

void SessionModel::PitStopRowsEdited() {
    auto& rows = m_record.pitStopRows;
    rows.clear();
    for (int r = 0; r < m_pitStopGrid.UsedRows(); ++r)
        rows.push_back(m_pitStopGrid.Row(r));
    MarkChanged();
}

void SessionModel::ShowPitStopRows() {
    const int count = PitStopRowCount();
    m_pitStopGrid.ClearRows();
    m_pitStopGrid.SetRowCount(count + 1);
    for (int r = 0; r < count; ++r)
        m_pitStopGrid.SetRow(r, m_record.pitStopRows[size_t(r)]);
    m_pitStopGrid.SetUsedRows(count);
}

void SessionModel::SetTrackNames(const QStringList& names) {
    m_trackNames = names;
    Notify();
}

bool SessionModel::IsChanged() const {
    const ChangeTracker& changes = m_state.Changes();
    return changes.IsChanged(Area::Session) || changes.IsChanged(Area::Setup) || m_setup.IsChanged();
}

void SessionModel::MarkChanged() {
    m_state.Changes().SessionIsDirty();
}

void SessionModel::MarkUnchanged() {
    m_state.Changes().MarkUnchanged(Area::Session);
}

QString SessionModel::StatusText() const {
    if (m_fileName.isEmpty()) return {};
    return Translate("Session:") + u' ' + QFileInfo(m_fileName).fileName();
}

void SessionModel::ForgetFileName() {
    m_fileName.clear();
    Notify();
}

void SessionModel::SetCurrentFile(const QString& path) {
    m_fileName = path;
    m_state.Settings().lastSession = path;
}

bool SessionModel::SaveSession(const QString& path) {
    Prompter* prompter = m_state.GetServices().prompter;
    TTxtParser writer;
    writer.OpenWrite(path);
    m_record.vehicle = VehicleCode(m_setup.Vehicle());
    if (requestLapData) m_record.lapData = requestLapData();
    WriteSessionSections(m_record, Units(), writer);
    m_setup.WriteSetupSections(writer);
    if (const auto closed = writer.Close(); !closed) {
        if (prompter) prompter->ShowError(closed.error());
        return false;
    }
    SetCurrentFile(path);
    // The setup was written with the session: it is saved as well.
    MarkUnchanged();
    m_setup.MarkUnchanged();
    m_state.Changes().MarkUnchanged(Area::Setup);
    saved.Emit(path);
    Notify();
    return true;
}

bool SessionModel::LoadSession(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) return false;
    Prompter* prompter = m_state.GetServices().prompter;
    TTxtParser reader([prompter](const QString& message) {
        if (prompter) prompter->ShowError(message);
    });
    reader.OpenRead(path);
    // A file that exists but cannot be read (its error was shown) must not empty the current session.
    if (!reader.IsOpen() || !m_setup.VehicleMatches(reader)) return false;

    const LoadingScope loading(m_loading);
    SetCurrentFile(path);
    const SessionUnits units = Units();
    m_record.vehicle = VehicleCode(m_setup.Vehicle());
    ReadConditions(m_record, units, reader);
    const QString track = m_record.Track();
    trackSelected.Emit(m_trackNames.contains(track) ? track : QString());
    CalcRAD();

    // The setup: from the file "setup" names when it exists, else from this file.
    bool setupLoaded = false;
    const QString setupFile = reader.ReadValue(SessionKeys::Conditions, SessionKeys::SetupFile);
    if (!setupFile.isEmpty() && QFileInfo::exists(Resolve(setupFile)))
        setupLoaded = m_setup.OpenSetup(Resolve(setupFile));
    else
        setupLoaded = m_setup.OpenSetup(path, &reader);
    if (setupLoaded) m_state.Changes().MarkUnchanged(Area::Setup);

    ReadSessionNotes(m_record, units, &reader);
    ShowPitStopRows();
    m_record.lapData = ReadLapData(reader);
    const auto applied =
        requestApplyLapData ? requestApplyLapData(m_record.lapData) : Expected<void, QString>{};
    reader.Close();
    if (!applied) {
        // What was read stays; it no longer matches the file, so the session counts as changed.
        if (prompter) prompter->ShowError(applied.error());
        MarkChanged();
        loaded.Emit();
        Notify();
        return false;
    }
    MarkUnchanged();
    opened.Emit(path);
    loaded.Emit();
    Notify();
    return true;
}

bool SessionModel::ClearSessionNotes(bool ask) {
    Prompter* prompter = m_state.GetServices().prompter;
    if (ask && (!prompter || prompter->AskOkCancel(Translate("Clear all session notes?")) != Answer::Ok))
        return false;
    ReadSessionNotes(m_record, Units(), nullptr);
    ShowPitStopRows();
    MarkChanged();
    Notify();
    return true;
}

bool SessionModel::AskToSaveChanges() {
    if (!IsChanged()) return true;
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    const Answer answer = prompter->AskYesNoCancel(
        Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
    if (answer == Answer::Cancel) return false;
    // A save that was cancelled or failed keeps the changes: nothing replaces them.
    if (answer == Answer::Yes) return SaveSessionWithDialog();
    return true;
}

bool SessionModel::SaveSessionWithDialog() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return false;
    QString suggested = SessionsFolder();
    if (!m_fileName.isEmpty()) {
        const QFileInfo current(m_fileName);
        suggested = current.exists() ? current.absoluteFilePath()
                                     : QDir(SessionsFolder()).filePath(current.fileName());
    }
    const auto chosen =
        prompter->ChooseSaveFile(Translate("Save session"), suggested, Translate("Session files (*.ses)"));
    if (!chosen) return false;
    return SaveSession(*chosen);
}

bool SessionModel::OpenSession() {
    if (!AskToSaveChanges()) return false;
    Prompter* prompter = m_state.GetServices().prompter;
    const auto chosen = prompter->ChooseOpenFile(Translate("Open session"), SessionsFolder(),
                                                 Translate("Session files (*.ses)"));
    if (!chosen) return false;
    return LoadSession(*chosen);
}

int SessionModel::LinkIndex(SessionLink link) const {
    return SessionFieldIndex(SessionKeys::SessionNotes, link == SessionLink::OnboardVideo
                                                            ? SessionKeys::OnboardVideo
                                                            : SessionKeys::DataLogging);
}

QString SessionModel::LinkPath(SessionLink link) const {
    return m_record.Field(LinkIndex(link));
}

bool SessionModel::LinkOpenEnabled(SessionLink link) const {
    const QString path = LinkPath(link);
    return !path.isEmpty() && QFileInfo::exists(Resolve(path));
}

SessionLinkDialog SessionModel::LinkDialog(SessionLink link) const {
    const ProgramSettings& settings = m_state.Settings();
    SessionLinkDialog dialog;
    dialog.current = LinkPath(link);
    if (link == SessionLink::DataLogging) {
        dialog.title = Translate("Datalogging");
        dialog.text = Translate(
            "Make sure the executable of your datalogging software is associated to automatically open it's "
            "own files.\nLocate the file corresponding to this session and press open to open the "
            "datalogging "
            "application with this file.\n\nThis is a simple way to connect a session in Vorlapa to the "
            "datalogging file.");
        dialog.filter = Translate("All files (*)");
        dialog.folder = settings.initialDirDataLogging;
    } else {
        dialog.title = Translate("Open onboard video");
        dialog.text = Translate(
            "Select a video file of this session. The program you have associated to view video files with "
            "will be used to show the video.\nThis is a simple way to connect a session in Vorlapa to an "
            "onboard video recording.");
        dialog.filter = Translate("Movie files (*.avi *.mpg *.mpeg *.wmv *.mov *.asf);;All files (*)");
        dialog.folder = settings.initialDirOnboardVideo;
    }
    return dialog;
}

void SessionModel::SetLink(SessionLink link, const QString& fileName) {
    ProgramSettings& settings = m_state.Settings();
    if (!fileName.isEmpty()) {
        const QString folder = QFileInfo(fileName).absolutePath();
        QString& remembered = link == SessionLink::DataLogging ? settings.initialDirDataLogging
                                                               : settings.initialDirOnboardVideo;
        if (remembered != folder) {
            remembered = folder;
            m_state.SaveSettings();
        }
    }
    const int index = LinkIndex(link);
    if (m_record.Field(index) != fileName) {
        m_record.Field(index) = fileName;
        MarkChanged();
    }
    if (!fileName.isEmpty() && !QFileInfo::exists(Resolve(fileName)))
        if (Prompter* prompter = m_state.GetServices().prompter)
            prompter->ShowError(Fill(Translate("File %s does not exist!"), fileName));
    Notify();
}

bool SessionModel::OpenLink(SessionLink link) {
    Shell* shell = m_state.GetServices().shell;
    if (shell && LinkOpenEnabled(link) && shell->Open(Resolve(LinkPath(link)))) return true;
    if (Prompter* prompter = m_state.GetServices().prompter)
        prompter->ShowError(Translate("Unable to open selected file!"));
    return false;
}

bool SessionModel::OpenNoteLink(const QString& target) {
    Shell* shell = m_state.GetServices().shell;
    if (shell && shell->Open(target)) return true;
    if (Prompter* prompter = m_state.GetServices().prompter)
        prompter->ShowError(Translate("Unable to open selected link"));
    return false;
}

void SessionModel::CalcRAD() {
    const SessionRecord& r = m_record;
    const QString& c = SessionKeys::Conditions;
    m_airDensity.CalcRAD(WeatherTexts{r.Value(c, SessionKeys::AirTemperature),
                                      r.Value(c, SessionKeys::Pressure), r.Value(c, SessionKeys::Humidity)});
    Notify();
}

void SessionModel::RecomputeAirDensity() {
    const SessionRecord& r = m_record;
    const QString& c = SessionKeys::Conditions;
    m_airDensity.Recompute(WeatherTexts{r.Value(c, SessionKeys::AirTemperature),
                                        r.Value(c, SessionKeys::Pressure),
                                        r.Value(c, SessionKeys::Humidity)});
    Notify();
}

void SessionModel::ApplyOptions() {
    const ProgramSettings& settings = m_state.Settings();
    m_airDensity.SetUnits(AirDensityUnits{settings.temperatureUnit, settings.pressureUnit, settings.useAd});
}

FuelFigures SessionModel::FuelFiguresFor(const QString& dryLitresPerLap,
                                         const QString& wetLitresPerLap) const {
    FuelFigures fuel;
    fuel.amountFuel = Text(SessionKeys::Conditions, SessionKeys::AmountFuel);
    const SessionUnits units = Units();
    fuel.dryConsumption = SessionShownText(SessionConversion::Volume, units, dryLitresPerLap);
    fuel.wetConsumption = SessionShownText(SessionConversion::Volume, units, wetLitresPerLap);
    return fuel;
}
