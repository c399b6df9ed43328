#include "cli_runner.h"

#include <QTest>

class TestSessionCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sessionLaps_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString rows =
            QStringLiteral("1\t30.000\t31.000\t1:01.000\n2\t29.000\t30.500\t59.500\n3\t30.000\n");
        QTest::newRow("driver 1") << QStringList{} << 0 << rows + "Best: 59.500 (2)\nMean: 1:00.250\n"
                                  << "";
        QTest::newRow("best half") << QStringList{"--percent", "50"} << 0
                                   << rows + "Best: 59.500 (2)\nMean: 59.500\n"
                                   << "";
        QTest::newRow("no laps") << QStringList{"--driver", "3"} << 0 << "Best: \nMean: \n"
                                 << "";
        QTest::newRow("bad time") << QStringList{"--driver", "2"} << 1 << ""
                                  << "'x' is not a valid integer value\n";
        QTest::newRow("bad driver")
            << QStringList{"--driver", "5"} << 1 << ""
            << "usage: vorlapa-cli session laps FILE [--driver 1-4] [--percent 0-100]\n";
        QTest::newRow("bad percent")
            << QStringList{"--percent", "half"} << 1 << ""
            << "usage: vorlapa-cli session laps FILE [--driver 1-4] [--percent 0-100]\n";
    }
    void sessionLaps() {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = RunCli(
            QStringList{"session", "laps", QStringLiteral(VORLAPA_TEST_DATA "/session_laps.ses")} + options);
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
    }

    void missingFileIsAnError() {
        const CliRun run = RunCli({"session", "laps", "/no/such/file.ses"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("File /no/such/file.ses does not exist!\n"));
    }
};

QTEST_GUILESS_MAIN(TestSessionCommands)
#include "tst_session_commands.moc"
