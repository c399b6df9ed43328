// Reading and writing setups: older key sets and their fallbacks, the "miles" conversions, the vehicle
// check and a write/read round trip per vehicle type.
#include "recording_prompter.h"
#include "setup_test_helpers.h"
#include "unreadable_file.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(VehicleType)

class TestSetupFiles : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tablesAddressEveryValueOnce();
    void readingRules_data();
    void readingRules();
    void useGearingSymbolsZeroKeepsCheckedBox();
    void milesShowsConvertedAndStoresMetric_data();
    void milesShowsConvertedAndStoresMetric();
    void switchingUnitsBackRestoresReadValues();
    void vehicleMismatchChangesNothing();
    void unreadableFileChangesNothing();
    void fileWithoutVehicleLoadsForEveryVehicle();
    void writeReadRoundTrip_data();
    void writeReadRoundTrip();
};

void TestSetupFiles::tablesAddressEveryValueOnce() {
    // Two values under one section and key would overwrite each other in the file.
    QSet<QString> ids;
    for (const SetupField& field : SetupFields()) {
        QVERIFY2(!ids.contains(field.Id()), qPrintable(field.Id()));
        ids.insert(field.Id());
    }
    for (size_t g = 0; g < SetupGrids().size(); ++g) {
        const SetupGrid& grid = SetupGrids()[g];
        QCOMPARE(int(grid.id), int(g));
        for (const GridColumn& column : grid.columns)
            for (const GridRow& row : grid.rows) {
                QVERIFY2(!ids.contains(CellId(column, row)), qPrintable(CellId(column, row)));
                ids.insert(CellId(column, row));
            }
    }
    for (SetupArea area : kSetupAreaOrder)
        QCOMPARE(SetupAreaInfoOf(area).area, area);
}

