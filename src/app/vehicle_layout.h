#pragma once
// What the vehicle type decides on screen: which setup pages and panels exist and how the tire areas
// are laid out.
#include "storage/vehicle.h"
#include <QString>
#include <QStringList>

struct VehicleLayout {
    enum class Suspension { Bike, Kart, Car }; // Bike has the "Basic" / "Detailed" sub-pages
    enum class TireSetup { Bike, FourWheel };

    bool aerodynamicsAndWeightPages = false; // "Aerodynamics" and "Weight distribution" setup pages
    bool carGeneralPanel = false;
    bool carWheelTrackPanel = false;
    Suspension suspension = Suspension::Bike;
    bool sidecarPanels = false; // brake panel, suspension group, hot tire temperature and pressure panels
    TireSetup tireSetup = TireSetup::Bike;
    int bikeTireColumns = 3;            // columns of the bike tire grid
    bool fourWheelSessionTires = false; // the session notes' "Tires" page variant
    bool remainingStrokeGroup = true;   // "Remaining suspension stroke [mm]"
    QStringList tireAssignButtons;      // position codes of the tire assignment buttons
};

VehicleLayout VehicleLayoutFor(VehicleType type);

// The vehicle's name in the status bar: "Motorcycle", "Sidecar", "Kart", "Car" (translated); "" for none.
QString VehicleStatusName(VehicleType type);
