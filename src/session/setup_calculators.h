#pragma once
// The calculators that live on the setup: the gearing page, the dyno curve and the power chart, kept in
// step with the current setup. A loaded engine or gearing area is read into them (they listen to the
// setup's loaded areas themselves); every edit made on the
// gearing page, in its gear symbol tables or in the dyno window goes into both the setup and the
// calculator, so the page always shows what the setup holds.
#include "calc/dyno_data.h"
#include "calc/gearing_model.h"
#include "calc/power_chart.h"
#include "events/event.h"
#include "setup_fields.h"

#include <functional>

class SetupModel;

class SetupCalculators {
  public:
    explicit SetupCalculators(SetupModel& setup);
    SetupCalculators(const SetupCalculators&) = delete;
    SetupCalculators& operator=(const SetupCalculators&) = delete;

    // After every recomputation: the gearing page and an open power chart redraw.
    Event<> changed;

    const GearingModel& Gearing() const { return m_gearing; }
    const DynoData& Dyno() const { return m_dyno; }
    const PowerChartModel& PowerChart() const { return m_powerChart; }

    // An area of the setup was loaded (or the setup replaced): the engine area recomputes the dyno curve,
    // the power chart and the speeds; the gearing area re-applies the gear symbols and recomputes. Every
    // area the setup loads comes here by itself.
    void AreaLoaded(SetupArea area);
    // Reads engine and gearing again, with the setup's distance unit (after a new setup, a vehicle or a
    // unit change).
    void Reload();
    // The unit system: the power chart shows the driving force in N for "Metric", else in lbf.
    void SetMetric(bool metric);

    // Gearing page edits.
    void SetText(GearingField field, const QString& text, int gear = 0);
    void GearCalcModeComboBoxChange(GearCalcMode mode);
    void ShaftDriveCheckBoxClick(bool checked);
    void UseGearSymbolsCheckBoxClick(bool checked);
    void EditGearBoxSymbolsButtonClick();
    void GearComboBoxChange(int gear, const QString& symbol);
    void SymbolGridSetEditText(int gear, int row, GearSymbolColumn column, const QString& text);

    // Dyno window edits: column 0 rpm, 1 power.
    void SetDynoCell(int row, int column, const QString& text);

    // Power chart window.
    void ShowPowerChartCBClick(bool checked);
    void PowerChartFormClose();
    void ShowPowerMenuItemClick();
    void ShowDrivingForceMenuItemClick();

  private:
    void ReadEngine();
    void ReadGearing();
    // The gearing model's inputs into the setup's fields (symbols may have changed the teeth).
    void WriteGearing();
    void Changed();

    SetupModel& m_setup;
    DynoData m_dyno;
    GearingModel m_gearing;
    PowerChartModel m_powerChart;
    bool m_reading = false;
    Connection m_setupAreas;
};

// The setup key of a gearing field ("primary_drive_input", "input_third_gear", ...); empty for the fix
// speed, which belongs to the page only.
QString GearingFieldKey(GearingField field, int gear = 0);
