#include "setup_model.h"

#include "services/services.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "storage/units.h"

#include <QFileInfo>
#include <algorithm>

SetupModel::SetupModel(VehicleType vehicle, Prompter* prompter) : m_prompter(prompter) {
    m_context.vehicle = vehicle;
}

void SetupModel::NewSetup() {
    m_record = SetupRecord();
    m_fileName.clear();
    m_changed = false;
}

void SetupModel::MarkChanged() {
    m_changed = true;
    changed.Emit();
}

void SetupModel::SetFieldText(int index, const QString& text, bool markChanged) {
    if (index < 0 || m_record.Field(index) == text) return;
    m_record.Field(index) = text;
    if (markChanged) MarkChanged();
}

void SetupModel::SetText(const QString& section, const QString& key, const QString& text) {
    SetFieldText(FieldIndex(section, key), text);
}

void SetupModel::SetChecked(const QString& section, const QString& key, bool checked) {
    SetText(section, key, checked ? QStringLiteral("true") : QString());
}

void SetupModel::SetSelectedName(SetupArea area, const QString& name) {
    QString& selected = m_record.selectedNames[size_t(area)];
    if (selected == name) return;
    selected = name;
    MarkChanged();
}

void SetupModel::SetCell(GridId grid, int row, int column, const QString& text) {
    QString& cell = m_record.Cell(grid, row, column);
    if (cell == text) return;
    cell = text;
    const bool carGrid = grid == GridId::CarWheelAngles || grid == GridId::CarDampers;
    const int mirror = Grid(grid).columns[size_t(column)].mirror;
    if (carGrid && mirror >= 0 &&
        IsChecked(QStringLiteral("suspension"), QStringLiteral("car_susp_symmetric")))
        m_record.Cell(grid, row, mirror) = text;
    MarkChanged();
}

std::vector<int> SetupModel::AreaFields(SetupArea area) const {
    std::vector<int> indices;
    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].area == area && AppliesTo(fields[i].vehicles, m_context.vehicle))
            indices.push_back(int(i));
    return indices;
}

std::vector<GridId> SetupModel::AreaGrids(SetupArea area) const {
    std::vector<GridId> ids;
    for (const SetupGrid& grid : SetupGrids())
        if (grid.area == area && AppliesTo(grid.vehicles, m_context.vehicle)) ids.push_back(grid.id);
    return ids;
}

int SetupModel::CylinderCount() const {
    const std::optional<int> count =
        ParseInteger(Text(QStringLiteral("jetting"), QStringLiteral("num_of_cylinders")));
    return count ? std::clamp(*count, 1, 5) : 1;
}

bool SetupModel::HasSubPage(const QString& subPage) const {
    for (const SetupField& field : SetupFields())
        if (HasArea(field.area) && AppliesTo(field.vehicles, m_context.vehicle) &&
            SetupSubPageOf(field.page, field.area) == subPage)
            return true;
    for (const SetupGrid& grid : SetupGrids())
        if (HasArea(grid.area) && AppliesTo(grid.vehicles, m_context.vehicle) &&
            SetupSubPageOf(grid.page, grid.area) == subPage)
            return true;
    return false;
}

std::vector<int> SetupModel::VisibleColumns(GridId grid) const {
    const SetupGrid& table = Grid(grid);
    const bool monoshock = IsChecked(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled"));
    std::vector<int> columns;
    for (size_t c = 0; c < table.columns.size(); ++c) {
        const GridColumn& column = table.columns[c];
        if (!AppliesTo(column.vehicles, m_context.vehicle)) continue;
        if (grid == GridId::CarDampers) {
            const bool front = column.section.startsWith(QLatin1String("front_"));
            if (column.monoshock ? !monoshock : (front && monoshock)) continue;
        }
        if (grid == GridId::Jetting && int(c) >= CylinderCount()) continue;
        columns.push_back(int(c));
    }
    return columns;
}

void SetupModel::ApplyDistanceUnit(bool miles) {
    if (miles == m_context.miles) return;
    // A value still showing what was read converts back to exactly what was read.
    auto convert = [&](const QString& id, DistanceConversion conversion, QString& shown) {
        if (conversion == DistanceConversion::None) return;
        if (miles) {
            const QString stored = shown;
            shown = ShownText(conversion, true, stored);
            m_record.metricOrigins.remove(id);
            if (shown != stored) m_record.metricOrigins.insert(id, {shown, stored});
        } else {
            shown = StoredText(m_record, id, conversion, true, shown);
            m_record.metricOrigins.remove(id);
        }
    };
    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i)
        convert(fields[i].Id(), fields[i].conversion, m_record.fields[i]);
    for (const SetupGrid& grid : SetupGrids())
        for (size_t r = 0; r < grid.rows.size(); ++r)
            for (size_t c = 0; c < grid.columns.size(); ++c)
                convert(CellId(grid.columns[c], grid.rows[r]), grid.rows[r].conversion,
                        m_record.Cell(grid.id, int(r), int(c)));
    m_context.miles = miles;
}

void SetupModel::ShowError(const QString& message) const {
    if (m_prompter) m_prompter->ShowError(message);
}

bool SetupModel::VehicleMatches(TTxtParser& reader) const {
    const QString code = reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
    if (code.isEmpty() || code == VehicleCode(m_context.vehicle)) return true;
    ShowError(Fill(Translate("Vehicle types doesn't match!\nChange vehicle to %s to open this setup."),
                   VehicleDisplayName(code)));
    return false;
}

bool SetupModel::OpenOwnReader(TTxtParser& own, const QString& path) const {
    own.OpenRead(path);
    // A missing file reads as empty; a file that exists but cannot be read (its error was shown) must
    // change nothing: read as empty it would become the current setup and be saved over the real one.
    if (!own.IsOpen() && QFileInfo::exists(path)) return false;
    if (!VehicleMatches(own)) {
        own.Close();
        return false;
    }
    return true;
}

bool SetupModel::OpenSetup(const QString& path, TTxtParser* reader) {
    // One reader serves every area; when this call opens the file it checks the vehicle once.
    TTxtParser own([this](const QString& message) { ShowError(message); });
    if (!reader) {
        if (!OpenOwnReader(own, path)) return false;
    } else if (!VehicleMatches(*reader)) {
        return false;
    }
    TTxtParser& source = reader ? *reader : own;
    for (SetupArea area : kSetupAreaOrder)
        if (HasArea(area)) LoadSetupArea(area, path, &source);
    if (!reader) own.Close();
    m_fileName = path;
    MarkUnchanged();
    return true;
}

bool SetupModel::LoadSetupArea(SetupArea area, const QString& path, TTxtParser* reader) {
    if (!HasArea(area)) return false;
    if (requestCommitCellEdit) requestCommitCellEdit();
    TTxtParser own([this](const QString& message) { ShowError(message); });
    if (!reader && !OpenOwnReader(own, path)) return false;
    ReadSetupArea(m_record, area, m_context, reader ? *reader : own);
    if (!reader) own.Close();
    areaLoaded.Emit(area);
    return true;
}

void SetupModel::WriteSetupSections(TTxtParser& writer) const {
    for (SetupArea area : kSetupAreaOrder)
        WriteSetupArea(m_record, area, m_context, writer);
}

void SetupModel::WriteAreaSections(SetupArea area, TTxtParser& writer) const {
    WriteSetupArea(m_record, area, m_context, writer);
}
