#include "gearing_model.h"

#include "dyno_data.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <cmath>

namespace {

bool Usable(double value) {
    return std::isfinite(value) && value != 0;
}

QString WholeText(double value) {
    return QString::number(RoundHalfEven(value));
}

double NumberOrZero(const QString& text) {
    return ParseDecimal(text).value_or(0);
}

} // namespace

double TeethRatio(const QString& input, const QString& output) {
    const std::optional<int> in = ParseInteger(input);
    const std::optional<int> out = ParseInteger(output);
    if (!in || !out || *in == 0) return 0;
    const double ratio = double(*out) / double(*in);
    // Negative teeth would turn every speed negative: such a gear counts as missing.
    return ratio > 0 ? ratio : 0;
}

double FinalDriveRatio(const QString& first, const QString& second) {
    const std::optional<double> a = ParseDecimal(first);
    const std::optional<double> b = ParseDecimal(second);
    if (!a || !b || !(*a > 0)) return 0;
    const double ratio = *b / *a;
    return std::isfinite(ratio) && ratio > 0 ? ratio : 0;
}

QString RatioText(double ratio) {
    return ratio > 0 ? FormatPattern(ratio, QStringLiteral("0.000")) : QString();
}

QStringList GearCalcModeNames() {
    return {Translate("Normal"), Translate("Find rev limit"), Translate("Optimal shift rpm"),
            Translate("Fix speed")};
}

QString GearCalcModeExplanation(GearCalcMode mode) {
    switch (mode) {
    case GearCalcMode::Normal:
        return Translate("The middle column contains the rpm you get when shifting up one gear.\n"
                         "If this value is below the low limit it will be colored red.");
    case GearCalcMode::FindRevLimit:
        return Translate(
            "The middle column contains the rpm you have to reach to get at Low Limit on the next "
            "higher gear.\nIf this value is above the rpm limit it will be colored red.");
    case GearCalcMode::OptimalShiftRpm:
        return Translate(
            "The middle column contains the optimal rpm prior to a shift based on your dyno curve.\n"
            "Shift there to keep maximum power.\nRpm value is colored red if it is off the limits.");
    case GearCalcMode::FixSpeed:
        return Translate("Enter a fix speed and see the rpm needed for each gear to reach that speed.\n"
                         "Rpm's above upper limit and below lower limit are colored red.");
    }
    return {};
}

QStringList RpmChoices() {
    QStringList choices;
    for (int rpm = 1000; rpm <= 23000; rpm += 500)
        choices << QString::number(rpm);
    return choices;
}

QStringList SpeedUnitChoices() {
    return {QStringLiteral(N_("km/h")), QStringLiteral(N_("mph"))};
}

double OptimalShiftRpm(const DynoData& dyno, double v, double g1, double g2) {
    if (!Usable(v) || !Usable(g1) || !Usable(g2)) return 0;
    const DynoPeak peak = dyno.HighestPower();
    if (peak.value == 0) return 0;
    // Step up from the power peak until the next gear, at the same road speed, gives at least as much
    // power. Past the last dyno row the power is 0, so the search ends there at the latest.
    const int lastRpm = dyno.HighestRpm();
    double r = peak.rpm;
    double s = 0;
    double p1 = 0;
    double p2 = 0;
    for (;;) {
        s = r * v / g1;
        p1 = dyno.P(r);
        p2 = dyno.P(double(RoundHalfEven(s * g2 / v)));
        if (p1 > p2 && r <= lastRpm)
            r += 100;
        else
            break;
    }
    if (p1 == p2) return r;
    if (p1 > p2) return 0;
    const double rPrev = r - 100;
    const double sPrev = v * rPrev / g1;
    const double q1 = dyno.P(rPrev);
    const double q2 = dyno.P(double(RoundHalfEven(g2 * sPrev / v)));
    const double denominator = q1 + (p2 - q2) - p1;
    if (denominator == 0) return 0;
    const double crossing = (sPrev * (p2 - p1) + s * (q1 - q2)) / denominator;
    const double o = g1 * crossing / v;
    return std::isfinite(o) ? double(RoundHalfEven(o)) : 0;
}

