#include "timing_rig.h"

#include <QTest>

using Events = QStringList; // "MS event slot"

namespace {

QStringList Rows(const DriverSlot& slot) {
    QStringList rows;
    for (int r = 1; r <= slot.table.LastFilledRow(); ++r)
        rows << slot.table.Row(r).join(u'|');
    return rows;
}

} // namespace

class TestLiveTiming : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void sessions_data();
    void sessions();
    void controlsFollowTheState();
    void undoIsRefusedInThePits();
    void newStartClearsPitTime();
    void splitColumns_data();
    void splitColumns();
    void splitsChangeIsRefusedWhileRunning();
    void figures_data();
    void figures();
    void lapsRemaining_data();
    void lapsRemaining();
    void keys_data();
    void keys();
    void ctrlF5OnSlotWithLapsAsksFirst();
    void twoDriversOpenThePitPanel();
    void postSessionUpdatesAfterTheLastStop();
    void resetClearsEverythingAfterAsking();
    void loadingWhileSlotOneRuns();
    void startActiveDrivers();
    void driverNamesJoinTheKnownList();
    void tableGrowsPastItsInitialRows();
    void listenerHearsEachOperationOnce();
};

void TestLiveTiming::sessions_data() {
    QTest::addColumn<bool>("includePitLaps");
    QTest::addColumn<Events>("events");
    QTest::addColumn<QString>("times");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("pit");

    QTest::newRow("first press starts lap 1")
        << false << Events{"0 start 1", "5000 press 1"} << "" << QStringList{"1"} << "";
    QTest::newRow("second press fills row 1")
        << false << Events{"0 start 1", "5000 press 1", "66000 press 1", "130000 stop 1"} << "61000"
        << QStringList{"1|1:01.000"} << "";
    QTest::newRow("start and stop press with include_pitlaps")
        << true << Events{"0 start 1", "61000 press 1", "123000 stop 1"} << "61000,62000"
        << QStringList{"1|1:01.000", "2|1:02.000"} << "";
    QTest::newRow("pit stop is in no lap")
        << false << Events{"0 start 1",      "1000 press 1",    "61000 press 1",
                           "120000 pitin 1", "140000 pitout 1", "200000 press 1"}
        << "60000,59000,60000" << QStringList{"1|1:00.000", "2|59.000", "3|1:00.000"} << "20.000";
    QTest::newRow("pit totals add up")
        << false << Events{"0 start 1",      "1000 press 1",   "61000 pitin 1",
                           "71000 pitout 1", "131000 pitin 1", "136500 pitout 1"}
        << "60000,60000" << QStringList{"1|1:00.000", "2|1:00.000"} << "15.500";
    QTest::newRow("stop in the pits does not press")
        << true << Events{"0 start 1", "61000 pitin 1", "90000 stop 1"} << "61000"
        << QStringList{"1|1:01.000"} << "";
    QTest::newRow("pit in within 3 s still goes in")
        << false << Events{"0 start 1",     "1000 press 1",   "62000 press 1",
                           "63000 pitin 1", "83000 pitout 1", "150000 press 1"}
        << "61000,67000" << QStringList{"1|1:01.000", "2|1:07.000"} << "20.000";
    // The undone in-lap joins the out-lap; the pit stop stays out of it.
    QTest::newRow("undo after pit out") << false << Events{"0 start 1",      "1000 press 1", "61000 pitin 1",
                                                           "81000 pitout 1", "82000 undo 1", "150000 press 1"}
                                        << "129000" << QStringList{"1|2:09.000"} << "20.000";
}

void TestLiveTiming::sessions() {
    QFETCH(bool, includePitLaps);
    QFETCH(Events, events);
    QFETCH(QString, times);
    QFETCH(QStringList, rows);
    QFETCH(QString, pit);
    TimingRig rig(includePitLaps);
    Run(rig, events);
    QCOMPARE(rig.Slot(1).timer.SaveToText(), times);
    QCOMPARE(Rows(rig.Slot(1)), rows);
    QCOMPARE(rig.Slot(1).pitTimeText, pit);
    QCOMPARE(rig.Slot(1).pitTimePanelVisible, !pit.isEmpty());
}

