#include "manual_clock.h"
#include "recording_beeper.h"
#include "timing/lap_timer.h"

#include <QTest>

using Ticks = QList<quint32>;
using Times = QList<int>;
Q_DECLARE_METATYPE(Ticks)

namespace {

void AddAll(TLapTimer& timer, const Times& times) {
    for (int t : times)
        QVERIFY(timer.Add(t));
}

} // namespace

class TestLapTimer : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void pressRules_data();
    void pressRules();
    void undoContinuesFromTheMarkBefore();
    void undoOfAStartOnlyTakesBackTheStart();
    void lapRows_data();
    void lapRows();
    void meanOfBest_data();
    void meanOfBest();
    void damagedSplitsAreClamped_data();
    void damagedSplitsAreClamped();
    void capacityIsEnforced();
    void textRoundTrip_data();
    void textRoundTrip();
};

void TestLapTimer::pressRules_data() {
    QTest::addColumn<Ticks>("ticks"); // press ticks, the first one starts the run
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<int>("beeps");

    QTest::newRow("first press records nothing") << Ticks{5000} << "" << 0;
    QTest::newRow("3000 ms later is refused") << Ticks{5000, 8000} << "" << 1;
    QTest::newRow("3001 ms later is accepted") << Ticks{5000, 8001} << "3001" << 0;
    QTest::newRow("refused press does not move the mark") << Ticks{0, 2000, 61000} << "61000" << 1;
    QTest::newRow("tick wraps at 2^32")
        << Ticks{0xFFFFF000u, 0x00001000u, 0x00002000u + 60000} << "8192,64096" << 0;
}

void TestLapTimer::pressRules() {
    QFETCH(Ticks, ticks);
    QFETCH(QString, recorded);
    QFETCH(int, beeps);
    ManualClock clock;
    RecordingBeeper beeper;
    TLapTimer timer(&clock, &beeper);
    for (quint32 tick : ticks) {
        clock.tick = tick;
        timer.Mark();
    }
    QCOMPARE(timer.SaveToText(), recorded);
    QCOMPARE(beeper.beeps, beeps);
    QCOMPARE(timer.Count(), 1 + int(recorded.isEmpty() ? 0 : recorded.count(u',') + 1));
}

void TestLapTimer::undoContinuesFromTheMarkBefore() {
    ManualClock clock;
    TLapTimer timer(&clock);
    for (quint32 tick : {0u, 60000u, 121000u, 183000u}) {
        clock.tick = tick;
        QVERIFY(timer.Mark());
    }
    QCOMPARE(timer.LapCount(), 3);
    timer.Undo();
    QCOMPARE(timer.LapCount(), 2);
    QCOMPARE(timer.GetLastMark(), 121000u);
    clock.tick = 193000; // 10 s after the undone press
    QVERIFY(timer.Mark());
    QCOMPARE(timer.LapTime(3), 62000 + 10000);
}

void TestLapTimer::undoOfAStartOnlyTakesBackTheStart() {
    ManualClock clock;
    RecordingBeeper beeper;
    TLapTimer timer(&clock, &beeper);
    timer.Undo(); // not started: nothing happens
    QCOMPARE(timer.Count(), 0);
    clock.tick = 7000;
    timer.Mark();
    timer.Undo();
    QCOMPARE(timer.Count(), 0);
    QCOMPARE(timer.GetLastMark(), 7000u);
    clock.tick = 8000; // the run starts again: no 3-second rule against the undone start
    QVERIFY(timer.Mark());
    QCOMPARE(timer.GetLastMark(), 8000u);
    QCOMPARE(beeper.beeps, 0);
}

void TestLapTimer::lapRows_data() {
    QTest::addColumn<int>("splits");
    QTest::addColumn<Times>("times");
    QTest::addColumn<int>("lapCount");
    QTest::addColumn<QStringList>("rows"); // each row's cells joined by "|"
    QTest::addColumn<Times>("lapTimes");
    QTest::addColumn<int>("best");
    QTest::addColumn<int>("bestLap");

    QTest::newRow("no splits, equal laps keep the first")
        << 0 << Times{62000, 61000, 61000} << 3 << QStringList{"1|1:02.000", "2|1:01.000", "3|1:01.000"}
        << Times{62000, 61000, 61000} << 61000 << 2;
    QTest::newRow("one split, incomplete last lap")
        << 1 << Times{30000, 31000, 29000} << 2 << QStringList{"1|30.000|31.000|1:01.000", "2|29.000"}
        << Times{61000, -1} << 61000 << 1;
    QTest::newRow("two splits, seven times")
        << 2 << Times{20000, 20000, 20000, 19000, 19000, 19000, 25000} << 3
        << QStringList{"1|20.000|20.000|20.000|1:00.000", "2|19.000|19.000|19.000|57.000", "3|25.000"}
        << Times{60000, 57000, -1} << 57000 << 2;
    QTest::newRow("three splits, no lap complete")
        << 3 << Times{10000, 11000} << 1 << QStringList{"1|10.000|11.000"} << Times{-1} << 0 << 0;
    QTest::newRow("hours and minus") << 0 << Times{3725000, -1500} << 2
                                     << QStringList{"1|01:02:05", "2|-1.500"} << Times{3725000, -1500}
                                     << -1500 << 2;
    QTest::newRow("nothing recorded") << 0 << Times{} << 0 << QStringList{} << Times{} << 0 << 0;
}

