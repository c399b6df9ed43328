#include "vehicle.h"

#include "translate.h"

QString VehicleCode(VehicleType type) {
    switch (type) {
    case VehicleType::Motorcycle:
        return QStringLiteral("mc");
    case VehicleType::Kart:
        return QStringLiteral("gokart");
    case VehicleType::Car:
        return QStringLiteral("car");
    case VehicleType::Sidecar:
        return QStringLiteral("sidecar");
    case VehicleType::None:
        break;
    }
    return QStringLiteral("null");
}

VehicleType VehicleFromCode(const QString& code) {
    if (code.compare(u"car", Qt::CaseInsensitive) == 0) return VehicleType::Car;
    if (code.compare(u"gokart", Qt::CaseInsensitive) == 0) return VehicleType::Kart;
    if (code.compare(u"sidecar", Qt::CaseInsensitive) == 0) return VehicleType::Sidecar;
    return VehicleType::Motorcycle;
}

QString VehicleDisplayName(const QString& code) {
    if (code == u"mc") return Translate("motorcycle");
    if (code == u"sidecar") return Translate("sidecar");
    if (code == u"gokart") return Translate("kart");
    if (code == u"car") return Translate("car");
    return Translate("<none>");
}