void TestSetupFiles::readingRules_data() {
    QTest::addColumn<VehicleType>("vehicle");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");
    const auto car = VehicleType::Car, mc = VehicleType::Motorcycle, kart = VehicleType::Kart,
               sidecar = VehicleType::Sidecar;

    QTest::newRow("car older damper key") << car << "[suspension]\nfl_spring=200;\n"
                                          << "front_left_susp/spring"
                                          << "200";
    QTest::newRow("car older wheel angles by name")
        << car << "[suspension]\nfl_toein=1;\nfl_bump_steer=2;\nrr_toeout=3;\n"
        << "front_left_susp/bump_steer"
        << "2";
    QTest::newRow("car older toe-in by name") << car << "[suspension]\nfl_toein=1;\nfl_bump_steer=2;\n"
                                              << "front_left_susp/toein"
                                              << "1";
    QTest::newRow("car older monoshock") << car << "[suspension]\nf_mono_bump_slow=4;\n"
                                         << "front_susp/bump_slow"
                                         << "4";
    QTest::newRow("car older roll bar") << car << "[suspension]\nr_rollbar=9;\n"
                                        << "rear_susp/r_rollbar"
                                        << "9";
    QTest::newRow("car roll bar from rollbar") << car << "[front_susp]\nrollbar=R;\n"
                                               << "front_susp/f_rollbar"
                                               << "R";
    QTest::newRow("car ride height from rideheight") << car << "[rear_susp]\nrideheight=30;\n"
                                                     << "rear_susp/r_rideheight"
                                                     << "30";
    // Empty grids let the older set be read; a field whose older key is absent keeps its current value.
    QTest::newRow("car empty grids keep current roll bar")
        << car << "[front_susp]\nf_rollbar=A;\nf_rideheight=H;\n"
        << "front_susp/f_rollbar"
        << "A";
    QTest::newRow("car empty grids keep current ride height")
        << car << "[front_susp]\nf_rideheight=H;\n[suspension]\nfl_spring=1;\n"
        << "front_susp/f_rideheight"
        << "H";
    QTest::newRow("car current grid blocks older set")
        << car << "[front_right_susp]\ncamber=-2;\n[suspension]\nfl_spring=200;\n"
        << "front_left_susp/spring"
        << "";

    QTest::newRow("mc current keys block older set")
        << mc << "[suspension_front]\nfork_id=WP;\n[suspension]\ncompression_front=12;\n"
        << "suspension_front/compression"
        << "";
    QTest::newRow("mc older compression") << mc << "[suspension]\ncompression_front=12;\n"
                                          << "suspension_front/compression"
                                          << "12";
    QTest::newRow("mc older swingarm pivot from its partner key")
        << mc << "[suspension]\naxle_to_swingarm_distance=5;\n"
        << "suspension_rear/swingarm_pivot_pos"
        << "5";
    QTest::newRow("mc older rear ride height") << mc << "[suspension]\nrear_rideheight=7;\n"
                                               << "suspension_rear/rideheight"
                                               << "7";
    QTest::newRow("mc detailed field blocks older set")
        << mc << "[suspension_rear]\nifp_position=40;\n[suspension]\ncompression_rear=3;\n"
        << "suspension_rear/compression"
        << "";
    QTest::newRow("mc detailed field survives")
        << mc << "[suspension_rear]\nifp_position=40;\n[suspension]\ncompression_rear=3;\n"
        << "suspension_rear/ifp_position"
        << "40";
    QTest::newRow("mc shim stack survives") << mc
                                            << "[suspension_front]\nrebound_shim_stack_1=list_begin;\n20x0."
                                               "1\n18x0.1\nrebound_shim_stack_1=list_end;\n"
                                            << "suspension_front/rebound_shim_stack_1"
                                            << "20x0.1\n18x0.1";
    QTest::newRow("mc list block needs its marker")
        << mc << "[suspension_front]\nrebound_shim_stack_1=20x0.1;\n"
        << "suspension_front/rebound_shim_stack_1"
        << "";
    QTest::newRow("sidecar older toe-in") << sidecar << "[suspension]\nside_toein=2;\n"
                                          << "suspension/side_toein"
                                          << "2";

    QTest::newRow("kart older caster") << kart << "[suspension]\nkart_f_caster=12;\n"
                                       << "suspension_front/kart_caster"
                                       << "12";
    QTest::newRow("kart older rear camber") << kart << "[suspension]\nkart_rr_camber=-1;\n"
                                            << "suspension_rear/kart_rr_camber"
                                            << "-1";
    QTest::newRow("kart current keys block older set")
        << kart << "[suspension_rear]\nkart_toein=1;\n[suspension]\nkart_f_caster=12;\n"
        << "suspension_front/kart_caster"
        << "";

    QTest::newRow("bike older tire key") << mc << "[tires]\nbrand_rear=Dunlop;\n"
                                         << "rear_tire/brand"
                                         << "Dunlop";
    QTest::newRow("sidecar older side tire") << sidecar << "[tires]\nid_side=T7;\n"
                                             << "side_tire/id"
                                             << "T7";
    QTest::newRow("mc reads no side tire") << mc << "[side_tire]\nid=T7;\n"
                                           << "side_tire/id"
                                           << "";
    QTest::newRow("four-wheel older rear right mileage") << car << "[tires]\nfl_mileage=10;\nrr_mileage=40;\n"
                                                         << "rear_right_tire/mileage"
                                                         << "40";
    QTest::newRow("four-wheel older circumference") << kart << "[tires]\nrl_circumference=880;\n"
                                                    << "rear_left_tire/circumference"
                                                    << "880";
    QTest::newRow("tire grid with text blocks older set")
        << car << "[front_left_tire]\nid=A;\n[tires]\nrr_mileage=40;\n"
        << "rear_right_tire/mileage"
        << "";

    QTest::newRow("older dyno key wins, rpm")
        << mc << "[engine]\ndyno_2000=11;\ndyno_rpm_1=9000;\ndyno_power_1=50;\n"
        << "engine/dyno_rpm_1"
        << "2000";
    QTest::newRow("older dyno key wins, power")
        << mc << "[engine]\ndyno_2000=11;\ndyno_rpm_1=9000;\ndyno_power_1=50;\n"
        << "engine/dyno_power_1"
        << "11";
    QTest::newRow("older dyno keys fill rows in rpm order") << mc << "[engine]\ndyno_9500=40;\ndyno_1500=5;\n"
                                                            << "engine/dyno_rpm_2"
                                                            << "9500";
    QTest::newRow("current dyno keys") << mc << "[engine]\ndyno_rpm_42=9000;\n"
                                       << "engine/dyno_rpm_42"
                                       << "9000";

    QTest::newRow("cylinders missing") << mc << "[jetting]\n"
                                       << "jetting/num_of_cylinders"
                                       << "1";
    QTest::newRow("cylinders above 5") << mc << "[jetting]\nnum_of_cylinders=9;\n"
                                       << "jetting/num_of_cylinders"
                                       << "5";
    QTest::newRow("cylinders 0") << mc << "[jetting]\nnum_of_cylinders=0;\n"
                                 << "jetting/num_of_cylinders"
                                 << "1";
    QTest::newRow("cylinders no number") << mc << "[jetting]\nnum_of_cylinders=two;\n"
                                         << "jetting/num_of_cylinders"
                                         << "1";
    QTest::newRow("jetting cell") << mc << "[cylinder_3]\nmain_jet=160;\n"
                                  << "cylinder_3/main_jet"
                                  << "160";

    QTest::newRow("notes block") << mc << "[general]\nnotes=notes_begin;\nwet track\nsoft\nnotes=notes_end;\n"
                                 << "general/notes"
                                 << "wet track\nsoft";
    QTest::newRow("notes without block") << mc << "[general]\nnotes=dry;\n"
                                         << "general/notes"
                                         << "";
    QTest::newRow("shaft drive needs true") << mc << "[gearing]\nuses_shaftdrive=yes;\n"
                                            << "gearing/uses_shaftdrive"
                                            << "";
    QTest::newRow("shaft drive") << mc << "[gearing]\nuses_shaftdrive=true;\n"
                                 << "gearing/uses_shaftdrive"
                                 << "true";
    QTest::newRow("kart has no car wheel track") << kart << "[general]\nf_wheel_track=1200;\n"
                                                 << "general/f_wheel_track"
                                                 << "";
}

