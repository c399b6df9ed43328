#include "app/unit_captions.h"

#include "storage/translate.h"
#include "storage/units.h"

DerivedUnits DerivedUnitsOf(const QString& unitSystem) {
    if (unitSystem == Unit::USStandard) return {Unit::Miles, Unit::Mph, Unit::GallonsUS};
    if (unitSystem == Unit::ImperialStandard) return {Unit::Miles, Unit::Mph, Unit::GallonsImperial};
    return {Unit::Metres, Unit::Kmh, Unit::Litres};
}

int VolumeConversionKind(const QString& from, const QString& to) {
    struct Row {
        const QString &from, &to;
        int kind;
    };
    const Row rows[] = {
        {Unit::Litres, Unit::GallonsUS, 1},          {Unit::Litres, Unit::GallonsImperial, 2},
        {Unit::GallonsImperial, Unit::Litres, 3},    {Unit::GallonsUS, Unit::Litres, 4},
        {Unit::GallonsImperial, Unit::GallonsUS, 5}, {Unit::GallonsUS, Unit::GallonsImperial, 6},
    };
    for (const auto& row : rows)
        if (row.from == from && row.to == to) return row.kind;
    return 0;
}

void UnitCaptions::ApplyUnitSystem(const QString& unitSystem) {
    m_system = unitSystem;
    m_units = DerivedUnitsOf(unitSystem);
}

namespace {
// Converting is no edit, and a value that reads the same is not written again.
void SetIfDifferent(const UnitCaptions::Getter& get, const UnitCaptions::Setter& set, const QString& text) {
    if (get && get() == text) return;
    if (set) set(text);
}
} // namespace

Connection UnitCaptions::AddDistanceCaption(const QString& metricText, const QString& milesText, Setter set) {
    return m_distanceCaptions.Connect([metricText, milesText, set = std::move(set)](bool metric) {
        if (set) set(Translate(metric ? metricText : milesText));
    });
}

Connection UnitCaptions::AddVolumeCaption(const QString& litresText, const QString& gallonsText, Setter set) {
    return m_volumeCaptions.Connect([litresText, gallonsText, set = std::move(set)](bool litres) {
        if (set) set(Translate(litres ? litresText : gallonsText));
    });
}

Connection UnitCaptions::AddDistanceField(DistanceKind kind, Getter get, Setter set) {
    static constexpr int kinds[][2] = {{1, 2}, {5, 6}, {3, 4}, {7, 8}};
    const auto& k = kinds[static_cast<int>(kind)];
    return m_distanceFields.Connect(
        [toConverted = k[0], toMetric = k[1], get = std::move(get), set = std::move(set)](bool metric) {
            if (get) SetIfDifferent(get, set, ConvertDistance(metric ? toMetric : toConverted, get(), false));
        });
}

Connection UnitCaptions::AddVolumeField(Getter get, Setter set) {
    return m_volumeFields.Connect([get = std::move(get), set = std::move(set)](int kind) {
        if (get) SetIfDifferent(get, set, ConvertVolume(kind, get(), false));
    });
}

Connection UnitCaptions::AddStoredVolumeField(Getter storedLitres, Setter set) {
    return m_storedVolumeFields.Connect([get = std::move(storedLitres), set = std::move(set)](int kind) {
        if (!get) return;
        const QString stored = get();
        SetIfDifferent({}, set, kind ? ConvertVolume(kind, stored, false) : stored);
    });
}

void UnitCaptions::ApplyDistanceUnit(const QString& previousDistanceUnit) {
    ChangeTracker::ConversionScope scope(m_tracker);
    const bool metric = m_units.distance == Unit::Metres;
    m_distanceCaptions.Emit(metric);
    if (m_units.distance == previousDistanceUnit) return;
    m_distanceFields.Emit(metric);
    distanceConverted.Emit();
}

void UnitCaptions::ApplyVolumeUnit(const QString& previousVolumeUnit) {
    ChangeTracker::ConversionScope scope(m_tracker);
    const QString& unit = m_units.volume;
    m_volumeCaptions.Emit(unit == Unit::Litres);
    m_storedVolumeFields.Emit(VolumeConversionKind(Unit::Litres, unit));
    if (const int kind = VolumeConversionKind(previousVolumeUnit, unit)) m_volumeFields.Emit(kind);
    volumeApplied.Emit();
}
