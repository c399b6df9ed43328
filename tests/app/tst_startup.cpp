#include "app/data_folder.h"
#include "app/settings_file.h"
#include "app/startup_sequence.h"
#include "app_rig.h"
#include "recording_startup_view.h"
#include "storage/atomic_file.h"
#include "unreadable_file.h"

Q_DECLARE_METATYPE(VehicleType)
Q_DECLARE_METATYPE(Answer)

namespace {

// One application state over a temporary data folder with recording services.
struct Fixture : AppRig {
    RecordingStartupView view;

    Fixture() { Reset(); }
    void Reset() { BuildState(); }
    QString SettingsPath() const { return Path(QStringLiteral("vorlapa.ini")); }
    bool Start(bool dialogs = true) {
        StartupSequence sequence(*state, view);
        return sequence.Run(dialogs);
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void firstStartInEmptyFolder() {
        Fixture f;
        f.view.basicSetup = 3; // "Car"
        QVERIFY(f.Start());
        for (const char* folder : {"Sessions", "Setups", "Tracks", "Tracks/Movies", "Exports"})
            QVERIFY2(QFileInfo(f.Path(QString::fromLatin1(folder))).isDir(), folder);
        QCOMPARE(f.view.events,
                 (QStringList{"progress: Reading general settings...", "Basic Setup", "Options",
                              "progress: Reading from registry...", "progress: Reading tracks...",
                              "progress: Reading maintenance data...", "progress: Reading events...",
                              "progress: Reading part status...", "progress: Reading suppliers...",
                              "progress: Reading order status...", "close splash"}));
        QCOMPARE(f.state->Vehicle(), VehicleType::Car);
        QCOMPARE(f.state->StatusVehicleText(), QStringLiteral("Car"));
        QVERIFY(f.prompter.questions.isEmpty()); // and no error: the prompter fails the test on any

        // Every default is in the file, with the chosen vehicle.
        ProgramSettings expected = DefaultSettings(45000);
        expected.vehicle = QStringLiteral("car");
        QCOMPARE(SettingsShowLines(LoadSettingsFile(f.SettingsPath(), 1)), SettingsShowLines(expected));
        QCOMPARE(QDir::current().absolutePath(), QDir(f.dir.path()).absolutePath());
    }

    void laterStartAsksNothing() {
        Fixture f;
        QVERIFY(f.Start());
        f.view.events.clear();
        f.Reset();
        QVERIFY(f.Start());
        QVERIFY(!f.view.events.contains(QStringLiteral("Basic Setup")));
        QVERIFY(!f.view.events.contains(QStringLiteral("Options")));
        QCOMPARE(f.state->Vehicle(), VehicleType::Motorcycle);
    }

    void firstStartWithoutDialogs() {
        Fixture f;
        QVERIFY(f.Start(false));
        QVERIFY(!f.view.events.contains(QStringLiteral("Basic Setup")));
        QVERIFY(QFileInfo::exists(f.SettingsPath()));
    }

    void folderThatCannotBeCreatedStopsStartup() {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Sessions")));
        f.Touch(QStringLiteral("Tracks")); // a file where the folder should be
        f.prompter.ExpectError(QStringLiteral("Cannot create directory .\\Tracks\\"));
        QVERIFY(!f.Start());
        QVERIFY(f.prompter.ScriptDone());
        QVERIFY(!QFileInfo::exists(f.SettingsPath()));
        QVERIFY(!f.view.events.contains(QStringLiteral("Basic Setup")));
    }

    void maintenanceOnlyMarkerHidesOtherPages() {
        Fixture f;
        f.Touch(QStringLiteral("show_only_maintenance_tab.txt"));
        QVERIFY(f.Start());
        for (const char* page : {"Active session", "Setup", "Tracks", "Sessions", "General notes"})
            QVERIFY2(!f.state->PageVisible({QString::fromLatin1(page)}), page);
        QVERIFY(f.state->PageVisible({QStringLiteral("Maintenance")}));
        QVERIFY(f.state->PageVisible({QStringLiteral("Maintenance"), QStringLiteral("Suppliers")}));
    }

    void windowGeometryReadingStopsAtUnreadableValue() {
        Fixture f;
        f.store.values.insert(QStringLiteral("Coords/FormWidth"), 800);
        f.store.values.insert(QStringLiteral("Coords/FormHeight"), 600);
        f.store.values.insert(QStringLiteral("Coords/Maximized"), true);
        f.store.values.insert(QStringLiteral("Coords/Timer1Top"), 40);
        f.store.values.insert(QStringLiteral("Coords/Timer1Left"), QStringLiteral("wide"));
        f.store.values.insert(QStringLiteral("Coords/Timer1Width"), 999);
        QVERIFY(f.Start());
        const WindowGeometry& g = f.state->Geometry();
        QCOMPARE(g.formWidth, 800);
        QCOMPARE(g.formHeight, 600);
        QVERIFY(g.maximized);
        QCOMPARE(g.timers[0].top, 40);
        QCOMPARE(g.timers[0].left, WindowGeometry{}.timers[0].left);
        QCOMPARE(g.timers[0].width, WindowGeometry{}.timers[0].width);
    }

    void selectVehicleByCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<VehicleType>("type");
        QTest::addColumn<QString>("storedCode");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<bool>("aerodynamicsPage");
        QTest::newRow("car any case") << "CAR" << VehicleType::Car << "car"
                                      << "Car" << true;
        QTest::newRow("kart") << "gokart" << VehicleType::Kart << "gokart"
                              << "Kart" << true;
        QTest::newRow("sidecar") << "Sidecar" << VehicleType::Sidecar << "sidecar"
                                 << "Sidecar" << false;
        QTest::newRow("motorcycle") << "mc" << VehicleType::Motorcycle << "mc"
                                    << "Motorcycle" << false;
        QTest::newRow("empty") << "" << VehicleType::Motorcycle << "mc"
                               << "Motorcycle" << false;
        QTest::newRow("unknown") << "truck" << VehicleType::Motorcycle << "mc"
                                 << "Motorcycle" << false;
    }
    void selectVehicleByCode() {
        QFETCH(QString, code);
        QFETCH(VehicleType, type);
        QFETCH(QString, storedCode);
        QFETCH(QString, statusText);
        QFETCH(bool, aerodynamicsPage);
        Fixture f;
        f.state->SelectVehicle(code);
        QCOMPARE(f.state->Vehicle(), type);
        QCOMPARE(f.state->StatusVehicleText(), statusText);
        QCOMPARE(f.state->PageVisible({QStringLiteral("Setup"), QStringLiteral("Aerodynamics")}),
                 aerodynamicsPage);
        QCOMPARE(f.state->PageVisible({QStringLiteral("Setup"), QStringLiteral("Weight distribution")}),
                 aerodynamicsPage);
        QCOMPARE(LoadSettingsFile(f.SettingsPath(), 1).vehicle, storedCode);
    }

