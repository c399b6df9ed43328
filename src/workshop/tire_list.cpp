#include "tire_list.h"

#include "grid/sort_grid.h"
#include "grid/text_table.h"
#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QString kTiresSection = QStringLiteral("tires");
const QString kVersionKey = QStringLiteral("version");
const QString kHistoryPrefix = QStringLiteral("tire_id=");
const ListBlock kTireBlock{QStringLiteral("tire_list"), QStringLiteral("tire_list_begin"),
                           QStringLiteral("tire_list_end")};
const ListBlock kHistoryBlock{QStringLiteral("tire_history_list"), QStringLiteral("tire_history_list_begin"),
                              QStringLiteral("tire_history_list_end")};
// Any non-empty text marks the current layout; readers only test that it is there.
const QString kTireListVersion = QStringLiteral("1");

constexpr double kKmPerMile = 1.609;
constexpr double kMmPerInch = 25.4;

QStringList Padded(QStringList fields, int count) {
    while (fields.size() < count)
        fields.append(QString());
    return fields;
}

QString Divided(const QString& text, double factor, bool convert) {
    if (!convert) return text;
    const auto value = ParseDecimal(text.trimmed());
    if (!value) return text;
    return FormatPattern(*value / factor, QStringLiteral("0.000"));
}

} // namespace

QString TireListFileName(VehicleType vehicle) {
    switch (vehicle) {
    case VehicleType::Kart:
        return QStringLiteral("tirelist_kart.ini");
    case VehicleType::Car:
        return QStringLiteral("tirelist_car.ini");
    case VehicleType::Sidecar:
        return QStringLiteral("tirelist_mc_sidecar.ini");
    default:
        return QStringLiteral("tirelist_mc.ini");
    }
}

QStringList TirePositions(VehicleType vehicle) {
    if (ShowsCircumference(vehicle))
        return {QStringLiteral("FL"), QStringLiteral("FR"), QStringLiteral("RL"), QStringLiteral("RR")};
    if (vehicle == VehicleType::Sidecar)
        return {QStringLiteral("Front"), QStringLiteral("Rear"), QStringLiteral(N_("Side"))};
    return {QStringLiteral("Front"), QStringLiteral("Rear")};
}

bool ShowsCircumference(VehicleType vehicle) {
    return vehicle == VehicleType::Kart || vehicle == VehicleType::Car;
}

QStringList TireColumnCaptions() {
    QStringList captions;
    for (const char* text :
         {"Id", N_("Pos."), "Brand", N_("Dimension"), "Compound", "Mileage", "Heat cycles", N_("Set"),
          N_("Circ. new"), N_("Circ. 1st use"), N_("Circ. curr"), N_("Date purchased"), N_("Date 1st use")})
        captions.append(Translate(text));
    return captions;
}

QStringList TireHistoryCaptions() {
    QStringList captions;
    for (const char* text :
         {"Date", "Driver", N_("Pos."), "Track", "Type of session", "Laps", "Mileage", "Rotation", "Vehicle"})
        captions.append(Translate(text));
    return captions;
}

int InitialTireColumnWidth(int column, VehicleType vehicle) {
    static const int widths[kTireColumnCount] = {80, 50, 80, 80, 80, 60, 80, 80, 80, 80, 80, 100, 100};
    if (column < 0 || column >= kTireColumnCount) return 0;
    if (column >= tire_col::CircNew && column <= tire_col::CircCurrent && !ShowsCircumference(vehicle))
        return 1;
    return widths[column];
}

int FindTireRow(const TireList& list, const QString& id) {
    const QString wanted = id.trimmed();
    for (std::size_t i = 0; i < list.tires.size(); ++i)
        if (list.tires[i].Id() == wanted) return int(i);
    return -1;
}

int FindLastTireRow(const TireList& list, const QString& id) {
    const QString wanted = id.trimmed();
    for (int i = int(list.tires.size()) - 1; i >= 0; --i)
        if (list.tires[size_t(i)].Id() == wanted) return i;
    return -1;
}

bool TireIdTaken(const TireList& list, const QString& id, int except) {
    const QString wanted = id.trimmed();
    for (std::size_t i = 0; i < list.tires.size(); ++i)
        if (int(i) != except && list.tires[i].Id().compare(wanted, Qt::CaseInsensitive) == 0) return true;
    return false;
}