void TestSetupFiles::readingRules() {
    QFETCH(VehicleType, vehicle);
    QFETCH(QString, file);
    QFETCH(QString, id);
    QFETCH(QString, expected);
    SetupModel model(vehicle);
    QVERIFY(OpenText(model, file));
    QCOMPARE(ValueOf(model, id), expected);
}

void TestSetupFiles::useGearingSymbolsZeroKeepsCheckedBox() {
    const QString section = QStringLiteral("gearing"), key = QStringLiteral("use_gearing_symbols");
    SetupModel model;
    QVERIFY(OpenText(model, "[gearing]\nuse_gearing_symbols=1;\n"));
    QVERIFY(model.IsChecked(section, key));
    for (const char* file :
         {"[gearing]\nuse_gearing_symbols=0;\n", "[gearing]\nuse_gearing_symbols=yes;\n", ""}) {
        QVERIFY(OpenText(model, file));
        QVERIFY2(model.IsChecked(section, key), file);
    }
    model.SetChecked(section, key, false);
    QVERIFY(WrittenSetup(model).contains("use_gearing_symbols=0;"));
}

void TestSetupFiles::milesShowsConvertedAndStoresMetric_data() {
    QTest::addColumn<VehicleType>("vehicle");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");       // a new value typed in miles
    QTest::addColumn<QString>("typedStored"); // what the file then holds

    QTest::newRow("front sag") << VehicleType::Motorcycle << "[suspension_front]\nsag_no_rider=25.4;\n"
                               << "suspension_front/sag_no_rider"
                               << "1.000"
                               << "2"
                               << "50.8";
    QTest::newRow("older rear sag") << VehicleType::Sidecar << "[suspension]\nsag_with_rider_rear=127;\n"
                                    << "suspension_rear/sag_with_rider"
                                    << "5.000"
                                    << "1.5"
                                    << "38.1";
    QTest::newRow("tire mileage") << VehicleType::Car << "[front_left_tire]\nmileage=1609;\n"
                                  << "front_left_tire/mileage"
                                  << "1000.000"
                                  << "10"
                                  << "16.09";
    QTest::newRow("older tire mileage") << VehicleType::Kart << "[tires]\nrr_mileage=1609;\n"
                                        << "rear_right_tire/mileage"
                                        << "1000.000"
                                        << "1"
                                        << "1.609";
    QTest::newRow("circumference kept exact") << VehicleType::Car << "[rear_left_tire]\ncircumference=100;\n"
                                              << "rear_left_tire/circumference"
                                              << "3.937"
                                              << "4"
                                              << "101.6";
    QTest::newRow("drive tire circumference")
        << VehicleType::Motorcycle << "[gearing]\ntire_circumference=1900;\n"
        << "gearing/tire_circumference"
        << "74.803"
        << "75"
        << "1905";
    QTest::newRow("bike mileage text") << VehicleType::Motorcycle << "[rear_tire]\nmileage=new;\n"
                                       << "rear_tire/mileage"
                                       << "new"
                                       << "___"
                                       << "___";
}

