// The part status in the workspace: loaded at start-up, its changes mark the "Part status" area,
// leaving the maintenance page offers to save it, and "Update Maintenance Log" reaches the log.
#include "workspace_rig.h"

#include <QDir>
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

    // A timed session offers its running time and distance once; the stamp goes with the session file,
    // so the reopened session asks before counting again.
    void timedSessionUpdatesTheChosenGroupsOnce() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        w.WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        w.Write(QStringLiteral("Tracks/tracks.txt"),
                QStringLiteral("[tracks]\r\ntrack1=Ring;\r\n[Ring]\r\nlength=1250;\r\n"));
        w.Write(
            QStringLiteral("partstatus.ini"),
            QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\ngroup2=Frame;\r\n"
                           "[group1]\r\nparts_list=parts_list_begin;\r\n"
                           "2024-01-01,P1,,Piston,,,,,1,,,,,,,,,,,,,,,,1\r\nparts_list=parts_list_end;\r\n"
                           "[group2]\r\nparts_list=parts_list_begin;\r\n2024-01-01,F1,,Fork,,,,,1\r\n"
                           "parts_list=parts_list_end;\r\n"));
        w.Open();
        QVERIFY(QDir(w.dir.path()).mkpath(QStringLiteral("Sessions")));
        Workspace& ws = w.Ws();
        const int track = SessionFieldIndex(SessionKeys::Conditions, SessionKeys::Track);
        ws.Session().SetFieldText(track, QStringLiteral("Ring"));
        PartStatusPage& parts = ws.PartStatus();
        QStringList offered;
        SessionUpdateProposal proposed;
        parts.requestSessionDialog = [&](const QStringList& groups, const SessionUpdateProposal& proposal) {
            offered = groups;
            proposed = proposal;
            SessionDialogValues values;
            values.groups = {QStringLiteral("Engine")};
            values.hours = proposal.hoursText;
            values.minutes = QStringLiteral("90");
            values.distance = proposal.distanceText;
            return std::optional(values);
        };
        QStringList alerts;
        parts.requestShowAlert = [&](const QString& title, const PartAlert& alert) {
            alerts << title + u' ' + alert.message + alert.names;
        };

        // Two laps (the first press starts the clock) in 2 minutes 10 seconds.
        w.At(0);
        ws.LiveTiming().StartOrStop(1);
        for (quint32 ms : {1000u, 61000u, 122000u}) {
            w.At(ms);
            ws.LiveTiming().StopwatchPress(1);
        }
        w.At(130000);
        ws.LiveTiming().SlotTick(1); // the stop time is the last tick's
        ws.LiveTiming().StartOrStop(1);

        QCOMPARE(offered, (QStringList{"Engine", "Frame"}));
        QCOMPARE((QStringList{proposed.hoursText, proposed.minutesText, proposed.distanceText}),
                 (QStringList{"0", "2", "2.5"}));
        QCOMPARE(parts.Groups()[0].parts.Field(0, part_col::Hours), QStringLiteral("1.5"));
        QCOMPARE(parts.Groups()[0].parts.Field(0, part_col::Mileage), QStringLiteral("2.5"));
        QCOMPARE(parts.Groups()[0].parts.Field(0, part_col::Sessions), QStringLiteral("1"));
        QCOMPARE(parts.Groups()[1].parts.Field(0, part_col::Hours), QString());
        QCOMPARE(alerts, QStringList{"Group Engine Hour limit exceeded for \"Piston\""});
        QVERIFY(w.state->Changes().IsChanged(Area::PartStatus));
        const double start = ws.LiveTiming().Slot(1).startTime;
        QCOMPARE(ws.Session().Record().partStatusStamp, start);

        const QString path = w.Path(QStringLiteral("Sessions/run.ses"));
        QVERIFY(ws.Session().SaveSession(path));
        QVERIFY(ws.Session().LoadSession(path));
        offered.clear();
        w.prompter.Expect("Part status has already been updated for this session,\ncontinue anyway?",
                          Answer::Cancel);
        ws.UpdatePartsFromSession();
        QVERIFY(offered.isEmpty());
        QCOMPARE(parts.Groups()[0].parts.Field(0, part_col::Sessions), QStringLiteral("1"));

        // A new run of driver 1 is a new session: no question.
        w.At(200000);
        w.prompter.Expect("All lap times will be reset, continue?", Answer::Yes);
        ws.LiveTiming().StartOrStop(1);
        QCOMPARE(ws.Session().Record().partStatusStamp, 0.0);
    }

    void updateGroupAgesTheActiveGroupAndStampsIt() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        w.Write(QStringLiteral("partstatus.ini"),
                QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\ngroup2=Empty;\r\n"
                               "[group1]\r\nparts_list=parts_list_begin;\r\n2024-01-01,P1,,Piston,,,,,1,,99."
                               "5,,,,,,,,,,,,,,100\r\n"
                               "parts_list=parts_list_end;\r\n[group2]\r\n"));
        w.Open();
        PartStatusPage& parts = w.Ws().PartStatus();
        QCOMPARE(parts.GroupNames(), (QStringList{"Empty", "Engine"}));
        parts.SetActiveGroup(0);
        QVERIFY(!parts.UpdateGroupEnabled());
        parts.SetActiveGroup(1);
        QVERIFY(parts.UpdateGroupEnabled());
        CounterUpdate update;
        update.hours = 0.5;
        parts.UpdateGroup(update);
        QCOMPARE(parts.Grid().Cell(0, part_col::HoursLeft), QStringLiteral("0.00"));
        QVERIFY(parts.Groups()[1].lastUpdated != NeverUpdatedText());
        QCOMPARE(parts.LastUpdatedCaption(), "Last updated " + parts.Groups()[1].lastUpdated);
        QVERIFY(parts.Log().last().endsWith("Group \"Engine\" updated hours:0.50"));
        QVERIFY(parts.IsDirty());

        w.prompter.Expect("Are you really sure you want to reset all parts?", Answer::No);
        QVERIFY(!parts.ConfirmReset());
    }
};

QTEST_GUILESS_MAIN(TestPartStatusWiring)
#include "tst_part_status_wiring.moc"
