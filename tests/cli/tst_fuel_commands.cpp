// vorlapa-cli fuel session / amount / remaining and pitstops plan.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// 12 laps of driver 1 on a 1609 m track, one hour from start to stop with 5 minutes in the pits.
QByteArray Session(const QByteArray& stop, const QByteArray& pit) {
    QByteArray laps = "30000";
    for (int i = 1; i < 12; ++i)
        laps += ",30000";
    return "[information]\r\nvehicle=mc;\r\n[conditions]\r\ntrack=Ring;\r\namount_fuel=10;\r\n"
           "[session_notes]\r\nfuel_after_session=4;\r\n[lap_times]\r\nsplits_per_lap=0;\r\n"
           "driver1_start_time=46000.5;\r\ndriver1_stop_time=" +
           stop + ";\r\ndriver1_pitstop_time=" + pit + ";\r\ndriver1_split_times=" + laps + ";\r\n";
}

} // namespace

class TestFuelCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("vorlapa.ini"));
        Write(m_dir.filePath("Tracks/tracks.txt"), "[tracks]\r\ntrack1=Ring;\r\n[Ring]\r\nlength=1609;\r\n");
    }

    void sessionFigures_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("out");
        QTest::newRow("metric") << QByteArray()
                                << "Total litres\t6\nLitres/lap\t0.5000\nkm/litre\t3.2180\n"
                                   "Litres/hour\t6.5455\n";
        // The file holds litres; 10 and 4 litres are shown in US gallons.
        QTest::newRow("US") << QByteArray("[general]\r\nsystem_unit=US Standard;\r\n")
                            << "Total gallons\t1.5852\nGallons/lap\t0.1321\nMpg\t7.5700\n"
                               "Gallons/hour\t1.7293\n";
    }
    void sessionFigures() {
        QFETCH(QByteArray, settings);
        QFETCH(QString, out);
        if (!settings.isEmpty()) Write(m_dir.filePath("vorlapa.ini"), settings);
        Write(m_dir.filePath("s.ses"), Session("46000.5416666667", "300000"));
        const CliRun run = RunCli({"fuel", "session", m_dir.filePath("s.ses"), "--data-dir", m_dir.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, out);
    }

    void sessionErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("pit longer than session")
            << QStringList{"s.ses"} << "Pitstop time longer than total time, aborting!\n";
        QTest::newRow("missing file") << QStringList{"none.ses"} << "File not found: none.ses\n";
        QTest::newRow("no file") << QStringList{} << "usage: vorlapa-cli fuel session*";
    }
    void sessionErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        Write(m_dir.filePath("s.ses"), Session("46000.5416666667", "3700000"));
        QDir::setCurrent(m_dir.path());
        const CliRun run =
            RunCli(QStringList{"fuel", "session"} + args + QStringList{"--data-dir", m_dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        if (err.endsWith(u'*'))
            QVERIFY2(run.err.startsWith(err.chopped(1)), qPrintable(run.err));
        else
            QCOMPARE(run.err, err);
    }

    void sessionWithoutStopTimeHasNoPerHourFigure() {
        Write(m_dir.filePath("s.ses"), Session("0", "300000"));
        const CliRun run = RunCli({"fuel", "session", m_dir.filePath("s.ses"), "--data-dir", m_dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.value(3), QString("Litres/hour\t"));
    }

    void calculatorFigures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("amount")
            << QStringList{"amount", "--dry",        "2", "--wet",    "1.6", "--wet-percent", "25", "--laps",
                           "10",     "--extra-laps", "1", "--premix", "4"}
            << "Track condition [% wet]\t25\nApprox. consumption [litres/lap]\t1.9000\n"
               "Total fuel needed [litres]\t20.900\nGasoline [litres]\t20.064\nOil [litres]\t0.836\n";
        QTest::newRow("amount in gallons, percent clamped, required only")
            << QStringList{"amount", "--dry", "",           "--wet", "1.6",     "--wet-percent", "130",
                           "--laps", "10",    "--required", "3",     "--units", "imperial"}
            << "Track condition [% wet]\t100\nApprox. consumption [Gallons/lap]\t\n"
               "Total fuel needed [gallons]\t3.000\nGasoline [gallons]\t\nOil [gallons]\t\n";
        QTest::newRow("remaining") << QStringList{"remaining", "--tank-weight", "12.5", "--empty-weight",
                                                  "2.5",       "--density",     "0.74"}
                                   << "Remaining fuel [litres]\t13.514\n";
    }
    void calculatorFigures() {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const CliRun run = RunCli(QStringList{"fuel"} + args);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, out);
    }

    void plannerRows_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QStringList base{"--capacity", "40", "--least", "2", "--consumption", "1.9"};
        QTest::newRow("90 laps")
            << base + QStringList{"--laps", "90"} << 0
            << "Lap\tFuel fill amount\tTires\tOther\n0\tFill up (40)\t\t\n"
               "20\tFill up (38.00)\t\t\n40\tFill up (38.00)\t\t\n60\tFill up (38.00)\t\t\n"
               "80\t19.00\t\t\n"
            << "";
        QTest::newRow("gallons") << base + QStringList{"--laps", "10", "--units", "us"} << 0
                                 << "Lap\tFuel fill amount\tTires\tOther\n0\t21.000\t\t\n"
                                 << "";
        QTest::newRow("tank under a lap")
            << QStringList{"--capacity", "10", "--least", "9.6", "--consumption", "1", "--laps", "10"} << 1
            << ""
            << "A full tank lasts less than one lap: no plan.\n";
        QTest::newRow("too many stops")
            << QStringList{"--capacity", "10", "--least", "0", "--consumption", "10", "--laps", "20000"} << 1
            << ""
            << "More than 10000 pit stops: no plan.\n";
        QTest::newRow("not a number") << base + QStringList{"--laps", "ten"} << 1 << ""
                                      << "Not a lap number: ten\n";
    }
    void plannerRows() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = RunCli(QStringList{"pitstops", "plan"} + args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestFuelCommands)
#include "tst_fuel_commands.moc"
