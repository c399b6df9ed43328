// The workspace ties the current session to the live timing, the track list and the session archive:
// lap data go into the session file and come back from it, the session's track gives the lap speeds,
// a smart save lands in the recent sessions, "New session" and "Open setup from session" run their
// questions, and a unit change reaches every page's model.
#include "app/options_model.h"
#include "workspace_rig.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kType = QStringLiteral("session_type");

// A data folder with two tracks, the workspace started on it.
struct Rig : WorkspaceRig {
    Rig() {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Sessions")));
        WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Zolder;\r\ntrack2=Assen;\r\n"
                             "[Zolder]\r\nlength=3600;\r\n[Assen]\r\nlength=4500;\r\n"));
        Open();
    }
    LiveTimingModel& Timing() const { return workspace->LiveTiming(); }
    SessionModel& Session() const { return workspace->Session(); }
    // Slot 1 started at 0 and three presses a minute apart: laps of 60 s and 61 s.
    void TimeTwoLaps() {
        At(0);
        Timing().StartOrStop(1);
        for (quint32 ms : {1000u, 61000u, 122000u}) {
            At(ms);
            Timing().StopwatchPress(1);
        }
    }
    void StopAt(quint32 ms) {
        At(ms);
        Timing().StartOrStop(1);
    }
};

} // namespace

class TestSessionWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void lapDataGoThroughTheSessionFile() {
        Rig w;
        w.TimeTwoLaps();
        w.StopAt(130000);
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 2);
        QVERIFY(w.Timing().JournalOpen());
        QVERIFY(w.Session().IsChanged());

        // "Reset Lap Times": Yes at the save question really saves, then the laps go.
        const QString path = w.Path(QStringLiteral("Sessions/run.ses"));
        w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::Yes);
        w.prompter.ExpectText("Save session", path);
        w.prompter.Expect("Lap data for all drivers will be reset, continue?", Answer::Ok);
        QVERIFY(w.Timing().ResetLapTimes());
        QVERIFY(QFile::exists(path));
        QVERIFY(!w.Timing().JournalOpen());
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 0);
        QCOMPARE(w.Session().FileName(), path);

        // Loading brings them back, with no post-session updates pending for them.
        QVERIFY(w.Session().LoadSession(path));
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 2);
        QCOMPARE(w.Timing().Slot(1).timer.SaveToText(), QStringLiteral("60000,61000"));
        QVERIFY(!w.Timing().Driver1Started());
        QVERIFY(!w.Session().IsChanged());
        QVERIFY(w.prompter.ScriptDone());
    }

    void sessionTrackGivesTheSpeeds() {
        Rig w;
        SessionModel& session = w.Session();
        QCOMPARE(session.TrackNames(), w.Ws().Tracks().TrackNames());
        QCOMPARE(session.TrackNames().size(), 2);
        w.TimeTwoLaps();
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QString());

        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QStringLiteral("216.0 km/h"));
        QCOMPARE(w.Ws().Tracks().SelectedName(), QStringLiteral("Zolder"));
        QVERIFY(session.IsChanged());

        // A loaded session's track counts the same way.
        w.StopAt(130000);
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Assen"));
        const QString path = w.Path(QStringLiteral("Sessions/assen.ses"));
        QVERIFY(session.SaveSession(path));
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        QVERIFY(session.LoadSession(path));
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QStringLiteral("270.0 km/h"));
        QCOMPARE(w.Ws().Tracks().SelectedName(), QStringLiteral("Assen"));
    }

    void smartSaveLandsInTheArchiveAndTheRecentSessions() {
        Rig w;
        SessionModel& session = w.Session();
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        session.SetText(SessionKeys::Conditions, kType, QStringLiteral("Race"));
        w.TimeTwoLaps();
        w.StopAt(130000);
        QVERIFY(w.Timing().JournalOpen());

        // The save dialog is confirmed with the proposed name; the menu runs the workspace's command.
        const QString path = w.Path(QStringLiteral("Sessions/Zolder 2023-03-15 12.00 Race.ses"));
        w.prompter.ExpectText("Save session", path);
        w.state->RunCommand(MenuCommand::SaveSessionSmart);
        QVERIFY(QFile::exists(path));
        QCOMPARE(session.FileName(), path);
        QVERIFY(!session.IsChanged());
        QVERIFY(!w.Timing().JournalOpen());

        w.Ws().ShowArchive();
        QCOMPARE(int(w.Ws().Archive().AllRows().size()), 1);
        QCOMPARE(w.Ws().RecentSessionEntries(), QStringList{path});
        QVERIFY(w.prompter.ScriptDone());
    }

    void smartSaveMakesTheTrackFolder() {
        Rig w;
        w.state->Settings().smartsaveIntoTrackfolder = true;
        w.Session().SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("a/b"));
        w.Session().SetText(SessionKeys::Conditions, kType, QStringLiteral("Race"));
        const QString chosen = w.Path(QStringLiteral("Sessions/a_b/chosen.ses"));
        w.prompter.ExpectText("Save session", chosen);
        QVERIFY(w.Ws().SmartSave());
        QCOMPARE(w.prompter.questions, QStringList{"Save session"});
        QVERIFY(QFileInfo(w.Path(QStringLiteral("Sessions/a_b"))).isDir());
        QVERIFY(QFile::exists(chosen));
    }

    void newSessionStartsUnchangedWithoutAFile() {
        Rig w;
        SessionModel& session = w.Session();
        QVERIFY(session.SaveSession(w.Path(QStringLiteral("Sessions/old.ses"))));
        w.TimeTwoLaps();
        w.StopAt(130000);
        QVERIFY(w.Timing().JournalOpen());
        // No at the save offer and at the reset's own save question, OK to reset the laps, OK in the dialog.
        w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::No);
        w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::No);
        w.prompter.Expect("Lap data for all drivers will be reset, continue?", Answer::Ok);
        int asked = 0;
        w.Ws().requestNewSessionChoice = [&](const NewSessionDefaults& defaults) {
            ++asked;
            NewSessionChoice choice;
            choice.track = defaults.track;
            return std::optional<NewSessionChoice>(choice);
        };
        w.state->RunCommand(MenuCommand::NewSession);
        QCOMPARE(asked, 1);
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 0);
        QVERIFY(!w.Timing().JournalOpen());
        QVERIFY(session.FileName().isEmpty());
        QVERIFY(!session.IsChanged());
        QVERIFY(w.prompter.ScriptDone());
    }

    void openSetupFromSessionSavesTheSessionFirst() {
        Rig w;
        SessionModel& session = w.Session();
        session.SetText(SessionKeys::Conditions, kType, QStringLiteral("Practice"));
        const QString path = w.Path(QStringLiteral("Sessions/first.ses"));
        // Yes at "Unsaved changes exists, save now?", the save dialog, then the session to take the setup of.
        w.prompter.Expect("Unsaved changes exists, save now?", Answer::Yes);
        w.prompter.ExpectText("Save session", path);
        w.prompter.ExpectText("Open setup from session", path);
        w.state->RunCommand(MenuCommand::OpenSetupFromSession);
        QVERIFY(QFile::exists(path));
        QCOMPARE(session.FileName(), path);
        QVERIFY(!session.IsChanged());
        QVERIFY(w.prompter.ScriptDone());
    }

    void unitChangeReachesEveryPage() {
        Rig w;
        SessionModel& session = w.Session();
        const int fuel = SessionFieldIndex(SessionKeys::Conditions, QStringLiteral("amount_fuel"));
        QVERIFY(fuel >= 0);
        session.SetFieldText(fuel, QStringLiteral("10"));
        QVERIFY(session.SaveSession(w.Path(QStringLiteral("Sessions/metric.ses"))));
        QVERIFY(w.Ws().Tracks().SelectTrack(QStringLiteral("Zolder")));
        QCOMPARE(w.Ws().Tracks().Field(TrackField::Length), QStringLiteral("3600"));

        OptionsModel options(w.state->Settings(), w.state->Settings().percentForMean, w.prompter);
        options.Values().unitSystemItem = 1; // "US Standard"
        w.Ws().ApplyOptions(options.Accept());

        QCOMPARE(w.Ws().Tracks().Field(TrackField::Length), QStringLiteral("2.237"));
        QVERIFY(w.Ws().Setup().Miles());
        QCOMPARE(session.Text(fuel), QStringLiteral("2.6420"));
        QCOMPARE(session.Units().volumeUnit, QStringLiteral("gallons (US)"));
        QCOMPARE(w.Timing().Settings().units.speedUnit, QStringLiteral("mph"));
        // Converting is no edit: the saved session stays saved, the tracks unchanged.
        QVERIFY(!w.state->Changes().IsChanged(Area::Tracks));
        QVERIFY(w.prompter.ScriptDone()); // and no box: the prompter fails the test on any
    }
};

QTEST_MAIN(TestSessionWiring)
#include "tst_session_wiring.moc"
