#include "air_density_model.h"

#include "services/services.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/units.h"

#include <cmath>

QString AirDensityText(double density, bool useAd) {
    if (useAd) return FormatPattern(density, QStringLiteral("0.0000"));
    return FormatPattern(density * 100 / 1.225, QStringLiteral("0.00"));
}

AirDensityModel::AirDensityModel(Prompter& prompter) : m_prompter(prompter) {
    SetCaptions();
}

void AirDensityModel::SetUnits(const AirDensityUnits& units) {
    m_units = units;
    SetCaptions();
}

QString AirDensityCaption(bool useAd) {
    return useAd ? Translate("Air density") : QStringLiteral("RAD");
}

AirDensityFigure ComputeAirDensity(const WeatherTexts& weather, const AirDensityUnits& units) {
    AirDensityFigure figure;
    const bool hasTemperature = !weather.temperature.isEmpty() && weather.temperature != QLatin1String("-");
    const bool hasPressure = !weather.pressure.isEmpty();
    std::optional<double> temperature;
    std::optional<double> pressure;
    std::optional<double> humidity = -10.0; // not given
    const bool numbers = (!hasTemperature || (temperature = ParseDecimal(weather.temperature))) &&
                         (!hasPressure || (pressure = ParseDecimal(weather.pressure))) &&
                         (weather.humidity.isEmpty() || (humidity = ParseDecimal(weather.humidity)));
    if (!numbers) {
        figure.invalid = true;
        return figure;
    }
    if (!hasTemperature || !hasPressure || *humidity < 0) {
        figure.panelVisible = false;
        return figure;
    }
    figure.panelVisible = true;
    const double density =
        AirDensity(units.temperatureUnit, units.pressureUnit, *humidity, *pressure, *temperature);
    // At absolute zero the formula divides by zero; below it the density turns negative. Neither is
    // an air density.
    if (!std::isfinite(density) || !(density > 0)) {
        figure.invalid = true;
        return figure;
    }
    figure.density = density;
    figure.valueText = AirDensityText(density, units.useAd);
    return figure;
}

void AirDensityModel::SetCaptions() {
    m_view.caption = AirDensityCaption(m_units.useAd);
    m_view.unitCaption = m_units.useAd ? QStringLiteral("kg/m3") : QStringLiteral(N_("%"));
}

void AirDensityModel::CalcRAD(const WeatherTexts& weather) {
    if (onSessionChanged) onSessionChanged();
    Recompute(weather);
}

void AirDensityModel::Recompute(const WeatherTexts& weather) {
    SetCaptions();
    const AirDensityFigure figure = ComputeAirDensity(weather, m_units);
    if (figure.panelVisible) m_view.panelVisible = *figure.panelVisible;
    m_view.valueText = figure.valueText;
    m_density = figure.density;
    if (figure.invalid) m_prompter.ShowError(Translate("Not a valid value"));
}
