#include "main_window_rig.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "ui/widgets/team_logo_view.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

struct Window : MainWindowRig {
    explicit Window(bool maintenanceOnly = false) {
        if (maintenanceOnly) Touch(QStringLiteral("show_only_maintenance_tab.txt"));
        BuildState();
        ObserveHooks();
        RecordSaves();
        StartForm();
        // The workspace installs the saves of the supplier, order and schedule areas: these tests record
        // them.
        for (Area area : {Area::Suppliers, Area::OrderStatus, Area::Schedule})
            state->Leave().SetSaveAction(area, [this, area] {
                if (failing.contains(area)) return false;
                saved << area;
                return true;
            });
    }
    QTabWidget* Tabs(const QString& path) const {
        return path.isEmpty() ? form->Pages() : form->findChild<QTabWidget*>(QStringLiteral("pages/") + path);
    }
    QString VehicleStatus() const {
        return form->findChild<QLabel*>(QStringLiteral("vehicleStatus"))->text();
    }
};

QStringList TabCaptions(QTabWidget* tabs, bool visibleOnly = false) {
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        if (!visibleOnly || tabs->isTabVisible(i)) captions << tabs->tabText(i);
    return captions;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void pagesAndSubPagesHaveTheirCaptions() {
        Window w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Vorlapa v3.0"));
        QCOMPARE(TabCaptions(w.Tabs({})), (QStringList{"Active session", "Setup", "Tracks", "Maintenance",
                                                       "Sessions", "General notes"}));
        QCOMPARE(TabCaptions(w.Tabs("Active session")),
                 (QStringList{"General", "Tires", "Vehicle", "Pit Stops"}));
        QCOMPARE(TabCaptions(w.Tabs("Setup")),
                 (QStringList{"Tires", "Suspension", "Weight distribution", "Aerodynamics", "Engine",
                              "Jetting", "Gearing", "General"}));
        QCOMPARE(TabCaptions(w.Tabs("Setup/Tires")), (QStringList{"Current setup", "Tire list"}));
        QCOMPARE(TabCaptions(w.Tabs("Setup/Suspension")),
                 (QStringList{"Basic settings", "Detailed settings"}));
        QCOMPARE(TabCaptions(w.Tabs("Maintenance")),
                 (QStringList{"Part status", "Maintenance Log", "Suppliers", "Order status"}));
        QCOMPARE(TabCaptions(w.Tabs("Sessions")), (QStringList{"Completed", "Scheduled", "Compared"}));
        QCOMPARE(TabCaptions(w.Tabs("Tracks")), (QStringList{"Track map", "Contact details", "Movie"}));
        QVERIFY(w.form->ShowPage(QStringLiteral("Tire list")));
        QCOMPARE(w.Tabs({})->currentIndex(), 1);
        QCOMPARE(w.Tabs("Setup/Tires")->currentIndex(), 1);
    }

    void menuEntriesExistWithTheirShortcuts() {
        Window w;
        QStringList menus;
        for (QAction* action : w.form->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"File", "Tools", "Export to HTML", "Help"}));
        QVERIFY(w.form->Action(MenuCommand::Exit)->isEnabled());
        QVERIFY(w.form->Action(MenuCommand::Options)->isEnabled());
        QVERIFY(w.form->Action(MenuCommand::ImportLapTimes)->isEnabled());
        QVERIFY(w.form->Action(MenuCommand::NewSession)->isEnabled());
        QCOMPARE(w.form->Action(MenuCommand::NewSession)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(w.form->Action(MenuCommand::BackupRestore)->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+B")));
    }

    void choosingVehicleMovesCheckAndStatus() {
        Window w;
        QCOMPARE(w.VehicleStatus(), QStringLiteral("Motorcycle"));
        QVERIFY(w.form->Action(MenuCommand::VehicleMotorcycle)->isChecked());
        QVERIFY(!TabCaptions(w.Tabs("Setup"), true).contains(QStringLiteral("Aerodynamics")));

        w.form->Action(MenuCommand::VehicleCar)->trigger();
        QCOMPARE(w.VehicleStatus(), QStringLiteral("Car"));
        QVERIFY(w.form->Action(MenuCommand::VehicleCar)->isChecked());
        QVERIFY(!w.form->Action(MenuCommand::VehicleMotorcycle)->isChecked());
        QVERIFY(TabCaptions(w.Tabs("Setup"), true).contains(QStringLiteral("Aerodynamics")));

        w.state->Changes().MarkChanged(Area::TireList);
        QVERIFY(!w.form->Action(MenuCommand::VehicleKart)->isEnabled());
    }

    void maintenanceOnlyMarkerLeavesOnePage() {
        Window w(true);
        QCOMPARE(TabCaptions(w.Tabs({}), true), QStringList{QStringLiteral("Maintenance")});
    }

    void dirtyMarksAndSaveButtons();
    void leavingAPageRunsItsChecks();
    void liveTimingKeysFromAnyWidget_data();
    void liveTimingKeysFromAnyWidget();
    void pageKeysFollowTheShownPage();
    void teamLogoIsChosenByRightClick_data();
    void teamLogoIsChosenByRightClick();

    void helpEntriesReportFailures() {
        Window w;
        QCOMPARE(w.form->Action(MenuCommand::HelpContents)->shortcut(), QKeySequence(Qt::Key_F1));
        w.shell.succeeds = false;
        w.prompter.ExpectError("Unable to open help file!");
        w.prompter.ExpectError("Unable to open readme.txt. Make sure you have a program associated to open "
                               "*.txt files.");
        w.form->Action(MenuCommand::HelpContents)->trigger();
        w.form->Action(MenuCommand::HelpReadMe)->trigger();
        QCOMPARE(w.shell.opened, (QStringList{w.Path("Vorlapa.chm"), w.Path("readme.txt")}));
        QVERIFY(w.prompter.ScriptDone());
    }

    void exportSetupWritesReportAndOffersBrowser() {
        Window w;
        QAction* action = w.form->Action(MenuCommand::ExportSetup);
        QVERIFY(action->isEnabled());
        w.workspace->Setup().SetText(QStringLiteral("engine"), QStringLiteral("bore"),
                                     QStringLiteral("54 <mm>"));
        w.prompter.Expect("Unsaved changes exists, save now?", Answer::No);
        w.prompter.Expect("Open in browser?", Answer::Yes);
        action->trigger();
        QCOMPARE(w.prompter.questions,
                 (QStringList{"Unsaved changes exists, save now?", "Open in browser?"}));
        const QString report = w.Path("Exports/setup_untitled.htm");
        QCOMPARE(w.shell.opened, QStringList{report});
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains(">54 &lt;mm&gt;</FONT>"));
        QVERIFY(w.prompter.ScriptDone());
    }

    void exportSessionWritesBothReportsAndOpensTheSession() {
        Window w;
        QAction* action = w.form->Action(MenuCommand::ExportSession);
        QVERIFY(action->isEnabled());
        const QString path = w.Path("Race.ses");
        QVERIFY(QFile::copy(QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses"), path));
        QVERIFY(w.workspace->Session().LoadSession(path));
        w.prompter.Expect("Open in browser?", Answer::Yes);
        action->trigger();
        QCOMPARE(w.prompter.questions, QStringList{"Open in browser?"});
        const QString exports = w.Path("Exports/");
        QCOMPARE(w.shell.opened, QStringList{exports + "session_Race.htm"});
        QVERIFY(QFile::exists(exports + "setup_Race.htm"));
        QFile file(exports + "session_Race.htm");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(html.contains("Rider&#39;s note: &lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(html.contains("<B>1:23.456</B>"));
        QVERIFY(w.prompter.ScriptDone());
    }

    void closeCancelledKeepsWindowOpen() {
        Window w;
        w.form->show();
        w.state->Changes().MarkChanged(Area::Session);
        w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::Cancel);
        QVERIFY(!w.form->close());
        QVERIFY(w.form->isVisible());
        QVERIFY(w.prompter.ScriptDone());
        w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::No);
        QVERIFY(w.form->close());
        QVERIFY(w.store.values.contains(QStringLiteral("Coords/FormWidth")));
    }
};

void TestMainWindow::dirtyMarksAndSaveButtons() {
    Window w;
    QPushButton tracksSave;
    w.form->RegisterSaveButton(SaveButton::Tracks, &tracksSave);
    QVERIFY(!tracksSave.isEnabled());
    w.state->Changes().SessionIsDirty();
    w.state->Changes().SessionIsDirty();
    w.state->Changes().ScheduleIsDirty();
    w.state->Changes().TracksIsDirty();
    QCOMPARE(TabCaptions(w.Tabs({})), (QStringList{"Active session*", "Setup", "Tracks*", "Maintenance",
                                                   "Sessions*", "General notes"}));
    QCOMPARE(TabCaptions(w.Tabs("Sessions")), (QStringList{"Completed", "Scheduled*", "Compared"}));
    QVERIFY(tracksSave.isEnabled());
    w.state->Changes().SetupIsDirty(QStringLiteral("Tires"));
    QCOMPARE(TabCaptions(w.Tabs("Setup")).first(), QStringLiteral("Tires*"));
    QCOMPARE(TabCaptions(w.Tabs("Active session")).at(1), QStringLiteral("Tires"));
    w.state->Changes().MarkAllUnchanged();
    QCOMPARE(TabCaptions(w.Tabs({})),
             (QStringList{"Active session", "Setup", "Tracks", "Maintenance", "Sessions", "General notes"}));
    QVERIFY(!tracksSave.isEnabled());
    QCOMPARE(TabCaptions(w.Tabs("Setup")).first(), QStringLiteral("Tires"));
}

void TestMainWindow::leavingAPageRunsItsChecks() {
    Window w;
    QVERIFY(w.form->ShowPage(QStringLiteral("Suppliers")));
    w.state->Changes().PartStatusIsDirty();
    w.state->Changes().SuppliersIsDirty();
    w.prompter.Expect("Unsaved Part Status changes exists, save now?", Answer::No);
    w.prompter.Expect("Unsaved Suppliers changes exists, save now?", Answer::Yes);
    w.Tabs({})->setCurrentIndex(2); // "Tracks"
    QCOMPARE(w.prompter.questions, (QStringList{"Unsaved Part Status changes exists, save now?",
                                                "Unsaved Suppliers changes exists, save now?"}));
    QCOMPARE(w.saved, QList<Area>{Area::Suppliers});
    QCOMPARE(w.form->ShownPath(), (QStringList{"Tracks", "Track map"}));

    // A save that fails keeps the user on the page.
    QVERIFY(w.form->ShowPage(QStringLiteral("Scheduled")));
    w.prompter.questions.clear();
    w.state->Changes().ScheduleIsDirty();
    w.failing << Area::Schedule;
    w.prompter.Expect("Unsaved Schedule changes exists, save now?", Answer::Yes);
    w.Tabs({})->setCurrentIndex(0);
    QCOMPARE(w.prompter.questions, QStringList{"Unsaved Schedule changes exists, save now?"});
    QCOMPARE(w.Tabs({})->currentIndex(), 4);
    QCOMPARE(w.form->ShownPath(), (QStringList{"Sessions", "Scheduled"}));
    QVERIFY(w.state->Changes().IsChanged(Area::Schedule));
}

void TestMainWindow::liveTimingKeysFromAnyWidget_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("hook");
    const QStringList actions{"Stopwatch", "UndoTime", "StartStop", "PitInOut"};
    const QList<Qt::KeyboardModifiers> modifiers{Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                                 Qt::ControlModifier | Qt::ShiftModifier};
    for (int slot = 1; slot <= 4; ++slot)
        for (int m = 0; m < 4; ++m)
            QTest::addRow("slot %d %s", slot, qPrintable(actions.at(m)))
                << int(Qt::Key_F5) + slot - 1 << int(modifiers.at(m))
                << QStringLiteral("LiveTimingKey %1 %2").arg(slot).arg(actions.at(m));
}

