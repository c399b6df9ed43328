// The setup report: which sections each vehicle type gets, the jetting and gearing tables, part setup
// links and the escaping of every user text.
#include "reports/html_writer.h"
#include "reports/setup_report.h"

#include <QRegularExpression>
#include <QTest>
#include <functional>

using SetupFill = std::function<void(SetupReportInput&)>;
Q_DECLARE_METATYPE(SetupFill)

namespace {

void Set(SetupReportInput& input, const char* section, const char* key, const QString& text) {
    const int index = FieldIndex(QString::fromLatin1(section), QString::fromLatin1(key));
    QVERIFY2(index >= 0, key);
    input.record.Field(index) = text;
}

QString Report(const SetupReportInput& input, const ReportOptions& options = {}) {
    ReportContext context;
    context.options = options;
    context.caption = QStringLiteral("Vorlapa v3.0");
    context.now = [] { return 39568.5; };
    THTMLWriter writer;
    WriteSetupReport(writer, context, input, QStringLiteral("unused.htm"), QStringLiteral("Ring"));
    return writer.Text();
}

QString Heading(const QString& title) {
    return QStringLiteral("SIZE=\"4\"><B>") + title + QStringLiteral("</B>");
}

const QString kFont =
    QStringLiteral("<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"2\">");

QString Cell(const QString& text) {
    return QStringLiteral("<TD ALIGN=\"left\">") + kFont + text + QStringLiteral("</FONT></TD>");
}

} // namespace

class TestSetupReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sectionsFollowVehicleAndData_data();
    void sectionsFollowVehicleAndData();
    void jettingColumnsFollowCylinderCount_data();
    void jettingColumnsFollowCylinderCount();
    void gearingRowsCarryRatiosAndSpeeds();
    void partSetupNamesLinkToAnchors();
    void userTextIsEscaped();
    void weightRowsFollowThePageMode_data();
    void weightRowsFollowThePageMode();
};

void TestSetupReport::sectionsFollowVehicleAndData_data() {
    QTest::addColumn<int>("vehicle");
    QTest::addColumn<SetupFill>("fill");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QStringList all = {"General",
                             "Jetting",
                             "Gearing",
                             "Engine",
                             "Front Suspension",
                             "Side Suspension",
                             "Suspension (Dampers)",
                             "Corner Weights",
                             "Aerodynamics Front",
                             "Tires"};
    QTest::newRow("empty setup has no sections")
        << int(VehicleType::Car) << SetupFill([](SetupReportInput&) {}) << QStringList{} << all;
    QTest::newRow("motorcycle: fork data, aerodynamics not shown")
        << int(VehicleType::Motorcycle) << SetupFill([](SetupReportInput& in) {
               Set(in, "suspension_front", "fork_id", "WP");
               Set(in, "suspension_front", "compression", "12");
               Set(in, "aerodynamics", "front_wing_type", "Big");
               Set(in, "general", "f_wheel_track", "1.6"); // a car's field
               Set(in, "engine", "bore", "54");
           })
        << QStringList{"Front Suspension", "Rear Suspension", "Engine", "Compression (Low speed)"}
        << QStringList{"Aerodynamics Front", "Side Suspension", "Tires", "General"};
    QTest::newRow("sidecar: side wheel suspension and side tire")
        << int(VehicleType::Sidecar) << SetupFill([](SetupReportInput& in) {
               Set(in, "suspension", "side_toein", "2");
               in.record.Cell(GridId::BikeTires, 0, 2) = "S1";
           })
        << QStringList{"Side Suspension", "Tires", "<B>Side</B>"} << QStringList{"Front Suspension"};
    QTest::newRow("car: monoshock dampers, misc suspension, weights")
        << int(VehicleType::Car) << SetupFill([](SetupReportInput& in) {
               Set(in, "suspension", "f_mono_enabled", "true");
               Set(in, "front_susp", "f_rollbar", "3");
               Set(in, "general", "f_wheel_track", "1.6");
               in.record.Cell(GridId::CarDampers, 0, 0) = "mono-spring";
               for (const auto& [key, weight] :
                    {std::pair{"weight_car_fl", "150"}, std::pair{"weight_car_fr", "160"},
                     std::pair{"weight_car_rl", "170"}, std::pair{"weight_car_rr", "180"}})
                   Set(in, "weight_distribution", key, weight);
           })
        << QStringList{"Suspension (Dampers)", "Misc. Suspension", "mono-spring", "Corner Weights", "22.7%",
                       "Front wheel track", "27.3%", "660.0", "50.0%",
                       // The monoshock header: "Front" followed by the rear wheels.
                       "<B>Front</B></FONT></TD>\r\n<TD WIDTH=\"5\">&nbsp;</TD>\r\n<TD ALIGN=\"left\">" +
                           kFont + "<B>RL</B>"}
        << QStringList{"Front Suspension", "Aerodynamics Front"};
    QTest::newRow("kart: suspension, aerodynamics, four tires")
        << int(VehicleType::Kart) << SetupFill([](SetupReportInput& in) {
               Set(in, "suspension_front", "kart_fl_camber", "-1");
               Set(in, "suspension_rear", "kart_axle_stiffness", "hard");
               Set(in, "aerodynamics", "rear_diffuser", "D2");
               in.record.Cell(GridId::FourWheelTires, 0, 3) = "T4";
           })
        << QStringList{"Suspension", "Misc. Suspension", "Camber", "Axle stiffness", "Aerodynamics Rear",
                       "D2",         "<B>RR</B>",        "T4"}
        << QStringList{"Suspension (Dampers)", "Corner Weights"};
}

