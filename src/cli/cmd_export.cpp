// vorlapa-cli export session FILE.ses [--data-dir DIR]
// vorlapa-cli export setup FILE [--data-dir DIR]
// vorlapa-cli export statistics FILE... [--title TEXT] [--laps] [--data-dir DIR]
// vorlapa-cli export sessions FILE... [--title TEXT] [--group-by-event] [--data-dir DIR]
// vorlapa-cli export compared FILE... [--data-dir DIR]
// vorlapa-cli export purchase-order --supplier NAME [--mode stock|orders|parts] [--data-dir DIR] (see
// cmd_purchase_order.cpp); export tracks|part-status|tire-tags ... (export_commands.cpp)
// Loads the file as the program opens it and writes the HTML reports into the data folder's "Exports"
// folder, with the HTML options, logo and units of the data folder's settings file. Prints the paths
// written.
#include "cmd_purchase_order.h"
#include "command_registry.h"
#include "data_folder_option.h"
#include "export_commands.h"
#include "file_operand.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "archive/session_compare.h"
#include "archive/session_statistics.h"
#include "reports/session_file_inputs.h"
#include "reports/session_list_report.h"
#include "reports/session_report_input.h"
#include "reports/statistics_report.h"
#include "services/services.h"
#include "session/session_file.h"
#include "session/setup_model.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "tracks/track_list.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSingleUsage = QStringLiteral("export session|setup FILE [--data-dir DIR]");
const QString kUsage =
    QStringLiteral(
        "export session|setup FILE [--data-dir DIR]\n"
        "       export statistics FILE... [--title TEXT] [--laps] [--data-dir DIR]\n"
        "       export sessions FILE... [--title TEXT] [--group-by-event] [--data-dir DIR]\n"
        "       export compared FILE... [--data-dir DIR]\n"
        "       export purchase-order --supplier NAME [--mode stock|orders|parts] [--data-dir DIR]\n"
        "       ") +
    cli::kExportTracksUsage + QStringLiteral("\n       ") + cli::kExportPartStatusUsage +
    QStringLiteral("\n       ") + cli::kExportTireTagsUsage;

// The file's own vehicle; a file without one opens for the vehicle the settings hold.
VehicleType VehicleOfFile(const QString& path, const ProgramSettings& settings) {
    TTxtParser reader;
    reader.OpenRead(path);
    QString code = reader.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
    reader.Close();
    if (code.isEmpty()) code = settings.vehicle;
    return VehicleFromCode(code);
}

QString TrackLength(const QString& dataFolder, const QString& track, const TTxtParser::MessageSink& report) {
    if (track.isEmpty()) return QString();
    const TTrackList list = LoadTrackListFile(dataFolder, {}, report);
    const int index = list.IndexOf(track);
    return index < 0 ? QString() : list.At(index).info.Length;
}

ReportContext ContextOf(const QString& dataFolder, const QString& exports, const ProgramSettings& settings) {
    ReportContext context;
    context.exportFolder = exports;
    context.caption = WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR);
    context.options = ReportOptionsFromSettings(settings);
    if (!settings.logotype.isEmpty()) context.logo.path = ResolveDataPath(dataFolder, settings.logotype);
    return context;
}

