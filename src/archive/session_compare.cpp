#include "session_compare.h"

#include "app/program_settings.h"
#include "app/unit_captions.h"
#include "storage/comma_text.h"
#include "storage/lap_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "storage/units.h"
#include "storage/vehicle.h"
#include "timing/lap_timer.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using Kind = CompareRowKind;

class Catalogue {
  public:
    explicit Catalogue(std::vector<CompareRowSpec>& rows) : m_rows(rows) {}

    void Section(const char* section) { m_section = QString::fromLatin1(section); }
    void Add(const QString& title, const char* key, Kind kind = Kind::Plain, int distanceKind = 0) {
        CompareRowSpec row;
        row.title = title;
        row.kind = kind;
        row.section = m_section;
        row.key = QString::fromLatin1(key);
        row.distanceKind = distanceKind;
        m_rows.push_back(row);
    }
    void Plain(const char* title, const char* key) { Add(Translate(title), key); }
    void Volume(const char* title, const char* key) { Add(Translate(title), key, Kind::Volume); }
    void Computed(const char* title, Kind kind) { Add(Translate(title), "", kind); }
    void List(const char* title, const char* key) { Add(Translate(title), key, Kind::List); }
    // "%s" in the title filled with name (a wheel: "Front", "Side", or a code such as "FL").
    void Named(const char* title, const QString& name, const char* key, Kind kind = Kind::Plain,
               int distanceKind = 0) {
        Add(Fill(Translate(title), Translate(name)), key, kind, distanceKind);
    }
    void Gear(const char* title, const char* output, const char* input, const char* symbol) {
        Add(Translate(title), output, Kind::GearTriple);
        m_rows.back().key2 = QString::fromLatin1(input);
        m_rows.back().key3 = QString::fromLatin1(symbol);
    }

  private:
    std::vector<CompareRowSpec>& m_rows;
    QString m_section;
};

