#include "session_list_report.h"

#include "archive/session_compare.h"
#include "html_escape.h"
#include "html_writer.h"
#include "storage/date_time.h"
#include "storage/file_names.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"
#include "timing/lap_timer.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kLineBreak = QStringLiteral("\n\r");

QStringList NoteLines(const QString& notes) {
    QString text = notes;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

// A table cell of the list: escaped text, "&nbsp;" when empty.
void WriteCell(THTMLWriter& writer, const ReportContext& context, const QString& text) {
    writer.WriteLine(QStringLiteral("<TD VALIGN=\"top\" BGCOLOR=\"") + writer.ContentColor +
                     QStringLiteral("\">"));
    writer.WriteText(text.isEmpty() ? QStringLiteral("&nbsp;") : ReportText(context, text));
    writer.WriteLine(QStringLiteral("</TD>"));
}

void BeginCell(THTMLWriter& writer) {
    writer.WriteLine(QStringLiteral("<TD VALIGN=\"top\" BGCOLOR=\"") + writer.ContentColor +
                     QStringLiteral("\">"));
}

QString SessionTarget(const QString& sessionFile) {
    return HtmlLinkTarget(
        ReportFileTarget(QStringLiteral("session_") + ReportFileStem(sessionFile) + QStringLiteral(".htm")));
}

QString TrackTarget(const QString& track) {
    return HtmlLinkTarget(ReportFileTarget(TrackPageName(track)));
}

void WriteDateLink(THTMLWriter& writer, const ReportContext& context, const SessionListEntry& entry) {
    BeginCell(writer);
    const QString date = entry.date.isEmpty() ? QStringLiteral("&nbsp;") : ReportText(context, entry.date);
    writer.WriteLink(
        date, SessionTarget(entry.sessionFile), HtmlEscapeScriptString(ReportBaseName(entry.sessionFile)),
        HtmlEscapeAttribute(SessionListNotesText(entry.driverNotes, entry.vehicleNotes), context.charset));
    writer.WriteLine(QStringLiteral("</TD>"));
}

void WriteTrackLink(THTMLWriter& writer, const ReportContext& context, const QString& track, bool bold) {
    BeginCell(writer);
    if (track.isEmpty())
        writer.WriteText(QStringLiteral("&nbsp;"));
    else if (bold)
        writer.WriteBoldLink(ReportText(context, track), TrackTarget(track), QString(), QString());
    else
        writer.WriteLink(ReportText(context, track), TrackTarget(track), QString(), QString());
    writer.WriteLine(QStringLiteral("</TD>"));
}

void WriteHeaderCell(THTMLWriter& writer, const ReportContext& context, const char* title) {
    writer.WriteLine(QStringLiteral("<TD VALIGN=\"top\" BGCOLOR=\"") + writer.HeaderColor +
                     QStringLiteral("\">"));
    writer.WriteHeading(ReportText(context, Translate(title)));
    writer.WriteLine(QStringLiteral("</TD>"));
}

void WriteTitleBlock(THTMLWriter& writer, const ReportContext& context, const QString& documentTitle,
                     const QString& pageTitle, const QString& heading, const QString& filePath) {
    const QString logo = CopyReportLogo(context);
    writer.Charset = context.charset;
    writer.Open(filePath);
    if (context.now) writer.Now = context.now;
    writer.TextColor = context.options.textColor;
    writer.FontFace = HtmlEscapeAttribute(context.options.fontFamily, context.charset);
    writer.BackgroundColor = context.options.backgroundColor;
    writer.HeaderColor = context.options.headerColor;
    writer.ContentColor = context.options.contentColor;
    writer.WriteDocumentStart(ReportText(context, documentTitle));
    writer.WriteLine(QStringLiteral("<TABLE CELLSPACING=\"2\" CELLPADDING=\"2\" ALIGN=\"center\">"));
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
    writer.WriteTitle(ReportText(context, pageTitle));
    if (!heading.isEmpty()) {
        writer.WriteLine(QStringLiteral("<BR>"));
        writer.WriteHeading(ReportText(context, heading));
    }
    writer.WriteLine(QStringLiteral("</TD></TR>"));
    writer.WriteLine(QStringLiteral("</TABLE>"));
}

} // namespace

QString SessionListNotesText(const QString& driverNotes, const QString& vehicleNotes) {
    QString text;
    if (!driverNotes.isEmpty())
        text = Translate("Driver Notes") + kLineBreak + NoteLines(driverNotes).join(kLineBreak);
    if (!vehicleNotes.isEmpty()) {
        if (!text.isEmpty()) text += kLineBreak + QStringLiteral("--------------") + kLineBreak;
        text += Translate("Vehicle Notes") + kLineBreak + NoteLines(vehicleNotes).join(kLineBreak);
    }
    return text;
}

