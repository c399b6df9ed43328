#include "vehicle_layout.h"

#include "storage/translate.h"

VehicleLayout VehicleLayoutFor(VehicleType type) {
    VehicleLayout layout;
    switch (type) {
    case VehicleType::Kart:
    case VehicleType::Car:
        layout.aerodynamicsAndWeightPages = true;
        layout.carGeneralPanel = true;
        layout.carWheelTrackPanel = type == VehicleType::Car;
        layout.suspension =
            type == VehicleType::Car ? VehicleLayout::Suspension::Car : VehicleLayout::Suspension::Kart;
        layout.tireSetup = VehicleLayout::TireSetup::FourWheel;
        layout.fourWheelSessionTires = true;
        layout.remainingStrokeGroup = false;
        layout.tireAssignButtons = {QStringLiteral("FL"), QStringLiteral("FR"), QStringLiteral("RL"),
                                    QStringLiteral("RR")};
        break;
    case VehicleType::Sidecar:
        layout.sidecarPanels = true;
        layout.bikeTireColumns = 4;
        layout.tireAssignButtons = {QStringLiteral("front"), QStringLiteral("rear"), QStringLiteral("side")};
        break;
    default:
        layout.tireAssignButtons = {QStringLiteral("front"), QStringLiteral("rear")};
        break;
    }
    return layout;
}

QString VehicleStatusName(VehicleType type) {
    switch (type) {
    case VehicleType::Motorcycle:
        return Translate("Motorcycle");
    case VehicleType::Sidecar:
        return Translate("Sidecar");
    case VehicleType::Kart:
        return Translate("Kart");
    case VehicleType::Car:
        return Translate("Car");
    default:
        return QString();
    }
}
