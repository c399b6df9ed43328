// The tire pressure guru, a session's tire readings and the weight distribution from the command line.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCarSession = QStringLiteral(VORLAPA_TEST_DATA "/car_tires.ses");
const QString kBikeSession = QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses");

} // namespace

class TestTireWeightCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tirePressure_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList refs = {"--ref-cold", "20:1.80", "--ref-hot", "60:2.00"};
        QTest::newRow("between") << refs + QStringList{"--temp", "40"} << 0 << "1.9\n"
                                 << "";
        QTest::newRow("beyond") << refs + QStringList{"--temp", "80"} << 0 << "2.1\n"
                                << "";
        QTest::newRow("decimal comma")
            << QStringList{"--ref-cold", "20:1,80", "--ref-hot", "60:2,00", "--temp", "40"} << 0 << "1.9\n"
            << "";
        QTest::newRow("equal temperatures")
            << QStringList{"--ref-cold", "20:1.80", "--ref-hot", "20:2.00", "--temp", "40"} << 1 << ""
            << "The reference temperatures are equal: no suggestion\n";
        QTest::newRow("not a number") << refs + QStringList{"--temp", "warm"} << 1 << ""
                                      << "Not a number: warm\n";
        QTest::newRow("no pressure") << QStringList{"--ref-cold", "20",     "--ref-hot",
                                                    "60:2.00",    "--temp", "40"}
                                     << 1 << ""
                                     << "usage: vorlapa-cli tire-pressure --ref-cold TEMP:PRESSURE --ref-hot "
                                        "TEMP:PRESSURE --temp T\n";
    }
    void tirePressure() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = RunCli(QStringList{"tire-pressure"} + args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }

    void sessionTires_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("systemUnit");
        QTest::addColumn<QStringList>("lines");
        const QString fourHeader = "Wheel\tCold\tHot\tIncrease\tCircumference before\tCircumference after\t"
                                   "Difference\tPercent";
        QTest::newRow("motorcycle") << kBikeSession << "Metric"
                                    << QStringList{"Wheel\tCold\tHot\tIncrease", "Front\t2.0\t2.3\t15%",
                                                   "Rear\t2.1\t2.5\t19%"};
        QTest::newRow("car") << kCarSession << "Metric"
                             << QStringList{fourHeader, "FL\t1.8\t2.0\t11%\t1850\t1822\t-28.0\t-1.5%",
                                            "FR\t0\t2.1\t\t1850\t\t\t", "RL\t\t1.9\t\t\t\t\t",
                                            "RR\t\t\t\t\t1800\t\t"};
        // Both circumferences are shown in inches; their difference is taken as shown.
        QTest::newRow("car in miles")
            << kCarSession << "US Standard"
            << QStringList{fourHeader, "FL\t1.8\t2.0\t11%\t72.835\t71.732\t-1.1\t-1.5%",
                           "FR\t0\t2.1\t\t72.835\t\t\t", "RL\t\t1.9\t\t\t\t\t", "RR\t\t\t\t\t70.866\t\t"};
    }
    void sessionTires() {
        QFETCH(QString, file);
        QFETCH(QString, systemUnit);
        QFETCH(QStringList, lines);
        QTemporaryDir data;
        QFile settings(QDir(data.path()).filePath("vorlapa.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[general]\nsystem_unit=" + systemUnit.toUtf8() + ";\n");
        settings.close();
        const CliRun run = RunCli({"session", "tires", file, "--data-dir", data.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, lines);
    }

    void sessionTiresErrors() {
        const CliRun missing = RunCli({"session", "tires", "/nonexistent/x.ses"});
        QCOMPARE(missing.err, "File not found: /nonexistent/x.ses\n");
        QCOMPARE(missing.status, 1);
        const CliRun noFile = RunCli({"session", "tires"});
        QVERIFY(noFile.err.startsWith("usage: "));
        QCOMPARE(noFile.status, 1);
    }

    void weights_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("actual corner weights")
            << QStringList{"--fl", "150", "--fr", "160", "--rl", "170", "--rr", "180"}
            << QStringList{"FL\t150.0\tnormal",           "FL %\t22.7%\tblue",
                           "FR\t160.0\tnormal",           "FR %\t24.2%\tblue",
                           "RL\t170.0\tnormal",           "RL %\t25.8%\tred",
                           "RR\t180.0\tnormal",           "RR %\t27.3%\tred",
                           "Front\t310.0\tnormal",        "Front %\t47.0%\tblue",
                           "Rear\t350.0\tnormal",         "Rear %\t53.0%\tred",
                           "Left\t320.0\tnormal",         "Left %\t48.5%\tblue",
                           "Right\t340.0\tnormal",        "Right %\t51.5%\tred",
                           "Cross weight\t330.0\tnormal", "Cross weight %\t50.0%\tnormal",
                           "Total weight\t660.0\tnormal"};
        QTest::newRow("desired, sum below 100")
            << QStringList{"--desired", "--fl", "25", "--fr",    "25", "--rl",
                           "25",        "--rr", "24", "--total", "600"}
            << QStringList{"FL\t150.0\tnormal",           "FL %\t25.0%\tnormal",
                           "FR\t150.0\tnormal",           "FR %\t25.0%\tnormal",
                           "RL\t150.0\tnormal",           "RL %\t25.0%\tnormal",
                           "RR\t144.0\tnormal",           "RR %\t24.0%\tblue",
                           "Front\t300.0\tnormal",        "Front %\t50.0%\tnormal",
                           "Rear\t294.0\tnormal",         "Rear %\t49.0%\tblue",
                           "Left\t300.0\tnormal",         "Left %\t50.0%\tnormal",
                           "Right\t294.0\tnormal",        "Right %\t49.0%\tblue",
                           "Cross weight\t300.0\tnormal", "Cross weight %\t50.0%\tnormal",
                           "Total weight\t600.0\tnormal", "Sum of percentages\t99.0%\tblue"};
    }
    void weights() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        const CliRun run = RunCli(QStringList{"weights"} + args);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, lines);
    }

    // Shares that add up to 100 show no warning, even where the double's sum is not exactly 100; a total
    // of 0 leaves the shares that divide by it empty.
    void weightsEdges() {
        const CliRun sum100 = RunCli({"weights", "--desired", "--fl", "24.6", "--fr", "25.4", "--rl", "24.6",
                                      "--rr", "25.4", "--total", "0"});
        QCOMPARE(sum100.status, 0);
        QCOMPARE(sum100.lines.size(), 19);
        QCOMPARE(sum100.lines.value(9), "Front %\t\tnormal");
        QCOMPARE(sum100.lines.last(), "Total weight\t0.0\tnormal");
        const CliRun bad = RunCli({"weights", "--fl", "150", "--fr", "", "--rl", "170", "--rr", "180"});
        QCOMPARE(bad.err, "Not a number: \n");
        QCOMPARE(bad.status, 1);
        const CliRun noTotal =
            RunCli({"weights", "--desired", "--fl", "25", "--fr", "25", "--rl", "25", "--rr", "25"});
        QVERIFY(noTotal.err.startsWith("usage: "));
        QCOMPARE(noTotal.status, 1);
    }
};

QTEST_GUILESS_MAIN(TestTireWeightCommands)
#include "tst_tire_weight_commands.moc"
