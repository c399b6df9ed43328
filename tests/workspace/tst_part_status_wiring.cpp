// The part status in the workspace: loaded at start-up, its changes mark the "Part status" area, and
// leaving the maintenance page offers to save it.
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
};

QTEST_GUILESS_MAIN(TestPartStatusWiring)
#include "tst_part_status_wiring.moc"
