#include "track_export.h"

#include "html_escape.h"
#include "html_writer.h"
#include "session_report.h"
#include "storage/atomic_file.h"
#include "storage/file_names.h"
#include "storage/number_format.h"
#include "storage/picture_size.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>

QSize TrackExportOptions::Box() const {
    QSize box(1000, 1000);
    if (IsIntegerText(maxWidth.trimmed())) box.setWidth(ParseInteger(maxWidth.trimmed()).value_or(1000));
    if (IsIntegerText(maxHeight.trimmed())) box.setHeight(ParseInteger(maxHeight.trimmed()).value_or(1000));
    return box;
}

QSize ScaledMapSize(QSize map, QSize box, MapSizeChoice choice) {
    if (choice == MapSizeChoice::None || map.width() <= 0 || map.height() <= 0 || box.width() <= 0 ||
        box.height() <= 0)
        return map;
    const double rw = double(map.width()) / box.width();
    const double rh = double(map.height()) / box.height();
    if (choice == MapSizeChoice::Restrict && std::max(rw, rh) <= 1) return map;
    if (rh >= rw) return QSize(int(RoundHalfEven(map.width() / rh)), box.height());
    return QSize(box.width(), int(RoundHalfEven(map.height() / rw)));
}

QString TrackInitial(const QString& name) {
    if (name.isEmpty()) return QString();
    const QChar first = name.at(0);
    if (first >= u'a' && first <= u'z') return QString(QChar(first.unicode() - u'a' + u'A'));
    return QString(first);
}