void TestLapTimer::lapRows() {
    QFETCH(int, splits);
    QFETCH(Times, times);
    QFETCH(int, lapCount);
    QFETCH(QStringList, rows);
    QFETCH(Times, lapTimes);
    QFETCH(int, best);
    QFETCH(int, bestLap);
    TLapTimer timer;
    timer.SetSplits(splits);
    AddAll(timer, times);
    QCOMPARE(timer.LapCount(), lapCount);
    for (int lap = 1; lap <= lapCount; ++lap) {
        QCOMPARE(timer.LapRow(lap).join(u'|'), rows.at(lap - 1));
        QCOMPARE(timer.LapTime(lap), lapTimes.at(lap - 1));
    }
    QCOMPARE(timer.LapRow(lapCount + 1),
             QStringList{QString::number(lapCount + 1)}); // beyond: only the number
    QCOMPARE(timer.LapRow(0), QStringList{"0"});
    int number = -1;
    QCOMPARE(timer.BestLap(&number), best);
    QCOMPARE(number, bestLap);
    QCOMPARE(timer.BestLapText().isEmpty(), best == 0);
}

void TestLapTimer::meanOfBest_data() {
    QTest::addColumn<int>("percent");
    QTest::addColumn<Times>("laps");
    QTest::addColumn<int>("mean");

    QTest::newRow("100 % of all") << 100 << Times{60000, 62000, 61000} << 61000;
    QTest::newRow("0 % is the best lap") << 0 << Times{60500, 60000, 61000} << 60000;
    QTest::newRow("50 % of 5 laps uses 2 (2.5 to even)")
        << 50 << Times{64000, 60000, 63000, 61000, 62000} << 60500;
    QTest::newRow("50 % of 3 laps uses 2 (1.5 to even)") << 50 << Times{63000, 60000, 61000} << 60500;
    QTest::newRow("10 % of 1 lap uses 1") << 10 << Times{60000} << 60000;
    QTest::newRow("mean 1000.5 rounds to 1000") << 100 << Times{1000, 1001} << 1000;
    QTest::newRow("mean 1001.5 rounds to 1002") << 100 << Times{1001, 1002} << 1002;
    QTest::newRow("no lap") << 100 << Times{} << 0;
}

void TestLapTimer::meanOfBest() {
    QFETCH(int, percent);
    QFETCH(Times, laps);
    QFETCH(int, mean);
    TLapTimer timer;
    timer.SetPercentForMean(percent);
    AddAll(timer, laps);
    QCOMPARE(timer.MeanOfBest(), mean);
    QCOMPARE(timer.MeanOfBestText().isEmpty(), mean == 0);
}

void TestLapTimer::damagedSplitsAreClamped_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("splits");
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("7") << 7 << 3;
}

void TestLapTimer::damagedSplitsAreClamped() {
    QFETCH(int, requested);
    QFETCH(int, splits);
    TLapTimer timer;
    timer.SetSplits(requested);
    QCOMPARE(timer.Splits(), splits);
    AddAll(timer, Times{10000, 10000, 10000, 10000, 10000});
    QCOMPARE(timer.LapCount(), (5 + splits) / (splits + 1));
    QCOMPARE(timer.BestLap(), 10000 * (splits + 1));
}

void TestLapTimer::capacityIsEnforced() {
    ManualClock clock;
    RecordingBeeper beeper;
    TLapTimer timer(&clock, &beeper);
    timer.Mark();
    for (int i = 0; i < TLapTimer::kCapacity; ++i) {
        clock.tick += 60000;
        QVERIFY(timer.Mark());
    }
    QCOMPARE(timer.RecordedCount(), 1000);
    const QString full = timer.SaveToText();

    clock.tick += 60000;
    QVERIFY(!timer.Mark());
    QVERIFY(!timer.Add(1));
    QVERIFY(!timer.LoadFromText(QStringLiteral("1")));
    QCOMPARE(beeper.beeps, 3);
    QCOMPARE(timer.SaveToText(), full);
    QCOMPARE(timer.LapCount(), 1000);

    // A load that would not fit is refused as a whole.
    TLapTimer partly(&clock, &beeper);
    QVERIFY(partly.LoadFromText(QStringLiteral("1,2,3")));
    QStringList many;
    for (int i = 0; i < 998; ++i)
        many << QStringLiteral("60000");
    QVERIFY(!partly.LoadFromText(many.join(u',')));
    QCOMPARE(partly.SaveToText(), QStringLiteral("1,2,3"));
    QVERIFY(partly.LoadFromText(many.mid(1).join(u',')));
    QCOMPARE(partly.RecordedCount(), 1000);
}

void TestLapTimer::textRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("saved");

    QTest::newRow("two times") << "61000,62000" << true << "61000,62000";
    QTest::newRow("trailing comma adds nothing") << "61000,62000," << true << "61000,62000";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("bad piece keeps the times before") << "61000,x,62000" << false << "61000";
    QTest::newRow("empty piece is an error") << "61000,,62000" << false << "61000";
}

void TestLapTimer::textRoundTrip() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, saved);
    TLapTimer timer;
    const auto result = timer.LoadFromText(text);
    QCOMPARE(result.has_value(), ok);
    if (!ok) QVERIFY(!result.error().isEmpty());
    QCOMPARE(timer.SaveToText(), saved);
    QCOMPARE(timer.Count(), saved.isEmpty() ? 0 : int(saved.count(u',')) + 2);
}

QTEST_GUILESS_MAIN(TestLapTimer)
#include "tst_lap_timer.moc"