void SessionRows(Catalogue& c, const QString& vehicle) {
    const bool fourWheels = vehicle == u"gokart" || vehicle == u"car";
    c.Section("lap_times");
    c.Plain("Driver", "driver1_name");
    c.Section("conditions");
    c.Plain("Name of event", "name_of_event");
    c.Plain("Track", "track");
    c.Plain("Type", "session_type");
    c.Plain("Class", "class");
    c.Plain(N_("Info"), "session_info");
    c.Computed("Laps", Kind::Laps);
    c.Computed("Best laptime", Kind::BestLap);
    c.Section("conditions");
    c.Plain(N_("Track cond."), "track_condition");
    c.Plain(N_("Track temp."), "track_temperature");
    c.Plain(N_("Weather"), "weather");
    c.Plain(N_("Temp."), "temperature");
    c.Plain(N_("Bar."), "barometric_pressure");
    c.Plain(N_("Hum."), "humidity");
    c.Volume(N_("Amount fuel"), "amount_fuel");
    c.Computed("AD", Kind::AirDensity);
    c.Computed("RAD", Kind::RelativeAirDensity);
    c.Section("conditions");
    c.Plain(N_("Competitors"), "competitors");
    c.Plain(N_("Comp. best lap"), "competitors_best_lap");
    c.Plain(N_("Best comp."), "best_competitor_name");
    c.Plain(N_("My pos"), "position");
    c.Plain(N_("Setup rank"), "rank_setup");
    c.Section("session_notes");
    c.Plain(N_("Top speed"), "top_speed");
    c.Plain(N_("Radiator tape"), "radiator_tape");
    c.Plain(N_("Coolant temp."), "coolant_temp");
    c.Plain(N_("Oil temp."), "oil_temp");
    c.Plain(N_("Exhaust temp."), "exhaust_temp");
    c.Plain(N_("CH temp."), "cylinder_head_temp");
    c.Plain(N_("Weight after"), "weight_after_session");
    c.Plain(N_("Front remaining stroke"), "remaining_stroke_front");
    c.Plain(N_("Rear remaining stroke"), "remaining_stroke_rear");
    c.Volume("Remaining fuel", "fuel_after_session");
    if (fourWheels) {
        static const char* const wheels[] = {"FL", "FR", "RL", "RR"};
        static const char* const hot[] = {"fl_pressure_hot", "fr_pressure_hot", "rl_pressure_hot",
                                          "rr_pressure_hot"};
        for (int w = 0; w < 4; ++w)
            c.Named(N_("%s tire pressure (hot)"), QString::fromLatin1(wheels[w]), hot[w]);
        static const char* const temps[4][3] = {{"fl_temp_outer", "fl_temp_middle", "fl_temp_inner"},
                                                {"fr_temp_outer", "fr_temp_middle", "fr_temp_inner"},
                                                {"rl_temp_outer", "rl_temp_middle", "rl_temp_inner"},
                                                {"rr_temp_outer", "rr_temp_middle", "rr_temp_inner"}};
        for (int w = 0; w < 4; ++w) {
            const QString name = QString::fromLatin1(wheels[w]);
            c.Named(N_("%s tire temp (O)"), name, temps[w][0]);
            c.Named(N_("%s tire temp (M)"), name, temps[w][1]);
            c.Named(N_("%s tire temp (I)"), name, temps[w][2]);
        }
        static const char* const circ[] = {"fl_circumference", "fr_circumference", "rl_circumference",
                                           "rr_circumference"};
        for (int w = 0; w < 4; ++w)
            c.Named(N_("%s tire circ."), QString::fromLatin1(wheels[w]), circ[w], Kind::Distance, 3);
    } else {
        c.Plain(N_("Front tire pressure (hot)"), "front_pressure_hot");
        c.Plain(N_("Rear tire pressure (hot)"), "rear_pressure_hot");
        c.Plain(N_("Side tire pressure (hot)"), "side_pressure_hot");
        static const char* const ends[] = {"Front", "Rear", N_("Side")};
        static const char* const temps[3][3] = {{"front_temp_left", "front_temp_middle", "front_temp_right"},
                                                {"rear_temp_left", "rear_temp_middle", "rear_temp_right"},
                                                {"side_temp_left", "side_temp_middle", "side_temp_right"}};
        for (int e = 0; e < 3; ++e) {
            const QString name = QString::fromLatin1(ends[e]);
            c.Named(N_("%s tire temp (L)"), name, temps[e][0]);
            c.Named(N_("%s tire temp (M)"), name, temps[e][1]);
            c.Named(N_("%s tire temp (R)"), name, temps[e][2]);
        }
    }
}

void TireRows(Catalogue& c, const QString& vehicle) {
    const bool fourWheels = vehicle == u"gokart" || vehicle == u"car";
    struct Block {
        const char* name;
        const char* section;
    };
    std::vector<Block> blocks;
    if (fourWheels)
        blocks = {{"FL", "front_left_tire"},
                  {"FR", "front_right_tire"},
                  {"RL", "rear_left_tire"},
                  {"RR", "rear_right_tire"}};
    else if (vehicle == u"sidecar")
        blocks = {{"Front", "front_tire"}, {"Rear", "rear_tire"}, {N_("Side"), "side_tire"}};
    else
        blocks = {{"Front", "front_tire"}, {"Rear", "rear_tire"}};
    for (const Block& block : blocks) {
        const QString name = QString::fromLatin1(block.name);
        c.Section(block.section);
        c.Named(N_("%s tire ID"), name, "id");
        c.Named(N_("%s tire brand"), name, "brand");
        c.Named(N_("%s tire dimension"), name, "dimension");
        c.Named(N_("%s tire compound"), name, "compound");
        c.Named(N_("%s tire pressure"), name, "pressure_cold");
        c.Named(N_("%s tire mileage"), name, N_("mileage"), Kind::Distance, 7);
        if (fourWheels) c.Named(N_("%s tire circ."), name, "circumference", Kind::Distance, 3);
        c.Named(N_("%s tire rotation"), name, "rotation");
        c.Named(N_("%s wheel"), name, "wheel");
    }
}