void TestLiveTiming::controlsFollowTheState() {
    TimingRig rig;
    auto c = rig.Slot(1).Controls();
    QVERIFY(c.startVisible && !c.stopVisible && !c.stopwatchEnabled && c.pitInVisible && !c.pitInEnabled);
    QVERIFY(!rig.model.StopwatchPress(1) && !rig.model.PitIn(1) && !rig.model.Stop(1));
    rig.At(0);
    QVERIFY(rig.model.Start(1));
    c = rig.Slot(1).Controls();
    QVERIFY(!c.startVisible && c.stopVisible && c.stopwatchEnabled && c.undoEnabled && c.pitInEnabled &&
            c.tickEnabled);
    QVERIFY(!rig.model.SplitsEnabled() && !rig.model.ResetEnabled());
    QVERIFY(rig.Slot(1).timeWindow.IsVisible());
    QCOMPARE(rig.Slot(1).timeWindow.Caption(), QStringLiteral("Driver 1 (F5)"));
    QCOMPARE(rig.Slot(1).startText, QStringLiteral("2023-03-15 12.00"));
    rig.At(5000);
    rig.model.PitIn(1);
    c = rig.Slot(1).Controls();
    QVERIFY(c.stopVisible && !c.stopwatchEnabled && !c.undoEnabled && !c.pitInVisible && c.pitOutVisible &&
            c.pitOutEnabled);
    rig.At(65500);
    rig.model.SlotTick(1);
    QCOMPARE(rig.Slot(1).elapsedText, QStringLiteral("1:05"));
    QVERIFY(rig.model.Stop(1));
    c = rig.Slot(1).Controls();
    QVERIFY(c.startVisible && !c.pitOutVisible && c.pitInVisible && !c.pitInEnabled && !c.tickEnabled);
    QCOMPARE(rig.Slot(1).elapsedText, QStringLiteral("1:05.500")); // up to the last tick
    QVERIFY(!rig.Slot(1).timeWindow.IsVisible());
    QVERIFY(rig.model.SplitsEnabled() && rig.model.ResetEnabled());
}

void TestLiveTiming::undoIsRefusedInThePits() {
    TimingRig rig;
    Run(rig, {"0 start 1", "1000 press 1", "61000 press 1", "120000 pitin 1"});
    QVERIFY(!rig.model.Undo(1));
    QCOMPARE(rig.Slot(1).timer.SaveToText(), QStringLiteral("60000,59000"));
    rig.At(130000);
    ShowTimeModel& window = rig.model.TimeWindow(1);
    for (int i = 0; i <= ShowTimeModel::kHoldTicks; ++i)
        window.DisplayTick();
    QCOMPARE(window.TimeText(), QStringLiteral("Pit:10")); // the pit clock keeps counting
}

void TestLiveTiming::newStartClearsPitTime() {
    TimingRig rig;
    Run(rig, {"0 start 1", "1000 press 1", "61000 pitin 1", "81000 pitout 1", "90000 stop 1"});
    QCOMPARE(rig.Slot(1).pitStopTime, 20000);
    rig.prompter.Expect("All lap times will be reset, continue?", Answer::Yes);
    Run(rig, {"100000 start 1"});
    QCOMPARE(rig.Slot(1).pitStopTime, 0);
    QVERIFY(rig.Slot(1).pitTimeText.isEmpty());
    QCOMPARE(rig.model.CurrentLapData().slots[0].pitStopTime, 0);
}

void TestLiveTiming::splitColumns_data() {
    QTest::addColumn<QString>("splits");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("0") << "0" << QStringList{"Lap", "Total"}
                       << QStringList{"1|20.000", "2|20.000", "3|20.000", "4|20.000", "5|20.000"};
    QTest::newRow("1") << "1" << QStringList{"Lap", "Split 1", "Finish", "Total"}
                       << QStringList{"1|20.000|20.000|40.000", "2|20.000|20.000|40.000", "3|20.000"};
    QTest::newRow("2") << "2" << QStringList{"Lap", "Split 1", "Split 2", "Finish", "Total"}
                       << QStringList{"1|20.000|20.000|20.000|1:00.000", "2|20.000|20.000"};
    QTest::newRow("3") << "3" << QStringList{"Lap", "Split 1", "Split 2", "Split 3", "Finish", "Total"}
                       << QStringList{"1|20.000|20.000|20.000|20.000|1:20.000", "2|20.000"};
    QTest::newRow("damaged value clamps")
        << "9" << QStringList{"Lap", "Split 1", "Split 2", "Split 3", "Finish", "Total"}
        << QStringList{"1|20.000|20.000|20.000|20.000|1:20.000", "2|20.000"};
}

