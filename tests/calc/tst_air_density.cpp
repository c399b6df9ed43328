#include "calc/air_density_model.h"
#include "recording_prompter.h"

#include <QTest>

class TestAirDensity : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void figurePerUnit_data();
    void figurePerUnit();
    void missingValuesHidePanel_data();
    void missingValuesHidePanel();
    void badValuesShowError_data();
    void badValuesShowError();
};

void TestAirDensity::figurePerUnit_data() {
    QTest::addColumn<QString>("temperatureUnit");
    QTest::addColumn<QString>("pressureUnit");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("humidity");
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("rad");
    QTest::newRow("20 C dry") << "Celsius"
                              << "mbar"
                              << "20"
                              << "1013.25"
                              << "0"
                              << "1.2041"
                              << "98.29";
    QTest::newRow("68 F in Hg") << "Fahrenheit"
                                << "in Hg"
                                << "68"
                                << "29.92"
                                << "0"
                                << "1.2041"
                                << "98.29";
    QTest::newRow("15 C mm Hg") << "Celsius"
                                << "mm Hg"
                                << "15"
                                << "760"
                                << "0"
                                << "1.2250"
                                << "100.00";
    QTest::newRow("15 C half humid") << "Celsius"
                                     << "mbar"
                                     << "15"
                                     << "1013.25"
                                     << "50"
                                     << "1.2211"
                                     << "99.68";
    QTest::newRow("decimal comma") << "Celsius"
                                   << "mbar"
                                   << "30,0"
                                   << "1000"
                                   << "80"
                                   << "1.1344"
                                   << "92.61";
    QTest::newRow("below freezing") << "Celsius"
                                    << "mbar"
                                    << "-10"
                                    << "950"
                                    << "0"
                                    << "1.2576"
                                    << "102.66";
}

void TestAirDensity::figurePerUnit() {
    QFETCH(QString, temperature);
    QFETCH(QString, pressure);
    QFETCH(QString, humidity);
    QFETCH(QString, temperatureUnit);
    QFETCH(QString, pressureUnit);
    QFETCH(QString, ad);
    QFETCH(QString, rad);
    const WeatherTexts weather{temperature, pressure, humidity};
    RecordingPrompter prompter;
    AirDensityModel model(prompter);
    int changes = 0;
    model.onSessionChanged = [&] { ++changes; };
    model.SetUnits({temperatureUnit, pressureUnit, true});
    model.CalcRAD(weather);
    QVERIFY(model.View().panelVisible);
    QCOMPARE(model.View().valueText, ad);
    QCOMPARE(model.View().caption, QString("Air density"));
    QCOMPARE(model.View().unitCaption, QString("kg/m3"));

    AirDensityUnits units = model.Units();
    units.useAd = false;
    model.SetUnits(units);
    model.CalcRAD(weather);
    QCOMPARE(model.View().valueText, rad);
    QCOMPARE(model.View().caption, QString("RAD"));
    QCOMPARE(model.View().unitCaption, QString("%"));
    QCOMPARE(changes, 2); // and no error: the prompter fails the test on any
}

void TestAirDensity::missingValuesHidePanel_data() {
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("humidity");
    QTest::newRow("humidity empty") << "20"
                                    << "1013"
                                    << "";
    QTest::newRow("humidity negative") << "20"
                                       << "1013"
                                       << "-5";
    QTest::newRow("temperature dash") << "-"
                                      << "1013"
                                      << "50";
    QTest::newRow("temperature empty") << ""
                                       << "1013"
                                       << "50";
    QTest::newRow("pressure empty") << "20"
                                    << ""
                                    << "50";
}

void TestAirDensity::missingValuesHidePanel() {
    QFETCH(QString, temperature);
    QFETCH(QString, pressure);
    QFETCH(QString, humidity);
    RecordingPrompter prompter;
    AirDensityModel model(prompter);
    model.CalcRAD({"20", "1013", "50"});
    QVERIFY(model.View().panelVisible);
    model.CalcRAD({temperature, pressure, humidity});
    QVERIFY(!model.View().panelVisible);
    QCOMPARE(model.View().valueText, QString());
    QVERIFY(!model.Density()); // and no error: the prompter fails the test on any
}

void TestAirDensity::badValuesShowError_data() {
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("pressure");
    QTest::addColumn<QString>("humidity");
    QTest::newRow("temperature text") << "warm"
                                      << "1013"
                                      << "50";
    QTest::newRow("pressure text") << "20"
                                   << "1.0.13"
                                   << "50";
    QTest::newRow("humidity text") << "20"
                                   << "1013"
                                   << "x";
    // Absolute zero divides by zero; below it no density exists.
    QTest::newRow("absolute zero") << "-273.15"
                                   << "1013"
                                   << "0";
    QTest::newRow("below absolute zero") << "-300"
                                         << "1013"
                                         << "0";
}

void TestAirDensity::badValuesShowError() {
    QFETCH(QString, temperature);
    QFETCH(QString, pressure);
    QFETCH(QString, humidity);
    RecordingPrompter prompter;
    AirDensityModel model(prompter);
    model.CalcRAD({"20", "1013", "50"});
    prompter.ExpectError("Not a valid value");
    model.CalcRAD({temperature, pressure, humidity});
    QVERIFY(prompter.ScriptDone());
    QCOMPARE(model.View().valueText, QString());
    QVERIFY(model.View().panelVisible); // the panel keeps its state
}

QTEST_GUILESS_MAIN(TestAirDensity)
#include "tst_air_density.moc"
