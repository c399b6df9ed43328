// schedule.ini, the next event the page scrolls to, the events the dialog adds, and the to-do note.
#include "recording_prompter.h"
#include "workshop/schedule.h"
#include "workshop/todo_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TextTable Events(const QStringList& dates) {
    TextTable table(kEventColumnCount);
    for (const QString& date : dates)
        table.AddRow({date, "Track", "Race"});
    return table;
}

} // namespace

class TestSchedule : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sortKeysAreRangeChecked_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<bool>>("descending");
        QTest::newRow("none: date ascending")
            << "" << QList<int>{0, -1, -1} << QList<bool>{false, false, false};
        QTest::newRow("set")
            << "sort_column=4;\nsort_descending=true;\nsort_column2=1;\nsort_descending3=x;\n"
            << QList<int>{4, 1, -1} << QList<bool>{true, false, true};
        QTest::newRow("out of range") << "sort_column=6;\nsort_column2=-1;\nsort_column3=99;\n"
                                      << QList<int>{0, -1, -1} << QList<bool>{false, false, false};
        QTest::newRow("negative first") << "sort_column=-1;\nsort_column2=abc;\n"
                                        << QList<int>{0, -1, -1} << QList<bool>{false, false, false};
    }
    void sortKeysAreRangeChecked() {
        QFETCH(QString, keys);
        QFETCH(QList<int>, columns);
        QFETCH(QList<bool>, descending);
        const Schedule schedule = ParseSchedule("[schedule]\n" + keys +
                                                "event_list=event_list_begin;\n2024-05-02,B\n2024-05-01,A\n"
                                                "event_list=event_list_end;\n");
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(schedule.sortKeys[k].column, columns[k]);
            QCOMPARE(schedule.sortKeys[k].descending, descending[k]);
        }
        QCOMPARE(schedule.events.Field(0, event_col::Track), QString("B")); // file order until sorted
    }

    void savedAndReadBack() {
        QTemporaryDir dir;
        Schedule schedule;
        schedule.sortKeys[0].descending = true;
        schedule.events.AddRow({"2024-05-01", "<Select Track>", "Race", "", " Cup ", "a, \"b\""});
        QVERIFY(SaveSchedule(dir.path(), schedule));
        const auto again = LoadSchedule(dir.path());
        QVERIFY(again);
        QCOMPARE(again->events.Row(0), schedule.events.Row(0)); // texts as entered, not trimmed
        QVERIFY(again->sortKeys[0].descending);
        QVERIFY(!ScheduleText(schedule).contains("sort_descending2"));
    }

    void nextEvent_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<int>("row"); // -1: none
        QTest::newRow("today is shown first") << QStringList{"2024-05-09", "2024-05-10", "2024-05-17"} << 1;
        QTest::newRow("next week") << QStringList{"2024-05-01", "2024-05-17"} << 1;
        QTest::newRow("all past") << QStringList{"2024-05-01", "2024-05-02"} << -1;
        QTest::newRow("unreadable date stops") << QStringList{"2024-05-01", "soon", "2024-06-01"} << -1;
        QTest::newRow("empty") << QStringList{} << -1;
    }
    void nextEvent() {
        QFETCH(QStringList, dates);
        QFETCH(int, row);
        const auto next = NextEventRow(Events(dates), "2024-05-10");
        QCOMPARE(next.value_or(-1), row);
    }

    void newEventNeedsMoreThanDateAndTrack() {
        QVERIFY(!NewEvent({"2024-05-01", "Assen"}));
        QCOMPARE(NewEvent({"2024-05-01", "Assen", "", "", "", " x"}),
                 std::optional<QStringList>({"2024-05-01", "Assen", "", "", "", " x"}));
    }

    void toDoSaveFailureKeepsTheWindowOpen() {
        QTemporaryDir dir;
        RecordingPrompter prompter;
        prompter.SetStrict(true);
        std::optional<bool> stored;
        ToDoWindowModel todo(prompter, dir.path());
        todo.requestStoreOpenAtStartup = [&](bool open) { stored = open; };
        todo.Open(false);
        QCOMPARE(todo.text, QString());
        todo.text = "oil\nchain";
        todo.openAtStartup = true;
        QVERIFY(todo.Save());
        QCOMPARE(stored, std::optional<bool>(true));
        QFile file(QDir(dir.path()).filePath("todo.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("oil\r\nchain\r\n"));

        ToDoWindowModel again(prompter, dir.path());
        again.requestStoreOpenAtStartup = todo.requestStoreOpenAtStartup;
        again.Open(true);
        QCOMPARE(again.text, QString("oil\nchain"));
        again.openAtStartup = false;
        again.Cancel();
        QCOMPARE(stored, std::optional<bool>(false));

        // The folder is gone: the failure is reported, the text stays for another try.
        ToDoWindowModel lost(prompter, QDir(dir.path()).filePath("missing/folder"));
        lost.text = "keep me";
        prompter.ExpectError("Cannot*todo.txt*");
        QVERIFY(!lost.Save());
        QCOMPARE(lost.text, QString("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
