#include "timing_rig.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

const QStringList kSession{"0 start 1",       "500 start 2",    "1000 press 1",  "2000 press 2",
                           "61000 press 1",   "62000 press 2",  "63000 press 2", "121000 pitin 1",
                           "141000 pitout 1", "200000 press 1", "205000 undo 2", "260000 press 1",
                           "270000 press 2",  "275000 tick 0",  "280000 stop 2"};

void CompareLapData(const LapData& restored, const LapData& expected) {
    QCOMPARE(restored.splitsPerLap, expected.splitsPerLap);
    for (size_t i = 0; i < 4; ++i) {
        const SlotLapData& r = restored.slots[i];
        const SlotLapData& e = expected.slots[i];
        QCOMPARE(r.splitTimes, e.splitTimes);
        QCOMPARE(r.pitStopTime, e.pitStopTime);
        QCOMPARE(r.startTime, e.startTime);
        if (!e.splitTimes.isEmpty()) QCOMPARE(r.name, e.name);
    }
}

// A journal text: the header, then the given lines, each ended by a line break unless cut is set (a crash
// while the last line was being written).
QString Journal(const QStringList& lines, bool cut = false) {
    QString text = QString::fromLatin1(kTimingJournalHeader) + u'\n' + lines.join(u'\n');
    return cut ? text : text + u'\n';
}

} // namespace

class TestTimingJournal : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void restoreAfterACrash();
    void offerRestoresAndKeepsAJournal();
    void cleanEndsRemoveTheJournal_data();
    void cleanEndsRemoveTheJournal();
    void aCutLastLineIsSkipped();
    void declinedRestoreDiscardsTheJournal();
    void parseJournalText_data();
    void parseJournalText();
    void snapshotLinesReadBack();
};

void TestTimingJournal::restoreAfterACrash() {
    QTemporaryDir folder;
    LapData expected;
    {
        auto rig = std::make_unique<TimingRig>();
        rig->model.SetJournalFolder(folder.path());
        rig->model.SetDriverName(1, "Anna Lind");
        Run(*rig, kSession);
        expected = rig->model.CurrentLapData();
        QCOMPARE(expected.slots[0].splitTimes,
                 QStringLiteral("60000,60000,59000,60000")); // the session was real
        QCOMPARE(expected.slots[0].pitStopTime, 20000);
        QCOMPARE(expected.slots[1].splitTimes, QStringLiteral("268000")); // undo joined two laps
        // The program dies here: nothing closes the journal.
    }
    const QString path = JournalFindUnfinished(folder.path());
    QVERIFY(!path.isEmpty());
    const auto restored = RestoreFromJournal(path);
    QVERIFY(restored);
    QCOMPARE(restored->skippedLines, 0);
    CompareLapData(restored->lapData, expected);
    QCOMPARE(restored->lapData.slots[0].name, QStringLiteral("Anna Lind"));
    QCOMPARE(restored->lapData.slots[0].stopTime,
             TimingRig::kBaseDay + 260000 / 86400000.0); // its last event
    QCOMPARE(restored->lapData.slots[1].stopTime,
             expected.slots[1].stopTime); // the last tick before its stop
}

void TestTimingJournal::offerRestoresAndKeepsAJournal() {
    QTemporaryDir folder;
    LapData expected;
    {
        TimingRig rig;
        rig.model.SetJournalFolder(folder.path());
        rig.model.SetSplitsText("1");
        Run(rig, kSession);
        expected = rig.model.CurrentLapData();
    }
    {
        TimingRig rig;
        rig.prompter.Expect(
            "Lap times of a timing session that did not end normally were found.\nRestore them?",
            Answer::Yes);
        QVERIFY(rig.model.OfferJournalRestore(folder.path()));
        QCOMPARE(rig.prompter.questions.size(), 1);
        CompareLapData(rig.model.CurrentLapData(), expected);
        QCOMPARE(rig.model.Splits(), 1);
        QCOMPARE(rig.Slot(1).table.Row(1).join(u'|'), QStringLiteral("1|1:00.000|1:00.000|2:00.000"));
        QVERIFY(!rig.model.AnyRunning());
        QCOMPARE(rig.postSessionUpdates, 0);
        QVERIFY(rig.model.JournalOpen());
        // A second crash before saving still finds the restored data.
    }
    const auto again = RestoreFromJournal(JournalFindUnfinished(folder.path()));
    QVERIFY(again);
    CompareLapData(again->lapData, expected);
}

