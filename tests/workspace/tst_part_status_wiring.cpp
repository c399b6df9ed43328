// The part status in the workspace: loaded at start-up, its changes mark the "Part status" area,
// leaving the maintenance page offers to save it, and "Update Maintenance Log" reaches the log.
#include "workspace_rig.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

class TestPartStatusWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void loadedChangedAndSavedOnLeaving() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        w.WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        w.Write(QStringLiteral("partstatus.ini"),
                QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\n[group1]\r\n"
                               "parts_list=parts_list_begin;\r\n2024-01-01,P1,,Piston,,,,,1\r\n"
                               "parts_list=parts_list_end;\r\n"));
        w.Open();
        PartStatusPage& parts = w.Ws().PartStatus();
        QCOMPARE(parts.GroupNames(), QStringList{"Engine"});
        QCOMPARE(parts.Groups()[0].parts.RowCount(), 1);
        QVERIFY(!w.state->Changes().IsChanged(Area::PartStatus));

        parts.SetStockGroup(true);
        QVERIFY(w.state->Changes().IsChanged(Area::PartStatus));
        w.prompter.Expect("Unsaved Part Status changes exists, save now?", Answer::Yes);
        QVERIFY(w.state->Leave().MaintenanceTabSheetExit());
        QVERIFY(!parts.IsDirty());
        QVERIFY(!w.state->Changes().IsChanged(Area::PartStatus));
        QFile file(w.Path(QStringLiteral("partstatus.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("group_stock=true;"));
    }

    void updateMaintenanceLogOffersTheLogsGroupsPresetToThePartGroup() {
        WorkspaceRig w;
        w.Write(QStringLiteral("partstatus.ini"),
                QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\n[group1]\r\n"
                               "parts_list=parts_list_begin;\r\n2024-01-01,P1,,Piston,,Acme,,,1\r\n"
                               "parts_list=parts_list_end;\r\n"));
        w.Write(QStringLiteral("maintenance.ini"),
                QStringLiteral("[groups]\ngroup1=Bike;\ngroup2=Engine;\n[group1]\n"
                               "item_list=item_list_begin;\nitem_list=item_list_end;\n[group2]\n"
                               "item_list=item_list_begin;\nitem_list=item_list_end;\n"));
        w.Open();
        PartStatusPage& parts = w.Ws().PartStatus();
        MaintenancePage& log = w.Ws().Maintenance();
        QVERIFY(parts.MaintenanceLogConnected());
        QStringList shown;
        log.requestItemDialog = [&](MaintenanceItemDialog& d) {
            shown << d.Groups() << d.Values().group << d.Values().supplier << d.Values().description;
            return !d.CheckOk().has_value();
        };
        QVERIFY(parts.UpdateMaintenanceLog({0}));
        QCOMPARE(shown, (QStringList{"Bike", "Engine", "Engine", "Acme", "Piston"}));
        const TextTable& items = log.Log().Group(1).items;
        QCOMPARE(items.RowCount(), 1);
        QCOMPARE(items.Field(0, kMaintDescription), QStringLiteral("Piston"));
        QVERIFY(w.state->Changes().IsChanged(Area::Maintenance));

        log.requestItemDialog = [](MaintenanceItemDialog&) { return false; }; // Cancel adds nothing
        QVERIFY(!parts.UpdateMaintenanceLog({0}));
        QCOMPARE(log.Log().Group(1).items.RowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPartStatusWiring)
#include "tst_part_status_wiring.moc"
