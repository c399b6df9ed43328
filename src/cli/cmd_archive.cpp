// vorlapa-cli archive list: the sessions the archive list shows for a tree node, TAB-separated, header
// line first, in the list's default order (by start time).
#include "command_registry.h"
#include "data_folder_option.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "archive/archive_list.h"
#include "archive/archive_scan.h"
#include "archive/archive_tree.h"
#include "archive/session_summary.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "storage/vehicle.h"
#include "tracks/track_list.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral(
    "archive list [--data-dir DIR] [--vehicle CODE] [--node TEXT] [--units metric|us|imperial] [--ad]");

std::optional<QString> UnitSystem(const QString& option) {
    if (option == u"metric") return Unit::Metric;
    if (option == u"us") return Unit::USStandard;
    if (option == u"imperial") return Unit::ImperialStandard;
    return std::nullopt;
}

// A cell on one line of the output: tabs and line breaks become blanks.
QString OneCell(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
    return text;
}

QString VisibleLine(const QStringList& cells) {
    QStringList shown;
    for (int column = 0; column < ArchiveColumn::kVisible; ++column)
        shown << OneCell(cells.value(column));
    return shown.join(u'\t');
}

int ArchiveList(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto vehicle = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const auto node = cli::TakeOption(args, QStringLiteral("--node"));
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    const bool ad = cli::TakeFlag(args, QStringLiteral("--ad"));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    const double today = DayNumberFromDateTime(QDateTime::currentDateTime());
    bool failed = false;
    auto report = [&failed](const QString& message) {
        failed = true;
        cli::PrintError(message);
    };
    ProgramSettings settings =
        LoadSettingsFile(QDir(dataDir).filePath(QString::fromLatin1(kSettingsFileName)), today, report);
    if (units) {
        const auto system = UnitSystem(*units);
        if (!system) return cli::UsageError(kUsage);
        settings.systemUnit = *system;
    }
    if (ad) settings.useAd = true;
    QString code = vehicle.value_or(settings.vehicle);
    if (vehicle && VehicleCode(VehicleFromCode(code)) != code.toLower()) {
        cli::PrintError(Fill(Translate("Unknown vehicle type %s"), code));
        return 1;
    }
    code = VehicleCode(VehicleFromCode(code));

    SummaryOptions options = SummaryOptionsFrom(settings, code);
    AddTrackLengths(options, LoadTrackListFile(dataDir, {}, report));

    ArchiveScanner scanner;
    const SummaryRows rows = scanner.Scan(QDir(dataDir).filePath(QStringLiteral("Sessions")), options);
    const ArchiveFilters noFilter;
    std::optional<TreeNode> chosen;
    if (node) {
        chosen = FindNode(BuildTree(rows, noFilter), *node);
        if (!chosen) {
            cli::PrintError(Fill(Translate("No node %s in the session archive"), *node));
            return 1;
        }
    }
    SummaryRows list;
    for (const int index : RowsForNode(rows, noFilter, chosen).rows)
        list.push_back(rows[std::size_t(index)]);
    SortSummaryRows(list, ArchiveSort{});
    cli::PrintLine(VisibleLine(SummaryHeaders(options)));
    for (const QStringList& row : list)
        cli::PrintLine(VisibleLine(row));
    // Unreadable files are listed with their error; the command still fails.
    for (const QString& error : scanner.UnreadableErrorsLastScan())
        report(error);
    const QString unread =
        UnreadableStatusText(scanner.UnreadableFilesLastScan(), scanner.UnreadableFoldersLastScan());
    if (!unread.isEmpty()) report(unread);
    return failed ? 1 : 0;
}

int ArchiveCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty() || args.takeFirst() != QLatin1String("list")) return cli::UsageError(kUsage);
    return ArchiveList(args);
}

const cli::Registrar registrar(QStringLiteral("archive"), kUsage, ArchiveCommand);

} // namespace
