// The export menu commands: the unsaved-changes question, the files written, the browser question and
// its failure message.
#include "recording_prompter.h"
#include "recording_shell.h"
#include "reports/report_export.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Answer)

class TestReportExport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void exportCommand_data();
    void exportCommand();
};

void TestReportExport::exportCommand_data() {
    QTest::addColumn<bool>("session"); // the session command (else the setup command)
    QTest::addColumn<bool>("changed"); // session changed (setup command: the setup)
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saves"); // the save succeeds
    QTest::addColumn<bool>("shellWorks");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QStringList>("errors");

    const QString setupSave = "Unsaved changes exists, save now?";
    const QString sessionSave = "Unsaved Session changes exists, save now?";
    const QString open = "Open in browser?";
    const QString browser =
        "Unable to start web browser. Make sure you have it properly set-up on your system.";
    using L = QList<Answer>;
    QTest::newRow("setup unchanged, opened") << false << false << L{Answer::Yes} << true << true
                                             << QStringList{open} << 1 << false << true << QStringList{};
    QTest::newRow("setup changed, cancel writes nothing")
        << false << true << L{Answer::Cancel} << true << true << QStringList{setupSave} << 0 << false << false
        << QStringList{};
    QTest::newRow("setup changed, saved first")
        << false << true << L{Answer::Yes, Answer::No} << true << true << QStringList{setupSave, open} << 1
        << true << false << QStringList{};
    QTest::newRow("failed save writes nothing")
        << false << true << L{Answer::Yes} << false << true << QStringList{setupSave} << 0 << true << false
        << QStringList{};
    QTest::newRow("setup changed, no keeps the screen values")
        << false << true << L{Answer::No, Answer::No} << true << true << QStringList{setupSave, open} << 1
        << false << false << QStringList{};
    QTest::newRow("browser does not start")
        << false << false << L{Answer::Yes} << true << false << QStringList{open} << 1 << false << true
        << QStringList{browser};
    QTest::newRow("session changed, saved, both reports, opened")
        << true << true << L{Answer::Yes, Answer::Yes} << true << true << QStringList{sessionSave, open} << 2
        << true << true << QStringList{};
    QTest::newRow("session changed, cancel")
        << true << true << L{Answer::Cancel} << true << true << QStringList{sessionSave} << 0 << false
        << false << QStringList{};
}

void TestReportExport::exportCommand() {
    QFETCH(bool, session);
    QFETCH(bool, changed);
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saves);
    QFETCH(bool, shellWorks);
    QFETCH(QStringList, questions);
    QFETCH(int, written);
    QFETCH(bool, saved);
    QFETCH(bool, opened);
    QFETCH(QStringList, errors);

    QTemporaryDir dir;
    ReportContext context;
    context.exportFolder = dir.filePath("Exports"); // created by the command
    RecordingPrompter prompter;
    // Each question with its answer, in order; the errors come after the last question.
    QCOMPARE(answers.size(), questions.size());
    for (int i = 0; i < questions.size(); ++i)
        prompter.Expect(questions.at(i), answers.at(i));
    for (const QString& error : errors)
        prompter.ExpectError(error);
    RecordingShell shell;
    shell.succeeds = shellWorks;
    bool saveCalled = false;
    ReportSource source;
    source.sessionChanged = [&] { return session && changed; };
    source.setupChanged = [&] { return !session && changed; };
    source.saveSession = [&] {
        saveCalled = true;
        return saves;
    };
    source.setup = [] { return SetupReportInput{}; };
    source.session = [] { return SessionReportInput{}; };

    ReportExporter exporter(prompter, shell);
    const QStringList files =
        session ? exporter.ExportSession(context, source, true) : exporter.ExportSetup(context, source, true);
    QCOMPARE(prompter.questions, questions);
    QCOMPARE(files.size(), written);
    QCOMPARE(saveCalled, saved);
    for (const QString& file : files)
        QVERIFY(QFile::exists(file));
    QCOMPARE(QDir(context.exportFolder).entryList(QDir::Files).size(), written);
    QCOMPARE(shell.opened, opened ? QStringList{files.last()} : QStringList{});
    QVERIFY(prompter.ScriptDone());
    if (written == 2) QVERIFY(files.last().endsWith("/session_untitled.htm"));
}

QTEST_GUILESS_MAIN(TestReportExport)
#include "tst_report_export.moc"
