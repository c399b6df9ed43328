#pragma once
// The live figures derived from a lap timer and the session's track and fuel figures.
#include <QString>
#include <optional>
#include <vector>

class TLapTimer;

// Distance and speed units of the unit system in use.
struct TimingUnits {
    bool distanceInMiles = false; // distance unit "miles" (else "metres")
    QString speedUnit = QStringLiteral("km/h");
};

// "Metric", "US Standard", "Imperial Standard"; anything else counts as metric.
TimingUnits TimingUnitsOfSystem(const QString& unitSystem);

// The track length text as metres; std::nullopt when it is no number.
std::optional<double> TrackLengthMetres(const QString& text);

// "12.345 km" / "7.672 miles" for laps on a track of length metres.
QString DistanceText(double trackMetres, int laps, const TimingUnits& units);
// "123.4 km/h"; empty when the lap time is not positive or there is no track length.
QString SpeedText(qint32 lapMs, std::optional<double> trackMetres, const TimingUnits& units);

// The fuel figures laps remaining are computed from, as the user typed them (volume unit of the unit
// system; consumption per lap).
struct FuelFigures {
    QString amountFuel;        // the session's fuel on board
    QString approxConsumption; // fuel calculator's approximate consumption per lap
    QString dryConsumption;    // the track's dry consumption per lap
    QString wetConsumption;    // the track's wet consumption per lap
    QString requiredAfterRace; // fuel calculator's required amount after the race
};

// Laps left on the fuel on board after lapsDone laps, never negative; std::nullopt when the line is
// hidden (no amount, or no usable consumption: a consumption of 0 or less counts as none).
std::optional<int> LapsRemaining(const FuelFigures& fuel, int lapsDone);

// The best times of a run: the best lap's number (0: none), and with splits the lap of the best time of
// each segment (0: none) and their sum, the lap the driver could do with every segment at its best
// (0 until every segment has a time).
struct BestTimes {
    int bestLap = 0;
    std::vector<int> bestSegmentLaps; // one per segment of a lap, with splits only
    qint32 theoreticalBest = 0;
};
BestTimes ComputeBestTimes(const TLapTimer& timer);

// The texts of one slot's figures ("Best", "Mean", speeds, distance, "Theoretical") after a press or a
// redraw.
struct LapFigureTexts {
    QString best, bestSpeed, mean, meanSpeed, distance, theoretical;
    BestTimes bestTimes; // what the lap table marks
};
LapFigureTexts ComputeLapFigures(const TLapTimer& timer, const QString& trackLength,
                                 const TimingUnits& units);