void TestTimingJournal::cleanEndsRemoveTheJournal_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("left");
    QTest::newRow("saved after the stop") << "saved" << false;
    QTest::newRow("saved while a slot runs") << "saved-running" << true;
    QTest::newRow("reset") << "reset" << false;
    QTest::newRow("discarded") << "discard" << false;
    QTest::newRow("session loaded") << "load" << false;
}

void TestTimingJournal::cleanEndsRemoveTheJournal() {
    QFETCH(QString, end);
    QFETCH(bool, left);
    QTemporaryDir folder;
    TimingRig rig;
    rig.model.SetJournalFolder(folder.path());
    Run(rig, {"0 start 1", "1000 press 1", "61000 press 1"});
    QVERIFY(!JournalFindUnfinished(folder.path()).isEmpty());
    if (end != "saved-running") Run(rig, {"70000 stop 1"});
    if (end.startsWith("saved")) {
        rig.model.SessionSaved();
    } else if (end == "reset") {
        rig.prompter.Expect("Lap data for all drivers will be reset, continue?", Answer::Ok);
        QVERIFY(rig.model.ResetLapTimes());
    } else if (end == "discard") {
        rig.model.DiscardJournal();
    } else {
        QVERIFY(rig.model.LoadLapData(LapData{}));
    }
    QCOMPARE(!JournalFindUnfinished(folder.path()).isEmpty(), left);
    QCOMPARE(QFile::exists(folder.filePath(kTimingJournalFileName)), left);
}

void TestTimingJournal::aCutLastLineIsSkipped() {
    QTemporaryDir folder;
    {
        TimingRig rig;
        rig.model.SetJournalFolder(folder.path());
        Run(rig, {"0 start 1", "1000 press 1", "61000 press 1"});
    }
    QFile file(folder.filePath(kTimingJournalFileName));
    QVERIFY(file.open(QIODevice::Append));
    file.write("press 1 12");
    file.close();
    const auto restored = RestoreFromJournal(file.fileName());
    QVERIFY(restored);
    QCOMPARE(restored->skippedLines, 1);
    QCOMPARE(restored->lapData.slots[0].splitTimes, QStringLiteral("60000"));

    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a journal\n");
    file.close();
    QVERIFY(!RestoreFromJournal(file.fileName()));
    QVERIFY(JournalFindUnfinished(folder.path()).isEmpty());
}

void TestTimingJournal::declinedRestoreDiscardsTheJournal() {
    QTemporaryDir folder;
    {
        TimingRig rig;
        rig.model.SetJournalFolder(folder.path());
        Run(rig, {"0 start 1", "1000 press 1", "61000 press 1"});
    }
    TimingRig rig;
    rig.prompter.Expect("Lap times of a timing session that did not end normally were found.\nRestore them?",
                        Answer::No);
    QVERIFY(!rig.model.OfferJournalRestore(folder.path()));
    QCOMPARE(rig.Slot(1).timer.Count(), 0);
    QVERIFY(!QFile::exists(folder.filePath(kTimingJournalFileName)));
    QVERIFY(!rig.model.OfferJournalRestore(folder.path())); // nothing left to offer, no question
    QCOMPARE(rig.prompter.questions.size(), 1);
}

