#pragma once
// The "export" subcommands of the track list and the workshop lists (export_commands.cpp); the command
// "export" (cmd_export.cpp) hands them their arguments.
#include "app/program_settings.h"
#include "storage/vehicle.h"
#include "workshop/tire_list.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace cli {

inline const QString kExportTracksUsage = QStringLiteral(
    "export tracks [--copy-movies] [--max-width W --max-height H --fit|--restrict] [--data-dir DIR]");

inline const QString kExportPartStatusUsage = QStringLiteral(
    "export part-status [--inspection] [--group NAME]... [--supplier NAME]... [--sort CAPTION]... "
    "[--show COLUMN]... [--hide COLUMN]... [--mileage-below N] [--hours-below N] [--starts-below N] "
    "[--data-dir DIR]");
inline const QString kExportTireTagsUsage =
    QStringLiteral("export tire-tags [--vehicle CODE] [--id ID]... [--data-dir DIR]");

// The tires of the vehicle's list (the settings' vehicle unless a code is given) with the IDs given, in
// list order, all of them when none is given; std::nullopt after the message.
struct ChosenTires {
    VehicleType vehicle = VehicleType::Motorcycle;
    std::vector<TireRecord> tires;
};
std::optional<ChosenTires> LoadChosenTires(const QString& dataFolder, const ProgramSettings& settings,
                                           const std::optional<QString>& vehicleCode, const QStringList& ids);

int ExportTracksCommand(QStringList args);
int ExportPartStatusCommand(QStringList args);
int ExportTireTagsCommand(QStringList args);

} // namespace cli
