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

void UnitCaptions::AddDistanceCaption(const QString& metricText, const QString& milesText, Setter set) {
    m_distanceCaptions.push_back({metricText, milesText, std::move(set)});
}

void UnitCaptions::AddVolumeCaption(const QString& litresText, const QString& gallonsText, Setter set) {
    m_volumeCaptions.push_back({litresText, gallonsText, std::move(set)});
}

void UnitCaptions::AddDistanceField(DistanceKind kind, Getter get, Setter set) {
    static constexpr int kinds[][2] = {{1, 2}, {5, 6}, {3, 4}, {7, 8}};
    const auto& k = kinds[static_cast<int>(kind)];
    m_distanceFields.push_back({k[0], k[1], std::move(get), std::move(set)});
}

void UnitCaptions::AddVolumeField(Getter get, Setter set) {
    m_volumeFields.push_back({0, 0, std::move(get), std::move(set)});
}

void UnitCaptions::AddStoredVolumeField(Getter storedLitres, Setter set) {
    m_storedVolumeFields.push_back({0, 0, std::move(storedLitres), std::move(set)});
}

void UnitCaptions::SetIfDifferent(const Field& field, const QString& text) {
    if (field.get && field.get() == text) return;
    if (field.set) field.set(text);
}

void UnitCaptions::ApplyDistanceUnit(const QString& previousDistanceUnit) {
    ChangeTracker::ConversionScope scope(m_tracker);
    const bool metric = m_units.distance == Unit::Metres;
    for (const auto& caption : m_distanceCaptions)
        if (caption.set) caption.set(Translate(metric ? caption.metric : caption.converted));
    if (m_units.distance == previousDistanceUnit) return;
    for (const auto& field : m_distanceFields) {
        if (!field.get) continue;
        SetIfDifferent(field,
                       ConvertDistance(metric ? field.toMetric : field.toConverted, field.get(), false));
    }
    if (afterDistanceConverted) afterDistanceConverted();
}

void UnitCaptions::ApplyVolumeUnit(const QString& previousVolumeUnit) {
    ChangeTracker::ConversionScope scope(m_tracker);
    const QString& unit = m_units.volume;
    const bool litres = unit == Unit::Litres;
    for (const auto& caption : m_volumeCaptions)
        if (caption.set) caption.set(Translate(litres ? caption.metric : caption.converted));
    const int storedKind = VolumeConversionKind(Unit::Litres, unit);
    for (const auto& field : m_storedVolumeFields) {
        if (!field.get) continue;
        const QString stored = field.get();
        SetIfDifferent({0, 0, {}, field.set}, storedKind ? ConvertVolume(storedKind, stored, false) : stored);
    }
    if (const int kind = VolumeConversionKind(previousVolumeUnit, unit)) {
        for (const auto& field : m_volumeFields)
            if (field.get) SetIfDifferent(field, ConvertVolume(kind, field.get(), false));
    }
    if (afterVolumeApplied) afterVolumeApplied();
}
