// The main window ties the current session to the live timing, the Tracks pages and the session archive:
// lap data go into the session file and come back from it, the session's track gives the lap speeds, and
// a smart save lands in the archive and in "Reopen session".
#include "main_window_rig.h"
#include "session/session_model.h"
#include "timing/live_timing_model.h"
#include "tracks/tracks_page.h"
#include "ui/archive/archive_page_view.h"
#include "ui/session/active_session_pages.h"
#include "ui/tracks/tracks_page_view.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

const QString kType = QStringLiteral("session_type");

// A data folder with two tracks; the window shows the active session.
struct Window : MainWindowRig {
    Window() {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Sessions")));
        WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Zolder;\r\ntrack2=Assen;\r\n"
                             "[Zolder]\r\nlength=3600;\r\n[Assen]\r\nlength=4500;\r\n"));
        OpenShown();
    }
    // Slot 1 started at 0 and three F5 presses a minute apart: laps of 60 s and 61 s.
    void TimeTwoLaps() {
        Key(0, Qt::ControlModifier);
        Key(1000, Qt::NoModifier);
        Key(61000, Qt::NoModifier);
        Key(122000, Qt::NoModifier);
    }
    void Key(quint32 ms, Qt::KeyboardModifiers modifiers) {
        At(ms);
        QTest::keyClick(form->Pages(), Qt::Key_F5, modifiers);
    }
    LiveTimingModel& Timing() const { return form->LiveTiming(); }
};

} // namespace

class TestSessionWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void lapDataGoThroughTheSessionFile() {
        Window w;
        w.TimeTwoLaps();
        w.Key(130000, Qt::ControlModifier); // stop
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 2);
        QVERIFY(w.Timing().JournalOpen());
        QVERIFY(w.form->Session().IsChanged());

        // "Reset Lap Times": Yes at the save question really saves, then the laps go.
        const QString path = w.Path(QStringLiteral("Sessions/run.ses"));
        w.prompter.answers = {Answer::Yes, Answer::Ok};
        w.prompter.texts = {path};
        QVERIFY(w.Timing().ResetLapTimes());
        QVERIFY(QFile::exists(path));
        QVERIFY(!w.Timing().JournalOpen());
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 0);
        QCOMPARE(w.form->Session().FileName(), path);

        // Loading brings them back, with no post-session updates pending for them.
        QVERIFY(w.form->Session().LoadSession(path));
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 2);
        QCOMPARE(w.Timing().Slot(1).timer.SaveToText(), QStringLiteral("60000,61000"));
        QVERIFY(!w.Timing().Driver1Started());
        QVERIFY(!w.form->Session().IsChanged());
        QVERIFY(w.prompter.errors.isEmpty());
    }

    void sessionTrackGivesTheSpeeds() {
        Window w;
        SessionModel& session = w.form->Session();
        QCOMPARE(session.TrackNames(), w.form->TracksPages()->Model().TrackNames());
        QCOMPARE(session.TrackNames().size(), 2);
        w.TimeTwoLaps();
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QString());

        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QStringLiteral("216.0 km/h"));
        QCOMPARE(w.form->TracksPages()->Model().SelectedName(), QStringLiteral("Zolder"));
        QVERIFY(session.IsChanged());

        // A loaded session's track counts the same way.
        w.Key(130000, Qt::ControlModifier);
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Assen"));
        const QString path = w.Path(QStringLiteral("Sessions/assen.ses"));
        QVERIFY(session.SaveSession(path));
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        QVERIFY(session.LoadSession(path));
        QCOMPARE(w.Timing().Slot(1).bestSpeedText, QStringLiteral("270.0 km/h"));
        QCOMPARE(w.form->TracksPages()->Model().SelectedName(), QStringLiteral("Assen"));
    }

    void smartSaveLandsInTheArchiveAndReopen() {
        Window w;
        SessionModel& session = w.form->Session();
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Zolder"));
        session.SetText(SessionKeys::Conditions, kType, QStringLiteral("Race"));
        w.TimeTwoLaps();
        w.Key(130000, Qt::ControlModifier);
        QVERIFY(w.Timing().JournalOpen());

        // The save dialog is confirmed with the proposed name.
        const QString path = w.Path(QStringLiteral("Sessions/Zolder 2023-03-15 12.00 Race.ses"));
        w.prompter.texts = {path};
        QAction* smartSave = w.form->Action(MenuCommand::SaveSessionSmart);
        QVERIFY(smartSave->isEnabled());
        smartSave->trigger();
        QVERIFY(QFile::exists(path));
        QCOMPARE(session.FileName(), path);
        QVERIFY(!session.IsChanged());
        QVERIFY(!w.Timing().JournalOpen());

        QVERIFY(w.form->ShowPage(QStringLiteral("Sessions/Completed")));
        w.form->Archive()->Rescan();
        QCOMPARE(int(w.form->Archive()->Page().AllRows().size()), 1);

        auto* reopen = w.form->findChild<QMenu*>(QStringLiteral("reopenSessionMenu"));
        QVERIFY(reopen);
        Q_EMIT reopen->aboutToShow();
        QCOMPARE(reopen->actions().size(), 1);
        QCOMPARE(QDir::fromNativeSeparators(reopen->actions().first()->text()), path);
        QVERIFY(w.prompter.errors.isEmpty());
    }

    void newSessionStartsUnchangedWithoutAFile() {
        Window w;
        SessionModel& session = w.form->Session();
        QVERIFY(session.SaveSession(w.Path(QStringLiteral("Sessions/old.ses"))));
        w.TimeTwoLaps();
        w.Key(130000, Qt::ControlModifier);
        QVERIFY(w.Timing().JournalOpen());
        // No at the save offer and at the reset's own save question, OK to reset the laps, OK in the dialog.
        w.prompter.answers = {Answer::No, Answer::No, Answer::Ok};
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->accept();
        });
        w.form->Action(MenuCommand::NewSession)->trigger();
        QCOMPARE(w.Timing().Slot(1).timer.LapCount(), 0);
        QVERIFY(!w.Timing().JournalOpen());
        QVERIFY(session.FileName().isEmpty());
        QVERIFY(!session.IsChanged());
        QVERIFY(w.prompter.answers.empty());
    }

    void openSetupFromSessionSavesTheSessionFirst() {
        Window w;
        SessionModel& session = w.form->Session();
        session.SetText(SessionKeys::Conditions, kType, QStringLiteral("Practice"));
        const QString path = w.Path(QStringLiteral("Sessions/first.ses"));
        // Yes at "Unsaved changes exists, save now?", the save dialog, then the session to take the setup of.
        w.prompter.answers = {Answer::Yes};
        w.prompter.texts = {path, path};
        w.form->Action(MenuCommand::OpenSetupFromSession)->trigger();
        QVERIFY(QFile::exists(path));
        QCOMPARE(session.FileName(), path);
        QVERIFY(!session.IsChanged());
        QVERIFY(w.prompter.errors.isEmpty());
    }

    void airDensityOpensTheGuruWithItsFigure() {
        Window w;
        SessionModel& session = w.form->Session();
        session.SetText(SessionKeys::Conditions, SessionKeys::AirTemperature, QStringLiteral("20"));
        session.SetText(SessionKeys::Conditions, SessionKeys::Pressure, QStringLiteral("1013"));
        session.SetText(SessionKeys::Conditions, SessionKeys::Humidity, QStringLiteral("50"));
        w.form->SessionPages()->Reload();
        QPushButton* figure = w.form->SessionPages()->AirDensityButton();
        QVERIFY(!figure->text().isEmpty());
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        figure->click();
        auto* value = w.form->findChild<QLineEdit*>(QStringLiteral("jettingSelectedValue"));
        QVERIFY(value);
        QCOMPARE(value->text(), figure->text());
    }
};

QTEST_MAIN(TestSessionWiring)
#include "tst_session_wiring.moc"
