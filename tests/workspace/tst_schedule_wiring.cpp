// The schedule in the workspace: loaded at start-up, edits mark the "Schedule" area, the page scrolls to
// the next event, and saving clears the mark.
#include "workspace_rig.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

class TestScheduleWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void editsMarkTheAreaAndSave() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        w.Write(QStringLiteral("schedule.ini"),
                QStringLiteral("[schedule]\nevent_list=event_list_begin;\n2000-01-01,Old,Race\n"
                               "2999-01-01,Far,Race\nevent_list=event_list_end;\n"));
        w.Open();
        SchedulePage& schedule = w.Ws().ScheduledEvents();
        QCOMPARE(schedule.Events().events.RowCount(), 2);
        QCOMPARE(schedule.NextEventRow(), std::optional<int>(1));
        QVERIFY(!w.state->Changes().IsChanged(Area::Schedule));

        QVERIFY(!schedule.AddEvent({"2500-01-01", schedule.SelectTrackText()})); // date and track only
        QVERIFY(!w.state->Changes().IsChanged(Area::Schedule));
        QVERIFY(schedule.AddEvent({"2500-01-01", schedule.SelectTrackText(), "Other"}));
        QCOMPARE(schedule.Events().events.Field(1, event_col::Date), QString("2500-01-01")); // sorted by date
        QVERIFY(w.state->Changes().IsChanged(Area::Schedule));
        QVERIFY(!schedule.EditEvent(1, schedule.Events().events.Row(1))); // unchanged: nothing happens

        w.prompter.Expect("Delete these sessions?", Answer::Ok);
        schedule.DeleteEvents({0, 1, 7});
        QCOMPARE(schedule.Events().events.RowCount(), 1);
        QVERIFY(schedule.SaveSchedule());
        QVERIFY(!w.state->Changes().IsChanged(Area::Schedule));
        QFile file(w.Path(QStringLiteral("schedule.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("2999-01-01,Far,Race"));
    }
};

QTEST_GUILESS_MAIN(TestScheduleWiring)
#include "tst_schedule_wiring.moc"
