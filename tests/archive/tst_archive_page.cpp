// The archive page model: remembered node and filters, open with the unsaved-session question, delete
// asking once, reopening a recent session.
#include "archive/archive_page.h"
#include "archive/new_session.h"
#include "archive/recent_sessions.h"
#include "gen_session_files.h"
#include "recording_prompter.h"
#include "tracks/track_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace ArchiveColumn;

QStringList Files(const SummaryRows& rows) {
    QStringList names;
    for (const QStringList& row : rows)
        names << QFileInfo(row[Path]).fileName();
    return names;
}

struct SessionLog {
    bool changed = false;
    QStringList calls;
    SessionCallbacks Callbacks() {
        SessionCallbacks callbacks;
        callbacks.sessionIsChanged = [this] { return changed; };
        callbacks.saveSession = [this] {
            calls << "save";
            return true;
        };
        callbacks.loadSession = [this](const QString& path) {
            calls << "load " + QFileInfo(path).fileName();
            return true;
        };
        callbacks.loadSetupOnly = [this](const QString& path) {
            calls << "setup " + QFileInfo(path).fileName();
            return true;
        };
        callbacks.showActiveSession = [this] { calls << "show"; };
        return callbacks;
    }
};

} // namespace

class TestArchivePage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_dir.reset(new QTemporaryDir);
        SessionFixture s;
        s.driver = "Anna";
        s.track = "Hill";
        s.splitTimes = "61000";
        s.startTime = 39000.5;
        QVERIFY(WriteSessionFile(m_dir->filePath("Sessions/a.ses"), s));
        s.driver = "Bert";
        s.track = "Lake";
        s.startTime = 39001.5;
        QVERIFY(WriteSessionFile(m_dir->filePath("Sessions/Lake/b.ses"), s));
        s.startTime = 38000.5;
        QVERIFY(WriteSessionFile(m_dir->filePath("Sessions/c.ses"), s));
    }

    void rememberedNodeAndFiltersChooseTheList() {
        ProgramSettings settings;
        settings.sessionlistLastNode = "Lake";
        settings.sessionFilterDriver = "Zoe"; // no longer in the archive
        ArchivePage page(settings, m_dir->path(), nullptr);
        page.Show();
        QCOMPARE(page.FilterTexts().driver, "<All drivers>");
        QVERIFY(page.SelectedNode());
        QCOMPARE(page.SelectedNode()->text, "Lake");
        QCOMPARE(Files(page.ListRows()), (QStringList{"c.ses", "b.ses"}));
        QCOMPARE(page.HiddenColumn(), int(Track));
        QCOMPARE(page.ShownWidths()[Track], 0);

        // Bert drove only at Lake: no "Track" node, so the remembered node is gone and the list shows
        // every session passing the filter.
        page.SetFilter(1, "Bert");
        QCOMPARE(settings.sessionFilterDriver, "Bert");
        QVERIFY(!page.SelectedNode());
        QCOMPARE(Files(page.ListRows()), (QStringList{"c.ses", "b.ses"}));
        QCOMPARE(page.HiddenColumn(), -1);
        page.SetFilter(1, "<All drivers>");
        page.SelectNode(FindNode(page.Tree(), "Best laps"));
        QCOMPARE(settings.sessionlistLastNode, "Best laps");
        // One row per track (of equal best laps the first), listed by start time.
        QCOMPARE(Files(page.ListRows()), (QStringList{"c.ses", "a.ses"}));

        page.HeaderClick(Date); // the sort column again: descending
        QCOMPARE(Files(page.ListRows()), (QStringList{"a.ses", "c.ses"}));
        page.HeaderClick(Driver);
        page.HeaderClick(Driver);
        QCOMPARE(Files(page.ListRows()), (QStringList{"c.ses", "a.ses"}));
    }

    void optionsCarryTrackLengthsAndAMotorcycleBeforeAVehicleIsChosen() {
        ProgramSettings settings;
        ArchivePage page(settings, m_dir->path(), nullptr);
        TTrackList tracks;
        TTrackInfo hill;
        hill.Length = QStringLiteral("2000");
        QVERIFY(tracks.Append(QStringLiteral("Hill"), hill));
        page.SetOptions(settings, VehicleType::None, tracks);
        page.Show();
        const auto rows = page.ListRows();
        const auto anna = std::find_if(rows.begin(), rows.end(),
                                       [](const QStringList& row) { return row[Driver] == u"Anna"; });
        QVERIFY(anna != rows.end()); // a motorcycle session is listed before a vehicle is chosen
        QVERIFY(!(*anna)[Distance].isEmpty());
        for (const QStringList& row : rows)
            if (row[Driver] == u"Bert") QVERIFY(row[Distance].isEmpty()); // Lake has no length
    }

    void openAsksAboutTheChangedSessionFirst_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("unchanged") << false << -1 << QStringList{"load a.ses", "show"};
        QTest::newRow("yes saves") << true << int(Answer::Yes) << QStringList{"save", "load a.ses", "show"};
        QTest::newRow("no") << true << int(Answer::No) << QStringList{"load a.ses", "show"};
        QTest::newRow("cancel") << true << int(Answer::Cancel) << QStringList{};
    }
    void openAsksAboutTheChangedSessionFirst() {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(QStringList, calls);
        ProgramSettings settings;
        RecordingPrompter prompter;
        if (answer >= 0) prompter.Expect("Unsaved Session changes exists, save now?", Answer(answer));
        SessionLog session;
        session.changed = changed;
        ArchivePage page(settings, m_dir->path(), &prompter);
        page.SetCallbacks(session.Callbacks());
        page.Show();
        const int row = int(Files(page.ListRows()).indexOf("a.ses"));
        page.Open(row);
        QCOMPARE(session.calls, calls);
        if (changed) QCOMPARE(prompter.questions, QStringList{"Unsaved Session changes exists, save now?"});

        session.calls.clear();
        session.changed = false;
        QVERIFY(page.OpenSetupOnly(row));
        QCOMPARE(session.calls, QStringList{"setup a.ses"});
        // A row whose file is gone does nothing.
        QVERIFY(QFile::remove(m_dir->filePath("Sessions/a.ses")));
        QVERIFY(!page.Open(row));
        QVERIFY(!page.OpenSetupOnly(row));
    }

    void deleteAsksOnceAndScansAgain() {
        ProgramSettings settings;
        RecordingPrompter prompter;
        ArchivePage page(settings, m_dir->path(), &prompter);
        page.Show();
        QCOMPARE(page.ListRows().size(), 3u);
        prompter.Expect("Delete these sessions?", Answer::Cancel);
        prompter.Expect("Delete these sessions?", Answer::Ok);
        QVERIFY(!page.Delete({0, 2}));
        QCOMPARE(page.ListRows().size(), 3u);
        QVERIFY(page.Delete({0, 2}));
        QCOMPARE(prompter.questions, (QStringList{"Delete these sessions?", "Delete these sessions?"}));
        QCOMPARE(Files(page.ListRows()), QStringList{"a.ses"});
        QVERIFY(!QFile::exists(m_dir->filePath("Sessions/c.ses")));
        prompter.Expect("Delete this session?", Answer::Ok);
        QVERIFY(page.Delete({0}));
        QCOMPARE(prompter.questions.last(), "Delete this session?");
        QVERIFY(page.ListRows().empty());
    }

    void reopenOffersToSaveThenLoads() {
        RecentSessions recent(m_dir->path());
        recent.Offer(m_dir->filePath("Sessions/Lake/b.ses"));
        RecordingPrompter prompter;
        SessionLog session;
        session.changed = true;
        prompter.Expect("Unsaved Session changes exists, save now?", Answer::Cancel);
        prompter.Expect("Unsaved Session changes exists, save now?", Answer::Yes);
        QVERIFY(!ReopenSession(recent.Entries().first(), recent, session.Callbacks(), prompter));
        QVERIFY(session.calls.isEmpty());
        QVERIFY(ReopenSession(recent.Entries().first(), recent, session.Callbacks(), prompter));
        QCOMPARE(session.calls, (QStringList{"save", "load b.ses"}));
    }

    void newSessionRunsTheChosenStepsInOrder_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("allChecked");
        QTest::addColumn<QString>("track");
        QTest::addColumn<QStringList>("calls");
        const QStringList all{"laps", "notes", "tires", "track Lake", "event Cup 2/Race", "forget"};
        QTest::newRow("all, other track") << false << QList<int>{} << true << true << "Lake" << all;
        QTest::newRow("same track, nothing cleared")
            << false << QList<int>{} << true << false << "Hill" << QStringList{"event Cup 2/Race", "forget"};
        QTest::newRow("saved first") << true << QList<int>{int(Answer::Yes)} << true << true << "Lake"
                                     << QStringList{"save"} + all;
        QTest::newRow("cancel the question")
            << true << QList<int>{int(Answer::Cancel)} << true << true << "Lake" << QStringList{};
        QTest::newRow("cancel the dialog")
            << false << QList<int>{} << false << true << "Lake" << QStringList{};
    }
    void newSessionRunsTheChosenStepsInOrder() {
        QFETCH(bool, changed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, ok);
        QFETCH(bool, allChecked);
        QFETCH(QString, track);
        QFETCH(QStringList, calls);
        RecordingPrompter prompter;
        for (const int answer : answers)
            prompter.Expect("Unsaved Session changes exists, save now?", Answer(answer));
        SessionLog session;
        session.changed = changed;
        QStringList& log = session.calls;
        NewSessionHooks hooks;
        hooks.defaults = [] { return NewSessionDefaults{{"Hill", "Lake"}, "Hill", "Cup", "Race"}; };
        hooks.ask = [&](const NewSessionDefaults& defaults) -> std::optional<NewSessionChoice> {
            if (!ok) return std::nullopt;
            return NewSessionChoice{
                track, defaults.eventName + " 2", defaults.sessionType, allChecked, allChecked, allChecked};
        };
        hooks.resetLapTimes = [&] { log << "laps"; };
        hooks.clearSessionNotes = [&] { log << "notes"; };
        hooks.updateTireData = [&] { log << "tires"; };
        hooks.selectTrack = [&](const QString& t) { log << "track " + t; };
        hooks.setEventAndType = [&](const QString& e, const QString& t) { log << "event " + e + "/" + t; };
        hooks.forgetFileName = [&] { log << "forget"; };
        QCOMPARE(PrepareNewSession(session.Callbacks(), hooks, prompter), !calls.isEmpty());
        QCOMPARE(log, calls);
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestArchivePage)
#include "tst_archive_page.moc"
