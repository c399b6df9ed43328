// The reports of several sessions: statistics per track, the session list and the comparison. Each is
// checked as a document: its pieces in order, user text escaped, links named as the session reports are.
#include "archive/session_compare.h"
#include "archive/session_statistics.h"
#include "reports/html_writer.h"
#include "reports/session_list_report.h"
#include "reports/statistics_report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Each fragment occurs, after the one before it.
void ExpectInOrder(const QString& text, const QStringList& fragments) {
    qsizetype at = 0;
    for (const QString& fragment : fragments) {
        const qsizetype found = text.indexOf(fragment, at);
        QVERIFY2(found >= 0, qPrintable("missing in order: " + fragment));
        at = found + fragment.size();
    }
}

SessionStatisticsRecord Record(const QString& track, double start, double stop, int laps) {
    SessionStatisticsRecord record;
    record.fileName = QStringLiteral("/x/") + track + QStringLiteral(".ses");
    record.track = track;
    record.sessionType = QStringLiteral("Race <1>");
    record.startTime = start;
    record.stopTime = stop;
    for (int i = 0; i < laps; ++i)
        record.laps.push_back(60000 + i);
    return record;
}

ReportContext Context(const QString& folder) {
    ReportContext context;
    context.exportFolder = folder;
    context.caption = QStringLiteral("Vorlapa v3.0");
    context.now = [] { return 40000.5; };
    return context;
}

SessionListEntry Entry(const QString& file, const QString& start, const QString& event,
                       const QString& track) {
    SessionListEntry entry;
    entry.sessionFile = file;
    entry.startTime = start;
    entry.date = start;
    entry.event = event;
    entry.track = track;
    entry.sessionClass = QStringLiteral("Open");
    return entry;
}

} // namespace

