#include "part_status_data.h"

#include "storage/atomic_file.h"
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/text_codec.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

QStringList PartColumnCaptions() {
    static const char* const kCaptions[kPartColumnCount] = {N_("Changed"),
                                                            "Part No.",
                                                            "Id",
                                                            "Name",
                                                            "Location",
                                                            "Supplier",
                                                            N_("Storage"),
                                                            "Price/pcs",
                                                            "Qty",
                                                            "Req. Qty",
                                                            "Hours",
                                                            N_("Hours left"),
                                                            "Mileage",
                                                            N_("Mileage left"),
                                                            "Starts",
                                                            N_("Starts left"),
                                                            "Sessions",
                                                            N_("Hours since inspection"),
                                                            N_("Hours until inspection"),
                                                            N_("Mileage since inspection"),
                                                            N_("Mileage until inspection"),
                                                            N_("Starts since inspection"),
                                                            N_("Starts until inspection"),
                                                            "Comments",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            "",
                                                            ""};
    QStringList captions;
    for (const char* caption : kCaptions)
        captions << (*caption ? Translate(caption) : QString());
    return captions;
}

bool IsStockColumn(int column) {
    return column == part_col::Supplier || column == part_col::Storage || column == part_col::Price ||
           column == part_col::ReqQty;
}

int InitialPartColumnWidth(int column, bool stockGroup) {
    static const int kWidths[23] = {70, 75, 75, 150, 80, 0, 80, 0, 50, 0, 50, 70,
                                    70, 90, 50, 60,  50, 0, 70, 0, 70, 0, 70};
    if (column < 0 || column >= kPartColumnCount || column > part_col::Comments) return 0;
    if (column == part_col::Comments) return 200;
    if (IsStockColumn(column)) {
        if (!stockGroup) return 0;
        return std::max(kWidths[column], column == part_col::ReqQty ? 50 : 80);
    }
    return kWidths[column];
}

QString NeverUpdatedText() {
    return u'<' + Translate("never") + u'>';
}

LeftValue DecimalLeft(const QString& limit, const QString& value) {
    const auto limitNumber = ParseDecimal(limit.trimmed());
    if (!limitNumber || limit.trimmed().isEmpty()) return {};
    const double result = *limitNumber - ParseDecimal(value.trimmed()).value_or(0.0);
    return {FormatPattern(result, QStringLiteral("0.00")), result < 0};
}

LeftValue IntegerLeft(const QString& limit, const QString& value) {
    const auto limitNumber = ParseInteger(limit.trimmed());
    if (!limitNumber) return {};
    const qint64 result = qint64(*limitNumber) - ParseInteger(value.trimmed()).value_or(0);
    return {QString::number(result), result < 0};
}

void ComputeLeftColumns(QStringList& row) {
    using namespace part_col;
    row = PadFields(row, kPartColumnCount);
    row[HoursLeft] = DecimalLeft(row[HoursLimit], row[Hours]).text;
    row[MileageLeft] = DecimalLeft(row[MileageLimit], row[Mileage]).text;
    row[StartsLeft] = IntegerLeft(row[StartsLimit], row[Starts]).text;
    row[HoursUntilInsp] = DecimalLeft(row[HoursInterval], row[HoursSinceInsp]).text;
    row[MileageUntilInsp] = DecimalLeft(row[MileageInterval], row[MileageSinceInsp]).text;
    row[StartsUntilInsp] = IntegerLeft(row[StartsInterval], row[StartsSinceInsp]).text;
}

std::optional<int> QtyOf(const QStringList& row) {
    return ParseInteger(row.value(part_col::Qty).trimmed());
}

namespace {

void InsertAt(QStringList& row, int column, const QString& value) {
    row.insert(column, value);
    while (row.size() > kPartColumnCount)
        row.removeLast();
}

} // namespace

