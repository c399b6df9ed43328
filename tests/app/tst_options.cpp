// The options dialog's logic: filling from the settings, the driver list, the laps limit, the colours and
// applying a confirmed result to the application state.
#include "app/options_model.h"
#include "app/settings_file.h"
#include "app/startup_sequence.h"
#include "app_rig.h"
#include "recording_startup_view.h"

namespace {

struct Fixture : AppRig {
    Fixture() { BuildState(); }
    QString SettingsPath() const { return Path(QStringLiteral("vorlapa.ini")); }
    bool SettingsWritten() const { return QFile::exists(SettingsPath()); }
    OptionsModel Model() {
        return OptionsModel(state->Settings(), state->Settings().percentForMean, prompter);
    }
};

// A shown value and its caption, registered with the unit system as a page would.
struct ShownDistance {
    QString text, caption;
    int writes = 0;
};

} // namespace

class TstOptions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fillsItemsFromSettings_data() {
        QTest::addColumn<QString>("pressure");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("system");
        QTest::addColumn<bool>("useAd");
        QTest::addColumn<QList<int>>("items"); // pressure, temperature, system, air density
        QTest::newRow("defaults") << "mbar"
                                  << "Celsius"
                                  << "Metric" << false << QList<int>{0, 0, 0, 0};
        QTest::newRow("second items") << "mm Hg"
                                      << "Fahrenheit"
                                      << "US Standard" << true << QList<int>{1, 1, 1, 1};
        QTest::newRow("third items") << "in Hg"
                                     << "Celsius"
                                     << "Imperial Standard" << false << QList<int>{2, 0, 2, 0};
        QTest::newRow("unknown texts are the first item") << "psi"
                                                          << "fahrenheit"
                                                          << "us standard" << false << QList<int>{0, 0, 0, 0};
    }
    void fillsItemsFromSettings() {
        QFETCH(QString, pressure);
        QFETCH(QString, temperature);
        QFETCH(QString, system);
        QFETCH(bool, useAd);
        QFETCH(QList<int>, items);
        Fixture f;
        ProgramSettings& s = f.state->Settings();
        s.pressureUnit = pressure;
        s.temperatureUnit = temperature;
        s.systemUnit = system;
        s.useAd = useAd;
        const OptionsValues v = f.Model().Values();
        QCOMPARE((QList<int>{v.pressureItem, v.temperatureItem, v.unitSystemItem, v.airDensityItem}), items);
    }

    void fillsSessionAndHtmlValues() {
        Fixture f;
        ProgramSettings& s = f.state->Settings();
        s.drivers = QStringList{"Ann", "Bob"};
        s.htmlSessionMaxLapsToShow = 25;
        s.htmlTableHeaderColor = 0x123456;
        s.includePitlaps = true;
        const OptionsValues v = OptionsModel(s, 70, f.prompter).Values();
        QCOMPARE(v.drivers, (QStringList{"Ann", "Bob"}));
        QCOMPARE(v.shownDriver, QStringLiteral("Ann"));
        QCOMPARE(v.percentText, QStringLiteral("70"));
        QCOMPARE(v.lapsLimitText, QStringLiteral("25"));
        QCOMPARE(v.colours[1], quint32(0x123456));
        QVERIFY(v.stopwatchFromSessionButtons);
        QCOMPARE(v.fontFamily, QStringLiteral("Arial, Helvetica, sans-serif"));
    }

    void addDriverAsksUntilNewOrGivenUp() {
        Fixture f;
        f.state->Settings().drivers = QStringList{"Ann"};
        OptionsModel model = f.Model();

        f.prompter.ExpectText("Add Driver", QStringLiteral("Ann"));
        f.prompter.Expect("Driver Ann already exists! Try again?", Answer::Yes);
        f.prompter.ExpectText("Add Driver", QStringLiteral("Bob"));
        QVERIFY(model.AddDriver());
        QCOMPARE(f.prompter.questions,
                 (QStringList{"Add Driver", "Driver Ann already exists! Try again?", "Add Driver"}));
        QCOMPARE(model.Values().drivers, (QStringList{"Ann", "Bob"}));
        QCOMPARE(model.Values().shownDriver, QStringLiteral("Bob"));

        // No ends at once; an empty answer and Cancel end without a change.
        f.prompter.ExpectText("Add Driver", QStringLiteral("Bob"));
        f.prompter.Expect("Driver Bob already exists! Try again?", Answer::No);
        f.prompter.ExpectText("Add Driver", QString());
        f.prompter.ExpectText("Add Driver", std::nullopt);
        QVERIFY(!model.AddDriver());
        QVERIFY(!model.AddDriver());
        QVERIFY(!model.AddDriver());
        QCOMPARE(model.Values().drivers, (QStringList{"Ann", "Bob"}));
        QVERIFY(f.prompter.ScriptDone());
    }

    void deleteDriverConfirmsAndShowsFirstRemaining() {
        Fixture f;
        f.state->Settings().drivers = QStringList{"Ann", "Bob"};
        OptionsModel model = f.Model();
        model.Values().shownDriver = QStringLiteral("Bob");

        f.prompter.Expect("Delete driver Bob?", Answer::Cancel);
        f.prompter.Expect("Delete driver Bob?", Answer::Ok);
        QVERIFY(!model.DeleteDriver());
        QCOMPARE(model.Values().drivers.size(), 2);
        QVERIFY(model.DeleteDriver());
        QCOMPARE(f.prompter.questions, (QStringList{"Delete driver Bob?", "Delete driver Bob?"}));
        QCOMPARE(model.Values().drivers, QStringList{"Ann"});
        QCOMPARE(model.Values().shownDriver, QStringLiteral("Ann"));

        // A typed name that is not in the list is ignored.
        model.Values().shownDriver = QStringLiteral("Zed");
        f.prompter.Expect("Delete driver Zed?", Answer::Ok);
        model.DeleteDriver();
        QCOMPARE(model.Values().drivers, QStringList{"Ann"});

        // Deleting the last driver leaves the box empty.
        f.prompter.Expect("Delete driver Ann?", Answer::Ok);
        model.DeleteDriver();
        QVERIFY(model.Values().drivers.isEmpty());
        QVERIFY(model.Values().shownDriver.isEmpty());
    }

    void lapsLimitCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QString>("accepted");
        QTest::newRow("integer") << "12" << false << "12";
        QTest::newRow("empty while typing") << "" << false << "10";
        QTest::newRow("letters") << "1x" << true << "10";
        QTest::newRow("decimal") << "2.5" << true << "10";
    }
    void lapsLimitCheck() {
        QFETCH(QString, text);
        QFETCH(bool, fails);
        Fixture f;
        const auto message = OptionsModel::CheckLapsLimit(text);
        QCOMPARE(message.has_value(), fails);
        if (fails) QCOMPARE(*message, QStringLiteral("Bad format, it must be an integer!"));
        OptionsModel model = f.Model();
        model.Values().lapsLimitText = text;
        QTEST(model.Accept().lapsLimitText, "accepted");
    }

    void coloursChangeAndDefaults() {
        Fixture f;
        OptionsModel model = f.Model();
        f.prompter.colours = {quint32(0x0000FF), std::nullopt};
        QVERIFY(model.ChangeColour(HtmlColour::Text));
        QVERIFY(!model.ChangeColour(HtmlColour::Background));
        QCOMPARE(model.Values().colours[3], quint32(0x0000FF));
        QCOMPARE(model.Values().colours[0], quint32(0xFFFFFF));
        model.Values().colours = {1, 2, 3, 4};
        model.DefaultColours();
        QCOMPARE(model.Values().colours, (std::array<quint32, 4>{0xFFFFFF, 0x999966, 0xCCCCCC, 0}));
    }

    void unchangedOptionsWriteNothing() {
        Fixture f;
        f.state->Settings().drivers = QStringList{"Ann"};
        OptionsModel model = f.Model();
        QVERIFY(!ApplyOptions(model.Accept(), *f.state));
        QVERIFY(!f.SettingsWritten());
    }

    void onlyColoursWriteTheSettingsFile() {
        Fixture f;
        OptionsModel model = f.Model();
        model.Values().colours[0] = 0x00FF00;
        QVERIFY(ApplyOptions(model.Accept(), *f.state));
        QVERIFY(f.SettingsWritten());
        QCOMPARE(LoadSettingsFile(f.SettingsPath(), 0, {}).htmlBgColor, 0x00FF00);
    }

    void lapsLimitAndPercentAreTakenOverWithoutWriting() {
        Fixture f;
        OptionsModel model = f.Model();
        model.Values().lapsLimitText = QStringLiteral("30");
        model.Values().percentText = QStringLiteral("80");
        QList<int> percents;
        OptionsHooks hooks;
        hooks.lapTimersPercent = [&](int p) { percents << p; };
        QVERIFY(!ApplyOptions(model.Accept(), *f.state, hooks));
        QVERIFY(!f.SettingsWritten());
        QCOMPARE(f.state->Settings().htmlSessionMaxLapsToShow, 30);
        QCOMPARE(f.state->Settings().percentForMean, 80);
        QCOMPARE(percents, QList<int>{80});

        // A percentage that is no integer leaves the lap timers alone.
        OptionsModel again = f.Model();
        again.Values().percentText = QStringLiteral("8o");
        ApplyOptions(again.Accept(), *f.state, hooks);
        QCOMPARE(f.state->Settings().percentForMean, 80);
        QCOMPARE(percents.size(), 1);
    }

    void appliesInOrderAndWritesBeforeWeatherRecompute() {
        Fixture f;
        f.state->Settings().drivers = QStringList{"Ann", "Bob"};
        f.state->Settings().sessionLastDriver = {"Ann", "Bob", "Cid", ""};
        UnitCaptions& units = f.state->Units();
        Connections keep;
        QStringList events;
        keep +=
            units.AddDistanceCaption("Length [m]", "Length [miles]", [&](const QString& t) { events << t; });
        keep += units.AddVolumeCaption("litres", "gallons", [&](const QString& t) { events << t; });
        OptionsHooks hooks;
        hooks.pressureLabel = [&](const QString& t) { events << "pressure " + t; };
        hooks.temperatureLabels = [&](const QString& t) { events << "temperature " + t; };
        hooks.airDensityDisplay = [&](bool ad) { events << (ad ? "AD" : "RAD"); };
        hooks.lapTimersPercent = [&](int p) { events << QString::number(p); };
        hooks.driverBoxes = [&](const QStringList& d) { events << "drivers " + d.join(u','); };
        hooks.weatherUnitsChanged = [&] {
            events << (f.SettingsWritten() ? "weather after save" : "weather");
        };

        OptionsModel model = f.Model();
        OptionsValues& v = model.Values();
        v.pressureItem = 2;
        v.temperatureItem = 1;
        v.unitSystemItem = 1;
        v.airDensityItem = 1;
        v.percentText = QStringLiteral("50");
        v.drivers = QStringList{"Bob", "Dan"};
        QVERIFY(ApplyOptions(model.Accept(), *f.state, hooks));
        QCOMPARE(events, (QStringList{"pressure in Hg", "temperature F", "Length [miles]", "gallons", "AD",
                                      "50", "drivers Bob,Dan", "weather after save"}));
        const ProgramSettings& s = f.state->Settings();
        QCOMPARE(s.pressureUnit, QStringLiteral("in Hg"));
        QCOMPARE(s.temperatureUnit, QStringLiteral("Fahrenheit"));
        QCOMPARE(s.systemUnit, QStringLiteral("US Standard"));
        QVERIFY(s.useAd);
        // Only the names still known stay in the driver boxes.
        QCOMPARE(s.sessionLastDriver, (std::array<QString, 4>{"", "Bob", "", ""}));
    }

    void unitSystemRoundTripConvertsShownValues() {
        Fixture f;
        ShownDistance length{QStringLiteral("1609"), {}, 0};
        QString fuel = QStringLiteral("10");
        UnitCaptions& units = f.state->Units();
        Connections keep;
        keep += units.AddDistanceCaption("Length [m]", "Length [miles]",
                                         [&](const QString& t) { length.caption = t; });
        keep += units.AddDistanceField(
            DistanceKind::TrackLength, [&] { return length.text; },
            [&](const QString& t) {
                length.text = t;
                ++length.writes;
            });
        keep += units.AddVolumeField([&] { return fuel; }, [&](const QString& t) { fuel = t; });

        auto choose = [&](int system) {
            OptionsModel model = f.Model();
            model.Values().unitSystemItem = system;
            return ApplyOptions(model.Accept(), *f.state);
        };
        QVERIFY(choose(1));
        QCOMPARE(length.text, QStringLiteral("1.000"));
        QCOMPARE(length.caption, QStringLiteral("Length [miles]"));
        QCOMPARE(f.state->Units().Units().volume, QStringLiteral("gallons (US)"));

        // US to imperial changes only the volume unit.
        const int writes = length.writes;
        const QString usFuel = fuel;
        QVERIFY(choose(2));
        QCOMPARE(length.writes, writes);
        QVERIFY(fuel != usFuel);

        QVERIFY(choose(0));
        QCOMPARE(length.text, QStringLiteral("1609.0"));
        QCOMPARE(length.caption, QStringLiteral("Length [m]"));
        QCOMPARE(f.state->Units().Units().volume, QStringLiteral("litres"));
        QCOMPARE(LoadSettingsFile(f.SettingsPath(), 0, {}).systemUnit, QStringLiteral("Metric"));
    }

    void startupAppliesTheStoredUnitSystem() {
        Fixture f;
        QFile file(f.SettingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[general]\r\nsystem_unit=Imperial Standard;\r\n");
        file.close();
        QString caption;
        QString length = QStringLiteral("1609");
        Connections keep;
        keep += f.state->Units().AddDistanceCaption("Length [m]", "Length [miles]",
                                                    [&](const QString& t) { caption = t; });
        keep += f.state->Units().AddDistanceField(
            DistanceKind::TrackLength, [&] { return length; }, [&](const QString& t) { length = t; });
        RecordingStartupView view;
        StartupSequence sequence(*f.state, view);
        QVERIFY(sequence.Run(false));
        QCOMPARE(f.state->Units().Units().distance, QStringLiteral("miles"));
        QCOMPARE(f.state->Units().Units().volume, QStringLiteral("gallons (Imperial)"));
        QCOMPARE(caption, QStringLiteral("Length [miles]"));
        QCOMPARE(length, QStringLiteral("1.000")); // file values are metric
    }
};

QTEST_GUILESS_MAIN(TstOptions)
#include "tst_options.moc"