void TestSetupFiles::milesShowsConvertedAndStoresMetric() {
    QFETCH(VehicleType, vehicle);
    QFETCH(QString, file);
    QFETCH(QString, id);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, typedStored);
    const QString section = id.section(QLatin1Char('/'), 0, 0), key = id.section(QLatin1Char('/'), 1);

    SetupModel model(vehicle);
    model.ApplyDistanceUnit(true);
    QVERIFY(OpenText(model, file));
    QCOMPARE(ValueOf(model, id), shown);

    // Saved unchanged, the file keeps exactly what was read (no 100 -> 99.9998 drift).
    SetupModel metric(vehicle);
    TTxtParser reader;
    reader.OpenReadText(WrittenSetup(model));
    QVERIFY(metric.OpenSetup(QString(), &reader));
    SetupModel original(vehicle);
    QVERIFY(OpenText(original, file));
    QCOMPARE(ValueOf(metric, id), ValueOf(original, id));

    // A value typed in miles is stored converted back, in the precise form.
    const int field = FieldIndex(section, key);
    if (field >= 0) {
        model.SetFieldText(field, typed);
    } else {
        for (const SetupGrid& grid : SetupGrids())
            for (size_t r = 0; r < grid.rows.size(); ++r)
                for (size_t c = 0; c < grid.columns.size(); ++c)
                    if (CellId(grid.columns[c], grid.rows[r]) == id)
                        model.SetCell(grid.id, int(r), int(c), typed);
    }
    TTxtParser again;
    again.OpenReadText(WrittenSetup(model));
    QCOMPARE(again.ReadValue(section, key), typedStored);
}

void TestSetupFiles::switchingUnitsBackRestoresReadValues() {
    SetupModel model(VehicleType::Car);
    QVERIFY(OpenText(model, "[front_left_tire]\ncircumference=100;\nmileage=7;\n"));
    model.ApplyDistanceUnit(true);
    QCOMPARE(ValueOf(model, "front_left_tire/circumference"), QStringLiteral("3.937"));
    QCOMPARE(ValueOf(model, "front_left_tire/mileage"), QStringLiteral("4.351"));
    QVERIFY(!model.IsChanged());
    model.ApplyDistanceUnit(false);
    QCOMPARE(ValueOf(model, "front_left_tire/circumference"), QStringLiteral("100"));
    QCOMPARE(ValueOf(model, "front_left_tire/mileage"), QStringLiteral("7"));
    QVERIFY(!model.IsChanged());
}

// A setup that exists but cannot be read must not become the current setup as an empty one: the next
// session save would write it over the session's own.
void TestSetupFiles::unreadableFileChangesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.set"));
    QVERIFY(MakeUnreadable(path));
    RecordingPrompter prompter;
    SetupModel model(VehicleType::Motorcycle, &prompter);
    QVERIFY(OpenText(model, QStringLiteral("[general]\nframe=mine;\n")));
    QCOMPARE(model.FileName(), QStringLiteral("test.set"));

    prompter.ExpectError(QStringLiteral("Cannot read ") + path + QStringLiteral(": *"));
    prompter.ExpectError(QStringLiteral("Cannot read ") + path + QStringLiteral(": *"));
    QVERIFY(!model.OpenSetup(path));
    QVERIFY(!model.LoadSetupArea(SetupArea::General, path));
    QVERIFY(prompter.ScriptDone());
    QCOMPARE(model.Text(QStringLiteral("general"), QStringLiteral("frame")), QStringLiteral("mine"));
    QCOMPARE(model.FileName(), QStringLiteral("test.set"));
    QVERIFY(!model.IsChanged());
}