QStringList UpgradePartRow(QStringList row, const QString& fromVersion) {
    row = PadFields(row, kPartColumnCount);
    while (row.size() > kPartColumnCount)
        row.removeLast();
    QString version = fromVersion.trimmed();
    // Each step brings a row of one version to the next; the chain ends at a version without a step.
    for (;;) {
        if (version.isEmpty()) {
            InsertAt(row, 1, QString());
            version = QStringLiteral("1.0");
        } else if (version == u"1.0") {
            for (int k = 0; k < 3; ++k)
                row[12 + k] = row[7 + k];
            for (int column : {7, 8, 9, 10, 11, 15, 16})
                row[column].clear();
            version = QStringLiteral("2.1");
        } else if (version == u"2.1") {
            InsertAt(row, 3, QStringLiteral("1"));
            version = QStringLiteral("2.2");
        } else if (version == u"2.2") {
            for (int k = 0; k < 4; ++k)
                row[17 + k] = row[13 + k];
            for (int column = 11; column <= 16; ++column)
                row[column].clear();
            version = QStringLiteral("2.3");
        } else if (version == u"2.3") {
            InsertAt(row, 3, QString());
            InsertAt(row, 5, QString());
            version = QStringLiteral("2.4");
        } else if (version == u"2.4") {
            InsertAt(row, 3, QString());
            version = QStringLiteral("2.5");
        } else if (version == u"2.5") {
            InsertAt(row, 2, QString());
            version = QStringLiteral("2.6");
        } else if (version == u"2.6") {
            InsertAt(row, 6, QString());
            InsertAt(row, 7, QString());
            version = kPartsListVersion;
        } else {
            return row;
        }
    }
}

QString PartStatusFileName() {
    return QStringLiteral("partstatus.ini");
}
QString PartStatusLogFileName() {
    return QStringLiteral("partstatuslog.txt");
}
QString TooNewPartStatusText() {
    return Translate("Partstatus version too new, use latest software release to continue!");
}

void SortPartGroups(std::vector<PartGroup>& groups) {
    std::stable_sort(groups.begin(), groups.end(), [](const PartGroup& a, const PartGroup& b) {
        return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
    });
}

namespace {

const ListBlock kPartsBlock{QStringLiteral("parts_list"), QStringLiteral("parts_list_begin"),
                            QStringLiteral("parts_list_end")};

const char* const kSortColumnKeys[3] = {"sort_column", "sort_column2", "sort_column3"};
const char* const kSortDescendingKeys[3] = {"sort_descending", "sort_descending2", "sort_descending3"};

PartStatusFile ReadPartStatus(TTxtParser& reader) {
    PartStatusFile file;
    const QString groups = QStringLiteral("groups");
    file.version = reader.ReadValue(groups, QStringLiteral("parts_list_version"));
    std::vector<std::pair<int, QString>> found; // number N and name
    for (int n = 1; int(found.size()) < kMaxPartGroups; ++n) {
        const QString name = reader.ReadValue(groups, QStringLiteral("group%1").arg(n));
        if (name.isEmpty()) {
            if (n >= 12) break;
            continue;
        }
        found.emplace_back(n, name);
    }
    // Versions compare as texts, as the files have always been compared.
    file.tooNew = QString::compare(file.version, kPartsListVersion) > 0;
    for (const auto& [n, name] : found) {
        PartGroup group;
        group.name = name;
        group.lastUpdated = NeverUpdatedText();
        file.groups.push_back(std::move(group));
        if (file.tooNew) continue;
        PartGroup& g = file.groups.back();
        const QString section = QStringLiteral("group%1").arg(n);
        const QString updated = reader.ReadValue(section, QStringLiteral("group_last_updated"));
        if (!updated.isEmpty()) g.lastUpdated = updated;
        g.stock = reader.ReadValue(section, QStringLiteral("group_stock")) == u"true";
        for (int k = 0; k < 3; ++k) {
            const auto column = ParseInteger(reader.ReadValue(section, QLatin1String(kSortColumnKeys[k])));
            // A column outside the table would index past its fields: such a key is ignored.
            if (column && *column >= -1 && *column < kPartColumnCount) g.sortKeys[k].column = *column;
            g.sortKeys[k].descending =
                reader.ReadValue(section, QLatin1String(kSortDescendingKeys[k])) == u"true";
        }
        g.parts.Load(reader, section, kPartsBlock);
        if (file.version != kPartsListVersion)
            for (int row = 0; row < g.parts.RowCount(); ++row)
                g.parts.SetRow(row, UpgradePartRow(g.parts.Row(row), file.version));
    }
    SortPartGroups(file.groups);
    return file;
}

} // namespace

