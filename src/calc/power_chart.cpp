#include "power_chart.h"

#include "dyno_data.h"
#include "gearing_model.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <cmath>

namespace {
// Series names of each gear: its line, its limit points and its sweet range.
struct GearTitles {
    const char* line;
    const char* limits;
    const char* sweetRange;
};
constexpr GearTitles kGearTitles[GearCount] = {{N_("Gear1"), N_("Gear1 Limits"), N_("Gear1 SweetRange")},
                                               {N_("Gear2"), N_("Gear2 Limits"), N_("Gear2 SweetRange")},
                                               {N_("Gear3"), N_("Gear3 Limits"), N_("Gear3 SweetRange")},
                                               {N_("Gear4"), N_("Gear4 Limits"), N_("Gear4 SweetRange")},
                                               {N_("Gear5"), N_("Gear5 Limits"), N_("Gear5 SweetRange")},
                                               {N_("Gear6"), N_("Gear6 Limits"), N_("Gear6 SweetRange")}};
} // namespace

PowerChartModel::PowerChartModel() {
    m_chart.title = Translate("Graph of power on all gears");
    m_chart.xAxisTitle = Translate("Speed");
    m_chart.yAxisTitle = Translate("Power");
    ClearSeries();
}

QStringList PowerChartModel::ContextMenuChoices() {
    return {Translate("Show Power"), Translate("Show Driving Force")};
}

void PowerChartModel::SetCaptions() {
    m_chart.xAxisTitle = Translate("Speed");
    if (m_mode == PowerChartMode::Power) {
        m_chart.yAxisTitle = Translate("Power (bhp)");
        m_chart.title = Translate("Graph of engine power on all gears");
    } else {
        m_chart.yAxisTitle = m_metric ? Translate("Driving force (N)") : Translate("Driving force (lbf)");
        m_chart.title = Translate("Graph of driving force on all gears");
    }
}

void PowerChartModel::ShowPowerChartCBClick(bool checked, const GearingModel& gearing, const DynoData& dyno) {
    m_shown = checked;
    if (checked) Redraw(gearing, dyno);
}

void PowerChartModel::ShowPowerMenuItemClick(const GearingModel& gearing, const DynoData& dyno) {
    m_mode = PowerChartMode::Power;
    m_modeChosen = true;
    SetCaptions();
    Redraw(gearing, dyno);
}

void PowerChartModel::ShowDrivingForceMenuItemClick(const GearingModel& gearing, const DynoData& dyno) {
    m_mode = PowerChartMode::DrivingForce;
    m_modeChosen = true;
    SetCaptions();
    Redraw(gearing, dyno);
}

void PowerChartModel::RedrawIfShown(const GearingModel& gearing, const DynoData& dyno) {
    if (m_shown) Redraw(gearing, dyno);
}

std::optional<double> PowerChartModel::DrivingForce(double speed, double powerHp, bool mph, bool metric) {
    if (speed == 0 || !std::isfinite(speed)) return std::nullopt;
    const double kmh = mph ? speed * 1.609 : speed;
    double force = powerHp * 0.746 * 3600 / kmh;
    if (!metric) force *= 0.224809;
    return force;
}

void PowerChartModel::ClearSeries() {
    m_chart.series.clear();
    m_chart.rects.clear();
    for (int gear = 0; gear < GearCount; ++gear)
        m_chart.series.push_back({QString::fromLatin1(kGearTitles[gear].line), ChartSeries::Kind::Line, {}});
    for (int gear = 0; gear < GearCount; ++gear)
        m_chart.series.push_back(
            {QString::fromLatin1(kGearTitles[gear].limits), ChartSeries::Kind::Points, {}});
    for (int gear = 0; gear < GearCount; ++gear)
        m_chart.rects.push_back({QString::fromLatin1(kGearTitles[gear].sweetRange)});
}

void PowerChartModel::Redraw(const GearingModel& gearing, const DynoData& dyno) {
    if (m_modeChosen) SetCaptions();
    // A drive train that cannot be drawn shows no curves rather than the curves of an earlier one.
    ClearSeries();
    const double finalRatio = gearing.FinalRatio();
    if (!(finalRatio > 0)) return;
    const double c = gearing.TireCircumferenceMm();
    // Without a tire every speed would be 0: the curves would stand on the power axis.
    if (!(c > 0)) return;
    // The primary and gear ratios are taken as shown on the gearing page ("0.000").
    const GearingView& view = gearing.View();
    const std::optional<double> primary = ParseDecimal(view.primaryRatio);
    if (!primary || !(*primary > 0)) return;
    const bool mph = gearing.Inputs().speedUnit == QLatin1String("mph");
    double k = 1 / *primary / finalRatio * c / 1000000 * 60;
    if (mph) k /= 1.609;

    const bool force = m_mode == PowerChartMode::DrivingForce;
    auto yValue = [&](double speed, double power) -> std::optional<double> {
        if (!force) return power;
        return DrivingForce(speed, power, mph, m_metric);
    };
    const ChartRect band = dyno.BestRpmBand();
    const std::optional<double> low = ParseDecimal(gearing.Inputs().lowLimit);
    const std::optional<double> rpm = ParseDecimal(gearing.Inputs().rpm);

    for (int gear = 0; gear < GearCount; ++gear) {
        const std::optional<double> ratio = ParseDecimal(view.gears[gear].ratio);
        if (!ratio || !(*ratio > 0)) continue;
        const double kn = k / *ratio;
        ChartSeries& curve = m_chart.series[gear];
        for (int row = 0; row < DynoRowCount; ++row) {
            const std::optional<int> r = ParseInteger(dyno.RowText(row).rpm);
            if (!r) continue;
            const double power = dyno.P(*r);
            if (!(power > 0)) continue;
            if (const std::optional<double> y = yValue(kn * *r, power)) curve.points.push_back({kn * *r, *y});
        }
        ChartSeries& limits = m_chart.series[GearCount + gear];
        for (const std::optional<double>& limit : {low, rpm}) {
            if (!limit || !std::isfinite(*limit)) continue;
            const double speed = kn * *limit;
            if (const std::optional<double> y = yValue(speed, dyno.P(double(RoundHalfEven(*limit)))))
                limits.points.push_back({speed, *y});
        }
        ChartRect& sweet = m_chart.rects[gear];
        sweet.left = kn * band.left;
        sweet.right = kn * band.right;
        sweet.top = (gear + 1) / 6.0 * band.top;
        sweet.bottom = 0;
    }
}
