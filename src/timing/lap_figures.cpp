#include "lap_figures.h"

#include "lap_timer.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMetresPerMile = 1609;

std::optional<double> Number(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    return ParseDecimal(text);
}

} // namespace

TimingUnits TimingUnitsOfSystem(const QString& unitSystem) {
    if (unitSystem == QLatin1String("US Standard") || unitSystem == QLatin1String("Imperial Standard"))
        return {true, QStringLiteral(N_("mph"))};
    return {false, QStringLiteral(N_("km/h"))};
}

std::optional<double> TrackLengthMetres(const QString& text) {
    return Number(text);
}

QString DistanceText(double trackMetres, int laps, const TimingUnits& units) {
    const double metres = trackMetres * laps;
    if (units.distanceInMiles)
        return FormatPattern(metres / kMetresPerMile, QStringLiteral("0.000")) + u' ' + Translate("miles");
    return FormatPattern(metres / 1000, QStringLiteral("0.000")) + u' ' + Translate("km");
}

QString SpeedText(qint32 lapMs, std::optional<double> trackMetres, const TimingUnits& units) {
    if (lapMs <= 0 || !trackMetres) return QString();
    double speed;
    if (units.distanceInMiles) {
        const double miles = std::round(*trackMetres / kMetresPerMile * 1000) / 1000;
        speed = miles / lapMs * 3600 * 1000;
    } else {
        speed = *trackMetres / lapMs * 3600;
    }
    return FormatPattern(speed, QStringLiteral("0.0")) + u' ' + Translate(units.speedUnit);
}

std::optional<int> LapsRemaining(const FuelFigures& fuel, int lapsDone) {
    const auto amount = Number(fuel.amountFuel);
    if (!amount) return std::nullopt;
    // A consumption of 0 or less would divide by zero or count backwards: it counts as no figure.
    std::optional<double> consumption;
    for (const QString* text : {&fuel.approxConsumption, &fuel.dryConsumption, &fuel.wetConsumption}) {
        const auto value = Number(*text);
        if (value && *value > 0) {
            consumption = value;
            break;
        }
    }
    if (!consumption) return std::nullopt;
    const double onBoard = std::max(0.0, *amount - Number(fuel.requiredAfterRace).value_or(0.0));
    const double laps = std::trunc(onBoard / *consumption);
    const double left = std::max(0.0, laps - lapsDone);
    return int(std::min(left, 1e9));
}

BestTimes ComputeBestTimes(const TLapTimer& timer) {
    BestTimes best;
    timer.BestLap(&best.bestLap);
    const int perLap = timer.Splits() + 1;
    if (perLap < 2) return best;
    // Every recorded segment counts, the running lap's included; the first of equal times is the best.
    best.bestSegmentLaps.assign(size_t(perLap), 0);
    std::vector<qint32> fastest(size_t(perLap), 0);
    for (int i = 1; i <= timer.RecordedCount(); ++i) {
        const size_t segment = size_t((i - 1) % perLap);
        const qint32 time = timer.Time(i);
        if (best.bestSegmentLaps[segment] == 0 || time < fastest[segment]) {
            fastest[segment] = time;
            best.bestSegmentLaps[segment] = (i - 1) / perLap + 1;
        }
    }
    if (std::find(best.bestSegmentLaps.begin(), best.bestSegmentLaps.end(), 0) ==
        best.bestSegmentLaps.end()) {
        qint64 sum = 0;
        for (qint32 time : fastest)
            sum += time;
        best.theoreticalBest = qint32(std::clamp<qint64>(sum, 0, 0x7fffffff));
    }
    return best;
}

LapFigureTexts ComputeLapFigures(const TLapTimer& timer, const QString& trackLength,
                                 const TimingUnits& units) {
    LapFigureTexts texts;
    const int laps = timer.LapCount();
    if (laps <= 0) return texts;
    const auto metres = TrackLengthMetres(trackLength);
    if (metres) texts.distance = DistanceText(*metres, laps, units);
    int bestNumber = 0;
    const qint32 best = timer.BestLap(&bestNumber);
    texts.best = timer.BestLapText();
    if (bestNumber > 0) texts.best += QStringLiteral(" (") + QString::number(bestNumber) + u')';
    const qint32 mean = timer.MeanOfBest();
    texts.mean = timer.MeanOfBestText();
    texts.bestSpeed = SpeedText(best, metres, units);
    texts.meanSpeed = SpeedText(mean, metres, units);
    texts.bestTimes = ComputeBestTimes(timer);
    if (texts.bestTimes.theoreticalBest > 0) texts.theoretical = LapTimeText(texts.bestTimes.theoreticalBest);
    return texts;
}