class TestListReports : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void statisticsOfOneTrack() {
        QTemporaryDir dir;
        TSessionStatistics statistics;
        statistics.AddRecord(Record("North", 40000.5, 40000.75, 7));
        statistics.AddRecord(Record("North", 40001.5, 40001.75, 6));
        StatisticsReportOptions options;
        options.title = QStringLiteral("Season & <more>");
        options.includeLapTimes = true;
        options.trackLength = [](const QString&) { return QStringLiteral("3218"); };
        THTMLWriter writer;
        WriteStatisticsReport(writer, Context(dir.path()), statistics, options,
                              dir.filePath("statistics.htm"));
        const QString text = writer.Text();
        ExpectInOrder(
            text, {"<TITLE>Vorlapa Statistics</TITLE>", "CELLPADDING=\"10\"", "<B>Statistics</B>",
                   "<B> - Season &amp; &lt;more&gt;</B>", "<B>North</B>", "<B>Date</B>",
                   ">2009-07-06 - 2009-07-07<", "<B>Total sessions</B>", ">2<", "<B>Total laps</B>", ">13<",
                   // 13 laps of 3218 m = 41.834 km, whole km half to even
                   "<B>Total distance [km]</B>", ">42.0<", "<B>Total time on track</B>", ">12:00:00<",
                   "<B>Best laptime</B>", ">1:00.000<", "<B>Average laptime</B>", "<HR>",
                   "<B>Type of Session</B>", "<A HREF=\"session_North.htm\">Race &lt;1&gt;</A>",
                   "<A HREF=\"setup_North.htm\">Click for setup!</A>", "<B>Lap 1-5</B>", "<B>Lap 6-7</B>",
                   "<HR>", "<B>Lap 1-5</B>", "<B>Lap 6</B>", "Vorlapa v3.0"});
        QVERIFY(!text.contains("Summary for all tracks"));
        QVERIFY(!text.contains("Logotype"));
    }

    void summaryOfSeveralTracks() {
        QTemporaryDir dir;
        TSessionStatistics statistics;
        statistics.AddRecord(Record("North", 40000.0, 40000.75, 2));
        statistics.AddRecord(Record("South", 40001.0, 40001.75, 1));
        StatisticsReportOptions options;
        options.miles = true;
        // Only North has a numeric length: South shows no distance and adds none.
        options.trackLength = [](const QString& track) {
            return track == u"North" ? QStringLiteral("1609") : QStringLiteral("long");
        };
        THTMLWriter writer;
        WriteStatisticsReport(writer, Context(dir.path()), statistics, options, dir.filePath("s.htm"));
        const QString text = writer.Text();
        QCOMPARE(text.count("Total distance [miles]"), 2);
        ExpectInOrder(text, {"<B>North</B>", "Total distance [miles]", ">2.0<", "<B>South</B>", "Total laps",
                             "<B>Summary for all tracks</B>", "<B>Total laps</B>", ">3<",
                             "Total distance [miles]", ">2.0<", "<B>Total time on track</B>", ">36:00:00<"});
        QVERIFY(!text.contains("<HR>")); // no lap times asked for
    }

    void statisticsExportNeedsData() {
        QTemporaryDir dir;
        TSessionStatistics none;
        const auto written = ExportStatisticsReport(Context(dir.filePath("Exports")), none, {});
        QVERIFY(!written);
        QCOMPARE(written.error(), "No matching data found!");
        QVERIFY(!QFile::exists(dir.filePath("Exports/statistics.htm")));
    }

    void logoOnlyWhenItIsAFile() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Exports/pics"));
        TSessionStatistics statistics;
        statistics.AddRecord(Record("North", 0, 0, 1));
        ReportContext context = Context(dir.filePath("Exports"));
        context.logo.path = dir.filePath("pics/"); // a folder name, no file
        THTMLWriter writer;
        WriteStatisticsReport(writer, context, statistics, {}, dir.filePath("Exports/s.htm"));
        QVERIFY(!writer.Text().contains("<IMG"));
        QFile logo(dir.filePath("logo.png"));
        QVERIFY(logo.open(QIODevice::WriteOnly));
        logo.write("png");
        logo.close();
        context.logo.path = dir.filePath("logo.png");
        WriteStatisticsReport(writer, context, statistics, {}, dir.filePath("Exports/s.htm"));
        QVERIFY(writer.Text().contains("<IMG SRC=\"logo.png\" ALT=\"Logotype\">"));
    }

    void sessionListNewestFirstAndGrouped() {
        QTemporaryDir dir;
        std::vector<SessionListEntry> entries{Entry("/a/may1.ses", "39934", "Cup", "North"),
                                              Entry("/a/none.ses", "", "Cup", "North"),
                                              Entry("/a/may3.ses", "39936", "Cup", "North")};
        SortSessionList(entries);
        QCOMPARE(entries[0].sessionFile, "/a/may3.ses");
        QCOMPARE(entries[1].sessionFile, "/a/may1.ses");
        QCOMPARE(entries[2].sessionFile, "/a/none.ses");

        SessionListOptions options;
        options.groupByEvent = true;
        THTMLWriter writer;
        WriteSessionList(writer, Context(dir.path()), entries, options, dir.filePath("sessions.htm"));
        const QString text = writer.Text();
        QCOMPARE(text.count("COLSPAN=\"8\""), 1);    // one group heading
        QCOMPARE(text.count("<B>North</B></A>"), 1); // the track only in the group's first row
        QCOMPARE(text.count("<B>Open</B>"), 1);
        ExpectInOrder(text, {"<B>Track</B>", "<B>Class</B>", "<B>Date</B>", "<B>Information</B>", "<center>",
                             "<B>Cup</B>", "HREF=\"North.htm\"", "HREF=\"session_untitled.htm\""});
    }

    void sessionListEscapesUserText() {
        QTemporaryDir dir;
        SessionListEntry entry = Entry("/a/x.ses", "39934", "<b>Cup</b>", "A & B");
        entry.information = "it's \"fast\"";
        entry.driverNotes = "one\ntwo\r\nthree";
        entry.vehicleNotes = "<chain>";
        QCOMPARE(SessionListNotesText(entry.driverNotes, entry.vehicleNotes),
                 "Driver Notes\n\rone\n\rtwo\n\rthree\n\r--------------\n\rVehicle Notes\n\r<chain>");
        SessionListOptions options;
        options.title = "<script>";
        THTMLWriter writer;
        WriteSessionList(writer, Context(dir.path()), {entry}, options, dir.filePath("sessions.htm"));
        const QString text = writer.Text();
        QVERIFY(!text.contains("<script>"));
        QVERIFY(!text.contains("<b>Cup"));
        QVERIFY(text.contains("&lt;script&gt;"));
        QVERIFY(text.contains("&lt;b&gt;Cup&lt;/b&gt;"));
        QVERIFY(text.contains(">A &amp; B</A>"));
        QVERIFY(text.contains("it&#39;s &quot;fast&quot;") || text.contains("it&#x27;s &quot;fast&quot;"));
        QVERIFY(text.contains("TITLE='Driver Notes&#10;&#13;one"));
        QVERIFY(text.contains("&lt;chain&gt;'"));
    }

    void comparedReportLinksAndEscapes() {
        QTemporaryDir dir;
        CompareResult compared;
        compared.files = QStringList{QString::fromUtf8("Kåge.ses"), "b.ses"};
        compared.titles = QStringList{"Info", "Laps"};
        compared.values = {{"<i>wet</i>", ""}, {"5", "6"}};
        THTMLWriter writer;
        WriteComparedReport(writer, Context(dir.path()), compared, dir.filePath("compared.htm"));
        const QString text = writer.Text();
        ExpectInOrder(text, {"<TITLE>Vorlapa Compared Sessions</TITLE>", "<B>Compared Sessions</B>",
                             "HREF=\"session_Kage.htm\"", "HREF=\"session_b.htm\"", "<B>Info</B>",
                             "&lt;i&gt;wet&lt;/i&gt;", "&nbsp;", "<B>Laps</B>", ">5<", ">6<"});
        QVERIFY(!text.contains("<i>"));
        const auto none = ExportComparedReport(Context(dir.path()), CompareResult{});
        QVERIFY(!none);
        QCOMPARE(none.error(), "First select two or more events to compare!");
    }
};

QTEST_GUILESS_MAIN(TestListReports)
#include "tst_list_reports.moc"
