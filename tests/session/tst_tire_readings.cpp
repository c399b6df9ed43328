// The session's tire readings: cold pressures and circumferences mirrored from the setup's tire table,
// hot pressures and circumferences typed into the session, for every vehicle type.
#include "session/tire_readings.h"

#include <QTest>

namespace {

int Row(GridId grid, const char* key) {
    const auto& rows = Grid(grid).rows;
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].key == QLatin1String(key)) return int(row);
    return -1;
}

void SetSession(SessionRecord& record, const QString& key, const QString& text) {
    const int index = SessionFieldIndex(SessionKeys::SessionNotes, key);
    QVERIFY2(index >= 0, qPrintable(key));
    record.Field(index) = text;
}

QString Line(const TireReading& r) {
    QStringList cells = {r.wheel, r.cold, r.hot, r.increase};
    if (r.hasCircumference) cells << r.before << r.after << r.difference << r.percent;
    return cells.join('|');
}

QStringList Lines(const TireReadings& readings, const SessionRecord& session) {
    QStringList lines;
    for (const TireReading& reading : readings.Readings(session))
        lines << Line(reading);
    return lines;
}

} // namespace

class TestTireReadings : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void wheelsOfEveryVehicle_data() {
        QTest::addColumn<int>("vehicle");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("motorcycle") << int(VehicleType::Motorcycle)
                                    << QStringList{"Front|1.8|2.0|11%", "Rear|0|2.0|"};
        QTest::newRow("sidecar") << int(VehicleType::Sidecar)
                                 << QStringList{"Front|1.8|2.0|11%", "Rear|0|2.0|", "Side||2.4|"};
        QTest::newRow("kart") << int(VehicleType::Kart)
                              << QStringList{"FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%", "FR|0|2.0||1850|||",
                                             "RL||2.4|||||", "RR|||||1800||"};
        QTest::newRow("car") << int(VehicleType::Car)
                             << QStringList{"FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%", "FR|0|2.0||1850|||",
                                            "RL||2.4|||||", "RR|||||1800||"};
    }
    // Column 1 has readings on both sides, column 2 a cold pressure of 0, column 3 a hot pressure
    // before any cold one, column 4 only a circumference after.
    void wheelsOfEveryVehicle() {
        QFETCH(int, vehicle);
        QFETCH(QStringList, lines);
        const VehicleType type = VehicleType(vehicle);
        const bool four = type == VehicleType::Car || type == VehicleType::Kart;
        const GridId grid = four ? GridId::FourWheelTires : GridId::BikeTires;
        SetupRecord setup;
        setup.Cell(grid, Row(grid, "pressure_cold"), 0) = "1.8";
        setup.Cell(grid, Row(grid, "pressure_cold"), 1) = "0";
        SessionRecord session;
        SetSession(session, TireReadings::HotPressureKey(type, 0), "2.0");
        SetSession(session, TireReadings::HotPressureKey(type, 1), "2.0");
        if (type != VehicleType::Motorcycle)
            SetSession(session, TireReadings::HotPressureKey(type, 2), "2.4");
        if (four) {
            setup.Cell(grid, Row(grid, "circumference"), 0) = "1850";
            setup.Cell(grid, Row(grid, "circumference"), 1) = "1850";
            SetSession(session, TireReadings::CircumferenceAfterKey(0), "1822");
            SetSession(session, TireReadings::CircumferenceAfterKey(3), "1800");
        }
        TireReadings readings(type);
        readings.CopyFromSetup(setup);
        QCOMPARE(Lines(readings, session), lines);
    }

    // A cold pressure that is no number keeps the one mirrored before; the circumference follows the
    // setup as it stands; a new session starts from nothing.
    void mirroringRules() {
        const GridId grid = GridId::FourWheelTires;
        const int pressure = Row(grid, "pressure_cold"), circumference = Row(grid, "circumference");
        SetupRecord setup;
        SessionRecord session;
        SetSession(session, "fl_pressure_hot", "2.0");
        SetSession(session, "fl_circumference", "1822");
        TireReadings readings(VehicleType::Car);
        readings.CopyFromSetup(setup);
        QCOMPARE(Lines(readings, session).first(), "FL||2.0|||1822||");
        setup.Cell(grid, pressure, 0) = "1.8";
        setup.Cell(grid, circumference, 0) = "1850";
        readings.CopyFromSetup(setup);
        QCOMPARE(Lines(readings, session).first(), "FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%");
        setup.Cell(grid, pressure, 0) = "__";
        setup.Cell(grid, circumference, 0) = "";
        readings.CopyFromSetup(setup);
        QCOMPARE(Lines(readings, session).first(), "FL|1.8|2.0|11%||1822||");
        readings.Reset(VehicleType::Car);
        readings.CopyFromSetup(setup);
        QCOMPARE(Lines(readings, session).first(), "FL||2.0|||1822||");
    }
};

QTEST_GUILESS_MAIN(TestTireReadings)
#include "tst_tire_readings.moc"