void JettingAndEngineRows(Catalogue& c) {
    c.Section("jetting");
    c.Plain(N_("Cam timing intake"), "cam_timing_intake");
    c.Plain(N_("Cam timing exhaust"), "cam_timing_exhaust");
    c.Plain(N_("Valve adj. intake"), "valve_adj_intake");
    c.Plain(N_("Valve adj. exhaust"), "valve_adj_exhaust");
    for (int n = 1; n <= 5; ++n) {
        const QByteArray section = "cylinder_" + QByteArray::number(n);
        c.Section(section.constData());
        const QString suffix = u':' + QString::number(n);
        c.Named(N_("Carburator%s"), suffix, "carburator");
        c.Named(N_("Main jet%s"), suffix, "main_jet");
        c.Named(N_("Pilot jet%s"), suffix, "pilot_jet");
        c.Named(N_("Needle jet%s"), suffix, "needle_jet");
        c.Named(N_("Power jet%s"), suffix, "power_jet");
        c.Named(N_("Needle%s"), suffix, "needle");
        c.Plain(N_("Needle clip pos"), "needle_clip"); // the same title for every cylinder
        c.Named(N_("Air screw%s"), suffix, "air_screw");
        c.Named(N_("Throttle slide%s"), suffix, "slide");
        c.Named(N_("Float level%s"), suffix, "float_level");
        c.Named(N_("Fuel pressure%s"), suffix, "fuel_pressure");
        c.Named(N_("Injector%s"), suffix, "injector");
        c.Named(N_("Squish%s"), suffix, "squish");
        c.Named(N_("Deck height%s"), suffix, "deck_height");
        c.Named(N_("Cylinder head%s"), suffix, "cylinder_head");
        c.Named(N_("Base gasket%s"), suffix, "base_gasket");
        c.Named(N_("Other%s"), suffix, "other");
    }
    c.Section("engine");
    c.Plain(N_("Engine ID"), "engine");
    c.Plain(N_("Bore"), "bore");
    c.Plain(N_("Stroke"), "stroke");
    c.Plain(N_("Pistons"), "pistons");
    c.Plain(N_("Head"), "head");
    c.Plain(N_("Exhaust"), "exhaust");
    c.Plain(N_("Clutch"), "clutch");
    c.Plain(N_("Ignition timing"), "ignition");
    c.Plain(N_("Spark plug"), "sparkplug");
    c.Plain("Gasoline", "gasoline");
    c.Plain(N_("Gearbox oil"), "gearbox_oil");
    c.Plain(N_("Premix oil"), "premix_oil");
    c.Plain("Premix ratio", "premix_ratio");
    c.Plain("Other", "other");
}

void GearingRows(Catalogue& c) {
    c.Section("gearing");
    c.Add(Translate("Drive tire circ."), "tire_circumference", Kind::Distance, 3);
    c.Plain("Chain", "chain");
    c.Gear(N_("First gear"), "output_first_gear", "input_first_gear", "symbol_first_gear");
    c.Gear(N_("Second gear"), "output_second_gear", "input_second_gear", "symbol_second_gear");
    c.Gear(N_("Third gear"), "output_third_gear", "input_third_gear", "symbol_third_gear");
    c.Gear(N_("Fourth gear"), "output_fourth_gear", "input_fourth_gear", "symbol_fourth_gear");
    c.Gear(N_("Fifth gear"), "output_fifth_gear", "input_fifth_gear", "symbol_fifth_gear");
    c.Gear(N_("Sixth gear"), "output_sixth_gear", "input_sixth_gear", "symbol_sixth_gear");
    c.Gear(N_("Primary ratio"), "primary_drive_output", "primary_drive_input", "");
    c.Gear("Final gear", "rear_sprocket", "countershaft", "");
    c.Gear("Final gear", "shaftdrive_output", "shaftdrive_input", "");
}

