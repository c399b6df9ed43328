// vorlapa-cli archive list: the sessions the archive list shows for a tree node, TAB-separated (or
// comma-separated values with --csv), header line first, in the list's default order (by start time).
// vorlapa-cli archive compare: sessions side by side, TAB-separated, the rows the comparison grid shows.
#include "command_registry.h"
#include "data_folder_option.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "archive/archive_list.h"
#include "archive/archive_scan.h"
#include "archive/archive_tree.h"
#include "archive/session_compare.h"
#include "archive/session_summary.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "storage/vehicle.h"
#include "tracks/track_list.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("archive list [--data-dir DIR] [--vehicle CODE] [--node TEXT] [--units "
                                      "metric|us|imperial] [--ad] [--csv]\n"
                                      "       archive compare FILE... [--no-setup] [--no-session] "
                                      "[--hide-identical] [--units metric|us|imperial]");

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

// A comma-separated field: quoted (inner quotes doubled) when it holds a comma, a quote or a line break.
QString CsvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString VisibleLine(const QStringList& cells, bool csv) {
    QStringList shown;
    for (int column = 0; column < ArchiveColumn::kVisible; ++column)
        shown << (csv ? CsvField(cells.value(column)) : OneCell(cells.value(column)));
    return shown.join(csv ? u',' : u'\t');
}

int ArchiveList(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto vehicle = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const auto node = cli::TakeOption(args, QStringLiteral("--node"));
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    const bool ad = cli::TakeFlag(args, QStringLiteral("--ad"));
    const bool csv = cli::TakeFlag(args, QStringLiteral("--csv"));
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
    scanner.SetIndexFile(QDir(dataDir).filePath(QString::fromLatin1(kArchiveIndexFileName)));
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
    cli::PrintLine(VisibleLine(SummaryHeaders(options), csv));
    for (const QStringList& row : list)
        cli::PrintLine(VisibleLine(row, csv));
    // Unreadable files are listed with their error; the command still fails.
    for (const QString& error : scanner.UnreadableErrorsLastScan())
        report(error);
    const QString unread =
        UnreadableStatusText(scanner.UnreadableFilesLastScan(), scanner.UnreadableFoldersLastScan());
    if (!unread.isEmpty()) report(unread);
    return failed ? 1 : 0;
}

// The vehicle of the first file that names one; "mc" when none does.
QString VehicleOfFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        TTxtParser reader;
        reader.OpenRead(path);
        const QString code = reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
        reader.Close();
        if (!code.isEmpty()) return VehicleCode(VehicleFromCode(code));
    }
    return QStringLiteral("mc");
}

int ArchiveCompare(QStringList args) {
    const bool noSetup = cli::TakeFlag(args, QStringLiteral("--no-setup"));
    const bool noSession = cli::TakeFlag(args, QStringLiteral("--no-session"));
    const bool hideIdentical = cli::TakeFlag(args, QStringLiteral("--hide-identical"));
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->isEmpty()) return cli::UsageError(kUsage);
    QString system = Unit::Metric;
    if (units) {
        const auto chosen = UnitSystem(*units);
        if (!chosen) return cli::UsageError(kUsage);
        system = *chosen;
    }
    CompareOptions options;
    options.includeSetup = !noSetup;
    options.includeSession = !noSession;
    options.hideIdentical = hideIdentical;
    const DerivedUnits derived = DerivedUnitsOf(system);
    options.volumeUnit = derived.volume;
    options.miles = derived.distance == Unit::Miles;
    options.vehicleCode = VehicleOfFiles(*operands);

    const CompareResult result = CompareSessions(*operands, options);
    cli::PrintLine(QString() + u'\t' + result.files.join(u'\t'));
    for (int row = 0; row < result.RowCount(); ++row) {
        QStringList cells{OneCell(result.titles.at(row))};
        for (const QString& value : result.values[std::size_t(row)])
            cells << OneCell(value);
        cli::PrintLine(cells.join(u'\t'));
    }
    // A file that could not be read has an empty column; the command reports it and fails.
    for (const QString& error : result.errors)
        cli::PrintError(error);
    return result.errors.isEmpty() ? 0 : 1;
}

int ArchiveCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("list")) return ArchiveList(args);
    if (sub == QLatin1String("compare")) return ArchiveCompare(args);
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("archive"), kUsage, ArchiveCommand);

} // namespace
