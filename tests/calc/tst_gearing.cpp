#include "calc/dyno_data.h"
#include "calc/gearing_model.h"

#include "gearing_fixture.h"
#include <QTest>

namespace {

std::array<DynoRowText, DynoRowCount> Rows(std::initializer_list<DynoRowText> rows) {
    std::array<DynoRowText, DynoRowCount> all;
    int at = 0;
    for (const DynoRowText& row : rows)
        all[at++] = row;
    return all;
}

} // namespace

class TestGearing : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void speedsPerUnit_data();
    void speedsPerUnit();
    void ratiosNeedWholeTeethButFinalDriveTakesDecimals();
    void shaftDriveUsesShaftRatio();
    void modeRows_data();
    void modeRows();
    void modeTextsAndCaptions();
    void optimalShiftFromDynoCurve();
    void optimalShiftEndsAtLastDynoRow();
    void optimalShiftWithoutDynoShowsNothing();
    void zerosShowNothingNeverNan_data();
    void zerosShowNothingNeverNan();
    void editsMarkSetupChangedButLimitsDoNot();
    void gearSymbolsFillTeeth();
    void gearSymbolsOffUnlocksTeethAndKeepsTypedTeethOnLoad();
};

void TestGearing::speedsPerUnit_data() {
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("miles");
    QTest::addColumn<QString>("circumference");
    QTest::addColumn<QString>("gear1");
    QTest::addColumn<QString>("gear2");
    QTest::newRow("km/h") << "km/h" << false << "1900"
                          << "88.67 km/h"
                          << "133.00 km/h";
    QTest::newRow("mph") << "mph" << false << "1900"
                         << "55.11 mph"
                         << "82.66 mph";
    // 74.803 in = 1900.0 mm: the inches of the miles system give the same speeds.
    QTest::newRow("inches") << "km/h" << true << "74.80315"
                            << "88.67 km/h"
                            << "133.00 km/h";
}

void TestGearing::speedsPerUnit() {
    QFETCH(QString, gear1);
    QFETCH(QString, gear2);
    QFETCH(QString, unit);
    QFETCH(bool, miles);
    QFETCH(QString, circumference);
    GearingModel model;
    model.SetDistanceUnitMiles(miles);
    GearingInputs in = BaseInputs();
    in.speedUnit = unit;
    in.tireCircumference = circumference;
    model.SetInputs(in);
    QCOMPARE(model.View().gears[0].speed, gear1);
    QCOMPARE(model.View().gears[1].speed, gear2);
    QCOMPARE(model.View().gears[2].speed, QString());
    QCOMPARE(model.View().finalRatio, QString("3.000"));
    QCOMPARE(model.View().primaryRatio, QString("1.000"));
    QCOMPARE(model.View().tireCircumferenceCaption,
             miles ? QString("Drive tire circumference [in]") : QString("Drive tire circumference [mm]"));
}

void TestGearing::ratiosNeedWholeTeethButFinalDriveTakesDecimals() {
    GearingModel model;
    GearingInputs in = BaseInputs();
    in.gearInput[0] = "14.5";
    in.countershaft = "14.5";
    in.gearOutput[1] = "0";
    model.SetInputs(in);
    QCOMPARE(model.View().gears[0].ratio, QString());
    QCOMPARE(model.View().gears[0].speed, QString());
    QCOMPARE(model.View().gears[1].ratio, QString()); // an output of 0 teeth
    QCOMPARE(model.View().finalRatio, QString("2.897"));

    in = BaseInputs();
    in.primaryInput.clear();
    model.SetInputs(in);
    QCOMPARE(model.View().gears[0].ratio, QString("3.000"));
    for (const GearRowView& row : model.View().gears)
        QVERIFY(row.speed.isEmpty() && row.rpm.isEmpty() && row.drop.isEmpty());
}

void TestGearing::shaftDriveUsesShaftRatio() {
    GearingModel model;
    GearingInputs in = BaseInputs();
    in.shaftInput = "10";
    in.shaftOutput = "30";
    in.countershaft = "15";
    model.SetInputs(in);
    QCOMPARE(model.View().finalRatio, QString("2.800"));
    model.ShaftDriveCheckBoxClick(true);
    QCOMPARE(model.View().finalRatio, QString("3.000"));
    QCOMPARE(model.View().chainFieldsVisible, false);
    QCOMPARE(model.View().gears[0].speed, QString("88.67 km/h"));
}

