// The session report: lap-time layouts, the pairing of drivers into sections, the best lap in bold, file
// names, the conditions block and the escaping of every user text.
#include "reports/html_writer.h"
#include "reports/session_report.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kFont =
    QStringLiteral("<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"2\">");

QString Cell(const QString& text, bool last = false) {
    return QStringLiteral("<TD ALIGN=\"left\">") + kFont + text + QStringLiteral("</FONT></TD>") +
           (last ? QStringLiteral("</TR>") : QString());
}
QString Label(const QString& text) {
    return QStringLiteral("<TR VALIGN=\"top\"><TD ALIGN=\"right\">") + kFont + QStringLiteral("<B>") + text +
           QStringLiteral("</B></FONT></TD>");
}
QString GridCell(const QString& text) {
    return QStringLiteral("<TD BGCOLOR=\"#FFFFFF\">\r\n") + kFont + text + QStringLiteral("</FONT>\r\n</TD>");
}

// Laps of 1:30.000 upwards by a second each.
QString Laps(int count) {
    QStringList times;
    for (int lap = 0; lap < count; ++lap)
        times << QString::number(90000 + 1000 * lap);
    return times.join(',');
}

ReportContext Context(const ReportOptions& options = {}) {
    ReportContext context;
    context.options = options;
    context.caption = QStringLiteral("Vorlapa v3.0");
    context.now = [] { return 39568.5; };
    return context;
}

QString Report(const SessionReportInput& session, const ReportOptions& options = {},
               const SetupReportInput& setup = {}) {
    THTMLWriter writer;
    WriteSessionReport(writer, Context(options), session, setup, QStringLiteral("unused.htm"));
    return writer.Text();
}

QStringList Lines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

class TestSessionReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void lapListLayout_data();
    void lapListLayout();
    void driversShareSectionsInPairs();
    void bestLapIsBoldWhereverItOccurs();
    void fileNamesComeFromTheSessionName();
    void conditionsLinkTrackSetupAndPartSetups();
    void userTextIsEscaped();
    void readingsFollowTheVehicle_data();
    void readingsFollowTheVehicle();
    void pageBreakAndLogoFollowOptions();
};

void TestSessionReport::lapListLayout_data() {
    QTest::addColumn<int>("laps");
    QTest::addColumn<QString>("splits");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("compactLabels"); // empty: the full lap table
    QTest::addColumn<int>("emptyCellsInLastRow");
    QTest::newRow("13 laps: groups of five, last group to 13")
        << 13 << "0" << 10 << QStringList{"Lap 1-5", "Lap 6-10", "Lap 11-13"} << 2;
    QTest::newRow("11 laps: a last lap alone")
        << 11 << "0" << 10 << QStringList{"Lap 1-5", "Lap 6-10", "Lap 11"} << 4;
    QTest::newRow("15 laps: whole groups")
        << 15 << "0" << 10 << QStringList{"Lap 1-5", "Lap 6-10", "Lap 11-15"} << 0;
    QTest::newRow("10 laps at a limit of 10: full table") << 10 << "0" << 10 << QStringList{} << 0;
    QTest::newRow("split times always get the table") << 26 << "1" << 10 << QStringList{} << 0;
}