GearingModel::GearingModel(const DynoData* dyno) : m_dyno(dyno) {
    UpdateModeTexts();
    UpdateSymbolState();
    CalcNewSpeeds();
}

void GearingModel::SetInputs(const GearingInputs& inputs) {
    m_inputs = inputs;
    m_view.chainFieldsVisible = !m_inputs.shaftDrive;
    CalcNewSpeeds();
}

void GearingModel::SetText(GearingField field, const QString& text, int gear) {
    switch (field) {
    case GearingField::PrimaryInput:
        m_inputs.primaryInput = text;
        break;
    case GearingField::PrimaryOutput:
        m_inputs.primaryOutput = text;
        break;
    case GearingField::GearInput:
        m_inputs.gearInput.at(gear) = text;
        break;
    case GearingField::GearOutput:
        m_inputs.gearOutput.at(gear) = text;
        break;
    case GearingField::Countershaft:
        m_inputs.countershaft = text;
        break;
    case GearingField::RearSprocket:
        m_inputs.rearSprocket = text;
        break;
    case GearingField::ShaftInput:
        m_inputs.shaftInput = text;
        break;
    case GearingField::ShaftOutput:
        m_inputs.shaftOutput = text;
        break;
    case GearingField::Chain:
        m_inputs.chain = text;
        break;
    case GearingField::TireCircumference:
        m_inputs.tireCircumference = text;
        break;
    case GearingField::SpeedUnit:
        m_inputs.speedUnit = text;
        break;
    case GearingField::Rpm:
        m_inputs.rpm = text;
        break;
    case GearingField::LowLimit:
        m_inputs.lowLimit = text;
        break;
    case GearingField::FixSpeed:
        m_inputs.fixSpeed = text;
        break;
    }
    if (field == GearingField::Rpm || field == GearingField::LowLimit || field == GearingField::FixSpeed)
        CalcNewSpeeds();
    else
        GearingIsDirty();
}

void GearingModel::SetDistanceUnitMiles(bool miles) {
    m_miles = miles;
    m_view.tireCircumferenceCaption =
        miles ? Translate("Drive tire circumference [in]") : Translate("Drive tire circumference [mm]");
    CalcNewSpeeds();
}

void GearingModel::GearCalcModeComboBoxChange(GearCalcMode mode) {
    m_mode = mode;
    UpdateModeTexts();
    CalcNewSpeeds();
}

void GearingModel::UpdateModeTexts() {
    m_view.explanation = GearCalcModeExplanation(m_mode);
    m_view.fixSpeedVisible = m_mode == GearCalcMode::FixSpeed;
    m_view.rpmCaption = m_mode == GearCalcMode::FixSpeed ? Translate("Rpm") : Translate("Rpm at shifts");
    if (m_view.tireCircumferenceCaption.isEmpty())
        m_view.tireCircumferenceCaption = Translate("Drive tire circumference [mm]");
}

void GearingModel::ShaftDriveCheckBoxClick(bool checked) {
    m_inputs.shaftDrive = checked;
    m_view.chainFieldsVisible = !checked;
    GearingIsDirty();
}

void GearingModel::GearingIsDirty() {
    CalcNewSpeeds();
    if (onSetupChanged) onSetupChanged();
}

double GearingModel::GearRatio(int gear) const {
    return TeethRatio(m_inputs.gearInput.at(gear), m_inputs.gearOutput.at(gear));
}

double GearingModel::PrimaryRatio() const {
    return TeethRatio(m_inputs.primaryInput, m_inputs.primaryOutput);
}

double GearingModel::FinalRatio() const {
    return m_inputs.shaftDrive ? FinalDriveRatio(m_inputs.shaftInput, m_inputs.shaftOutput)
                               : FinalDriveRatio(m_inputs.countershaft, m_inputs.rearSprocket);
}