void TestSetupReport::sectionsFollowVehicleAndData() {
    QFETCH(int, vehicle);
    QFETCH(SetupFill, fill);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    SetupReportInput input;
    input.vehicle = VehicleType(vehicle);
    fill(input);
    const QString html = Report(input);
    for (const QString& text : present)
        QVERIFY2(html.contains(text), qPrintable(text));
    for (const QString& text : absent)
        QVERIFY2(!html.contains(text.startsWith('<') ? text : Heading(text)), qPrintable(text));
    // Every section row opened is closed again: the document stays a well-formed table.
    QCOMPARE(html.count(QStringLiteral("<TR")), html.count(QStringLiteral("</TR>")));
    QCOMPARE(html.count(QStringLiteral("<TABLE")), html.count(QStringLiteral("</TABLE>")));
}

void TestSetupReport::jettingColumnsFollowCylinderCount_data() {
    QTest::addColumn<QString>("cylinders");
    QTest::addColumn<int>("shown");
    QTest::newRow("one cylinder") << "1" << 1;
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("more than five keeps the table") << "9" << 5;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("no number") << "two" << 1;
}

void TestSetupReport::jettingColumnsFollowCylinderCount() {
    QFETCH(QString, cylinders);
    QFETCH(int, shown);
    QCOMPARE(ReportCylinderCount(cylinders), shown);
    SetupReportInput input;
    Set(input, "jetting", "num_of_cylinders", cylinders);
    for (int c = 0; c < 5; ++c)
        input.record.Cell(GridId::Jetting, 1, c) = QStringLiteral("j%1").arg(c + 1);
    const QString html = Report(input);
    QVERIFY(html.contains(Heading("Jetting")));
    // A column header row only for more than one cylinder.
    QCOMPARE(html.contains(QStringLiteral("<B>1</B>")), shown > 1);
    for (int c = 1; c <= 5; ++c)
        QCOMPARE(html.contains(Cell(QStringLiteral("j%1").arg(c))), c <= shown);
    QVERIFY(!html.contains(QStringLiteral("Cam timing intake")));
}

void TestSetupReport::gearingRowsCarryRatiosAndSpeeds() {
    SetupReportInput input;
    Set(input, "gearing", "countershaft", "14");
    Set(input, "gearing", "rear_sprocket", "42");
    Set(input, "gearing", "primary_drive_input", "1");
    Set(input, "gearing", "primary_drive_output", "1");
    Set(input, "gearing", "input_first_gear", "12");
    Set(input, "gearing", "output_first_gear", "36");
    Set(input, "gearing", "tire_circumference", "1900");
    Set(input, "gearing", "rpm", "7000");
    Set(input, "gearing", "speed_unit", "km/h");
    QString html = Report(input);
    QVERIFY(html.contains(Cell("12/36&nbsp;&nbsp;(3.000)")));
    QVERIFY(html.contains(Cell("&nbsp;&nbsp;88.67 km/h @ 7000 Rpm") + "</TR>"));
    QVERIFY(html.contains(Cell("14")));
    // A primary drive of 1:1 is left out; another one is written without a note.
    QVERIFY(!html.contains(QStringLiteral("Primary drive")));
    Set(input, "gearing", "primary_drive_input", "2");
    Set(input, "gearing", "primary_drive_output", "3");
    html = Report(input);
    QVERIFY(html.contains(Cell("2/3&nbsp;&nbsp;(1.500)")));

    // Shaft drive: one "Final gear" row instead of the chain rows; gear symbols before the teeth.
    Set(input, "gearing", "uses_shaftdrive", "true");
    Set(input, "gearing", "shaftdrive_input", "3");
    Set(input, "gearing", "shaftdrive_output", "10");
    Set(input, "gearing", "use_gearing_symbols", "true");
    Set(input, "gearing", "symbol_first_gear", "A<1>");
    html = Report(input);
    QVERIFY(html.contains(Cell("3:10")));
    QVERIFY(!html.contains(QStringLiteral("Countershaft")));
    QVERIFY(html.contains(Cell("A&lt;1&gt;&nbsp;&nbsp;12/36&nbsp;&nbsp;(3.000)")));
}

