// The prompter double itself: a box the script does not hold fails the test with the box's text, and so
// do script lines left over. The scenarios run as a test of their own; this program reads its report.
#include "recording_prompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

class Scenarios : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void scriptInOrderPasses() {
        RecordingPrompter p;
        p.SetStrict(true);
        p.Expect("Delete this session?", Answer::Ok);
        p.ExpectError("Cannot read *");
        p.ExpectText("Save session", QStringLiteral("/tmp/a.ses"));
        p.ExpectText("Open session", std::nullopt);
        p.ExpectWarning("Low fuel");
        p.ExpectError("The archive * was refused: *. Nothing was restored.");
        QCOMPARE(p.AskOkCancel("Delete this session?"), Answer::Ok);
        p.ShowError("Cannot read a.ses: No such file");
        QCOMPARE(p.ChooseSaveFile("Save session", {}, {}), std::optional<QString>("/tmp/a.ses"));
        QCOMPARE(p.ChooseOpenFile("Open session", {}, {}), std::optional<QString>());
        p.ShowWarning("Low fuel");
        p.ShowError("The archive /tmp/b.zip was refused: bad entry. Nothing was restored.");
        p.ShowInformation("Saved");
        QVERIFY(p.ScriptDone());
        QCOMPARE(p.informations, QStringList{"Saved"});
        QCOMPARE(p.questions, (QStringList{"Delete this session?", "Save session", "Open session"}));
    }
    void unexpectedError() {
        RecordingPrompter p;
        p.ShowError("Disk full");
    }
    void unexpectedWarning() {
        RecordingPrompter p;
        p.ShowWarning("Low fuel");
    }
    void unexpectedQuestion() {
        RecordingPrompter p;
        p.AskYesNo("Continue?");
    }
    void questionMeantForAnotherLine() {
        RecordingPrompter p;
        p.Expect("Delete this session?", Answer::Ok);
        if (p.AskOkCancel("Delete these sessions?") != Answer::Cancel) qWarning("answered");
    }
    void dialogWithAnotherCaption() {
        RecordingPrompter p;
        p.ExpectText("Save session", QStringLiteral("/tmp/a.ses"));
        if (p.ChooseSaveFile("Export session", {}, {})) qWarning("answered");
    }
    void errorWhereAQuestionIsScripted() {
        RecordingPrompter p;
        p.Expect("Delete this session?", Answer::Ok);
        p.ShowError("Delete this session?");
    }
    void prefixDoesNotMatch() {
        RecordingPrompter p;
        p.ExpectError("Cannot read *");
        p.ShowError("Cannot write a.ses: No space left");
    }
    void linesLeftOver() {
        RecordingPrompter p;
        p.Expect("Unsaved changes exists, save now?", Answer::Yes);
        p.ExpectError("Cannot write *");
    }
};

namespace {
bool Check(const QByteArray& report, const QByteArray& line) {
    const bool found = report.contains(line);
    std::printf("%s %s\n", found ? "ok     " : "MISSING", line.constData());
    return found;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString reportPath = dir.filePath(QStringLiteral("report.txt"));
    Scenarios scenarios;
    const int failed = QTest::qExec(&scenarios, QStringList{QStringLiteral("scenarios"), QStringLiteral("-o"),
                                                            reportPath + QStringLiteral(",txt")});
    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly)) return 2;
    const QByteArray report = file.readAll();
    bool ok = failed == 8;
    std::printf("%d scenarios failed (8 expected)\n", failed);
    ok &= Check(report, "PASS   : Scenarios::scriptInOrderPasses()");
    ok &=
        Check(report, "FAIL!  : Scenarios::unexpectedError() unexpected error \"Disk full\" (nothing left in "
                      "the script)");
    ok &= Check(report, "FAIL!  : Scenarios::unexpectedWarning() unexpected warning \"Low fuel\"");
    ok &= Check(report, "FAIL!  : Scenarios::unexpectedQuestion() unexpected question \"Continue?\"");
    ok &=
        Check(report, "FAIL!  : Scenarios::questionMeantForAnotherLine() unexpected question \"Delete these "
                      "sessions?\" where the script has question \"Delete this session?\"");
    ok &= Check(report, "FAIL!  : Scenarios::dialogWithAnotherCaption() unexpected dialog \"Export session\" "
                        "where the script has dialog \"Save session\"");
    ok &= Check(report, "FAIL!  : Scenarios::errorWhereAQuestionIsScripted() unexpected error \"Delete this "
                        "session?\" where the script has question \"Delete this session?\"");
    ok &= Check(report, "FAIL!  : Scenarios::prefixDoesNotMatch() unexpected error \"Cannot write a.ses: No "
                        "space left\" where the script has error \"Cannot read *\"");
    ok &= Check(report, "FAIL!  : Scenarios::linesLeftOver() scripted but never shown: question \"Unsaved "
                        "changes exists, save now?\", error \"Cannot write *\"");
    ok &= !report.contains("answered");
    if (!ok) std::printf("report:\n%s\n", report.constData());
    return ok ? 0 : 1;
}

#include "tst_recording_prompter.moc"
