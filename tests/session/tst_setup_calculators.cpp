// The calculators kept in step with the setup: loading reads them, page edits go into both, the rpm
// figures move the speeds without being an edit, symbols fill the setup's teeth, dyno edits reach the
// optimal shift and an open power chart; the jetting guru's values as the settings keep them.
#include "app/program_settings.h"
#include "calc/jetting_guru_settings.h"
#include "session/setup_calculators.h"
#include "session/setup_model.h"
#include "storage/txt_parser.h"

#include <QTest>

namespace {

const QString kGearing = QStringLiteral("gearing");

// Primary 1/1, final 14/42, gears 12/36 and 12/24, 1900 mm, 7000 rpm, low limit 5000; dyno 6000/50,
// 8000/70, 10000/80, 12000/60.
bool OpenFixture(SetupModel& setup) {
    return setup.OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set"));
}

struct Rig {
    SetupModel setup{VehicleType::Motorcycle};
    SetupCalculators calculators{setup};
    int redraws = 0;
    Connection counting = calculators.changed.Connect([this] { ++redraws; });
    const GearingView& View() const { return calculators.Gearing().View(); }
};

} // namespace

class TestSetupCalculators : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void loadingFillsTheCalculatorsWithoutAnEdit();
    void pageEditsGoIntoTheSetup();
    void symbolsFillTheSetupsTeeth();
    void dynoEditsReachOptimalShiftAndOpenPowerChart();
    void loadingAnotherSetupEmptiesTheFigures();
    void jettingSettingsRoundTrip();
};

void TestSetupCalculators::loadingFillsTheCalculatorsWithoutAnEdit() {
    Rig rig;
    QVERIFY(OpenFixture(rig.setup));
    QVERIFY(!rig.setup.IsChanged());
    QCOMPARE(rig.View().gears[0].speed, QString("88.67 km/h"));
    QCOMPARE(rig.View().gears[1].rpm, QString("4667"));
    QVERIFY(rig.View().gears[1].rpmWarning); // below the low limit of 5000
    QCOMPARE(rig.View().finalRatio, QString("3.000"));
    QCOMPARE(rig.calculators.Dyno().Rpm(2), 10000);
    QCOMPARE(rig.calculators.Dyno().TorqueText(0), QString("59.35"));
    QCOMPARE(rig.calculators.Dyno().TorqueText(4), QString());
    QVERIFY(rig.redraws > 0);
}

void TestSetupCalculators::pageEditsGoIntoTheSetup() {
    Rig rig;
    QVERIFY(OpenFixture(rig.setup));
    // The rpm only moves the figures: it is kept with the setup, but is no edit.
    rig.calculators.SetText(GearingField::Rpm, "8000");
    QCOMPARE(rig.setup.Text(kGearing, "rpm"), QString("8000"));
    QVERIFY(!rig.setup.IsChanged());
    QCOMPARE(rig.View().gears[0].speed, QString("101.33 km/h"));

    rig.calculators.SetText(GearingField::GearOutput, "30", 0);
    QCOMPARE(rig.setup.Text(kGearing, "output_first_gear"), QString("30"));
    QVERIFY(rig.setup.IsChanged());
    QCOMPARE(rig.View().gears[0].ratio, QString("2.500"));

    rig.calculators.ShaftDriveCheckBoxClick(true);
    QVERIFY(rig.setup.IsChecked(kGearing, "uses_shaftdrive"));
    QVERIFY(!rig.View().chainFieldsVisible);
    QCOMPARE(rig.View().gears[0].speed, QString()); // no shaft teeth yet

    // The fix speed belongs to the page only.
    rig.calculators.GearCalcModeComboBoxChange(GearCalcMode::FixSpeed);
    rig.calculators.SetText(GearingField::FixSpeed, "100");
    QCOMPARE(rig.calculators.Gearing().Inputs().fixSpeed, QString("100"));
}

