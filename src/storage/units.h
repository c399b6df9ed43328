#pragma once
// Unit conversions with their fixed factors (1609, not 1609.344; 0.305, not 0.3048), and air density.
#include <QString>

// kind 1..8 (distance) and 1..6 (volume); a text that is no decimal text comes back unchanged.
// precise: the general number form; else the kind's pattern. An unknown kind is a programming error.
QString ConvertDistance(int kind, const QString& text, bool precise);
QString ConvertVolume(int kind, const QString& text, bool precise);

// Air density in kg/m3. temperatureUnit "Fahrenheit" (any case) or Celsius; pressureUnit "mm Hg",
// "in Hg" or mbar.
double AirDensity(const QString& temperatureUnit, const QString& pressureUnit, double humidityPercent,
                  double pressure, double temperature);