// The damper rows shared by the fork and the shock, with the end's title prefix.
void DamperRows(Catalogue& c, bool front) {
    if (front) {
        c.Plain(N_("Front compression (Low speed)"), "compression");
        c.Plain(N_("Front compression (High speed)"), "compression_fast");
        c.Plain(N_("Front rebound (Low speed)"), "rebound");
        c.Plain(N_("Front rebound (High speed)"), "rebound_fast");
        c.Plain(N_("Front preload"), "preload");
        c.Plain(N_("Front springs"), "springs");
        c.Plain(N_("Front sag (no rider)"), "sag_no_rider");
        c.Plain(N_("Front sag (with rider)"), "sag_with_rider");
    } else {
        c.Plain(N_("Rear compression (Low speed)"), "compression");
        c.Plain(N_("Rear compression (High speed)"), "compression_fast");
        c.Plain(N_("Rear rebound (Low speed)"), "rebound");
        c.Plain(N_("Rear rebound (High speed)"), "rebound_fast");
        c.Plain(N_("Rear preload"), "preload");
        c.Plain(N_("Rear spring(s)"), "springs");
        c.Plain(N_("Rear sag (no rider)"), "sag_no_rider");
        c.Plain(N_("Rear sag (with rider)"), "sag_with_rider");
    }
}

void StackRows(Catalogue& c, bool fork) {
    const auto list = [&c](const char* caption, const char* key) {
        c.Add(Translate(caption), key, Kind::List);
    };
    if (fork) {
        list(N_("Fork compression stack 1"), "compression_shim_stack_1");
        list(N_("Fork compression stack 2"), "compression_shim_stack_2");
        list(N_("Fork compression stack comments"), "compression_shim_stack_comments");
        list(N_("Fork rebound stack 1"), "rebound_shim_stack_1");
        list(N_("Fork rebound stack 2"), "rebound_shim_stack_2");
        list(N_("Fork rebound stack comments"), "rebound_shim_stack_comments");
    } else {
        list(N_("Shock compression stack 1"), "compression_shim_stack_1");
        list(N_("Shock compression stack 2"), "compression_shim_stack_2");
        list(N_("Shock compression stack comments"), "compression_shim_stack_comments");
        list(N_("Shock rebound stack 1"), "rebound_shim_stack_1");
        list(N_("Shock rebound stack 2"), "rebound_shim_stack_2");
        list(N_("Shock rebound stack comments"), "rebound_shim_stack_comments");
    }
}

void TwoWheelSuspensionRows(Catalogue& c, bool sidecar) {
    c.Section("suspension_front");
    c.Plain(N_("Fork ID"), "fork_id");
    DamperRows(c, true);
    c.Plain(N_("Fork oil"), "fork_oil");
    c.Plain(N_("Fork oil level"), "fork_oil_level");
    c.Plain(N_("Fork rake"), "fork_rake");
    c.Plain(N_("Fork trail"), "fork_trail");
    c.Plain(N_("Tube height"), "fork_height");
    c.Plain(N_("Steering damper"), "steering_damper");
    c.Plain(N_("Front comp. adj. valve"), "compression_adj_valve");
    c.Plain(N_("Front top-out spring"), "topout_spring");
    c.Plain(N_("Front bottoming device"), "bottoming_device");
    StackRows(c, true);
    c.Section("suspension_rear");
    c.Plain(N_("Shock ID"), "shock_id");
    DamperRows(c, false);
    c.Plain(N_("Rear ride height"), "rideheight");
    c.Plain(N_("Swingarm pivot pos."), "swingarm_pivot_pos");
    c.Plain(N_("Axle to swing distance"), "axle_to_swingarm_distance");
    c.Plain(N_("Rear suspension link"), "rear_link");
    c.Plain(N_("Shock oil"), "shock_oil");
    c.Plain(N_("Shock free length"), "shock_free_length");
    c.Plain(N_("Shock comp. adj. valve"), "compression_adj_valve");
    c.Plain(N_("Shock top-out spring"), "topout_spring");
    c.Plain(N_("Shock bottoming device"), "bottoming_device");
    c.Plain(N_("Shock nitrogen pressure"), "nitrogen_pressure");
    c.Plain(N_("Shock IFP position"), "ifp_position");
    StackRows(c, false);
    if (sidecar) {
        c.Section("suspension");
        c.Plain(N_("Side toe-in"), "side_toein");
        c.Plain(N_("Side toe-out"), "side_toeout");
    }
}

