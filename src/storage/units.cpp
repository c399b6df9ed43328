#include "units.h"

#include "number_format.h"
#include "translate.h"

#include <stdexcept>

namespace {

struct Conversion {
    double multiply;
    double divide;
    const char* pattern;
};

// Factors as the program has always used them (1609, not 1609.344; 0.305, not 0.3048).
constexpr Conversion kDistance[] = {
    {1, 1609, "0.000"}, {1609, 1, "0.0"},   {1, 25.4, "0.000"},  {25.4, 1, "0.00"},
    {1, 0.305, "0.00"}, {0.305, 1, "0.00"}, {1, 1.609, "0.000"}, {1.609, 1, "0.0"},
};
constexpr Conversion kVolume[] = {
    {1, 3.785, "0.0000"}, {1, 4.546, "0.0000"},     {4.546, 1, "0.000"},
    {3.785, 1, "0.000"},  {4.546, 3.785, "0.0000"}, {3.785, 4.546, "0.0000"},
};

template <size_t N>
QString Convert(const Conversion (&table)[N], int kind, const QString& text, bool precise) {
    if (kind < 1 || kind > int(N)) throw std::logic_error("Unknown conversion type!");
    if (!IsDecimalText(text)) return text;
    const Conversion& c = table[kind - 1];
    double value = *ParseDecimal(text);
    if (c.multiply != 1) value *= c.multiply;
    if (c.divide != 1) value /= c.divide;
    return precise ? FormatGeneral(value) : FormatPattern(value, QString::fromLatin1(c.pattern));
}

} // namespace

QString ConvertDistance(int kind, const QString& text, bool precise) {
    return Convert(kDistance, kind, text, precise);
}

QString ConvertVolume(int kind, const QString& text, bool precise) {
    return Convert(kVolume, kind, text, precise);
}

double AirDensity(const QString& temperatureUnit, const QString& pressureUnit, double humidityPercent,
                  double pressure, double temperature) {
    const double t = temperatureUnit.compare(u"Fahrenheit", Qt::CaseInsensitive) == 0
                         ? (temperature - 32) * 5 / 9
                         : temperature;
    // The unit may come as its code or as the text shown for it.
    const auto is = [&](const char* unit) {
        return pressureUnit == QLatin1String(unit) || pressureUnit == Translate(unit);
    };
    double p = pressure;
    if (is(N_("mm Hg")))
        p = pressure / 25.4 * 3.3864 * 10;
    else if (is(N_("in Hg")))
        p = pressure * 3.3864 * 10;

    constexpr double c0 = 0.99999683, c1 = -0.0090826951, c2 = 7.8736169e-5, c3 = -6.1117958e-7,
                     c4 = 4.3884187e-9, c5 = -2.9883885e-11, c6 = 2.1874425e-13, c7 = -1.7892321e-15,
                     c8 = 1.1112018e-17, c9 = -3.0994571e-20;
    const double poly =
        c0 + t * (c1 + t * (c2 + t * (c3 + t * (c4 + t * (c5 + t * (c6 + t * (c7 + t * (c8 + t * c9))))))));
    const double p8 = poly * poly * poly * poly * poly * poly * poly * poly;
    const double es = 6.1078 / p8;
    const double pv = humidityPercent * es / 100;
    const double kelvin = t + 273.15;
    return pv * 100 / (kelvin * 461.4964) + (p - pv) * 100 / (kelvin * 287.0531);
}