    void vehicleFromSettingsFileAtStartup() {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Sessions")));
        QFile file(f.SettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[information]\r\nvehicle=CAR;\r\n");
        file.close();
        QVERIFY(f.Start());
        QCOMPARE(f.state->Vehicle(), VehicleType::Car);
        QCOMPARE(LoadSettingsFile(f.SettingsPath(), 1).vehicle, QStringLiteral("car"));
    }

    void vehicleMenuWhileTireListUnsaved() {
        Fixture f;
        f.state->SelectVehicle(QStringLiteral("sidecar"));
        QVERIFY(f.state->VehicleMenuOpening());
        QVERIFY(f.state->IsCommandChecked(MenuCommand::VehicleSidecar));
        QVERIFY(!f.state->IsCommandChecked(MenuCommand::VehicleMotorcycle));
        QVERIFY(f.state->IsCommandEnabled(MenuCommand::VehicleCar));

        f.state->Changes().MarkChanged(Area::TireList);
        QVERIFY(!f.state->VehicleMenuOpening());
        QCOMPARE(f.prompter.informations,
                 QStringList{QStringLiteral("Save tire list first to change vehicle!")});
        QVERIFY(!f.state->IsCommandEnabled(MenuCommand::VehicleCar));
        f.state->RunCommand(MenuCommand::VehicleCar);
        QCOMPARE(f.state->Vehicle(), VehicleType::Sidecar);
    }

    void closeQuery_data() {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancel keeps the program open") << Answer::Cancel << false;
        QTest::newRow("no closes") << Answer::No << true;
        QTest::newRow("yes closes") << Answer::Yes << true;
    }
    void closeQuery() {
        QFETCH(Answer, answer);
        QFETCH(bool, closes);
        Fixture f;
        QVERIFY(f.Start());
        QVERIFY(QFile::remove(f.SettingsPath()));
        f.store.values.clear();
        f.store.writes = 0;
        f.state->Geometry().formWidth = 1234;
        f.state->Changes().MarkChanged(Area::Session);
        f.prompter.Expect(QStringLiteral("Unsaved Session changes exists, save now?"), answer);
        QCOMPARE(f.state->CloseQuery(), closes);
        QCOMPARE(f.prompter.questions,
                 QStringList{QStringLiteral("Unsaved Session changes exists, save now?")});
        QCOMPARE(QFileInfo::exists(f.SettingsPath()), closes);
        QCOMPARE(f.store.writes > 0, closes);
        if (closes) QCOMPARE(f.store.values.value(QStringLiteral("Coords/FormWidth")).toInt(), 1234);
    }

    void closeWithoutChangesAsksNothing() {
        Fixture f;
        QVERIFY(f.Start());
        QVERIFY(f.state->CloseQuery());
        QVERIFY(f.prompter.questions.isEmpty());
    }

    void failedSettingsWriteIsReported() {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("vorlapa.ini"))); // a folder in the file's place
        // The message names the file and gives the system's reason.
        f.prompter.ExpectError(QStringLiteral("Cannot write ") + PathForMessage(f.SettingsPath()) +
                               QStringLiteral(": *"));
        QVERIFY(!f.state->SaveSettings());
        QVERIFY(f.prompter.ScriptDone());
    }