PartStatusFile ParsePartStatus(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    return ReadPartStatus(reader);
}

Expected<PartStatusFile, QString> LoadPartStatusFiles(const QString& dataDir) {
    const QDir dir(dataDir);
    PartStatusFile file;
    const QString path = dir.filePath(PartStatusFileName());
    if (QFileInfo::exists(path)) {
        const auto bytes = ReadWholeFile(path);
        if (!bytes) return Unexpected(bytes.error());
        file = ParsePartStatus(DecodeFileText(*bytes));
    }
    const QString logPath = dir.filePath(PartStatusLogFileName());
    if (QFileInfo::exists(logPath)) {
        const auto bytes = ReadWholeFile(logPath);
        if (!bytes) return Unexpected(bytes.error());
        file.log = SplitLines(DecodeFileText(*bytes));
    }
    return file;
}

namespace {

void WritePartStatus(TTxtParser& writer, const std::vector<PartGroup>& groups) {
    writer.WriteSection(QStringLiteral("groups"));
    // The version goes first: a group name holding a bracket would otherwise hide it from the reader.
    writer.WriteValue(QStringLiteral("parts_list_version"), kPartsListVersion);
    for (std::size_t i = 0; i < groups.size(); ++i)
        writer.WriteValue(QStringLiteral("group%1").arg(i + 1), groups[i].name);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const PartGroup& g = groups[i];
        writer.WriteSection(QStringLiteral("group%1").arg(i + 1));
        writer.WriteValue(QStringLiteral("group_last_updated"), g.lastUpdated);
        if (g.stock) writer.WriteValue(QStringLiteral("group_stock"), QStringLiteral("true"));
        for (int k = 0; k < 3; ++k) {
            writer.WriteValue(QLatin1String(kSortColumnKeys[k]), QString::number(g.sortKeys[k].column));
            writer.WriteValue(QLatin1String(kSortDescendingKeys[k]),
                              g.sortKeys[k].descending ? QStringLiteral("true") : QStringLiteral("false"));
        }
        // The part lines come last: a bracket in one of them ends the section for the reader.
        g.parts.Save(writer, kPartsBlock);
    }
}

} // namespace

QString PartStatusText(const std::vector<PartGroup>& groups) {
    TTxtParser writer;
    writer.OpenWrite(QString());
    WritePartStatus(writer, groups);
    return writer.WrittenText();
}

Expected<void, QString> SavePartStatusFiles(const QString& dataDir, const std::vector<PartGroup>& groups,
                                            const QStringList& log) {
    const QDir dir(dataDir);
    TTxtParser writer;
    writer.OpenWrite(dir.filePath(PartStatusFileName()));
    WritePartStatus(writer, groups);
    if (auto written = writer.Close(); !written) return written;
    const QString logPath = dir.filePath(PartStatusLogFileName());
    if (log.isEmpty() && !QFileInfo::exists(logPath)) return {};
    QString logText;
    for (const QString& line : log)
        logText += line + QStringLiteral("\r\n");
    return WriteFileAtomically(logPath, EncodeFileText(logText));
}

bool IsValidPartGroupName(const QString& name) {
    return !name.contains(u'[') && !name.contains(u']') && !name.contains(u';');
}