void TestSetupReport::partSetupNamesLinkToAnchors() {
    SetupReportInput input;
    input.record.selectedNames[size_t(SetupArea::Tires)] = QStringLiteral("Wet & cold");
    input.record.Cell(GridId::BikeTires, 0, 0) = QStringLiteral("F1");
    ReportOptions options;
    QString html = Report(input, options);
    QVERIFY(!html.contains(Heading("Part setups")));
    // The tire section carries its anchor whether or not the names are listed.
    QVERIFY(html.contains(QStringLiteral("<A NAME=\"tiresetup\">\r\n") + "<FONT FACE=\"Arial, Helvetica, "
                                                                         "sans-serif\" COLOR=\"#000000\" "
                                                                         "SIZE=\"4\"><B>Tires</B>"));
    options.exportPartSetupNames = true;
    html = Report(input, options);
    QVERIFY(html.contains(Heading("Part setups")));
    QVERIFY(html.contains(Cell("<A HREF=\"#tiresetup\">Wet &amp; cold</A>")));
    QVERIFY(!html.contains(QStringLiteral("#suspensionsetup")));
}

void TestSetupReport::userTextIsEscaped() {
    SetupReportInput input;
    input.vehicle = VehicleType::Car;
    Set(input, "general", "frame", "<script>alert('x')</script>");
    Set(input, "general", "notes", "a<b>\nsee http://example.com/?a=1&b=2\n\"quoted\"");
    input.record.Cell(GridId::CarWheelAngles, 0, 0) = QStringLiteral("<i>");
    Set(input, "weight_distribution", "weight_car_ballast", "10 kg & <left>");
    input.record.selectedNames[size_t(SetupArea::General)] = QStringLiteral("<img src=x onerror=alert(1)>");
    ReportOptions options;
    options.exportPartSetupNames = true;
    const QString html = Report(input, options);
    QVERIFY(html.contains(Cell("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;")));
    // Notes: escaped first, then links and line breaks are our own markup.
    QVERIFY(html.contains(kFont + "a&lt;b&gt;<BR>see <a href=\"http://example.com/?a=1&amp;b=2\">"
                                  "http://example.com/?a=1&amp;b=2</a><BR>&quot;quoted&quot;</FONT>"));
    QVERIFY(html.contains(Cell("&lt;i&gt;")));
    QVERIFY(html.contains(Cell("10 kg &amp; &lt;left&gt;")));
    QVERIFY(html.contains(QStringLiteral("&lt;img src=x onerror=alert(1)&gt;</A>")));
    QVERIFY(!html.contains(QStringLiteral("<script")));
    QVERIFY(!html.contains(QStringLiteral("<img")));
    QVERIFY(!html.contains(QStringLiteral("<i>")));
}

QTEST_GUILESS_MAIN(TestSetupReport)
#include "tst_setup_report.moc"

void TestSetupReport::weightRowsFollowThePageMode_data() {
    QTest::addColumn<int>("mode"); // -1: no page, the file reported on its own
    QTest::addColumn<bool>("withWeights");
    QTest::addColumn<QStringList>("rows");
    const auto row = [](const char* caption, const char* weight, const char* percent) {
        return QStringList{caption, weight, percent}.join(' ');
    };
    const QStringList actual = {row("FL", "150.0", "22.7%"), row("Cross weight", "330.0", "50.0%"),
                                row("Front", "310.0", "47.0%"), row("Right", "340.0", "51.5%")};
    const QStringList desired = {row("RR", "144.0", "24.0%"), row("Cross weight", "300.0", "50.0%"),
                                 row("Rear", "294.0", "49.0%")};
    QTest::newRow("actual mode") << int(WeightMode::ActualCornerWeights) << true << actual;
    QTest::newRow("desired mode") << int(WeightMode::DesiredDistribution) << true << desired;
    QTest::newRow("no page: the weights") << -1 << true << actual;
    QTest::newRow("no page, no weights: the shares") << -1 << false << desired;
}

void TestSetupReport::weightRowsFollowThePageMode() {
    QFETCH(int, mode);
    QFETCH(bool, withWeights);
    QFETCH(QStringList, rows);
    SetupReportInput input;
    input.vehicle = VehicleType::Car;
    if (mode >= 0) input.weightMode = WeightMode(mode);
    const char* corners[] = {"fl", "fr", "rl", "rr"};
    const char* weights[] = {"150", "160", "170", "180"};
    const char* percents[] = {"25", "25", "25", "24"};
    for (int i = 0; i < 4; ++i) {
        const QByteArray key = QByteArray("weight_car_") + corners[i];
        if (withWeights) Set(input, "weight_distribution", key.constData(), weights[i]);
        Set(input, "weight_distribution", (key + "_percent").constData(), percents[i]);
    }
    Set(input, "weight_distribution", "weight_car_total", "600");
    // Each table row as its cells read: "FL 150.0 22.7%".
    QStringList shown;
    for (const QString& tableRow : Report(input).split("<TR")) {
        QString cells = "<TR" + tableRow;
        shown << cells.remove(QRegularExpression("<[^>]*>")).replace("&nbsp;", " ").simplified();
    }
    for (const QString& text : rows)
        QVERIFY2(shown.contains(text), qPrintable(text));
}