void TestMainWindow::liveTimingKeysFromAnyWidget() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, hook);
    Window w;
    w.form->show();
    QVERIFY(w.form->ShowPage(QStringLiteral("Part status")));
    auto* field = new QLineEdit(w.form->Pages()->currentWidget());
    QDialog child(w.form.get());
    auto* childField = new QLineEdit(&child);
    child.show();
    const auto k = Qt::Key(key);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QTest::keyClick(w.form.get(), k, mods);
    QTest::keyClick(field, k, mods);
    QTest::keyClick(childField, k, mods);
    QCOMPARE(w.hooks, (QStringList{hook, hook, hook}));
    QVERIFY(field->text().isEmpty());
}

void TestMainWindow::pageKeysFollowTheShownPage() {
    Window w;
    w.form->show();
    auto* field = new QLineEdit(w.form.get());
    QVERIFY(w.form->ShowPage(QStringLiteral("Tracks")));
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(w.form->ShowPage(QStringLiteral("Scheduled")));
    QTest::keyClick(w.form.get(), Qt::Key_S, Qt::ControlModifier);
    // The Tracks page saves through its own page: the track file is written.
    QCOMPARE(w.saved, (QList<Area>{Area::Schedule}));
    QVERIFY(QFile::exists(w.Path(QStringLiteral("Tracks/tracks.txt"))));

    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier); // not on "Sessions"
    QVERIFY(w.form->ShowPage(QStringLiteral("Setup")));
    w.prompter.ExpectText("Open session", std::nullopt); // the session's open dialog, cancelled
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.prompter.questions, QStringList{QStringLiteral("Open session")});
    QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier); // not on "Setup"
    QVERIFY(w.form->ShowPage(QStringLiteral("Part status")));
    QTest::keyClick(field, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(w.hooks, (QStringList{"OpenSession", "Find"}));
}

