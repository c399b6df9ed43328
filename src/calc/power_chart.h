#pragma once
// The "Power Chart" window: for every gear, the engine power (or the driving force at the wheel) against
// road speed, with the rpm limit points and the sweet range of each gear.
#include "chart_model.h"

#include <QString>
#include <QStringList>
#include <optional>

class DynoData;
class GearingModel;

enum class PowerChartMode { Power, DrivingForce };

class PowerChartModel {
  public:
    PowerChartModel();

    bool IsShown() const { return m_shown; }
    // "Show PowerChart" ticked or unticked; when shown the chart is redrawn.
    void ShowPowerChartCBClick(bool checked, const GearingModel& gearing, const DynoData& dyno);
    // The window was closed: "Show PowerChart" is unticked.
    void FormClose() { m_shown = false; }

    // The unit system decides newtons ("Metric") or pounds-force (any other) for the driving force.
    void SetMetric(bool metric) { m_metric = metric; }

    PowerChartMode Mode() const { return m_mode; }
    // Context menu, in order: "Show Power", "Show Driving Force".
    static QStringList ContextMenuChoices();
    void ShowPowerMenuItemClick(const GearingModel& gearing, const DynoData& dyno);
    void ShowDrivingForceMenuItemClick(const GearingModel& gearing, const DynoData& dyno);

    // Rebuilds every series from the gearing page and the dyno curve.
    void Redraw(const GearingModel& gearing, const DynoData& dyno);
    // Redraws only while the window is shown (after any change of gearing or dyno data).
    void RedrawIfShown(const GearingModel& gearing, const DynoData& dyno);

    const ChartModel& Chart() const { return m_chart; }
    // The pointer moved to these axis values: the read-out text.
    QString MouseMove(double x, double y) const { return PointerReadout(x, y); }

    // Driving force in N (metric) or lbf for a speed in km/h (or mph) and a power in hp; nullopt at
    // speed 0.
    static std::optional<double> DrivingForce(double speed, double powerHp, bool mph, bool metric);

  private:
    void SetCaptions();
    void ClearSeries();

    ChartModel m_chart;
    PowerChartMode m_mode = PowerChartMode::Power;
    bool m_modeChosen = false;
    bool m_metric = true;
    bool m_shown = false;
};