void TestSessionReport::lapListLayout() {
    QFETCH(int, laps);
    QFETCH(QString, splits);
    QFETCH(int, limit);
    QFETCH(QStringList, compactLabels);
    QFETCH(int, emptyCellsInLastRow);
    SessionReportInput session;
    session.laps.laps.splitsPerLap = splits;
    session.laps.laps.slots[0].splitTimes = Laps(laps);
    ReportOptions options;
    options.maxLapsInTable = limit;
    const QString html = Report(session, options);
    const bool table = compactLabels.isEmpty();
    QCOMPARE(html.contains(QStringLiteral("CELLSPACING= \"0\" BGCOLOR=\"#000000\" WIDTH=\"50%\"")), table);
    if (table) {
        const int lapCount = splits == QLatin1String("0") ? laps : laps / 2;
        QVERIFY(html.contains(GridCell(QString::number(lapCount))));
        QVERIFY(!html.contains(GridCell(QString::number(lapCount + 1))));
        QVERIFY(!html.contains(QStringLiteral("Lap 1-5")));
        return;
    }
    const QStringList lines = Lines(html);
    QStringList found;
    for (const QString& line : lines)
        if (line.startsWith(Label(QStringLiteral("Lap ")).chopped(16)))
            found << line.section(QStringLiteral("<B>"), 1).section('<', 0, 0);
    QCOMPARE(found, compactLabels);
    // The last row has five value cells, the missing ones as "&nbsp;".
    const qsizetype last = lines.indexOf(Label(compactLabels.last()));
    QVERIFY(last >= 0);
    QCOMPARE(lines.at(last + 10), Cell(emptyCellsInLastRow > 0 ? "&nbsp;" : "1:44.000", true));
    int empty = 0;
    for (int i = 1; i <= 5; ++i)
        empty += lines.at(last + 2 * i) == Cell("&nbsp;", i == 5) ? 1 : 0;
    QCOMPARE(empty, emptyCellsInLastRow);
}

void TestSessionReport::driversShareSectionsInPairs() {
    SessionReportInput session;
    session.laps.laps.slots[0].splitTimes = Laps(3);
    session.laps.laps.slots[1].name = QStringLiteral("Bo");
    session.laps.laps.slots[1].splitTimes = Laps(2);
    session.laps.laps.slots[2].name = QStringLiteral("No laps");
    session.laps.laps.slots[3].splitTimes = Laps(1);
    const QString html = Report(session);
    const QString head = QStringLiteral("SIZE=\"4\"><B>Lap times for ");
    QCOMPARE(html.count(head), 3);
    QVERIFY(!html.contains(QStringLiteral("No laps")));
    const qsizetype pair =
        html.indexOf(QStringLiteral("<TR VALIGN=\"top\" ><TD BGCOLOR=\"#669999\" WIDTH=\"50%\">\r\n") +
                     "<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"4\">"
                     "<B>Lap times for Driver 1</B>");
    const qsizetype second = html.indexOf(head + QStringLiteral("Bo</B>"));
    const qsizetype alone =
        html.indexOf(QStringLiteral("<TD BGCOLOR=\"#669999\" COLSPAN=\"2\">\r\n") +
                     "<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"4\">"
                     "<B>Lap times for Driver 4</B>");
    QVERIFY(pair >= 0 && second > pair && alone > second);
    // The pair's tables fill their half-page cells; the lone driver's table takes half the page.
    const QString full = QStringLiteral("BGCOLOR=\"#000000\" WIDTH=\"100%\">");
    const QString half = QStringLiteral("BGCOLOR=\"#000000\" WIDTH=\"50%\">");
    QCOMPARE(html.mid(pair, alone - pair).count(full), 2);
    QCOMPARE(html.mid(alone).count(half), 1);
    QCOMPARE(html.mid(alone).count(full), 0);
}

void TestSessionReport::bestLapIsBoldWhereverItOccurs() {
    SessionReportInput session;
    session.laps.laps.slots[0].name = QStringLiteral("Ann");
    session.laps.laps.slots[0].startTime = 39568.6041666667;
    session.laps.laps.slots[0].stopTime = 39568.6111111111;
    session.laps.laps.slots[0].pitStopTime = 12500;
    session.laps.laps.slots[0].splitTimes = QStringLiteral("84123,83456,85001,83456");
    session.laps.trackLength = QStringLiteral("4000");
    const QString html = Report(session);
    QCOMPARE(html.count(GridCell("<B>1:23.456</B>")), 2);
    QVERIFY(html.contains(GridCell("1:24.123")));
    QVERIFY(
        html.contains(QStringLiteral("<TD BGCOLOR=\"#669999\">\r\n") + kFont + "<B>Lap</B></FONT>\r\n</TD>"));
    QVERIFY(html.contains(Label("Start") + "\r\n<TD WIDTH=\"5\">&nbsp;</TD>\r\n" +
                          Cell("2008-04-30 14.30", true)));
    QVERIFY(html.contains(Cell("10:00.000", true)));
    QVERIFY(html.contains(Cell("12.500", true)));
    QVERIFY(html.contains(QStringLiteral("1:23.456 (2)&nbsp;&nbsp(172.5 km/h)")));

    session.laps.trackLength.clear();
    const QString withoutLength = Report(session);
    QVERIFY(withoutLength.contains(Cell("1:23.456 (2)", true)));
    QVERIFY(!withoutLength.contains(QStringLiteral("()")));
}

