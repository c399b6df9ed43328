#pragma once
// The fuel figures: the consumption measured in a session, the consumption per lap for a share of wet
// track, the laps of a timed race, the fuel amount calculator ("Before session": total and premix;
// "After session": fuel left from the tank's weight) and the refuelling planner of the pit stop page.
// Every figure is computed from the texts as typed; a figure that cannot be computed is the empty text.
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <vector>

// Captions that name the fuel unit, translated. litres: the volume unit is litres (else gallons, US or
// Imperial alike; weights are then pounds).
struct FuelCaptions {
    QString sessionUnit;     // "litres" / "gallons"
    QString total;           // "Total litres"
    QString perLap;          // "Litres/lap"
    QString distancePerFuel; // "km/litre" / "Mpg"
    QString perHour;         // "Litres/hour"
    QString trackDry;        // "Dry track litres/lap"
    QString trackWet;        // "Wet track litres/lap"
    QString volume;          // calculator: dry, wet, total, required after race
    QString approxPerLap;    // "litres/lap" / "Gallons/lap"
    QString weight;          // "kg" / "lbs"
    QString density;         // "kg/litre" / "lbs/gallon"
    QString remaining;       // "litres" / "gallons"
};
FuelCaptions FuelCaptionsFor(bool litres);

struct SessionConsumptionInput {
    QString fuelAtStart, fuelAfter, laps;
    QString trackLength; // metres
    bool litres = true;
    // Driver 1's start and stop (day numbers, 0 = none) and total pit time.
    double startTime = 0, stopTime = 0;
    qint32 pitStopMs = 0;
};
struct SessionConsumption {
    QString total, perLap, distancePerFuel, perHour;
};
// The session's consumption figures. The running time is the whole stop - start difference (a session
// past midnight or longer than a day counts in full); without a start or a stop there is no per-hour
// figure. 0 laps give empty figures. Error "Pitstop time longer than total time, aborting!" when the pit
// time exceeds a known running time (the caller keeps the previous figures).
Expected<SessionConsumption, QString> SessionConsumptionOf(const SessionConsumptionInput& in);
// The figures as caption and value pairs in the order the page shows them.
std::vector<std::pair<QString, QString>> SessionConsumptionLines(const SessionConsumption& figures,
                                                                 bool litres);

// Consumption per lap with a share of wet track: dry - (dry - wet) * percent / 100, "0.0000". An empty
// percentage counts as 0; a percentage that is no number or lies outside 0..100 gives "".
QString WetConsumption(const QString& dry, const QString& wet, const QString& percent);

// Laps of a race of hours at an approximate lap time in seconds: hours * 3600 / lapTime + 0.5, "0"
// (one lap more than the whole laps that fit); "" unless both are numbers and the lap time is above 0.
QString LapsToRun(const QString& hours, const QString& lapTimeSeconds);

// The "Before session" page of the fuel amount calculator.
struct FuelAmountInput {
    QString dry, wet;   // consumption per lap
    int wetPercent = 0; // the track condition slider, 0..100
    QString raceLaps, extraLaps, required, premixPercent;
    QString previousTotal; // kept when nothing else can be shown
};
struct FuelAmount {
    QString approxPerLap;  // "0.0000", "" unless dry and wet are numbers
    QString total;         // "0.000"
    QString oil, gasoline; // "0.000", "" unless total and premix are numbers
};
FuelAmount CalcFuelAmount(const FuelAmountInput& in);
// A typed percent clamped to 0..100; std::nullopt when it is no whole number.
std::optional<int> ClampWetPercent(const QString& text);
QString FuelCalculatorNote();

// The "After session" page: (full - empty) / density, "0.000"; "0.000" as well when the density is not
// above 0 or the full tank is not heavier than the empty one; "" when a text is no number.
QString RemainingFuel(const QString& fullTankWeight, const QString& emptyTankWeight, const QString& density);

// The refuelling planner.
struct PitPlanInput {
    QString capacity, leastAmount, consumption, lapsToRun;
    bool litres = true; // amounts "0.00" in litres, else "0.000"
};
inline constexpr int kMaxPlannedStops = 10000;
struct PitPlan {
    bool planned = false; // false: the rows were left as they were
    QString refusal;      // why inputs that are numbers cannot be planned ("" for inputs that are none)
    std::vector<QStringList> rows; // the rows kept, then the planned ones (4 cells each)
};
// Plans from lap fromLap (>= 0): the rows up to the last one at or before that lap stay (none from lap 0),
// the last refuelling among them counts as a full tank, and stops follow until the laps to run are
// covered; the rows come back sorted by lap. Plans only when a tank lasts at least one lap (rounded) and at
// most kMaxPlannedStops stops.
PitPlan PlanPitStops(const std::vector<QStringList>& rows, int fromLap, const PitPlanInput& in);
// Rows sorted by lap (numbers compare numerically, a lap that is no number after them), stable.
void SortPitStopRows(std::vector<QStringList>& rows);
