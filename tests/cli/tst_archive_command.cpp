// vorlapa-cli archive list on a small sessions folder.
#include "cli_runner.h"
#include "gen_session_files.h"
#include "storage/date_time.h"
#include "tracks/track_list.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

double At(int day, int hour) {
    return DayNumberFromDateTime(QDateTime(QDate(2007, 5, day), QTime(hour, 0)));
}

} // namespace

class TestArchiveCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        SessionFixture s;
        s.countershaft = "14";
        s.rearSprocket = "40";
        s.temperature = "15";
        s.pressure = "1013.25";
        s.humidity = "0";
        s.driver = "Anna";
        s.startTime = At(12, 14);
        s.splitTimes = "61000,60500";
        QVERIFY(WriteSessionFile(m_dir.filePath("Sessions/North Loop/late.ses"), s));
        s.driver = "Bert";
        s.track = "Harbour Ring";
        s.startTime = At(12, 9);
        s.splitTimes = "59000,59500,58900";
        QVERIFY(WriteSessionFile(m_dir.filePath("Sessions/early.ses"), s));
        s.startTime = At(13, 9);
        s.splitTimes = "";
        QVERIFY(WriteSessionFile(m_dir.filePath("Sessions/incomplete.ses"), s));
        s.vehicle = "car";
        s.splitTimes = "50000";
        QVERIFY(WriteSessionFile(m_dir.filePath("Sessions/car.ses"), s));
        TTrackList tracks;
        TTrackInfo loop;
        loop.Length = "3218";
        tracks.Append("North Loop", loop);
        QVERIFY(SaveTrackListFile(TrackListPath(m_dir.path()), tracks, m_dir.path()).has_value());
    }

    void listsThePassingSessionsByStartTime() {
        const CliRun run = RunCli({"archive", "list", "--data-dir", m_dir.path()});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.size(), 3);
        QCOMPARE(run.lines[0], "Date\tName of event\tDriver\tTrack\tCond.\tRAD\tType\tClass\tLaps\tDistance\t"
                               "Best lap\tPos.\tFrame\tEngine\tFinal gear\tTop speed\tRank\tInformation");
        QCOMPARE(run.lines[1],
                 "2007-05-12\t\tBert\tHarbour Ring\tDry\t100.0\tPractice\t\t3\t\t58.900\t\t\t\t14/40\t\t\t");
        QCOMPARE(
            run.lines[2],
            "2007-05-12\t\tAnna\tNorth Loop\tDry\t100.0\tPractice\t\t2\t6.436\t1:00.500\t\t\t\t14/40\t\t\t");
    }

    void optionsChooseNodeVehicleAndUnits() {
        CliRun run = RunCli({"archive", "list", "--data-dir", m_dir.path(), "--node", "Incomplete"});
        QCOMPARE(run.lines.size(), 2);
        QVERIFY(run.lines[1].contains("\t0\t"));
        run = RunCli({"archive", "list", "--data-dir", m_dir.path(), "--node", "Anna"});
        QCOMPARE(run.lines.size(), 2);
        QVERIFY(run.lines[1].contains("North Loop"));
        run = RunCli({"archive", "list", "--data-dir", m_dir.path(), "--vehicle", "car"});
        QCOMPARE(run.lines.size(), 2);
        QVERIFY(run.lines[1].contains("50.000"));
        run = RunCli({"archive", "list", "--data-dir", m_dir.path(), "--units", "us", "--ad"});
        QVERIFY(run.lines[0].contains("\tAD\t"));
        QVERIFY(run.lines[2].contains("\t1.2250\t"));
        QVERIFY(run.lines[2].contains("\t4.000\t")); // 3218 m * 2 laps in miles
    }

    void errorsGoToStderrWithStatusOne_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown node")
            << QStringList{"--node", "Nowhere"} << "No node Nowhere in the session archive\n";
        QTest::newRow("unknown vehicle") << QStringList{"--vehicle", "boat"} << "Unknown vehicle type boat\n";
        QTest::newRow("bad units") << QStringList{"--units", "furlongs"} << "";
    }
    void errorsGoToStderrWithStatusOne() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const CliRun run = RunCli(QStringList{"archive", "list", "--data-dir", m_dir.path()} + args);
        QCOMPARE(run.status, 1);
        QVERIFY(run.lines.isEmpty());
        if (!err.isEmpty())
            QCOMPARE(run.err, err);
        else
            QVERIFY(run.err.startsWith("usage: "));
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestArchiveCommand)
#include "tst_archive_command.moc"