void TestSessionReport::fileNamesComeFromTheSessionName() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    ReportContext context = Context();
    context.exportFolder = dir.filePath(QStringLiteral("Exports"));
    QVERIFY(QDir().mkpath(context.exportFolder));

    SessionReportInput session;
    auto written = ExportSessionReport(context, session, {});
    QVERIFY(written.has_value());
    QCOMPARE(*written, (QStringList{context.exportFolder + "/setup_untitled.htm",
                                    context.exportFolder + "/session_untitled.htm"}));

    const QString kage = dir.filePath(QString::fromUtf8("Kåge.ses"));
    QFile file(kage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    session.sessionFile = kage;
    written = ExportSessionReport(context, session, {});
    QVERIFY(written.has_value());
    QCOMPARE(*written, (QStringList{context.exportFolder + "/setup_Kage.htm",
                                    context.exportFolder + "/session_Kage.htm"}));
    QFile report(written->at(1));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray bytes = report.readAll();
    // The title keeps the plain name (Latin-1 as declared); the link uses the safe one.
    QVERIFY(bytes.contains("<TITLE>Vorlapa Session: K\xe5ge</TITLE>"));
    QVERIFY(bytes.contains("<A HREF=\"setup_Kage.htm\">Click here for setup</A>"));

    // A session file that no longer exists reports as untitled; an unwritable folder is an error.
    session.sessionFile = dir.filePath(QStringLiteral("gone.ses"));
    QCOMPARE(ReportFileStem(session.sessionFile), QStringLiteral("untitled"));
    context.exportFolder = dir.filePath(QStringLiteral("missing"));
    QVERIFY(!ExportSessionReport(context, session, {}).has_value());

    // Characters that would start an anchor, a query or an escape stay part of the linked name.
    const QString odd = dir.filePath(QStringLiteral("a#1?%.ses"));
    QFile oddFile(odd);
    QVERIFY(oddFile.open(QIODevice::WriteOnly));
    oddFile.close();
    session.sessionFile = odd;
    session.fields = {{"track", "T#2"}};
    const QString html = Report(session);
    QVERIFY(html.contains(QStringLiteral("<A HREF=\"setup_a%231_%25.htm\">")));
    QVERIFY(html.contains(QStringLiteral("<A HREF=\"T%232.htm\">T#2</A>")));

    QCOMPARE(TrackPageName(QStringLiteral("A/B: C")), QStringLiteral("A_B- C.htm"));
    QCOMPARE(TrackPageName(QStringLiteral("..")), QStringLiteral("_...htm"));
}

void TestSessionReport::conditionsLinkTrackSetupAndPartSetups() {
    SessionReportInput session;
    session.fields = {{"track", "A/B: C"},   {"rank_setup", "8"}, {"position", "3"},
                      {"temperature", "21"}, {"humidity", "40"},  {"barometric_pressure", ""}};
    session.temperatureUnit = QStringLiteral("F");
    session.airDensityShown = true;
    session.airDensity = QStringLiteral("98.5");
    SetupReportInput setup;
    setup.record.selectedNames[size_t(SetupArea::Gearing)] = QStringLiteral("Short");
    ReportOptions options;
    options.exportPartSetupNames = true;
    const QString html = Report(session, options, setup);
    QVERIFY(html.contains(Cell("<A HREF=\"A_B-%20C.htm\">A/B: C</A>", true)));
    QVERIFY(html.contains(Cell("<A HREF=\"setup_untitled.htm#gearingsetup\">Short</A>", true)));
    QVERIFY(html.contains(Cell("21 F", true)));
    QVERIFY(html.contains(Cell("40%", true)));
    QVERIFY(html.contains(Label("RAD") + "\r\n<TD WIDTH=\"5\">&nbsp;</TD>\r\n" + Cell("98.5%", true)));
    QVERIFY(!html.contains(QStringLiteral("Actual pressure")));
    // Rules: before the setup rows, after them (three rows), after the results.
    QCOMPARE(html.count(QStringLiteral("<TR><TD ALIGN=\"right\" COLSPAN=\"3\"><HR></TD></TR>")), 3);
    // No notes: the notes cell holds a blank.
    QVERIFY(html.contains(QStringLiteral("<TD BGCOLOR=\"#CCCCCC\" >\r\n&nbsp;\r\n</TD>")));
}

