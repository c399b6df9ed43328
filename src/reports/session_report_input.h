#pragma once
// Builds the reports' read-only views from the session and setup as the program holds them.
#include "session/session_record.h"
#include "session_report.h"

class SessionModel;
class SetupModel;

// The session's values under their keys (walking the session field table), its notes, pit stop rows
// and lap data. Unit captions, air density and fuel figures are the caller's to add.
SessionReportInput SessionReportInputFrom(const SessionRecord& record, const QString& sessionFile,
                                          bool miles);

// The setup as the setup pages show it.
SetupReportInput SetupReportInputFrom(const SetupModel& setup);

// The current session as the "Active session" pages show it: values, notes, pit stops, air density
// and unit captions, and the lap data the live timing holds. Track length, lap figure settings and fuel
// figures are the caller's to add.
SessionReportInput SessionReportInputFrom(const SessionModel& session, const ProgramSettings& settings);
