// vorlapa-cli schedule list over a data folder.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestScheduleCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void listAndNext_data() {
        QTest::addColumn<QByteArray>("events");
        QTest::addColumn<QString>("next");
        QTest::newRow("next is the future one")
            << QByteArray("2000-01-01,Old\n2999-01-01,\"Far, away\",Race\n") << "2";
        QTest::newRow("all past") << QByteArray("2000-01-01,Old\n") << "";
        QTest::newRow("unreadable date") << QByteArray("someday,X\n2999-01-01,Y\n") << "";
    }
    void listAndNext() {
        QFETCH(QByteArray, events);
        QFETCH(QString, next);
        QTemporaryDir dir;
        QFile file(QDir(dir.path()).filePath("schedule.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[schedule]\nevent_list=event_list_begin;\n" + events + "event_list=event_list_end;\n");
        file.close();
        const CliRun run = RunCli({"schedule", "list", "--data-dir", dir.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.first(), QString("Date\tTrack\tType\tClass\tName\tComments"));
        QCOMPARE(run.lines.last(), "Next\t" + next);
        QCOMPARE(run.lines.size(), events.count('\n') + 2);
        if (next == "2") QCOMPARE(run.lines[2], QString("2999-01-01\tFar, away\tRace\t\t\t"));
    }

    void emptyAndFailures() {
        QTemporaryDir dir;
        CliRun run = RunCli({"schedule", "list", "--data-dir", dir.path()});
        QCOMPARE(run.lines, (QStringList{"Date\tTrack\tType\tClass\tName\tComments", "Next\t"}));
        run = RunCli({"schedule", "show", "--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err, QString("usage: vorlapa-cli schedule list [--data-dir DIR]\n"));
    }
};

QTEST_GUILESS_MAIN(TestScheduleCommand)
#include "tst_schedule_command.moc"
