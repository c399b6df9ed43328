// vorlapa-cli archive compare, archive list --csv, session stats and the exports of several sessions.
#include "cli_runner.h"
#include "gen_session_files.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray Session(const QByteArray& trackTemperature, const QByteArray& info = "Heat 1") {
    return "[information]\r\nvehicle=mc;\r\n[conditions]\r\ntrack=North Loop;\r\nname_of_event=Cup <A>;\r\n"
           "session_info=" +
           info + ";\r\ntrack_temperature=" + trackTemperature +
           ";\r\n[session_notes]\r\nnotes=notes_begin;\r\nRider's "
           "<script>alert(1)</script>\r\nnotes=notes_end;\r\n"
           "[lap_times]\r\nsplits_per_lap=1;\r\ndriver1_name=Anna;\r\ndriver1_start_time=40000.5;\r\n"
           "driver1_stop_time=40000.55;\r\ndriver1_split_times=20000,40000,21000,38000,19000;\r\n";
}

QString Dom(const QString& file, const QString& profile) {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) return QString();
    QProcess browser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", profile);
    browser.setProcessEnvironment(env);
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--proxy-server=127.0.0.1:9",
                             "--user-data-dir=" + profile + "/profile", "--dump-dom", "file://" + file});
    if (!browser.waitForFinished(90000)) {
        browser.kill();
        browser.waitForFinished(10000);
        return QStringLiteral("timeout");
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

} // namespace

class TestCompareCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(WriteText(m_dir.filePath("a.ses"), Session("30")));
        QVERIFY(WriteText(m_dir.filePath("b.ses"), Session("31")));
    }

    void compareShowsTheGridRows() {
        CliRun run = RunCli(
            {"archive", "compare", m_dir.filePath("a.ses"), m_dir.filePath("b.ses"), "--hide-identical"});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, (QStringList{"\ta.ses\tb.ses", "Track temp.\t30\t31"}));

        run = RunCli({"archive", "compare", m_dir.filePath("a.ses"), m_dir.filePath("b.ses"), "--no-setup"});
        QCOMPARE(run.status, 0);
        QVERIFY(run.lines.contains("Laps\t3\t3"));
        QVERIFY(run.lines.contains("Best laptime\t59.000\t59.000"));
        QVERIFY(!run.lines.contains("First gear\t(/)\t(/)"));
        run =
            RunCli({"archive", "compare", m_dir.filePath("a.ses"), m_dir.filePath("b.ses"), "--no-session"});
        QVERIFY(run.lines.contains("First gear\t(/)\t(/)"));
        QVERIFY(!run.lines.contains("Laps\t3\t3"));
    }

    void compareReportsUnreadableFiles() {
        const CliRun run =
            RunCli({"archive", "compare", m_dir.filePath("a.ses"), m_dir.filePath("gone.ses")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("gone.ses"));
        QCOMPARE(run.lines.first(), "\ta.ses\tgone.ses");
        QVERIFY(run.lines.contains("Track\tNorth Loop\t"));
        QCOMPARE(RunCli({"archive", "compare", "--units", "furlongs", m_dir.filePath("a.ses")}).status, 1);
    }

    void listAsCommaSeparatedValues() {
        QTemporaryDir data;
        SessionFixture s;
        s.track = "Harbour, \"East\"";
        s.splitTimes = "61000";
        QVERIFY(WriteSessionFile(data.filePath("Sessions/x.ses"), s));
        const CliRun run = RunCli({"archive", "list", "--csv", "--data-dir", data.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.size(), 2);
        QVERIFY(run.lines[0].startsWith("Date,Name of event,Driver,Track,Cond.,"));
        QVERIFY2(run.lines[1].contains(",\"Harbour, \"\"East\"\"\",Dry,"), qPrintable(run.lines[1]));
    }

    void sessionStats() {
        CliRun run = RunCli({"session", "stats", m_dir.filePath("a.ses")});
        QCOMPARE(run.err, "");
        QCOMPARE(run.lines,
                 (QStringList{"Driver\t1 Anna", "Laps\t3", "Complete laps\t2", "Best\t59.000", "Mean\t59.500",
                              "Median\t59.500", "Standard deviation\t0.707", "Best segment 1\t19.000",
                              "Best segment 2\t38.000", "Theoretical best\t57.000"}));
        run = RunCli({"session", "stats", m_dir.filePath("a.ses"), "--driver", "5"});
        QCOMPARE(run.status, 1);
    }

    void exportsWriteIntoTheDataFolder() {
        QTemporaryDir data;
        const QStringList files{m_dir.filePath("a.ses"), m_dir.filePath("b.ses")};
        CliRun run = RunCli(QStringList{"export", "statistics"} + files +
                            QStringList{"--title", "Spring", "--laps", "--data-dir", data.path()});
        QCOMPARE(run.err, "");
        QCOMPARE(run.lines, QStringList{data.filePath("Exports/statistics.htm")});
        run = RunCli(QStringList{"export", "compared"} + files + QStringList{"--data-dir", data.path()});
        QCOMPARE(run.lines, QStringList{data.filePath("Exports/compared.htm")});
        run = RunCli(QStringList{"export", "sessions"} + files +
                     QStringList{"--title", "<b>Spring</b>", "--group-by-event", "--data-dir", data.path()});
        QCOMPARE(run.err, "");
        QCOMPARE(run.lines, QStringList{data.filePath("Exports/sessions.htm")});
        for (const char* name : {"session_a.htm", "setup_a.htm", "session_b.htm", "setup_b.htm"})
            QVERIFY2(QFile::exists(data.filePath(QStringLiteral("Exports/") + name)), name);

        run = RunCli({"export", "sessions", m_dir.filePath("nothing.ses"), "--data-dir", data.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("nothing.ses"));

        const QString dom = Dom(data.filePath("Exports/sessions.htm"), data.path());
        if (dom.isEmpty()) QSKIP("chromium is not installed (scripts/install-deps installs it)");
        QVERIFY2(dom.contains("<body"), qPrintable(dom.left(300)));
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive));
        QVERIFY(dom.contains("&lt;b&gt;Spring&lt;/b&gt;"));
        QVERIFY(dom.contains("Cup &lt;A&gt;"));
        QVERIFY(dom.contains("href=\"session_a.htm\""));
        QVERIFY(dom.contains("title=\"Driver Notes\n\rRider's &lt;script&gt;"));
        const QString compared = Dom(data.filePath("Exports/compared.htm"), data.path());
        QVERIFY(compared.contains("<a href=\"session_b.htm\"><b>b.ses</b></a>"));
        QVERIFY(compared.contains("<b>Track temp.</b>"));
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestCompareCommands)
#include "tst_compare_commands.moc"
