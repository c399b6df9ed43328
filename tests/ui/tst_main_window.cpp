#include "in_memory_settings_store.h"
#include "manual_clock.h"
#include "recording_prompter.h"
#include "recording_shell.h"
#include "ui/app/vorlapa_form.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Window {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    ManualClock clock;
    InMemorySettingsStore store;
    RecordingShell shell;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TVorlapaForm> form;

    explicit Window(bool maintenanceOnly = false) {
        if (maintenanceOnly) {
            QFile marker(QDir(dir.path()).filePath(QStringLiteral("show_only_maintenance_tab.txt")));
            QVERIFY(marker.open(QIODevice::WriteOnly));
        }
        Services services;
        services.prompter = &prompter;
        services.clock = &clock;
        services.settings = &store;
        services.shell = &shell;
        state = std::make_unique<AppState>(services, dir.path());
        form = std::make_unique<TVorlapaForm>(*state, false);
        QVERIFY(form->Start());
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

    void menuEntriesExistAndUnbuiltOnesAreDisabled() {
        Window w;
        QStringList menus;
        for (QAction* action : w.form->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"File", "Tools", "Export to HTML", "Help"}));
        QVERIFY(w.form->Action(MenuCommand::Exit)->isEnabled());
        QVERIFY(!w.form->Action(MenuCommand::Options)->isEnabled());
        QVERIFY(!w.form->Action(MenuCommand::NewSession)->isEnabled());
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

    void closeCancelledKeepsWindowOpen() {
        Window w;
        w.form->show();
        w.state->Changes().MarkChanged(Area::Session);
        w.prompter.answers.push_back(Answer::Cancel);
        QVERIFY(!w.form->close());
        QVERIFY(w.form->isVisible());
        w.prompter.answers.push_back(Answer::No);
        QVERIFY(w.form->close());
        QVERIFY(w.store.values.contains(QStringLiteral("Coords/FormWidth")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