void KartSuspensionRows(Catalogue& c) {
    c.Section("suspension_front");
    c.Plain(N_("FL camber"), "kart_fl_camber");
    c.Plain(N_("FR camber"), "kart_fr_camber");
    c.Section("suspension_rear");
    c.Plain(N_("RL camber"), "kart_rl_camber");
    c.Plain(N_("RR camber"), "kart_rr_camber");
    const QString front = QStringLiteral("Front"), rear = QStringLiteral("Rear");
    c.Section("suspension_front");
    c.Named(N_("%s toe-in"), front, "kart_toein");
    c.Named(N_("%s toe-out"), front, "kart_toeout");
    c.Plain(N_("Front ride height"), "kart_rideheight");
    c.Plain(N_("Front wheel track"), "kart_wheel_track");
    c.Plain(N_("Front torsion bar"), "kart_torsionbar");
    c.Plain(N_("Caster"), "kart_caster");
    c.Section("suspension_rear");
    c.Named(N_("%s toe-in"), rear, "kart_toein");
    c.Named(N_("%s toe-out"), rear, "kart_toeout");
    c.Plain(N_("Rear ride height"), "kart_rideheight");
    c.Plain(N_("Rear wheel track"), "kart_wheel_track");
    c.Plain(N_("Axle diameter"), "kart_axle_diameter");
    c.Plain(N_("Axle stiffness"), "kart_axle_stiffness");
    c.Plain(N_("Rear torsion bar"), "kart_torsionbar");
}

void CarDamperRows(Catalogue& c, const QString& name) {
    c.Named(N_("%s spring"), name, "spring");
    c.Named(N_("%s spring preload"), name, "spring_preload");
    c.Named(N_("%s bump (slow)"), name, "bump_slow");
    c.Named(N_("%s bump (fast)"), name, "bump_fast");
    c.Named(N_("%s rebound (slow)"), name, "rebound_slow");
    c.Named(N_("%s rebound (fast)"), name, "rebound_fast");
}

void CarSuspensionRows(Catalogue& c) {
    static const char* const wheels[][2] = {{"FL", "front_left_susp"},
                                            {"FR", "front_right_susp"},
                                            {"RL", "rear_left_susp"},
                                            {"RR", "rear_right_susp"}};
    for (const auto& wheel : wheels) {
        const QString name = QString::fromLatin1(wheel[0]);
        c.Section(wheel[1]);
        CarDamperRows(c, name);
        c.Named(N_("%s bump steer"), name, "bump_steer");
        c.Named(N_("%s camber"), name, "camber");
        c.Named(N_("%s caster"), name, "caster");
        c.Named(N_("%s toe-in"), name, "toein");
        c.Named(N_("%s toe-out"), name, "toeout");
    }
    c.Section("front_susp");
    CarDamperRows(c, QStringLiteral("Front"));
    c.Plain(N_("Front roll-bar"), "rollbar");
    c.Plain(N_("Front ride height"), "rideheight");
    c.Section("rear_susp");
    c.Plain(N_("Rear roll-bar"), "rollbar");
    c.Plain(N_("Rear ride height"), "rideheight");
    c.Section("suspension");
    c.Plain(N_("Front brake bias"), "f_brakebias");
    c.Plain("Other", "car_susp_other");
}

