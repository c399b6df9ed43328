#include "cli_runner.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestStorageCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void resultsOnStdoutMessagesOnStderr_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("lap time") << QStringList{"laptime", "format", "83456"} << 0 << "1:23.456\n"
                                  << "";
        QTest::newRow("parse") << QStringList{"laptime", "parse", "1:23.456"} << 0 << "83456\n"
                               << "";
        QTest::newRow("parse empty") << QStringList{"laptime", "parse", ""} << 0 << "\n"
                                     << "";
        QTest::newRow("parse error") << QStringList{"laptime", "parse", "1:2:3:4"} << 1 << ""
                                     << "Bad format of time!\nYou must have 1 or 2 delimiters. (1.2.3.4)\n";
        QTest::newRow("convert") << QStringList{"convert", "distance", "1", "1609"} << 0 << "1.000\n"
                                 << "";
        QTest::newRow("air density") << QStringList{"air-density", "--temperature", "15", "--pressure",
                                                    "1013.25",     "--humidity",    "0"}
                                     << 0 << "1.2250\n"
                                     << "";
        QTest::newRow("comma split") << QStringList{"comma", "split", "\"a b\",,c"} << 0 << "a b\n\nc\n"
                                     << "";
        // "--" ends the options: what follows is taken as it stands.
        QTest::newRow("end of options") << QStringList{"laptime", "format", "--", "-1500"} << 0 << "-1.500\n"
                                        << "";
        QTest::newRow("option-like operand")
            << QStringList{"comma", "join", "--", "--a", "b"} << 0 << "--a,b\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"comma", "join", "--a", "b"} << 1 << ""
                                        << "usage: vorlapa-cli comma split LINE | comma join FIELD...\n";
        const QString laptime =
            "usage: vorlapa-cli laptime format MS | laptime elapsed MS | laptime parse TEXT\n";
        QTest::newRow("command help") << QStringList{"laptime", "--help"} << 0 << laptime << "";
        QTest::newRow("help for a command") << QStringList{"help", "laptime"} << 0 << laptime << "";
        QTest::newRow("help after the end of options")
            << QStringList{"comma", "join", "--", "--help"} << 0 << "--help\n"
            << "";
    }
    void resultsOnStdoutMessagesOnStderr() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun run = RunCli(args);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
    }

    void tagGetReadsAWindows1252File() {
        const CliRun run =
            RunCli({"tag", "get", QStringLiteral(VORLAPA_TEST_DATA "/windows1252_tag_file.txt"), "Session",
                    "driver"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QString::fromUtf8("José Müller\n"));
    }

    // The reader's message means the value is not the file's: the command fails and prints no value.
    void tagGetFailsOnAMissingSemicolon() {
        QTemporaryDir dir;
        QFile file(dir.filePath("t.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[S]\r\nk=v\r\n");
        file.close();
        const CliRun run = RunCli({"tag", "get", file.fileName(), "S", "k"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QString("Missing terminating ; for identifier k=\n"));
    }
};

QTEST_GUILESS_MAIN(TestStorageCommands)
#include "tst_storage_commands.moc"
