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
        rig.prompter.answers = {Answer::Yes};
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
        rig.prompter.answers = {Answer::Ok};
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
    rig.prompter.answers = {Answer::No};
    QVERIFY(!rig.model.OfferJournalRestore(folder.path()));
    QCOMPARE(rig.Slot(1).timer.Count(), 0);
    QVERIFY(!QFile::exists(folder.filePath(kTimingJournalFileName)));
    QVERIFY(!rig.model.OfferJournalRestore(folder.path())); // nothing left to offer, no question
    QCOMPARE(rig.prompter.questions.size(), 1);
}

QTEST_GUILESS_MAIN(TestTimingJournal)
#include "tst_timing_journal.moc"