// The reports of several sessions: statistics, the session list, the comparison.
int ExportMany(const QString& kind, QStringList args) {
    const std::optional<QString> dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const std::optional<QString> title =
        kind == u"compared" ? std::nullopt : cli::TakeOption(args, QStringLiteral("--title"));
    const bool laps = kind == u"statistics" && cli::TakeFlag(args, QStringLiteral("--laps"));
    const bool group = kind == u"sessions" && cli::TakeFlag(args, QStringLiteral("--group-by-event"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->isEmpty()) return cli::UsageError(kUsage);
    QStringList files;
    for (const QString& operand : *operands) {
        const auto file = cli::ExistingFile(operand);
        if (!file) return file.error();
        files << QFileInfo(*file).absoluteFilePath();
    }
    const QString dataFolder = cli::DataFolder(dataDir);
    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings = cli::LoadDataFolderSettings(dataFolder, report);
    if (prompter.anyError) return 1;
    const QString exports = QDir(dataFolder).filePath(QStringLiteral("Exports"));
    if (!QDir().mkpath(exports)) {
        cli::PrintError(QStringLiteral("Cannot create directory ") + exports);
        return 1;
    }
    const ReportContext context = ContextOf(dataFolder, exports, settings);

    if (kind == u"statistics") {
        TSessionStatistics statistics;
        std::vector<SessionStatisticsRecord> records;
        for (const QString& file : files) {
            QString error;
            auto record = ReadStatisticsRecord(file, 1, &error);
            if (!record) {
                cli::PrintError(error);
                return 1;
            }
            records.push_back(std::move(*record));
        }
        AddRecordsByTrack(statistics, std::move(records));
        const TTrackList tracks = LoadTrackListFile(dataFolder, {}, report);
        if (prompter.anyError) return 1;
        StatisticsReportOptions options;
        options.title = title.value_or(QString());
        options.includeLapTimes = laps;
        options.miles = TimingUnitsOfSystem(settings.systemUnit).distanceInMiles;
        options.trackLength = [&tracks](const QString& track) {
            const int index = tracks.IndexOf(track);
            return index < 0 ? QString() : tracks.At(index).info.Length;
        };
        const auto written = ExportStatisticsReport(context, statistics, options);
        if (!written) {
            cli::PrintError(written.error());
            return 1;
        }
        cli::PrintLine(*written);
        return 0;
    }
    if (kind == u"compared") {
        CompareOptions options = CompareOptionsFrom(settings, VehicleOfFile(files.first(), settings));
        options.hideIdentical = true;
        const CompareResult compared = CompareSessions(files, options);
        for (const QString& error : compared.errors)
            cli::PrintError(error);
        if (!compared.errors.isEmpty()) return 1;
        const auto written = ExportComparedReport(context, compared);
        if (!written) {
            cli::PrintError(written.error());
            return 1;
        }
        cli::PrintLine(*written);
        return 0;
    }
    SessionListOptions options;
    options.groupByEvent = group;
    options.title = title.value_or(QString());
    const SessionListExport result =
        ExportSessionList(context, files, options, [&dataFolder, &settings](const QString& path) {
            return LoadSessionReportInputs(path, dataFolder, settings);
        });
    for (const QString& error : result.errors)
        cli::PrintError(error);
    if (result.listPath.isEmpty() || !result.errors.isEmpty()) return 1;
    cli::PrintLine(result.listPath);
    return 0;
}

int Export(QStringList args) {
    if (!args.isEmpty()) {
        if (args.first() == u"purchase-order") return cli::ExportPurchaseOrderCommand(args.mid(1));
        if (args.first() == u"tracks") return cli::ExportTracksCommand(args.mid(1));
        if (args.first() == u"part-status") return cli::ExportPartStatusCommand(args.mid(1));
        if (args.first() == u"tire-tags") return cli::ExportTireTagsCommand(args.mid(1));
    }
    if (!args.isEmpty() &&
        (args.first() == u"statistics" || args.first() == u"sessions" || args.first() == u"compared")) {
        const QString kind = args.takeFirst();
        return ExportMany(kind, args);
    }
    const std::optional<QString> dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 2) return cli::UsageError(kSingleUsage);
    args = *operands;
    const QString kind = args.at(0);
    if (kind != QLatin1String("session") && kind != QLatin1String("setup"))
        return cli::UsageError(kSingleUsage);
    const auto operand = cli::ExistingFile(args.at(1));
    if (!operand) return operand.error();
    const QString path = QFileInfo(*operand).absoluteFilePath();
    const QString dataFolder = cli::DataFolder(dataDir);
    // Any message while reading (a file that cannot be read, a missing ";") fails the export: the
    // report would not show what the files hold.
    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings = cli::LoadDataFolderSettings(dataFolder, report);
    if (prompter.anyError) return 1;
    const QString exports = QDir(dataFolder).filePath(QStringLiteral("Exports"));
    if (!QDir().mkpath(exports)) {
        cli::PrintError(QStringLiteral("Cannot create directory ") + exports);
        return 1;
    }

    ReportContext context;
    context.exportFolder = exports;
    context.caption = WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR);
    context.options = ReportOptionsFromSettings(settings);
    if (!settings.logotype.isEmpty()) context.logo.path = ResolveDataPath(dataFolder, settings.logotype);

    const TimingUnits units = TimingUnitsOfSystem(settings.systemUnit);
    SetupModel setup(VehicleOfFile(path, settings), &prompter);
    setup.ApplyDistanceUnit(units.distanceInMiles);
    if (!setup.OpenSetup(path) || prompter.anyError) return 1;
    const SetupReportInput setupInput = SetupReportInputFrom(setup);

    if (kind == QLatin1String("setup")) {
        const auto written = ExportSetupReport(context, setupInput, path);
        if (!written) {
            cli::PrintError(written.error());
            return 1;
        }
        cli::PrintLine(*written);
        return 0;
    }

    TTxtParser reader(report);
    reader.OpenRead(path);
    SessionUnits sessionUnits;
    sessionUnits.miles = units.distanceInMiles;
    if (settings.systemUnit == QLatin1String("US Standard"))
        sessionUnits.volumeUnit = QStringLiteral(N_("gallons (US)"));
    if (settings.systemUnit == QLatin1String("Imperial Standard"))
        sessionUnits.volumeUnit = QStringLiteral("gallons (Imperial)");
    const SessionRecord record = ReadSessionSections(reader, sessionUnits);
    reader.Close();
    const QString trackLength = TrackLength(dataFolder, record.Track(), report);
    if (prompter.anyError) return 1;
    const SessionReportInput session = SessionReportInputFrom(record, path, settings, trackLength);
    const auto written = ExportSessionReport(context, session, setupInput);
    if (!written) {
        cli::PrintError(written.error());
        return 1;
    }
    for (const QString& file : *written)
        cli::PrintLine(file);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("export"), kUsage, Export);

} // namespace
