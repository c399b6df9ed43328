#pragma once
// The start-up log: one line recording when the program started, rewritten at every start.
#include "storage/expected.h"
#include <QDateTime>
#include <QString>

// "<folder>/<program name>.log".
QString StartupLogPath(const QString& folder, const QString& programName);
// Writes "Debug log started at <short date> <long time>" in the system's own formats. The error is the
// message "Failed writing to log file %s" (translated, filled).
Expected<void, QString> WriteStartupLog(const QString& path, const QDateTime& now);
