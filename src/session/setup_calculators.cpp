#include "setup_calculators.h"

#include "session/setup_model.h"
#include "storage/translate.h"

namespace {

const QString kGearing = QStringLiteral("gearing");

GridId SymbolGrid(int gear) {
    return GridId(int(GridId::GearSymbols1) + gear);
}

} // namespace

QString GearingFieldKey(GearingField field, int gear) {
    switch (field) {
    case GearingField::PrimaryInput:
        return QStringLiteral("primary_drive_input");
    case GearingField::PrimaryOutput:
        return QStringLiteral("primary_drive_output");
    case GearingField::GearInput:
        return QStringLiteral("input_") + GearOrdinal(gear) + QStringLiteral("_gear");
    case GearingField::GearOutput:
        return QStringLiteral("output_") + GearOrdinal(gear) + QStringLiteral("_gear");
    case GearingField::Countershaft:
        return QStringLiteral("countershaft");
    case GearingField::RearSprocket:
        return QStringLiteral("rear_sprocket");
    case GearingField::ShaftInput:
        return QStringLiteral("shaftdrive_input");
    case GearingField::ShaftOutput:
        return QStringLiteral("shaftdrive_output");
    case GearingField::Chain:
        return QStringLiteral("chain");
    case GearingField::TireCircumference:
        return QStringLiteral("tire_circumference");
    case GearingField::SpeedUnit:
        return QStringLiteral("speed_unit");
    case GearingField::Rpm:
        return QStringLiteral("rpm");
    case GearingField::LowLimit:
        return QStringLiteral("rpm_powerband_low");
    case GearingField::FixSpeed:
        break;
    }
    return {};
}

SetupCalculators::SetupCalculators(SetupModel& setup) : m_setup(setup), m_gearing(&m_dyno) {
    m_gearing.onSpeedsChanged = [this] { m_powerChart.RedrawIfShown(m_gearing, m_dyno); };
    m_setupAreas = m_setup.areaLoaded.Connect([this](SetupArea area) { AreaLoaded(area); });
    Reload();
}

void SetupCalculators::Changed() {
    changed.Emit();
}

void SetupCalculators::Reload() {
    m_reading = true;
    m_gearing.SetDistanceUnitMiles(m_setup.Miles());
    ReadEngine();
    ReadGearing();
    m_reading = false;
    Changed();
}

void SetupCalculators::AreaLoaded(SetupArea area) {
    m_reading = true;
    if (area == SetupArea::Engine) {
        ReadEngine();
        m_gearing.CalcNewSpeeds();
    } else if (area == SetupArea::Gearing) {
        m_gearing.SetDistanceUnitMiles(m_setup.Miles());
        ReadGearing();
    }
    m_reading = false;
    if (area == SetupArea::Engine || area == SetupArea::Gearing) Changed();
}

void SetupCalculators::SetMetric(bool metric) {
    m_powerChart.SetMetric(metric);
    m_powerChart.RedrawIfShown(m_gearing, m_dyno);
    Changed();
}

void SetupCalculators::ReadEngine() {
    std::array<DynoRowText, DynoRowCount> rows;
    for (int row = 0; row < DynoRowCount; ++row)
        rows[row] = {m_setup.Cell(GridId::Dyno, row, 0), m_setup.Cell(GridId::Dyno, row, 1)};
    m_dyno.SetRows(rows);
    m_dyno.ClearChanged();
}

void SetupCalculators::ReadGearing() {
    auto text = [&](GearingField field, int gear = 0) {
        return m_setup.Text(kGearing, GearingFieldKey(field, gear));
    };
    GearingInputs in;
    in.primaryInput = text(GearingField::PrimaryInput);
    in.primaryOutput = text(GearingField::PrimaryOutput);
    for (int gear = 0; gear < GearCount; ++gear) {
        in.gearInput[gear] = text(GearingField::GearInput, gear);
        in.gearOutput[gear] = text(GearingField::GearOutput, gear);
        in.gearSymbol[gear] =
            m_setup.Text(kGearing, QStringLiteral("symbol_") + GearOrdinal(gear) + QStringLiteral("_gear"));
        GearSymbolTable table;
        for (int row = 0; row < GearSymbolRowCount; ++row)
            for (int column = 0; column < 3; ++column)
                table.SetCell(row, GearSymbolColumn(column), m_setup.Cell(SymbolGrid(gear), row, column));
        m_gearing.SetSymbolTable(gear, table);
    }
    in.shaftDrive = m_setup.IsChecked(kGearing, QStringLiteral("uses_shaftdrive"));
    in.countershaft = text(GearingField::Countershaft);
    in.rearSprocket = text(GearingField::RearSprocket);
    in.shaftInput = text(GearingField::ShaftInput);
    in.shaftOutput = text(GearingField::ShaftOutput);
    in.chain = text(GearingField::Chain);
    in.tireCircumference = text(GearingField::TireCircumference);
    in.rpm = text(GearingField::Rpm);
    in.lowLimit = text(GearingField::LowLimit);
    // A setup without a speed unit shows its speeds in the page's default unit.
    in.speedUnit = text(GearingField::SpeedUnit);
    if (in.speedUnit.isEmpty()) in.speedUnit = QStringLiteral(N_("km/h"));
    in.fixSpeed = m_gearing.Inputs().fixSpeed; // the page's own field, not part of the setup
    m_gearing.SetInputs(in);
    m_gearing.UseGearSymbolsCheckBoxClick(m_setup.IsChecked(kGearing, QStringLiteral("use_gearing_symbols")));
    m_gearing.ApplyAllGearSymbols();
    WriteGearing();
}

