#pragma once
// Vehicle types: code in files and settings, index in memory, display names.
#include <QString>

enum class VehicleType { None = -1, Motorcycle = 0, Kart = 1, Car = 2, Sidecar = 4 };

QString VehicleCode(VehicleType type);            // "mc", "gokart", "car", "sidecar", "null"
VehicleType VehicleFromCode(const QString& code); // case-insensitive; anything else: Motorcycle
// "motorcycle", "sidecar", "kart", "car", or "<none>" for anything else (translated).
QString VehicleDisplayName(const QString& code);