void WeightAndAeroRows(Catalogue& c) {
    c.Section("weight_distribution");
    c.Plain(N_("Ballast"), "weight_car_ballast");
    c.Plain(N_("FL Weight"), "weight_car_fl");
    c.Plain(N_("FR Weight"), "weight_car_fr");
    c.Plain(N_("RL Weight"), "weight_car_rl");
    c.Plain(N_("RR Weight"), "weight_car_rr");
    c.Section("aerodynamics");
    c.Plain(N_("Front wing type"), "front_wing_type");
    c.Plain(N_("Front wing setting"), "front_wing_setting");
    c.Plain(N_("Front flap setting"), "front_flap_setting");
    c.Plain(N_("Front splitter"), "front_splitter");
    c.Plain(N_("Front other"), "front_other");
    c.Plain(N_("Rear upper wing type"), "rear_upper_wing_type");
    c.Plain(N_("Rear upper wing setting"), "rear_upper_wing_setting");
    c.Plain(N_("Rear upper flap setting"), "rear_upper_flap_setting");
    c.Plain(N_("Rear lower wing type"), "rear_lower_wing_type");
    c.Plain(N_("Rear lower wing setting"), "rear_lower_wing_setting");
    c.Plain(N_("Rear lower flap setting"), "rear_lower_flap_setting");
    c.Plain(N_("Rear diffuser"), "rear_diffuser");
    c.Plain(N_("Rear other"), "rear_other");
}

void SetupRows(Catalogue& c, const QString& vehicle) {
    const bool fourWheels = vehicle == u"gokart" || vehicle == u"car";
    c.Section("general");
    c.Plain(N_("Frame"), "frame");
    c.Plain(N_("Wheel base"), "wheel_base");
    if (fourWheels) {
        c.Plain(N_("Front wheel track"), "f_wheel_track");
        c.Plain(N_("Rear wheel track"), "r_wheel_track");
    }
    c.Plain(N_("Weight dry"), "weight_dry");
    c.Plain(N_("Weight wet"), "weight_wet");
    c.Plain(N_("Front brakes"), "front_brakes");
    c.Plain(N_("Rear brakes"), "rear_brakes");
    if (vehicle == u"sidecar") c.Plain(N_("Side brakes"), "side_brakes");
    if (fourWheels) {
        c.Plain(N_("Seat position"), "chair_position");
        c.Plain(N_("Pedal position"), "pedal_position");
    }
    TireRows(c, vehicle);
    JettingAndEngineRows(c);
    GearingRows(c);
    if (vehicle == u"gokart")
        KartSuspensionRows(c);
    else if (vehicle == u"car")
        CarSuspensionRows(c);
    else
        TwoWheelSuspensionRows(c, vehicle == u"sidecar");
    if (fourWheels) WeightAndAeroRows(c);
}

int VolumeKind(const QString& unit) {
    if (unit == u"gallons (US)") return 1;
    if (unit == u"gallons (Imperial)") return 2;
    return 0;
}

QString GearValue(TTxtParser& reader, const CompareRowSpec& row) {
    const QString v1 = reader.ReadValue(row.section, row.key);
    const QString v2 = reader.ReadValue(row.section, row.key2);
    const QString v3 = row.key3.isEmpty() ? QString() : reader.ReadValue(row.section, row.key3);
    if (!v3.isEmpty()) return QStringLiteral("%1 (%2/%3)").arg(v3, v2, v1);
    return QStringLiteral("(%1/%2)").arg(v2, v1);
}

