#include "fuel_calc.h"

#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

std::optional<double> Number(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    const auto value = ParseDecimal(trimmed);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

double NumberOr0(const QString& text) {
    return Number(text).value_or(0.0);
}

QString Four(double value) {
    return FormatPattern(value, QStringLiteral("0.0000"));
}
QString Three(double value) {
    return FormatPattern(value, QStringLiteral("0.000"));
}

constexpr double kSecondsPerDay = 86400.0;

} // namespace

FuelCaptions FuelCaptionsFor(bool litres) {
    FuelCaptions c;
    c.sessionUnit = Translate(litres ? "litres" : N_("gallons"));
    c.total = Translate(litres ? "Total litres" : N_("Total gallons"));
    c.perLap = Translate(litres ? "Litres/lap" : N_("Gallons/lap"));
    c.distancePerFuel = Translate(litres ? "km/litre" : N_("Mpg"));
    c.perHour = Translate(litres ? "Litres/hour" : N_("Gallons/hour"));
    c.trackDry = Translate(litres ? "Dry track litres/lap" : N_("Dry track gallons/lap"));
    c.trackWet = Translate(litres ? "Wet track litres/lap" : N_("Wet track gallons/lap"));
    c.volume = c.sessionUnit;
    c.approxPerLap = Translate(litres ? "litres/lap" : N_("Gallons/lap"));
    c.weight = Translate(litres ? "kg" : N_("lbs"));
    c.density = Translate(litres ? "kg/litre" : N_("lbs/gallon"));
    c.remaining = c.sessionUnit;
    return c;
}

Expected<SessionConsumption, QString> SessionConsumptionOf(const SessionConsumptionInput& in) {
    const qint64 pitSeconds = RoundHalfEven(in.pitStopMs / 1000.0);
    // Whole difference in seconds: no wrap at midnight or after a day. Unknown without both times.
    std::optional<qint64> totalSeconds;
    if (in.startTime != 0 && in.stopTime != 0)
        totalSeconds = RoundHalfEven((in.stopTime - in.startTime) * kSecondsPerDay);
    if (totalSeconds && *totalSeconds < pitSeconds)
        return Unexpected(Translate("Pitstop time longer than total time, aborting!"));

    SessionConsumption figures;
    const auto start = Number(in.fuelAtStart);
    const auto after = Number(in.fuelAfter);
    const auto laps = Number(in.laps);
    const auto length = Number(in.trackLength);
    // 0 laps leave every figure empty: there is no consumption per lap to show.
    if (!start || !after || !laps || !length || *laps == 0) return figures;
    const double used = *start - *after;
    figures.perLap = Four(used / *laps);
    if (used > 0) {
        figures.distancePerFuel =
            Four(in.litres ? *laps * *length / used / 1000.0 : *laps * *length / 1609.0 / used);
        if (totalSeconds && *totalSeconds - pitSeconds > 0)
            figures.perHour = Four(used / double(*totalSeconds - pitSeconds) * 3600.0);
    }
    figures.total = FormatGeneral(used);
    return figures;
}

std::vector<std::pair<QString, QString>> SessionConsumptionLines(const SessionConsumption& figures,
                                                                 bool litres) {
    const FuelCaptions c = FuelCaptionsFor(litres);
    return {{c.total, figures.total},
            {c.perLap, figures.perLap},
            {c.distancePerFuel, figures.distancePerFuel},
            {c.perHour, figures.perHour}};
}

QString WetConsumption(const QString& dry, const QString& wet, const QString& percent) {
    const auto d = Number(dry);
    const auto w = Number(wet);
    if (!d || !w) return {};
    double p = 0;
    if (!percent.trimmed().isEmpty()) {
        const auto typed = Number(percent);
        // A share outside 0..100 would plan with a consumption below the wet or above the dry figure,
        // down to a negative one.
        if (!typed || *typed < 0 || *typed > 100) return {};
        p = *typed;
    }
    return Four(*d - (*d - *w) * p / 100.0);
}

QString LapsToRun(const QString& hours, const QString& lapTimeSeconds) {
    const auto h = Number(hours);
    const auto l = Number(lapTimeSeconds);
    if (!h || !l || *l <= 0) return {};
    return FormatPattern(*h * 3600.0 / *l + 0.5, QStringLiteral("0"));
}