void TestSessionReport::userTextIsEscaped() {
    SessionReportInput session;
    session.fields = {{"track", "<b>Ring</b>"}, {"session_type", "Q&A"}, {"top_speed", "\"fast\""}};
    session.driverNotes = QStringLiteral("Rider's <script>alert(1)</script>\r\nhttp://x.example/?a=<1>");
    session.vehicleNotes = QStringLiteral("<hr>");
    session.pitStopHeaders = QStringList{"Lap", "Fuel <l>", "Tires", "Other"};
    session.pitStops = {{"3", "<5>", "", "a&b"}};
    session.laps.laps.slots[0].name = QStringLiteral("O'Neil <x>");
    session.laps.laps.slots[0].splitTimes = Laps(2);
    const QString html = Report(session);
    QVERIFY(html.contains(QStringLiteral("<A HREF=\"_b_Ring__b_.htm\">&lt;b&gt;Ring&lt;/b&gt;</A>")));
    QVERIFY(html.contains(Cell("Q&amp;A", true)));
    QVERIFY(html.contains(Cell("&quot;fast&quot;", true)));
    QVERIFY(html.contains(kFont +
                          "Rider&#39;s &lt;script&gt;alert(1)&lt;/script&gt;<BR><a href=\"http://x.example/"
                          "?a=&lt;1&gt;\">http://x.example/?a=&lt;1&gt;</a></FONT>"));
    QVERIFY(html.contains(kFont + "&lt;hr&gt;</FONT>"));
    QVERIFY(html.contains(QStringLiteral("<B>Fuel &lt;l&gt;</B>")));
    QVERIFY(html.contains(Cell("&lt;5&gt;")));
    QVERIFY(html.contains(Cell("a&amp;b", true)));
    QVERIFY(html.contains(QStringLiteral("Lap times for O&#39;Neil &lt;x&gt;")));
    QVERIFY(!html.contains(QStringLiteral("<script")));
    QVERIFY(!html.contains(QStringLiteral("<b>")));
    QVERIFY(!html.contains(QStringLiteral("<hr>")));
}

using Fields = std::vector<SessionReportField>;
Q_DECLARE_METATYPE(Fields)

void TestSessionReport::readingsFollowTheVehicle_data() {
    QTest::addColumn<int>("vehicle");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const QString sideBySide = "</TD><TD WIDTH=\"20\">&nbsp;</TD><TD>";
    QTest::newRow("car: wheels side by side, increase and circumference")
        << int(VehicleType::Car)
        << Fields{{"fl_pressure_hot", "2.0"}, {"rr_temp_inner", "80"}, {"fl_circumference", "1822"}}
        << QStringList{"Tire Temperatures",  sideBySide,    "<B>O</B>",          Cell("11%", true),
                       "Tire Circumference", Cell("-28.0"), Cell("-1.5%", true), Cell("80")}
        << QStringList{"Engine Readings", "<B>Left</B>"};
    QTest::newRow("car: no readings, no sections") << int(VehicleType::Car) << Fields{} << QStringList{}
                                                   << QStringList{"Tire Temperatures", "Tire Circumference"};
    QTest::newRow("motorcycle: front and rear, no side")
        << int(VehicleType::Motorcycle) << Fields{{"rear_temp_middle", "65"}, {"side_temp_left", "50"}}
        << QStringList{"Tire Temperatures", "<B>Left</B>", Cell("65")}
        << QStringList{sideBySide, "Tire Circumference", Label("Side")};
    QTest::newRow("sidecar: the side wheel too")
        << int(VehicleType::Sidecar) << Fields{{"side_pressure_hot", "1.5"}}
        << QStringList{Label("Side"), Cell("1.5")} << QStringList{sideBySide};
    QTest::newRow("engine and vehicle data")
        << int(VehicleType::Motorcycle)
        << Fields{{"coolant_temp", "82"}, {"remaining_stroke_front", "12"}, {"fuel_after_session", "3.5"}}
        << QStringList{"Engine Readings", "Vehicle Data",
                       Cell("82", true),  Label("Remaining suspension stroke [mm] Front"),
                       Cell("3.5", true), Label("Litres/lap")}
        << QStringList{"Tire Temperatures", "Remaining suspension stroke [mm] Rear"};
}

