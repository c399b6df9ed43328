#include "dyno_data.h"

#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <algorithm>

namespace {
const QString kPowerSeries = QStringLiteral(N_("Power (hp)"));
const QString kTorqueSeries = QStringLiteral("Torque (Nm)");
const QString kBestRpms = QStringLiteral(N_("Best rpms"));
} // namespace

double TorqueNm(double powerHp, int rpm) {
    if (rpm <= 0) return 0;
    return powerHp * 1.356 * 5252 / rpm;
}

DynoData::DynoData() {
    PowerChange();
    m_changed = false;
}

void DynoData::SetRowText(int row, const DynoRowText& text) {
    if (m_texts.at(row) == text) return;
    m_texts.at(row) = text;
    PowerChange();
}

void DynoData::SetRows(const std::array<DynoRowText, DynoRowCount>& rows) {
    m_texts = rows;
    PowerChange();
}

void DynoData::PowerChange() {
    ChartSeries power{kPowerSeries, ChartSeries::Kind::Line, {{0, 0}}};
    ChartSeries torque{kTorqueSeries, ChartSeries::Kind::Line, {{0, 0}}};
    for (int row = 0; row < DynoRowCount; ++row) {
        m_rpm[row] = 0;
        m_power[row] = 0;
        m_torque[row] = 0;
        const std::optional<int> rpm = ParseInteger(m_texts[row].rpm);
        const std::optional<double> hp = ParseDecimal(m_texts[row].power);
        // An rpm of 0 or below is no engine speed: such a row has no torque and would bend the curve.
        if (!rpm || *rpm <= 0 || !hp || !(*hp > 0)) continue;
        m_rpm[row] = *rpm;
        m_power[row] = *hp;
        m_torque[row] = TorqueNm(*hp, *rpm);
        power.points.push_back({double(*rpm), *hp});
        torque.points.push_back({double(*rpm), m_torque[row]});
    }
    // The (0, 0) point keeps a lone data point drawable; with two real points it goes.
    for (ChartSeries* series : {&power, &torque})
        if (series->points.size() > 2) series->points.erase(series->points.begin());

    m_chart = ChartModel{};
    m_chart.xAxisTitle = Translate("Rpm");
    m_chart.series = {power, torque};
    ChartRect band = BestRpmBand();
    band.title = kBestRpms;
    m_chart.rects = {band};
    m_changed = true;
}

QString DynoData::TorqueText(int row) const {
    return m_rpm.at(row) > 0 ? FormatPattern(m_torque.at(row), QStringLiteral("0.00")) : QString();
}

int DynoData::HighestRpm() const {
    int highest = 0;
    for (int rpm : m_rpm)
        highest = std::max(highest, rpm);
    return highest;
}

double DynoData::P(double rpm) const {
    int below = -1;
    for (int row = 0; row < DynoRowCount; ++row) {
        if (m_rpm[row] == rpm) return m_power[row];
        if (m_rpm[row] > rpm) {
            if (below < 0) return 0;
            const double r1 = m_rpm[below];
            const double p1 = m_power[below];
            const double slope = (m_power[row] - p1) / (m_rpm[row] - r1);
            return slope * rpm + (p1 - slope * r1);
        }
        if (m_rpm[row] > 0) below = row;
    }
    return 0;
}

DynoPeak DynoData::HighestPower() const {
    DynoPeak peak;
    for (int row = 0; row < DynoRowCount; ++row)
        if (m_power[row] > peak.value) peak = {m_power[row], m_rpm[row]};
    return peak;
}

DynoPeak DynoData::HighestTorque() const {
    DynoPeak peak;
    for (int row = 0; row < DynoRowCount; ++row)
        if (m_torque[row] > peak.value) peak = {m_torque[row], m_rpm[row]};
    return peak;
}

ChartRect DynoData::BestRpmBand() const {
    const DynoPeak power = HighestPower();
    const DynoPeak torque = HighestTorque();
    ChartRect band{kBestRpms};
    if (power.value > 0 && torque.value > 0) {
        band.left = std::min(power.rpm, torque.rpm);
        band.right = std::max(power.rpm, torque.rpm);
        band.top = std::min(power.value, torque.value);
        band.bottom = 0;
    }
    return band;
}

std::array<DynoRowText, DynoRowCount> ReadDynoRows(TTxtParser& parser, const QString& section) {
    std::array<DynoRowText, DynoRowCount> rows;
    int next = 0;
    for (int rpm = 1500; rpm <= 17000 && next < DynoRowCount; rpm += 500) {
        const QString value = parser.ReadValue(section, QStringLiteral("dyno_%1").arg(rpm));
        if (!value.isEmpty()) rows[next++] = {QString::number(rpm), value};
    }
    if (next > 0) return rows;
    for (int row = 0; row < DynoRowCount; ++row) {
        rows[row].rpm = parser.ReadValue(section, QStringLiteral("dyno_rpm_%1").arg(row + 1));
        rows[row].power = parser.ReadValue(section, QStringLiteral("dyno_power_%1").arg(row + 1));
    }
    return rows;
}

void WriteDynoRows(TTxtParser& parser, const std::array<DynoRowText, DynoRowCount>& rows) {
    for (int row = 0; row < DynoRowCount; ++row) {
        parser.WriteValue(QStringLiteral("dyno_rpm_%1").arg(row + 1), rows[row].rpm);
        parser.WriteValue(QStringLiteral("dyno_power_%1").arg(row + 1), rows[row].power);
    }
}