FuelAmount CalcFuelAmount(const FuelAmountInput& in) {
    FuelAmount out;
    const auto d = Number(in.dry);
    const auto w = Number(in.wet);
    const int position = std::clamp(in.wetPercent, 0, 100);
    if (d && w) out.approxPerLap = Four(*d - position * (*d - *w) / 100.0);
    const double required = NumberOr0(in.required);
    if (const auto approx = Number(out.approxPerLap))
        out.total = Three(*approx * (NumberOr0(in.raceLaps) + NumberOr0(in.extraLaps)) + required);
    else
        out.total = required > 0 ? Three(required) : in.previousTotal;
    const auto total = Number(out.total);
    const auto ratio = Number(in.premixPercent);
    if (total && ratio) {
        const double oil = *total * *ratio / 100.0;
        out.oil = Three(oil);
        out.gasoline = Three(*total - oil);
    }
    return out;
}

std::optional<int> ClampWetPercent(const QString& text) {
    const auto value = ParseInteger(text.trimmed());
    if (!value) return std::nullopt;
    return std::clamp(*value, 0, 100);
}

QString FuelCalculatorNote() {
    return Translate(
        "Note!\nThis is the total amount of fuel needed. If your fuel tank cannot store this much "
        "fuel go to the Pit Stop tab at the session notes to plan your fueling strategy.");
}

QString RemainingFuel(const QString& fullTankWeight, const QString& emptyTankWeight, const QString& density) {
    const auto full = Number(fullTankWeight);
    const auto empty = Number(emptyTankWeight);
    const auto rho = Number(density);
    if (!full || !empty || !rho) return {};
    const double remaining = *rho > 0 && *full > *empty ? (*full - *empty) / *rho : 0.0;
    return Three(remaining);
}

namespace {

std::optional<int> LapOf(const QStringList& row) {
    return ParseInteger(row.value(0).trimmed());
}

} // namespace

void SortPitStopRows(std::vector<QStringList>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const QStringList& a, const QStringList& b) {
        const auto la = LapOf(a);
        const auto lb = LapOf(b);
        if (la && lb) return *la < *lb;
        return la.has_value() && !lb.has_value();
    });
}

PitPlan PlanPitStops(const std::vector<QStringList>& rows, int fromLap, const PitPlanInput& in) {
    PitPlan plan;
    plan.rows = rows;
    const auto capacity = Number(in.capacity);
    const auto least = Number(in.leastAmount);
    const auto consumption = Number(in.consumption);
    const auto laps = ParseInteger(in.lapsToRun.trimmed());
    if (!capacity || !least || !consumption || !laps || fromLap < 0) return plan;

    const double usable = *capacity - *least;
    if (*consumption <= 0 || usable <= 0) {
        plan.refusal = Translate("The fuel consumption and the usable tank (capacity less the least amount) "
                                 "must be above 0.");
        return plan;
    }
    const double lapsPerTank = usable / *consumption;
    const qint64 lapsPerStop = RoundHalfEven(lapsPerTank);
    // Remaining laps drop by the rounded laps per tank: below one lap the plan would never end.
    if (lapsPerStop < 1) {
        plan.refusal = Translate("A full tank lasts less than one lap: no plan.");
        return plan;
    }

    int last = -1;
    size_t keep = 0;
    if (fromLap > 0) {
        for (size_t i = 0; i < rows.size(); ++i)
            if (const auto lap = LapOf(rows[i]); lap && *lap <= fromLap) keep = i + 1;
        for (size_t i = 0; i < keep; ++i)
            if (const auto lap = LapOf(rows[i]); lap && !rows[i].value(1).trimmed().isEmpty()) last = *lap;
    }
    qint64 remaining = last < 0 ? qint64(*laps) : qint64(*laps) - last - lapsPerStop;
    if (remaining > 0 && remaining / lapsPerStop + 1 > kMaxPlannedStops) {
        plan.refusal =
            Fill(Translate("More than %s pit stops: no plan."), {QString::number(kMaxPlannedStops)});
        return plan;
    }

    plan.rows.resize(keep);
    const QString pattern = in.litres ? QStringLiteral("0.00") : QStringLiteral("0.000");
    while (remaining > 0) {
        const qint64 stop = last < 0 ? 0 : RoundHalfEven(last + lapsPerTank);
        QString fuel;
        if (lapsPerTank > double(remaining)) {
            double amount = double(remaining) * usable / lapsPerTank;
            if (stop == 0) amount += *least;
            fuel = FormatPattern(amount, pattern);
            remaining = 0;
        } else {
            const QString amount = stop > 0 ? FormatPattern(usable, pattern) : in.capacity.trimmed();
            fuel = Translate("Fill up") + QStringLiteral(" (") + amount + u')';
            remaining -= lapsPerStop;
        }
        plan.rows.push_back({QString::number(stop), fuel, QString(), QString()});
        last = int(stop);
    }
    SortPitStopRows(plan.rows);
    plan.planned = true;
    return plan;
}
