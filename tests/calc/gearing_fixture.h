#pragma once
// Primary 1/1, final 14/42 (3.000), gear 1 12/36 (3.000), gear 2 12/24 (2.000), 1900 mm, 7000 rpm:
// the direct-drive speed is 266 km/h, 0.038 km/h per rpm.
#include "calc/gearing_model.h"

inline GearingInputs BaseInputs() {
    GearingInputs in;
    in.primaryInput = "1";
    in.primaryOutput = "1";
    in.countershaft = "14";
    in.rearSprocket = "42";
    in.gearInput[0] = "12";
    in.gearOutput[0] = "36";
    in.gearInput[1] = "12";
    in.gearOutput[1] = "24";
    in.tireCircumference = "1900";
    in.rpm = "7000";
    in.lowLimit = "6000";
    return in;
}