void TestLiveTiming::splitColumns() {
    QFETCH(QString, splits);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, rows);
    TimingRig rig;
    QVERIFY(rig.model.SetSplitsText(splits));
    QCOMPARE(rig.Slot(1).table.Headers(), headers);
    Run(rig, {"0 start 1", "1000 press 1", "21000 press 1", "41000 press 1", "61000 press 1", "81000 press 1",
              "101000 press 1"});
    QCOMPARE(Rows(rig.Slot(1)), rows);
}

void TestLiveTiming::splitsChangeIsRefusedWhileRunning() {
    TimingRig rig;
    Run(rig, {"0 start 2", "1000 press 2", "21000 press 2", "41000 press 2"});
    QVERIFY(!rig.model.SetSplitsText("1"));
    QCOMPARE(rig.model.Splits(), 0);
    QCOMPARE(rig.Slot(2).timer.Splits(), 0);
    QVERIFY(!rig.model.SetSplitsText("")); // an empty box is ignored
    Run(rig, {"50000 stop 2"});
    QVERIFY(rig.model.SetSplitsText("1"));
    QCOMPARE(Rows(rig.Slot(2)), QStringList{"1|20.000|20.000|40.000"}); // redrawn as laps with a split
}

void TestLiveTiming::figures_data() {
    QTest::addColumn<QString>("unitSystem");
    QTest::addColumn<QString>("trackLength");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QStringList>("texts"); // best, best speed, mean, mean speed, distance

    QTest::newRow("metric") << "Metric"
                            << "3000" << 100
                            << QStringList{"1:30.000 (2)", "120.0 km/h", "1:35.000", "113.7 km/h",
                                           "9.000 km"};
    QTest::newRow("miles") << "US Standard"
                           << "3218" << 100
                           << QStringList{"1:30.000 (2)", "80.0 mph", "1:35.000", "75.8 mph", "6.000 miles"};
    QTest::newRow("no track length") << "Metric"
                                     << "" << 0 << QStringList{"1:30.000 (2)", "", "1:30.000", "", ""};
    QTest::newRow("track length no number")
        << "Imperial Standard"
        << "abc" << 100 << QStringList{"1:30.000 (2)", "", "1:35.000", "", ""};
}

void TestLiveTiming::figures() {
    QFETCH(QString, unitSystem);
    QFETCH(QString, trackLength);
    QFETCH(int, percent);
    QFETCH(QStringList, texts);
    TimingRig rig;
    LiveTimingSettings settings;
    settings.units = TimingUnitsOfSystem(unitSystem);
    settings.percentForMean = percent;
    rig.model.SetSettings(settings);
    rig.model.SetTrackLength(trackLength);
    Run(rig, {"0 start 1", "1000 press 1", "101000 press 1", "191000 press 1", "286000 press 1"});
    const DriverSlot& s = rig.Slot(1);
    QCOMPARE((QStringList{s.bestText, s.bestSpeedText, s.meanText, s.meanSpeedText, s.distanceText}), texts);
    // Undo redraws the same figures from the timer.
    Run(rig, {"290000 undo 1"});
    QCOMPARE(s.bestText, QStringLiteral("1:30.000 (2)"));
    QCOMPARE(rig.Slot(1).timer.LapCount(), 2);
    // Another track chosen later: the speeds and distance follow at once.
    rig.model.SetTrackLength(QString());
    QCOMPARE(s.bestSpeedText, QString());
    QCOMPARE(s.distanceText, QString());
    rig.model.SetTrackLength(trackLength);
    QCOMPARE(s.bestSpeedText, texts.at(1));
}