QString ListValue(TTxtParser& reader, const CompareRowSpec& row) {
    if (reader.ReadValue(row.section, row.key) != u"list_begin") return {};
    QStringList lines;
    reader.ReadLines(lines, QStringLiteral("list_end"));
    // The end marker is the whole line "key=list_end;": a line holding only the marker word is the end
    // too, and nothing of it belongs to the list.
    return CommaTextJoin(lines);
}

} // namespace

CompareOptions CompareOptionsFrom(const ProgramSettings& settings, VehicleType vehicle) {
    CompareOptions options;
    options.vehicleCode = vehicle == VehicleType::None ? QStringLiteral("mc") : VehicleCode(vehicle);
    const DerivedUnits units = DerivedUnitsOf(settings.systemUnit);
    options.volumeUnit = units.volume;
    options.miles = units.distance == Unit::Miles;
    options.temperatureUnit = settings.temperatureUnit;
    options.pressureUnit = settings.pressureUnit;
    return options;
}

std::vector<CompareRowSpec> CompareRowCatalogue(const CompareOptions& options) {
    std::vector<CompareRowSpec> rows;
    Catalogue c(rows);
    c.Computed(N_("Session name"), Kind::FileName);
    if (options.includeSession) SessionRows(c, options.vehicleCode);
    if (options.includeSetup) SetupRows(c, options.vehicleCode);
    return rows;
}

QStringList CompareRowTitles(const std::vector<CompareRowSpec>& rows) {
    QStringList titles;
    titles.reserve(qsizetype(rows.size()));
    for (const CompareRowSpec& row : rows)
        titles << row.title;
    return titles;
}

CompareRowValues ReadCompareRowValues(const QString& path, const std::vector<CompareRowSpec>& rows,
                                      const CompareOptions& options) {
    CompareRowValues result;
    if (!QFileInfo(path).isFile()) {
        result.error = Fill(Translate("File %s does not exist!"), path);
        return result;
    }
    QString readError;
    TTxtParser reader([&readError](const QString& message) {
        if (readError.isEmpty()) readError = message;
    });
    reader.OpenRead(path);
    if (!reader.IsOpen()) {
        result.error = readError.isEmpty() ? Fill(Translate("Cannot read %s"), path) : readError;
        return result;
    }
    // Driver 1's laps, read once for the two lap rows.
    std::optional<TLapTimer> timer;
    const auto lapTimer = [&]() -> TLapTimer* {
        if (timer) return &*timer;
        timer.emplace();
        const auto splits =
            ParseInteger(reader.ReadValue(QStringLiteral("lap_times"), QStringLiteral("splits_per_lap")));
        timer->SetSplits(splits.value_or(0));
        const auto loaded = timer->LoadFromText(
            reader.ReadValue(QStringLiteral("lap_times"), QStringLiteral("driver1_split_times")));
        if (!loaded) readError = loaded.error();
        return &*timer;
    };
    const int volumeKind = VolumeKind(options.volumeUnit);
    const auto conditions = QStringLiteral("conditions");
    QStringList& values = result.values;
    values.reserve(qsizetype(rows.size()));
    for (const CompareRowSpec& row : rows) {
        switch (row.kind) {
        case Kind::Plain:
            values << reader.ReadValue(row.section, row.key);
            break;
        case Kind::Volume: {
            const QString text = reader.ReadValue(row.section, row.key);
            values << (volumeKind > 0 ? ConvertVolume(volumeKind, text, false) : text);
            break;
        }
        case Kind::Distance: {
            const QString text = reader.ReadValue(row.section, row.key);
            values << (options.miles ? ConvertDistance(row.distanceKind, text, false) : text);
            break;
        }
        case Kind::GearTriple:
            values << GearValue(reader, row);
            break;
        case Kind::List:
            values << ListValue(reader, row);
            break;
        case Kind::FileName:
            values << QFileInfo(path).fileName();
            break;
        case Kind::Laps:
            values << QString::number(lapTimer()->LapCount());
            break;
        case Kind::BestLap:
            values << lapTimer()->BestLapText();
            break;
        case Kind::AirDensity:
        case Kind::RelativeAirDensity: {
            const auto humidity = ParseDecimal(reader.ReadValue(conditions, QStringLiteral("humidity")));
            const auto pressure =
                ParseDecimal(reader.ReadValue(conditions, QStringLiteral("barometric_pressure")));
            const auto temperature =
                ParseDecimal(reader.ReadValue(conditions, QStringLiteral("temperature")));
            QString text;
            if (humidity && pressure && temperature) {
                const double density = AirDensity(options.temperatureUnit, options.pressureUnit, *humidity,
                                                  *pressure, *temperature);
                if (std::isfinite(density))
                    text = row.kind == Kind::AirDensity
                               ? FormatPattern(density, QStringLiteral("0.000"))
                               : FormatPattern(density * 100 / 1.225, QStringLiteral("0.0"));
            }
            values << text;
            break;
        }
        }
    }
    reader.Close();
    if (!readError.isEmpty()) {
        // A corrupt file gives no values at all rather than a column that looks whole.
        result.error = Fill(Translate("Cannot read %s"), path) + QStringLiteral(": ") + readError;
        result.values.clear();
        return result;
    }
    result.ok = true;
    return result;
}

