#pragma once
// The setup report: every setup page that holds data, written from the setup field tables.
#include "calc/gearing_model.h"
#include "calc/weight_distribution.h"
#include "report_context.h"
#include "session/setup_record.h"
#include "storage/expected.h"
#include <optional>

class THTMLWriter;

// A read-only view of the setup as the setup pages show it.
struct SetupReportInput {
    VehicleType vehicle = VehicleType::Motorcycle;
    SetupRecord record;
    bool miles = false;                               // distance unit "miles": captions and shown values
    GearCalcMode gearCalcMode = GearCalcMode::Normal; // the gearing page's mode (not part of the setup)
    // The weight distribution page's mode (not part of the setup); none for a file reported on its own.
    std::optional<WeightMode> weightMode;
};

// The anchor of an area's section ("tiresetup", "suspensionsetup", ...).
QString SetupAnchor(SetupArea area);

// The number of jetting columns the report shows: "num_of_cylinders" as a whole number, kept within
// 1..5 (the page offers only these).
int ReportCylinderCount(const QString& text);

// Writes the whole setup report into an opened writer's document (from the document start to the
// document end) for the session's base name.
void WriteSetupReport(THTMLWriter& writer, const ReportContext& context, const SetupReportInput& input,
                      const QString& filePath, const QString& baseName);

// Writes ".\Exports\setup_{name}.htm" for the session file; returns its path or the write error.
Expected<QString, QString> ExportSetupReport(const ReportContext& context, const SetupReportInput& input,
                                             const QString& sessionFile);
