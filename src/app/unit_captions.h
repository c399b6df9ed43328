#pragma once
// The unit system and what follows from it on screen: the derived distance, speed and volume units, the
// captions that name a unit, and the shown values converted when the unit changes. Pages register their
// captions and fields here; ApplyDistanceUnit / ApplyVolumeUnit walk the registrations. Files always hold
// metric values, so start-up applies the units with "metres" and "litres" as the previous ones.
#include "app/change_tracker.h"
#include "events/event.h"

#include <QString>
#include <functional>

namespace Unit {
inline const QString Metric = QStringLiteral("Metric");
inline const QString USStandard = QStringLiteral("US Standard");
inline const QString ImperialStandard = QStringLiteral("Imperial Standard");
inline const QString Metres = QStringLiteral("metres");
inline const QString Miles = QStringLiteral("miles");
inline const QString Kmh = QStringLiteral("km/h");
inline const QString Mph = QStringLiteral("mph");
inline const QString Litres = QStringLiteral("litres");
inline const QString GallonsUS = QStringLiteral("gallons (US)");
inline const QString GallonsImperial = QStringLiteral("gallons (Imperial)");
} // namespace Unit

struct DerivedUnits {
    QString distance, speed, volume;
};
// Any unit-system text other than "US Standard" and "Imperial Standard" counts as "Metric".
DerivedUnits DerivedUnitsOf(const QString& unitSystem);

// ConvertVolume kind from one volume unit to another; 0 when they are equal or a unit is unknown.
int VolumeConversionKind(const QString& from, const QString& to);

// What a distance field holds, with the ConvertDistance kinds to miles-based and back to metric units.
enum class DistanceKind {
    TrackLength, // metres <-> miles (1, 2)
    Feet,        // metres <-> feet (5, 6): main straight, width, altitude
    Millimetres, // millimetres <-> inches (3, 4): circumferences, strokes, sag
    Kilometres,  // kilometres <-> miles (7, 8): tire mileage
};

class UnitCaptions {
  public:
    using Getter = std::function<QString()>;
    using Setter = std::function<void(const QString&)>;

    explicit UnitCaptions(ChangeTracker* tracker = nullptr) : m_tracker(tracker) {}

    // Sets the derived units from the unit system ("ApplyUnitSystem").
    void ApplyUnitSystem(const QString& unitSystem);
    const QString& UnitSystem() const { return m_system; }
    const DerivedUnits& Units() const { return m_units; }

    // Registrations last as long as the connection they return (keep it with the caption or field).
    // A caption with its text for metres and for miles (or litres and gallons); the setter receives the
    // translated text.
    [[nodiscard]] Connection AddDistanceCaption(const QString& metricText, const QString& milesText,
                                                Setter set);
    [[nodiscard]] Connection AddVolumeCaption(const QString& litresText, const QString& gallonsText,
                                              Setter set);
    // A shown value converted when the unit changes.
    [[nodiscard]] Connection AddDistanceField(DistanceKind kind, Getter get, Setter set);
    [[nodiscard]] Connection AddVolumeField(Getter get, Setter set);
    // A value stored in litres and shown in the current volume unit (the track's fuel per lap).
    [[nodiscard]] Connection AddStoredVolumeField(Getter storedLitres, Setter set);

    // After the shown distances were converted (redraw the driver slots) and after a volume unit was
    // applied (recompute fuel consumption and pit-stop figures). Neither counts as an edit.
    Event<> distanceConverted;
    Event<> volumeApplied;
    // After a new unit system was applied and every registered value converted (start-up, options).
    Event<> unitsChanged;

    // Sets the captions for the current distance unit and, when it differs from previous, converts every
    // registered distance field. Conversions do not mark any area changed.
    void ApplyDistanceUnit(const QString& previousDistanceUnit);
    // Same for the volume unit; stored-litre fields are shown afresh in every case.
    void ApplyVolumeUnit(const QString& previousVolumeUnit);

  private:
    // Captions are told whether the metric text is shown; fields the conversion kind to apply (0: none).
    ChangeTracker* m_tracker;
    QString m_system = Unit::Metric;
    DerivedUnits m_units = DerivedUnitsOf(Unit::Metric);
    Event<bool> m_distanceCaptions, m_volumeCaptions;
    Event<bool> m_distanceFields; // true: to metric
    Event<int> m_volumeFields, m_storedVolumeFields;
};
