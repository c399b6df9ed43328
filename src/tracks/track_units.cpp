#include "track_units.h"

#include "storage/translate.h"
#include "storage/units.h"

QString ShownTrackValue(TrackUnit unit, const QString& stored, const TrackUnits& units) {
    switch (unit) {
    case TrackUnit::Length:
        return units.Miles() ? ConvertDistance(1, stored, false) : stored;
    case TrackUnit::Short:
        return units.Miles() ? ConvertDistance(5, stored, false) : stored;
    case TrackUnit::Fuel:
        if (units.UsGallons()) return ConvertVolume(1, stored, false);
        if (units.ImperialGallons()) return ConvertVolume(2, stored, false);
        return stored;
    case TrackUnit::None:
        break;
    }
    return stored;
}

QString StoredTrackValue(TrackUnit unit, const QString& shown, const TrackUnits& units) {
    switch (unit) {
    case TrackUnit::Length:
        return units.Miles() ? ConvertDistance(2, shown, true) : shown;
    case TrackUnit::Short:
        return units.Miles() ? ConvertDistance(6, shown, true) : shown;
    case TrackUnit::Fuel:
        if (units.UsGallons()) return ConvertVolume(4, shown, true);
        if (units.ImperialGallons()) return ConvertVolume(3, shown, true);
        return shown;
    case TrackUnit::None:
        break;
    }
    return shown;
}

QString ReshownTrackValue(TrackUnit unit, const QString& shown, const TrackUnits& from,
                          const TrackUnits& to) {
    if (from.Miles() == to.Miles()) return shown;
    switch (unit) {
    case TrackUnit::Length:
        return ConvertDistance(to.Miles() ? 1 : 2, shown, false);
    case TrackUnit::Short:
        return ConvertDistance(to.Miles() ? 5 : 6, shown, false);
    default:
        return shown;
    }
}

QString TrackFieldCaption(TrackField field, const TrackUnits& units) {
    const bool miles = units.Miles();
    const bool litres = !units.UsGallons() && !units.ImperialGallons();
    switch (field) {
    case TrackField::Length:
        return Translate(miles ? "Length [miles]" : N_("Length [m]"));
    case TrackField::MainStraightLength:
        return Translate(miles ? "Main straight [ft]" : N_("Main straight [m]"));
    case TrackField::Width:
        return Translate(miles ? "Width [ft]" : N_("Width [m]"));
    case TrackField::Altitude:
        return Translate(miles ? "Altitude [ft]" : N_("Altitude [m]"));
    case TrackField::FuelConsumptionDry:
        return Translate(litres ? "Dry track litres/lap" : N_("Dry track gallons/lap"));
    case TrackField::FuelConsumptionWet:
        return Translate(litres ? "Wet track litres/lap" : N_("Wet track gallons/lap"));
    case TrackField::LeftTurns:
        return Translate("Left turns");
    case TrackField::RightTurns:
        return Translate("Right turns");
    case TrackField::Surface:
        return Translate("Surface");
    case TrackField::Country:
        return Translate("Country");
    case TrackField::City:
        return Translate("City");
    case TrackField::Organisation:
        return Translate("Organisation");
    case TrackField::Address:
        return Translate("Address");
    case TrackField::Phone:
        return Translate("Phone");
    case TrackField::Telefax:
        return Translate("Telefax");
    case TrackField::Accounts:
        return Translate("Accounts");
    case TrackField::Contact1:
        return Translate("Contact 1");
    case TrackField::Contact2:
        return Translate("Contact 2");
    case TrackField::Contact1Email:
    case TrackField::Contact2Email:
        return Translate("E-mail");
    case TrackField::Homepage:
        return Translate("Home page");
    case TrackField::Picture:
        return Translate("Track map");
    case TrackField::Movie:
        return Translate("Movie");
    }
    return QString();
}