void TestGearing::modeRows_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("lowLimit");
    QTest::addColumn<QString>("fixSpeed");
    QTest::addColumn<int>("gear");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("rpm");
    QTest::addColumn<QString>("drop");
    QTest::addColumn<bool>("warning");
    const int normal = int(GearCalcMode::Normal);
    const int revLimit = int(GearCalcMode::FindRevLimit);
    const int fix = int(GearCalcMode::FixSpeed);
    QTest::newRow("normal row 1 empty") << normal << "5000"
                                        << "" << 0 << "88.67 km/h"
                                        << ""
                                        << "" << false;
    QTest::newRow("normal below low") << normal << "5000"
                                      << "" << 1 << "133.00 km/h"
                                      << "4667"
                                      << "2333" << true;
    QTest::newRow("normal above low") << normal << "4000"
                                      << "" << 1 << "133.00 km/h"
                                      << "4667"
                                      << "2333" << false;
    QTest::newRow("normal no low") << normal << ""
                                   << "" << 1 << "133.00 km/h"
                                   << "4667"
                                   << "2333" << false;
    QTest::newRow("rev limit above rpm") << revLimit << "6000"
                                         << "" << 0 << "114.00 km/h"
                                         << "9000"
                                         << "3000" << true;
    QTest::newRow("rev limit within") << revLimit << "4000"
                                      << "" << 0 << "76.00 km/h"
                                      << "6000"
                                      << "2000" << false;
    QTest::newRow("rev limit last gear") << revLimit << "6000"
                                         << "" << 1 << ""
                                         << ""
                                         << "" << false;
    QTest::newRow("fix above rpm") << fix << "6000"
                                   << "100" << 0 << "100.00 km/h"
                                   << "7895"
                                   << "" << true;
    QTest::newRow("fix below low") << fix << "6000"
                                   << "100" << 1 << "100.00 km/h"
                                   << "5263"
                                   << "" << true;
    QTest::newRow("fix within") << fix << "5000"
                                << "100" << 1 << "100.00 km/h"
                                << "5263"
                                << "" << false;
    QTest::newRow("fix speed 0") << fix << "5000"
                                 << "0" << 0 << ""
                                 << ""
                                 << "" << false;
}

void TestGearing::modeRows() {
    QFETCH(QString, lowLimit);
    QFETCH(QString, fixSpeed);
    QFETCH(QString, speed);
    QFETCH(QString, rpm);
    QFETCH(QString, drop);
    QFETCH(bool, warning);
    QFETCH(int, mode);
    QFETCH(int, gear);
    GearingModel model;
    GearingInputs in = BaseInputs();
    in.lowLimit = lowLimit;
    in.fixSpeed = fixSpeed;
    model.SetInputs(in);
    model.GearCalcModeComboBoxChange(GearCalcMode(mode));
    const GearRowView& row = model.View().gears[gear];
    QCOMPARE(row.speed, speed);
    QCOMPARE(row.rpm, rpm);
    QCOMPARE(row.drop, drop);
    QCOMPARE(row.rpmWarning, warning);
}

void TestGearing::modeTextsAndCaptions() {
    GearingModel model;
    QCOMPARE(model.View().rpmCaption, QString("Rpm at shifts"));
    QVERIFY(
        model.View().explanation.startsWith("The middle column contains the rpm you get when shifting up"));
    QVERIFY(!model.View().fixSpeedVisible);
    model.GearCalcModeComboBoxChange(GearCalcMode::FixSpeed);
    QCOMPARE(model.View().rpmCaption, QString("Rpm"));
    QVERIFY(model.View().fixSpeedVisible);
    QVERIFY(model.View().explanation.startsWith("Enter a fix speed"));
    model.GearCalcModeComboBoxChange(GearCalcMode::OptimalShiftRpm);
    QCOMPARE(
        model.View().explanation,
        QString("The middle column contains the optimal rpm prior to a shift based on your dyno curve.\n"
                "Shift there to keep maximum power.\nRpm value is colored red if it is off the limits."));
    QCOMPARE(GearCalcModeNames(),
             QStringList({"Normal", "Find rev limit", "Optimal shift rpm", "Fix speed"}));
    QCOMPARE(RpmChoices().first(), QString("1000"));
    QCOMPARE(RpmChoices().last(), QString("23000"));
    QCOMPARE(RpmChoices().size(), 45);
}

