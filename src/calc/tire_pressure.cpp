#include "tire_pressure.h"

#include "app/program_settings.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <cmath>

namespace {

std::optional<double> Number(const QString& text) {
    return ParseDecimal(text.trimmed());
}

} // namespace

std::optional<QString> SuggestColdPressure(const TirePressureReferences& references,
                                           const QString& temperature) {
    const std::optional<double> tc = Number(references.coldTemp);
    const std::optional<double> pc = Number(references.coldPressure);
    const std::optional<double> th = Number(references.hotTemp);
    const std::optional<double> ph = Number(references.hotPressure);
    const std::optional<double> t = Number(temperature);
    if (!tc || !pc || !th || !ph || !t) return std::nullopt;
    // Doubles do not fail on a zero divisor: equal temperatures are refused before dividing.
    if (*th == *tc) return std::nullopt;
    const double slope = (*ph - *pc) / (*th - *tc);
    const double intercept = *pc - *tc * slope;
    const double pressure = slope * *t + intercept;
    if (!std::isfinite(pressure)) return std::nullopt;
    return FormatPattern(pressure, QStringLiteral("0.0"));
}

QString PressureIncreaseText(const QString& cold, const QString& hot) {
    const std::optional<double> c = Number(cold);
    const std::optional<double> h = Number(hot);
    if (!c || !h || !(*c > 0)) return QString();
    return QString::number(RoundHalfEven((*h - *c) / *c * 100)) + QLatin1Char('%');
}

CircumferenceChange CircumferenceDifference(const QString& before, const QString& after) {
    const double b = Number(before).value_or(0);
    const double a = Number(after).value_or(0);
    if (!(b > 0) || !(a > 0)) return {};
    return {FormatPattern(a - b, QStringLiteral("0.0")),
            FormatPattern((a - b) * 100 / b, QStringLiteral("0.0")) + QLatin1Char('%')};
}

QString TirePressureGuruModel::WindowTitle() {
    return Translate("Tire pressure Guru");
}

QString TirePressureGuruModel::SettingsCaption() {
    return Translate("Settings");
}

QString TirePressureGuruModel::SaysText() {
    return Translate("The Tire pressure Guru says:");
}

void TirePressureGuruModel::SetTemperature(const QString& text) {
    m_temperature = text;
    if (const std::optional<QString> suggestion = SuggestColdPressure(m_references, text))
        m_suggestion = *suggestion;
}

void TirePressureGuruModel::SetReferences(const TirePressureReferences& references) {
    if (references == m_references) return;
    m_references = references;
    m_changed = true;
}

TirePressureReferences TirePressureReferencesFrom(const ProgramSettings& settings) {
    return {settings.tirePressureRefColdTemp, settings.tirePressureRefColdPressure,
            settings.tirePressureRefHotTemp, settings.tirePressureRefHotPressure};
}

void StoreTirePressureReferences(const TirePressureReferences& references, ProgramSettings& settings) {
    settings.tirePressureRefColdTemp = references.coldTemp;
    settings.tirePressureRefColdPressure = references.coldPressure;
    settings.tirePressureRefHotTemp = references.hotTemp;
    settings.tirePressureRefHotPressure = references.hotPressure;
}
