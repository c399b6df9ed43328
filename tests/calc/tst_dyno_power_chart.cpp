#include "calc/dyno_data.h"
#include "calc/gearing_model.h"
#include "calc/power_chart.h"
#include "storage/txt_parser.h"

#include "gearing_fixture.h"
#include <QDir>
#include <QTest>
#include <cmath>

namespace {

std::array<DynoRowText, DynoRowCount> Rows(std::initializer_list<DynoRowText> rows) {
    std::array<DynoRowText, DynoRowCount> all;
    int at = 0;
    for (const DynoRowText& row : rows)
        all[at++] = row;
    return all;
}

bool Near(double a, double b, double tolerance = 1e-6) {
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestDynoPowerChart : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void powerAtRpmInterpolates_data();
    void powerAtRpmInterpolates();
    void dataPoints_data();
    void dataPoints();
    void torqueAndBestRpmBand();
    void peaksKeepFirstOfTies();
    void seriesKeepOriginOnlyForOnePoint();
    void editingSameTextChangesNothing();
    void dynoRowsReadCurrentAndOlderKeys();
    void drivingForce_data();
    void drivingForce();
    void powerChartSeries();
    void powerChartDrivingForceAndCaptions();
    void powerChartWithoutFinalDriveIsEmpty();
    void pointerReadout();
};

void TestDynoPowerChart::powerAtRpmInterpolates_data() {
    QTest::addColumn<double>("rpm");
    QTest::addColumn<double>("power");
    QTest::newRow("between") << 7000.0 << 60.0;
    QTest::newRow("at first row") << 6000.0 << 50.0;
    QTest::newRow("at last row") << 8000.0 << 70.0;
    QTest::newRow("quarter") << 6500.0 << 55.0;
    QTest::newRow("below curve") << 5000.0 << 0.0;
    QTest::newRow("above curve") << 9000.0 << 0.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("negative") << -100.0 << 0.0;
}

void TestDynoPowerChart::powerAtRpmInterpolates() {
    QFETCH(double, power);
    QFETCH(double, rpm);
    DynoData dyno;
    // An empty row between the two points is skipped.
    dyno.SetRows(Rows({{"6000", "50"}, {"", ""}, {"8000", "70"}}));
    QVERIFY(Near(dyno.P(rpm), power));
}

void TestDynoPowerChart::dataPoints_data() {
    QTest::addColumn<QString>("rpm");
    QTest::addColumn<QString>("power");
    QTest::addColumn<int>("expectedRpm");
    QTest::addColumn<double>("expectedPower");
    QTest::newRow("whole rpm") << "7000"
                               << "50" << 7000 << 50.0;
    QTest::newRow("decimal comma power") << "7000"
                                         << "50,5" << 7000 << 50.5;
    QTest::newRow("decimal rpm") << "7500.5"
                                 << "50" << 0 << 0.0;
    QTest::newRow("power 0") << "7500"
                             << "0" << 0 << 0.0;
    QTest::newRow("negative power") << "7500"
                                    << "-3" << 0 << 0.0;
    QTest::newRow("power text") << "7500"
                                << "abc" << 0 << 0.0;
    QTest::newRow("rpm 0") << "0"
                           << "50" << 0 << 0.0;
    QTest::newRow("negative rpm") << "-1000"
                                  << "50" << 0 << 0.0;
}

void TestDynoPowerChart::dataPoints() {
    QFETCH(QString, rpm);
    QFETCH(QString, power);
    QFETCH(int, expectedRpm);
    QFETCH(double, expectedPower);
    DynoData dyno;
    dyno.SetRowText(3, {rpm, power});
    QCOMPARE(dyno.Rpm(3), expectedRpm);
    QCOMPARE(dyno.Power(3), expectedPower);
    QVERIFY(std::isfinite(dyno.Torque(3)));
    QCOMPARE(dyno.Chart().FindSeries("Power (hp)")->points.size(), size_t(dyno.Rpm(3) > 0 ? 2 : 1));
}

void TestDynoPowerChart::torqueAndBestRpmBand() {
    QVERIFY(Near(TorqueNm(50, 6000), 59.3476, 1e-4));
    QCOMPARE(TorqueNm(50, 0), 0.0);
    DynoData dyno;
    // Torque: 71.217 Nm at 7000 (70 hp), 63.304 Nm at 9000 (80 hp).
    dyno.SetRows(Rows({{"5000", "40"}, {"7000", "70"}, {"9000", "80"}}));
    QCOMPARE(dyno.HighestPower().rpm, 9000);
    QCOMPARE(dyno.HighestTorque().rpm, 7000);
    const ChartRect band = dyno.BestRpmBand();
    QCOMPARE(band.left, 7000.0);
    QCOMPARE(band.right, 9000.0);
    QVERIFY(Near(band.top, 71.21712, 1e-5));
    QCOMPARE(band.bottom, 0.0);
    QCOMPARE(dyno.Chart().FindRect("Best rpms")->right, 9000.0);
    QVERIFY(Near(dyno.Chart().FindSeries("Torque (Nm)")->points[1].y, 71.21712, 1e-5));

    dyno.SetRows({});
    QVERIFY(dyno.BestRpmBand().IsEmpty());
}

void TestDynoPowerChart::peaksKeepFirstOfTies() {
    DynoData dyno;
    dyno.SetRows(Rows({{"8000", "80"}, {"9000", "80"}}));
    QCOMPARE(dyno.HighestPower().rpm, 8000);
    QCOMPARE(dyno.HighestPower().value, 80.0);
}

void TestDynoPowerChart::seriesKeepOriginOnlyForOnePoint() {
    DynoData dyno;
    QCOMPARE(dyno.Chart().FindSeries("Power (hp)")->points, std::vector<ChartPoint>({{0, 0}}));
    dyno.SetRowText(0, {"6000", "50"});
    QCOMPARE(dyno.Chart().FindSeries("Power (hp)")->points, std::vector<ChartPoint>({{0, 0}, {6000, 50}}));
    dyno.SetRowText(1, {"8000", "70"});
    QCOMPARE(dyno.Chart().FindSeries("Power (hp)")->points,
             std::vector<ChartPoint>({{6000, 50}, {8000, 70}}));
    QCOMPARE(dyno.Chart().FindSeries("Torque (Nm)")->points.size(), size_t(2));
}

void TestDynoPowerChart::editingSameTextChangesNothing() {
    DynoData dyno;
    QVERIFY(!dyno.IsChanged());
    dyno.SetRowText(0, {"6000", "50"});
    QVERIFY(dyno.IsChanged());
    dyno.ClearChanged();
    dyno.SetRowText(0, {"6000", "50"});
    QVERIFY(!dyno.IsChanged());
}

void TestDynoPowerChart::dynoRowsReadCurrentAndOlderKeys() {
    TTxtParser writer;
    writer.OpenWrite(QDir::temp().filePath("unused.ini"));
    writer.WriteSection("engine");
    WriteDynoRows(writer, Rows({{"6000", "50"}, {"", ""}, {"8000", "70.5"}}));
    TTxtParser reader;
    reader.OpenReadText(writer.WrittenText());
    const auto rows = ReadDynoRows(reader, "engine");
    QCOMPARE(rows[0], DynoRowText({"6000", "50"}));
    QCOMPARE(rows[1], DynoRowText());
    QCOMPARE(rows[2], DynoRowText({"8000", "70.5"}));

    // Any older key wins over the current ones; rows fill in rising rpm order from row 1.
    TTxtParser older;
    older.OpenReadText("[engine]\r\ndyno_rpm_1=1000;\r\ndyno_power_1=5;\r\ndyno_9000=80;\r\ndyno_1500=10;\r\n"
                       "dyno_17000=20;\r\n");
    const auto olderRows = ReadDynoRows(older, "engine");
    QCOMPARE(olderRows[0], DynoRowText({"1500", "10"}));
    QCOMPARE(olderRows[1], DynoRowText({"9000", "80"}));
    QCOMPARE(olderRows[2], DynoRowText({"17000", "20"}));
    QCOMPARE(olderRows[3], DynoRowText());
}

void TestDynoPowerChart::drivingForce_data() {
    QTest::addColumn<double>("speed");
    QTest::addColumn<bool>("mph");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<double>("force");
    QTest::newRow("km/h metric") << 100.0 << false << true << 1342.8;
    QTest::newRow("km/h US") << 100.0 << false << false << 301.8735;
    QTest::newRow("mph metric") << 100.0 / 1.609 << true << true << 1342.8;
    QTest::newRow("speed 0") << 0.0 << false << true << -1.0;
}

void TestDynoPowerChart::drivingForce() {
    QFETCH(double, speed);
    QFETCH(bool, mph);
    QFETCH(bool, metric);
    QFETCH(double, force);
    const std::optional<double> result = PowerChartModel::DrivingForce(speed, 50, mph, metric);
    if (force < 0)
        QVERIFY(!result);
    else
        QVERIFY2(result && Near(*result, force, 1e-3), qPrintable(QString::number(result.value_or(-1))));
}

void TestDynoPowerChart::powerChartSeries() {
    DynoData dyno;
    // Torque 59.35 Nm at 6000 (50 hp) is the highest, power 60 hp at 8000: band 6000..8000, top 59.35.
    dyno.SetRows(Rows({{"6000", "50"}, {"8000", "60"}}));
    GearingModel gearing(&dyno);
    gearing.SetInputs(BaseInputs());
    PowerChartModel chart;
    chart.ShowPowerChartCBClick(true, gearing, dyno);
    QVERIFY(chart.IsShown());
    const ChartModel& model = chart.Chart();
    const ChartSeries* gear1 = model.FindSeries("Gear1");
    QCOMPARE(gear1->points.size(), size_t(2));
    QVERIFY(Near(gear1->points[0].x, 76) && Near(gear1->points[0].y, 50));
    QVERIFY(Near(gear1->points[1].x, 101.3333, 1e-4) && Near(gear1->points[1].y, 60));
    const ChartSeries* limits2 = model.FindSeries("Gear2 Limits");
    QCOMPARE(limits2->kind, ChartSeries::Kind::Points);
    QCOMPARE(limits2->points.size(), size_t(2));
    QVERIFY(Near(limits2->points[0].x, 114) && Near(limits2->points[0].y, 50)); // low limit 6000
    QVERIFY(Near(limits2->points[1].x, 133) && Near(limits2->points[1].y, 55)); // rpm 7000
    const ChartRect* sweet2 = model.FindRect("Gear2 SweetRange");
    QVERIFY(Near(sweet2->left, 114) && Near(sweet2->right, 152));
    QVERIFY(Near(sweet2->top, 2.0 / 6 * TorqueNm(50, 6000)));
    QVERIFY(model.FindSeries("Gear3")->points.empty());
    QVERIFY(model.FindRect("Gear3 SweetRange")->IsEmpty());

    chart.FormClose();
    QVERIFY(!chart.IsShown());
}

void TestDynoPowerChart::powerChartDrivingForceAndCaptions() {
    DynoData dyno;
    dyno.SetRows(Rows({{"6000", "50"}, {"8000", "60"}}));
    GearingModel gearing(&dyno);
    gearing.SetInputs(BaseInputs());
    PowerChartModel chart;
    QCOMPARE(chart.Chart().title, QString("Graph of power on all gears"));
    QCOMPARE(chart.Chart().yAxisTitle, QString("Power"));
    QCOMPARE(PowerChartModel::ContextMenuChoices(), QStringList({"Show Power", "Show Driving Force"}));

    chart.ShowDrivingForceMenuItemClick(gearing, dyno);
    QCOMPARE(chart.Chart().title, QString("Graph of driving force on all gears"));
    QCOMPARE(chart.Chart().yAxisTitle, QString("Driving force (N)"));
    const ChartPoint first = chart.Chart().FindSeries("Gear1")->points[0];
    QVERIFY(Near(first.x, 76) && Near(first.y, 50 * 0.746 * 3600 / 76));

    chart.SetMetric(false);
    chart.ShowDrivingForceMenuItemClick(gearing, dyno);
    QCOMPARE(chart.Chart().yAxisTitle, QString("Driving force (lbf)"));
    QVERIFY(Near(chart.Chart().FindSeries("Gear1")->points[0].y, 50 * 0.746 * 3600 / 76 * 0.224809));

    chart.ShowPowerMenuItemClick(gearing, dyno);
    QCOMPARE(chart.Chart().title, QString("Graph of engine power on all gears"));
    QCOMPARE(chart.Chart().yAxisTitle, QString("Power (bhp)"));
    QCOMPARE(chart.Chart().FindSeries("Gear1")->points[0].y, 50.0);
}

void TestDynoPowerChart::powerChartWithoutFinalDriveIsEmpty() {
    DynoData dyno;
    dyno.SetRows(Rows({{"6000", "50"}, {"8000", "60"}}));
    GearingModel gearing(&dyno);
    gearing.SetInputs(BaseInputs());
    PowerChartModel chart;
    chart.Redraw(gearing, dyno);
    QVERIFY(!chart.Chart().FindSeries("Gear1")->points.empty());
    gearing.SetText(GearingField::Countershaft, "0");
    chart.Redraw(gearing, dyno);
    for (const ChartSeries& series : chart.Chart().series)
        QVERIFY(series.points.empty());
    // No tire circumference: every speed is 0, where a driving force does not exist.
    gearing.SetText(GearingField::Countershaft, "14");
    gearing.SetText(GearingField::TireCircumference, "");
    chart.ShowDrivingForceMenuItemClick(gearing, dyno);
    for (const ChartSeries& series : chart.Chart().series)
        QVERIFY(series.points.empty());
    // Nor is a power curve drawn at speed 0.
    chart.ShowPowerMenuItemClick(gearing, dyno);
    for (const ChartSeries& series : chart.Chart().series)
        QVERIFY(series.points.empty());
    for (const ChartRect& rect : chart.Chart().rects)
        QVERIFY(rect.IsEmpty());
}

void TestDynoPowerChart::pointerReadout() {
    PowerChartModel chart;
    QCOMPARE(chart.MouseMove(101.4, 59.6), QString("(101, 60)"));
    QCOMPARE(chart.MouseMove(100.5, -0.4), QString("(100, 0)"));
    QCOMPARE(PointerReadout(std::nan(""), 1), QString());
}

QTEST_GUILESS_MAIN(TestDynoPowerChart)
#include "tst_dyno_power_chart.moc"
