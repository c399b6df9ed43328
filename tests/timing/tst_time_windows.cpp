#include "manual_clock.h"
#include "timing/pit_panel_model.h"
#include "timing/show_time_model.h"
#include "timing/window_placement.h"

#include <QTest>

namespace {

void Ticks(ShowTimeModel& window, int count) {
    for (int i = 0; i < count; ++i)
        window.DisplayTick();
}

} // namespace

class TestTimeWindows : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void lapsWithoutSplits();
    void splitsShowTheLapTotalAfterTheHold();
    void completeLapsShowTheirDifferenceToTheBestLap();
    void pitClock();
    void countdown_data();
    void countdown();
    void panelEndsAnHourAfterItIsFirstShown();
    void panelResetKeepsNames();
    void placement();
    void fontsScaleWithTheSmallerFactor_data();
    void fontsScaleWithTheSmallerFactor();
};

void TestTimeWindows::lapsWithoutSplits() {
    ManualClock clock;
    ShowTimeModel window(clock);
    window.StartDisplay();
    QCOMPARE(window.TimeText(), QStringLiteral("Out lap"));
    QVERIFY(!window.DiffVisible() && !window.LapsRemainingVisible());
    clock.tick = 70000;
    window.LapMark();
    QCOMPARE(window.TimeText(), QStringLiteral("1:10.000"));
    QVERIFY(!window.DiffVisible());
    clock.tick = 130000;
    window.LapMark();
    QCOMPARE(window.TimeText(), QStringLiteral("1:00.000"));
    QVERIFY(!window.DiffVisible());
    clock.tick = 192000;
    window.LapMark();
    QCOMPARE(window.TimeText(), QStringLiteral("1:02.000"));
    QVERIFY(window.DiffVisible());
    QCOMPARE(window.DiffText(), QStringLiteral("Difference last lap: 2.000"));

    Ticks(window, ShowTimeModel::kHoldTicks); // the lap time is held 5 s
    QCOMPARE(window.TimeText(), QStringLiteral("1:02.000"));
    clock.tick = 199500;
    window.DisplayTick();
    QCOMPARE(window.TimeText(), QStringLiteral("7")); // then the running segment in whole seconds
    QVERIFY(!window.DiffVisible());
}

void TestTimeWindows::splitsShowTheLapTotalAfterTheHold() {
    ManualClock clock;
    ShowTimeModel window(clock);
    window.SetSplits(2);
    window.StartDisplay();
    const quint32 passes[] = {5000, 25000, 45000, 65000, 84000, 104000, 124000};
    for (quint32 tick : passes) {
        clock.tick = tick;
        window.LapMark();
        Ticks(window, ShowTimeModel::kHoldTicks);
        if (tick == 65000) { // after the hold of the first finish: the first lap total, no difference yet
            window.DisplayTick();
            QCOMPARE(window.TimeText(), QStringLiteral("1:00.000"));
            QVERIFY(!window.DiffVisible());
        }
        if (tick != passes[6]) Ticks(window, ShowTimeModel::kHoldTicks + 10);
    }
    // Last pass: the finish of lap 2 (19 s); after its hold the lap total and its difference follow.
    QCOMPARE(window.TimeText(), QStringLiteral("20.000"));
    window.DisplayTick();
    QCOMPARE(window.TimeText(), QStringLiteral("59.000"));
    QCOMPARE(window.DiffText(), QStringLiteral("Difference last lap: -1.000"));
    QVERIFY(window.DiffVisible());
    Ticks(window, ShowTimeModel::kHoldTicks);
    QCOMPARE(window.TimeText(), QStringLiteral("59.000"));
}

void TestTimeWindows::pitClock() {
    ManualClock clock;
    ShowTimeModel window(clock);
    window.StartDisplay();
    clock.tick = 60000;
    window.LapMark();
    window.PitIn();
    Ticks(window, ShowTimeModel::kHoldTicks);
    clock.tick = 72500;
    window.DisplayTick();
    QCOMPARE(window.TimeText(), QStringLiteral("Pit:12"));
    clock.tick = 80000;
    window.PitOut();
    QCOMPARE(window.PitTotal(), 20000);
    QCOMPARE(window.TimeText(), QStringLiteral("Pit:20"));
    Ticks(window, ShowTimeModel::kHoldTicks);
    QCOMPARE(window.TimeText(), QStringLiteral("Pit:20"));
    clock.tick = 85000;
    window.DisplayTick();
    QCOMPARE(window.TimeText(), QStringLiteral("5")); // timed from the pit exit
    window.PitIn();
    clock.tick = 90000;
    window.PitOut();
    QCOMPARE(window.PitTotal(), 25000);
    window.StartDisplay();
    QCOMPARE(window.PitTotal(), 0);
}

void TestTimeWindows::completeLapsShowTheirDifferenceToTheBestLap() {
    ManualClock clock;
    ShowTimeModel window(clock);
    clock.tick = 1000;
    window.StartDisplay();
    clock.tick = 11000;
    window.LapMark(); // the out lap: no lap yet
    QVERIFY(!window.BestDiffVisible());
    clock.tick = 71000;
    window.LapMark(); // the first lap: no best before it
    QVERIFY(!window.BestDiffVisible());
    window.SetBestLap(60000);
    clock.tick = 130500; // a lap of 59.5 s
    window.LapMark();
    QVERIFY(window.BestDiffVisible());
    QCOMPARE(window.BestDiffText(), QStringLiteral("Difference best lap: -0.500"));
    Ticks(window, ShowTimeModel::kHoldTicks + 1);
    QVERIFY(!window.BestDiffVisible()); // gone with the lap's text

    // With splits the lap's total comes after the hold, with the best lap before that lap.
    window.SetSplits(1);
    window.StartDisplay();
    clock.tick += 5000;
    window.LapMark(); // out lap
    window.SetBestLap(61000);
    clock.tick += 30000;
    window.LapMark(); // split 1
    clock.tick += 32000;
    window.LapMark();         // finish: the lap is 62 s
    window.SetBestLap(62000); // the next pass must not change what this lap is compared with
    QVERIFY(!window.BestDiffVisible());
    Ticks(window, ShowTimeModel::kHoldTicks + 1);
    QCOMPARE(window.TimeText(), QStringLiteral("1:02.000"));
    QCOMPARE(window.BestDiffText(), QStringLiteral("Difference best lap: 1.000"));
    QVERIFY(window.BestDiffVisible());
}

