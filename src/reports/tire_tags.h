#pragma once
// Tire tags: one framed tag per exported tire with its data and its history, two tags to a printed page.
#include "report_context.h"
#include "storage/expected.h"
#include "storage/vehicle.h"
#include "workshop/tire_list.h"

#include <QString>
#include <vector>

// "tiretags.htm" in the export folder.
QString TireTagsFileName();

// Writes the tags of the tires given (the ticked or selected ones, in list order); miles: the distance
// unit. A page break follows every second tag except the last, counted among the exported tires so that
// each page holds two tags whichever tires were chosen. Returns the file written.
Expected<QString, QString> WriteTireTags(const ReportContext& context, const std::vector<TireRecord>& tires,
                                         VehicleType vehicle, bool miles);