namespace {

// Copies a file of the data folder into the export folder under its own (safe) name unless it is there
// already and keep is set; returns the name when a copy exists afterwards.
QString CopyIntoExports(const QString& exports, const QString& source, bool replace) {
    if (source.isEmpty()) return QString();
    const QString fileName = QFileInfo(source).fileName();
    if (fileName.isEmpty()) return QString();
    const QString name = SafeFileName(fileName);
    const QString target = QDir(exports).filePath(name);
    const bool there = QFileInfo::exists(target);
    if (QFileInfo(source).isFile() && (replace || !there) &&
        QFileInfo(source).absoluteFilePath() != QFileInfo(target).absoluteFilePath())
        (void)CopyFileAtomically(source, target);
    return QFileInfo::exists(target) ? name : QString();
}

QString Target(const ReportContext& c, const QString& relative) {
    return HtmlLinkTarget(ReportFileTarget(relative), c.charset);
}

void WriteIndex(THTMLWriter& w, const ReportContext& c, const TrackExportInput& input) {
    w.WriteLine(
        QStringLiteral("<TABLE CELLPADDING=\"0\" CELLSPACING=\"0\" BGCOLOR=\"#000000\" ALIGN=\"center\">"));
    w.WriteLine(QStringLiteral("<TR><TD>"));
    w.WriteLine(QStringLiteral("<TABLE CELLPADDING=\"5\" CELLSPACING=\"1\" WIDTH=\"100%\">"));
    QString letter;
    bool first = true;
    for (const NamedTrack& track : input.tracks.Items()) {
        const QString initial = TrackInitial(track.name);
        if (first || initial != letter) {
            if (!first) w.WriteLine(QStringLiteral("</TD></TR>"));
            first = false;
            letter = initial;
            w.WriteLine(QStringLiteral("<TR>"));
            w.WriteLine(QStringLiteral("<TD BGCOLOR=\"%1\" VALIGN=\"top\">").arg(w.ContentColor));
            w.WriteHeading(ReportText(c, letter));
            w.WriteLine(QStringLiteral("</TD><TD BGCOLOR=\"%1\" VALIGN=\"top\">").arg(w.ContentColor));
        }
        w.WriteLine(QStringLiteral("<A HREF=\"") + Target(c, TrackPageName(track.name)) +
                    QStringLiteral("\">"));
        w.WriteText(ReportText(c, track.name));
        w.WriteLine(QStringLiteral("</A>"));
        w.WriteLine(QStringLiteral("&nbsp;&nbsp;&nbsp"));
    }
    w.WriteLine(QStringLiteral("</P></TD></TR>"));
    w.WriteLine(QStringLiteral("</TABLE>"));
    w.WriteLine(QStringLiteral("</TD></TR>"));
    w.WriteLine(QStringLiteral("</TABLE>"));
    w.WriteFooter(ReportText(c, c.caption));
    w.WriteDocumentEnd();
}

void WriteTrackPage(THTMLWriter& w, const ReportContext& c, const TrackExportInput& input,
                    const NamedTrack& track) {
    const TTrackInfo& t = track.info;
    const TrackUnits& units = input.units;
    w.BeginFrame(QStringLiteral("90%"));
    w.WriteSectionHeader(ReportText(c, Translate("Information")), ReportText(c, Translate("Organization")),
                         true);

    w.BeginSectionCell();
    w.BeginTable();
    for (TrackField field :
         {TrackField::Length, TrackField::Width, TrackField::MainStraightLength, TrackField::Surface,
          TrackField::LeftTurns, TrackField::RightTurns, TrackField::FuelConsumptionDry,
          TrackField::FuelConsumptionWet, TrackField::Altitude, TrackField::Country, TrackField::City}) {
        const TrackFieldInfo& info = TrackFieldOf(field);
        w.WriteRow(ReportText(c, TrackFieldCaption(field, units)),
                   ReportText(c, ShownTrackValue(info.unit, FieldValue(t, field), units)));
    }
    const QString movie = ResolveDataPath(input.dataDir, t.Movie);
    if (input.options.movieLinks && !t.Movie.isEmpty() && QFileInfo(movie).isFile()) {
        const QString movieName = QFileInfo(movie).fileName();
        QString target;
        if (input.options.CopiesMovies()) {
            const QString copy = CopyIntoExports(c.exportFolder, movie, false);
            target = copy.isEmpty() ? QDir(c.exportFolder).relativeFilePath(movie) : copy;
        } else {
            // Relative to the pages, so the link also works once the data folder has moved.
            target = QDir(c.exportFolder).relativeFilePath(movie);
        }
        w.WriteRow(ReportText(c, Translate("Movie")), QStringLiteral("<A HREF=\"") + Target(c, target) +
                                                          QStringLiteral("\">") + ReportText(c, movieName) +
                                                          QStringLiteral("</A>"));
    }
    w.EndTable();
    w.EndSectionCell();

    w.BeginSectionCell();
    w.BeginTable();
    w.WriteRow(ReportText(c, Translate("Name")), ReportText(c, t.Organisation));
    for (TrackField field : {TrackField::Address, TrackField::Phone, TrackField::Telefax,
                             TrackField::Accounts, TrackField::Contact1})
        w.WriteRow(ReportText(c, TrackFieldCaption(field, units)), ReportText(c, FieldValue(t, field)));
    auto email = [&](const QString& address) {
        const QString trimmed = address.trimmed();
        if (trimmed.isEmpty()) return;
        w.WriteRow(ReportText(c, Translate("E-Mail")),
                   QStringLiteral("<A HREF=") +
                       HtmlLinkTarget(QStringLiteral("mailto:") + trimmed, c.charset) + QStringLiteral(">") +
                       ReportText(c, trimmed) + QStringLiteral("</A>"));
    };
    email(t.Contact1Email);
    w.WriteRow(ReportText(c, TrackFieldCaption(TrackField::Contact2, units)), ReportText(c, t.Contact2));
    email(t.Contact2Email);
    if (!t.Homepage.trimmed().isEmpty())
        w.WriteRow(ReportText(c, Translate("Home page")),
                   QStringLiteral("<A HREF=") + HtmlLinkTarget(t.Homepage.trimmed(), c.charset) +
                       QStringLiteral(">") + ReportText(c, t.Homepage.trimmed()) + QStringLiteral("</A>"));
    w.EndTable();
    w.EndSectionCell();
    w.EndSectionRow();

    const QString map = CopyIntoExports(c.exportFolder, ResolveDataPath(input.dataDir, t.Picture), true);
    if (!map.isEmpty()) {
        const auto size = ReadPictureSize(QDir(c.exportFolder).filePath(map));
        w.WriteSectionHeader(ReportText(c, Translate("Map")), QString(), false);
        w.BeginSectionCell();
        w.WriteLine(QStringLiteral("<CENTER>"));
        QString image = QStringLiteral("<IMG SRC=\"") + Target(c, map) + QStringLiteral("\" ALT=\"") +
                        HtmlEscapeAttribute(Translate("Map of") + u' ' + track.name, c.charset) + u'"';
        if (size) {
            const QSize shown =
                ScaledMapSize(*size, input.options.Box(), input.options.EffectiveSizeChoice());
            image += QStringLiteral(" WIDTH=\"%1\" HEIGHT=\"%2\"").arg(shown.width()).arg(shown.height());
        }
        w.WriteLine(image + u'>');
        w.WriteLine(QStringLiteral("</CENTER>"));
        w.EndSectionCell();
        w.EndSectionRow();
    }
    if (!t.Notes.isEmpty() && !t.Notes.join(QString()).trimmed().isEmpty()) {
        w.WriteSectionHeader(ReportText(c, Translate("Notes")), QString(), false);
        w.BeginSectionCell();
        w.WriteText(ReportNotes(c, t.Notes.join(QStringLiteral("\r\n"))));
        w.EndSectionCell();
        w.EndSectionRow();
    }
    w.EndFrame();
    w.WriteLine(QStringLiteral("</CENTER>"));
    w.WriteLine(QStringLiteral("<P><A HREF=\"tracks.htm\">"));
    w.WriteHeading(ReportText(c, Translate("Back To Tracks")));
    w.WriteLine(QStringLiteral("</A></P>"));
    w.WriteLine(QStringLiteral("<CENTER>"));
    w.WriteFooter(ReportText(c, c.caption));
    w.WriteLine(QStringLiteral("</CENTER>"));
    w.WriteDocumentEnd();
}

} // namespace

Expected<QStringList, QString> ExportTrackPages(const ReportContext& context, const TrackExportInput& input) {
    QStringList written;
    const QString logo = CopyReportLogo(context);
    THTMLWriter writer;
    const QString index = QDir(context.exportFolder).filePath(QStringLiteral("tracks.htm"));
    OpenReportDocument(writer, context, index, QStringLiteral("Vorlapa ") + Translate("Tracks"));
    WriteReportTitleTable(writer, context, logo, Translate("Tracks"));
    WriteIndex(writer, context, input);
    if (auto closed = writer.Close(); !closed) return Unexpected(closed.error());
    written << index;
    for (const NamedTrack& track : input.tracks.Items()) {
        const QString page = QDir(context.exportFolder).filePath(TrackPageName(track.name));
        OpenReportDocument(writer, context, page,
                           QStringLiteral("Vorlapa ") + Translate("Track") + QStringLiteral(": ") +
                               track.name);
        WriteReportTitleTable(writer, context, logo, track.name);
        WriteTrackPage(writer, context, input, track);
        if (auto closed = writer.Close(); !closed) return Unexpected(closed.error());
        written << page;
    }
    return written;
}
