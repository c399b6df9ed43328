#include "options_model.h"

#include "app_state.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "unit_captions.h"

#include <algorithm>

const QStringList& PressureUnitItems() {
    static const QStringList items{QStringLiteral(N_("mbar")), QStringLiteral(N_("mm Hg")),
                                   QStringLiteral(N_("in Hg"))};
    return items;
}

const QStringList& TemperatureUnitItems() {
    static const QStringList items{QStringLiteral(N_("Celsius")), QStringLiteral(N_("Fahrenheit"))};
    return items;
}

const QStringList& UnitSystemItems() {
    static const QStringList items{Unit::Metric, Unit::USStandard, Unit::ImperialStandard};
    return items;
}

const QStringList& AirDensityItems() {
    static const QStringList items{QStringLiteral("RAD"), QStringLiteral("AD")};
    return items;
}

const QStringList& HtmlFontFamilies() {
    static const QStringList items{
        QStringLiteral("Arial, Helvetica, sans-serif"),
        QStringLiteral("Times New Roman, Times, serif"),
        QStringLiteral("Courier New, Courier, mono"),
        QStringLiteral("Georgia, Times New Roman, Times, serif"),
        QStringLiteral("Verdana, Arial, Helvetica, sans-serif"),
        QStringLiteral("<enter other font or font family here>"),
    };
    return items;
}

QString TemperatureLetter(const QString& temperatureUnit) {
    return temperatureUnit == u"Celsius" ? QStringLiteral("C") : QStringLiteral("F");
}

namespace {
// The item of a stored text; anything unknown is the first item.
int ItemOf(const QStringList& items, const QString& text) {
    const qsizetype index = items.indexOf(text);
    return index < 0 ? 0 : int(index);
}

QString ItemText(const QStringList& items, int item) {
    return items.value(std::clamp(item, 0, int(items.size()) - 1));
}

// The four report colours of the settings record, in HtmlColour order.
std::array<int*, kHtmlColourCount> ColourSettings(ProgramSettings& s) {
    return {&s.htmlBgColor, &s.htmlTableHeaderColor, &s.htmlTableContentColor, &s.htmlTextColor};
}

// Takes over a value that differs; true when it did.
template <typename T, typename U> bool TakeOver(T& setting, const U& value) {
    if (setting == value) return false;
    setting = value;
    return true;
}
} // namespace

OptionsModel::OptionsModel(const ProgramSettings& settings, int percentForMean, Prompter& prompter)
    : m_prompter(prompter) {
    OptionsValues& v = m_values;
    v.pressureItem = ItemOf(PressureUnitItems(), settings.pressureUnit);
    v.temperatureItem = ItemOf(TemperatureUnitItems(), settings.temperatureUnit);
    v.unitSystemItem = ItemOf(UnitSystemItems(), settings.systemUnit);
    v.airDensityItem = settings.useAd ? 1 : 0;
    v.percentText = QString::number(percentForMean);
    v.drivers = settings.drivers;
    v.shownDriver = settings.drivers.value(0);
    v.loadLastSessionAtStartup = settings.loadLastSessionAtStartup;
    v.stopwatchFromSessionButtons = settings.includePitlaps;
    v.trackFolderForSmartSave = settings.smartsaveIntoTrackfolder;
    v.colours = {quint32(settings.htmlBgColor), quint32(settings.htmlTableHeaderColor),
                 quint32(settings.htmlTableContentColor), quint32(settings.htmlTextColor)};
    v.fontFamily = settings.htmlFontFamily;
    v.lapsLimitText = QString::number(settings.htmlSessionMaxLapsToShow);
    v.exportPartsetupNames = settings.htmlExportPartsetupNames;
    v.pageBreakBeforeSessions = settings.htmlExportPageBreakBeforeSessions;
}

bool OptionsModel::AddDriver() {
    for (;;) {
        const auto name = m_prompter.AskText(Translate("Add Driver"), Translate("Enter name of driver"), {});
        if (!name || name->isEmpty()) return false;
        if (!m_values.drivers.contains(*name)) {
            m_values.drivers.append(*name);
            m_values.shownDriver = *name;
            return true;
        }
        if (m_prompter.AskErrorYesNo(Fill(Translate("Driver %s already exists! Try again?"), *name)) !=
            Answer::Yes)
            return false;
    }
}

