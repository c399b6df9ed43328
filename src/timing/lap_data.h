#pragma once
// The lap data of the four driver slots as a session file holds them (section "lap_times"): what loading
// a session, importing lap times and restoring from the crash journal hand to the live timing.
#include <QString>
#include <array>

struct SlotLapData {
    QString name;         // empty: the slot keeps its name
    double startTime = 0; // day number; 0 = none
    double stopTime = 0;
    qint32 pitStopTime = 0; // ms
    QString splitTimes;     // recorded segment times joined by ","
};

struct LapData {
    QString splitsPerLap = QStringLiteral("0");
    std::array<SlotLapData, 4> slots; // slot 1 at index 0
};

// One driver's laps as the lap entry dialog hands them over: the run is replaced as if it had been timed.
struct EnteredLaps {
    double startTime = 0; // day number
    double stopTime = 0;
    qint32 pitStopTime = 0; // ms
    QString splitTimes;     // segment times joined by ","
    int splits = 0;         // splits per lap of the entered data
};