void TestLiveTiming::lapsRemaining_data() {
    QTest::addColumn<FuelFigures>("fuel");
    QTest::addColumn<QString>("text"); // empty: hidden

    QTest::newRow("approximate consumption") << FuelFigures{"20", "2.5", "3", "4", ""} << "Laps remaining: 6";
    QTest::newRow("required after race") << FuelFigures{"20", "2.5", "", "", "5"} << "Laps remaining: 4";
    QTest::newRow("dry when no approximate") << FuelFigures{"20", "", "4", "5", ""} << "Laps remaining: 3";
    QTest::newRow("zero consumption falls through")
        << FuelFigures{"20", "0", "-1", "10", ""} << "Laps remaining: 0";
    QTest::newRow("no consumption hides") << FuelFigures{"20", "0", "", "", ""} << "";
    QTest::newRow("never negative") << FuelFigures{"5", "2", "", "", ""} << "Laps remaining: 0";
    QTest::newRow("no amount hides") << FuelFigures{"", "2", "", "", ""} << "";
    QTest::newRow("more required than on board") << FuelFigures{"3", "1", "", "", "9"} << "Laps remaining: 0";
}

void TestLiveTiming::lapsRemaining() {
    QFETCH(FuelFigures, fuel);
    QFETCH(QString, text);
    TimingRig rig;
    rig.model.SetFuelFigures(fuel);
    Run(rig, {"0 start 1", "1000 press 1", "61000 press 1", "121000 press 1"});
    const ShowTimeModel& window = rig.model.TimeWindow(1);
    QCOMPARE(window.LapsRemainingVisible(), !text.isEmpty());
    if (!text.isEmpty()) QCOMPARE(window.LapsRemainingText(), text);
    // A source, when given, is asked at the next lap: the amount typed meanwhile counts.
    rig.model.SetFuelFigures({});
    rig.model.requestFuelFigures = [fuel] { return fuel; };
    Run(rig, {"181000 press 1"});
    QCOMPARE(window.LapsRemainingVisible(), LapsRemaining(fuel, 3).has_value());
}

void TestLiveTiming::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("slot");
    const int none = int(Qt::NoModifier), shift = int(Qt::ShiftModifier), ctrl = int(Qt::ControlModifier),
              alt = int(Qt::AltModifier);
    QTest::newRow("F5") << int(Qt::Key_F5) << none << int(TimingKeyAction::Press) << 1;
    QTest::newRow("Alt+F8") << int(Qt::Key_F8) << alt << int(TimingKeyAction::Press) << 4;
    QTest::newRow("Shift+F6") << int(Qt::Key_F6) << shift << int(TimingKeyAction::Undo) << 2;
    QTest::newRow("Ctrl+F7") << int(Qt::Key_F7) << ctrl << int(TimingKeyAction::StartStop) << 3;
    QTest::newRow("Ctrl+Shift+F8") << int(Qt::Key_F8) << (ctrl | shift) << int(TimingKeyAction::PitInOut)
                                   << 4;
    QTest::newRow("F4 is no timing key") << int(Qt::Key_F4) << none << int(TimingKeyAction::None) << 0;
    QTest::newRow("F9 is no timing key") << int(Qt::Key_F9) << ctrl << int(TimingKeyAction::None) << 0;
}

void TestLiveTiming::keys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, action);
    QFETCH(int, slot);
    const TimingKey k = TimingKeyOf(key, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(k.action), action);
    QCOMPARE(k.slot, slot);
}

void TestLiveTiming::ctrlF5OnSlotWithLapsAsksFirst() {
    TimingRig rig;
    rig.At(0);
    QVERIFY(rig.model.HandleKey(Qt::Key_F5, Qt::ControlModifier)); // starts
    QVERIFY(rig.Slot(1).IsRunning());
    QVERIFY(rig.prompter.questions.isEmpty());
    Run(rig, {"1000 press 1", "61000 press 1"});
    rig.At(62000);
    rig.model.HandleKey(Qt::Key_F5, Qt::ControlModifier); // stops
    QVERIFY(!rig.Slot(1).IsRunning());

    rig.prompter.Expect("All lap times will be reset, continue?", Answer::No);
    rig.At(70000);
    rig.model.HandleKey(Qt::Key_F5, Qt::ControlModifier);
    QCOMPARE(rig.prompter.questions, QStringList{"All lap times will be reset, continue?"});
    QVERIFY(!rig.Slot(1).IsRunning());
    QCOMPARE(rig.Slot(1).timer.SaveToText(), QStringLiteral("60000"));

    rig.prompter.Expect("All lap times will be reset, continue?", Answer::Yes);
    rig.model.HandleKey(Qt::Key_F5, Qt::ControlModifier);
    QVERIFY(rig.Slot(1).IsRunning());
    QCOMPARE(rig.Slot(1).timer.Count(), 0);
    QCOMPARE(Rows(rig.Slot(1)), QStringList{});
}

