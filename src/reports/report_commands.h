#pragma once
// The export commands as the main window runs them: the context from the application state and the
// snapshots from the current session and setup models.
#include "report_export.h"

class AppState;
class SessionModel;
class SetupModel;

// Reports go to the data folder's "Exports" folder with the HTML options of the settings; caption is
// the main window's caption, logo the picture it shows (and its size there).
ReportContext MainWindowReportContext(const AppState& state, const QString& caption, const ReportLogo& logo);

// The current session and setup. The session's unsaved changes include its setup's; "Yes" at the
// unsaved-changes question runs "Save session". trackLength gives the selected track's length in metres
// for the lap speeds (may be empty).
ReportSource CurrentSessionSource(SessionModel& session, SetupModel& setup, AppState& state,
                                  std::function<QString()> trackLength = {});
