#include "statistics_report.h"

#include "archive/session_statistics.h"
#include "html_escape.h"
#include "html_writer.h"
#include "lap_time_section.h"
#include "storage/date_time.h"
#include "storage/file_names.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/units.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString DistanceCaption(bool miles) {
    return miles ? Translate("Total distance [miles]") : Translate("Total distance [km]");
}

// The period of the track's sessions; empty when no session had both times.
QString PeriodText(const TTrackStatistics& track) {
    if (track.FirstStart <= 0 || track.LastStop <= 0) return QString();
    return DateText(track.FirstStart) + QStringLiteral(" - ") + DateText(track.LastStop);
}

// "session_{name}.htm" as the session report names its file, so the link finds the exported report.
QString SessionReportTarget(const QString& sessionFile, const QString& prefix) {
    QString path = sessionFile;
    path.replace(u'\\', u'/');
    return ReportFileTarget(prefix + SafeFileName(QFileInfo(path).completeBaseName()) +
                            QStringLiteral(".htm"));
}

void WriteSessionBlock(THTMLWriter& writer, const ReportContext& context, const TSession& session) {
    const auto text = [&context](const QString& value) { return ReportText(context, value); };
    writer.WriteLine(QStringLiteral("<HR>"));
    writer.WriteLine(QStringLiteral("<TABLE><TR><TD VALIGN=\"top\">"));
    writer.BeginTable();
    writer.WriteRow(text(Translate("Start of session")),
                    session.StartTime > 0 ? DateTimeText(session.StartTime) : QString());
    writer.WriteRow(text(Translate("Type of Session")),
                    ReportLink(context, SessionReportTarget(session.FileName, QStringLiteral("session_")),
                               session.SessionType));
    writer.WriteRow(text(Translate("Used setup")),
                    ReportLink(context, SessionReportTarget(session.FileName, QStringLiteral("setup_")),
                               Translate("Click for setup!")));
    if (session.LapCount() > 0) {
        writer.WriteRow(text(Translate("Best laptime")), LapTimeText(session.BestLap));
        writer.WriteRow(text(Translate("Average laptime")), LapTimeText(session.AverageLap()));
    }
    writer.WriteRow(text(Translate("Number of competitors")), text(session.Competitors));
    writer.WriteRow(text(Translate("Competitors best lap")), text(session.CompetitorsBestLap));
    writer.WriteRow(text(Translate("Best competitor")), text(session.BestCompetitorName));
    writer.WriteRow(text(Translate("Drivers position")), text(session.Position));
    writer.EndTable();
    writer.WriteLine(QStringLiteral("</TD><TD WIDTH=\"20\">"));
    writer.WriteLine(QStringLiteral("</TD><TD VALIGN=\"top\">"));
    writer.BeginTable();
    for (const LapGroup& group : LapGroups(session.Laps)) {
        const QStringList& v = group.values;
        writer.WriteRow5(text(group.label), v[0], v[1], v[2], v[3], v[4]);
    }
    writer.EndTable();
    writer.WriteLine(QStringLiteral("</TD></TR></TABLE>"));
}

} // namespace

std::vector<LapGroup> LapGroups(const std::vector<qint32>& laps) {
    std::vector<LapGroup> groups;
    const int count = int(laps.size());
    for (int first = 1; first <= count; first += 5) {
        const int last = std::min(count, first + 4);
        LapGroup group;
        group.label = CompactLapLabel(first, last);
        for (int lap = first; lap < first + 5; ++lap)
            group.values << (lap <= last ? LapTimeText(laps[std::size_t(lap - 1)]) : QString());
        groups.push_back(group);
    }
    return groups;
}

std::optional<double> TrackDistance(int laps, const QString& lengthMetres, bool miles) {
    const auto length = ParseDecimal(lengthMetres);
    if (!length) return std::nullopt;
    if (miles) {
        const auto inMiles = ParseDecimal(ConvertDistance(1, lengthMetres, false));
        if (!inMiles) return std::nullopt;
        return double(laps) * *inMiles;
    }
    return double(RoundHalfEven(double(laps) * *length / 1000.0));
}

