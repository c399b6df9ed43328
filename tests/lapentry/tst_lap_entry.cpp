// The lap entry dialog's model over a live timing: the grid and its rows, OK's checks, Apply into a slot,
// Edit from a slot and the imports.
#include "lapentry/lap_entry_model.h"
#include "manual_clock.h"
#include "recording_beeper.h"
#include "recording_prompter.h"
#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "timing/live_timing_model.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOverwrite =
    QStringLiteral("Selected driver: %1\nCurrent laptimes will be overwritten, continue?");

struct EntryRig {
    ManualClock clock;
    RecordingBeeper beeper;
    RecordingPrompter prompter;
    LiveTimingModel live{clock, beeper, prompter};
    LapEntryModel entry{live, prompter, clock};
    int finished = 0;
    int stampClears = 0;
    Connections connections;

    EntryRig() {
        for (int slot = 1; slot <= 4; ++slot)
            live.SetDriverName(slot, QStringLiteral("Driver %1").arg(slot));
        connections += live.sessionFinished.Connect([this] { ++finished; });
        connections += entry.partStatusStampCleared.Connect([this] { ++stampClears; });
    }
    // Cells in reading order into rows of splits + 1.
    void Fill(const QStringList& cells) {
        const int perRow = entry.Splits() + 1;
        for (int i = 0; i < cells.size(); ++i)
            entry.SetCell(i / perRow + 1, i % perRow + 1, cells.at(i));
    }
    // OK confirmed, then Apply.
    void Confirm() {
        prompter.Expect(kOverwrite.arg(entry.Driver()), Answer::Ok);
        QVERIFY(entry.OkBitBtnClick());
        entry.Apply();
    }
};

QString Fixture(const QString& name) {
    return QDir(QStringLiteral(VORLAPA_TEST_DATA "/lapentry")).filePath(name);
}

} // namespace

