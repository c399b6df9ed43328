#pragma once
// The setup's field tables. One table drives reading, writing, the setup pages, comparison and reports:
// every single field and every grid of the eight setup areas, with its section and key, caption,
// history key, control kind, unit conversion, decimal check, the vehicles that show it and its older keys.
#include "storage/vehicle.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// In the order a whole setup is loaded and written.
enum class SetupArea {
    Tires,
    Suspension,
    Aerodynamics,
    Engine,
    Gearing,
    Jetting,
    WeightDistribution,
    General
};
inline constexpr std::array<SetupArea, 8> kSetupAreaOrder = {
    SetupArea::Tires,   SetupArea::Suspension, SetupArea::Aerodynamics,       SetupArea::Engine,
    SetupArea::Gearing, SetupArea::Jetting,    SetupArea::WeightDistribution, SetupArea::General};

// Vehicle masks: which vehicle types show a field, a grid column or an area.
namespace Vehicles {
inline constexpr unsigned Motorcycle = 1, Sidecar = 2, Kart = 4, Car = 8;
inline constexpr unsigned Bike = Motorcycle | Sidecar, FourWheel = Kart | Car, All = Bike | FourWheel;
} // namespace Vehicles
unsigned VehicleBit(VehicleType type);

enum class ControlKind {
    Edit,       // plain entry field
    HistoryBox, // entry field with a history of recent values (historyKey)
    Choice,     // drop-down of fixed or computed choices (gear symbols, rpm, speed unit, cylinders)
    CheckBox,   // record value "true" when checked, "" otherwise
    Memo,       // multi-line lines (list block in the file)
    Notes,      // multi-line text (text block in the file)
};

// How a value is kept in the file.
enum class StoredForm {
    Text,        // key=value;
    Flag,        // "true" checks; anything else clears; written only when checked
    IntegerFlag, // integer 1 checks; 0, missing or no integer leaves the box as it is; written "1" / "0"
    ListBlock,   // key=list_begin; lines; key=list_end;
    TextBlock,   // key=notes_begin; text; key=notes_end;
};

// Lengths the pages show converted for the "miles" distance unit; the file keeps them metric.
enum class DistanceConversion {
    None,
    Millimetres, // shown in inches (kind 3, "0.000"), stored back in millimetres (kind 4, precise)
    Kilometres,  // shown in miles (kind 7, "0.000"), stored back in kilometres (kind 8, precise)
};

struct SetupField {
    SetupArea area;
    unsigned vehicles;
    QString page;         // setup sub-page caption ("Basic settings", "Gearing", ...)
    QString group;        // panel caption inside the page ("Front", "Rear", ...), may be empty
    QString caption;      // the field's caption (English; translated when shown)
    QString milesCaption; // caption for the "miles" distance unit (converted fields), else empty
    QString qualifier;    // a second caption word ("Low speed", "High speed"), may be empty
    QString section;
    QString key;
    ControlKind control = ControlKind::Edit;
    StoredForm form = StoredForm::Text;
    QString historyKey; // history of a history box
    DistanceConversion conversion = DistanceConversion::None;
    bool decimalCheck = false;
    QString fallbackKey;  // same section, read when key yields nothing ("rollbar" for "f_rollbar")
    QString olderSection; // older key set, read by the area's fallback rule
    QString olderKey;
    QString defaultText; // value of a new setup (not applied on loading: a missing key empties)
    QStringList choices; // fixed choices of a Choice control

    QString Caption(bool miles) const { return miles && !milesCaption.isEmpty() ? milesCaption : caption; }
    QString Id() const { return section + QLatin1Char('/') + key; }
};

struct GridRow {
    QString title;      // row title (English)
    QString milesTitle; // row title for the "miles" distance unit, else empty
    QString key;        // key part of the cell's key
    QString historyKey; // history of the cell editor for this row; empty: typed into the grid itself
    DistanceConversion conversion = DistanceConversion::None;
    bool decimalCheck = false; // decimal text, empty, or only underscores

    QString Title(bool miles) const { return miles && !milesTitle.isEmpty() ? milesTitle : title; }
};

struct GridColumn {
    QString title;
    QString section;   // section of the column's cells
    QString keyPrefix; // cell key = keyPrefix + row key
    unsigned vehicles = Vehicles::All;
    QString olderPrefix, olderSuffix; // older cell key = olderPrefix + row key + olderSuffix
    int mirror = -1;                  // symmetric editing copies a changed cell to this column
    bool monoshock = false;           // the car's front monoshock column
};

enum class GridId {
    BikeTires,
    FourWheelTires,
    CarWheelAngles,
    CarDampers,
    Dyno,
    GearSymbols1,
    GearSymbols2,
    GearSymbols3,
    GearSymbols4,
    GearSymbols5,
    GearSymbols6,
    Jetting,
};

struct SetupGrid {
    GridId id;
    SetupArea area;
    unsigned vehicles;
    QString page, group, caption;
    std::vector<GridColumn> columns;
    std::vector<GridRow> rows;
    int historyMaximum = 5;  // entries kept in each row history of the cell editor
    QString olderSection;    // older cell keys live here; empty: no older key set
    bool cellEditor = false; // edited through the history cell editor (rows with a history key)
    bool shownApart = false; // shown by a window or page of its own (dyno data, gear symbols)
};

struct SetupAreaInfo {
    SetupArea area;
    QString caption;         // page caption and part-setup manager caption
    QString section;         // section of the selected part-setup name
    QString selectedKey;     // "selected_tire_setup", ...
    QString partSetupPrefix; // file prefix of part setups ("zTireSetup ")
    unsigned vehicles;       // vehicles that have the area
};

const std::vector<SetupField>& SetupFields();
const std::vector<SetupGrid>& SetupGrids();
const SetupAreaInfo& SetupAreaInfoOf(SetupArea area);
const SetupGrid& Grid(GridId id);

// The setup sub-page a field or grid is shown on: its own page when that is a sub-page, else the first
// sub-page of its area ("Suspension" -> "Basic settings").
QString SetupSubPageOf(const QString& page, SetupArea area);
// Fixed width of a grid's value columns for the columns shown, 0 where the grid fits its contents: the
// jetting grid narrows its cylinder columns as more are shown (150 up to 3, 110 for 4, 95 for 5).
int SetupGridColumnWidth(GridId grid, int shownColumns);
// The sub-pages under "Setup" that show fields and grids, in tab order.
const QStringList& SetupSubPages();

// Index of the field with this section and key, -1 when none.
int FieldIndex(const QString& section, const QString& key);
inline bool AppliesTo(unsigned vehicles, VehicleType type) {
    return (vehicles & VehicleBit(type)) != 0;
}

// Pressure, mileage and circumference cells: empty, only underscores, or decimal text. The message
// (translated) when the text is refused.
std::optional<QString> CheckSetupCellText(const GridRow& row, const QString& text);
