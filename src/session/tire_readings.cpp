#include "tire_readings.h"

#include "calc/tire_pressure.h"
#include "session_fields.h"
#include "storage/number_format.h"
#include "storage/translate.h"

namespace {

bool FourWheel(VehicleType vehicle) {
    return vehicle == VehicleType::Car || vehicle == VehicleType::Kart;
}

GridId TireGrid(VehicleType vehicle) {
    return FourWheel(vehicle) ? GridId::FourWheelTires : GridId::BikeTires;
}

int RowOf(GridId grid, const char* key) {
    const auto& rows = Grid(grid).rows;
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].key == QLatin1String(key)) return int(row);
    return -1;
}

const char* const kFourWheelKeys[] = {"fl", "fr", "rl", "rr"};
const char* const kBikeKeys[] = {"front", "rear", "side"};

} // namespace

TireReadings::TireReadings(VehicleType vehicle) {
    Reset(vehicle);
}

QStringList TireReadings::Wheels(VehicleType vehicle) {
    if (FourWheel(vehicle))
        return {QStringLiteral("FL"), QStringLiteral("FR"), QStringLiteral("RL"), QStringLiteral("RR")};
    if (vehicle == VehicleType::Sidecar)
        return {QStringLiteral("Front"), QStringLiteral("Rear"), QStringLiteral(N_("Side"))};
    return {QStringLiteral("Front"), QStringLiteral("Rear")};
}

QString TireReadings::HotPressureKey(VehicleType vehicle, int wheel) {
    const char* key = FourWheel(vehicle) ? kFourWheelKeys[wheel] : kBikeKeys[wheel];
    return QString::fromLatin1(key) + QStringLiteral("_pressure_hot");
}

QString TireReadings::CircumferenceAfterKey(int wheel) {
    return QString::fromLatin1(kFourWheelKeys[wheel]) + QStringLiteral("_circumference");
}

void TireReadings::Reset(VehicleType vehicle) {
    m_vehicle = vehicle;
    const size_t wheels = size_t(Wheels(vehicle).size());
    m_cold.assign(wheels, QString());
    m_before.assign(wheels, QString());
}

void TireReadings::CopyFromSetup(const SetupRecord& setup) {
    const GridId grid = TireGrid(m_vehicle);
    const int pressureRow = RowOf(grid, "pressure_cold");
    const int circumferenceRow = RowOf(grid, "circumference");
    for (size_t wheel = 0; wheel < m_cold.size(); ++wheel) {
        const int column = int(wheel);
        if (pressureRow >= 0) {
            const QString& cold = setup.Cell(grid, pressureRow, column);
            if (IsDecimalText(cold.trimmed())) m_cold[wheel] = cold;
        }
        if (circumferenceRow >= 0) m_before[wheel] = setup.Cell(grid, circumferenceRow, column);
    }
}

std::vector<TireReading> TireReadings::Readings(const SessionRecord& session) const {
    std::vector<TireReading> readings;
    const QStringList wheels = Wheels(m_vehicle);
    for (int wheel = 0; wheel < wheels.size(); ++wheel) {
        TireReading reading;
        reading.wheel = wheels.at(wheel);
        reading.cold = m_cold[size_t(wheel)];
        reading.hot = session.Value(SessionKeys::SessionNotes, HotPressureKey(m_vehicle, wheel));
        reading.increase = PressureIncreaseText(reading.cold, reading.hot);
        if (FourWheel(m_vehicle)) {
            reading.hasCircumference = true;
            reading.before = m_before[size_t(wheel)];
            reading.after = session.Value(SessionKeys::SessionNotes, CircumferenceAfterKey(wheel));
            const CircumferenceChange change = CircumferenceDifference(reading.before, reading.after);
            reading.difference = change.difference;
            reading.percent = change.percent;
        }
        readings.push_back(reading);
    }
    return readings;
}