SessionListEntry SessionListEntryFrom(const SessionReportInput& session) {
    SessionListEntry entry;
    entry.sessionFile = session.sessionFile;
    const SlotLapData& driver1 = session.laps.laps.slots[0];
    if (driver1.startTime != 0) {
        entry.startTime = QString::number(driver1.startTime, 'f', 10);
        entry.date = DateTimeText(driver1.startTime);
    }
    entry.event = session.Text(QStringLiteral("name_of_event"));
    entry.track = session.Text(QStringLiteral("track"));
    entry.condition = session.Text(QStringLiteral("track_condition"));
    entry.type = session.Text(QStringLiteral("session_type"));
    entry.sessionClass = session.Text(QStringLiteral("class"));
    entry.information = session.Text(QStringLiteral("session_info"));
    const QString position = session.Text(QStringLiteral("position"));
    const QString competitors = session.Text(QStringLiteral("competitors"));
    entry.position = !position.isEmpty() && !competitors.isEmpty() ? position + u'/' + competitors : position;
    TLapTimer timer;
    timer.SetSplits(ParseInteger(session.laps.laps.splitsPerLap).value_or(0));
    if (timer.LoadFromText(driver1.splitTimes)) entry.bestLap = timer.BestLapText();
    entry.driverNotes = session.driverNotes;
    entry.vehicleNotes = session.vehicleNotes;
    return entry;
}

void SortSessionList(std::vector<SessionListEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SessionListEntry& a, const SessionListEntry& b) {
                         // Without a start time a session goes last whatever the numbers say.
                         if (a.startTime.isEmpty() != b.startTime.isEmpty()) return b.startTime.isEmpty();
                         return CompareCellValues(a.startTime, b.startTime, true) < 0;
                     });
}

void WriteSessionList(THTMLWriter& writer, const ReportContext& context,
                      const std::vector<SessionListEntry>& entries, const SessionListOptions& options,
                      const QString& filePath) {
    WriteTitleBlock(writer, context, QStringLiteral("Vorlapa ") + Translate("Sessions"),
                    Translate("Sessions"), options.title, filePath);
    writer.BeginFrame(QStringLiteral("90%"));
    writer.WriteLine(QStringLiteral("<TR>"));
    if (options.groupByEvent)
        for (const char* title :
             {"Track", "Class", "Date", "Type", N_("Cond."), "Best lap", N_("Pos."), "Information"})
            WriteHeaderCell(writer, context, title);
    else
        for (const char* title : {"Name of event", "Date", "Track", N_("Cond."), "Type", "Class", "Best lap",
                                  N_("Pos."), "Information"})
            WriteHeaderCell(writer, context, title);
    writer.WriteLine(QStringLiteral("</TR>"));

    QString lastEvent, lastTrack, lastClass;
    for (const SessionListEntry& entry : entries) {
        if (!options.groupByEvent) {
            writer.WriteLine(QStringLiteral("<TR>"));
            WriteCell(writer, context, entry.event);
            WriteDateLink(writer, context, entry);
            WriteTrackLink(writer, context, entry.track, false);
            WriteCell(writer, context, entry.condition);
            WriteCell(writer, context, entry.type);
            WriteCell(writer, context, entry.sessionClass);
            WriteCell(writer, context, entry.bestLap);
            WriteCell(writer, context, entry.position);
            WriteCell(writer, context, entry.information);
            writer.WriteLine(QStringLiteral("</TR>"));
            continue;
        }
        if (!entry.event.isEmpty() && entry.event != lastEvent) {
            writer.WriteLine(QStringLiteral("<TR><TD VALIGN=\"top\" BGCOLOR=\"") + writer.ContentColor +
                             QStringLiteral("\" COLSPAN=\"8\">"));
            writer.WriteLine(QStringLiteral("<center>"));
            writer.WriteHeading(ReportText(context, entry.event));
            writer.WriteLine(QStringLiteral("</center>"));
            writer.WriteLine(QStringLiteral("</TD></TR>"));
            lastTrack.clear();
            lastClass.clear();
        }
        lastEvent = entry.event;
        writer.WriteLine(QStringLiteral("<TR>"));
        WriteTrackLink(writer, context, entry.track != lastTrack ? entry.track : QString(), true);
        BeginCell(writer);
        if (entry.sessionClass.isEmpty() || entry.sessionClass == lastClass)
            writer.WriteText(QStringLiteral("&nbsp;"));
        else
            writer.WriteBoldText(ReportText(context, entry.sessionClass));
        writer.WriteLine(QStringLiteral("</TD>"));
        lastTrack = entry.track;
        lastClass = entry.sessionClass;
        WriteDateLink(writer, context, entry);
        WriteCell(writer, context, entry.type);
        WriteCell(writer, context, entry.condition);
        WriteCell(writer, context, entry.bestLap);
        WriteCell(writer, context, entry.position);
        WriteCell(writer, context, entry.information);
        writer.WriteLine(QStringLiteral("</TR>"));
    }
    writer.EndFrame();
    writer.WriteFooter(ReportText(context, context.caption));
    writer.WriteDocumentEnd();
}

