#include "setup_area_io.h"

#include "storage/number_format.h"
#include "storage/txt_parser.h"
#include "storage/units.h"

#include <algorithm>

namespace {

const QString kListBegin = QStringLiteral("list_begin");
const QString kListEnd = QStringLiteral("list_end");
const QString kNotesBegin = QStringLiteral("notes_begin");
const QString kNotesEnd = QStringLiteral("notes_end");

int ShowKind(DistanceConversion conversion) {
    return conversion == DistanceConversion::Millimetres ? 3 : 7;
}
int StoreKind(DistanceConversion conversion) {
    return conversion == DistanceConversion::Millimetres ? 4 : 8;
}

// A stored value as it is shown; remembers the pair so that an unchanged value is written back as read.
QString TakeStored(SetupRecord& record, const QString& id, DistanceConversion conversion, bool miles,
                   const QString& stored) {
    record.metricOrigins.remove(id);
    const QString shown = ShownText(conversion, miles, stored);
    if (shown != stored) record.metricOrigins.insert(id, {shown, stored});
    return shown;
}

bool FieldApplies(const SetupField& field, SetupArea area, VehicleType vehicle) {
    return field.area == area && AppliesTo(field.vehicles, vehicle);
}

bool GridApplies(const SetupGrid& grid, SetupArea area, VehicleType vehicle) {
    return grid.area == area && AppliesTo(grid.vehicles, vehicle);
}

QString JoinLines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

void ReadField(SetupRecord& record, int index, const SetupIoContext& context, TTxtParser& reader) {
    const SetupField& field = SetupFields()[size_t(index)];
    QString& value = record.Field(index);
    const QString read = reader.ReadValue(field.section, field.key);
    switch (field.form) {
    case StoredForm::Text: {
        QString text = read;
        if (text.isEmpty() && !field.fallbackKey.isEmpty())
            text = reader.ReadValue(field.section, field.fallbackKey);
        value = TakeStored(record, field.Id(), field.conversion, context.miles, text);
        break;
    }
    case StoredForm::Flag:
        value = read == QLatin1String("true") ? QStringLiteral("true") : QString();
        break;
    case StoredForm::IntegerFlag:
        if (ParseInteger(read) == 1) value = QStringLiteral("true");
        break;
    case StoredForm::ListBlock: {
        QStringList lines;
        if (read == kListBegin) reader.ReadLines(lines, kListEnd);
        value = JoinLines(lines);
        break;
    }
    case StoredForm::TextBlock: {
        QStringList lines;
        if (read.contains(kNotesBegin)) reader.ReadLines(lines, kNotesEnd);
        value = JoinLines(lines);
        break;
    }
    }
}

void ReadGridCells(SetupRecord& record, const SetupGrid& grid, const SetupIoContext& context,
                   TTxtParser& reader) {
    for (size_t c = 0; c < grid.columns.size(); ++c) {
        const GridColumn& column = grid.columns[c];
        if (!AppliesTo(column.vehicles, context.vehicle)) continue;
        for (size_t r = 0; r < grid.rows.size(); ++r) {
            const GridRow& row = grid.rows[r];
            const QString stored = reader.ReadValue(column.section, column.keyPrefix + row.key);
            record.Cell(grid.id, int(r), int(c)) =
                TakeStored(record, CellId(column, row), row.conversion, context.miles, stored);
        }
    }
}

// Dyno data of older files: "dyno_" + rpm for 1500 .. 17000 in steps of 500, each present one filling the
// next row. Returns whether any was present.
bool ReadOlderDyno(SetupRecord& record, TTxtParser& reader) {
    int row = 0;
    const int rows = int(Grid(GridId::Dyno).rows.size());
    for (int rpm = 1500; rpm <= 17000 && row < rows; rpm += 500) {
        const QString power =
            reader.ReadValue(QStringLiteral("engine"), QStringLiteral("dyno_") + QString::number(rpm));
        if (power.isEmpty()) continue;
        record.Cell(GridId::Dyno, row, 0) = QString::number(rpm);
        record.Cell(GridId::Dyno, row, 1) = power;
        ++row;
    }
    return row > 0;
}

bool FieldsHaveText(const SetupRecord& record, SetupArea area, VehicleType vehicle) {
    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (FieldApplies(fields[i], area, vehicle) && !record.fields[i].trimmed().isEmpty()) return true;
    return false;
}

bool GridsHaveText(const SetupRecord& record, SetupArea area, VehicleType vehicle) {
    for (const SetupGrid& grid : SetupGrids())
        if (GridApplies(grid, area, vehicle) && record.GridHasText(grid.id, vehicle)) return true;
    return false;
}

// The older key sets are read only when the current keys gave the layout nothing. A value is taken from
// an older key only when that key is present, so nothing the current keys gave is ever emptied.
void ReadOlderKeys(SetupRecord& record, SetupArea area, const SetupIoContext& context, TTxtParser& reader) {
    const bool car = context.vehicle == VehicleType::Car;
    // Tires and the car's suspension decide by their grids; the bike and kart layouts by every field.
    const bool gridsDecide = area == SetupArea::Tires || (area == SetupArea::Suspension && car);
    if (GridsHaveText(record, area, context.vehicle)) return;
    if (!gridsDecide && FieldsHaveText(record, area, context.vehicle)) return;

    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SetupField& field = fields[i];
        if (!FieldApplies(field, area, context.vehicle) || field.olderKey.isEmpty()) continue;
        const QString stored = reader.ReadValue(field.olderSection, field.olderKey);
        if (!stored.isEmpty())
            record.fields[i] = TakeStored(record, field.Id(), field.conversion, context.miles, stored);
    }
    for (const SetupGrid& grid : SetupGrids()) {
        if (!GridApplies(grid, area, context.vehicle) || grid.olderSection.isEmpty()) continue;
        for (size_t c = 0; c < grid.columns.size(); ++c) {
            const GridColumn& column = grid.columns[c];
            if (!AppliesTo(column.vehicles, context.vehicle)) continue;
            for (size_t r = 0; r < grid.rows.size(); ++r) {
                const GridRow& row = grid.rows[r];
                const QString stored =
                    reader.ReadValue(grid.olderSection, column.olderPrefix + row.key + column.olderSuffix);
                if (!stored.isEmpty())
                    record.Cell(grid.id, int(r), int(c)) =
                        TakeStored(record, CellId(column, row), row.conversion, context.miles, stored);
            }
        }
    }
}

