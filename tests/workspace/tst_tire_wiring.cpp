// The workspace ties the tire list to the vehicle type, the change flags, the end of a timed session and
// the tire part setups.
#include "workspace_rig.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Rig : WorkspaceRig {
    Rig() {
        WriteSettings(QStringLiteral("gokart"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral(
                  "[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Zolder;\r\n[Zolder]\r\nlength=3600;\r\n"));
        Write(QStringLiteral("tirelist_kart.ini"),
              QStringLiteral("[tires]\r\nversion=1;\r\ntire_list=tire_list_begin;\r\n"
                             "K1,FL,,,Soft,100,2,,,,,2023-01-02,\r\ntire_list=tire_list_end;\r\n"));
        Write(QStringLiteral("tirelist_mc.ini"),
              QStringLiteral(
                  "[tires]\r\nversion=1;\r\ntire_list=tire_list_begin;\r\n"
                  "M1,,,,,,,,,,,2023-01-02,\r\nM2,,,,,,,,,,,2023-01-02,\r\ntire_list=tire_list_end;\r\n"));
        Open();
    }
    TireListPage& Tires() const { return workspace->TireList(); }
};

} // namespace

class TestTireWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void listFollowsTheVehicleAndItsChangeFlag() {
        Rig w;
        QCOMPARE(w.Tires().List().tires.size(), size_t(1));
        w.Tires().SetTireField("K1", tire_col::Set, "Rain");
        QVERIFY(w.state->Changes().IsChanged(Area::TireList));
        QVERIFY(!w.state->VehicleMenuOpening());
        QCOMPARE(w.prompter.informations.last(), QStringLiteral("Save tire list first to change vehicle!"));
        QVERIFY(w.Tires().SaveTireList());
        QVERIFY(!w.state->Changes().IsChanged(Area::TireList));
        QVERIFY(w.state->VehicleMenuOpening());
        // The chosen tree node is kept in the settings and chosen again; out of range it is the first.
        w.Tires().SelectNode(2); // "Soft" under "Group by compound"
        QCOMPARE(w.state->Settings().tirelistLastNode, 2);
        w.state->SelectVehicle(QStringLiteral("mc"));
        QCOMPARE(w.Tires().List().tires.size(), size_t(2));
        QCOMPARE(w.Tires().SelectedNode(), 0);
    }

    void timedSessionBooksTheSetupTires() {
        Rig w;
        w.Ws().Setup().SetCell(GridId::FourWheelTires, 0, 0, QStringLiteral("K1"));
        w.Ws().Session().SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        std::optional<SessionTireDialogValues> seen;
        w.Tires().requestSessionDialog = [&](const SessionTireDialogValues& v) {
            seen = v;
            return std::optional(v);
        };
        LiveTimingModel& timing = w.Ws().LiveTiming();
        w.At(0);
        timing.StartOrStop(1);
        for (quint32 ms : {1000u, 61000u, 122000u}) {
            w.At(ms);
            timing.StopwatchPress(1);
        }
        w.At(130000);
        timing.StartOrStop(1);
        QVERIFY(seen);
        QCOMPARE(seen->track, QStringLiteral("Zolder"));
        QCOMPARE(seen->tireLines, QStringList({"FL (K1) "}));
        const TireRecord& tire = w.Tires().List().tires[0];
        QCOMPARE(tire.history.size(), 1);
        QCOMPARE(tire.history[0][history_col::Mileage], QStringLiteral("7.200"));
        QCOMPARE(tire.fields[tire_col::Mileage], QStringLiteral("107.2"));
        QCOMPARE(tire.fields[tire_col::HeatCycles], QStringLiteral("3"));
        QVERIFY(w.state->Changes().IsChanged(Area::TireList));
    }

    void storedTireSetupNamesTheTiresSet() {
        Rig w;
        w.Ws().Setup().SetCell(GridId::FourWheelTires, 0, 0, QStringLiteral("K1"));
        PartSetupManager manager(w.Ws().Setup(), w.prompter, w.dir.path(), SetupArea::Tires);
        manager.SetBox(QStringLiteral("Wet"));
        QVERIFY(manager.Save());
        w.Ws().PartSetupManagerClosed(manager);
        QCOMPARE(w.Tires().GetTireField("K1", tire_col::Set), QStringLiteral("Wet"));

        // Deleting it leaves the tires as they are.
        w.Tires().SetTireField("K1", tire_col::Set, QStringLiteral("Dry"));
        w.prompter.Expect("Delete setup Wet?", Answer::Ok);
        QVERIFY(manager.Delete());
        w.Ws().PartSetupManagerClosed(manager);
        QCOMPARE(w.Tires().GetTireField("K1", tire_col::Set), QStringLiteral("Dry"));
    }
};

QTEST_GUILESS_MAIN(TestTireWiring)
#include "tst_tire_wiring.moc"
