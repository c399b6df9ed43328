// vorlapa-cli export tracks [--copy-movies] [--max-width W --max-height H --fit|--restrict] [--data-dir DIR]
// vorlapa-cli export part-status [--inspection] [--group NAME]... [--supplier NAME]... [--sort CAPTION]...
//     [--show COLUMN]... [--hide COLUMN]... [--mileage-below N] [--hours-below N] [--starts-below N]
//     [--data-dir DIR]
// vorlapa-cli export tire-tags [--vehicle CODE] [--id ID]... [--data-dir DIR]
// Writes the track pages into the data folder's "Exports" folder with the HTML options, logo and units of
// the settings file; movies are linked (and copied with --copy-movies), maps scaled into the box with
// --fit or shrunk into it with --restrict. Prints the files written, the index first.
// The part status report takes the named groups (all groups when none is named) and suppliers (all when
// none is named), sorted by up to two captions ("Location", "Part No." when none is given); the columns
// are "mileage", "hours", "starts", "sessions", "price" and "suppliers". The inspection report keeps the
// parts below the given thresholds (all three at 0 when none is given). The tags are those of the named
// tire IDs (all tires when none is named) of the vehicle's tire list (the settings' vehicle by default).
#include "export_commands.h"
#include "command_registry.h"
#include "data_folder_option.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "reports/part_status_report.h"
#include "reports/report_context.h"
#include "reports/tire_tags.h"
#include "reports/track_export.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "tracks/track_list.h"
#include "workshop/part_status_data.h"
#include "workshop/tire_list.h"

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
    setup.settings = LoadDataFolderSettings(
        setup.dataFolder, [&prompter](const QString& message) { prompter.ShowError(message); });
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

QStringList TakeAll(QStringList& args, const QString& name) {
    QStringList values;
    while (const auto value = TakeOption(args, name))
        values << *value;
    return values;
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

int ExportPartStatusCommand(QStringList args) {
    const std::optional<QString> dataDir = TakeOption(args, QStringLiteral("--data-dir"));
    PartStatusExportOptions options;
    if (TakeFlag(args, QStringLiteral("--inspection"))) options.type = PartReportType::Inspection;
    options.groups = TakeAll(args, QStringLiteral("--group"));
    options.suppliers = TakeAll(args, QStringLiteral("--supplier"));
    options.allSuppliers = options.suppliers.isEmpty();
    const QStringList sorts = TakeAll(args, QStringLiteral("--sort"));
    const QStringList shown = TakeAll(args, QStringLiteral("--show"));
    const QStringList hidden = TakeAll(args, QStringLiteral("--hide"));
    const auto mileage = TakeOption(args, QStringLiteral("--mileage-below"));
    const auto hours = TakeOption(args, QStringLiteral("--hours-below"));
    const auto starts = TakeOption(args, QStringLiteral("--starts-below"));
    const auto operands = Operands(args);
    if (!operands || !operands->isEmpty() || sorts.size() > 2) return UsageError(kExportPartStatusUsage);
    if (!sorts.isEmpty()) {
        options.firstSort = sorts.value(0);
        options.secondSort = sorts.value(1);
    }
    const std::pair<const char*, bool*> columns[] = {
        {N_("mileage"), &options.showMileage}, {"hours", &options.showHours},
        {N_("starts"), &options.showStarts},   {N_("sessions"), &options.showSessions},
        {"price", &options.showPrice},         {"suppliers", &options.showSuppliers}};
    for (const auto& [list, value] : {std::pair{&shown, true}, std::pair{&hidden, false}})
        for (const QString& name : *list) {
            const auto column = std::find_if(std::begin(columns), std::end(columns),
                                             [&](const auto& c) { return name == QLatin1String(c.first); });
            if (column == std::end(columns)) return UsageError(kExportPartStatusUsage);
            *column->second = value;
        }
    if (mileage || hours || starts) {
        options.mileageBelow = {bool(mileage), mileage.value_or(QString())};
        options.hoursBelow = {bool(hours), hours.value_or(QString())};
        options.startsBelow = {bool(starts), starts.value_or(QString())};
    }
    auto setup = PrepareExport(dataDir);
    if (!setup) return 1;
    auto loaded = LoadPartStatusFiles(setup->dataFolder);
    if (!loaded) {
        PrintError(loaded.error());
        return 1;
    }
    if (loaded->tooNew) {
        PrintError(TooNewPartStatusText());
        return 1;
    }
    if (options.groups.isEmpty()) {
        for (const PartGroup& group : loaded->groups)
            options.groups << group.name;
    } else {
        for (const QString& name : std::as_const(options.groups))
            if (std::none_of(loaded->groups.begin(), loaded->groups.end(),
                             [&](const PartGroup& g) { return g.name == name; })) {
                PrintError(Fill(Translate("No part status group %s"), name));
                return 1;
            }
    }
    std::vector<ReportPart> parts = CollectReportParts(loaded->groups, options);
    if (parts.empty()) {
        PrintError(Translate("No matching data found!"));
        return 1;
    }
    SortReportParts(parts, options.firstSort, options.secondSort);
    const auto written = WritePartStatusReport(setup->context, parts, options);
    if (!written) {
        PrintError(written.error());
        return 1;
    }
    PrintLine(*written);
    return 0;
}

int ExportTireTagsCommand(QStringList args) {
    const std::optional<QString> dataDir = TakeOption(args, QStringLiteral("--data-dir"));
    const std::optional<QString> vehicleCode = TakeOption(args, QStringLiteral("--vehicle"));
    const QStringList ids = TakeAll(args, QStringLiteral("--id"));
    const auto operands = Operands(args);
    if (!operands || !operands->isEmpty()) return UsageError(kExportTireTagsUsage);
    auto setup = PrepareExport(dataDir);
    if (!setup) return 1;
    const auto tires = LoadChosenTires(setup->dataFolder, setup->settings, vehicleCode, ids);
    if (!tires) return 1;
    const auto written = WriteTireTags(setup->context, tires->tires, tires->vehicle,
                                       DerivedUnitsOf(setup->settings.systemUnit).distance == Unit::Miles);
    if (!written) {
        PrintError(written.error());
        return 1;
    }
    PrintLine(*written);
    return 0;
}

std::optional<ChosenTires> LoadChosenTires(const QString& dataFolder, const ProgramSettings& settings,
                                           const std::optional<QString>& vehicleCode,
                                           const QStringList& ids) {
    ChosenTires chosen;
    chosen.vehicle = VehicleFromCode(vehicleCode.value_or(settings.vehicle));
    auto list = LoadTireListFile(dataFolder, chosen.vehicle);
    if (!list) {
        PrintError(list.error());
        return std::nullopt;
    }
    for (const QString& id : ids)
        if (FindTireRow(*list, id) < 0) {
            PrintError(Fill(Translate("No tire %s"), id));
            return std::nullopt;
        }
    // In list order, whatever order the IDs were named in.
    for (const TireRecord& tire : list->tires)
        if (ids.isEmpty() || ids.contains(tire.Id())) chosen.tires.push_back(tire);
    if (chosen.tires.empty()) {
        PrintError(Translate("No tires selected!"));
        return std::nullopt;
    }
    return chosen;
}

} // namespace cli