void TestTimeWindows::countdown_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("left");
    QTest::newRow("before the end") << "14:00:00"
                                    << "13:30:15"
                                    << "00:29:45";
    QTest::newRow("after the end, no sign") << "14:00:00"
                                            << "14:00:10"
                                            << "00:00:10";
    QTest::newRow("at the end") << "09:15:00"
                                << "09:15:00"
                                << "00:00:00";
    QTest::newRow("ends after midnight") << "00:30:00"
                                         << "23:50:00"
                                         << "00:40:00";
    QTest::newRow("ended before midnight") << "23:55:00"
                                           << "00:05:00"
                                           << "00:10:00";
}

void TestTimeWindows::countdown() {
    QFETCH(QString, end);
    QFETCH(QString, now);
    QFETCH(QString, left);
    ManualClock clock;
    clock.day = 45000 + QTime::fromString(now, "hh:mm:ss").msecsSinceStartOfDay() / 86400000.0;
    PitPanelModel panel(clock);
    QCOMPARE(panel.TimeLeftText(), QStringLiteral("00:00:00"));
    panel.SetEndSessionTimeMs(QTime::fromString(end, "hh:mm:ss").msecsSinceStartOfDay());
    panel.Tick();
    QCOMPARE(panel.TimeLeftText(), left);
}

void TestTimeWindows::panelEndsAnHourAfterItIsFirstShown() {
    ManualClock clock;
    clock.day = 45000 + QTime(13, 20).msecsSinceStartOfDay() / 86400000.0;
    PitPanelModel panel(clock);
    panel.Show();
    QCOMPARE(panel.EndSessionTimeMs(), QTime(14, 20).msecsSinceStartOfDay());
    panel.Tick();
    QCOMPARE(panel.TimeLeftText(), QStringLiteral("01:00:00"));
    // The user's choice stays, however often the panel is shown again.
    panel.SetEndSessionTimeMs(QTime(15, 0).msecsSinceStartOfDay());
    panel.SetVisible(false);
    clock.day += 2.0 / 24;
    panel.Show();
    QCOMPARE(panel.EndSessionTimeMs(), QTime(15, 0).msecsSinceStartOfDay());
}

void TestTimeWindows::panelResetKeepsNames() {
    ManualClock clock;
    PitPanelModel panel(clock);
    panel.SetHeader(1, "Anna");
    panel.SetHeader(3, "Cleo");
    panel.RecordPass(1, 10000);
    panel.RecordPass(3, 0xFFFFFFFFu - 499); // the tick wrapped between the passes: Cleo was 10.5 s earlier
    QCOMPARE(panel.Cell(1, 3), QStringLiteral("-10.500"));
    QCOMPARE(panel.Cell(3, 1), QStringLiteral("10.500"));
    QCOMPARE(panel.Current(), 3);
    panel.ResetButtonClick();
    QCOMPARE(panel.Cell(1, 3), QString());
    QCOMPARE(panel.Passes(1), 0);
    QCOMPARE(panel.Cell(1, 0), QStringLiteral("Anna"));
    QCOMPARE(panel.Cell(0, 3), QStringLiteral("Cleo"));
}

void TestTimeWindows::placement() {
    const WindowRect main{100, 50, 1200, 801};
    const WindowRect window = PlaceTimeWindow({0, 0, 184, 110}, main, 3);
    QCOMPARE(window.top, 50 + 216); // 801 * 27 / 100 = 216.27
    QCOMPARE(window.left, 100 + 600 + 10);
    QCOMPARE(PlaceTimeWindow({0, 0, 184, 110}, main, 1).left, 110);
    const WindowRect placed{5, 7, 200, 120};
    QCOMPARE(PlaceTimeWindow(placed, main, 2).left, 5); // placed before: stays
    const WindowRect panel = PlacePitPanel({0, 0, 301, 200}, main);
    QCOMPARE(panel.top, 50);
    QCOMPARE(panel.left, 100 + 450); // (1200 - 301) / 2 = 449.5 rounds to even
}

void TestTimeWindows::fontsScaleWithTheSmallerFactor_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("timeSize");
    QTest::addColumn<int>("diffSize");
    QTest::newRow("base") << 184 << 110 << 24 << 9;
    QTest::newRow("height limits") << 368 << 165 << 36 << 14; // 13.5 to even
    QTest::newRow("width limits") << 276 << 330 << 36 << 14;
}

void TestTimeWindows::fontsScaleWithTheSmallerFactor() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, timeSize);
    QFETCH(int, diffSize);
    const TimeWindowFonts fonts = ScaleTimeWindowFonts(width, height, 24, 9);
    QCOMPARE(fonts.timeSize, timeSize);
    QCOMPARE(fonts.diffSize, diffSize);
    QCOMPARE(fonts.lapsRemainingSize, diffSize);
}

QTEST_GUILESS_MAIN(TestTimeWindows)
#include "tst_time_windows.moc"