// "1" to "5"; a number outside is clamped, anything else is "1".
QString CylinderCountText(const QString& text) {
    const std::optional<int> count = ParseInteger(text);
    return QString::number(count ? std::clamp(*count, 1, 5) : 1);
}

bool HasOlderKeys(SetupArea area) {
    return area == SetupArea::Tires || area == SetupArea::Suspension;
}

} // namespace

bool HasSetupArea(SetupArea area, VehicleType vehicle) {
    return AppliesTo(SetupAreaInfoOf(area).vehicles, vehicle);
}

QString ShownText(DistanceConversion conversion, bool miles, const QString& stored) {
    if (!miles || conversion == DistanceConversion::None) return stored;
    return ConvertDistance(ShowKind(conversion), stored, false);
}

QString StoredText(const SetupRecord& record, const QString& id, DistanceConversion conversion, bool miles,
                   const QString& shown) {
    if (!miles || conversion == DistanceConversion::None) return shown;
    const auto origin = record.metricOrigins.constFind(id);
    if (origin != record.metricOrigins.constEnd() && origin->first == shown) return origin->second;
    return ConvertDistance(StoreKind(conversion), shown, true);
}

void ReadSetupArea(SetupRecord& record, SetupArea area, const SetupIoContext& context, TTxtParser& reader) {
    const SetupAreaInfo& info = SetupAreaInfoOf(area);
    record.selectedNames[size_t(area)] = reader.ReadValue(info.section, info.selectedKey);

    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (FieldApplies(fields[i], area, context.vehicle)) ReadField(record, int(i), context, reader);

    for (const SetupGrid& grid : SetupGrids()) {
        if (!GridApplies(grid, area, context.vehicle)) continue;
        if (grid.id == GridId::Dyno) {
            record.ClearGrid(GridId::Dyno);
            if (ReadOlderDyno(record, reader)) continue;
        }
        ReadGridCells(record, grid, context, reader);
    }

    if (HasOlderKeys(area)) ReadOlderKeys(record, area, context, reader);

    if (area == SetupArea::Jetting) {
        const int index = FieldIndex(QStringLiteral("jetting"), QStringLiteral("num_of_cylinders"));
        record.Field(index) = CylinderCountText(record.Field(index));
    }
}

