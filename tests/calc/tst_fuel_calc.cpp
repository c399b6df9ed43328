// The fuel figures: session consumption, wet share, laps to run, the fuel amount calculator and the
// refuelling planner.
#include "calc/fuel_calc.h"

#include <QTest>

namespace {

using Rows = std::vector<QStringList>;

QString Render(const Rows& rows) {
    QStringList lines;
    for (const QStringList& row : rows)
        lines << row.join(u'|');
    return lines.join(u';');
}

constexpr double kDay = 46000.0; // a day number; hours are fractions of it

} // namespace

Q_DECLARE_METATYPE(Rows)

class TestFuelCalc : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sessionConsumption_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("laps");
        QTest::addColumn<bool>("litres");
        QTest::addColumn<double>("stop");
        QTest::addColumn<int>("pitMs");
        QTest::addColumn<QStringList>("figures"); // total, per lap, distance per fuel, per hour
        const double hour = kDay + 1.0 / 24;
        QTest::newRow("litres") << "10"
                                << "4"
                                << "12" << true << hour << 0
                                << QStringList{"6", "0.5000", "3.2180", "6.0000"};
        QTest::newRow("gallons") << "10"
                                 << "4"
                                 << "12" << false << hour << 0
                                 << QStringList{"6", "0.5000", "2.0000", "6.0000"};
        QTest::newRow("pit time leaves half an hour")
            << "10"
            << "4"
            << "12" << true << hour << 1800000 << QStringList{"6", "0.5000", "3.2180", "12.0000"};
        QTest::newRow("more after than at start")
            << "4"
            << "10"
            << "12" << true << hour << 0 << QStringList{"-6", "-0.5000", "", ""};
        QTest::newRow("shortest total")
            << "10"
            << "4.1"
            << "1" << true << hour << 0 << QStringList{"5.9", "5.9000", "0.2727", "5.9000"};
        QTest::newRow("no stop time: no per-hour figure, no error")
            << "10"
            << "4"
            << "12" << true << 0.0 << 5000 << QStringList{"6", "0.5000", "3.2180", ""};
        QTest::newRow("longer than a day counts in full")
            << "50"
            << "2"
            << "12" << true << kDay + 2.0 << 0 << QStringList{"48", "4.0000", "0.4023", "1.0000"};
        QTest::newRow("zero laps") << "10"
                                   << "4"
                                   << "0" << true << hour << 0 << QStringList{"", "", "", ""};
        QTest::newRow("laps no number") << "10"
                                        << "4"
                                        << "x" << true << hour << 0 << QStringList{"", "", "", ""};
    }
    void sessionConsumption() {
        QFETCH(QString, start);
        QFETCH(QString, after);
        QFETCH(QString, laps);
        QFETCH(bool, litres);
        QFETCH(double, stop);
        QFETCH(int, pitMs);
        QFETCH(QStringList, figures);
        const SessionConsumptionInput in{start, after, laps, "1609", litres, kDay, stop, pitMs};
        const auto result = SessionConsumptionOf(in);
        QVERIFY(result.has_value());
        QCOMPARE((QStringList{result->total, result->perLap, result->distancePerFuel, result->perHour}),
                 figures);
    }

    void pitTimeLongerThanSessionIsRefused() {
        const SessionConsumptionInput in{"10", "4", "12", "1609", true, kDay, kDay + 1.0 / 24, 3601000};
        const auto result = SessionConsumptionOf(in);
        QVERIFY(!result.has_value());
        QCOMPARE(result.error(), QString("Pitstop time longer than total time, aborting!"));
    }

    void captionsFollowTheVolumeUnit() {
        const FuelCaptions l = FuelCaptionsFor(true);
        const FuelCaptions g = FuelCaptionsFor(false);
        QCOMPARE(
            (QStringList{l.total, l.perLap, l.distancePerFuel, l.perHour, l.approxPerLap, l.density}),
            (QStringList{"Total litres", "Litres/lap", "km/litre", "Litres/hour", "litres/lap", "kg/litre"}));
        QCOMPARE((QStringList{g.total, g.perLap, g.distancePerFuel, g.perHour, g.approxPerLap, g.density}),
                 (QStringList{"Total gallons", "Gallons/lap", "Mpg", "Gallons/hour", "Gallons/lap",
                              "lbs/gallon"}));
        QCOMPARE(g.trackDry, QString("Dry track gallons/lap"));
        QCOMPARE(l.weight + g.weight, QString("kglbs"));
    }

    void wetConsumption_data() {
        QTest::addColumn<QString>("dry");
        QTest::addColumn<QString>("wet");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("result");
        QTest::newRow("half wet") << "0.5"
                                  << "0.4"
                                  << "50"
                                  << "0.4500";
        QTest::newRow("pit page example") << "2.0"
                                          << "1.6"
                                          << "50"
                                          << "1.8000";
        QTest::newRow("empty is dry") << "2"
                                      << "1.6"
                                      << ""
                                      << "2.0000";
        QTest::newRow("all wet") << "2"
                                 << "1.6"
                                 << "100"
                                 << "1.6000";
        QTest::newRow("above 100") << "2"
                                   << "1.6"
                                   << "150"
                                   << "";
        QTest::newRow("negative") << "2"
                                  << "1.6"
                                  << "-1"
                                  << "";
        QTest::newRow("percent no number") << "2"
                                           << "1.6"
                                           << "x"
                                           << "";
        QTest::newRow("no wet figure") << "2"
                                       << ""
                                       << "10"
                                       << "";
    }
    void wetConsumption() {
        QFETCH(QString, dry);
        QFETCH(QString, wet);
        QFETCH(QString, percent);
        QFETCH(QString, result);
        QCOMPARE(WetConsumption(dry, wet, percent), result);
    }

    void lapsToRun_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("lapTime");
        QTest::addColumn<QString>("laps");
        QTest::newRow("exact fit gives one more") << "1"
                                                  << "60"
                                                  << "61";
        QTest::newRow("part lap") << "1"
                                  << "65"
                                  << "56";
        QTest::newRow("zero lap time") << "1"
                                       << "0"
                                       << "";
        QTest::newRow("no hours") << ""
                                  << "60"
                                  << "";
    }
    void lapsToRun() {
        QFETCH(QString, hours);
        QFETCH(QString, lapTime);
        QFETCH(QString, laps);
        QCOMPARE(LapsToRun(hours, lapTime), laps);
    }

    void fuelAmount_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("dry");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("premix");
        QTest::addColumn<QStringList>("figures"); // approx, total, oil, gasoline
        QTest::newRow("dry race") << 0 << "2"
                                  << "1"
                                  << "" << QStringList{"2.0000", "23.000", "", ""};
        QTest::newRow("quarter wet with premix") << 25 << "2"
                                                 << ""
                                                 << "4" << QStringList{"1.9000", "20.900", "0.836", "20.064"};
        QTest::newRow("no consumption: the required amount")
            << 50 << ""
            << "3"
            << "2" << QStringList{"", "3.000", "0.060", "2.940"};
        QTest::newRow("no consumption, nothing required: total kept") << 50 << ""
                                                                      << "0"
                                                                      << "" << QStringList{"", "7.5", "", ""};
    }
    void fuelAmount() {
        QFETCH(int, position);
        QFETCH(QString, dry);
        QFETCH(QString, required);
        QFETCH(QString, premix);
        QFETCH(QStringList, figures);
        const FuelAmount a = CalcFuelAmount({dry, "1.6", position, "10", "1", required, premix, "7.5"});
        QCOMPARE((QStringList{a.approxPerLap, a.total, a.oil, a.gasoline}), figures);
    }

    void wetPercentIsClamped() {
        QCOMPARE(ClampWetPercent("130"), std::optional<int>(100));
        QCOMPARE(ClampWetPercent("-5"), std::optional<int>(0));
        QCOMPARE(ClampWetPercent("30"), std::optional<int>(30));
        QCOMPARE(ClampWetPercent("3.5"), std::nullopt);
    }

    void remainingFuel_data() {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("density");
        QTest::addColumn<QString>("remaining");
        QTest::newRow("normal") << "12.5"
                                << "2.5"
                                << "0.74"
                                << "13.514";
        QTest::newRow("empty heavier") << "2"
                                       << "2.5"
                                       << "0.74"
                                       << "0.000";
        QTest::newRow("zero density") << "12.5"
                                      << "2.5"
                                      << "0"
                                      << "0.000";
        QTest::newRow("no number") << "x"
                                   << "2.5"
                                   << "0.74"
                                   << "";
    }
    void remainingFuel() {
        QFETCH(QString, full);
        QFETCH(QString, empty);
        QFETCH(QString, density);
        QFETCH(QString, remaining);
        QCOMPARE(RemainingFuel(full, empty, density), remaining);
    }

    void planner_data() {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("laps");
        QTest::addColumn<QString>("plan");
        const QString full =
            "0|Fill up (40)||;20|Fill up (38.00)||;40|Fill up (38.00)||;60|Fill up (38.00)||";
        QTest::newRow("100 laps end on a fill-up") << Rows{} << 0 << "100" << full + ";80|Fill up (38.00)||";
        QTest::newRow("90 laps end on a part fill") << Rows{} << 0 << "90" << full + ";80|19.00||";
        QTest::newRow("10 laps: one fill at the start") << Rows{} << 0 << "10"
                                                        << "0|21.00||";
        QTest::newRow("from lap 0 replaces every row") << Rows{{"5", "", "soft", ""}} << 0 << "10"
                                                       << "0|21.00||";
        QTest::newRow("from lap 45 keeps the stops up to 40")
            << Rows{{"0", "Fill up (40)", "", ""},
                    {"20", "Fill up (38.00)", "", ""},
                    {"40", "Fill up (38.00)", "new", "visor"},
                    {"60", "x", "", ""}}
            << 45 << "100"
            << "0|Fill up (40)||;20|Fill up (38.00)||;40|Fill up (38.00)|new|visor;60|Fill up (38.00)||;"
               "80|Fill up (38.00)||";
        QTest::newRow("a tire stop without fuel is kept, not a refuelling; the list stays sorted")
            << Rows{{"0", "Fill up (40)", "", ""}, {"30", "", "rain", ""}} << 35 << "50"
            << "0|Fill up (40)||;20|Fill up (38.00)||;30||rain|;40|19.00||";
    }
    void planner() {
        QFETCH(Rows, rows);
        QFETCH(int, from);
        QFETCH(QString, laps);
        QFETCH(QString, plan);
        const PitPlan result = PlanPitStops(rows, from, {"40", "2", "1.9", laps, true});
        QVERIFY(result.planned);
        QCOMPARE(Render(result.rows), plan);
    }

    void plannerRefusesEndlessPlans_data() {
        QTest::addColumn<QStringList>("inputs"); // capacity, least, consumption, laps
        QTest::addColumn<bool>("refused");       // false: inputs that are no numbers, silently nothing
        QTest::newRow("zero consumption") << QStringList{"40", "2", "0", "10"} << true;
        QTest::newRow("negative consumption") << QStringList{"40", "2", "-1", "10"} << true;
        QTest::newRow("least not below capacity") << QStringList{"40", "40", "1", "10"} << true;
        QTest::newRow("tank lasts under half a lap") << QStringList{"10", "9.6", "1", "10"} << true;
        QTest::newRow("too many stops") << QStringList{"10", "0", "10", "20000"} << true;
        QTest::newRow("laps no integer") << QStringList{"40", "2", "1.9", "10.5"} << false;
        QTest::newRow("capacity empty") << QStringList{"", "2", "1.9", "10"} << false;
    }
    void plannerRefusesEndlessPlans() {
        QFETCH(QStringList, inputs);
        QFETCH(bool, refused);
        const Rows rows{{"3", "5", "", ""}};
        const PitPlan result = PlanPitStops(rows, 0, {inputs[0], inputs[1], inputs[2], inputs[3], true});
        QVERIFY(!result.planned);
        QCOMPARE(!result.refusal.isEmpty(), refused);
        QCOMPARE(Render(result.rows), Render(rows));
    }

    void gallonAmountsHaveThreeDecimals() {
        const PitPlan result = PlanPitStops({}, 0, {"10", "1", "1", "25", false});
        QCOMPARE(Render(result.rows), QString("0|Fill up (10)||;9|Fill up (9.000)||;18|7.000||"));
    }

    void rowsSortByLapNumber() {
        Rows rows{{"10", "a"}, {"x", "b"}, {"2", "c"}, {"10", "d"}};
        SortPitStopRows(rows);
        QCOMPARE(Render(rows), QString("2|c;10|a;10|d;x|b"));
    }
};

QTEST_GUILESS_MAIN(TestFuelCalc)
#include "tst_fuel_calc.moc"