namespace {

void WriteTireList(TTxtParser& writer, const TireList& list) {
    writer.WriteSection(kTiresSection);
    writer.WriteValue(kVersionKey, kTireListVersion);
    TextTable table(kTireColumnCount);
    for (const TireRecord& tire : list.tires)
        table.AddRow(tire.fields);
    table.Save(writer, kTireBlock);
    for (const TireRecord& tire : list.tires) {
        if (tire.history.isEmpty()) continue;
        writer.WriteSection(kHistoryPrefix + tire.Id());
        TextTable history(kHistoryColumnCount);
        for (const QStringList& entry : tire.history)
            history.AddRow(entry);
        history.Save(writer, kHistoryBlock);
    }
}

} // namespace

QString TireListText(const TireList& list) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WriteTireList(writer, list);
    return writer.WrittenText();
}

TireList ParseTireList(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    TireList list;
    const bool current = !reader.ReadValue(kTiresSection, kVersionKey).isEmpty();
    TextTable table(kTireColumnCount);
    table.Load(reader, kTiresSection, kTireBlock);
    for (int row = 0; row < table.RowCount(); ++row) {
        TireRecord tire;
        tire.fields = table.Row(row);
        // An ID stored with blanks at its edges is kept trimmed from now on.
        tire.fields[tire_col::Id] = tire.fields[tire_col::Id].trimmed();
        list.tires.push_back(std::move(tire));
    }
    for (TireRecord& tire : list.tires) {
        if (tire.Id().isEmpty()) continue;
        TextTable history(kHistoryColumnCount);
        history.Load(reader, kHistoryPrefix + tire.Id(), kHistoryBlock);
        for (QStringList entry : history.Rows()) {
            // Files before the "Type of session" field had eight fields.
            if (!current)
                entry.insert(std::min<qsizetype>(history_col::SessionType, entry.size()), QString());
            tire.history.append(Padded(entry, kHistoryColumnCount));
        }
    }
    return list;
}

Expected<TireList, QString> LoadTireListFile(const QString& dataDir, VehicleType vehicle) {
    const QString path = QDir(dataDir).filePath(TireListFileName(vehicle));
    if (!QFileInfo::exists(path)) return TireList{};
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Unexpected(bytes.error());
    return ParseTireList(DecodeFileText(*bytes));
}

Expected<void, QString> SaveTireListFile(const QString& dataDir, VehicleType vehicle, const TireList& list) {
    TTxtParser writer;
    writer.OpenWrite(QDir(dataDir).filePath(TireListFileName(vehicle)));
    WriteTireList(writer, list);
    return writer.Close();
}

QString ShownMileage(const QString& km, bool miles) {
    return Divided(km, kKmPerMile, miles);
}

QString ShownCircumference(const QString& mm, bool miles) {
    return Divided(mm, kMmPerInch, miles);
}

QString ShownTireField(const QStringList& fields, int column, bool miles) {
    const QString text = fields.value(column);
    if (column == tire_col::Mileage) return ShownMileage(text, miles);
    if (column >= tire_col::CircNew && column <= tire_col::CircCurrent)
        return ShownCircumference(text, miles);
    return text;
}

QString ShownHistoryField(const QStringList& entry, int column, bool miles) {
    const QString text = entry.value(column);
    return column == history_col::Mileage ? ShownMileage(text, miles) : text;
}