void TestGearing::optimalShiftFromDynoCurve() {
    // Power rises 1 hp per 100 rpm to 80 hp at 10000, then falls 1 hp per 100 rpm. Gear 1 (2.0) into
    // gear 2 (1.5) drops the rpm to 0.75: the powers cross at 11428.6 rpm, between the steps 11400
    // (66 vs 65.5 hp) and 11500 (65 vs 66.25 hp).
    DynoData dyno;
    dyno.SetRows(Rows({{"6000", "40"}, {"8000", "60"}, {"10000", "80"}, {"12000", "60"}, {"13000", "50"}}));
    GearingModel model(&dyno);
    GearingInputs in = BaseInputs();
    in.gearOutput[0] = "24";
    in.gearOutput[1] = "18";
    model.SetInputs(in);
    model.GearCalcModeComboBoxChange(GearCalcMode::OptimalShiftRpm);
    const GearRowView& row = model.View().gears[0];
    QCOMPARE(row.rpm, QString("11429"));
    QCOMPARE(row.drop, QString("2857")); // 11429 - round(8571.75)
    QCOMPARE(row.speed, QString("217.15 km/h"));
    QVERIFY(row.rpmWarning); // above the 7000 rpm limit
    in.rpm = "12000";
    model.SetInputs(in);
    QVERIFY(!model.View().gears[0].rpmWarning);
    QCOMPARE(model.View().gears[1].rpm, QString()); // no gear 3
}

void TestGearing::optimalShiftEndsAtLastDynoRow() {
    // Power still rising at the last row: the search steps once past it, where the power is 0, and
    // interpolates the crossing there: (10000 * 55.75 + 10100 * 25) / 80.75.
    DynoData dyno;
    dyno.SetRows(Rows({{"6000", "40"}, {"8000", "60"}, {"10000", "80"}}));
    const double v = 0.038;
    QCOMPARE(OptimalShiftRpm(dyno, v, 2.0, 1.5), 10031.0);
    // Equal ratios never cross below the peak and the search still ends.
    QCOMPARE(OptimalShiftRpm(dyno, v, 2.0, 2.0), 10000.0);
    QCOMPARE(OptimalShiftRpm(dyno, 0, 2.0, 1.5), 0.0);
}

void TestGearing::optimalShiftWithoutDynoShowsNothing() {
    DynoData dyno;
    GearingModel model(&dyno);
    model.SetInputs(BaseInputs());
    model.GearCalcModeComboBoxChange(GearCalcMode::OptimalShiftRpm);
    for (const GearRowView& row : model.View().gears)
        QVERIFY(row.speed.isEmpty() && row.rpm.isEmpty() && row.drop.isEmpty());
    QCOMPARE(model.View().gears[0].ratio, QString("3.000"));
}

void TestGearing::zerosShowNothingNeverNan_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("circumference");
    QTest::addColumn<QString>("rpm");
    QTest::addColumn<bool>("speedsShown");
    QTest::addColumn<bool>("rpmShown"); // row 2 in Normal, row 1 otherwise
    for (int mode = 0; mode < 4; ++mode) {
        const QByteArray name = GearCalcModeNames().at(mode).toUtf8();
        const bool normal = mode == int(GearCalcMode::Normal);
        const bool revLimit = mode == int(GearCalcMode::FindRevLimit);
        QTest::newRow(name + ", circumference 0") << mode << "0"
                                                  << "7000" << false << (normal || revLimit);
        QTest::newRow(name + ", no circumference") << mode << ""
                                                   << "7000" << false << (normal || revLimit);
        QTest::newRow(name + ", rpm 0") << mode << "1900"
                                        << "0" << (normal || mode == int(GearCalcMode::FixSpeed))
                                        << (normal || revLimit || mode == int(GearCalcMode::FixSpeed));
    }
}

void TestGearing::zerosShowNothingNeverNan() {
    QFETCH(QString, circumference);
    QFETCH(QString, rpm);
    QFETCH(int, mode);
    QFETCH(bool, speedsShown);
    QFETCH(bool, rpmShown);
    DynoData dyno;
    dyno.SetRows(Rows({{"6000", "40"}, {"8000", "60"}, {"10000", "80"}, {"12000", "60"}}));
    GearingModel model(&dyno);
    GearingInputs in = BaseInputs();
    in.tireCircumference = circumference;
    in.rpm = rpm;
    in.fixSpeed = "100";
    model.SetInputs(in);
    model.GearCalcModeComboBoxChange(GearCalcMode(mode));
    const int rpmRow = mode == int(GearCalcMode::Normal) ? 1 : 0;
    QCOMPARE(!model.View().gears[rpmRow].speed.isEmpty(), speedsShown);
    QCOMPARE(!model.View().gears[rpmRow].rpm.isEmpty(), rpmShown);
    for (const GearRowView& row : model.View().gears)
        for (const QString& text : {row.speed, row.rpm, row.drop})
            QVERIFY2(!text.contains("nan", Qt::CaseInsensitive) && !text.contains("inf", Qt::CaseInsensitive),
                     qPrintable(text));
}

