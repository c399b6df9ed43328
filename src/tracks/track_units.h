#pragma once
// The track fields in the chosen units: shown converted, stored metric (metres, litres).
#include "track_info.h"
#include <QString>

struct TrackUnits {
    QString distance = QStringLiteral("metres"); // "metres" or "miles"
    QString volume = QStringLiteral("litres");   // "litres", "gallons (US)" or "gallons (Imperial)"

    bool Miles() const { return distance == QLatin1String("miles"); }
    bool UsGallons() const { return volume == QLatin1String("gallons (US)"); }
    bool ImperialGallons() const { return volume == QLatin1String("gallons (Imperial)"); }
    bool operator==(const TrackUnits&) const = default;
};

// The stored value as the page shows it (rounded display forms); a value that is no number stays as is.
QString ShownTrackValue(TrackUnit unit, const QString& stored, const TrackUnits& units);
// The shown value as it is stored, at full precision; as typed in the metric system.
QString StoredTrackValue(TrackUnit unit, const QString& shown, const TrackUnits& units);
// A value shown in the old units, shown in the new ones (a change of unit system on screen). Fuel is not
// converted here: the page shows it again from the stored litres.
QString ReshownTrackValue(TrackUnit unit, const QString& shown, const TrackUnits& from, const TrackUnits& to);
// The caption of a field on the page, translated; those of lengths and fuel name the unit ("Length [m]",
// "Dry track litres/lap").
QString TrackFieldCaption(TrackField field, const TrackUnits& units);
