#include "tire_list_page.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>

namespace {

// Rows of the setup's tire table (the title row not counted).
constexpr int kIdRow = 0, kCompoundRow = 2, kBrandRow = 3, kDimensionRow = 4, kMileageRow = 5,
              kCircumferenceRow = 6, kFourWheelRotationRow = 7, kBikeRotationRow = 6;

const QString kPositionPlaceholder = QStringLiteral("To be filled in with position");
const QString kRotationPlaceholder = QStringLiteral("To be filled in with rotation");

} // namespace

TireListPage::TireListPage(Prompter& prompter, Clock& clock, SetupModel& setup, QString dataDir)
    : m_prompter(prompter), m_clock(clock), m_setup(setup), m_dataDir(std::move(dataDir)) {
    Rebuild();
}

QString TireListPage::Today() const {
    return DateText(m_clock.NowDayNumber());
}

void TireListPage::SetVehicle(VehicleType vehicle) {
    m_vehicle = vehicle;
    LoadTireList();
}

void TireListPage::SetMiles(bool miles) {
    m_miles = miles;
    Rebuild();
    changed.Emit();
}

void TireListPage::LoadTireList() {
    auto loaded = LoadTireListFile(m_dataDir, m_vehicle);
    if (!loaded) {
        m_prompter.ShowError(loaded.error());
        m_list = {};
    } else {
        m_list = std::move(*loaded);
    }
    m_dirty = false;
    m_selected.clear();
    m_checked.clear();
    Rebuild();
    changed.Emit();
}