namespace {

struct SectionOutput {
    QString name;
    QList<std::pair<QString, QString>> values;
    QList<int> blockFields; // list and notes blocks: the writer puts them after the values
};

SectionOutput& SectionNamed(std::vector<SectionOutput>& sections, const QString& name) {
    for (SectionOutput& section : sections)
        if (section.name == name) return section;
    sections.push_back(SectionOutput{name, {}, {}});
    return sections.back();
}

} // namespace

void WriteSetupArea(const SetupRecord& record, SetupArea area, const SetupIoContext& context,
                    TTxtParser& writer) {
    const SetupAreaInfo& info = SetupAreaInfoOf(area);
    if (!HasSetupArea(area, context.vehicle)) return;
    std::vector<SectionOutput> sections;
    SectionNamed(sections, info.section)
        .values.append({info.selectedKey, record.selectedNames[size_t(area)]});

    const auto& fields = SetupFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SetupField& field = fields[i];
        if (!FieldApplies(field, area, context.vehicle)) continue;
        SectionOutput& section = SectionNamed(sections, field.section);
        const QString& value = record.fields[i];
        switch (field.form) {
        case StoredForm::Text:
            section.values.append(
                {field.key, StoredText(record, field.Id(), field.conversion, context.miles, value)});
            break;
        case StoredForm::Flag:
            if (value == QLatin1String("true")) section.values.append({field.key, value});
            break;
        case StoredForm::IntegerFlag:
            section.values.append(
                {field.key, value == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0")});
            break;
        case StoredForm::ListBlock:
        case StoredForm::TextBlock:
            section.blockFields.append(int(i));
            break;
        }
    }
    for (const SetupGrid& grid : SetupGrids()) {
        if (!GridApplies(grid, area, context.vehicle)) continue;
        for (size_t c = 0; c < grid.columns.size(); ++c) {
            const GridColumn& column = grid.columns[c];
            if (!AppliesTo(column.vehicles, context.vehicle)) continue;
            SectionOutput& section = SectionNamed(sections, column.section);
            for (size_t r = 0; r < grid.rows.size(); ++r) {
                const GridRow& row = grid.rows[r];
                const QString& shown = record.Cell(grid.id, int(r), int(c));
                section.values.append(
                    {column.keyPrefix + row.key,
                     StoredText(record, CellId(column, row), row.conversion, context.miles, shown)});
            }
        }
    }

    for (const SectionOutput& section : sections) {
        const bool anyValue =
            std::any_of(section.values.begin(), section.values.end(),
                        [](const auto& entry) { return !entry.second.trimmed().isEmpty(); });
        const bool anyBlock = std::any_of(section.blockFields.begin(), section.blockFields.end(), [&](int i) {
            return !record.fields[size_t(i)].trimmed().isEmpty();
        });
        if (!anyValue && !anyBlock) continue;
        writer.WriteSection(section.name);
        for (const auto& [key, value] : section.values)
            writer.WriteValue(key, value);
        for (int i : section.blockFields) {
            const SetupField& field = fields[size_t(i)];
            const QString& value = record.fields[size_t(i)];
            if (value.trimmed().isEmpty()) continue;
            if (field.form == StoredForm::ListBlock)
                writer.WriteListBlock(field.key, kListBegin, kListEnd, value.split(QLatin1Char('\n')));
            else
                writer.WriteNotesBlock(field.key, kNotesBegin, kNotesEnd, value);
        }
    }
}
