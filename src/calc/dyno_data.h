#pragma once
// The engine's dyno curve: 42 rows of rpm and power texts, the data points derived from them, the
// torque, the best-rpm band and the dyno window's chart ("Power (hp)", "Torque (Nm)", "Best rpms").
#include "chart_model.h"

#include <QString>
#include <array>

class TTxtParser;

constexpr int DynoRowCount = 42;

struct DynoRowText {
    QString rpm;
    QString power;
    bool operator==(const DynoRowText&) const = default;
};

// A maximum of the curve and the rpm of the first row holding it (0 and 0 without data).
struct DynoPeak {
    double value = 0;
    int rpm = 0;
};

class DynoData {
  public:
    DynoData();

    // Row texts, rows 0..41 (row 1..42 on screen). SetRowText runs PowerChange when the text differs.
    const DynoRowText& RowText(int row) const { return m_texts.at(row); }
    void SetRowText(int row, const DynoRowText& text);
    // Replaces all rows at once (a setup was loaded) and runs PowerChange.
    void SetRows(const std::array<DynoRowText, DynoRowCount>& rows);

    // Rebuilds the data points, the chart and the best-rpm band; marks the data changed.
    void PowerChange();

    // Data point of a row: rpm 0 and power 0 for a row that is not one.
    int Rpm(int row) const { return m_rpm.at(row); }
    double Power(int row) const { return m_power.at(row); }
    double Torque(int row) const { return m_torque.at(row); }
    // The torque column of the dyno window: "0.00" Nm for a data point, empty otherwise.
    QString TorqueText(int row) const;
    // The last row holding a data point's rpm, 0 without data.
    int HighestRpm() const;

    // Power at rpm by linear interpolation between the data points around it; 0 outside the curve.
    double P(double rpm) const;
    DynoPeak HighestPower() const;
    DynoPeak HighestTorque() const;
    // The rectangle "Best rpms": between the rpms of the highest power and torque, from the lower of
    // the two maxima down to 0; empty unless both are above 0.
    ChartRect BestRpmBand() const;

    const ChartModel& Chart() const { return m_chart; }

    bool IsChanged() const { return m_changed; }
    void ClearChanged() { m_changed = false; }

  private:
    std::array<DynoRowText, DynoRowCount> m_texts;
    std::array<int, DynoRowCount> m_rpm{};
    std::array<double, DynoRowCount> m_power{};
    std::array<double, DynoRowCount> m_torque{};
    ChartModel m_chart;
    bool m_changed = false;
};

// Torque in Nm of a power in hp at an rpm; 0 for an rpm of 0 or less.
double TorqueNm(double powerHp, int rpm);

// The dyno rows of a setup's [engine] section: "dyno_rpm_"N / "dyno_power_"N, or the older keys
// "dyno_"RPM (1500 to 17000 in steps of 500) when any of those is present.
std::array<DynoRowText, DynoRowCount> ReadDynoRows(TTxtParser& parser, const QString& section);
void WriteDynoRows(TTxtParser& parser, const std::array<DynoRowText, DynoRowCount>& rows);
