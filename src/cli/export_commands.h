#pragma once
// The "export" subcommands of the track list and the workshop lists (export_commands.cpp); the command
// "export" (cmd_export.cpp) hands them their arguments.
#include <QString>
#include <QStringList>

namespace cli {

inline const QString kExportTracksUsage = QStringLiteral(
    "export tracks [--copy-movies] [--max-width W --max-height H --fit|--restrict] [--data-dir DIR]");

int ExportTracksCommand(QStringList args);

} // namespace cli
