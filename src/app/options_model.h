#pragma once
// The options dialog's logic: the values it shows (filled from the settings), the driver list with its
// questions, the colour choices, the laps-limit check, and how a confirmed result is applied to the
// application state.
#include "program_settings.h"
#include "services/services.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class AppState;

// The item texts of the "Units" page, in item order. Stored texts, never translated.
const QStringList& PressureUnitItems();    // "mbar", "mm Hg", "in Hg"
const QStringList& TemperatureUnitItems(); // "Celsius", "Fahrenheit"
const QStringList& UnitSystemItems();      // "Metric", "US Standard", "Imperial Standard"
const QStringList& AirDensityItems();      // "RAD", "AD"
// The entries of the report font list.
const QStringList& HtmlFontFamilies();

enum class HtmlColour { Background, TableHeader, TableContent, Text };
inline constexpr int kHtmlColourCount = 4;
// "Default colors": white, 0x999966, 0xCCCCCC, black (0x00BBGGRR).
inline constexpr std::array<quint32, kHtmlColourCount> kDefaultHtmlColours{0xFFFFFF, 0x999966, 0xCCCCCC, 0};

// Everything the dialog holds, as plain values.
struct OptionsValues {
    // "Units"
    int pressureItem = 0;
    int temperatureItem = 0;
    int unitSystemItem = 0;
    int airDensityItem = 0; // 1 shows air density ("AD")
    // "Session"
    QString percentText;
    QStringList drivers;
    QString shownDriver;
    bool loadLastSessionAtStartup = false;
    bool stopwatchFromSessionButtons = false; // "include_pitlaps"
    bool trackFolderForSmartSave = false;
    // "HTML"
    std::array<quint32, kHtmlColourCount> colours = kDefaultHtmlColours;
    QString fontFamily;
    QString lapsLimitText;
    bool exportPartsetupNames = false;
    bool pageBreakBeforeSessions = false;
};

class OptionsModel {
  public:
    // percentForMean is what driver slot 1's lap timer holds.
    OptionsModel(const ProgramSettings& settings, int percentForMean, Prompter& prompter);

    OptionsValues& Values() { return m_values; }
    const OptionsValues& Values() const { return m_values; }

    // "Add": asks for a name until it is new, empty or the user gives up. True when one was added.
    bool AddDriver();
    // "Delete": removes the shown name after confirmation and shows the first remaining one.
    bool DeleteDriver();

    // "Change": the colour chooser for one colour. True when a colour was chosen.
    bool ChangeColour(HtmlColour which);
    void DefaultColours();

    // The laps-limit field while typing: the message to show when the text is no integer.
    static std::optional<QString> CheckLapsLimit(const QString& text);

    // "OK": the values to apply; a laps limit that is no integer becomes "10".
    OptionsValues Accept() const;

  private:
    OptionsValues m_values;
    Prompter& m_prompter;
};

// What the confirmed options change outside the settings; each hook is optional, so pages that do not
// exist yet simply are not told.
struct OptionsHooks {
    std::function<void(const QString& pressureUnit)> pressureLabel; // session page's pressure label
    std::function<void(const QString& letter)> temperatureLabels;   // "C" or "F", air and track
    std::function<void(bool useAd)> airDensityDisplay;              // recompute, archive column header
    std::function<void(int percent)> lapTimersPercent;              // all four lap timers
    std::function<void(const QStringList& drivers)> driverBoxes;    // entries of the four name boxes
    std::function<void()> weatherUnitsChanged;                      // recompute the air density figure
};

// Applies a confirmed result in the fixed order and writes the settings file when something was marked
// changed. Returns whether something was marked changed.
bool ApplyOptions(const OptionsValues& result, AppState& state, const OptionsHooks& hooks = {});

// The session page's temperature unit letter: "C" for "Celsius", "F" otherwise.
QString TemperatureLetter(const QString& temperatureUnit);
