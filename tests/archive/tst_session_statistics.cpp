// Statistics per track: sessions and laps of several files, the period and time on track with missing
// or odd times, averages rounded half to even, totals beyond a day, and the figures of one driver.
#include "archive/session_statistics.h"
#include "storage/date_time.h"
#include "timing/lap_timer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

SessionStatisticsRecord Record(const QString& track, double start, double stop, std::vector<qint32> laps) {
    SessionStatisticsRecord record;
    record.fileName = track + ".ses";
    record.track = track;
    record.startTime = start;
    record.stopTime = stop;
    record.laps = std::move(laps);
    return record;
}

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

class TestSessionStatistics : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sessionsOfOneTrackAddUp() {
        TSessionStatistics statistics;
        AddRecordsByTrack(statistics, {Record("North", 40000.5, 40000.75, {60000, 61000}),
                                       Record("Harbour", 39000.0, 39000.5, {70000}),
                                       Record("North", 39990.25, 39990.5, {59000, 62001})});
        QCOMPARE(statistics.TrackCount(), 2);
        QCOMPARE(statistics.Tracks[0].TrackName, "Harbour"); // sorted by track
        const TTrackStatistics& north = statistics.Tracks[1];
        QCOMPARE(north.SessionCount(), 2);
        QCOMPARE(north.LapCount(), 4);
        QCOMPARE(north.FirstStart, 39990.25);
        QCOMPARE(north.LastStop, 40000.75);
        QCOMPARE(north.TotalTime, 0.5);
        QCOMPARE(north.BestLap(), 59000);
        // (60000 + 61000 + 59000 + 62001) / 4 = 60500.25 -> 60500
        QCOMPARE(north.AverageLap(), 60500);
        QCOMPARE(north.Sessions[1].LapCount(), 2);
        QCOMPARE(north.Sessions[1].BestLap, 59000);
        QCOMPARE(north.Sessions[1].LapTime(3), -1);
    }

    void averagesRoundHalfToEven_data() {
        QTest::addColumn<std::vector<qint32>>("laps");
        QTest::addColumn<qint32>("session");
        QTest::addColumn<qint32>("track");
        QTest::newRow("none") << std::vector<qint32>{} << -1 << 0;
        QTest::newRow("half down to even") << std::vector<qint32>{1000, 1001} << 1000 << 1000;
        QTest::newRow("half up to even") << std::vector<qint32>{1001, 1002} << 1002 << 1002;
        // Sums beyond 32 bits stay exact.
        QTest::newRow("large") << std::vector<qint32>{2000000000, 2000000000, 2000000001} << 2000000000
                               << 2000000000;
    }
    void averagesRoundHalfToEven() {
        QFETCH(std::vector<qint32>, laps);
        QFETCH(qint32, session);
        QFETCH(qint32, track);
        TSessionStatistics statistics;
        statistics.AddRecord(Record("T", 0, 0, laps));
        QCOMPARE(statistics.Tracks[0].Sessions[0].AverageLap(), session);
        QCOMPARE(statistics.Tracks[0].AverageLap(), track);
    }

    void timesCountOnlyWhenBothAreSetInOrder() {
        TSessionStatistics statistics;
        statistics.AddRecord(Record("T", 40000.5, 0, {}));        // saved while running
        statistics.AddRecord(Record("T", 0, 40001.0, {}));        // no start
        statistics.AddRecord(Record("T", 40002.5, 40002.25, {})); // stop before start
        QCOMPARE(statistics.Tracks[0].TotalTime, 0.0);
        QCOMPARE(statistics.Tracks[0].FirstStart, 0.0);
        QCOMPARE(statistics.Tracks[0].SessionCount(), 3);
        statistics.AddRecord(Record("T", 40003.0, 40003.25, {}));
        QCOMPARE(statistics.Tracks[0].FirstStart, 40003.0);
        QCOMPARE(statistics.Tracks[0].TotalTime, 0.25);
    }

    void manySessionsAndLapsFit() {
        TSessionStatistics statistics;
        for (int i = 0; i < 150; ++i)
            statistics.AddRecord(Record("T", 0, 0, std::vector<qint32>(10, 60000)));
        QCOMPARE(statistics.Tracks[0].SessionCount(), 150);
        QCOMPARE(statistics.Tracks[0].LapCount(), 1500);
    }

    void totalTimeText_data() {
        QTest::addColumn<double>("days");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0.0 << "";
        QTest::newRow("minutes") << 20.0 / 1440 << "20:00.000";
        QTest::newRow("hours") << 0.5 << "12:00:00";
        QTest::newRow("a day") << 1.0 << "24:00:00";
        QTest::newRow("thirty hours") << 1.25 << "30:00:00";
        QTest::newRow("a season") << 40.0 << "960:00:00";
    }
    void totalTimeText() {
        QFETCH(double, days);
        QFETCH(QString, text);
        QCOMPARE(TotalTimeText(days), text);
    }

    void fileReadingStopsAtTheIncompleteLap() {
        QTemporaryDir dir;
        const QString path = dir.filePath("s.ses");
        QVERIFY(WriteText(path, "[conditions]\r\ntrack=North;\r\nsession_type=Race;\r\nposition=3;\r\n"
                                "[lap_times]\r\nsplits_per_lap=2;\r\ndriver1_start_time=40000.5;\r\n"
                                "driver1_stop_time=40000.6;\r\n"
                                "driver1_split_times=20000,20000,20000,21000,21000,21000,22000;\r\n"
                                "driver2_split_times=1,2,3;\r\n"));
        QString error;
        const auto record = ReadStatisticsRecord(path, 1, &error);
        QVERIFY2(record, qPrintable(error));
        QCOMPARE(record->laps, (std::vector<qint32>{60000, 63000}));
        QCOMPARE(record->position, "3");
        QCOMPARE(record->sessionType, "Race");
        const auto second = ReadStatisticsRecord(path, 2, &error);
        QVERIFY(second);
        QCOMPARE(second->position, ""); // the position belongs to driver 1
        QCOMPARE(second->startTime, 0.0);

        QVERIFY(WriteText(dir.filePath("bad.ses"), "[lap_times]\r\ndriver1_split_times=1000,x;\r\n"));
        TSessionStatistics statistics;
        QVERIFY(statistics.AddSessionFile(dir.filePath("bad.ses")).has_value());
        QVERIFY(statistics.AddSessionFile(dir.filePath("missing.ses")).has_value());
        QCOMPARE(statistics.TrackCount(), 0);
    }

    void figuresOfOneDriver() {
        TLapTimer timer;
        timer.SetSplits(1);
        // Laps 20+40, 21+38, 19+45 and an unfinished lap with its first segment.
        QVERIFY(timer.LoadFromText("20000,40000,21000,38000,19000,45000,18000"));
        const LapStatistics figures = ComputeLapStatistics(timer);
        QCOMPARE(figures.laps, 4);
        QCOMPARE(figures.completeLaps, 3);
        QCOMPARE(figures.best, 59000);
        QCOMPARE(figures.mean, 61000);
        QCOMPARE(figures.median, 60000);
        QCOMPARE(figures.deviation, 2646); // sample deviation of 60, 59, 64 s
        QCOMPARE(figures.bestSegments, (std::vector<qint32>{18000, 38000}));
        QCOMPARE(figures.theoreticalBest, 56000);

        TLapTimer even;
        QVERIFY(even.LoadFromText("1000,1001,1003,1004"));
        QCOMPARE(ComputeLapStatistics(even).median, 1002); // (1001 + 1003) / 2
        QVERIFY(ComputeLapStatistics(even).bestSegments.empty());
    }
};

QTEST_GUILESS_MAIN(TestSessionStatistics)
#include "tst_session_statistics.moc"