void SetupCalculators::WriteGearing() {
    // Symbols fill the teeth: those are setup values like the typed ones. While an area is being read
    // this is no edit, so the setup's changed flag stays as the load leaves it.
    const GearingInputs& in = m_gearing.Inputs();
    const bool mark = !m_reading;
    auto write = [&](const QString& key, const QString& value) {
        m_setup.SetFieldText(FieldIndex(kGearing, key), value, mark);
    };
    for (int gear = 0; gear < GearCount; ++gear) {
        write(GearingFieldKey(GearingField::GearInput, gear), in.gearInput[gear]);
        write(GearingFieldKey(GearingField::GearOutput, gear), in.gearOutput[gear]);
        write(QStringLiteral("symbol_") + GearOrdinal(gear) + QStringLiteral("_gear"), in.gearSymbol[gear]);
    }
}

void SetupCalculators::SetText(GearingField field, const QString& text, int gear) {
    const QString key = GearingFieldKey(field, gear);
    // The rpm and the low limit only move the figures; they are kept with the setup all the same.
    const bool edit = field != GearingField::Rpm && field != GearingField::LowLimit;
    if (!key.isEmpty()) m_setup.SetFieldText(FieldIndex(kGearing, key), text, edit);
    m_gearing.SetText(field, text, gear);
    Changed();
}

void SetupCalculators::GearCalcModeComboBoxChange(GearCalcMode mode) {
    m_gearing.GearCalcModeComboBoxChange(mode);
    Changed();
}

void SetupCalculators::ShaftDriveCheckBoxClick(bool checked) {
    m_setup.SetChecked(kGearing, QStringLiteral("uses_shaftdrive"), checked);
    m_gearing.ShaftDriveCheckBoxClick(checked);
    Changed();
}

void SetupCalculators::UseGearSymbolsCheckBoxClick(bool checked) {
    m_setup.SetChecked(kGearing, QStringLiteral("use_gearing_symbols"), checked);
    m_gearing.UseGearSymbolsCheckBoxClick(checked);
    Changed();
}

void SetupCalculators::EditGearBoxSymbolsButtonClick() {
    m_gearing.EditGearBoxSymbolsButtonClick();
    Changed();
}

void SetupCalculators::GearComboBoxChange(int gear, const QString& symbol) {
    m_gearing.GearComboBoxChange(gear, symbol);
    WriteGearing();
    Changed();
}

void SetupCalculators::SymbolGridSetEditText(int gear, int row, GearSymbolColumn column,
                                             const QString& text) {
    m_setup.SetCell(SymbolGrid(gear), row, int(column), text);
    m_gearing.SymbolGridSetEditText(gear, row, column, text);
    WriteGearing();
    Changed();
}

void SetupCalculators::SetDynoCell(int row, int column, const QString& text) {
    m_setup.SetCell(GridId::Dyno, row, column, text);
    DynoRowText cells = m_dyno.RowText(row);
    (column == 0 ? cells.rpm : cells.power) = text;
    m_dyno.SetRowText(row, cells);
    // The optimal shift rpm follows the curve; CalcNewSpeeds also redraws an open power chart.
    m_gearing.CalcNewSpeeds();
    Changed();
}

void SetupCalculators::ShowPowerChartCBClick(bool checked) {
    m_powerChart.ShowPowerChartCBClick(checked, m_gearing, m_dyno);
    Changed();
}

void SetupCalculators::PowerChartFormClose() {
    m_powerChart.FormClose();
    Changed();
}

void SetupCalculators::ShowPowerMenuItemClick() {
    m_powerChart.ShowPowerMenuItemClick(m_gearing, m_dyno);
    Changed();
}

void SetupCalculators::ShowDrivingForceMenuItemClick() {
    m_powerChart.ShowDrivingForceMenuItemClick(m_gearing, m_dyno);
    Changed();
}