double GearingModel::TireCircumferenceMm() const {
    const double c = NumberOrZero(m_inputs.tireCircumference);
    return m_miles ? c * 25.4 : c;
}

QString GearingModel::SpeedText(double speed) const {
    return FormatPattern(speed, QStringLiteral("0.00")) + QLatin1Char(' ') + m_inputs.speedUnit;
}

void GearingModel::CalcNewSpeeds() {
    const double finalRatio = FinalRatio();
    const double primary = PrimaryRatio();
    std::array<double, GearCount> ratios{};
    for (int gear = 0; gear < GearCount; ++gear)
        ratios[gear] = GearRatio(gear);
    m_view.finalRatio = RatioText(finalRatio);
    m_view.primaryRatio = RatioText(primary);
    for (int gear = 0; gear < GearCount; ++gear) {
        m_view.gears[gear] = GearRowView{};
        m_view.gears[gear].ratio = RatioText(ratios[gear]);
    }

    const double c = TireCircumferenceMm();
    m_hasCircumference = c > 0;
    const double rpm = NumberOrZero(m_inputs.rpm);
    const double low = NumberOrZero(m_inputs.lowLimit);
    const double fixSpeed = NumberOrZero(m_inputs.fixSpeed);

    if (primary > 0 && finalRatio > 0) {
        const bool mph = m_inputs.speedUnit == QLatin1String("mph");
        auto directDriveSpeed = [&](double r) {
            const double v = r / primary / finalRatio * c / 1000000 * 60;
            return mph ? v / 1.609 : v;
        };
        switch (m_mode) {
        case GearCalcMode::Normal:
            CalcNormal(directDriveSpeed(rpm), rpm, low);
            break;
        case GearCalcMode::FindRevLimit:
            CalcFindRevLimit(directDriveSpeed(rpm), rpm, low);
            break;
        case GearCalcMode::OptimalShiftRpm:
            CalcOptimalShift(directDriveSpeed(rpm), rpm);
            break;
        case GearCalcMode::FixSpeed:
            CalcFixSpeed(directDriveSpeed(1), rpm, low, fixSpeed);
            break;
        }
    }
    if (onSpeedsChanged) onSpeedsChanged();
}

// Speeds need a tire circumference: without one the speed texts stay empty.
void GearingModel::CalcNormal(double v0, double rpm, double low) {
    for (int gear = 0; gear < GearCount; ++gear) {
        const double ratio = GearRatio(gear);
        if (ratio == 0) continue;
        GearRowView& row = m_view.gears[gear];
        if (m_hasCircumference) row.speed = SpeedText(v0 / ratio);
        const double previous = gear > 0 ? GearRatio(gear - 1) : 0;
        if (previous != 0) {
            const double s = rpm * ratio / previous;
            row.rpm = WholeText(s);
            row.drop = WholeText(rpm - s);
            row.rpmWarning = low > 0 && s < low;
        }
    }
}

void GearingModel::CalcFindRevLimit(double v0, double rpm, double low) {
    // Speed per rpm; with no rpm there is none, and only the rpm figures show.
    const bool speeds = rpm != 0 && m_hasCircumference;
    const double v = speeds ? v0 / rpm : 0;
    for (int gear = 0; gear + 1 < GearCount; ++gear) {
        const double ratio = GearRatio(gear);
        const double next = GearRatio(gear + 1);
        if (!(ratio > 0 && next > 0)) continue;
        GearRowView& row = m_view.gears[gear];
        const double s = ratio * low / next;
        if (speeds) row.speed = SpeedText(v * s / ratio);
        row.rpm = WholeText(s);
        row.drop = WholeText(s - low);
        row.rpmWarning = s > rpm;
    }
}

