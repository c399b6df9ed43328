#pragma once
// The lap times of the session report: per driver a summary table and either the full lap table (with
// the best lap in bold) or a compact list of lap times in groups of five.
#include "report_context.h"
#include "storage/expected.h"
#include "timing/lap_data.h"
#include "timing/lap_figures.h"

class THTMLWriter;

// The lap data and what the live timing page derives its figures from.
struct LapReportInput {
    LapData laps;
    int percentForMean = 100;
    QString trackLength; // metres, as the track list holds it
    TimingUnits units;
};

// Every slot's stored times as the report reads them, or the first failing slot's error (a time that is
// no integer, more times than a driver keeps): a report would otherwise leave those laps out unnoticed.
Expected<void, QString> CheckLapTimes(const LapReportInput& input);

// Slots (1..4) that have at least one lap, in slot order.
QList<int> SlotsWithLaps(const LapReportInput& input);

// The label of a compact list row: "Lap 1-5", "Lap 11-13", "Lap 11".
QString CompactLapLabel(int firstLap, int lastLap);

// One section with the lap times of one or two drivers (slot 1..4; 0 = missing).
void WriteLapTimesSection(THTMLWriter& writer, const ReportContext& context, const LapReportInput& input,
                          int first, int second);
// The summary table and the lap list of one driver.
void WriteDriverLapTimes(THTMLWriter& writer, const ReportContext& context, const LapReportInput& input,
                         int slot, bool fullWidth);
