// vorlapa-cli parts update / update-from-session over a data folder.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "Engine": a piston with 99.5 of 100 hours, a rod without limits; "Spares" is a stock group.
const QByteArray kParts = "[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\ngroup2=Spares;\r\n"
                          "[group1]\r\nparts_list=parts_list_begin;\r\n"
                          "2024-01-01,P1,,Piston,,,,,1,,99.5,,,,,,,,,,,,,,100\r\n"
                          "2024-01-01,R7,,Rod,,,,,2\r\nparts_list=parts_list_end;\r\n"
                          "[group2]\r\ngroup_stock=true;\r\nparts_list=parts_list_begin;\r\n"
                          "2024-01-01,S1,,Spare,,,,,1\r\nparts_list=parts_list_end;\r\n";

// 90 minutes with 4 minutes in the pits, 12 laps on a 1250 m track.
const QByteArray kSession = "[information]\r\nvehicle=mc;\r\n[conditions]\r\ntrack=Ring;\r\n"
                            "[lap_times]\r\nsplits_per_lap=0;\r\ndriver1_start_time=46000.5;\r\n"
                            "driver1_stop_time=46000.5625;\r\ndriver1_pitstop_time=240000;\r\n"
                            "driver1_split_times=1,2,3,4,5,6,7,8,9,10,11,12;\r\n";

void Write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPartsUpdateCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        Write(m_dir->filePath("partstatus.ini"), kParts);
        Write(m_dir->filePath("Tracks/tracks.txt"), "[tracks]\r\ntrack1=Ring;\r\n[Ring]\r\nlength=1250;\r\n");
    }

    void updateAddsAndAlerts() {
        const QString dir = m_dir->path();
        CliRun run = RunCli({"parts", "update", "--data-dir", dir, "--group", "Engine", "--minutes", "30",
                             "--starts", "1", "--comment", "test day"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.size(), 1); // the log line; 0.00 left is no alert
        QVERIFY2(run.lines[0].endsWith("Group \"Engine\" updated hours:0.50 starts:1 comments: \"test day\""),
                 qPrintable(run.lines[0]));
        run = RunCli({"parts", "update", "--data-dir", dir, "--group", "Engine", "--hours", "0.1"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.mid(0, 2),
                 (QStringList{"Group Engine: Hour limit exceeded for", "P1\t1\tPiston"}));
        QVERIFY(run.lines.value(3).endsWith("Hour limit exceeded for \"Piston\""));
        run = RunCli({"parts", "list", "--data-dir", dir, "--group", "Engine"});
        QVERIFY2(run.lines.value(1).contains("\t100.1\t-0.10\t0\t\t1\t\t0\t0.6\t"),
                 qPrintable(run.lines.value(1)));
        const QByteArray log = Read(m_dir->filePath("partstatuslog.txt"));
        QVERIFY(log.contains("updated hours:0.10"));
        QVERIFY(log.contains("Hour limit exceeded for \"Piston\""));
    }

    void resetSetsLeftToTheLimit() {
        const CliRun run = RunCli(
            {"parts", "update", "--data-dir", m_dir->path(), "--group", "Engine", "--reset", "--hours", "3"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.lines.value(0).endsWith("Group \"Engine\" reset"));
        const CliRun list = RunCli({"parts", "list", "--data-dir", m_dir->path(), "--group", "Engine"});
        QVERIFY2(list.lines.value(1).contains("\tPiston\t") && list.lines.value(1).contains("\t0\t100\t0\t"),
                 qPrintable(list.lines.value(1)));
    }

    void updateErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("bad hours") << QStringList{"--group", "Engine", "--hours", "1h"}
                                   << "Bad format of value, must be a floating point value!\n";
        QTest::newRow("bad starts") << QStringList{"--group", "Engine", "--starts", "1.5"}
                                    << "Bad format of value, must be an integer value!\n";
        QTest::newRow("unknown group") << QStringList{"--group", "Frame"} << "No part group Frame\n";
        QTest::newRow("no group") << QStringList{} << "usage: vorlapa-cli parts update*";
    }
    void updateErrors() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const CliRun run = RunCli(QStringList{"parts", "update", "--data-dir", m_dir->path()} + args);
        QCOMPARE(run.status, 1);
        if (err.endsWith(u'*'))
            QVERIFY2(run.err.startsWith(err.chopped(1)), qPrintable(run.err));
        else
            QCOMPARE(run.err, err);
        QCOMPARE(Read(m_dir->filePath("partstatus.ini")), kParts);
    }

    void sessionIsCountedOnce() {
        const QString dir = m_dir->path();
        const QString session = m_dir->filePath("race.ses");
        Write(session, kSession);
        const QStringList args{"parts",  "update-from-session", session, "--group",
                               "Engine", "--data-dir",          dir};
        CliRun run = RunCli(args);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("Group \"Engine\" updated hours:1.43 mileage:15.00 sessions:1\n"),
                 qPrintable(run.out));
        QVERIFY(Read(session).contains("[conditions]\r\npart_status_updated=46000.5;\r\ntrack=Ring;\r\n"));

        run = RunCli(args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("Part status has already been updated for this session"),
                 qPrintable(run.err));
        const CliRun list = RunCli({"parts", "list", "--data-dir", dir, "--group", "Engine"});
        QVERIFY2(list.lines.value(2).contains("\tRod\t") &&
                     list.lines.value(2).contains("\t1.43333333333333\t"),
                 qPrintable(list.lines.value(2)));

        run = RunCli(args + QStringList{"--again"});
        QCOMPARE(run.status, 0);
        QCOMPARE(Read(session).count("part_status_updated="), 1);
    }

    void sessionRefusesStockAndUnknownGroups() {
        Write(m_dir->filePath("race.ses"), kSession);
        for (const QString group : {"Spares", "Frame"}) {
            const CliRun run = RunCli({"parts", "update-from-session", m_dir->filePath("race.ses"), "--group",
                                       "Engine", "--group", group, "--data-dir", m_dir->path()});
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, "No part group " + group + " holding parts outside stock\n");
        }
        QCOMPARE(Read(m_dir->filePath("partstatus.ini")), kParts);
        QCOMPARE(Read(m_dir->filePath("race.ses")), kSession);
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestPartsUpdateCommand)
#include "tst_parts_update_command.moc"
