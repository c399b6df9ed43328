#pragma once
// Builds the reports' read-only views from the session and setup as the program holds them. The
// window's export and the command line's build them here, so both write the same report.
#include "session/session_record.h"
#include "session_report.h"

class SessionModel;
class SetupModel;
struct ProgramSettings;

// The report input of a session: the record's values under their keys (walking the session field
// table), its notes, pit stops and lap data, with what the settings decide: the units and their captions,
// the air density row (shown whenever temperature, pressure and humidity are given) and the lap figure
// settings. trackLength is the track's length in metres as typed, for the lap speeds (may be empty).
// The fuel figures are the caller's to add.
SessionReportInput SessionReportInputFrom(const SessionRecord& record, const QString& sessionFile,
                                          const ProgramSettings& settings, const QString& trackLength);

// The current session as the "Active session" pages show it, with the lap data the live timing holds.
SessionReportInput SessionReportInputFrom(const SessionModel& session, const ProgramSettings& settings,
                                          const QString& trackLength);

// The setup as the setup pages show it.
SetupReportInput SetupReportInputFrom(const SetupModel& setup);