bool TireListPage::SaveTireList() {
    if (auto saved = SaveTireListFile(m_dataDir, m_vehicle, m_list); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

bool TireListPage::TireListTabSheetExit() {
    if (!m_dirty) return true;
    switch (m_prompter.AskYesNoCancel(
        Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Tire List")))) {
    case Answer::Yes:
        return SaveTireList();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool TireListPage::MayChangeVehicle() {
    if (!m_dirty) return true;
    m_prompter.ShowError(Translate("Save tire list first to change vehicle!"));
    return false;
}

void TireListPage::MarkDirty() {
    m_dirty = true;
    Rebuild();
    changed.Emit();
}

GridId TireListPage::TireGrid() const {
    return ShowsCircumference(m_vehicle) ? GridId::FourWheelTires : GridId::BikeTires;
}

QStringList TireListPage::SetupTireIds() const {
    QStringList ids;
    const int count = int(TirePositions(m_vehicle).size());
    for (int c = 0; c < count; ++c)
        ids.append(m_setup.Cell(TireGrid(), kIdRow, c));
    return ids;
}

void TireListPage::Rebuild() {
    const QStringList ids = SetupTireIds();
    m_tree = BuildTireTree(m_list, ids);
    if (m_node < 0 || m_node >= int(m_tree.size())) m_node = 0;
    m_view = ShowTires(m_list, m_tree[size_t(m_node)], ids, m_vehicle, m_miles, m_sort);
    if (!m_selected.isEmpty() && ::FindTireRow(m_list, m_selected) < 0) m_selected.clear();
    m_selectedIds.removeIf([this](const QString& id) { return ::FindTireRow(m_list, id) < 0; });
    for (auto it = m_checked.begin(); it != m_checked.end();)
        it = ::FindTireRow(m_list, *it) < 0 ? m_checked.erase(it) : std::next(it);
}

void TireListPage::SelectNode(int index) {
    m_node = index;
    Rebuild();
    changed.Emit();
}

void TireListPage::HeaderClick(int storedColumn) {
    if (storedColumn == m_sort.column)
        m_sort.descending = !m_sort.descending;
    else
        m_sort = TireSort{storedColumn, false};
    Rebuild();
    changed.Emit();
}

void TireListPage::SelectTire(const QString& id) {
    SelectTires(id.trimmed().isEmpty() ? QStringList{} : QStringList{id});
}

void TireListPage::SelectTires(const QStringList& ids) {
    m_selectedIds.clear();
    for (const QString& id : ids)
        if (!id.trimmed().isEmpty() && !m_selectedIds.contains(id.trimmed())) m_selectedIds << id.trimmed();
    m_selected = m_selectedIds.value(0);
    changed.Emit();
}

QStringList TireListPage::SelectedIds() const {
    QStringList ids = m_selectedIds;
    if (!m_selected.isEmpty() && !ids.contains(m_selected)) ids.prepend(m_selected);
    return ids;
}

std::vector<TireRecord> TireListPage::ExportedTires() const {
    const QStringList selected = SelectedIds();
    std::vector<TireRecord> tires;
    for (int index : m_view.tires) {
        const TireRecord& tire = m_list.tires.at(std::size_t(index));
        if (IsChecked(tire.Id()) || selected.contains(tire.Id())) tires.push_back(tire);
    }
    return tires;
}

void TireListPage::SetChecked(const QString& id, bool checked) {
    if (checked)
        m_checked.insert(id.trimmed());
    else
        m_checked.erase(id.trimmed());
    changed.Emit();
}

void TireListPage::CheckAll(bool checked) {
    m_checked.clear();
    if (checked)
        for (int index : m_view.tires)
            m_checked.insert(m_list.tires[size_t(index)].Id());
    changed.Emit();
}

QList<QStringList> TireListPage::SelectedHistory() const {
    const int row = ::FindTireRow(m_list, m_selected);
    if (m_selected.isEmpty() || row < 0) return {};
    return ShownHistory(m_list.tires[size_t(row)], m_miles);
}

void TireListPage::AddTire() {
    if (!requestTireDialog) return;
    TireDialogRequest request{TireDialogMode::Add, NewTireValues(Today()), ShowsCircumference(m_vehicle),
                              m_miles,
                              [this](const TireDialogValues& v) { return CheckTireValues(v, m_list, -1); }};
    const auto values = requestTireDialog(request);
    if (!values || CheckTireValues(*values, m_list, -1)) return;
    TireRecord tire;
    tire.fields = StoredTireFields(*values, m_miles, TireDialogMode::Add);
    m_list.tires.push_back(tire);
    MarkDirty();
}

void TireListPage::EditTire() {
    if (m_selected.isEmpty()) {
        AddTire();
        return;
    }
    const int row = ::FindTireRow(m_list, m_selected);
    if (row < 0) {
        m_prompter.ShowError(Translate("The ID of this tire cannot be found!"));
        return;
    }
    if (!requestTireDialog) return;
    const TireDialogValues preset = EditTireValues(m_list.tires[size_t(row)], m_miles, Today());
    TireDialogRequest request{
        TireDialogMode::Edit, preset, ShowsCircumference(m_vehicle), m_miles,
        [this, row](const TireDialogValues& v) { return CheckTireValues(v, m_list, row); }};
    const auto values = requestTireDialog(request);
    if (!values || CheckTireValues(*values, m_list, row)) return;
    TireRecord& tire = m_list.tires[size_t(row)];
    const bool wasChecked = m_checked.erase(tire.Id()) > 0;
    // The history stays with the tire under its new ID.
    tire.fields = StoredTireFields(*values, m_miles, TireDialogMode::Edit, &tire, &preset);
    m_selectedIds.removeAll(m_selected);
    m_selected = tire.Id();
    m_selectedIds.prepend(m_selected);
    if (wasChecked) m_checked.insert(m_selected);
    MarkDirty();
}

void TireListPage::CloneTire() {
    if (m_selected.isEmpty()) return;
    const int row = ::FindTireRow(m_list, m_selected);
    if (row < 0) {
        m_prompter.ShowError(Translate("The ID of this tire cannot be found!"));
        return;
    }
    if (!requestTireDialog) return;
    TireDialogRequest request{TireDialogMode::Clone,
                              CloneTireValues(m_list.tires[size_t(row)], m_miles, Today()),
                              ShowsCircumference(m_vehicle), m_miles,
                              [this](const TireDialogValues& v) { return CheckTireValues(v, m_list, -1); }};
    const auto values = requestTireDialog(request);
    if (!values || CheckTireValues(*values, m_list, -1)) return;
    TireRecord tire;
    tire.fields = StoredTireFields(*values, m_miles, TireDialogMode::Clone);
    m_list.tires.push_back(tire);
    MarkDirty();
}

void TireListPage::DeleteTires() {
    const QStringList ids = SelectedIds();
    if (ids.isEmpty()) return;
    const QString question =
        ids.size() == 1 ? Translate("Delete this tire?") : Translate("Delete these tires?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    for (const QString& id : ids) {
        const int row = ::FindTireRow(m_list, id);
        if (row >= 0) m_list.tires.erase(m_list.tires.begin() + row);
    }
    MarkDirty();
}

void TireListPage::AssignTire(int position) {
    const int row = ::FindTireRow(m_list, m_selected);
    if (m_selected.isEmpty() || row < 0) return;
    if (position < 0 || position >= int(TirePositions(m_vehicle).size())) return;
    const QStringList& f = m_list.tires[size_t(row)].fields;
    const GridId grid = TireGrid();
    m_setup.SetCell(grid, kIdRow, position, f.value(tire_col::Id).trimmed());
    m_setup.SetCell(grid, kCompoundRow, position, f.value(tire_col::Compound).trimmed());
    m_setup.SetCell(grid, kBrandRow, position, f.value(tire_col::Brand).trimmed());
    m_setup.SetCell(grid, kDimensionRow, position, f.value(tire_col::Dimension).trimmed());
    m_setup.SetCell(grid, kMileageRow, position, ShownTireField(f, tire_col::Mileage, m_miles).trimmed());
    if (grid == GridId::FourWheelTires) {
        const QString circ = ShownTireField(f, tire_col::CircCurrent, m_miles).trimmed();
        m_setup.SetCell(grid, kCircumferenceRow, position, IsDecimalText(circ) ? circ : QString());
    } else {
        m_setup.SetCell(grid, kBikeRotationRow, position, QString());
    }
    // SetCell marks the setup changed, so the assignment is not lost without a prompt.
    Rebuild();
    setupModified.Emit();
    changed.Emit();
}

void TireListPage::SyncSetupTires() {
    const GridId grid = TireGrid();
    const bool fourWheel = grid == GridId::FourWheelTires;
    const int count = int(TirePositions(m_vehicle).size());
    struct Update {
        int column;
        QString mileage, circumference;
    };
    std::vector<Update> updates;
    bool differs = false;
    for (int c = 0; c < count; ++c) {
        const int row = ::FindTireRow(m_list, m_setup.Cell(grid, kIdRow, c));
        if (m_setup.Cell(grid, kIdRow, c).trimmed().isEmpty() || row < 0) continue;
        const QStringList& f = m_list.tires[size_t(row)].fields;
        Update u{c, ShownMileage(f.value(tire_col::Mileage), m_miles),
                 fourWheel ? ShownCircumference(f.value(tire_col::CircCurrent), m_miles) : QString()};
        if (u.mileage != m_setup.Cell(grid, kMileageRow, c)) differs = true;
        if (fourWheel && u.circumference != m_setup.Cell(grid, kCircumferenceRow, c)) differs = true;
        updates.push_back(u);
    }
    if (!differs) return;
    const QString question =
        fourWheel
            ? Translate("Current tire setup needs to be updated\nwith true mileage and/or circumference")
            : Translate("Current tire setup needs to be updated\nwith true mileage");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    for (const Update& u : updates) {
        m_setup.SetCell(grid, kMileageRow, u.column, u.mileage);
        if (fourWheel && IsDecimalText(u.circumference))
            m_setup.SetCell(grid, kCircumferenceRow, u.column, u.circumference);
    }
    m_setup.MarkChanged();
    setupModified.Emit();
}

void TireListPage::UpdateTireCircumferenceWithDialog(const QString& measuredFL, const QString& measuredFR,
                                                     const QString& measuredRL, const QString& measuredRR) {
    if (!ShowsCircumference(m_vehicle) || !requestCircumferenceDialog) return;
    const QStringList labels = {Translate("Front Left"), Translate("Front Right"), Translate("Rear Left"),
                                Translate("Rear Right")};
    const QStringList measured = {measuredFL, measuredFR, measuredRL, measuredRR};
    QList<TireCircumferenceLine> lines;
    for (int c = 0; c < 4; ++c)
        lines.append({labels[c], m_setup.Cell(GridId::FourWheelTires, kIdRow, c), measured[c]});
    const auto result = requestCircumferenceDialog(lines);
    if (result) UpdateTireCircumference(*result);
}

void TireListPage::UpdateTireCircumference(const QList<TireCircumferenceLine>& lines) {
    int updated = 0;
    for (const TireCircumferenceLine& line : lines) {
        const auto value = ParseDecimal(line.circumference.trimmed());
        if (!value) continue;
        const int row = FindLastTireRow(m_list, line.id);
        if (row < 0) {
            m_prompter.ShowError(
                Fill(Translate("Tire with ID %s does not exist in the tire list!"), line.id));
            continue;
        }
        const QString mm =
            m_miles ? FormatGeneral(*value * 25.4) : FormatPattern(*value, QStringLiteral("0.0"));
        QStringList& f = m_list.tires[size_t(row)].fields;
        f[tire_col::CircCurrent] = mm;
        if (f[tire_col::CircFirstUse].trimmed().isEmpty()) f[tire_col::CircFirstUse] = mm;
        ++updated;
    }
    if (updated == 0) return; // nothing was updated: no success message
    MarkDirty();
    m_prompter.ShowInformation(Translate("Tire data updated successfully!"));
}

std::optional<TireHistoryValues> TireListPage::AskHistory(const TireHistoryRequest& request) {
    if (!requestHistoryDialog) return std::nullopt;
    return requestHistoryDialog(request);
}

void TireListPage::AddTireHistory() {
    QStringList ids;
    for (int index : m_view.tires) {
        const QString id = m_list.tires[size_t(index)].Id();
        if (m_checked.count(id) || id == m_selected) ids.append(id);
    }
    if (!m_selected.isEmpty() && !ids.contains(m_selected) && ::FindTireRow(m_list, m_selected) >= 0)
        ids.append(m_selected);
    if (ids.isEmpty()) {
        m_prompter.ShowError(Translate("No tire selected!"));
        return;
    }
    if (ids.size() > 4) {
        m_prompter.ShowError(Translate("No more than four tires can be selected!"));
        return;
    }
    TireHistoryRequest request;
    if (requestSessionPresets) request.preset = requestSessionPresets();
    request.preset.date = Today();
    request.preset.increaseHeatCycles = true;
    request.preset.addMileage = false;
    request.preset.tires.clear();
    for (const QString& id : ids)
        request.preset.tires.append({id, QString(), QStringLiteral("Normal")});
    const auto values = AskHistory(request);
    if (!values) return;
    const QString length = requestTrackLength ? requestTrackLength(values->track) : QString();
    const auto distance = SessionDistance(length, values->laps);
    QStringList entry = {values->date,
                         values->driver,
                         kPositionPlaceholder,
                         values->track,
                         values->sessionType,
                         values->laps,
                         distance ? FormatPattern(*distance, QStringLiteral("0.000")) : QString(),
                         kRotationPlaceholder,
                         values->vehicle};
    for (const TireHistoryLine& line : values->tires) {
        const int row = ::FindTireRow(m_list, line.id);
        if (row < 0) continue;
        TireRecord& tire = m_list.tires[size_t(row)];
        QStringList own = entry;
        own[history_col::Position] = line.position;
        own[history_col::Rotation] = line.rotation;
        tire.history.append(own);
        if (values->increaseHeatCycles) AddHeatCycle(tire);
        if (values->addMileage && distance) AddMileage(tire, *distance);
        SetFirstUseIfEmpty(tire, values->date);
    }
    MarkDirty();
}

void TireListPage::EditTireHistory(int entry) {
    const int row = ::FindTireRow(m_list, m_selected);
    if (m_selected.isEmpty()) {
        m_prompter.ShowError(Translate("No tire selected!"));
        return;
    }
    if (row < 0) {
        m_prompter.ShowError(Translate("The ID of this tire cannot be found!"));
        return;
    }
    TireRecord& tire = m_list.tires[size_t(row)];
    if (entry < 0 || entry >= tire.history.size()) return;
    const QStringList old = tire.history[entry];
    TireHistoryRequest request;
    request.editing = true;
    request.preset = {old[history_col::Date],
                      old[history_col::Driver],
                      old[history_col::Track],
                      old[history_col::SessionType],
                      old[history_col::Laps],
                      old[history_col::Vehicle],
                      {{tire.Id(), old[history_col::Position], old[history_col::Rotation]}},
                      false,
                      false};
    const auto values = AskHistory(request);
    if (!values) return;
    const QString length = requestTrackLength ? requestTrackLength(values->track) : QString();
    const auto distance = SessionDistance(length, values->laps);
    const TireHistoryLine line = values->tires.value(0, request.preset.tires.value(0));
    tire.history[entry] = QStringList{values->date,
                                      values->driver,
                                      line.position,
                                      values->track,
                                      values->sessionType,
                                      values->laps,
                                      distance ? FormatPattern(*distance, QStringLiteral("0.0")) : QString(),
                                      line.rotation,
                                      values->vehicle};
    if (values->addMileage && distance) AddMileage(tire, *distance);
    MarkDirty();
}

void TireListPage::DeleteTireHistory(int entry) {
    const int row = ::FindTireRow(m_list, m_selected);
    if (m_selected.isEmpty() || row < 0) {
        m_prompter.ShowError(Translate("No tire selected!"));
        return;
    }
    TireRecord& tire = m_list.tires[size_t(row)];
    if (entry < 0 || entry >= tire.history.size()) return;
    if (m_prompter.AskOkCancel(Translate("Delete this history entry?")) != Answer::Ok) return;
    tire.history.removeAt(entry);
    MarkDirty();
}

void TireListPage::UpdateTiresFromSession(const SessionTireInfo& info) {
    const GridId grid = TireGrid();
    const QStringList positions = TirePositions(m_vehicle);
    const int rotationRow = grid == GridId::FourWheelTires ? kFourWheelRotationRow : kBikeRotationRow;
    struct Slot {
        QString label, id, rotation;
    };
    std::vector<Slot> slots;
    for (int c = 0; c < positions.size(); ++c) {
        const QString id = m_setup.Cell(grid, kIdRow, c).trimmed();
        if (!id.isEmpty()) slots.push_back({positions[c], id, m_setup.Cell(grid, rotationRow, c)});
    }
    if (slots.empty() || !requestSessionDialog) return;
    SessionTireDialogValues preset{info.start,       info.track, info.driver, info.vehicle,
                                   info.sessionType, info.laps,  {}};
    for (const Slot& s : slots)
        preset.tireLines.append(s.label + QStringLiteral(" (") + s.id + QStringLiteral(") "));
    const auto values = requestSessionDialog(preset);
    if (!values) return;
    const QString length = requestTrackLength ? requestTrackLength(values->track) : QString();
    const auto laps = ParseInteger(values->laps.trimmed());
    const auto metres = ParseDecimal(length.trimmed());
    if (!laps || !metres) {
        // The distance cannot be computed: nothing is booked, and the user is told so.
        m_prompter.ShowInformation(
            Translate("The tire list was not updated: the track has no length or the laps are no number."));
        return;
    }
    const double distance = *metres * *laps / 1000.0;
    const QString date = DateText(values->dateTime);
    bool any = false;
    for (const Slot& s : slots) {
        const int row = ::FindTireRow(m_list, s.id);
        if (row < 0) continue;
        TireRecord& tire = m_list.tires[size_t(row)];
        SetFirstUseIfEmpty(tire, date);
        AddHeatCycle(tire);
        AddMileage(tire, distance);
        tire.history.append({date, values->driver, s.label, values->track, values->sessionType, values->laps,
                             FormatPattern(distance, QStringLiteral("0.000")), s.rotation, values->vehicle});
        any = true;
    }
    m_node = 0;
    if (any)
        MarkDirty();
    else
        Rebuild(), changed.Emit();
}

QString TireListPage::GetTireField(const QString& id, int column) const {
    const int row = ::FindTireRow(m_list, id);
    if (row < 0) return {};
    return m_list.tires[size_t(row)].fields.value(column).trimmed();
}

void TireListPage::SetTireField(const QString& id, int column, const QString& text) {
    const int row = ::FindTireRow(m_list, id);
    if (row < 0 || column < 0 || column >= kTireColumnCount) return;
    m_list.tires[size_t(row)].fields[column] = text.trimmed();
    MarkDirty();
}
