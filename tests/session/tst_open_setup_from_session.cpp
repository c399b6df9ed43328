// "Open setup from session": the question about unsaved changes, the file choice and the vehicle check.
#include "recording_prompter.h"
#include "session/open_setup_from_session.h"
#include "session/setup_model.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

const QByteArray kKartSession = "[information]\r\nvehicle=gokart;\r\n[engine]\r\nbore=54;\r\n"
                                "[session]\r\ntrack=Nowhere;\r\n";

} // namespace

class TestOpenSetupFromSession : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void unsavedChangesAreOfferedFirst_data();
    void unsavedChangesAreOfferedFirst();
    void otherVehicleLoadsNothing();
    void cancelledFileChoiceLoadsNothing();
};

void TestOpenSetupFromSession::unsavedChangesAreOfferedFirst_data() {
    QTest::addColumn<int>("answer"); // -1: not asked
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("opened");
    QTest::newRow("nothing unsaved") << -1 << false << true;
    QTest::newRow("yes saves, then opens") << int(Answer::Yes) << true << true;
    QTest::newRow("no opens") << int(Answer::No) << false << true;
    QTest::newRow("cancel stops") << int(Answer::Cancel) << false << false;
}

void TestOpenSetupFromSession::unsavedChangesAreOfferedFirst() {
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, opened);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "a.ses", kKartSession);
    RecordingPrompter prompter;
    if (answer >= 0) prompter.Expect("Unsaved changes exists, save now?", Answer(answer));
    if (answer != int(Answer::Cancel)) prompter.ExpectText("Open setup from session", path);
    SetupModel setup(VehicleType::Kart, &prompter);
    setup.SetText("engine", "bore", "50");
    bool didSave = false;
    QCOMPARE(OpenSetupFromSession(
                 setup, prompter, answer >= 0, [&] { didSave = true; }, dir.path()),
             opened);
    QCOMPARE(didSave, saved);
    if (answer >= 0) QCOMPARE(prompter.questions.first(), QString("Unsaved changes exists, save now?"));
    QCOMPARE(setup.Text("engine", "bore"), opened ? QString("54") : QString("50"));
    QCOMPARE(setup.IsChanged(), !opened);
}

void TestOpenSetupFromSession::otherVehicleLoadsNothing() {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    prompter.ExpectText("Open setup from session", WriteFile(dir, "a.ses", kKartSession));
    prompter.ExpectError("Vehicle types doesn't match!\nChange vehicle to kart to open this setup.");
    SetupModel setup(VehicleType::Motorcycle, &prompter);
    setup.SetText("engine", "bore", "50");
    QVERIFY(!OpenSetupFromSession(setup, prompter, false, {}, dir.path()));
    QVERIFY(prompter.ScriptDone());
    QCOMPARE(setup.Text("engine", "bore"), QString("50"));
}

void TestOpenSetupFromSession::cancelledFileChoiceLoadsNothing() {
    RecordingPrompter prompter;
    prompter.ExpectText("Open setup from session", std::nullopt);
    SetupModel setup(VehicleType::Kart, &prompter);
    setup.SetText("engine", "bore", "50");
    QVERIFY(!OpenSetupFromSession(setup, prompter, false, {}, QString()));
    QCOMPARE(setup.Text("engine", "bore"), QString("50"));
    QVERIFY(prompter.ScriptDone()); // and no error: the prompter fails the test on any
}

QTEST_GUILESS_MAIN(TestOpenSetupFromSession)
#include "tst_open_setup_from_session.moc"
