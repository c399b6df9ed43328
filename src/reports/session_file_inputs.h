#pragma once
// A session file read as the program opens it, for the reports of several sessions: the session and its
// setup with the units, HTML options and track lengths of the data folder's settings.
#include "session_report.h"
#include "storage/expected.h"
#include "storage/vehicle.h"

#include <utility>

struct ProgramSettings;

// The file's own vehicle; a file without one is read for the vehicle the settings hold.
VehicleType VehicleOfSessionFile(const QString& path, const ProgramSettings& settings);

// The report inputs, or the error: the file is missing, or a message came up while reading it (a report
// would not show what the file holds).
Expected<std::pair<SessionReportInput, SetupReportInput>, QString>
LoadSessionReportInputs(const QString& path, const QString& dataFolder, const ProgramSettings& settings);
