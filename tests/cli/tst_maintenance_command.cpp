// vorlapa-cli maintenance list and report on a small log: the columns and order the page shows, the
// report's ticks and dates, its total line, and the refusals.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* kLog = "[groups]\r\ngroup1=Kart;\r\ngroup2=Bike;\r\n[group1]\r\nitem_list=item_list_begin;\r\n"
                   "2026-01-05,0.1,Acme,\"grease, copper\"\r\n2026-02-01,0.2,\"Acme \",ties\r\n"
                   "2025-12-31,7,Bolt,old\r\nitem_list=item_list_end;\r\n[group2]\r\n"
                   "item_list=item_list_begin;\r\n\"not a date\",5,Acme,\"unknown "
                   "day\"\r\n2026-01-31,10,,\"no supplier\"\r\n"
                   "item_list=item_list_end;\r\n";

} // namespace

class TestMaintenanceCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("maintenance.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kLog);
    }

    void ListsEveryGroupInPageOrder() {
        const CliRun run = RunCli({"maintenance", "list", "--data-dir", m_dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(
            run.lines,
            (QStringList{"Group\tDate\tCost\tSupplier\tDescription", "Bike\t2026-01-31\t10\t\tno supplier",
                         "Bike\tnot a date\t5\tAcme\tunknown day", "Kart\t2026-02-01\t0.2\tAcme \tties",
                         "Kart\t2026-01-05\t0.1\tAcme\tgrease, copper", "Kart\t2025-12-31\t7\tBolt\told"}));
        const CliRun one = RunCli({"maintenance", "list", "--data-dir", m_dir.path(), "--group", "Bike"});
        QCOMPARE(one.lines.size(), 3);
    }

    void Report_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");
        const QString header = QStringLiteral("Date\tCost\tSupplier\tDescription\tGroup");
        QTest::newRow("everything ticked, all dates")
            << QStringList{}
            << QStringList{header,
                           "2026-02-01\t0.2\tAcme \tties\tKart",
                           "2026-01-05\t0.1\tAcme\tgrease, copper\tKart",
                           "2025-12-31\t7\tBolt\told\tKart",
                           "not a date\t5\tAcme\tunknown day\tBike",
                           "Total cost\t12.3"};
        QTest::newRow("one supplier, a date range")
            << QStringList{"--supplier", "Acme", "--from", "2026-01-01", "--to", "2026-02-01"}
            << QStringList{header, "2026-02-01\t0.2\tAcme \tties\tKart",
                           "2026-01-05\t0.1\tAcme\tgrease, copper\tKart", "Total cost\t0.3"};
        QTest::newRow("two groups named")
            << QStringList{"--group", "Bike", "--group", "Kart", "--supplier", "Bolt"}
            << QStringList{header, "2025-12-31\t7\tBolt\told\tKart", "Total cost\t7"};
    }
    void Report() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        const CliRun run = RunCli(QStringList{"maintenance", "report", "--data-dir", m_dir.path()} + options);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, lines);
    }

    void Refusals_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown group")
            << QStringList{"report", "--group", "Van"} << "This group does not exist!";
        QTest::newRow("from without to") << QStringList{"report", "--from", "2026-01-01"} << "usage:";
        QTest::newRow("bad date") << QStringList{"report", "--from", "01/02/2026", "--to", "2026-02-01"}
                                  << "Not a date";
        QTest::newRow("unknown sub-command") << QStringList{"sum"} << "usage:";
    }
    void Refusals() {
        QFETCH(QStringList, options);
        QFETCH(QString, error);
        const CliRun run =
            RunCli(QStringList{"maintenance"} + options + QStringList{"--data-dir", m_dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(error), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMaintenanceCommand)
#include "tst_maintenance_command.moc"
