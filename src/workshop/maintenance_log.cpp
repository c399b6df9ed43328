#include "maintenance_log.h"

#include "storage/comma_text.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

const QString kGroupsSection = QStringLiteral("groups");
const ListBlock kItemBlock{QStringLiteral("item_list"), QStringLiteral("item_list_begin"),
                           QStringLiteral("item_list_end")};
// Group keys 1 to 11 are always probed; past them the first missing key ends the list.
constexpr int kAlwaysProbedGroups = 11;

QString GroupKey(int n) {
    return QStringLiteral("group%1").arg(n);
}

bool NameLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// The day number of a stored date. Reports run over every item, so the form the log writes
// ("yyyy-mm-dd") is read by hand; any other text goes to the general date reader.
std::optional<double> ItemDay(const QString& text) {
    if (text.size() == 10 && text.at(4) == u'-' && text.at(7) == u'-') {
        int parts[3] = {0, 0, 0};
        const int starts[3] = {0, 5, 8};
        const int lengths[3] = {4, 2, 2};
        bool digits = true;
        for (int p = 0; p < 3 && digits; ++p)
            for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
                const char16_t c = text.at(i).unicode();
                digits = digits && c >= u'0' && c <= u'9';
                parts[p] = parts[p] * 10 + (c - u'0');
            }
        if (digits) {
            static const QDate epoch(1899, 12, 30);
            const QDate date(parts[0], parts[1], parts[2]);
            if (!date.isValid()) return std::nullopt;
            return double(epoch.daysTo(date));
        }
    }
    return ParseDateText(text);
}

// An unreadable date gets the lowest key, so newest first puts it last.
double SortDay(const QString& text) {
    const auto day = ItemDay(text);
    return day ? *day : -std::numeric_limits<double>::infinity();
}

void SortRowsNewestFirst(QList<QStringList>& rows) {
    std::vector<std::pair<double, int>> keys;
    keys.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        keys.emplace_back(SortDay(rows[i].value(kMaintDate)), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<QStringList> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys)
        sorted.append(std::move(rows[key.second]));
    rows = std::move(sorted);
}

// The cost of an item in a total: 0 for an empty cost or one that is no finite number.
double CostOf(const QStringList& item) {
    const auto cost = ParseDecimal(item.value(kMaintCost).trimmed());
    return cost && std::isfinite(*cost) ? *cost : 0.0;
}

} // namespace

QStringList MaintenanceHeaders() {
    return {Translate("Date"), Translate("Cost"), Translate("Supplier"), Translate("Description")};
}

QStringList SelectedItemsHeaders() {
    return MaintenanceHeaders() << Translate("Group");
}

QString MaintenanceFileName() {
    return QStringLiteral("maintenance.ini");
}

void SortMaintenanceRows(TextTable& table) {
    QList<QStringList> rows = table.Rows();
    SortRowsNewestFirst(rows);
    table.Clear();
    for (QStringList& row : rows)
        table.AddRow(row);
}

QStringList MaintenanceLog::GroupNames() const {
    QStringList names;
    names.reserve(m_groups.size());
    for (const MaintenanceGroup& group : m_groups)
        names << group.name;
    return names;
}

int MaintenanceLog::FindGroup(const QString& name) const {
    for (int i = 0; i < m_groups.size(); ++i)
        if (m_groups[i].name == name) return i;
    return -1;
}

bool MaintenanceLog::AddSupplier(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) return false;
    const auto at = std::lower_bound(m_suppliers.begin(), m_suppliers.end(), trimmed, NameLess);
    if (at != m_suppliers.end() && *at == trimmed) return false;
    m_suppliers.insert(at, trimmed);
    return true;
}

bool MaintenanceLog::Load(const QString& path, std::function<void(const QString&)> onMessage) {
    TTxtParser reader(std::move(onMessage));
    reader.OpenRead(path);
    const bool unreadable = !reader.IsOpen() && QFileInfo::exists(path);
    Parse(reader);
    reader.Close();
    return !unreadable;
}

void MaintenanceLog::LoadText(const QString& text) {
    TTxtParser reader;
    reader.OpenReadText(text);
    Parse(reader);
    reader.Close();
}

void MaintenanceLog::Parse(TTxtParser& reader) {
    m_groups.clear();
    m_suppliers.clear();
    for (int n = 1;; ++n) {
        const QString name = reader.ReadValue(kGroupsSection, GroupKey(n)).trimmed();
        if (name.isEmpty()) {
            if (n <= kAlwaysProbedGroups) continue;
            break;
        }
        MaintenanceGroup group{name, TextTable(kMaintenanceColumns)};
        group.items.Load(reader, GroupKey(n), kItemBlock);
        m_groups.append(std::move(group));
    }
    Rebuild();
}