SessionListExport ExportSessionList(const ReportContext& context, const QStringList& files,
                                    const SessionListOptions& options, const SessionReportLoader& load,
                                    const ExportProgressFn& progress) {
    SessionListExport result;
    if (!QDir().mkpath(context.exportFolder)) {
        result.errors << Fill(Translate("Cannot create directory %s"), context.exportFolder);
        return result;
    }
    std::vector<SessionListEntry> entries;
    std::vector<std::pair<SessionReportInput, SetupReportInput>> inputs;
    const int count = int(files.size());
    for (int i = 0; i < count; ++i) {
        const QString& file = files.at(i);
        if (progress)
            progress(QFileInfo(file).fileName(), int(RoundHalfEven(double(i) * 100.0 / double(count))));
        auto loaded = load(file);
        if (!loaded) {
            result.errors << loaded.error();
            continue;
        }
        const auto written = ExportSessionReport(context, loaded->first, loaded->second);
        if (!written) {
            result.errors << written.error();
            continue;
        }
        result.written << *written;
        entries.push_back(SessionListEntryFrom(loaded->first));
    }
    SortSessionList(entries);
    const QString path = QDir(context.exportFolder).filePath(QStringLiteral("sessions.htm"));
    THTMLWriter writer;
    WriteSessionList(writer, context, entries, options, path);
    if (progress) progress(QString(), 100);
    const auto closed = writer.Close();
    if (!closed) {
        result.errors << closed.error();
        return result;
    }
    result.listPath = path;
    result.written << path;
    return result;
}

void WriteComparedReport(THTMLWriter& writer, const ReportContext& context, const CompareResult& compared,
                         const QString& filePath) {
    WriteTitleBlock(writer, context, QStringLiteral("Vorlapa ") + Translate("Compared Sessions"),
                    Translate("Compared Sessions"), QString(), filePath);
    writer.BeginFrame(QStringLiteral("90%"));
    const auto cell = [&writer](const QString& colour) {
        writer.WriteLine(QStringLiteral("<TD ALIGN=\"right\" VALIGN=\"bottom\" BGCOLOR=\"") + colour +
                         QStringLiteral("\">"));
    };
    writer.WriteLine(QStringLiteral("<TR>"));
    cell(writer.HeaderColor);
    writer.WriteBoldText(QStringLiteral("&nbsp;")); // the corner is empty
    writer.WriteLine(QStringLiteral("</TD>"));
    for (const QString& head : compared.files) {
        cell(writer.HeaderColor);
        // "Kåge.ses" links to "session_Kage.htm", as the session report of that file is named.
        const QString target = QStringLiteral("session_") + SafeFileName(QFileInfo(head).completeBaseName()) +
                               QStringLiteral(".htm");
        writer.WriteBoldLink(ReportText(context, head), HtmlLinkTarget(ReportFileTarget(target)), QString(),
                             QString());
        writer.WriteLine(QStringLiteral("</TD>"));
    }
    writer.WriteLine(QStringLiteral("</TR>"));
    for (int row = 0; row < compared.RowCount(); ++row) {
        writer.WriteLine(QStringLiteral("<TR>"));
        cell(writer.ContentColor);
        writer.WriteBoldText(ReportText(context, compared.titles.at(row)));
        writer.WriteLine(QStringLiteral("</TD>"));
        for (const QString& value : compared.values[std::size_t(row)]) {
            cell(writer.ContentColor);
            writer.WriteText(value.isEmpty() ? QStringLiteral("&nbsp;") : ReportText(context, value));
            writer.WriteLine(QStringLiteral("</TD>"));
        }
        writer.WriteLine(QStringLiteral("</TR>"));
    }
    writer.EndFrame();
    writer.WriteFooter(ReportText(context, context.caption));
    writer.WriteDocumentEnd();
}

Expected<QString, QString> ExportComparedReport(const ReportContext& context, const CompareResult& compared) {
    if (compared.IsEmpty()) return Unexpected(Translate("First select two or more events to compare!"));
    if (!QDir().mkpath(context.exportFolder))
        return Unexpected(Fill(Translate("Cannot create directory %s"), context.exportFolder));
    const QString path = QDir(context.exportFolder).filePath(QStringLiteral("compared.htm"));
    THTMLWriter writer;
    WriteComparedReport(writer, context, compared, path);
    const auto written = writer.Close();
    if (!written) return Unexpected(written.error());
    return path;
}
