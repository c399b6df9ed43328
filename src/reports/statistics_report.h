#pragma once
// The statistics report ".\Exports\statistics.htm": one block per track (period, sessions, laps,
// distance, time on track, best and average lap, and optionally each session with its laps in groups of
// five), and a summary when there is more than one track.
#include "report_context.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class THTMLWriter;
class TSessionStatistics;

struct StatisticsReportOptions {
    QString title;                // "Please enter a title"; empty: none
    bool includeLapTimes = false; // "Include lap times"
    bool miles = false;           // distance unit "miles" rather than "metres"
    // The track list's length in metres for a track name, as typed (may be empty or no number).
    std::function<QString(const QString& track)> trackLength;
};

// The lap rows of a session: "Lap 1-5", "Lap 6-7", "Lap 6" with up to five values each.
struct LapGroup {
    QString label;
    QStringList values; // five, the missing ones empty
};
std::vector<LapGroup> LapGroups(const std::vector<qint32>& laps);

// Total distance of laps on a track of the given length: with miles the length converted to miles
// first; with metres the distance in whole km (half to even). std::nullopt when the length is no number.
std::optional<double> TrackDistance(int laps, const QString& lengthMetres, bool miles);

void WriteStatisticsReport(THTMLWriter& writer, const ReportContext& context,
                           const TSessionStatistics& statistics, const StatisticsReportOptions& options,
                           const QString& filePath);

// Writes the report into the export folder; the path written, or the error. Nothing is written (and
// the error is "No matching data found!") when no track was collected.
Expected<QString, QString> ExportStatisticsReport(const ReportContext& context,
                                                  const TSessionStatistics& statistics,
                                                  const StatisticsReportOptions& options);
