// vorlapa-cli import and session enter on fixture files.
#include "cli_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <pty.h>
#include <unistd.h>

namespace {
QString Fixture(const QString& name) {
    return QStringLiteral(VORLAPA_TEST_DATA "/") + name;
}
} // namespace

class TestLapEntryCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void import_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("pi with a split")
            << QStringList{"pi", Fixture("lapentry/pi.txt"), "--splits", "1"} << 0
            << "Lap\tSplit 1\tFinish\n1\t31.250\t34.100\n2\t30.950\t1:02.350\n"
            << "";
        QTest::newRow("aim sets no splits")
            << QStringList{"aim", Fixture("lapentry/aim.txt"), "--splits", "2"} << 0
            << "Lap\tLap time\n1\t1:05.234\n2\t1:04.998\n3\t1:05.500\n"
            << "";
        QTest::newRow("ultralap, one session")
            << QStringList{"ultralap", Fixture("lapentry/ultralap.csv"), "--session", "13"} << 0
            << "Lap\tLap time\n1\t1:08.000\n2\t1:07.000\n"
            << "";
        QTest::newRow("ultralap, all sessions")
            << QStringList{"ultralap", Fixture("lapentry/ultralap.csv")} << 0
            << "Lap\tLap time\n1\t1:05.200\n2\t1:06.300\n3\t1:08.000\n4\t1:07.000\n"
            << "";
        QTest::newRow("reader error")
            << QStringList{"2d", Fixture("lapentry/2d.hed"), "--splits", "1"} << 1 << ""
            << "Too few split times in file!\n";
        QTest::newRow("wrong format")
            << QStringList{"motec-csv", Fixture("lapentry/aim_race_studio.csv")} << 1 << ""
            << "This file is not a MoTeC CSV (i2 export) file.\n";
        QTest::newRow("unknown source") << QStringList{"nope", Fixture("lapentry/aim.txt")} << 1 << ""
                                        << "Unknown source: nope\n";
    }
    void import() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = RunCli(QStringList{"import"} + args);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }

    void importMissingFile() {
        const CliRun run = RunCli({"import", "aim", "/nonexistent/laps.txt"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.startsWith("Cannot read"));
    }

    void sessionEnter() {
        QTemporaryDir folder;
        const QString path = folder.filePath("enter.ses");
        QVERIFY(QFile::copy(Fixture("car_tires.ses"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        CliRun run =
            RunCli({"session", "enter", path, "--driver", "2", "--start", "2024-03-14 10:00:00", "--pit",
                    "45.0", "--from", "aim-csv:" + Fixture("lapentry/aim_beacons.csv"), "1:00.0"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        run = RunCli({"session", "laps", path, "--driver", "2"});
        QCOMPARE(run.lines.mid(0, 4),
                 (QStringList{"1\t1:10.100", "2\t1:05.234", "3\t01:01:40", "4\t1:00.000"}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        // The other sections stay; the run's times are those entered.
        QVERIFY(text.contains("[front_left_tire]\r\npressure_cold=1.8;"));
        QVERIFY(text.contains("driver2_pitstop_time=45000;"));
        QVERIFY(text.contains("driver2_split_times=70100,65234,3700050,60000;"));
        QVERIFY(text.contains("driver2_start_time=45365.4166666667;"));
    }

    // The lap timer on the master side of a pseudo-terminal pair, the command on its slave side.
    void serialRead() {
        int master = -1, slave = -1;
        char name[256] = {};
        QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);
        QProcess process;
        process.start(QStringLiteral(VORLAPA_CLI),
                      {"serial", "read", QString::fromLocal8Bit(name), "--seconds", "3", "--splits", "1"});
        QVERIFY(process.waitForStarted());
        QTest::qWait(1000); // the port is open before the timer sends
        const QByteArray bytes(
            "LT200RX, M, S,hS\r\nT200\r\n\r0001,00,01,05,23\r\n0002,00,00,59,99\r\nEND\r\nrest");
        QCOMPARE(::write(master, bytes.constData(), size_t(bytes.size())), bytes.size());
        QVERIFY(process.waitForFinished(10000));
        ::close(master);
        ::close(slave);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QString());
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 QStringLiteral("LT200RX, M, S,hS\nT200\n\n0001,00,01,05,23\n0002,00,00,59,99\nEND\n"
                                "Lap\tSplit 1\tFinish\n1\t1:05.230\t59.990\n"));
        QCOMPARE(process.exitCode(), 0);
    }

    void serialReadFailures() {
        CliRun run = RunCli({"serial", "read", "/nonexistent/ttyS0", "--seconds", "1"});
        QCOMPARE(run.err, QStringLiteral("Could not open /nonexistent/ttyS0!\n"));
        QCOMPARE(run.status, 1);
        // Nothing received: the record reader's error for the download mode.
        int master = -1, slave = -1;
        char name[256] = {};
        QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);
        run = RunCli({"serial", "read", QString::fromLocal8Bit(name), "--seconds", "0.5"});
        ::close(master);
        ::close(slave);
        QVERIFY2(run.err.startsWith("Unrecognized data in first line."), qPrintable(run.err));
        QVERIFY(run.err.contains("correct download mode"));
        QCOMPARE(run.status, 1);
    }

    void sessionEnterRefusals_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("err");
        QTest::newRow("bad cell") << QStringList{"--driver", "1", "--start", "2024-03-14 10:00:00", "1:2:3:4"}
                                  << "Bad format of time!\nYou must have 1 or 2 delimiters. (1.2.3.4)\n";
        QTest::newRow("bad start")
            << QStringList{"--driver", "1", "--start", "yesterday"}
            << "usage: vorlapa-cli session enter FILE.ses --driver N --start \"YYYY-MM-DD "
               "HH:MM:SS\" [--splits N] [--pit TIME] [--from SOURCE:LOGFILE] [CELL...]\n";
    }
    void sessionEnterRefusals() {
        QFETCH(QStringList, options);
        QFETCH(QString, err);
        QTemporaryDir folder;
        const QString path = folder.filePath("enter.ses");
        QVERIFY(QFile::copy(Fixture("car_tires.ses"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const CliRun run = RunCli(QStringList{"session", "enter", path} + options);
        QCOMPARE(run.err, err);
        QCOMPARE(run.status, 1);
        QFile original(Fixture("car_tires.ses")), after(path);
        QVERIFY(original.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), original.readAll());
    }
};

QTEST_GUILESS_MAIN(TestLapEntryCommands)
#include "tst_lap_entry_commands.moc"
