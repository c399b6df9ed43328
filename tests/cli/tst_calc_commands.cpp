// The calculator commands: the gearing figures of a setup file and the jetting guru's suggestion.
#include "cli_runner.h"

#include <QTest>

namespace {

const QString kSetup = QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set");
const QString kEmptyRows = QStringLiteral("4\t\t\t\t\t\n5\t\t\t\t\t\n6\t\t\t\t\t\nFinal: 3.000\n");

} // namespace

class TestCalcCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void gearingPrintsThePageFigures_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("out");
        QTest::newRow("normal") << QStringList{}
                                << "1\t3.000\t88.67 km/h\t\t\t\n2\t2.000\t133.00 km/h\t4667\t2333\t!\n"
                                   "3\t1.500\t177.33 km/h\t5250\t1750\t\n" +
                                       kEmptyRows;
        QTest::newRow("rev limit")
            << QStringList{"--mode", "rev-limit"}
            << "1\t3.000\t95.00 km/h\t7500\t2500\t!\n2\t2.000\t126.67 km/h\t6667\t1667\t\n"
               "3\t1.500\t\t\t\t\n" +
                   kEmptyRows;
        QTest::newRow("optimal shift") << QStringList{"--mode", "optimal"}
                                       << "1\t3.000\t144.40 km/h\t11400\t3800\t!\n"
                                          "2\t2.000\t207.27 km/h\t10909\t2727\t!\n3\t1.500\t\t\t\t\n" +
                                              kEmptyRows;
        QTest::newRow("fix speed") << QStringList{"--mode", "fix-speed", "--fix-speed", "100"}
                                   << "1\t3.000\t100.00 km/h\t7895\t\t!\n2\t2.000\t100.00 km/h\t5263\t\t\n"
                                      "3\t1.500\t100.00 km/h\t3947\t\t!\n" +
                                          kEmptyRows;
    }
    void gearingPrintsThePageFigures() {
        QFETCH(QStringList, options);
        QFETCH(QString, out);
        const CliRun run = RunCli(QStringList{"gearing", kSetup} + options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, out);
    }

    void gearingErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("other vehicle")
            << QStringList{"gearing", kSetup, "--vehicle", "car"}
            << "Vehicle types doesn't match!\nChange vehicle to motorcycle to open this setup.\n";
        QTest::newRow("missing file")
            << QStringList{"gearing", "/nonexistent/x.set"} << "File not found: /nonexistent/x.set\n";
        QTest::newRow("unknown vehicle")
            << QStringList{"gearing", kSetup, "--vehicle", "boat"} << "Unknown vehicle code: boat\n";
        QTest::newRow("unknown mode") << QStringList{"gearing", kSetup, "--mode", "fast"} << "usage:";
        QTest::newRow("no file") << QStringList{"gearing"} << "usage:";
    }
    void gearingErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const CliRun run = RunCli(args);
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
    }

    void jettingSuggestsPerReferenceRow_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        const QStringList linear = {"--method",   "linear", "--ref-rad1", "95",
                                    "--ref-rad2", "105",    "--rad",      "100"};
        const QStringList root = {"--method", "4th-root", "--ref-rad1", "100", "--rad", "90"};
        const QStringList refs = {"--ref", "Main:160:170", "--ref", "Pilot:x:40"};
        QTest::newRow("linear flow") << linear + QStringList{"--kind", "flow"} + refs << 0
                                     << "Main\t165\n\t\n";
        QTest::newRow("linear diameter")
            << linear + QStringList{"--kind", "diameter"} + refs << 0 << "Main\t165\n\t\n";
        QTest::newRow("4th root flow")
            << root + QStringList{"--kind", "flow"} + refs << 0 << "Main\t156\n\t\n";
        QTest::newRow("4th root diameter")
            << root + QStringList{"--kind", "diameter"} + refs << 0 << "Main\t152\n\t\n";
        QTest::newRow("equal references")
            << QStringList{"--method",   "linear", "--kind", "flow", "--ref-rad1", "95",
                           "--ref-rad2", "95,0",   "--rad",  "100",  "--ref",      "Main:160:170"}
            << 1 << "";
    }
    void jettingSuggestsPerReferenceRow() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        const CliRun run = RunCli(QStringList{"jetting"} + args);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), status == 0);
    }
};

QTEST_GUILESS_MAIN(TestCalcCommands)
#include "tst_calc_commands.moc"