void GearingModel::CalcOptimalShift(double v0, double rpm) {
    if (!m_dyno || rpm == 0 || !m_hasCircumference) return;
    const double v = v0 / rpm;
    for (int gear = 0; gear + 1 < GearCount; ++gear) {
        const double ratio = GearRatio(gear);
        const double next = GearRatio(gear + 1);
        if (ratio == 0 || next == 0) continue;
        const double o = OptimalShiftRpm(*m_dyno, v, ratio, next);
        if (!(o > 0)) continue;
        GearRowView& row = m_view.gears[gear];
        row.speed = SpeedText(v * o / ratio);
        row.rpm = WholeText(o);
        row.rpmWarning = o > rpm;
        row.drop = WholeText(o - double(RoundHalfEven(next * o / ratio)));
    }
}

void GearingModel::CalcFixSpeed(double v1, double rpm, double low, double fixSpeed) {
    if (fixSpeed == 0 || !m_hasCircumference) return;
    for (int gear = 0; gear < GearCount; ++gear) {
        const double ratio = GearRatio(gear);
        if (ratio == 0) continue;
        GearRowView& row = m_view.gears[gear];
        row.speed = SpeedText(fixSpeed);
        const double n = double(RoundHalfEven(ratio * fixSpeed / v1));
        row.rpm = WholeText(n);
        row.rpmWarning = (low > 0 && n < low) || (rpm > 0 && n > rpm);
    }
}

// --- Gear symbols ---

void GearingModel::UpdateSymbolState() {
    m_view.teethEditable = !m_useSymbols;
    m_view.symbolChoicesEnabled = m_useSymbols;
    m_view.editSymbolsEnabled = m_useSymbols;
    m_view.symbolTablesShown = m_editingSymbols;
    m_view.editSymbolsCaption = m_editingSymbols ? Translate("End edit") : Translate("Edit gear symbols");
    for (int gear = 0; gear < GearCount; ++gear)
        m_view.symbolChoices[gear] = m_symbolTables[gear].Symbols();
}

void GearingModel::UseGearSymbolsCheckBoxClick(bool checked) {
    m_useSymbols = checked;
    if (!checked) m_editingSymbols = false;
    UpdateSymbolState();
}

void GearingModel::EditGearBoxSymbolsButtonClick() {
    if (!m_useSymbols) return;
    m_editingSymbols = !m_editingSymbols;
    UpdateSymbolState();
}

void GearingModel::FillTeethFromSymbol(int gear) {
    if (const std::optional<GearSymbolRow> row = m_symbolTables.at(gear).Find(m_inputs.gearSymbol.at(gear))) {
        m_inputs.gearInput[gear] = row->input;
        m_inputs.gearOutput[gear] = row->output;
    }
}

void GearingModel::GearComboBoxChange(int gear, const QString& symbol) {
    m_inputs.gearSymbol.at(gear) = symbol;
    FillTeethFromSymbol(gear);
    GearingIsDirty();
}

void GearingModel::ApplyGearSymbols(int gear) {
    const QStringList symbols = m_symbolTables.at(gear).Symbols();
    m_view.symbolChoices[gear] = symbols;
    QString& chosen = m_inputs.gearSymbol[gear];
    if (symbols.isEmpty()) {
        chosen.clear();
        return;
    }
    if (!symbols.contains(chosen)) chosen = symbols.first();
    FillTeethFromSymbol(gear);
}

void GearingModel::SymbolGridSetEditText(int gear, int row, GearSymbolColumn column, const QString& text) {
    m_symbolTables.at(gear).SetCell(row, column, text);
    ApplyGearSymbols(gear);
    GearingIsDirty();
}

void GearingModel::ApplyAllGearSymbols() {
    for (int gear = 0; gear < GearCount; ++gear) {
        if (m_useSymbols) {
            ApplyGearSymbols(gear);
        } else {
            // Without symbols in use the typed teeth stand; only the choices follow the tables.
            m_view.symbolChoices[gear] = m_symbolTables[gear].Symbols();
        }
    }
    CalcNewSpeeds();
}
