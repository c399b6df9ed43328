#pragma once
// Builds the reports' read-only views from the session and setup as the program holds them.
#include "session/session_record.h"
#include "session_report.h"

class SetupModel;

// The session's values under their keys (walking the session field table), its notes, pit stop rows
// and lap data. Unit captions, air density and fuel figures are the caller's to add.
SessionReportInput SessionReportInputFrom(const SessionRecord& record, const QString& sessionFile,
                                          bool miles);

// The setup as the setup pages show it.
SetupReportInput SetupReportInputFrom(const SetupModel& setup);

// Reads the session values of a session file the way loading does (notes blocks, pit stop list, lap
// data), in stored units. Returns false when the file does not exist.
bool ReadSessionRecord(const QString& path, SessionRecord& record);