void TestLiveTiming::twoDriversOpenThePitPanel() {
    TimingRig rig;
    rig.model.SetDriverName(1, "Anna");
    rig.model.SetDriverName(2, "Ben");
    Run(rig, {"0 start 1"});
    QVERIFY(!rig.model.PitPanel().IsVisible());
    Run(rig, {"500 start 2"});
    const PitPanelModel& panel = rig.model.PitPanel();
    QVERIFY(panel.IsVisible());
    QCOMPARE(panel.Cell(1, 0), QStringLiteral("Anna"));
    QCOMPARE(panel.Cell(0, 2), QStringLiteral("Ben"));
    QCOMPARE(panel.geometry.top, 50);
    Run(rig, {"10000 press 1", "11500 press 2", "71000 press 1"});
    QCOMPARE(panel.Cell(1, 2), QStringLiteral("1.500")); // Ben passed 1.5 s after Anna
    QCOMPARE(panel.Cell(2, 1), QStringLiteral("-1.500"));
    QCOMPARE(panel.Cell(1, 1), QString());
    QCOMPARE(panel.Passes(1), 2); // Anna's second pass waits for Ben
    Run(rig, {"71200 press 2"});
    QCOMPARE(panel.Cell(1, 2), QStringLiteral("0.200"));
    QCOMPARE(panel.Cell(2, 1), QStringLiteral("-0.200"));
}

void TestLiveTiming::postSessionUpdatesAfterTheLastStop() {
    TimingRig rig;
    Run(rig, {"0 start 1", "100 start 2", "5000 stop 1"});
    QCOMPARE(rig.postSessionUpdates, 0);
    QVERIFY(!rig.model.ResetEnabled());
    Run(rig, {"6000 stop 2"});
    QCOMPARE(rig.postSessionUpdates, 1);
    QCOMPARE(rig.stampClears, 1);
    QVERIFY(!rig.model.Driver1Started());
    Run(rig, {"7000 start 2", "8000 stop 2"}); // slot 1 not started: no updates
    QCOMPARE(rig.postSessionUpdates, 1);
}

void TestLiveTiming::resetClearsEverythingAfterAsking() {
    TimingRig rig;
    Run(rig,
        {"0 start 1", "1000 press 1", "61000 pitin 1", "81000 pitout 1", "150000 press 1", "160000 stop 1"});
    rig.dirty = true;
    const QString saveQuestion = QStringLiteral("Unsaved Session changes exists, save now?");
    const QString resetQuestion = QStringLiteral("Lap data for all drivers will be reset, continue?");
    rig.prompter.Expect(saveQuestion, Answer::Cancel);
    QVERIFY(!rig.model.ResetLapTimes());
    rig.prompter.Expect(saveQuestion, Answer::No);
    rig.prompter.Expect(resetQuestion, Answer::Cancel);
    QVERIFY(!rig.model.ResetLapTimes());
    QCOMPARE(rig.Slot(1).timer.LapCount(), 2);
    rig.prompter.Expect(saveQuestion, Answer::No);
    rig.prompter.Expect(resetQuestion, Answer::Ok);
    QVERIFY(rig.model.ResetLapTimes());
    QCOMPARE(rig.prompter.questions.last(),
             QStringLiteral("Lap data for all drivers will be reset, continue?"));
    const DriverSlot& s = rig.Slot(1);
    QCOMPARE(s.timer.Count(), 0);
    QCOMPARE(s.startTime, 0.0);
    QCOMPARE(s.stopTime, 0.0);
    QCOMPARE(s.pitStopTime, 0);
    QVERIFY(s.startText.isEmpty() && s.elapsedText.isEmpty() && s.pitTimeText.isEmpty() &&
            s.bestText.isEmpty());
    QVERIFY(!s.pitTimePanelVisible);
    QCOMPARE(Rows(s), QStringList{});
}