void WriteStatisticsReport(THTMLWriter& writer, const ReportContext& context,
                           const TSessionStatistics& statistics, const StatisticsReportOptions& options,
                           const QString& filePath) {
    const auto text = [&context](const QString& value) { return ReportText(context, value); };
    const QString logo = CopyReportLogo(context);
    writer.Charset = context.charset;
    writer.Open(filePath);
    if (context.now) writer.Now = context.now;
    writer.TextColor = context.options.textColor;
    writer.FontFace = HtmlEscapeAttribute(context.options.fontFamily, context.charset);
    writer.BackgroundColor = context.options.backgroundColor;
    writer.HeaderColor = context.options.headerColor;
    writer.ContentColor = context.options.contentColor;
    writer.WriteDocumentStart(text(QStringLiteral("Vorlapa ") + Translate("Statistics")));
    writer.WriteLine(QStringLiteral("<TABLE CELLSPACING=\"2\" CELLPADDING=\"10\" ALIGN=\"center\">"));
    // The logo only when its copy is a file (an empty name would name the folder itself).
    if (!logo.isEmpty() && QFileInfo(QDir(context.exportFolder).filePath(logo)).isFile()) {
        writer.WriteLine(QStringLiteral("<TR><TD ALIGN=\"center\">"));
        QString image =
            QStringLiteral("<IMG SRC=\"") + HtmlLinkTarget(ReportFileTarget(logo), context.charset) + u'"';
        if (context.logo.width > 0 && context.logo.height > 0)
            image += QStringLiteral(" WIDTH=%1 HEIGHT=%2").arg(context.logo.width).arg(context.logo.height);
        writer.WriteLine(image + QStringLiteral(" ALT=\"Logotype\">"));
        writer.WriteLine(QStringLiteral("</TD></TR>"));
    }
    writer.WriteLine(QStringLiteral("<TR><TD ALIGN=\"center\">"));
    writer.WriteTitle(text(Translate("Statistics")));
    if (!options.title.isEmpty()) writer.WriteTitle(text(QStringLiteral(" - ") + options.title));
    writer.WriteLine(QStringLiteral("</TD></TR>"));
    writer.WriteLine(QStringLiteral("</TABLE>"));

    qint64 totalLaps = 0;
    double totalDistance = 0;
    double totalTime = 0;
    for (const TTrackStatistics& track : statistics.Tracks) {
        writer.BeginFrame(QStringLiteral("90%"));
        writer.WriteSectionHeader(text(track.TrackName), QString(), false);
        writer.BeginSectionCell();
        writer.BeginTable();
        writer.WriteRow(text(Translate("Date")), PeriodText(track));
        writer.WriteRow(text(Translate("Total sessions")), QString::number(track.SessionCount()));
        writer.WriteRow(text(Translate("Total laps")), QString::number(track.LapCount()));
        if (options.trackLength) {
            if (const auto distance =
                    TrackDistance(track.LapCount(), options.trackLength(track.TrackName), options.miles)) {
                writer.WriteRow(text(DistanceCaption(options.miles)),
                                FormatPattern(*distance, QStringLiteral("0.0")));
                totalDistance += *distance;
            }
        }
        writer.WriteRow(text(Translate("Total time on track")), TotalTimeText(track.TotalTime));
        if (track.LapCount() > 0) {
            writer.WriteRow(text(Translate("Best laptime")), LapTimeText(track.BestLap()));
            writer.WriteRow(text(Translate("Average laptime")), LapTimeText(track.AverageLap()));
        }
        writer.EndTable();
        if (options.includeLapTimes)
            for (const TSession& session : track.Sessions)
                WriteSessionBlock(writer, context, session);
        writer.EndSectionCell();
        writer.EndSectionRow();
        writer.EndFrame();
        writer.WriteLine(QStringLiteral("<P>"));
        totalLaps += track.LapCount();
        totalTime += track.TotalTime;
    }
    if (statistics.TrackCount() > 1) {
        writer.BeginFrame(QStringLiteral("90%"));
        writer.WriteSectionHeader(text(Translate("Summary for all tracks")), QString(), false);
        writer.BeginSectionCell();
        writer.BeginTable();
        writer.WriteRow(text(Translate("Total laps")), QString::number(totalLaps));
        writer.WriteRow(text(DistanceCaption(options.miles)),
                        FormatPattern(totalDistance, QStringLiteral("0.0")));
        writer.WriteRow(text(Translate("Total time on track")), TotalTimeText(totalTime));
        writer.EndTable();
        writer.EndSectionCell();
        writer.EndSectionRow();
        writer.EndFrame();
    }
    writer.WriteFooter(text(context.caption));
    writer.WriteDocumentEnd();
}

Expected<QString, QString> ExportStatisticsReport(const ReportContext& context,
                                                  const TSessionStatistics& statistics,
                                                  const StatisticsReportOptions& options) {
    if (statistics.TrackCount() == 0) return Unexpected(Translate("No matching data found!"));
    if (!QDir().mkpath(context.exportFolder))
        return Unexpected(Fill(Translate("Cannot create directory %s"), context.exportFolder));
    const QString path = QDir(context.exportFolder).filePath(QStringLiteral("statistics.htm"));
    THTMLWriter writer;
    WriteStatisticsReport(writer, context, statistics, options, path);
    const auto written = writer.Close();
    if (!written) return Unexpected(written.error());
    return path;
}
