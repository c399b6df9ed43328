// The export commands on the current session and setup models, as the main window runs them.
#include "../session/session_rig.h"
#include "reports/report_commands.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestReportCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void loadedSessionIsExported() {
        SessionRig rig;
        const QString path = rig.Path("Kåge 1.ses");
        QVERIFY(QFile::copy(QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses"), path));
        QVERIFY(rig.session->LoadSession(path));
        const ReportContext context = MainWindowReportContext(*rig.state, "Vorlapa v3.0", {});
        QCOMPARE(context.exportFolder, QDir(rig.dir.path()).filePath("Exports"));
        ReportExporter exporter(rig.prompter, rig.shell);
        rig.prompter.Expect("Open in browser?", Answer::Yes);
        const QStringList files = exporter.ExportSession(
            context,
            CurrentSessionSource(*rig.session, *rig.setup, *rig.state, [] { return QStringLiteral("4000"); }),
            true);
        QCOMPARE(rig.prompter.questions, QStringList{"Open in browser?"});
        QCOMPARE(files, (QStringList{context.exportFolder + "/setup_Kage 1.htm",
                                     context.exportFolder + "/session_Kage 1.htm"}));
        QCOMPARE(rig.shell.opened, QStringList{files.last()});
        QFile report(files.last());
        QVERIFY(report.open(QIODevice::ReadOnly));
        const QByteArray html = report.readAll();
        // Values, notes and the lap data the live timing holds after loading, with speeds on the track.
        QVERIFY(html.contains("<TITLE>Vorlapa Session: K\xe5ge 1</TITLE>"));
        QVERIFY(html.contains("Rider&#39;s note: &lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(html.contains("Open &lt;600&gt;"));
        QVERIFY(html.contains("Lap times for Ann O&#39;Neil"));
        QVERIFY(html.contains("1:23.456 (2)&nbsp;&nbsp(172.5 km/h)"));
        QVERIFY(html.contains("<A HREF=\"setup_Kage%201.htm\">"));
        QFile setup(files.first());
        QVERIFY(setup.open(QIODevice::ReadOnly));
        QVERIFY(setup.readAll().contains("WP &lt;43&gt;"));
    }

    void changedSetupAsksFirst() {
        SessionRig rig;
        rig.setup->SetText("engine", "bore", "54");
        QVERIFY(rig.session->IsChanged());
        const ReportContext context = MainWindowReportContext(*rig.state, "Vorlapa v3.0", {});
        ReportExporter exporter(rig.prompter, rig.shell);
        rig.prompter.Expect("Unsaved Session changes exists, save now?", Answer::Cancel);
        QVERIFY(
            exporter.ExportSession(context, CurrentSessionSource(*rig.session, *rig.setup, *rig.state), true)
                .isEmpty());
        QCOMPARE(rig.prompter.questions, QStringList{"Unsaved Session changes exists, save now?"});
        rig.prompter.Expect("Unsaved changes exists, save now?", Answer::No);
        rig.prompter.Expect("Open in browser?", Answer::No);
        const QStringList files =
            exporter.ExportSetup(context, CurrentSessionSource(*rig.session, *rig.setup, *rig.state), true);
        QCOMPARE(rig.prompter.questions.mid(1),
                 (QStringList{"Unsaved changes exists, save now?", "Open in browser?"}));
        QCOMPARE(files, QStringList{context.exportFolder + "/setup_untitled.htm"});
    }
};

QTEST_GUILESS_MAIN(TestReportCommands)
#include "tst_report_commands.moc"