void MaintenanceLog::Rebuild() {
    QSet<QString> seen;
    for (MaintenanceGroup& group : m_groups) {
        SortMaintenanceRows(group.items);
        for (const QStringList& row : group.items.Rows()) {
            const QString supplier = row.value(kMaintSupplier).trimmed();
            if (!supplier.isEmpty()) seen.insert(supplier);
        }
    }
    m_suppliers = QStringList(seen.begin(), seen.end());
    std::sort(m_suppliers.begin(), m_suppliers.end(), NameLess);
    SortGroups();
}

Expected<void, QString> MaintenanceLog::Save(const QString& path) const {
    TTxtParser writer;
    writer.OpenWrite(path);
    writer.WriteSection(kGroupsSection);
    for (int i = 0; i < m_groups.size(); ++i)
        writer.WriteValue(GroupKey(i + 1), m_groups[i].name.trimmed());
    for (int i = 0; i < m_groups.size(); ++i) {
        writer.WriteSection(GroupKey(i + 1));
        // Held back by the writer, so the block is the last thing in its section.
        writer.WriteListBlock(kItemBlock.key, kItemBlock.begin, kItemBlock.end, m_groups[i].items.Lines());
    }
    return writer.Close();
}

std::optional<QString> MaintenanceLog::CheckGroupName(const QString& name, int keep) const {
    // "[" or "]" would end the groups section for every later key of the file, ";" would cut the name.
    if (name.contains(u'[') || name.contains(u']') || name.contains(u';'))
        return Translate("A group name cannot hold \"[\", \"]\" or \";\".");
    const int existing = FindGroup(name);
    if (existing >= 0 && existing != keep) return Fill(Translate("The group %s already exists!"), name);
    if (keep < 0 && GroupCount() >= kMaxMaintenanceGroups)
        return Fill(Translate("The maintenance log can hold at most %d groups."),
                    QString::number(kMaxMaintenanceGroups));
    return std::nullopt;
}

int MaintenanceLog::AddGroup(const QString& name) {
    m_groups.append(MaintenanceGroup{name, TextTable(kMaintenanceColumns)});
    SortGroups();
    return FindGroup(name);
}

void MaintenanceLog::RenameGroup(int index, const QString& name) {
    if (index >= 0 && index < m_groups.size()) m_groups[index].name = name;
}

void MaintenanceLog::RemoveGroup(int index) {
    if (index >= 0 && index < m_groups.size()) m_groups.removeAt(index);
}

void MaintenanceLog::SortGroups() {
    std::stable_sort(m_groups.begin(), m_groups.end(),
                     [](const MaintenanceGroup& a, const MaintenanceGroup& b) {
                         return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
                     });
}

void MaintenanceLog::AddItems(int group, const QList<QStringList>& items) {
    if (group < 0 || group >= m_groups.size()) return;
    for (const QStringList& item : items)
        AppendItem(group, item);
    SortMaintenanceRows(m_groups[group].items);
}

void MaintenanceLog::AppendItem(int group, const QStringList& fields) {
    if (group < 0 || group >= m_groups.size()) return;
    m_groups[group].items.AddRow(PadFields(fields, kMaintenanceColumns));
    AddSupplier(fields.value(kMaintSupplier));
}

bool MaintenanceFilter::Passes(const QStringList& item) const {
    // Names are compared trimmed: the supplier list holds trimmed names, and an item typed "Acme " is
    // an "Acme" item.
    const QString supplier = item.value(kMaintSupplier).trimmed();
    if (supplier.isEmpty() || !suppliers.contains(supplier)) return false;
    if (allDates) return true;
    const auto day = ItemDay(item.value(kMaintDate));
    return day && *day >= fromDay && *day <= toDay;
}

MaintenanceReport CalcMaintenanceReport(const MaintenanceLog& log, const MaintenanceFilter& filter) {
    MaintenanceReport report;
    QList<QStringList> rows;
    for (int g = 0; g < log.GroupCount(); ++g) {
        const MaintenanceGroup& group = log.Group(g);
        if (!filter.groups.contains(group.name)) continue;
        for (const QStringList& item : group.items.Rows()) {
            if (!filter.Passes(item)) continue;
            report.total += CostOf(item);
            QStringList row = PadFields(item, kMaintenanceColumns).mid(0, kMaintenanceColumns);
            row << group.name;
            rows.append(std::move(row));
        }
    }
    SortRowsNewestFirst(rows);
    for (QStringList& row : rows)
        report.selected.AddRow(row);
    return report;
}

double MaintenanceGroupTotal(const MaintenanceGroup& group, const MaintenanceFilter& filter) {
    double total = 0;
    for (const QStringList& item : group.items.Rows())
        if (filter.Passes(item)) total += CostOf(item);
    return total;
}

QString MaintenanceTotalText(double total) {
    return FormatGeneral(total);
}