void TestSetupCalculators::symbolsFillTheSetupsTeeth() {
    Rig rig;
    QVERIFY(OpenFixture(rig.setup));
    rig.calculators.UseGearSymbolsCheckBoxClick(true);
    QVERIFY(rig.setup.IsChecked(kGearing, "use_gearing_symbols"));
    rig.calculators.SymbolGridSetEditText(1, 0, GearSymbolColumn::Input, "13");
    rig.calculators.SymbolGridSetEditText(1, 0, GearSymbolColumn::Output, "26");
    rig.calculators.SymbolGridSetEditText(1, 0, GearSymbolColumn::Symbol, "B");
    // The symbol table is part of the setup; its first symbol became the gear's, with its teeth.
    QCOMPARE(rig.setup.Cell(GridId::GearSymbols2, 0, 0), QString("B"));
    QCOMPARE(rig.setup.Text(kGearing, "symbol_second_gear"), QString("B"));
    QCOMPARE(rig.setup.Text(kGearing, "input_second_gear"), QString("13"));
    QCOMPARE(rig.setup.Text(kGearing, "output_second_gear"), QString("26"));
    QCOMPARE(rig.View().gears[1].ratio, QString("2.000"));

    // Saved and read again, the symbols still choose the teeth.
    TTxtParser writer;
    writer.OpenWrite(QString());
    rig.setup.WriteSetupSections(writer);
    Rig again;
    TTxtParser reader;
    reader.OpenReadText(writer.WrittenText());
    QVERIFY(again.setup.OpenSetup("again.set", &reader));
    QVERIFY(again.calculators.Gearing().UseGearSymbols());
    QCOMPARE(again.View().symbolChoices[1], QStringList{"B"});
    QCOMPARE(again.calculators.Gearing().Inputs().gearInput[1], QString("13"));
    QVERIFY(!again.setup.IsChanged());
}

void TestSetupCalculators::dynoEditsReachOptimalShiftAndOpenPowerChart() {
    Rig rig;
    QVERIFY(OpenFixture(rig.setup));
    rig.calculators.GearCalcModeComboBoxChange(GearCalcMode::OptimalShiftRpm);
    // Gear 1 at 11400 rpm and gear 2 at 7600 give the same 66 hp.
    QCOMPARE(rig.View().gears[0].rpm, QString("11400"));
    QCOMPARE(rig.View().gears[0].drop, QString("3800"));
    rig.calculators.ShowPowerChartCBClick(true);
    const ChartSeries* gear1 = rig.calculators.PowerChart().Chart().FindSeries("Gear1");
    QVERIFY(gear1);
    QCOMPARE(gear1->points.size(), size_t(4));

    rig.calculators.SetDynoCell(4, 0, "14000");
    rig.calculators.SetDynoCell(4, 1, "40");
    QCOMPARE(rig.setup.Cell(GridId::Dyno, 4, 0), QString("14000"));
    QVERIFY(rig.setup.IsChanged());
    QCOMPARE(rig.calculators.PowerChart().Chart().FindSeries("Gear1")->points.size(), size_t(5));

    // Without any data point the optimal shift shows nothing.
    for (int row = 0; row < 5; ++row)
        rig.calculators.SetDynoCell(row, 0, QString());
    for (const GearRowView& row : rig.View().gears)
        QCOMPARE(row.rpm, QString());
    rig.calculators.PowerChartFormClose();
    QVERIFY(!rig.calculators.PowerChart().IsShown());
}

void TestSetupCalculators::loadingAnotherSetupEmptiesTheFigures() {
    Rig rig;
    QVERIFY(OpenFixture(rig.setup));
    TTxtParser reader;
    reader.OpenReadText("[information]\r\nvehicle=mc;\r\n");
    QVERIFY(rig.setup.OpenSetup("empty.set", &reader));
    QCOMPARE(rig.View().finalRatio, QString());
    QCOMPARE(rig.View().gears[0].speed, QString());
    QCOMPARE(rig.calculators.Dyno().HighestRpm(), 0);
    // A setup without a speed unit still shows km/h on the page.
    QCOMPARE(rig.calculators.Gearing().Inputs().speedUnit, QString("km/h"));
}

void TestSetupCalculators::jettingSettingsRoundTrip() {
    ProgramSettings settings;
    settings.jettingMethod = 1;
    settings.jettingJetTypeIndex = 1;
    settings.jettingRefRad1 = "95";
    settings.jettingRefRad2 = "105";
    settings.jettingGrid[18] = {"Main", "160", "170"};
    JettingGuruSettings guru = JettingSettingsFrom(settings);
    QCOMPARE(guru.method, JettingMethod::FourthRoot);
    QCOMPARE(guru.kind, JetSizeKind::Diameter);
    QCOMPARE(guru.rows[18], (JettingReferenceRow{"Main", "160", "170"}));

    guru.reference1 = "90";
    guru.rows[0].name = "Pilot";
    ProgramSettings stored;
    StoreJettingSettings(guru, stored);
    QCOMPARE(stored.jettingRefRad1, QString("90"));
    QCOMPARE(stored.jettingGrid[0][0], QString("Pilot"));
    QCOMPARE(JettingSettingsFrom(stored), guru);

    // An index outside the two entries keeps the default choice.
    settings.jettingMethod = 7;
    settings.jettingJetTypeIndex = -1;
    QCOMPARE(JettingSettingsFrom(settings).method, JettingMethod::Linear);
    QCOMPARE(JettingSettingsFrom(settings).kind, JetSizeKind::Flow);
}

QTEST_GUILESS_MAIN(TestSetupCalculators)
#include "tst_setup_calculators.moc"
