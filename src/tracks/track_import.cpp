#include "track_import.h"

#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "track_media_files.h"
#include "track_names.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

QStringList TrackPackage::ChoosableNames() const {
    QStringList names;
    for (const TrackPackageEntry& entry : entries)
        if (!entry.exists) names << entry.name;
    return names;
}

QString PackageFileName(const QString& storedPath) {
    QString path = storedPath.trimmed();
    path.replace(u'\\', u'/');
    const QString name = path.section(u'/', -1);
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u':')) return QString();
    return name;
}

std::optional<TrackPackage> ReadTrackPackage(const QString& file, const TTrackList& own,
                                             const TrackUnits& units, QString* error) {
    QStringList messages;
    TTxtParser parser([&messages](const QString& message) { messages << message; });
    parser.OpenRead(file);
    if (!parser.IsOpen()) {
        if (error)
            *error = messages.isEmpty() ? Fill(Translate("Cannot read %s"), file) : messages.join(u'\n');
        return std::nullopt;
    }
    TrackPackage package;
    package.file = file;
    messages.clear();
    // The same reading as the own file: names up to the first missing one, at most 200, sorted; names
    // the file cannot carry and second entries of a name are passed over.
    ReadTrackList(parser, package.tracks, units);
    QStringList listed;
    for (int number = 1; number <= kMaxTracks; ++number) {
        const QString name =
            parser.ReadValue(QStringLiteral("tracks"), QStringLiteral("track%1").arg(number));
        if (name.isEmpty()) break;
        listed << name;
    }
    parser.Close();
    // What the reader found wrong in the file is shown, but the readable tracks can still be taken.
    package.refusals << messages;

    QStringList seen;
    for (const QString& name : std::as_const(listed)) {
        if (CheckTrackName(TrimTrackName(name)) != TrackNameProblem::None)
            package.refusals << Fill(
                Translate("The track name \"%s\" cannot be used, the track is not imported."), name);
        else if (seen.contains(name, Qt::CaseInsensitive))
            package.refusals << Fill(
                Translate("The track %s is listed more than once, only the first is imported."), name);
        seen << name;
    }
    for (const NamedTrack& track : package.tracks.Items())
        package.entries.push_back({track.name, own.Contains(track.name)});
    return package;
}

namespace {

// Copies the package file into the folder unless the user keeps an existing file of that name; returns
// the stored form of the local copy, or std::nullopt when there is none.
std::optional<QString> CopyPackageFile(const QString& sourceFolder, const QString& storedPath,
                                       const QString& targetFolder, const QString& storedPrefix,
                                       const AskOverwrite& askOverwrite) {
    const QString name = PackageFileName(storedPath);
    if (name.isEmpty()) return std::nullopt;
    const QString source = QDir(sourceFolder).filePath(name);
    if (!QFileInfo(source).isFile()) return std::nullopt;
    const QString target = QDir(targetFolder).filePath(name);
    if (QFileInfo(source).canonicalFilePath() != QFileInfo(target).canonicalFilePath()) {
        const bool exists = QFileInfo::exists(target);
        if (!exists || !askOverwrite || askOverwrite(target)) {
            QDir().mkpath(targetFolder);
            if (CopyIntoFolder(source, targetFolder).isEmpty() && !exists) return std::nullopt;
        }
    }
    return storedPrefix + name;
}

bool IsWebAddress(const QString& path) {
    return path.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           path.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

TrackImportResult ImportTracks(TTrackList& own, const TrackPackage& package, const QStringList& chosen,
                               const QString& dataDir, const AskOverwrite& askOverwrite) {
    TrackImportResult result;
    const QString packageFolder = QFileInfo(package.file).absolutePath();
    const QString tracksFolder = QDir(dataDir).filePath(QStringLiteral("Tracks"));
    const QString moviesFolder = QDir(tracksFolder).filePath(QStringLiteral("Movies"));
    for (const NamedTrack& track : package.tracks.Items()) {
        if (!chosen.contains(track.name, Qt::CaseInsensitive) || own.Contains(track.name)) continue;
        if (own.IsFull()) {
            result.refusals << Fill(Translate("The track list holds %s tracks, %s is not imported."),
                                    {QString::number(kMaxTracks), track.name});
            continue;
        }
        TTrackInfo info = track.info;
        if (!info.Picture.isEmpty()) {
            if (PackageFileName(info.Picture).isEmpty())
                info.Picture.clear(); // no file name of the package: nothing to show
            else if (auto local = CopyPackageFile(packageFolder, info.Picture, tracksFolder,
                                                  QStringLiteral(".\\Tracks\\"), askOverwrite))
                info.Picture = *local;
        }
        if (!info.Movie.isEmpty() && !IsWebAddress(info.Movie)) {
            if (PackageFileName(info.Movie).isEmpty())
                info.Movie.clear();
            else if (auto local =
                         CopyPackageFile(QDir(packageFolder).filePath(QStringLiteral("Movies")), info.Movie,
                                         moviesFolder, QStringLiteral(".\\Tracks\\Movies\\"), askOverwrite))
                info.Movie = *local;
        }
        own.Append(track.name, info);
        result.imported << track.name;
    }
    return result;
}
