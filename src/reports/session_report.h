#pragma once
// The session report: conditions, notes, pit stops, tire and vehicle readings and the lap times of each
// driver, linked to the setup report written alongside it.
#include "lap_time_section.h"
#include "report_context.h"
#include "setup_report.h"
#include "storage/expected.h"

#include <QStringList>
#include <vector>

class THTMLWriter;

// One value of the session page as shown, under its session file key ("track", "top_speed", ...).
struct SessionReportField {
    QString key;
    QString text;
};

// A read-only view of the session as the session pages show it.
struct SessionReportInput {
    QString sessionFile; // the open session's file; empty or missing: "untitled"
    std::vector<SessionReportField> fields;
    QString driverNotes;
    QString vehicleNotes;
    QStringList pitStopHeaders;                    // the pit stop table's captions, column 0 to 3
    std::vector<QStringList> pitStops;             // rows: caption (column 0) and three values
    QString temperatureUnit = QStringLiteral("C"); // caption beside the temperatures
    QString pressureUnit = QStringLiteral("mbar");
    bool airDensityShown = false;
    bool airDensityAd = false; // AD (kg/m3) rather than RAD (%)
    QString airDensityCaption; // the caption beside the figure; "AD" or "RAD" when empty
    QString airDensity;
    QString remainingStrokeCaption = QStringLiteral("Remaining suspension stroke [mm]");
    // The fuel figures of the vehicle data, under their current captions ("Total litres", ...).
    std::vector<std::pair<QString, QString>> fuelFigures;
    LapReportInput laps;

    QString Text(const QString& key) const;
};

// The link target of a track's page in the track list report: "A/B: C" -> "A_B- C.htm".
QString TrackPageName(const QString& trackName);

void WriteSessionReport(THTMLWriter& writer, const ReportContext& context, const SessionReportInput& session,
                        const SetupReportInput& setup, const QString& filePath);

// Writes ".\Exports\setup_{name}.htm", then ".\Exports\session_{name}.htm"; returns the two paths or
// the first error: lap times that cannot be read (nothing is written) or a failed write.
Expected<QStringList, QString> ExportSessionReport(const ReportContext& context,
                                                   const SessionReportInput& session,
                                                   const SetupReportInput& setup);