void TestGearing::editsMarkSetupChangedButLimitsDoNot() {
    GearingModel model;
    model.SetInputs(BaseInputs());
    int changes = 0;
    int recomputes = 0;
    model.onSetupChanged = [&] { ++changes; };
    model.onSpeedsChanged = [&] { ++recomputes; };
    model.SetText(GearingField::Rpm, "8000");
    model.SetText(GearingField::LowLimit, "5000");
    QCOMPARE(changes, 0);
    QCOMPARE(recomputes, 2);
    QCOMPARE(model.View().gears[1].rpm, QString("5333"));
    model.SetText(GearingField::GearOutput, "20", 1);
    QCOMPARE(changes, 1);
    QCOMPARE(model.View().gears[1].ratio, QString("1.667"));
    model.SetText(GearingField::SpeedUnit, "mph");
    QCOMPARE(changes, 2);
    QVERIFY(model.View().gears[0].speed.endsWith(" mph"));
}

void TestGearing::gearSymbolsFillTeeth() {
    GearingModel model;
    model.SetInputs(BaseInputs());
    int changes = 0;
    model.onSetupChanged = [&] { ++changes; };
    model.UseGearSymbolsCheckBoxClick(true);
    QVERIFY(!model.View().teethEditable);
    QVERIFY(model.View().symbolChoicesEnabled);
    QCOMPARE(model.View().editSymbolsCaption, QString("Edit gear symbols"));
    model.EditGearBoxSymbolsButtonClick();
    QVERIFY(model.View().symbolTablesShown);
    QCOMPARE(model.View().editSymbolsCaption, QString("End edit"));

    model.SymbolGridSetEditText(0, 0, GearSymbolColumn::Symbol, "A");
    model.SymbolGridSetEditText(0, 0, GearSymbolColumn::Input, "13");
    model.SymbolGridSetEditText(0, 0, GearSymbolColumn::Output, "39");
    model.SymbolGridSetEditText(0, 2, GearSymbolColumn::Symbol, "B");
    model.SymbolGridSetEditText(0, 2, GearSymbolColumn::Input, "14");
    model.SymbolGridSetEditText(0, 2, GearSymbolColumn::Output, "35");
    QCOMPARE(model.View().symbolChoices[0], QStringList({"A", "B"}));
    QCOMPARE(model.Inputs().gearSymbol[0], QString("A")); // took the first row
    QCOMPARE(model.Inputs().gearInput[0], QString("13"));

    model.GearComboBoxChange(0, "B");
    QCOMPARE(model.Inputs().gearInput[0], QString("14"));
    QCOMPARE(model.Inputs().gearOutput[0], QString("35"));
    QCOMPARE(model.View().gears[0].ratio, QString("2.500"));

    // Renaming the chosen set falls back to the first row.
    model.SymbolGridSetEditText(0, 2, GearSymbolColumn::Symbol, "C");
    QCOMPARE(model.Inputs().gearSymbol[0], QString("A"));
    QCOMPARE(model.Inputs().gearOutput[0], QString("39"));
    QCOMPARE(changes, 8);

    model.SymbolGridSetEditText(0, 0, GearSymbolColumn::Symbol, "");
    model.SymbolGridSetEditText(0, 2, GearSymbolColumn::Symbol, "");
    QCOMPARE(model.Inputs().gearSymbol[0], QString());
    QCOMPARE(model.View().symbolChoices[0], QStringList());
}

void TestGearing::gearSymbolsOffUnlocksTeethAndKeepsTypedTeethOnLoad() {
    GearingModel model;
    GearSymbolTable table;
    table.Row(0) = {"A", "10", "30"};
    model.SetSymbolTable(0, table);
    GearingInputs in = BaseInputs();
    in.gearSymbol[0] = "A";
    model.SetInputs(in);
    model.UseGearSymbolsCheckBoxClick(true);
    model.EditGearBoxSymbolsButtonClick();
    model.UseGearSymbolsCheckBoxClick(false);
    QVERIFY(model.View().teethEditable);
    QVERIFY(!model.View().symbolChoicesEnabled);
    QVERIFY(!model.View().editSymbolsEnabled);
    QVERIFY(!model.View().symbolTablesShown);

    model.ApplyAllGearSymbols();
    QCOMPARE(model.Inputs().gearInput[0], QString("12"));
    QCOMPARE(model.View().symbolChoices[0], QStringList({"A"}));
    model.UseGearSymbolsCheckBoxClick(true);
    model.ApplyAllGearSymbols();
    QCOMPARE(model.Inputs().gearInput[0], QString("10"));
    QCOMPARE(model.View().gears[0].speed, QString("88.67 km/h"));
}

QTEST_GUILESS_MAIN(TestGearing)
#include "tst_gearing.moc"