void TestLiveTiming::loadingWhileSlotOneRuns() {
    TimingRig rig(true);
    Run(rig, {"0 start 1", "61000 press 1"});
    LapData data;
    data.splitsPerLap = "1";
    data.slots[0] = {"Carl", TimingRig::kBaseDay - 1, TimingRig::kBaseDay - 0.99, 12000, "30000,31000,29000"};
    rig.At(70000);
    QVERIFY(rig.model.LoadLapData(data));
    QCOMPARE(rig.postSessionUpdates, 0);
    QVERIFY(!rig.model.Driver1Started());
    const DriverSlot& s = rig.Slot(1);
    QVERIFY(!s.IsRunning());
    QCOMPARE(s.timer.SaveToText(), QStringLiteral("30000,31000,29000")); // no automatic press on loaded data
    QCOMPARE(s.driverName, QStringLiteral("Carl"));
    QCOMPARE(Rows(s), (QStringList{"1|30.000|31.000|1:01.000", "2|29.000"}));
    QCOMPARE(s.pitTimeText, QStringLiteral("12.000"));
    QCOMPARE(s.elapsedText, QStringLiteral("14:24.000"));
    QCOMPARE(s.startText, QStringLiteral("2023-03-14 12.00"));
    QVERIFY(rig.prompter.questions.isEmpty());
    QVERIFY(rig.model.SplitsEnabled());

    data.slots[1].splitTimes = "1,x";
    QVERIFY(!rig.model.LoadLapData(data));
}

void TestLiveTiming::startActiveDrivers() {
    TimingRig rig;
    rig.model.SetDriverName(2, "Dora");
    rig.model.SetDriverName(4, "drivers club"); // begins with "Driver" in any case: not active
    rig.At(0);
    rig.model.StartActiveDrivers();
    QVERIFY(!rig.Slot(1).IsRunning());
    QVERIFY(rig.Slot(2).IsRunning());
    QVERIFY(!rig.Slot(3).IsRunning());
    QVERIFY(!rig.Slot(4).IsRunning());
    QVERIFY(!rig.model.StartActiveDriversVisible());
}

void TestLiveTiming::driverNamesJoinTheKnownList() {
    TimingRig rig;
    rig.model.SetKnownDrivers({"Anna"});
    rig.model.SetDriverName(1, "Driver 3");
    rig.model.DriverNameExit(1);
    rig.model.SetDriverName(1, "Anna");
    rig.model.DriverNameExit(1);
    rig.model.SetDriverName(2, "Ben");
    rig.model.DriverNameExit(2);
    rig.model.SetDriverName(3, "");
    rig.model.DriverNameExit(3);
    QCOMPARE(rig.model.KnownDrivers(), (QStringList{"Anna", "Ben"}));
    QCOMPARE(rig.changes, 4);
}

void TestLiveTiming::tableGrowsPastItsInitialRows() {
    TimingRig rig;
    Run(rig, {"0 start 3"});
    for (int lap = 0; lap <= 60; ++lap) {
        rig.At(1000 + lap * 4000);
        QVERIFY(rig.model.StopwatchPress(3));
    }
    const DriverSlot& s = rig.Slot(3);
    QCOMPARE(s.table.RowCount(), 61);
    QCOMPARE(s.table.Row(60), (QStringList{"60", "4.000"}));
    QCOMPARE(s.table.ScrollRow(), 60);
}

void TestLiveTiming::listenerHearsEachOperationOnce() {
    TimingRig rig(true);
    int heard = 0;
    int revision = rig.Slot(1).table.Revision();
    const Connection listening = rig.model.changed.Connect([&] { ++heard; });
    Run(rig, {"0 start 1"}); // the start's own press and the pit panel inside: one report
    QCOMPARE(heard, 1);
    Run(rig, {"1000 press 1"}); // refused (3 s rule): reported, nothing to redraw
    QCOMPARE(heard, 2);
    QCOMPARE(rig.Slot(1).table.Revision(), revision + 2); // cleared by the start, lap 1 marked
    Run(rig, {"61000 press 1", "62000 tick 0"});
    QCOMPARE(heard, 4);
    LapData data;
    data.slots[1].splitTimes = "60000,61000";
    QVERIFY(rig.model.LoadLapData(data)); // stops, resets, loads, redraws: one report
    QCOMPARE(heard, 5);
}

QTEST_GUILESS_MAIN(TestLiveTiming)
#include "tst_live_timing.moc"