    // The program runs on the defaults, but a settings file it could not read is never replaced by them.
    void unreadableSettingsFileIsLeftAsItIs() {
        Fixture f;
        QVERIFY(MakeUnreadable(f.SettingsPath()));
        const QFileInfo info(f.SettingsPath());
        const bool wasFile = info.isFile();
        const qint64 size = info.size();
        // Named relative to the data folder, the working folder once start-up has begun.
        f.prompter.ExpectError(QStringLiteral("Cannot read vorlapa.ini: *"));
        QVERIFY(f.Start(false));
        QVERIFY(f.prompter.ScriptDone());
        QVERIFY(f.state->CloseQuery());
        const QFileInfo after(f.SettingsPath());
        QCOMPARE(after.isFile(), wasFile);
        QCOMPARE(after.size(), size);
    }

    void helpCommandsOpenFilesWithTheSystem() {
        Fixture f;
        f.shell.succeeds = false;
        f.prompter.ExpectError("Unable to open help file!");
        f.prompter.ExpectError(
            "Unable to open readme.txt. Make sure you have a program associated to open *.txt files.");
        f.state->RunCommand(MenuCommand::HelpContents);
        f.state->RunCommand(MenuCommand::HelpReadMe);
        QCOMPARE(f.shell.opened,
                 (QStringList{f.Path(QStringLiteral("Vorlapa.chm")), f.Path(QStringLiteral("readme.txt"))}));
        QVERIFY(f.prompter.ScriptDone());
    }

