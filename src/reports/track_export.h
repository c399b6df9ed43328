#pragma once
// The track list as linked HTML pages in the export folder: the index "tracks.htm" with the names
// grouped by initial letter, and one page per track (data, organisation, map, notes) named as the
// session report links to it.
#include "report_context.h"
#include "storage/expected.h"
#include "tracks/track_list.h"
#include "tracks/track_units.h"

#include <QSize>
#include <QString>
#include <QStringList>

enum class MapSizeChoice { None, Restrict, Fit };

// The "Export Tracks" options as the window holds them.
struct TrackExportOptions {
    bool movieLinks = true;   // "Create links to track movies"
    bool copyMovies = false;  // "Copy track movies to Exports folder" (counts only with links)
    bool controlSize = false; // "Control display size of track images"
    QString maxWidth = QStringLiteral("600");
    QString maxHeight = QStringLiteral("400");
    MapSizeChoice sizeChoice = MapSizeChoice::None; // counts only with size control

    bool CopiesMovies() const { return movieLinks && copyMovies; }
    MapSizeChoice EffectiveSizeChoice() const { return controlSize ? sizeChoice : MapSizeChoice::None; }
    // The size box: 1000 x 1000, each side taken from its text when that is a whole number.
    QSize Box() const;
};

// The map's shown size: "Fit" scales every map into the box, "Restrict" only shrinks a larger one, both
// keeping the aspect ratio. A box or map size that is not positive means no scaling.
QSize ScaledMapSize(QSize map, QSize box, MapSizeChoice choice);

// The index's initial: the first character, upper-cased for a to z only.
QString TrackInitial(const QString& name);

struct TrackExportInput {
    QString dataDir; // where the track file's relative picture and movie paths start
    TTrackList tracks;
    TrackUnits units;
    TrackExportOptions options;
};

// Writes the index and every track page (copying the logo, maps and, by option, movies; failed copies
// leave the picture out). Returns the files written, the index first; a write error ends the export.
Expected<QStringList, QString> ExportTrackPages(const ReportContext& context, const TrackExportInput& input);