bool KeepCompareRow(const QStringList& values, bool hideIdentical) {
    const bool anyValue =
        std::any_of(values.begin(), values.end(), [](const QString& v) { return !v.isEmpty(); });
    if (!anyValue) return false;
    if (!hideIdentical) return true;
    return !std::all_of(values.begin(), values.end(),
                        [&values](const QString& v) { return v == values.first(); });
}

int StepPercent(int index, int count) {
    if (count <= 1) return 100;
    return int(RoundHalfEven(double(index) * 100.0 / double(count - 1)));
}

CompareResult CompareSessions(const QStringList& paths, const CompareOptions& options,
                              const CompareProgressFn& progress) {
    const auto report = [&progress](const QString& text, int percent) {
        if (progress) progress(text + QStringLiteral("..."), percent);
    };
    CompareResult result;
    const std::vector<CompareRowSpec> rows = CompareRowCatalogue(options);
    report(Translate("Storing titles"), 0);
    const QStringList titles = CompareRowTitles(rows);
    const int n = int(paths.size());
    std::vector<QStringList> columns; // per session, its values along the catalogue
    columns.reserve(std::size_t(n));
    for (int m = 0; m < n; ++m) {
        const QString& path = paths.at(m);
        result.paths << path;
        result.files << QFileInfo(path).fileName();
        report(QFileInfo(path).fileName(), StepPercent(m, n));
        CompareRowValues values = ReadCompareRowValues(path, rows, options);
        if (!values.ok) result.errors << values.error;
        values.values.resize(titles.size());
        columns.push_back(std::move(values.values));
    }
    const QString removing = options.hideIdentical ? Translate("Removing empty and identical values")
                                                   : Translate("Removing empty values");
    report(removing, 0);
    // Row 0 ("Session name") becomes the header; the other rows are kept or dropped.
    const int rowCount = int(titles.size());
    std::vector<int> kept;
    QStringList values;
    for (int r = 1; r < rowCount; ++r) {
        values.clear();
        for (const QStringList& column : columns)
            values << column.at(r);
        if (KeepCompareRow(values, options.hideIdentical)) kept.push_back(r);
        if (progress && r % 50 == 0) report(removing, StepPercent(r, rowCount));
    }
    report(Translate("Entering column headers"), 0);
    report(Translate("Entering data"), 0);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const int r = kept[k];
        result.titles << titles.at(r);
        QStringList row;
        row.reserve(n);
        for (const QStringList& column : columns)
            row << column.at(r);
        result.values.push_back(std::move(row));
    }
    report(Translate("Entering data"), 100);
    return result;
}
