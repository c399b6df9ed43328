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

void AirDensityModel::SetCaptions() {
    m_view.caption = m_units.useAd ? Translate("Air density") : QStringLiteral("RAD");
    m_view.unitCaption = m_units.useAd ? QStringLiteral("kg/m3") : QStringLiteral("%");
}

void AirDensityModel::CalcRAD(const WeatherTexts& weather) {
    if (onSessionChanged) onSessionChanged();
    Recompute(weather);
}

void AirDensityModel::Recompute(const WeatherTexts& weather) {
    m_view.valueText.clear();
    m_density.reset();
    SetCaptions();

    const bool hasTemperature = !weather.temperature.isEmpty() && weather.temperature != QLatin1String("-");
    const bool hasPressure = !weather.pressure.isEmpty();
    std::optional<double> temperature;
    std::optional<double> pressure;
    std::optional<double> humidity = -10.0; // not given
    if (hasTemperature && !(temperature = ParseDecimal(weather.temperature)))
        return m_prompter.ShowError(Translate("Not a valid value"));
    if (hasPressure && !(pressure = ParseDecimal(weather.pressure)))
        return m_prompter.ShowError(Translate("Not a valid value"));
    if (!weather.humidity.isEmpty() && !(humidity = ParseDecimal(weather.humidity)))
        return m_prompter.ShowError(Translate("Not a valid value"));

    if (!hasTemperature || !hasPressure || *humidity < 0) {
        m_view.panelVisible = false;
        return;
    }
    m_view.panelVisible = true;
    const double density =
        AirDensity(m_units.temperatureUnit, m_units.pressureUnit, *humidity, *pressure, *temperature);
    // At absolute zero the formula divides by zero; below it the density turns negative. Neither is
    // an air density.
    if (!std::isfinite(density) || !(density > 0))
        return m_prompter.ShowError(Translate("Not a valid value"));
    m_density = density;
    m_view.valueText = AirDensityText(density, m_units.useAd);
}