    void startupFile_data() {
        QTest::addColumn<QString>("parameter");
        QTest::addColumn<bool>("loadLast");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("opened");
        const int none = int(StartupFileKind::None), session = int(StartupFileKind::Session),
                  setup = int(StartupFileKind::Setup);
        QTest::newRow("session file") << "race.ses" << true << session << "race.ses";
        QTest::newRow("setup file") << "base.set" << true << setup << "base.set";
        QTest::newRow("capital extension opens nothing") << "RACE.SES" << true << none << "";
        QTest::newRow("other extension opens nothing") << "notes.txt" << true << none << "";
        QTest::newRow("lang reopens last") << "-lang" << true << session << "Sessions/last.ses";
        QTest::newRow("missing file reopens last") << "gone.ses" << true << session << "Sessions/last.ses";
        QTest::newRow("no reopening") << "-lang" << false << none << "";
        QTest::newRow("no parameter") << "" << true << session << "Sessions/last.ses";
    }
    void startupFile() {
        QFETCH(QString, parameter);
        QFETCH(bool, loadLast);
        QFETCH(int, kind);
        QFETCH(QString, opened);
        Fixture f;
        for (const char* name : {"race.ses", "base.set", "RACE.SES", "notes.txt"})
            f.Touch(QString::fromLatin1(name));
        const StartupFile file = ChooseStartupFile(parameter, f.dir.path(), loadLast,
                                                   QStringLiteral(".\\Sessions\\last.ses"), f.dir.path());
        QCOMPARE(int(file.kind), kind);
        QCOMPARE(file.path, opened.isEmpty() ? QString() : f.Path(opened));
    }

    void openingTheStartupFileEndsWithTheTimingJournal() {
        Fixture f;
        QVERIFY(f.Start(false));
        QVERIFY(!f.view.events.contains(QStringLiteral("journal restore")));
        f.view.events.clear();
        StartupSequence(*f.state, f.view).OpenStartupFile(ParseCommandLine({}), f.dir.path());
        QCOMPARE(f.view.events, QStringList{QStringLiteral("journal restore")});
    }

    void commandLine() {
        const CommandLine a = ParseCommandLine({"x.ses", "-lang", "sv", "-lang", "de", "--data-dir", "/d",
                                                "--screenshot", "out.png", "--page", "Tracks"});
        QCOMPARE(a.firstParameter, QStringLiteral("x.ses"));
        QCOMPARE(a.language, QStringLiteral("sv"));
        QCOMPARE(a.dataDir, QStringLiteral("/d"));
        QVERIFY(a.screenshot);
        QCOMPARE(a.screenshotPath, QStringLiteral("out.png"));
        QCOMPARE(a.screenshotPage, QStringLiteral("Tracks"));
        QCOMPARE(ParseCommandLine({"-LANG", "sv"}).language, QString());
        QCOMPARE(ParseCommandLine({"x", "-lang"}).language, QString());
        QVERIFY(!ParseCommandLine({}).screenshot);
    }

    void languageCodes_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("safe");
        for (const char* ok : {"sv", "sv_SE", "de_DE.UTF-8", "sr@latin", "zh-Hans"})
            QTest::newRow(ok) << QString::fromLatin1(ok) << true;
        for (const char* bad : {"", "../de", "de/../../x", ".", "..", "-x", "de de", "a\\b", "d\xc3\xa9"})
            QTest::newRow(bad) << QString::fromUtf8(bad) << false;
    }
    void languageCodes() {
        QFETCH(QString, code);
        QFETCH(bool, safe);
        QCOMPARE(IsSafeLanguageCode(code), safe);
    }

    void dataFolderChoice() {
        QTemporaryDir exe;
        QCOMPARE(ResolveDataFolder("/opt/d", "/env", exe.path(), "/home/u/.local/share/Vorlapa"),
                 QStringLiteral("/opt/d"));
        QCOMPARE(ResolveDataFolder("", "/env", exe.path(), "/home/u/.local/share/Vorlapa"),
                 QStringLiteral("/env"));
        QCOMPARE(ResolveDataFolder("", "", exe.path(), "/home/u/.local/share/Vorlapa"),
                 QStringLiteral("/home/u/.local/share/Vorlapa"));
        QFile portable(QDir(exe.path()).filePath(QStringLiteral("vorlapa.ini")));
        QVERIFY(portable.open(QIODevice::WriteOnly));
        QCOMPARE(ResolveDataFolder("", "", exe.path(), "/home/u/.local/share/Vorlapa"),
                 QDir(exe.path()).absolutePath());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
