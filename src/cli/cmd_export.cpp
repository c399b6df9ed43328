// vorlapa-cli export session FILE.ses [--data-dir DIR]
// vorlapa-cli export setup FILE [--data-dir DIR]
// Loads the file as the program opens it and writes the HTML reports into the data folder's "Exports"
// folder, with the HTML options, logo and units of the data folder's settings file. Prints the paths
// written.
#include "command_registry.h"
#include "data_folder_option.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "services/services.h"
#include "app/settings_file.h"
#include "reports/session_report_input.h"
#include "session/session_file.h"
#include "session/setup_model.h"
#include "storage/date_time.h"
#include "storage/txt_parser.h"
#include "tracks/track_list.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kUsage = QStringLiteral("export session|setup FILE [--data-dir DIR]");

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

int Export(QStringList args) {
    const std::optional<QString> dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 2) return cli::UsageError(kUsage);
    args = *operands;
    const QString kind = args.at(0);
    if (kind != QLatin1String("session") && kind != QLatin1String("setup")) return cli::UsageError(kUsage);
    const QString path = QFileInfo(args.at(1)).absoluteFilePath();
    if (!QFileInfo(path).isFile()) {
        cli::PrintError(QStringLiteral("File not found: ") + args.at(1));
        return 1;
    }
    const QString dataFolder = cli::DataFolder(dataDir);
    // Any message while reading (a file that cannot be read, a missing ";") fails the export: the
    // report would not show what the files hold.
    cli::StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const ProgramSettings settings =
        LoadSettingsFile(QDir(dataFolder).filePath(QString::fromLatin1(kSettingsFileName)),
                         DayNumberFromDateTime(QDateTime::currentDateTime()), report);
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
        sessionUnits.volumeUnit = QStringLiteral("gallons (US)");
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
