#pragma once
// Taking over tracks from another user's track file: the package is the file, its map pictures beside it
// and its movies in a "Movies" folder beside it. Existing tracks are never changed.
#include "track_list.h"
#include "track_units.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// One name of the package as the selection list shows it.
struct TrackPackageEntry {
    QString name;
    bool exists = false; // the own list has it (letter case ignored): shown, but cannot be chosen
};

struct TrackPackage {
    QString file;
    // Sorted as the list shows them (case-insensitive locale order).
    std::vector<TrackPackageEntry> entries;
    // What the reader found wrong in the file, and the names that can never be imported, each with its
    // message (a second entry of a name, a name the track file cannot carry).
    QStringList refusals;
    TTrackList tracks; // the readable tracks with their data, in the order of entries
    QStringList ChoosableNames() const;
};

// Reads the package's track names (at most 200, up to the first missing "track" key) and their data.
// std::nullopt when the file cannot be read (the message in error).
std::optional<TrackPackage> ReadTrackPackage(const QString& file, const TTrackList& own,
                                             const TrackUnits& units, QString* error = nullptr);

// The file name part of a picture or movie path of another machine, split at "\" and "/". Empty when
// nothing usable is left: "", ".", ".." and names holding ":" (a drive) are refused.
QString PackageFileName(const QString& storedPath);

// Asked before a file of the data folder is replaced: true to replace it.
using AskOverwrite = std::function<bool(const QString& targetPath)>;

struct TrackImportResult {
    QStringList imported; // in the order appended
    QStringList refusals; // messages for chosen names not imported
};

// Appends the chosen tracks (matched ignoring case; names that exist or were refused are passed over)
// after the own ones, in the package's sorted order, and copies their maps into "Tracks" and movies into
// "Tracks/Movies" of the data folder. The imported tracks name their local copies; a track whose file is
// missing from the package keeps the stored path. Tracks beyond the 200 the list holds are refused.
TrackImportResult ImportTracks(TTrackList& own, const TrackPackage& package, const QStringList& chosen,
                               const QString& dataDir, const AskOverwrite& askOverwrite);
