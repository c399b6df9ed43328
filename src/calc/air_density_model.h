#pragma once
// The air density figure of the session page: AD (kg/m3) or RAD (percent of 1.225 kg/m3) from the
// weather fields, shown on a button beside them.
#include <QString>
#include <functional>
#include <optional>

class Prompter;

struct WeatherTexts {
    QString temperature;
    QString pressure;
    QString humidity;
};

struct AirDensityUnits {
    QString temperatureUnit = QStringLiteral("Celsius");
    QString pressureUnit = QStringLiteral("mbar");
    bool useAd = false; // the option "RAD or AD": true shows AD
};

struct AirDensityView {
    bool panelVisible = false;
    QString caption;     // "Air density" / "RAD"
    QString unitCaption; // "kg/m3" / "%"
    QString valueText;
};

// The figure for the weather texts in the units: whether the panel shows (temperature, pressure and a
// humidity of at least 0 given), the density and its text. invalid: a text is no number (the panel is then
// left as it was) or the density is not above 0 (no value shown); the panel says "Not a valid value".
struct AirDensityFigure {
    std::optional<bool> panelVisible;
    std::optional<double> density;
    QString valueText;
    bool invalid = false;
};
AirDensityFigure ComputeAirDensity(const WeatherTexts& weather, const AirDensityUnits& units);
// "Air density" (translated) with the AD option, else "RAD".
QString AirDensityCaption(bool useAd);

class AirDensityModel {
  public:
    explicit AirDensityModel(Prompter& prompter);

    // Called first by every CalcRAD: the session is marked changed.
    std::function<void()> onSessionChanged;

    void SetUnits(const AirDensityUnits& units);
    const AirDensityUnits& Units() const { return m_units; }

    // A weather edit: marks the session changed, then recomputes.
    void CalcRAD(const WeatherTexts& weather);
    // Recomputes from the weather texts; shows "Not a valid value" for a text that is no number. Other
    // units or another AD/RAD choice change only what is shown: no edit.
    void Recompute(const WeatherTexts& weather);

    const AirDensityView& View() const { return m_view; }
    // The last air density computed, kg/m3 (none when the panel shows nothing).
    std::optional<double> Density() const { return m_density; }

  private:
    void SetCaptions();

    Prompter& m_prompter;
    AirDensityUnits m_units;
    AirDensityView m_view;
    std::optional<double> m_density;
};

// The value text of an air density in the chosen form: AD "0.0000", RAD (AD x 100 / 1.225) "0.00".
QString AirDensityText(double density, bool useAd);
