// The main window's logic without widgets: leave checks on page changes, the window keys, the checks
// when closing and where a chosen team logo is used from.
#include "app/settings_file.h"
#include "app/team_logo.h"
#include "app_rig.h"

Q_DECLARE_METATYPE(std::optional<KeyAction>)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

QString Question(const char* word) {
    return QStringLiteral("Unsaved %1 changes exists, save now?").arg(QLatin1String(word));
}

// An application state whose areas save by recording themselves.
struct Model : AppRig {
    explicit Model(bool withSaves = true) {
        BuildState();
        ObserveHooks();
        if (withSaves) RecordSaves();
    }
    void Mark(std::initializer_list<Area> areas) {
        for (Area area : areas)
            state->Changes().MarkChanged(area);
    }
};

QStringList Path(const char* text) {
    return QString::fromLatin1(text).split(u'/', Qt::SkipEmptyParts);
}

} // namespace

class TestWindowModel : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void leavingPagesAsksForTheirAreas_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QList<Area>>("savedAreas");
        // Every area is changed; the answers are all Yes.
        QTest::newRow("maintenance: four areas in order")
            << "Maintenance/Suppliers"
            << "Tracks/Track map"
            << QStringList{Question("Part Status"), Question("Maintenance"), Question("Suppliers"),
                           Question("Order Status")}
            << QList<Area>{Area::PartStatus, Area::Maintenance, Area::Suppliers, Area::OrderStatus};
        QTest::newRow("between maintenance sub-pages nothing")
            << "Maintenance/Suppliers"
            << "Maintenance/Part status" << QStringList{} << QList<Area>{};
        QTest::newRow("tire list sub-page within setup")
            << "Setup/Tires/Tire list"
            << "Setup/Engine" << QStringList{Question("Tire List")} << QList<Area>{Area::TireList};
        QTest::newRow("within the setup tires page nothing")
            << "Setup/Tires/Tire list"
            << "Setup/Tires/Current setup" << QStringList{} << QList<Area>{};
        QTest::newRow("setup tires to another top page")
            << "Setup/Tires/Current setup"
            << "Active session/General" << QStringList{Question("Tire List")} << QList<Area>{Area::TireList};
        QTest::newRow("session tires are not the tire list")
            << "Active session/Tires"
            << "Setup/Engine" << QStringList{} << QList<Area>{};
        QTest::newRow("tracks") << "Tracks/Movie"
                                << "Sessions/Completed" << QStringList{Question("Track")}
                                << QList<Area>{Area::Tracks};
        QTest::newRow("sessions") << "Sessions/Scheduled"
                                  << "General notes" << QStringList{Question("Schedule")}
                                  << QList<Area>{Area::Schedule};
        QTest::newRow("general notes") << "General notes"
                                       << "Tracks/Track map" << QStringList{Question("General notes")}
                                       << QList<Area>{Area::GeneralNotes};
    }
    void leavingPagesAsksForTheirAreas() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, questions);
        QFETCH(QList<Area>, savedAreas);
        Model m;
        for (int i = 0; i < kAreaCount; ++i)
            m.state->Changes().MarkChanged(static_cast<Area>(i));
        for (const QString& question : questions)
            m.prompter.Expect(question, Answer::Yes);
        QVERIFY(m.state->LeavePages(from.split(u'/'), to.split(u'/')));
        QCOMPARE(m.prompter.questions, questions);
        QCOMPARE(m.saved, savedAreas);
        for (Area area : savedAreas)
            QVERIFY(!m.state->Changes().IsChanged(area));
    }

    void onlyChangedAreasAreAskedAndAFailedSaveStays() {
        Model m;
        m.Mark({Area::PartStatus, Area::Suppliers});
        m.prompter.Expect(Question("Part Status"), Answer::No);
        m.prompter.Expect(Question("Suppliers"), Answer::Cancel);
        QVERIFY(m.state->LeavePages(Path("Maintenance/Part status"), Path("Tracks")));
        QCOMPARE(m.prompter.questions, (QStringList{Question("Part Status"), Question("Suppliers")}));
        QVERIFY(m.saved.isEmpty());
        QVERIFY(m.state->Changes().IsChanged(Area::Suppliers));

        // A save that fails keeps the user on the page and asks nothing further.
        m.prompter.questions.clear();
        m.failing << Area::PartStatus;
        m.prompter.Expect(Question("Part Status"), Answer::Yes);
        QVERIFY(!m.state->LeavePages(Path("Maintenance/Part status"), Path("Tracks")));
        QCOMPARE(m.prompter.questions, QStringList{Question("Part Status")});
        QVERIFY(m.state->Changes().IsChanged(Area::PartStatus));
    }

    void closingAsksForTheTracksFirst_data() {
        QTest::addColumn<Answer>("tracksAnswer");
        QTest::addColumn<bool>("failSave");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancel keeps the program open") << Answer::Cancel << false << false;
        QTest::newRow("failed save keeps the program open") << Answer::Yes << true << false;
        QTest::newRow("no goes on to the session") << Answer::No << false << true;
        QTest::newRow("yes saves and goes on") << Answer::Yes << false << true;
    }
    void closingAsksForTheTracksFirst() {
        QFETCH(Answer, tracksAnswer);
        QFETCH(bool, failSave);
        QFETCH(bool, closes);
        Model m;
        m.Mark({Area::Tracks, Area::Session});
        if (failSave) m.failing << Area::Tracks;
        m.prompter.Expect(Question("Track"), tracksAnswer);
        if (closes) m.prompter.Expect(Question("Session"), Answer::No);
        QCOMPARE(m.state->CloseQuery(), closes);
        QStringList expected{Question("Track")};
        if (closes) expected << Question("Session");
        QCOMPARE(m.prompter.questions, expected);
        QCOMPARE(m.saved.contains(Area::Tracks), tracksAnswer == Answer::Yes && !failSave);
    }

    void windowTitle_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("title");
        QTest::newRow("nothing yet") << "" << false << "Vorlapa v3.0";
        QTest::newRow("new session typed in") << "" << true << "New session* - Vorlapa v3.0";
        QTest::newRow("saved") << "/data/Sessions/race 1.ses" << false << "race 1.ses - Vorlapa v3.0";
        QTest::newRow("unsaved changes")
            << "/data/Sessions/race 1.ses" << true << "race 1.ses* - Vorlapa v3.0";
    }
    void windowTitle() {
        QFETCH(QString, file);
        QFETCH(bool, changed);
        QFETCH(QString, title);
        QCOMPARE(MainWindowTitle(WindowCaption(3, 0), file, changed), title);
    }

    void keyTable_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<std::optional<KeyAction>>("action");
        using L = LiveTimingAction;
        const auto live = [](int slot, L action) {
            return std::optional<KeyAction>(KeyAction{KeyCommand::LiveTiming, slot, action});
        };
        const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier,
                                    ctrl = Qt::ControlModifier, ctrlShift = ctrl | shift;
        QTest::newRow("F5") << int(Qt::Key_F5) << none << live(1, L::Stopwatch);
        QTest::newRow("F8 from the keypad")
            << int(Qt::Key_F8) << Qt::KeyboardModifiers(Qt::KeypadModifier) << live(4, L::Stopwatch);
        QTest::newRow("Shift+F6") << int(Qt::Key_F6) << shift << live(2, L::UndoTime);
        QTest::newRow("Ctrl+F7") << int(Qt::Key_F7) << ctrl << live(3, L::StartStop);
        QTest::newRow("Ctrl+Shift+F8") << int(Qt::Key_F8) << ctrlShift << live(4, L::PitInOut);
        QTest::newRow("Alt+F5") << int(Qt::Key_F5) << Qt::KeyboardModifiers(Qt::AltModifier)
                                << live(1, L::Stopwatch);
        QTest::newRow("Alt+Ctrl+F6") << int(Qt::Key_F6) << (ctrl | Qt::AltModifier) << live(2, L::StartStop);
        QTest::newRow("F4") << int(Qt::Key_F4) << none << std::optional<KeyAction>();
        QTest::newRow("F9") << int(Qt::Key_F9) << none << std::optional<KeyAction>();
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << std::optional(KeyAction{KeyCommand::Save});
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl
                                << std::optional(KeyAction{KeyCommand::OpenSession});
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << std::optional(KeyAction{KeyCommand::Find});
        QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << ctrlShift << std::optional<KeyAction>();
        QTest::newRow("S") << int(Qt::Key_S) << none << std::optional<KeyAction>();
    }
    void keyTable() {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(std::optional<KeyAction>, action);
        QCOMPARE(KeyActionFor(key, modifiers), action);
    }

    void pageKeys_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("handled");
        QTest::addColumn<QString>("result"); // the area saved or the hook reached
        const int save = int(KeyCommand::Save), open = int(KeyCommand::OpenSession),
                  find = int(KeyCommand::Find);
        QTest::newRow("save on active session") << save << "Active session/Vehicle" << true << "Session";
        QTest::newRow("save on setup") << save << "Setup/Jetting" << true << "Session";
        QTest::newRow("save on tracks") << save << "Tracks/Movie" << true << "Tracks";
        QTest::newRow("save on maintenance log")
            << save << "Maintenance/Maintenance Log/Report" << true << "Maintenance";
        QTest::newRow("save on suppliers") << save << "Maintenance/Suppliers" << true << "Suppliers";
        QTest::newRow("save on part status") << save << "Maintenance/Part status" << true << "PartStatus";
        QTest::newRow("save on scheduled") << save << "Sessions/Scheduled" << true << "Schedule";
        QTest::newRow("no save on order status") << save << "Maintenance/Order status" << false << "";
        QTest::newRow("no save on completed") << save << "Sessions/Completed" << false << "";
        QTest::newRow("no save on general notes") << save << "General notes" << false << "";
        QTest::newRow("open on active session") << open << "Active session/General" << true << "OpenSession";
        QTest::newRow("open on setup") << open << "Setup/Engine" << true << "OpenSession";
        QTest::newRow("no open on tracks") << open << "Tracks/Movie" << false << "";
        QTest::newRow("find on part status") << find << "Maintenance/Part status" << true << "Find";
        QTest::newRow("no find on suppliers") << find << "Maintenance/Suppliers" << false << "";
    }
    void pageKeys() {
        QFETCH(int, command);
        QFETCH(QString, page);
        QFETCH(bool, handled);
        QFETCH(QString, result);
        static const QHash<Area, QString> names{
            {Area::Session, "Session"},         {Area::Tracks, "Tracks"},
            {Area::Maintenance, "Maintenance"}, {Area::Suppliers, "Suppliers"},
            {Area::PartStatus, "PartStatus"},   {Area::Schedule, "Schedule"}};
        Model m;
        QCOMPARE(m.state->RunKey(KeyAction{KeyCommand(command)}, page.split(u'/')), handled);
        QStringList reached = m.hooks;
        for (Area area : m.saved)
            reached << names.value(area, QStringLiteral("?"));
        QCOMPARE(reached, result.isEmpty() ? QStringList{} : QStringList{result});
    }

    void saveKeyWithoutSaveActionDoesNothing() {
        Model m(false);
        m.Mark({Area::Tracks});
        QVERIFY(m.state->RunKey(KeyAction{KeyCommand::Save}, Path("Tracks")));
        QVERIFY(m.state->Changes().IsChanged(Area::Tracks));
        QVERIFY(m.prompter.ScriptDone()); // and no box: the prompter fails the test on any
    }

    void liveTimingKeysReachTheHook() {
        Model m;
        QVERIFY(m.state->RunKey(*KeyActionFor(Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier),
                                Path("General notes")));
        QCOMPARE(m.hooks, QStringList{QStringLiteral("LiveTimingKey 2 PitInOut")});
    }

    void logoPlacement_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("used");
        QTest::addColumn<bool>("copy");
        QTest::newRow("in the data folder") << "/data/Vorlapa/team.gif"
                                            << "/data/Vorlapa/team.gif" << false;
        QTest::newRow("folder differs in case only") << "/DATA/vorlapa/team.gif"
                                                     << "/DATA/vorlapa/team.gif" << false;
        QTest::newRow("with a trailing dot segment") << "/data/Vorlapa/./team.gif"
                                                     << "/data/Vorlapa/team.gif" << false;
        QTest::newRow("elsewhere") << "/home/me/Pictures/Team.JPG"
                                   << "/data/Vorlapa/Team.JPG" << true;
        QTest::newRow("a sub-folder of the data folder") << "/data/Vorlapa/logos/team.gif"
                                                         << "/data/Vorlapa/team.gif" << true;
    }
    void logoPlacement() {
        QFETCH(QString, chosen);
        QFETCH(QString, used);
        QFETCH(bool, copy);
        const LogoPlacement placement = PlaceLogo(chosen, QStringLiteral("/data/Vorlapa"));
        QCOMPARE(placement.usedPath, used);
        QCOMPARE(placement.copy, copy);
    }

    void settingALogoCopiesItAndWritesTheSettings() {
        Model m;
        QTemporaryDir elsewhere;
        const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("team.gif"));
        const QString target = QDir(m.dir.path()).filePath(QStringLiteral("team.gif"));
        for (const auto& [path, content] : {std::pair{source, QByteArray("new")}, {target, "old"}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(SetTeamLogo(*m.state, source), target);
        QFile copied(target);
        QVERIFY(copied.open(QIODevice::ReadOnly));
        QCOMPARE(copied.readAll(), QByteArray("new"));
        QVERIFY(QFile::exists(source));
        QCOMPARE(m.state->Settings().logotype, target);
        const QString settingsPath = QDir(m.dir.path()).filePath(QStringLiteral("vorlapa.ini"));
        QCOMPARE(LoadSettingsFile(settingsPath, 1).logotype, target);

        // A file already in the data folder is used where it is.
        QCOMPARE(SetTeamLogo(*m.state, target), target);
        // A file that does not exist changes nothing.
        QCOMPARE(SetTeamLogo(*m.state, QDir(elsewhere.path()).filePath(QStringLiteral("gone.gif"))),
                 QString());
        QCOMPARE(m.state->Settings().logotype, target);
    }
};

QTEST_GUILESS_MAIN(TestWindowModel)
#include "tst_window_model.moc"
