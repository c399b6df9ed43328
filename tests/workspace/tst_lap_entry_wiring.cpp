// The lap entry within the workspace: its remembered source, folder and port live in the program
// settings, and entered laps clear the session's part-status stamp.
#include "workspace_rig.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class TestLapEntryWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void SettingsComeAndGo() {
        WorkspaceRig rig;
        rig.WriteSettings(QStringLiteral("mc"), QStringLiteral("import_last_type=Alfano (file);\r\n"
                                                               "import_data_path=/logs;\r\n"
                                                               "import_data_serial_port=ttyUSB0;\r\n"));
        rig.Open();
        LapEntryModel& entry = rig.Ws().LapEntry();
        QCOMPARE(entry.LastType(), QStringLiteral("Alfano (file)"));
        QCOMPARE(entry.LastFolder(), QStringLiteral("/logs"));
        QCOMPARE(entry.LastSerialPort(), QStringLiteral("ttyUSB0"));
        entry.SetSourceIndex(int(LapEntryModel::SourceTexts().indexOf(QStringLiteral("2D (file)"))));
        entry.SetLastSerialPort(QStringLiteral("ttyS1"));
        QCOMPARE(rig.state->Settings().importLastType, QStringLiteral("2D (file)"));
        QCOMPARE(rig.state->Settings().importDataSerialPort, QStringLiteral("ttyS1"));
    }

    void EnteredLapsClearTheStamp() {
        WorkspaceRig rig;
        rig.WriteSettings(QStringLiteral("mc"), QString());
        rig.Open();
        SessionModel& session = rig.Ws().Session();
        LapEntryModel& entry = rig.Ws().LapEntry();
        session.SetPartStatusStamp(45000.5);
        // "Enter lap times manually" clears it as the dialog opens.
        entry.PrepareEnterManually(2);
        QCOMPARE(session.Record().partStatusStamp, 0.0);
        // The main menu's entry clears it on OK, whichever driver gets the laps.
        session.SetPartStatusStamp(45000.5);
        entry.PrepareFromMenu();
        entry.SetDriver(rig.Ws().LiveTiming().Slot(3).driverName);
        entry.SetCell(1, 1, QStringLiteral("1:00.0"));
        rig.prompter.Expect(QStringLiteral("Selected driver: ") + entry.Driver() +
                                QStringLiteral("\nCurrent laptimes will be overwritten, continue?"),
                            Answer::Ok);
        QVERIFY(entry.OkBitBtnClick());
        QCOMPARE(session.Record().partStatusStamp, 45000.5);
        entry.Apply();
        QCOMPARE(session.Record().partStatusStamp, 0.0);
        QCOMPARE(rig.Ws().LiveTiming().Slot(3).timer.LapCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLapEntryWiring)
#include "tst_lap_entry_wiring.moc"
