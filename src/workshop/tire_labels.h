#pragma once
// What the tire tags and labels print of a tire: the rows of its data, the mileage texts and the label
// lines (front and history).
#include "storage/vehicle.h"
#include "tire_list.h"

#include <QString>
#include <QStringList>
#include <vector>

// The tire list columns a tag shows, in order: the circumferences only for karts and cars.
std::vector<int> TireTagColumns(VehicleType vehicle);
// "km" or "miles".
QString DistanceUnitWord(bool miles);
// A tire's stored mileage (km) in the user's unit as "0.000" + " " + unit word; "0" when it is no number.
QString TireMileageText(const QString& km, bool miles);
// A history entry's mileage (km) likewise, but empty when the entry holds no distance.
QString HistoryMileageText(const QString& km, bool miles);

// The label's front lines, caption + " : " + value: "Id", Pos., Brand, Dimension, Compound, Mileage, Heat
// cycles, for karts and cars Circ. curr, Date purchased, Date 1st use.
QStringList TireLabelFront(const TireRecord& tire, VehicleType vehicle, bool miles);
// One line per history entry: date + " : " + track + " " + laps + " " + "laps" + " ".
QStringList TireLabelHistory(const TireRecord& tire);
