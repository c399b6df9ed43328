// The grid tables of the setup: tires, car wheel angles and dampers, dyno data, gear symbols, jetting.
#include "setup_fields.h"
#include "storage/translate.h"

namespace {

namespace V = Vehicles;

GridRow Row(const char* title, const char* key, const char* history = "") {
    GridRow row;
    row.title = QString::fromLatin1(title);
    row.key = QString::fromLatin1(key);
    row.historyKey = QString::fromLatin1(history);
    return row;
}

GridRow ConvertedRow(const char* title, const char* milesTitle, const char* key,
                     DistanceConversion conversion) {
    GridRow row = Row(title, key);
    row.milesTitle = QString::fromLatin1(milesTitle);
    row.conversion = conversion;
    row.decimalCheck = true;
    return row;
}

GridColumn Column(const char* title, const char* section, const char* olderPrefix = "",
                  const char* olderSuffix = "", int mirror = -1) {
    GridColumn column;
    column.title = QString::fromLatin1(title);
    column.section = QString::fromLatin1(section);
    column.olderPrefix = QString::fromLatin1(olderPrefix);
    column.olderSuffix = QString::fromLatin1(olderSuffix);
    column.mirror = mirror;
    return column;
}

std::vector<GridRow> TireRows(bool fourWheel) {
    GridRow pressure = Row("Pressure (cold)", "pressure_cold", "TirePressureColdKey");
    pressure.decimalCheck = true;
    std::vector<GridRow> rows = {
        Row("ID", "id", "IDKey"),
        pressure,
        Row("Compound", "compound", "TireCompoundKey"),
        Row("Brand", "brand", "TireBrandKey"),
        Row("Dimensions", "dimension", "TireDimensionsKey"),
        ConvertedRow(N_("Mileage [km]"), "Mileage [miles]", N_("mileage"), DistanceConversion::Kilometres),
    };
    if (fourWheel)
        rows.push_back(ConvertedRow(N_("Circumference [mm]"), N_("Circumference [in.]"), "circumference",
                                    DistanceConversion::Millimetres));
    rows.push_back(Row("Rotation", "rotation", "TireRotationKey"));
    rows.push_back(Row("Wheel", "wheel", "WheelKey"));
    return rows;
}

SetupGrid GearSymbolGrid(int gear) {
    SetupGrid grid;
    grid.id = GridId(int(GridId::GearSymbols1) + gear - 1);
    grid.area = SetupArea::Gearing;
    grid.vehicles = V::All;
    grid.page = QStringLiteral(N_("Gearing"));
    grid.group = QStringLiteral("Gear symbols");
    grid.caption = QString::number(gear);
    grid.shownApart = true; // the gearing page shows the symbol tables
    const QString section = QStringLiteral("gear_") + QString::number(gear);
    for (const auto& [title, prefix] : {std::pair{"Symbol", "symbol_"}, std::pair{"Input", "input_symbol_"},
                                        std::pair{"Output", "output_symbol_"}}) {
        GridColumn column = Column(title, "");
        column.section = section;
        column.keyPrefix = QString::fromLatin1(prefix);
        grid.columns.push_back(column);
    }
    for (int n = 1; n <= 25; ++n) {
        const QByteArray number = QByteArray::number(n);
        grid.rows.push_back(Row(number.constData(), number.constData()));
    }
    return grid;
}

std::vector<SetupGrid> BuildGrids() {
    std::vector<SetupGrid> grids;

    SetupGrid bike;
    bike.id = GridId::BikeTires;
    bike.area = SetupArea::Tires;
    bike.vehicles = V::Bike;
    bike.page = QStringLiteral("Current setup");
    bike.caption = QStringLiteral("Tires");
    bike.columns = {Column("Front", "front_tire", "", "_front"), Column("Rear", "rear_tire", "", "_rear"),
                    Column(N_("Side"), "side_tire", "", "_side")};
    bike.columns[2].vehicles = V::Sidecar;
    bike.rows = TireRows(false);
    bike.historyMaximum = 10;
    bike.olderSection = QStringLiteral("tires");
    bike.cellEditor = true;
    grids.push_back(bike);

    SetupGrid four = bike;
    four.id = GridId::FourWheelTires;
    four.vehicles = V::FourWheel;
    four.columns = {Column(N_("Front left"), "front_left_tire", "fl_"),
                    Column(N_("Front right"), "front_right_tire", "fr_"),
                    Column(N_("Rear left"), "rear_left_tire", "rl_"),
                    Column(N_("Rear right"), "rear_right_tire", "rr_")};
    four.rows = TireRows(true);
    four.historyMaximum = 5;
    grids.push_back(four);

    // Older car keys are found by the row's key name, whatever order the older set listed them in.
    SetupGrid angles;
    angles.id = GridId::CarWheelAngles;
    angles.area = SetupArea::Suspension;
    angles.vehicles = V::Car;
    angles.page = QStringLiteral(N_("Suspension"));
    angles.caption = QStringLiteral(N_("Wheel angles"));
    angles.columns = {
        Column("FL", "front_left_susp", "fl_", "", 1), Column("FR", "front_right_susp", "fr_", "", 0),
        Column("RL", "rear_left_susp", "rl_", "", 3), Column("RR", "rear_right_susp", "rr_", "", 2)};
    angles.rows = {Row("Camber", "camber", "CamberKey"), Row(N_("Caster"), "caster", "CasterKey"),
                   Row(N_("Bump steer"), "bump_steer", "BumpsteerKey"),
                   Row(N_("Toe-in"), "toein", "ToeInKey"), Row(N_("Toe-out"), "toeout", "ToeOutKey")};
    angles.olderSection = QStringLiteral("suspension");
    angles.cellEditor = true;
    grids.push_back(angles);

    SetupGrid dampers = angles;
    dampers.id = GridId::CarDampers;
    dampers.caption = QStringLiteral(N_("Dampers"));
    dampers.columns = {
        Column("Front", "front_susp", "f_mono_"), Column("FL", "front_left_susp", "fl_", "", 2),
        Column("FR", "front_right_susp", "fr_", "", 1), Column("RL", "rear_left_susp", "rl_", "", 4),
        Column("RR", "rear_right_susp", "rr_", "", 3)};
    dampers.columns[0].monoshock = true;
    dampers.rows = {Row(N_("Spring"), "spring", "SpringKey"),
                    Row(N_("Preload"), "spring_preload", "SpringPreloadKey"),
                    Row(N_("Bump (slow)"), "bump_slow", "BumpSlowKey"),
                    Row(N_("Bump (fast)"), "bump_fast", "BumpFastKey"),
                    Row(N_("Rebound (slow)"), "rebound_slow", "ReboundSlowKey"),
                    Row(N_("Rebound (fast)"), "rebound_fast", "ReboundFastKey")};
    grids.push_back(dampers);

    SetupGrid dyno;
    dyno.id = GridId::Dyno;
    dyno.area = SetupArea::Engine;
    dyno.vehicles = V::All;
    dyno.page = QStringLiteral(N_("Engine"));
    dyno.caption = QStringLiteral("Dyno Data");
    dyno.shownApart = true; // the "Dyno Data" window
    dyno.columns = {Column("Rpm", "engine"), Column("Power", "engine")};
    dyno.columns[0].keyPrefix = QStringLiteral("dyno_rpm_");
    dyno.columns[1].keyPrefix = QStringLiteral("dyno_power_");
    for (int n = 1; n <= 42; ++n) {
        const QByteArray number = QByteArray::number(n);
        dyno.rows.push_back(Row(number.constData(), number.constData()));
    }
    grids.push_back(dyno);

    for (int gear = 1; gear <= 6; ++gear)
        grids.push_back(GearSymbolGrid(gear));

    SetupGrid jetting;
    jetting.id = GridId::Jetting;
    jetting.area = SetupArea::Jetting;
    jetting.vehicles = V::All;
    jetting.page = QStringLiteral(N_("Jetting"));
    jetting.caption = QStringLiteral(N_("Jetting"));
    static constexpr const char* kCylinderTitles[] = {N_("Cylinder 1"), N_("Cylinder 2"), N_("Cylinder 3"),
                                                      N_("Cylinder 4"), N_("Cylinder 5")};
    for (int cylinder = 1; cylinder <= 5; ++cylinder) {
        GridColumn column;
        column.title = QString::fromLatin1(kCylinderTitles[cylinder - 1]);
        column.section = QStringLiteral("cylinder_") + QString::number(cylinder);
        jetting.columns.push_back(column);
    }
    jetting.rows = {Row(N_("Carburator"), "carburator", "CarburatorKey"),
                    Row(N_("Main jet"), "main_jet", "MainJetKey"),
                    Row(N_("Pilot jet (Slow jet)"), "pilot_jet", "PilotJetKey"),
                    Row(N_("Needle jet"), "needle_jet", "NeedleJetKey"),
                    Row(N_("Power jet"), "power_jet", "PowerJetKey"),
                    Row(N_("Needle"), "needle", "NeedleKey"),
                    Row(N_("Needle clip position"), "needle_clip", "NeedleClipKey"),
                    Row(N_("Air screw"), "air_screw", "AirScrewKey"),
                    Row(N_("Throttle slide"), "slide", "ThrottleSlideKey"),
                    Row(N_("Float level"), "float_level", "FloatLevelKey"),
                    Row(N_("Fuel pressure"), "fuel_pressure", "FuelPressureKey"),
                    Row(N_("Injector"), "injector", "InjectorKey"),
                    Row(N_("Squish"), "squish", "SquishKey"),
                    Row(N_("Deck height"), "deck_height", "DeckHeightKey"),
                    Row(N_("Cylinder head"), "cylinder_head", "CylinderHeadKey"),
                    Row(N_("Base gasket"), "base_gasket", "BaseGasketKey"),
                    Row("Other", "other", "JettingOtherKey")};
    jetting.historyMaximum = 10;
    jetting.cellEditor = true;
    grids.push_back(jetting);
    return grids;
}

} // namespace

const std::vector<SetupGrid>& SetupGrids() {
    static const std::vector<SetupGrid> grids = BuildGrids();
    return grids;
}

const SetupGrid& Grid(GridId id) {
    return SetupGrids()[size_t(id)];
}