void TestSessionReport::readingsFollowTheVehicle() {
    QFETCH(int, vehicle);
    QFETCH(Fields, fields);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    SessionReportInput session;
    session.fields = fields;
    session.fuelFigures = {{"Litres/lap", "1.2"}, {"km/litre", ""}};
    SetupReportInput setup;
    setup.vehicle = VehicleType(vehicle);
    // The setup's cold pressure and circumference of the first wheel.
    const GridId tires = vehicle == int(VehicleType::Car) ? GridId::FourWheelTires : GridId::BikeTires;
    setup.record.Cell(tires, 1, 0) = QStringLiteral("1.8");
    if (tires == GridId::FourWheelTires) setup.record.Cell(tires, 6, 0) = QStringLiteral("1850");
    const QString html = Report(session, {}, setup);
    for (const QString& text : present)
        QVERIFY2(html.contains(text), qPrintable(text));
    for (const QString& text : absent)
        QVERIFY2(!html.contains(text), qPrintable(text));
    QCOMPARE(html.count(QStringLiteral("<TR")), html.count(QStringLiteral("</TR>")));
    QCOMPARE(html.count(QStringLiteral("<TABLE")), html.count(QStringLiteral("</TABLE>")));
}

void TestSessionReport::pageBreakAndLogoFollowOptions() {
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("team logo.png"));
    QFile picture(logo);
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("png");
    picture.close();
    ReportContext context = Context();
    context.exportFolder = dir.filePath(QStringLiteral("Exports"));
    QVERIFY(QDir().mkpath(context.exportFolder));
    context.logo = {logo, 210, 100};
    context.options.pageBreakBeforeSessions = true;
    THTMLWriter writer;
    WriteSessionReport(writer, context, {}, {}, QStringLiteral("unused.htm"));
    const QString html = writer.Text();
    QVERIFY(QFile::exists(QDir(context.exportFolder).filePath(QStringLiteral("team logo.png"))));
    QVERIFY(
        html.contains(QStringLiteral("<TR><TD ALIGN=\"center\">\r\n<IMG SRC=\"team%20logo.png\" WIDTH=210 "
                                     "HEIGHT=100 ALT=\"Logotype\">\r\n</TD></TR>")));
    QVERIFY(html.contains(QStringLiteral("</TABLE>\r\n<BR>\r\n<P CLASS=\"breakhere\">\r\n\r\n<TABLE")));

    // The picture gone: the older copy is still used. No copy at all: no picture row.
    QVERIFY(QFile::remove(logo));
    WriteSessionReport(writer, context, {}, {}, QStringLiteral("unused.htm"));
    QVERIFY(writer.Text().contains(QStringLiteral("<IMG SRC=\"team%20logo.png\"")));
    context.logo.path = dir.filePath(QStringLiteral("other.png"));
    context.options.pageBreakBeforeSessions = false;
    WriteSessionReport(writer, context, {}, {}, QStringLiteral("unused.htm"));
    QVERIFY(!writer.Text().contains(QStringLiteral("<IMG")));
    QVERIFY(!writer.Text().contains(QStringLiteral("breakhere\">")));
}

QTEST_GUILESS_MAIN(TestSessionReport)
#include "tst_session_report.moc"
