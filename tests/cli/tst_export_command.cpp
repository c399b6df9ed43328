// vorlapa-cli export: the reports of a session or setup file in the data folder's Exports folder, and a
// look at the written session report through a real browser's DOM.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSession = QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses");

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void sessionExportWritesSetupAndSessionReports() {
        QTemporaryDir data;
        const CliRun run = RunCli({"export", "session", kSession, "--data-dir", data.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        const QString exports = QDir(data.path()).filePath("Exports");
        QCOMPARE(run.out,
                 exports + "/setup_report_session.htm\n" + exports + "/session_report_session.htm\n");
        const QByteArray session = ReadAll(exports + "/session_report_session.htm");
        QVERIFY(session.contains("Rider&#39;s note: &lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(session.contains("<A HREF=\"setup_report_session.htm\">"));
        QVERIFY(!session.contains("<script"));
        // The setup of the session file: its fork, its tires, the jetting kept to five cylinders.
        const QByteArray setup = ReadAll(exports + "/setup_report_session.htm");
        QVERIFY(setup.contains("WP &lt;43&gt;"));
        QVERIFY(setup.contains("Soft &amp; sticky"));
        QVERIFY(setup.contains(">165</FONT>"));
    }

    void setupExportWritesOneReport() {
        QTemporaryDir data;
        const CliRun run = RunCli({"export", "setup", kSession, "--data-dir", data.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QDir(data.path()).filePath("Exports/setup_report_session.htm") + "\n");
        QVERIFY(!QFile::exists(QDir(data.path()).filePath("Exports/session_report_session.htm")));
    }

    void withoutDataDirTheProgramsDataFolderIsUsed() {
        // No --data-dir and no VORLAPA_DATA: the user's data folder the program window uses too.
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("Vorlapa"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("VORLAPA_DATA");
        environment.insert("XDG_DATA_HOME", home.path());
        const CliRun run = RunCli({"export", "setup", kSession}, environment);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out, QDir(home.path()).filePath("Vorlapa/Exports/setup_report_session.htm") + "\n");
    }

    void errorsGoToStderr_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("missing file") << QStringList{"export", "session", "/nonexistent/x.ses"}
                                      << "File not found: /nonexistent/x.ses\n";
        QTest::newRow("unknown kind") << QStringList{"export", "gearing", kSession}
                                      << "usage: vorlapa-cli export session|setup FILE [--data-dir DIR]\n";
        QTest::newRow("no file") << QStringList{"export", "session"}
                                 << "usage: vorlapa-cli export session|setup FILE [--data-dir DIR]\n";
    }
    void errorsGoToStderr() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QTemporaryDir data;
        const CliRun run = RunCli(args << "--data-dir" << data.path());
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, err);
    }

    // The report's first cell is the air density whenever temperature, pressure and humidity are given,
    // as the window's export writes it (one builder of the report input serves both).
    void airDensityRowAsTheWindowWritesIt_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("figure");
        QTest::newRow("relative") << QByteArray() << QByteArray("RAD") << QByteArray("100.00%");
        QTest::newRow("absolute") << QByteArray("[general]\r\nuse_ad=true;\r\n") << QByteArray("Air density")
                                  << QByteArray("1.2250 kg/m3");
    }
    void airDensityRowAsTheWindowWritesIt() {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, figure);
        QTemporaryDir data;
        auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(data.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("vorlapa.ini", settings);
        write("weather.ses", "[information]\r\nvehicle=mc;\r\n\r\n[conditions]\r\ntemperature=15;\r\n"
                             "barometric_pressure=1013.25;\r\nhumidity=0;\r\n");
        const CliRun run =
            RunCli({"export", "session", data.filePath("weather.ses"), "--data-dir", data.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        const QByteArray report = ReadAll(data.filePath("Exports/session_weather.htm"));
        QVERIFY2(report.contains(">" + caption + "<"), report.constData());
        QVERIFY2(report.contains(figure), report.constData());
    }

    void vehicleMismatchOfTheSettingsDoesNotMatter() {
        // The file's own vehicle decides, whatever vehicle the data folder's settings hold.
        QTemporaryDir data;
        QFile ini(QDir(data.path()).filePath("vorlapa.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[information]\r\nvehicle=car;\r\n");
        ini.close();
        const CliRun run = RunCli({"export", "setup", kSession, "--data-dir", data.path()});
        QCOMPARE(run.status, 0);
        QVERIFY(ReadAll(QDir(data.path()).filePath("Exports/setup_report_session.htm"))
                    .contains("Front Suspension"));
    }

    void browserShowsLapTableAndNotesAsText() {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) QSKIP("chromium is not installed (scripts/install-deps installs it)");
        QTemporaryDir data;
        const CliRun run = RunCli({"export", "session", kSession, "--data-dir", data.path()});
        QCOMPARE(run.status, 0);
        const QString report = QDir(data.path()).filePath("Exports/session_report_session.htm");

        QProcess browser;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", data.path());
        browser.setProcessEnvironment(env);
        // No network: every request would go to a closed local port.
        browser.start(chromium,
                      {"--headless", "--no-sandbox", "--disable-gpu", "--proxy-server=127.0.0.1:9",
                       "--user-data-dir=" + data.filePath("profile"), "--dump-dom", "file://" + report});
        if (!browser.waitForFinished(90000)) {
            browser.kill();
            browser.waitForFinished(10000);
            // A script in the report (an alert) keeps a headless browser waiting for ever.
            QFAIL("the browser did not finish loading the report");
        }
        QCOMPARE(browser.exitCode(), 0);
        const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
        QVERIFY2(dom.contains("<body"), qPrintable(dom.left(500)));

        // The lap table: header cells, every lap, the best lap in bold in both rows where it occurs.
        QVERIFY(dom.contains("<b>Lap</b>"));
        QVERIFY(dom.contains(">1:24.123</font>"));
        QVERIFY(dom.contains(">1:26.000</font>"));
        QCOMPARE(dom.count("<b>1:23.456</b>"), 2);
        // The compact list of the driver with 13 laps.
        QVERIFY(dom.contains("<b>Lap 11-13</b>"));
        // The note is text: the browser built no script element from it.
        QVERIFY(dom.contains("Rider's note: &lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive));
        QVERIFY(dom.contains("<a href=\"http://example.com/a?b=1&amp;c=2\">"));
        QVERIFY(dom.contains("Lap times for Ann O'Neil"));
        QVERIFY(dom.contains(QString::fromUtf8("Lap times for Kåre")));
    }
};

QTEST_GUILESS_MAIN(TestExportCommand)
#include "tst_export_command.moc"
