#pragma once
// The gearing page: drive train teeth in, ratios, speeds per gear and an rpm figure per gear out, in
// one of four calculation modes. Inputs are the texts the user typed; outputs are the texts the page
// shows and a warning flag per rpm figure.
#include "gear_symbols.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class DynoData;

enum class GearCalcMode { Normal = 0, FindRevLimit = 1, OptimalShiftRpm = 2, FixSpeed = 3 };

// The gearing fields of the setup, as typed.
struct GearingInputs {
    QString primaryInput;
    QString primaryOutput;
    std::array<QString, GearCount> gearInput;
    std::array<QString, GearCount> gearOutput;
    std::array<QString, GearCount> gearSymbol;
    bool shaftDrive = false;
    QString countershaft;
    QString rearSprocket;
    QString shaftInput;
    QString shaftOutput;
    QString chain;
    QString tireCircumference; // mm, or inches when the distance unit is miles
    QString rpm = QStringLiteral("7000");
    QString lowLimit = QStringLiteral("6000");
    QString speedUnit = QStringLiteral("km/h");
    QString fixSpeed;
};

struct GearRowView {
    QString ratio;
    QString speed;
    QString rpm;
    QString drop;
    bool rpmWarning = false;
};

struct GearingView {
    QString primaryRatio;
    QString finalRatio;
    std::array<GearRowView, GearCount> gears;
    QString rpmCaption;  // "Rpm at shifts" / "Rpm"
    QString explanation; // the mode's help text
    bool fixSpeedVisible = false;
    bool chainFieldsVisible = true; // false: the shaft fields show instead
    QString tireCircumferenceCaption;
    // Gear symbols.
    bool teethEditable = true;
    bool symbolChoicesEnabled = false;
    bool editSymbolsEnabled = false;
    bool symbolTablesShown = false;
    QString editSymbolsCaption;
    std::array<QStringList, GearCount> symbolChoices;
};

// Fields whose change recomputes; all but Rpm, LowLimit and FixSpeed also mark the setup changed.
enum class GearingField {
    PrimaryInput,
    PrimaryOutput,
    GearInput,
    GearOutput,
    Countershaft,
    RearSprocket,
    ShaftInput,
    ShaftOutput,
    Chain,
    TireCircumference,
    SpeedUnit,
    Rpm,
    LowLimit,
    FixSpeed,
};

class GearingModel {
  public:
    explicit GearingModel(const DynoData* dyno = nullptr);

    // Called after every edit that changes the setup (GearingIsDirty).
    std::function<void()> onSetupChanged;
    // Called after every recomputation (the power chart redraws when it is open).
    std::function<void()> onSpeedsChanged;

    const GearingInputs& Inputs() const { return m_inputs; }
    // Replaces every input at once (a setup was loaded); recomputes, does not mark the setup changed.
    void SetInputs(const GearingInputs& inputs);
    void SetText(GearingField field, const QString& text, int gear = 0);
    void SetDistanceUnitMiles(bool miles);
    bool DistanceUnitMiles() const { return m_miles; }

    GearCalcMode Mode() const { return m_mode; }
    void GearCalcModeComboBoxChange(GearCalcMode mode);
    void ShaftDriveCheckBoxClick(bool checked);

    // Gear symbols.
    bool UseGearSymbols() const { return m_useSymbols; }
    void UseGearSymbolsCheckBoxClick(bool checked);
    void EditGearBoxSymbolsButtonClick();
    void GearComboBoxChange(int gear, const QString& symbol);
    void SymbolGridSetEditText(int gear, int row, GearSymbolColumn column, const QString& text);
    const GearSymbolTable& SymbolTable(int gear) const { return m_symbolTables.at(gear); }
    // Replaces a gear's table (a setup was loaded) without applying it.
    void SetSymbolTable(int gear, const GearSymbolTable& table) { m_symbolTables.at(gear) = table; }
    // Rebuilds every gear's symbol list; with "Use gear symbols" on, also fills the teeth from them.
    void ApplyAllGearSymbols();

    void CalcNewSpeeds();
    void GearingIsDirty();

    const GearingView& View() const { return m_view; }

    // Ratios as computed (0 when missing): used by the power chart and the setup report.
    double GearRatio(int gear) const;
    double PrimaryRatio() const;
    double FinalRatio() const;
    // Tire circumference in millimetres; 0 when missing.
    double TireCircumferenceMm() const;

  private:
    void ApplyGearSymbols(int gear);
    void FillTeethFromSymbol(int gear);
    void UpdateModeTexts();
    void UpdateSymbolState();
    void CalcNormal(double v0, double rpm, double low);
    void CalcFindRevLimit(double v0, double rpm, double low);
    void CalcOptimalShift(double v0, double rpm);
    void CalcFixSpeed(double v1, double rpm, double low, double fixSpeed);
    QString SpeedText(double speed) const;

    const DynoData* m_dyno;
    GearingInputs m_inputs;
    GearCalcMode m_mode = GearCalcMode::Normal;
    bool m_miles = false;
    bool m_hasCircumference = false;
    bool m_useSymbols = false;
    bool m_editingSymbols = false;
    std::array<GearSymbolTable, GearCount> m_symbolTables;
    GearingView m_view;
};

// Display names of the modes, in the order of the mode box ("Normal", "Find rev limit", ...).
QStringList GearCalcModeNames();
QString GearCalcModeExplanation(GearCalcMode mode);
// The rpm choices 1000 to 23000 in steps of 500.
QStringList RpmChoices();
QStringList SpeedUnitChoices();

// Ratio of two teeth texts: both whole numbers, input not 0; 0 otherwise (and for a ratio not above 0).
double TeethRatio(const QString& input, const QString& output);
// Final drive ratio: both numbers, the first above 0; 0 otherwise.
double FinalDriveRatio(const QString& first, const QString& second);
// "0.000" for a ratio above 0, else empty.
QString RatioText(double ratio);
// The warning colour of an rpm figure, 0x00BBGGRR (red 255, green 136, blue 136).
constexpr quint32 GearingWarningColour = 0x008888FF;

// Optimal shift rpm from gear ratio g1 into g2 from the dyno curve, with v the speed per rpm in direct
// drive: the rpm where the next gear at the same road speed gives as much power. 0 when it cannot be
// found (no dyno data, no crossing to interpolate).
double OptimalShiftRpm(const DynoData& dyno, double v, double g1, double g2);
