// vorlapa-cli maintenance list|report: the maintenance log's items and its cost report, TAB-separated
// with a header line, the texts as the page shows them.
#include "command_registry.h"
#include "data_folder_option.h"

#include "storage/comma_text.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "workshop/maintenance_log.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kListUsage = QStringLiteral("maintenance list [--data-dir DIR] [--group NAME]");
const QString kReportUsage = QStringLiteral("maintenance report [--data-dir DIR] [--group NAME]... "
                                            "[--supplier NAME]... [--from YYYY-MM-DD --to YYYY-MM-DD]");
const QString kUsage = kListUsage + QStringLiteral("\n       ") + kReportUsage;

QString Tabbed(const QStringList& fields) {
    return fields.join(u'\t');
}

// The log of the data folder; false (message printed) when the folder or the file cannot be read.
bool LoadLog(const QString& dataDir, MaintenanceLog& log) {
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return false;
    }
    return log.Load(QDir(dataDir).filePath(MaintenanceFileName()),
                    [](const QString& message) { cli::PrintError(message); });
}

bool CheckGroups(const MaintenanceLog& log, const QStringList& groups) {
    for (const QString& group : groups)
        if (log.FindGroup(group) < 0) {
            cli::PrintError(Translate("This group does not exist!") + QStringLiteral(" ") + group);
            return false;
        }
    return true;
}

QStringList TakeAll(QStringList& args, const QString& name) {
    QStringList values;
    while (const auto value = cli::TakeOption(args, name))
        values << *value;
    return values;
}

int List(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto group = cli::TakeOption(args, QStringLiteral("--group"));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kListUsage);
    MaintenanceLog log;
    if (!LoadLog(dataDir, log)) return 1;
    if (group && !CheckGroups(log, {*group})) return 1;
    cli::PrintLine(Tabbed(QStringList{Translate("Group")} + MaintenanceHeaders()));
    for (int g = 0; g < log.GroupCount(); ++g) {
        const MaintenanceGroup& entry = log.Group(g);
        if (group && entry.name != *group) continue;
        for (const QStringList& item : entry.items.Rows())
            cli::PrintLine(Tabbed(QStringList{entry.name} +
                                  PadFields(item, kMaintenanceColumns).mid(0, kMaintenanceColumns)));
    }
    return 0;
}

int Report(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const QStringList groups = TakeAll(args, QStringLiteral("--group"));
    const QStringList suppliers = TakeAll(args, QStringLiteral("--supplier"));
    const auto from = cli::TakeOption(args, QStringLiteral("--from"));
    const auto to = cli::TakeOption(args, QStringLiteral("--to"));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty() || from.has_value() != to.has_value())
        return cli::UsageError(kReportUsage);
    MaintenanceFilter filter;
    if (from) {
        const auto fromDay = ParseDateText(*from);
        const auto toDay = ParseDateText(*to);
        if (!fromDay || !toDay) {
            cli::PrintError(Fill(Translate("Not a date (YYYY-MM-DD): %s"), fromDay ? *to : *from));
            return 1;
        }
        filter.allDates = false;
        filter.fromDay = *fromDay;
        filter.toDay = *toDay;
    }
    MaintenanceLog log;
    if (!LoadLog(dataDir, log)) return 1;
    if (!CheckGroups(log, groups)) return 1;
    for (const QString& group : groups.isEmpty() ? log.GroupNames() : groups)
        filter.groups.insert(group);
    for (const QString& supplier : suppliers.isEmpty() ? log.Suppliers() : suppliers)
        filter.suppliers.insert(supplier.trimmed());
    const MaintenanceReport report = CalcMaintenanceReport(log, filter);
    cli::PrintLine(Tabbed(SelectedItemsHeaders()));
    for (const QStringList& row : report.selected.Rows())
        cli::PrintLine(Tabbed(row));
    cli::PrintLine(Tabbed({Translate("Total cost"), MaintenanceTotalText(report.total)}));
    return 0;
}

int MaintenanceCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == u"list") return List(args);
    if (sub == u"report") return Report(args);
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("maintenance"), kUsage, MaintenanceCommand);

} // namespace
