#pragma once
// The session list report ".\Exports\sessions.htm" (one row per session, linked to each session's own
// report, which is written alongside) and the comparison report ".\Exports\compared.htm" (sessions side
// by side, the column heads linked to the session reports).
#include "session_report.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

class THTMLWriter;
struct CompareResult;

// One row of the session list, as the session page shows the session.
struct SessionListEntry {
    QString sessionFile;
    QString startTime; // driver 1's stored start time (the order)
    QString event, date, track, condition, type, sessionClass, bestLap, position, information;
    QString driverNotes, vehicleNotes;
};
SessionListEntry SessionListEntryFrom(const SessionReportInput& session);

// The date link's tooltip: "Driver Notes", a line break and the driver notes' lines, then (after
// "--------------" when the driver notes came first) "Vehicle Notes" and its lines. A line break is LF CR.
QString SessionListNotesText(const QString& driverNotes, const QString& vehicleNotes);

// Newest first by the stored start time; sessions without one last. Stable.
void SortSessionList(std::vector<SessionListEntry>& entries);

struct SessionListOptions {
    bool groupByEvent = false; // "Group by name of event"
    QString title;             // "Title"
};

void WriteSessionList(THTMLWriter& writer, const ReportContext& context,
                      const std::vector<SessionListEntry>& entries, const SessionListOptions& options,
                      const QString& filePath);

// Loads a session file as the program opens it: its report inputs, or the error.
using SessionReportLoader =
    std::function<Expected<std::pair<SessionReportInput, SetupReportInput>, QString>(const QString& path)>;
// The current file name and the share done (0..100), after which the caller may let its window repaint.
using ExportProgressFn = std::function<void(const QString& file, int percent)>;

struct SessionListExport {
    QString listPath;    // ".\Exports\sessions.htm"; empty when it was not written
    QStringList written; // every file written, the list last
    QStringList errors;  // sessions that could not be read or written (their rows are left out)
};
// Loads each file, writes its own session and setup reports and the list. A session that cannot be
// loaded is reported in errors and left out; a failed write of the list ends the export with its error.
SessionListExport ExportSessionList(const ReportContext& context, const QStringList& files,
                                    const SessionListOptions& options, const SessionReportLoader& load,
                                    const ExportProgressFn& progress = {});

void WriteComparedReport(THTMLWriter& writer, const ReportContext& context, const CompareResult& compared,
                         const QString& filePath);
// The written path; "First select two or more events to compare!" when the comparison holds no session.
Expected<QString, QString> ExportComparedReport(const ReportContext& context, const CompareResult& compared);