void TestTimingJournal::parseJournalText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isJournal");
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("skipped");
    // What slot 1 restores: split times, start day, driver, day of its last event; and the splits per lap.
    QTest::addColumn<QString>("times1");
    QTest::addColumn<double>("startDay1");
    QTest::addColumn<QString>("name1");
    QTest::addColumn<double>("stopDay1");
    QTest::addColumn<QString>("splits");

    const QStringList run{"splits 1", "start 1 0 45000.5 Anna Lind", "press 1 1000 45000.50001",
                          "press 1 61000 45000.5007", "press 1 121500 45000.5014"};
    const QString runTimes = QStringLiteral("60000,60500");
    const QString runName = QStringLiteral("Anna Lind");
    const QString none;
    QTest::newRow("well formed") << Journal(run) << true << 5 << 0 << runTimes << 45000.5 << runName
                                 << 45000.5014 << "1";
    QTest::newRow("CR LF line ends") << Journal(run).replace(u'\n', QStringLiteral("\r\n")) << true << 5 << 0
                                     << runTimes << 45000.5 << runName << 45000.5014 << "1";
    QTest::newRow("last line cut in its numbers")
        << Journal(run + QStringList{"press 1 18"}, true) << true << 5 << 1 << runTimes << 45000.5 << runName
        << 45000.5014 << "1";
    QTest::newRow("last line cut after its kind") << Journal(run + QStringList{"pito"}, true) << true << 5
                                                  << 1 << runTimes << 45000.5 << runName << 45000.5014 << "1";
    QTest::newRow("nothing after the end line is read")
        << Journal(run + QStringList{"end", "press 1 181000 45000.6"}) << true << 5 << 0 << runTimes
        << 45000.5 << runName << 45000.5014 << "1";
    QTest::newRow("garbage lines are left out, the rest replayed")
        << Journal({"start 1 0 45000.5 Anna", "%%%\x01", "", "press x 1000 45000.6", "press 5 1000 45000.6",
                    "press 0 1000 45000.6", "press -2147483648 1000 45000.6", "press 1 -1 45000.6",
                    "press 1 1000 nan", "press 1 1000 inf", "undo 1", "pitout 1 5000 45000.6 x",
                    "press 1 1000 45000.6 extra", "press 1 1000 45000.6", "press 1 61000 45000.7"})
        << true << 3 << 12 << "60000" << 45000.5 << "Anna" << 45000.7 << "0";
    QTest::newRow("snapshot line with lap data")
        << Journal({"slot 1 45000.25 45000.3 20000 60000,61000 Ben  Ott", "stop 1 45000.41"}) << true << 2
        << 0 << "60000,61000" << 45000.25 << "Ben  Ott" << 45000.41 << "0";
    QTest::newRow("snapshot line with a damaged number is left out whole")
        << Journal({"slot 1 4500x 45000.3 0 60000 Ben", "slot 1 45000.25 nan 0 60000 Ben",
                    "slot 1 45000.25 45000.3 0 60000,6x Ben", "slot 1 45000.25 45000.3 0.5 - Ben"})
        << true << 0 << 4 << none << 0.0 << none << 0.0 << "0";
    QTest::newRow("header only") << Journal({}, true) << true << 0 << 0 << none << 0.0 << none << 0.0 << "0";
    QTest::newRow("empty text") << none << false << 0 << 0 << none << 0.0 << none << 0.0 << none;
    QTest::newRow("other text") << "[information]\nvehicle=car;\n"
                                << false << 0 << 0 << none << 0.0 << none << 0.0 << none;
    QTest::newRow("header of another version") << "vorlapa timing journal 2\nstart 1 0 45000.5 Anna\n"
                                               << false << 0 << 0 << none << 0.0 << none << 0.0 << none;
}

void TestTimingJournal::parseJournalText() {
    QFETCH(QString, text);
    QFETCH(bool, isJournal);
    const auto parsed = ParseTimingJournal(text);
    QCOMPARE(bool(parsed), isJournal);
    if (!isJournal) {
        QVERIFY(!parsed.error().isEmpty());
        return;
    }
    QTEST(parsed->events, "events");
    QTEST(parsed->skippedLines, "skipped");
    const LapData& data = parsed->lapData;
    QTEST(data.slots[0].splitTimes, "times1");
    QTEST(data.slots[0].startTime, "startDay1");
    QTEST(data.slots[0].name, "name1");
    QTEST(data.slots[0].stopTime, "stopDay1");
    QTEST(data.splitsPerLap, "splits");
    for (size_t i = 1; i < 4; ++i)
        QVERIFY(data.slots[i].splitTimes.isEmpty()); // every line above names slot 1 or no valid slot
}

// What the journal writes on opening reads back as the lap data it was given.
void TestTimingJournal::snapshotLinesReadBack() {
    LapData data;
    data.splitsPerLap = QStringLiteral("2");
    data.slots[0] = {QStringLiteral(" Anna  Lind "), 45000.123456789012, 45000.2, 0, QStringLiteral("1,2,3")};
    data.slots[2] = {QStringLiteral("Line\nbreak"), 0, 0, 15500, QString()}; // pit time only
    data.slots[3] = {QString(), 45000.75, 45000.75, 0, QString()};           // started, no laps yet
    const auto parsed = ParseTimingJournal(Journal(JournalSnapshotLines(data)));
    QVERIFY(parsed);
    QCOMPARE(parsed->skippedLines, 0);
    QCOMPARE(parsed->events, 4);
    data.slots[2].name = QStringLiteral("Line break"); // a name stays on its line
    CompareLapData(parsed->lapData, data);
    for (size_t i = 0; i < 4; ++i) {
        QCOMPARE(parsed->lapData.slots[i].name, data.slots[i].name);
        QCOMPARE(parsed->lapData.slots[i].stopTime, data.slots[i].stopTime);
    }
}

QTEST_GUILESS_MAIN(TestTimingJournal)
#include "tst_timing_journal.moc"