void TestSetupFiles::vehicleMismatchChangesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kart.set"));
    {
        TTxtParser writer;
        writer.OpenWrite(path);
        writer.WriteSection(QStringLiteral("information"));
        writer.WriteValue(QStringLiteral("vehicle"), QStringLiteral("gokart"));
        writer.WriteSection(QStringLiteral("general"));
        writer.WriteValue(QStringLiteral("frame"), QStringLiteral("kart frame"));
        QVERIFY(writer.Close().has_value());
    }
    RecordingPrompter prompter;
    SetupModel model(VehicleType::Motorcycle, &prompter);
    model.SetText(QStringLiteral("general"), QStringLiteral("frame"), QStringLiteral("mine"));
    const QString message =
        QStringLiteral("Vehicle types doesn't match!\nChange vehicle to kart to open this setup.");
    prompter.ExpectError(message);
    prompter.ExpectError(message);
    QVERIFY(!model.OpenSetup(path));
    QVERIFY(!model.LoadSetupArea(SetupArea::General, path));
    QVERIFY(prompter.ScriptDone());
    QCOMPARE(model.Text(QStringLiteral("general"), QStringLiteral("frame")), QStringLiteral("mine"));
    QVERIFY(model.IsChanged());
    QVERIFY(model.FileName().isEmpty());

    SetupModel kart(VehicleType::Kart, &prompter);
    QVERIFY(kart.OpenSetup(path));
    QCOMPARE(kart.Text(QStringLiteral("general"), QStringLiteral("frame")), QStringLiteral("kart frame"));
    QCOMPARE(kart.FileName(), path); // and no further error: the prompter fails the test on any
}

void TestSetupFiles::fileWithoutVehicleLoadsForEveryVehicle() {
    for (VehicleType vehicle :
         {VehicleType::Motorcycle, VehicleType::Sidecar, VehicleType::Kart, VehicleType::Car}) {
        RecordingPrompter prompter;
        SetupModel model(vehicle, &prompter);
        QVERIFY(OpenText(model, "[engine]\nbore=54;\n"));
        QCOMPARE(model.Text(QStringLiteral("engine"), QStringLiteral("bore")), QStringLiteral("54"));
        QVERIFY(prompter.ScriptDone()); // and no error: the prompter fails the test on any
    }
    // A missing file reads as empty: every field of the loaded areas is emptied.
    SetupModel model;
    model.SetText(QStringLiteral("engine"), QStringLiteral("bore"), QStringLiteral("54"));
    QVERIFY(model.OpenSetup(QStringLiteral("/nonexistent/none.set")));
    QCOMPARE(model.Text(QStringLiteral("engine"), QStringLiteral("bore")), QString());
}

void TestSetupFiles::writeReadRoundTrip_data() {
    QTest::addColumn<VehicleType>("vehicle");
    QTest::addColumn<bool>("miles");
    QTest::newRow("motorcycle") << VehicleType::Motorcycle << false;
    QTest::newRow("sidecar") << VehicleType::Sidecar << false;
    QTest::newRow("kart") << VehicleType::Kart << false;
    QTest::newRow("car") << VehicleType::Car << false;
    QTest::newRow("car in miles") << VehicleType::Car << true;
    QTest::newRow("sidecar in miles") << VehicleType::Sidecar << true;
}