void TestMainWindow::teamLogoIsChosenByRightClick_data() {
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<QSize>("drawnSize");
    QTest::newRow("large: shrunk to fit") << QSize(420, 100) << QSize(210, 50);
    QTest::newRow("tall: shrunk to fit") << QSize(100, 238) << QSize(50, 119);
    QTest::newRow("small: never enlarged") << QSize(60, 30) << QSize(60, 30);
}

void TestMainWindow::teamLogoIsChosenByRightClick() {
    QFETCH(QSize, pictureSize);
    QFETCH(QSize, drawnSize);
    Window w;
    TeamLogoView* logo = w.form->TeamLogo();
    QVERIFY(logo);
    QCOMPARE(logo->size(), QSize(210, 119));
    QCOMPARE(logo->toolTip(), QStringLiteral("Right-click to set Team logotype"));
    QVERIFY(logo->Picture().isNull());

    QTemporaryDir elsewhere;
    const QString source = QDir(elsewhere.path()).filePath(QStringLiteral("team.png"));
    QImage image(pictureSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(source));
    w.prompter.ExpectText("Team logotype", source);
    QTest::mouseClick(logo, Qt::RightButton);
    QCOMPARE(logo->Picture().size(), pictureSize);
    QCOMPARE(logo->PictureRect(), QRect(QPoint(0, 0), drawnSize));
    QCOMPARE(w.state->Settings().logotype, w.Path(QStringLiteral("team.png")));

    // The next start shows the remembered logo.
    Workspace nextRun(*w.state);
    TVorlapaForm again(nextRun, false);
    QVERIFY(again.Start());
    QCOMPARE(again.TeamLogo()->Picture().size(), pictureSize);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
