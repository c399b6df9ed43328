#pragma once
// Reading and writing one setup area of a tag file, walking the field tables.
#include "setup_record.h"

class TTxtParser;

struct SetupIoContext {
    VehicleType vehicle = VehicleType::Motorcycle;
    bool miles = false; // distance unit "miles": lengths are shown converted, stored metric
};

// Whether the vehicle type has the area (aerodynamics and weight distribution: kart and car only).
bool HasSetupArea(SetupArea area, VehicleType vehicle);

// Reads the area's selected part-setup name and every field and cell the vehicle shows, overwriting
// them (a missing key empties its field), then the older key sets where the area's rule asks for them.
void ReadSetupArea(SetupRecord& record, SetupArea area, const SetupIoContext& context, TTxtParser& reader);

// Writes the area's sections with the current keys only, values in the stored units.
void WriteSetupArea(const SetupRecord& record, SetupArea area, const SetupIoContext& context,
                    TTxtParser& writer);

// The stored (metric) text of a shown value.
QString StoredText(const SetupRecord& record, const QString& id, DistanceConversion conversion, bool miles,
                   const QString& shown);
// The shown text of a stored value (converted for "miles").
QString ShownText(DistanceConversion conversion, bool miles, const QString& stored);
