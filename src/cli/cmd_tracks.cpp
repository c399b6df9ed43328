// vorlapa-cli tracks list [--data-dir DIR]: the names of the track list, one per line, in list order.
// vorlapa-cli tracks import PACKAGE.txt [--track NAME]... [--data-dir DIR]: takes over the named tracks
// of another user's track file (all of them when none is named) with their maps and movies, and writes
// the track file. Prints the names imported; names that exist, are refused or are not in the package go
// to stderr. Files of the data folder are never replaced.
#include "command_registry.h"
#include "data_folder_option.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "tracks/track_import.h"
#include "tracks/track_list.h"
#include "tracks/track_names.h"

#include <QDateTime>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("tracks list [--data-dir DIR]\n"
                                      "       tracks import PACKAGE.txt [--track NAME]... [--data-dir DIR]");

int ImportCommand(QStringList args) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    QStringList named;
    while (const auto name = cli::TakeOption(args, QStringLiteral("--track")))
        named << *name;
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 1) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    bool failed = false;
    auto report = [&failed](const QString& message) {
        cli::PrintError(message);
        failed = true;
    };
    const ProgramSettings settings = cli::LoadDataFolderSettings(dataDir, report);
    const DerivedUnits derived = DerivedUnitsOf(settings.systemUnit);
    const TrackUnits units{derived.distance, derived.volume};
    bool unreadable = false;
    TTrackList list = LoadTrackListFile(dataDir, units, report, &unreadable);
    if (failed || unreadable) return 1;

    QString error;
    const auto package = ReadTrackPackage(operands->first(), list, units, &error);
    if (!package) {
        cli::PrintError(error);
        return 1;
    }
    for (const QString& refusal : package->refusals)
        cli::PrintError(refusal);
    QStringList chosen;
    auto choose = [&](const TrackPackageEntry& entry) {
        if (entry.exists)
            cli::PrintError(Fill(Translate("The track %s exists already."), entry.name));
        else
            chosen << entry.name;
    };
    if (named.isEmpty()) {
        for (const TrackPackageEntry& entry : package->entries)
            choose(entry);
    } else {
        for (const QString& name : std::as_const(named)) {
            const auto found =
                std::find_if(package->entries.begin(), package->entries.end(),
                             [&](const TrackPackageEntry& e) { return SameTrackName(e.name, name); });
            if (found == package->entries.end())
                cli::PrintError(Fill(Translate("The package holds no track %s."), name));
            else
                choose(*found);
        }
    }
    const TrackImportResult result = ImportTracks(list, *package, chosen, dataDir, [](const QString& target) {
        cli::PrintError(Fill(Translate("The file %s exists, it is kept."), QDir::toNativeSeparators(target)));
        return false;
    });
    for (const QString& refusal : result.refusals)
        cli::PrintError(refusal);
    if (result.imported.isEmpty()) return 0;
    const auto saved = SaveTrackListFile(TrackListPath(dataDir), list, dataDir);
    if (!saved) {
        cli::PrintError(saved.error());
        return 1;
    }
    for (const QString& name : result.imported)
        cli::PrintLine(name);
    return 0;
}

int TracksCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kUsage);
    const QString sub = args.takeFirst();
    if (sub == QLatin1String("import")) return ImportCommand(args);
    if (sub != QLatin1String("list")) return cli::UsageError(kUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    bool failed = false;
    const TTrackList list = LoadTrackListFile(dataDir, {}, [&](const QString& message) {
        cli::PrintError(message);
        failed = true;
    });
    for (const QString& name : list.Names())
        cli::PrintLine(name);
    return failed ? 1 : 0;
}

const cli::Registrar registrar(QStringLiteral("tracks"), kUsage, TracksCommand);

} // namespace