void TestSetupFiles::writeReadRoundTrip() {
    QFETCH(VehicleType, vehicle);
    QFETCH(bool, miles);
    SetupModel model(vehicle);
    model.ApplyDistanceUnit(miles);
    // A distinct value in every field and cell the vehicle has; numbers where lengths are converted.
    int n = 0;
    for (SetupArea area : kSetupAreaOrder) {
        if (!model.HasArea(area)) continue;
        model.SetSelectedName(area, QStringLiteral("part ") + QString::number(++n));
        for (int index : model.AreaFields(area)) {
            const SetupField& field = SetupFields()[size_t(index)];
            QString value = QStringLiteral("v%1").arg(++n);
            if (field.control == ControlKind::CheckBox)
                value = QStringLiteral("true");
            else if (field.form == StoredForm::ListBlock)
                value = QStringLiteral("line %1\nline two").arg(n);
            else if (field.form == StoredForm::TextBlock) // the only block of its section
                value = QStringLiteral("line %1\n[wet]\n\nlast").arg(n);
            else if (field.key == QLatin1String("num_of_cylinders"))
                value = QStringLiteral("3");
            else if (field.conversion != DistanceConversion::None)
                value = QString::number(n) + QStringLiteral(".500"); // as the page shows it
            model.SetFieldText(index, value);
        }
        for (GridId id : model.AreaGrids(area)) {
            const SetupGrid& grid = Grid(id);
            for (size_t r = 0; r < grid.rows.size(); ++r)
                for (size_t c = 0; c < grid.columns.size(); ++c)
                    if (AppliesTo(grid.columns[c].vehicles, vehicle))
                        model.SetCell(id, int(r), int(c),
                                      grid.rows[r].conversion != DistanceConversion::None
                                          ? QString::number(++n) + QStringLiteral(".250")
                                          : QStringLiteral("c%1").arg(++n));
        }
    }
    const QString written = WrittenSetup(model);
    QVERIFY(!written.contains(QLatin1String("list_begin;\r\n\r\n"))); // no stray empty line in blocks

    SetupModel loaded(vehicle);
    loaded.ApplyDistanceUnit(miles);
    TTxtParser reader;
    reader.OpenReadText(written);
    QVERIFY(loaded.OpenSetup(QString(), &reader));
    for (SetupArea area : kSetupAreaOrder) {
        QCOMPARE(loaded.SelectedName(area), model.SelectedName(area));
        for (int index : model.AreaFields(area))
            QVERIFY2(loaded.Record().Field(index) == model.Record().Field(index),
                     qPrintable(SetupFields()[size_t(index)].Id() + QLatin1Char(' ') +
                                loaded.Record().Field(index)));
        for (GridId id : model.AreaGrids(area))
            QVERIFY(loaded.Record().grids[size_t(id)] == model.Record().grids[size_t(id)]);
    }

    // Only the vehicle's own layout is written, with current keys only.
    const bool bike = vehicle == VehicleType::Motorcycle || vehicle == VehicleType::Sidecar;
    QCOMPARE(written.contains(QLatin1String("[front_tire]")), bike);
    QCOMPARE(written.contains(QLatin1String("[front_left_tire]")), !bike);
    QCOMPARE(written.contains(QLatin1String("[side_tire]")), vehicle == VehicleType::Sidecar);
    QCOMPARE(written.contains(QLatin1String("[aerodynamics]")), !bike);
    QCOMPARE(written.contains(QLatin1String("[front_left_susp]")), vehicle == VehicleType::Car);
    TTxtParser check;
    check.OpenReadText(written);
    for (const SetupField& field : SetupFields())
        if (!field.olderKey.isEmpty() && FieldIndex(field.olderSection, field.olderKey) < 0)
            QVERIFY2(check.ReadValue(field.olderSection, field.olderKey).isEmpty(),
                     qPrintable(field.olderKey));
    for (const SetupGrid& grid : SetupGrids())
        for (const GridColumn& column : grid.columns)
            for (const GridRow& row : grid.rows)
                if (!grid.olderSection.isEmpty())
                    QVERIFY(
                        check.ReadValue(grid.olderSection, column.olderPrefix + row.key + column.olderSuffix)
                            .isEmpty());
}

QTEST_GUILESS_MAIN(TestSetupFiles)
#include "tst_setup_files.moc"