class TestLapEntry : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void GridHeaders() {
        EntryRig rig;
        QCOMPARE(rig.entry.Grid().Headers(), (QStringList{"Lap", "Lap time"}));
        QCOMPARE(rig.entry.LapRows(), 499);
        QCOMPARE(rig.entry.Cell(499, 0), QStringLiteral("499"));
        rig.entry.SetSplits(2);
        QCOMPARE(rig.entry.Grid().Headers(), (QStringList{"Lap", "Split 1", "Split 2", "Finish"}));
    }

    void OkAppliesTheGrid_data() {
        QTest::addColumn<int>("splits");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("pit");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint64>("durationMs");
        QTest::newRow("two laps") << 0 << QStringList{"1:05.3", "58.25"} << ""
                                  << "65300,58250" << qint64(123550);
        QTest::newRow("empty grid: start plus pit time") << 0 << QStringList{} << "1:00.0"
                                                         << "" << qint64(60000);
        QTest::newRow("gaps close up, pit time adds")
            << 1 << QStringList{"30.0", "31.0", "", "", "29.5", "30.5"} << "45.0"
            << "30000,31000,29500,30500" << qint64(166000);
        QTest::newRow("long segment kept whole") << 0 << QStringList{"75:02.050"} << ""
                                                 << "4502050" << qint64(4502050);
    }
    void OkAppliesTheGrid() {
        QFETCH(int, splits);
        QFETCH(QStringList, cells);
        QFETCH(QString, pit);
        QFETCH(QString, stored);
        QFETCH(qint64, durationMs);
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSplits(splits);
        rig.entry.SetDriver(QStringLiteral("Driver 2"));
        rig.Fill(cells);
        rig.entry.SetPitText(pit);
        const double start = 45001.25;
        rig.entry.SetStartDay(start);
        rig.Confirm();

        const DriverSlot& slot = rig.live.Slot(2);
        QVERIFY(!slot.IsRunning());
        QVERIFY(!rig.live.LoadingLapData());
        QCOMPARE(slot.timer.SaveToText(), stored);
        QCOMPARE(slot.startTime, start);
        QCOMPARE(qRound64((slot.stopTime - slot.startTime) * 86400000.0), durationMs);
        QCOMPARE(rig.live.Splits(), splits);
        QCOMPARE(rig.stampClears, 1); // the main menu's entry clears the stamp on OK
        QCOMPARE(rig.finished, 0);    // slot 1 was not started
    }

    void SlotOneRunsThePostSessionUpdates() {
        EntryRig rig;
        rig.entry.PrepareEnterManually(1);
        QCOMPARE(rig.stampClears, 1);
        QCOMPARE(rig.entry.Driver(), QStringLiteral("Driver 1"));
        rig.Fill({"1:00.000", "59.000"});
        rig.Confirm();
        QCOMPARE(rig.finished, 1);
        QCOMPARE(rig.live.Slot(1).timer.LapCount(), 2);
        QCOMPARE(rig.live.Slot(1).table.Cell(2, 1), QStringLiteral("59.000"));
    }

    void NamesDecideTheSlot() {
        EntryRig rig;
        rig.live.SetDriverName(3, QStringLiteral("Anna"));
        rig.live.SetDriverName(4, QStringLiteral("Anna"));
        rig.entry.PrepareEnterManually(4);
        rig.Fill({"1:00.000"});
        rig.Confirm();
        QCOMPARE(rig.live.Slot(3).timer.LapCount(), 1);
        QCOMPARE(rig.live.Slot(4).timer.LapCount(), 0);
        // A name that no slot has goes to slot 1.
        rig.entry.PrepareFromMenu();
        rig.entry.SetDriver(QStringLiteral("Guest"));
        QCOMPARE(rig.entry.TargetSlot(), 1);
    }

    void OkRefusals_data() {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("error");
        QTest::newRow("no driver") << ""
                                   << "1:00.0"
                                   << "You must enter a name for the driver!";
        QTest::newRow("three delimiters")
            << "Driver 1"
            << "1:00.0.0"
            << "Bad format of time!\nYou must have 1 or 2 delimiters. (1.00.0.0)";
        QTest::newRow("negative") << "Driver 1"
                                  << "-5.0"
                                  << "Bad format of time! (-5.0)";
        QTest::newRow("beyond 32 bits") << "Driver 1"
                                        << "40000:00.0"
                                        << "Bad format of time! (40000.00.0)";
    }
    void OkRefusals() {
        QFETCH(QString, driver);
        QFETCH(QString, cell);
        QFETCH(QString, error);
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetDriver(driver);
        rig.Fill({cell});
        rig.prompter.ExpectError(error);
        QVERIFY(!rig.entry.OkBitBtnClick());
        rig.entry.Apply(); // nothing was accepted
        QCOMPARE(rig.live.Slot(1).startTime, 0.0);
        QCOMPARE(rig.stampClears, 0);
    }

    void CancelAtTheQuestionKeepsTheSlot() {
        EntryRig rig;
        rig.entry.PrepareEnterManually(2);
        rig.Fill({"1:00.0"});
        rig.prompter.Expect(kOverwrite.arg(QStringLiteral("Driver 2")), Answer::Cancel);
        QVERIFY(!rig.entry.OkBitBtnClick());
        rig.entry.Apply();
        QCOMPARE(rig.live.Slot(2).timer.LapCount(), 0);
    }

    void RunningSlotsLimitTheEntry() {
        EntryRig rig;
        QVERIFY(rig.live.Start(1));
        rig.entry.PrepareEnterManually(2);
        // The splits stay the window's while another slot runs.
        QVERIFY(!rig.entry.SplitsEnabled());
        rig.entry.SetSplits(2);
        QCOMPARE(rig.entry.Splits(), 0);
        rig.Fill({"1:00.0"});
        rig.Confirm();
        QCOMPARE(rig.live.Slot(2).timer.LapCount(), 1);
        QVERIFY(rig.live.Slot(1).IsRunning());
        // Entering laps for the running driver is refused.
        rig.entry.PrepareEnterManually(1);
        rig.Fill({"1:00.0"});
        rig.prompter.ExpectError(
            QStringLiteral("The session of Driver 1 is running: stop it before entering lap times."));
        QVERIFY(!rig.entry.OkBitBtnClick());
    }

    void EditFillsTheGridLosslessly() {
        EntryRig rig;
        QVERIFY(rig.live.SetSplitsText(QStringLiteral("2")));
        LapData data;
        data.splitsPerLap = QStringLiteral("2");
        data.slots[1] = {QStringLiteral("Bert"), 45000.5, 45000.6, 3725000,
                         QStringLiteral("4502050,31000,32000,30500,31500,29000")};
        QVERIFY(rig.live.LoadLapData(data));
        rig.prompter.ExpectError(QStringLiteral("There are no laptimes to edit!"));
        QVERIFY(!rig.entry.PrepareEdit(1));

        QVERIFY(rig.entry.PrepareEdit(2));
        QCOMPARE(rig.entry.Driver(), QStringLiteral("Bert"));
        QCOMPARE(rig.entry.Splits(), 2);
        QCOMPARE(rig.entry.Grid().Row(0), (QStringList{"1", "75:02.050", "31.000", "32.000"}));
        QCOMPARE(rig.entry.Grid().Row(1), (QStringList{"2", "30.500", "31.500", "29.000"}));
        QCOMPARE(rig.entry.PitText(), QStringLiteral("62:05.000"));
        QCOMPARE(rig.entry.StartDay(), 45000.5);
        // OK on the unchanged grid gives the same run back.
        rig.Confirm();
        QCOMPARE(rig.live.Slot(2).timer.SaveToText(), data.slots[1].splitTimes);
        QCOMPARE(rig.live.Slot(2).pitStopTime, 3725000);
    }

    void InsertAndDeleteRows() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.Fill({"1.0", "2.0", "3.0"});
        QVERIFY(rig.entry.InsertRowMenuItemClick(2));
        QCOMPARE(rig.entry.SegmentRows(), (std::vector<QStringList>{{"1.0"}, {""}, {"2.0"}, {"3.0"}}));
        QCOMPARE(rig.entry.Cell(3, 0), QStringLiteral("3"));
        // A filled last row moves into a new row.
        rig.entry.SetCell(499, 1, QStringLiteral("9.0"));
        QVERIFY(rig.entry.InsertRowMenuItemClick(1));
        QCOMPARE(rig.entry.LapRows(), 500);
        QCOMPARE(rig.entry.Cell(500, 1), QStringLiteral("9.0"));
        QCOMPARE(rig.entry.Cell(500, 0), QStringLiteral("500"));
        // The Delete key empties rows and writes their numbers back.
        rig.entry.DeleteRows(2, 4);
        QCOMPARE(rig.entry.Cell(2, 1), QString());
        QCOMPARE(rig.entry.Cell(3, 0), QStringLiteral("3"));
    }

    void InsertBeyondTheSlotsCapacityIsRefused() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSplits(3); // 250 laps of four segments fill a driver
        rig.entry.SetCell(499, 1, QStringLiteral("9.0"));
        rig.prompter.ExpectError(QStringLiteral("A driver holds at most 250 laps: no row can be inserted."));
        QVERIFY(!rig.entry.InsertRowMenuItemClick(1));
        QCOMPARE(rig.entry.Cell(499, 1), QStringLiteral("9.0"));
    }

    void ClearAll() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.Fill({"1.0"});
        rig.entry.SetPitText(QStringLiteral("30.0"));
        rig.prompter.Expect(QStringLiteral("Clear all lap times?"), Answer::Cancel);
        QVERIFY(!rig.entry.ClearAllButtonClick());
        QCOMPARE(rig.entry.Cell(1, 1), QStringLiteral("1.0"));
        rig.prompter.Expect(QStringLiteral("Clear all lap times?"), Answer::Ok);
        QVERIFY(rig.entry.ClearAllButtonClick());
        QCOMPARE(rig.entry.Cell(1, 1), QString());
        QCOMPARE(rig.entry.Cell(1, 0), QStringLiteral("1"));
        QCOMPARE(rig.entry.PitText(), QString());
    }

    void ImportFromAFile() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSourceIndex(
            int(LapEntryModel::SourceTexts().indexOf(QStringLiteral("AIMSports (file)"))));
        QCOMPARE(rig.entry.LastType(), QStringLiteral("AIMSports (file)"));
        rig.entry.SetSplits(1);
        rig.Fill({"9.0", "9.5"});
        // A cancelled file dialog keeps the typed laps.
        rig.prompter.ExpectText(QStringLiteral("Import laptimes from AIM (file)"), std::nullopt);
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.Cell(1, 1), QStringLiteral("9.0"));
        rig.prompter.ExpectText(QStringLiteral("Import laptimes from AIM (file)"),
                                Fixture(QStringLiteral("aim.txt")));
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.Splits(), 0);
        QCOMPARE(rig.entry.SegmentRows(),
                 (std::vector<QStringList>{{"1:05.234"}, {"1:04.998"}, {"1:05.500"}}));
        QCOMPARE(rig.entry.LastFolder(), QFileInfo(Fixture(QStringLiteral("aim.txt"))).absolutePath());
    }

    void ImportNamesDriverAndStart() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSourceIndex(
            int(LapEntryModel::SourceTexts().indexOf(QStringLiteral("MoTeC CSV (i2 export)"))));
        rig.prompter.ExpectText(QStringLiteral("Import laptimes from MoTeC CSV (i2 export)"),
                                Fixture(QStringLiteral("motec_i2.csv")));
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.Driver(), QStringLiteral("Carla"));
        QCOMPARE(DateTimeFromDayNumber(rig.entry.StartDay()), QDateTime(QDate(2024, 3, 14), QTime(9, 15)));
        // A preselected driver stays.
        rig.entry.PrepareEnterManually(3);
        rig.prompter.ExpectText(QStringLiteral("Import laptimes from MoTeC CSV (i2 export)"),
                                Fixture(QStringLiteral("motec_i2.csv")));
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.Driver(), QStringLiteral("Driver 3"));
    }

    void ImportBeyondTheCapacityTakesWhatFitsAndSaysSo() {
        QTemporaryDir folder;
        QString text = QStringLiteral("header\r\n");
        for (int lap = 1; lap <= 1200; ++lap)
            text += QStringLiteral("%1_1:0%2.000_\r\n").arg(lap).arg(lap % 10);
        const QString path = folder.filePath(QStringLiteral("long.txt"));
        QVERIFY(WriteFileAtomically(path, text.toUtf8()));
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSourceIndex(0);
        rig.prompter.ExpectText(QStringLiteral("Import laptimes from AIM (file)"), path);
        rig.prompter.ExpectError(QStringLiteral("The file holds 1200 laps; a driver holds at most 1000. The "
                                                "laps after lap 1000 were not taken."));
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.LapRows(), 1000);
        QCOMPARE(int(rig.entry.SegmentRows().size()), 1000);
        QCOMPARE(rig.entry.Cell(1000, 1), QStringLiteral("1:00.000"));
        rig.entry.SetDriver(QStringLiteral("Driver 1"));
        rig.Confirm();
        QCOMPARE(rig.live.Slot(1).timer.LapCount(), 1000);
    }

    void SerialDownloadGoesToTheRecordReader() {
        EntryRig rig;
        rig.entry.PrepareFromMenu();
        rig.entry.SetSourceIndex(
            int(LapEntryModel::SourceTexts().indexOf(QStringLiteral("T200 Timer (serial)"))));
        rig.Fill({"9.0"});
        std::optional<QStringList> received;
        rig.entry.requestSerialDownload = [&received] { return received; };
        rig.entry.ImportDataButtonClick(); // cancelled: the grid stays
        QCOMPARE(rig.entry.Cell(1, 1), QStringLiteral("9.0"));
        received = QStringList{};
        rig.prompter.ExpectError(QStringLiteral("Unrecognized data in first line.*download mode"));
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.Cell(1, 1), QString());
        received = QStringList{"LT200RX, M, S,hS", "", "", "0001,00,01,05,23", "0002,00,00,59,99", "END"};
        rig.entry.ImportDataButtonClick();
        QCOMPARE(rig.entry.SegmentRows(), (std::vector<QStringList>{{"1:05.230"}, {"59.990"}}));
    }
};

QTEST_GUILESS_MAIN(TestLapEntry)
#include "tst_lap_entry.moc"
