#pragma once
// Tire pressures: the guru's suggested cold pressure for a tire temperature (a straight line through a
// cold and a hot reference reading), a wheel's pressure increase from cold to hot and its change of
// circumference over a session. Temperatures and pressures are plain numbers in whatever unit was typed.
#include <QString>
#include <optional>

struct ProgramSettings;

struct TirePressureReferences {
    QString coldTemp, coldPressure, hotTemp, hotPressure; // as typed
    bool operator==(const TirePressureReferences&) const = default;
};

// The suggested pressure ("0.0") for the temperature, or std::nullopt when a value is not a number or
// the two reference temperatures are equal (no line through them).
std::optional<QString> SuggestColdPressure(const TirePressureReferences& references,
                                           const QString& temperature);

// "11%": (hot - cold) / cold in whole percent, halves to even; empty unless both are numbers and the
// cold pressure is above 0.
QString PressureIncreaseText(const QString& cold, const QString& hot);

struct CircumferenceChange {
    QString difference; // after - before, "0.0"
    QString percent;    // "0.0%"
};
// Empty unless both circumferences are numbers above 0.
CircumferenceChange CircumferenceDifference(const QString& before, const QString& after);

// The "Tire pressure Guru" window.
class TirePressureGuruModel {
  public:
    static QString WindowTitle();     // "Tire pressure Guru"
    static QString SettingsCaption(); // the reference readings' group
    static QString SaysText();        // "The Tire pressure Guru says:"

    // Shown from the menu: the changed mark starts clear.
    void TirePressureGuruMenuItemClick() { m_changed = false; }
    // Closed with OK: true when a reference value changed while open (the settings are to be written).
    bool FormClose() const { return m_changed; }

    // The actual tire temperature changed: the suggestion is computed again; when it cannot be, the
    // previous suggestion stays.
    void SetTemperature(const QString& text);
    // The values the settings file holds (at start-up): no change.
    void SetSettings(const TirePressureReferences& references) { m_references = references; }
    // A reference value changed: marks the guru changed, the suggestion waits for the next temperature.
    void SetReferences(const TirePressureReferences& references);

    const TirePressureReferences& References() const { return m_references; }
    const QString& Temperature() const { return m_temperature; }
    const QString& Suggestion() const { return m_suggestion; }
    bool IsChanged() const { return m_changed; }

  private:
    TirePressureReferences m_references;
    QString m_temperature;
    QString m_suggestion;
    bool m_changed = false;
};

// The section "tire_pressure_guru" of the settings.
TirePressureReferences TirePressureReferencesFrom(const ProgramSettings& settings);
void StoreTirePressureReferences(const TirePressureReferences& references, ProgramSettings& settings);