std::vector<TireTreeNode> BuildTireTree(const TireList& list, const QStringList& setupIds) {
    using K = TireTreeNode::Kind;
    std::vector<TireTreeNode> nodes{{K::All, Translate("All tires"), 0}};
    const auto group = [&](K groupKind, K childKind, const char* caption, int column) {
        QStringList values;
        for (const TireRecord& tire : list.tires) {
            const QString value = tire.fields.value(column).trimmed();
            if (value.isEmpty()) continue;
            // Distinct as written: a child shows the tires of exactly its text.
            if (!values.contains(value)) values.append(value);
        }
        if (values.isEmpty()) return;
        std::stable_sort(values.begin(), values.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        nodes.push_back({groupKind, Translate(caption), 0});
        for (const QString& value : values)
            nodes.push_back({childKind, value, 1});
    };
    group(K::CompoundGroup, K::Compound, N_("Group by compound"), tire_col::Compound);
    group(K::PositionGroup, K::Position, N_("Group by position"), tire_col::Position);
    group(K::SetGroup, K::Set, N_("Group by set"), tire_col::Set);
    const bool anySetupTire = std::any_of(setupIds.begin(), setupIds.end(), [&](const QString& id) {
        return !id.trimmed().isEmpty() && FindTireRow(list, id) >= 0;
    });
    if (anySetupTire) nodes.push_back({K::CurrentSetup, Translate("Current setup"), 0});
    return nodes;
}

TireListView ShowTires(const TireList& list, const TireTreeNode& node, const QStringList& setupIds,
                       VehicleType vehicle, bool miles, const TireSort& sort) {
    using K = TireTreeNode::Kind;
    int filterColumn = -1;
    if (node.kind == K::Compound) filterColumn = tire_col::Compound;
    if (node.kind == K::Position) filterColumn = tire_col::Position;
    if (node.kind == K::Set) filterColumn = tire_col::Set;

    TireListView view;
    const QStringList captions = TireColumnCaptions();
    for (int c = 0; c < kTireColumnCount; ++c) {
        if (c == filterColumn) continue;
        if (c >= tire_col::CircNew && c <= tire_col::CircCurrent && !ShowsCircumference(vehicle)) continue;
        view.columns.push_back(c);
        view.headers.append(captions[c]);
    }
    QStringList ids;
    for (const QString& id : setupIds)
        if (!id.trimmed().isEmpty()) ids.append(id.trimmed());
    for (std::size_t i = 0; i < list.tires.size(); ++i) {
        const TireRecord& tire = list.tires[i];
        if (filterColumn >= 0 && tire.fields.value(filterColumn).trimmed() != node.text) continue;
        if (node.kind == K::CurrentSetup && !ids.contains(tire.Id())) continue;
        view.tires.push_back(int(i));
    }
    const int sortColumn = sort.column >= 0 && sort.column < kTireColumnCount ? sort.column : tire_col::Id;
    SortKeys keys{};
    keys[0] = SortKey{0, sort.descending, SortCompare::Cell};
    const auto order = SortedRowOrder(
        int(view.tires.size()),
        [&](int row, int) {
            return ShownTireField(list.tires[size_t(view.tires[size_t(row)])].fields, sortColumn, miles);
        },
        keys);
    std::vector<int> sorted;
    for (int row : order)
        sorted.push_back(view.tires[size_t(row)]);
    view.tires = sorted;
    for (int index : view.tires) {
        QStringList cells;
        for (int c : view.columns)
            cells.append(ShownTireField(list.tires[size_t(index)].fields, c, miles));
        view.cells.append(cells);
    }
    return view;
}

QList<QStringList> ShownHistory(const TireRecord& tire, bool miles) {
    QList<QStringList> rows;
    for (const QStringList& entry : tire.history) {
        QStringList row;
        for (int c = 0; c < kHistoryColumnCount; ++c)
            row.append(ShownHistoryField(entry, c, miles));
        rows.append(row);
    }
    return rows;
}

TireDialogValues NewTireValues(const QString& today) {
    TireDialogValues values;
    values.purchaseDate = today;
    values.firstUseDate = today;
    return values;
}

TireDialogValues EditTireValues(const TireRecord& tire, bool miles, const QString& today) {
    const QStringList& f = tire.fields;
    TireDialogValues values;
    values.id = f.value(tire_col::Id);
    values.position = f.value(tire_col::Position);
    values.brand = f.value(tire_col::Brand);
    values.dimensions = f.value(tire_col::Dimension);
    values.compound = f.value(tire_col::Compound);
    values.mileage = ShownMileage(f.value(tire_col::Mileage), miles);
    values.heatCycles = f.value(tire_col::HeatCycles);
    values.set = f.value(tire_col::Set);
    values.circNew = ShownCircumference(f.value(tire_col::CircNew), miles);
    values.circFirstUse = ShownCircumference(f.value(tire_col::CircFirstUse), miles);
    values.circCurrent = ShownCircumference(f.value(tire_col::CircCurrent), miles);
    // A stored purchase date that is no valid date shows today rather than failing the dialog.
    const QString purchased = f.value(tire_col::DatePurchased).trimmed();
    values.purchaseDate = IsDateText(purchased) ? purchased : today;
    const QString firstUse = f.value(tire_col::DateFirstUse).trimmed();
    values.firstUse = IsDateText(firstUse);
    values.firstUseDate = values.firstUse ? firstUse : today;
    return values;
}

TireDialogValues CloneTireValues(const TireRecord& tire, bool miles, const QString& today) {
    const TireDialogValues edit = EditTireValues(tire, miles, today);
    TireDialogValues values = NewTireValues(today);
    values.position = edit.position;
    values.brand = edit.brand;
    values.dimensions = edit.dimensions;
    values.compound = edit.compound;
    values.circNew = edit.circNew;
    return values;
}

std::optional<QString> CheckTireValues(const TireDialogValues& values, const TireList& list, int except) {
    if (values.id.trimmed().isEmpty()) return Translate("Enter the unique tire id!");
    if (TireIdTaken(list, values.id, except)) return Translate("Tire ID not unique!");
    return std::nullopt;
}

namespace {

// A shown length back to its stored form; with the metric unit the trimmed text as entered.
QString StoredLength(const QString& shown, bool miles, double factor, bool precise) {
    const QString text = shown.trimmed();
    if (!miles) return text;
    const auto value = ParseDecimal(text);
    if (!value) return text;
    return precise ? FormatGeneral(*value * factor) : FormatPattern(*value * factor, QStringLiteral("0.00"));
}

} // namespace

QStringList StoredTireFields(const TireDialogValues& values, bool miles, TireDialogMode mode,
                             const TireRecord* edited, const TireDialogValues* preset) {
    QStringList f(kTireColumnCount, QString());
    if (edited) f = Padded(edited->fields, kTireColumnCount);
    f[tire_col::Id] = values.id.trimmed();
    f[tire_col::Position] = values.position.trimmed();
    f[tire_col::Brand] = values.brand.trimmed();
    f[tire_col::Dimension] = values.dimensions.trimmed();
    f[tire_col::Compound] = values.compound.trimmed();
    f[tire_col::HeatCycles] = values.heatCycles.trimmed();
    f[tire_col::Set] = values.set.trimmed();
    f[tire_col::DatePurchased] = values.purchaseDate;
    f[tire_col::DateFirstUse] = values.firstUse ? values.firstUseDate : QString();

    const bool editing = mode == TireDialogMode::Edit && edited && preset;
    const auto length = [&](int column, const QString& shown, const QString& presetShown, double factor,
                            bool precise) {
        // An unchanged shown text keeps the stored value: converting "10.006" miles back would alter it.
        if (editing && shown == presetShown) return;
        f[column] = StoredLength(shown, miles, factor, precise);
    };
    const bool precise = mode == TireDialogMode::Edit;
    length(tire_col::Mileage, values.mileage, preset ? preset->mileage : QString(), kKmPerMile, true);
    length(tire_col::CircNew, values.circNew, preset ? preset->circNew : QString(), kMmPerInch, precise);
    length(tire_col::CircFirstUse, values.circFirstUse, preset ? preset->circFirstUse : QString(), kMmPerInch,
           precise);
    length(tire_col::CircCurrent, values.circCurrent, preset ? preset->circCurrent : QString(), kMmPerInch,
           precise);
    return f;
}

std::optional<double> SessionDistance(const QString& trackLengthMetres, const QString& laps) {
    const auto length = ParseDecimal(trackLengthMetres.trimmed());
    const auto count = ParseDecimal(laps.trimmed());
    if (!length || !count) return std::nullopt;
    return *length * *count / 1000.0;
}

void AddHeatCycle(TireRecord& tire) {
    const int cycles = ParseInteger(tire.fields.value(tire_col::HeatCycles).trimmed()).value_or(0);
    tire.fields[tire_col::HeatCycles] = QString::number(cycles + 1);
}

void AddMileage(TireRecord& tire, double km) {
    const double mileage = ParseDecimal(tire.fields.value(tire_col::Mileage).trimmed()).value_or(0.0);
    tire.fields[tire_col::Mileage] = FormatGeneral(mileage + km);
}

void SetFirstUseIfEmpty(TireRecord& tire, const QString& date) {
    if (!IsDateText(tire.fields.value(tire_col::DateFirstUse).trimmed()))
        tire.fields[tire_col::DateFirstUse] = date;
}