bool OptionsModel::DeleteDriver() {
    if (m_prompter.AskOkCancel(Fill(Translate("Delete driver %s?"), m_values.shownDriver)) != Answer::Ok)
        return false;
    m_values.drivers.removeAll(m_values.shownDriver);
    m_values.shownDriver = m_values.drivers.value(0);
    return true;
}

bool OptionsModel::ChangeColour(HtmlColour which) {
    quint32& colour = m_values.colours[int(which)];
    const auto chosen = m_prompter.ChooseColour(colour);
    if (!chosen) return false;
    colour = *chosen & 0xFFFFFF;
    return true;
}

void OptionsModel::DefaultColours() {
    m_values.colours = kDefaultHtmlColours;
}

std::optional<QString> OptionsModel::CheckLapsLimit(const QString& text) {
    return CheckIntegerText(text);
}

OptionsValues OptionsModel::Accept() const {
    OptionsValues result = m_values;
    if (!IsIntegerText(result.lapsLimitText)) result.lapsLimitText = QStringLiteral("10");
    return result;
}

bool ApplyOptions(const OptionsValues& result, AppState& state, const OptionsHooks& hooks) {
    ProgramSettings& s = state.Settings();
    bool changed = false;

    const QString pressure = ItemText(PressureUnitItems(), result.pressureItem);
    const bool pressureChanged = TakeOver(s.pressureUnit, pressure);
    if (pressureChanged && hooks.pressureLabel) hooks.pressureLabel(pressure);

    const QString temperature = ItemText(TemperatureUnitItems(), result.temperatureItem);
    const bool temperatureChanged = TakeOver(s.temperatureUnit, temperature);
    if (temperatureChanged && hooks.temperatureLabels)
        hooks.temperatureLabels(TemperatureLetter(temperature));
    changed = pressureChanged || temperatureChanged;

    if (const QString system = ItemText(UnitSystemItems(), result.unitSystemItem);
        TakeOver(s.systemUnit, system)) {
        UnitCaptions& units = state.Units();
        const DerivedUnits previous = units.Units();
        units.ApplyUnitSystem(system);
        if (units.Units().distance != previous.distance) units.ApplyDistanceUnit(previous.distance);
        if (units.Units().volume != previous.volume) units.ApplyVolumeUnit(previous.volume);
        units.unitsChanged.Emit();
        changed = true;
    }

    // The air density display is taken over and shown afresh without counting as a change.
    s.useAd = result.airDensityItem == 1;
    if (hooks.airDensityDisplay) hooks.airDensityDisplay(s.useAd);

    const auto colours = ColourSettings(s);
    for (int i = 0; i < kHtmlColourCount; ++i)
        changed |= TakeOver(*colours[i], int(result.colours[i]));
    changed |= TakeOver(s.htmlFontFamily, result.fontFamily);
    changed |= TakeOver(s.htmlExportPartsetupNames, result.exportPartsetupNames);
    changed |= TakeOver(s.htmlExportPageBreakBeforeSessions, result.pageBreakBeforeSessions);
    changed |= TakeOver(s.loadLastSessionAtStartup, result.loadLastSessionAtStartup);
    changed |= TakeOver(s.includePitlaps, result.stopwatchFromSessionButtons);
    changed |= TakeOver(s.smartsaveIntoTrackfolder, result.trackFolderForSmartSave);

    // A limit that is no integer cannot come from Accept(); keep the old one rather than guess.
    if (result.lapsLimitText != QString::number(s.htmlSessionMaxLapsToShow))
        if (const auto laps = ParseInteger(result.lapsLimitText)) s.htmlSessionMaxLapsToShow = *laps;

    // The lap timers keep their percentage when the text is no integer; they hold 0..100.
    if (const auto percent = ParseInteger(result.percentText)) {
        if (const int held = std::clamp(*percent, 0, 100); held != s.percentForMean) {
            s.percentForMean = held;
            if (hooks.lapTimersPercent) hooks.lapTimersPercent(held);
        }
    }

    if (result.drivers != s.drivers) {
        s.drivers = result.drivers;
        // Each driver name box keeps its shown name only when the new list holds it.
        for (QString& name : s.sessionLastDriver)
            if (!s.drivers.contains(name)) name.clear();
        if (hooks.driverBoxes) hooks.driverBoxes(s.drivers);
        changed = true;
    }

    if (changed) state.SaveSettings();
    if ((pressureChanged || temperatureChanged) && hooks.weatherUnitsChanged) hooks.weatherUnitsChanged();
    return changed;
}
