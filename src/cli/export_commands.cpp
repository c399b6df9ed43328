// vorlapa-cli export tracks [--copy-movies] [--max-width W --max-height H --fit|--restrict] [--data-dir DIR]
// Writes the track pages into the data folder's "Exports" folder with the HTML options, logo and units of
// the settings file; movies are linked (and copied with --copy-movies), maps scaled into the box with
// --fit or shrunk into it with --restrict. Prints the files written, the index first.
#include "export_commands.h"
#include "command_registry.h"
#include "data_folder_option.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "reports/report_context.h"
#include "reports/track_export.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "tracks/track_list.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace cli {
namespace {

struct ExportSetup {
    QString dataFolder;
    ProgramSettings settings;
    ReportContext context;
};

// The settings and report context of the data folder, the export folder made; std::nullopt after the
// message.
std::optional<ExportSetup> PrepareExport(const std::optional<QString>& dataDir) {
    ExportSetup setup;
    setup.dataFolder = DataFolder(dataDir);
    if (!QFileInfo(setup.dataFolder).isDir()) {
        PrintError(Fill(Translate("No data folder %s"), setup.dataFolder));
        return std::nullopt;
    }
    StderrPrompter prompter;
    setup.settings = LoadSettingsFile(QDir(setup.dataFolder).filePath(QString::fromLatin1(kSettingsFileName)),
                                      DayNumberFromDateTime(QDateTime::currentDateTime()),
                                      [&prompter](const QString& message) { prompter.ShowError(message); });
    if (prompter.anyError) return std::nullopt;
    const QString exports = QDir(setup.dataFolder).filePath(QStringLiteral("Exports"));
    if (!QDir().mkpath(exports)) {
        PrintError(QStringLiteral("Cannot create directory ") + exports);
        return std::nullopt;
    }
    setup.context.exportFolder = exports;
    setup.context.caption = WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR);
    setup.context.options = ReportOptionsFromSettings(setup.settings);
    if (!setup.settings.logotype.isEmpty())
        setup.context.logo.path = ResolveDataPath(setup.dataFolder, setup.settings.logotype);
    return setup;
}

int PrintWritten(const Expected<QStringList, QString>& written) {
    if (!written) {
        PrintError(written.error());
        return 1;
    }
    for (const QString& file : *written)
        PrintLine(file);
    return 0;
}

} // namespace

int ExportTracksCommand(QStringList args) {
    const std::optional<QString> dataDir = TakeOption(args, QStringLiteral("--data-dir"));
    TrackExportOptions options;
    options.copyMovies = TakeFlag(args, QStringLiteral("--copy-movies"));
    const auto width = TakeOption(args, QStringLiteral("--max-width"));
    const auto height = TakeOption(args, QStringLiteral("--max-height"));
    const bool fit = TakeFlag(args, QStringLiteral("--fit"));
    const bool restrictSize = TakeFlag(args, QStringLiteral("--restrict"));
    const auto operands = Operands(args);
    if (!operands || !operands->isEmpty() || (fit && restrictSize) ||
        (fit || restrictSize) != (width || height))
        return UsageError(kExportTracksUsage);
    if (fit || restrictSize) {
        options.controlSize = true;
        options.sizeChoice = fit ? MapSizeChoice::Fit : MapSizeChoice::Restrict;
        options.maxWidth = width.value_or(QString());
        options.maxHeight = height.value_or(QString());
    }
    auto setup = PrepareExport(dataDir);
    if (!setup) return 1;
    const DerivedUnits derived = DerivedUnitsOf(setup->settings.systemUnit);
    TrackExportInput input;
    input.dataDir = setup->dataFolder;
    input.units = TrackUnits{derived.distance, derived.volume};
    input.options = options;
    bool failed = false;
    input.tracks = LoadTrackListFile(setup->dataFolder, input.units, [&failed](const QString& message) {
        PrintError(message);
        failed = true;
    });
    if (failed) return 1;
    if (input.tracks.Count() == 0) {
        PrintError(Translate("You first have to add some tracks!"));
        return 1;
    }
    return PrintWritten(ExportTrackPages(setup->context, input));
}

} // namespace cli
