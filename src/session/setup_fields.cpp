#include "setup_fields.h"

#include "storage/number_format.h"
#include "storage/translate.h"

#include <QHash>

unsigned VehicleBit(VehicleType type) {
    switch (type) {
    case VehicleType::Motorcycle:
        return Vehicles::Motorcycle;
    case VehicleType::Sidecar:
        return Vehicles::Sidecar;
    case VehicleType::Kart:
        return Vehicles::Kart;
    case VehicleType::Car:
        return Vehicles::Car;
    case VehicleType::None:
        break;
    }
    return 0;
}

namespace {

using A = SetupArea;
namespace V = Vehicles;

// Fluent builder so that each table line reads as one field.
struct F {
    SetupField f;
    F(SetupArea area, unsigned vehicles, const char* page, const char* group, const char* section,
      const char* key, const char* caption, const char* history = "") {
        f.area = area;
        f.vehicles = vehicles;
        f.page = QString::fromLatin1(page);
        f.group = QString::fromLatin1(group);
        f.section = QString::fromLatin1(section);
        f.key = QString::fromLatin1(key);
        f.caption = QString::fromLatin1(caption);
        f.historyKey = QString::fromLatin1(history);
        f.control = f.historyKey.isEmpty() ? ControlKind::Edit : ControlKind::HistoryBox;
    }
    F& Older(const char* section, const char* key) {
        f.olderSection = QString::fromLatin1(section);
        f.olderKey = QString::fromLatin1(key);
        return *this;
    }
    F& Fallback(const char* key) {
        f.fallbackKey = QString::fromLatin1(key);
        return *this;
    }
    F& Qualifier(const char* text) {
        f.qualifier = QString::fromLatin1(text);
        return *this;
    }
    F& Convert(DistanceConversion kind, const char* milesCaption) {
        f.conversion = kind;
        f.milesCaption = QString::fromLatin1(milesCaption);
        return *this;
    }
    F& Check(StoredForm form = StoredForm::Flag) {
        f.control = ControlKind::CheckBox;
        f.form = form;
        return *this;
    }
    F& Memo() {
        f.control = ControlKind::Memo;
        f.form = StoredForm::ListBlock;
        return *this;
    }
    F& Notes() {
        f.control = ControlKind::Notes;
        f.form = StoredForm::TextBlock;
        return *this;
    }
    F& Choice(QStringList choices = {}, const char* defaultText = "") {
        f.control = ControlKind::Choice;
        f.choices = std::move(choices);
        f.defaultText = QString::fromLatin1(defaultText);
        return *this;
    }
    operator SetupField() const { return f; }
};

QStringList RpmChoices() {
    QStringList list;
    for (int rpm = 1000; rpm <= 23000; rpm += 500)
        list << QString::number(rpm);
    return list;
}

constexpr const char* kOrdinals[6] = {"first", "second", "third", "fourth", "fifth", "sixth"};

void AddBikeSuspension(std::vector<SetupField>& t) {
    const char* basic = N_("Basic settings");
    const char* detailed = N_("Detailed settings");
    const auto mm = DistanceConversion::Millimetres;
    // Sidecar wheel.
    t.push_back(
        F(A::Suspension, V::Sidecar, basic, N_("Side"), "suspension", "side_toein", N_("Toe-in"), "SideToeIn")
            .Older("suspension", "side_toein"));
    t.push_back(F(A::Suspension, V::Sidecar, basic, N_("Side"), "suspension", "side_toeout", N_("Toe-out"),
                  "SideToeOut")
                    .Older("suspension", "side_toeout"));
    // Fork.
    const char* fr = "suspension_front";
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_id", N_("Fork ID"), "MCFrontForkID"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Front", fr, "compression", N_("Compression"), "MCFrontCompression")
            .Qualifier(N_("Low speed"))
            .Older("suspension", "compression_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "compression_fast", N_("Compression"),
                  "MCFrontCompressionFast")
                    .Qualifier(N_("High speed")));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "rebound", N_("Rebound"), "MCFrontRebound")
                    .Qualifier(N_("Low speed"))
                    .Older("suspension", "rebound_front"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Front", fr, "rebound_fast", N_("Rebound"), "MCFrontReboundFast")
            .Qualifier(N_("High speed")));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "preload", N_("Preload"), "MCFrontPreload")
                    .Older("suspension", "preload_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "springs", N_("Springs"), "MCFrontSprings")
                    .Older("suspension", "springs_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "sag_no_rider", N_("Sag without rider [mm]"))
                    .Convert(mm, N_("Sag without rider [in.]"))
                    .Older("suspension", "sag_no_rider_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "sag_with_rider", N_("Sag with rider [mm]"))
                    .Convert(mm, N_("Sag with rider [in.]"))
                    .Older("suspension", "sag_with_rider_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "steering_damper", N_("Steering damper"),
                  "MCSteeringDamper")
                    .Older("suspension", "steering_damper"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_oil", N_("Fork oil"), "ForkOil")
                    .Older("suspension", "fork_oil"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_oil_level", N_("Fork oil level"))
                    .Older("suspension", "fork_oil_level"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_rake", N_("Fork rake"), "ForkRake")
                    .Older("suspension", "fork_rake"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_trail", N_("Fork trail"), "ForkTrail")
                    .Older("suspension", "fork_trail"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Front", fr, "fork_height", N_("Tube height"), "ForkTubeHeight")
            .Older("suspension", "fork_height"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "compression_adj_valve",
                  N_("Compression adj. valve"), "McForkCompressionAdjValue"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "topout_spring", N_("Top-out spring"),
                  "McForkTopOutSpring"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "bottoming_device", N_("Bottoming device"),
                  "McForkBottomingDevice"));
    // Rear shock.
    const char* re = "suspension_rear";
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "shock_id", N_("Shock ID"), "MCRearShockID"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "compression", N_("Compression"), "MCRearCompression")
            .Qualifier(N_("Low speed"))
            .Older("suspension", "compression_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "compression_fast", N_("Compression"),
                  "MCRearCompressionFast")
                    .Qualifier(N_("High speed")));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "rebound", N_("Rebound"), "MCRearRebound")
                    .Qualifier(N_("Low speed"))
                    .Older("suspension", "rebound_rear"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "rebound_fast", N_("Rebound"), "MCRearReboundFast")
            .Qualifier(N_("High speed")));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "preload", N_("Preload"), "MCRearPreload")
                    .Older("suspension", "preload_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "springs", N_("Springs"), "MCRearSprings")
                    .Older("suspension", "springs_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "sag_no_rider", N_("Sag without rider [mm]"))
                    .Convert(mm, N_("Sag without rider [in.]"))
                    .Older("suspension", "sag_no_rider_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "sag_with_rider", N_("Sag with rider [mm]"))
                    .Convert(mm, N_("Sag with rider [in.]"))
                    .Older("suspension", "sag_with_rider_rear"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "rideheight", N_("Rear ride height"), "MCRearRideHeight")
            .Older("suspension", "rear_rideheight"));
    // The older set stored these two under each other's key.
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "swingarm_pivot_pos", N_("Swingarm pivot pos."),
                  "SwingarmPivotPos")
                    .Older("suspension", "axle_to_swingarm_distance"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "axle_to_swingarm_distance",
                  N_("Axle to swing distance"), "AxleToSwingDistance")
                    .Older("suspension", "swingarm_pivot_pos"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "rear_link", N_("Suspension link"),
                  "RearSuspensionLink"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "shock_oil", N_("Shock oil"), "RearMCShockOil"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "shock_free_length", N_("Rear shock free length")));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "compression_adj_valve",
                  N_("Compression adj. valve"), "McRearShockCompressionAdjValue"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "topout_spring", N_("Top-out spring"),
                  "McRearShockTopOutSpring"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "bottoming_device", N_("Bottoming device"),
                  "McRearShockBottomingDevice"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "nitrogen_pressure",
                  N_("Shock nitrogen pressure"), "RearMCShockNitrogenPressure"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "ifp_position", N_("IFP Position"),
                  "McRearIFPPosition"));
    // Shim stacks, fork and shock.
    struct StackGroup {
        const char* section;
        const char* kind;
        const char* group;
    };
    for (const auto& [section, kind, group] : {StackGroup{fr, "compression", N_("Fork Compression")},
                                               StackGroup{fr, "rebound", N_("Fork Rebound")},
                                               StackGroup{re, "compression", N_("Shock Compression")},
                                               StackGroup{re, "rebound", N_("Shock Rebound")}}) {
        for (const auto& [suffix, caption] :
             {std::pair{"_shim_stack_1", N_("Stack 1")}, std::pair{"_shim_stack_2", N_("Stack 2")},
              std::pair{"_shim_stack_comments", "Comments"}}) {
            const QByteArray key = QByteArray(kind) + suffix;
            t.push_back(F(A::Suspension, V::Bike, detailed, group, section, key.constData(), caption).Memo());
        }
    }
}

void AddKartSuspension(std::vector<SetupField>& t) {
    const char* page = N_("Suspension");
    const char* fr = "suspension_front";
    const char* re = "suspension_rear";
    const char* old = "suspension";
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_caster", N_("Caster"), "KartFrontCaster")
                    .Older(old, "kart_f_caster"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_torsionbar", N_("Torsion bar"),
                  "KartFrontTorsionBar")
                    .Older(old, "kart_f_torsionbar"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Front", fr, "kart_toein", N_("Toe-in")).Older(old, "kart_f_toein"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_toeout", N_("Toe-out"))
                    .Older(old, "kart_f_toeout"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_rideheight", N_("Ride height"))
                    .Older(old, "kart_f_rideheight"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_wheel_track", N_("Wheel track"))
                    .Older(old, "kart_f_wheel_track"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_fl_camber", N_("Camber left"))
                    .Older(old, "kart_fl_camber"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_fr_camber", N_("Camber right"))
                    .Older(old, "kart_fr_camber"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Rear", re, "kart_toein", N_("Toe-in")).Older(old, "kart_r_toein"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_toeout", N_("Toe-out"))
                    .Older(old, "kart_r_toeout"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rideheight", N_("Ride height"))
                    .Older(old, "kart_r_rideheight"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_wheel_track", N_("Wheel track"))
                    .Older(old, "kart_r_wheel_track"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_torsionbar", N_("Torsion bar"),
                  "KartRearTorsionBar")
                    .Older(old, "kart_r_torsionbar"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_axle_diameter", N_("Axle diameter"),
                  "KartRearAxleDiameter")
                    .Older(old, "kart_r_axle_diameter"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_axle_stiffness", N_("Axle stiffness"),
                  "KartRearAxleStiffness")
                    .Older(old, "kart_r_axle_stiffness"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rl_camber", N_("Camber left"))
                    .Older(old, "kart_rl_camber"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rr_camber", N_("Camber right"))
                    .Older(old, "kart_rr_camber"));
}

void AddCarSuspension(std::vector<SetupField>& t) {
    const char* page = N_("Suspension");
    const char* old = "suspension";
    t.push_back(
        F(A::Suspension, V::Car, page, "", "suspension", "f_mono_enabled", N_("Front Monoshock")).Check());
    t.push_back(
        F(A::Suspension, V::Car, page, "", "suspension", "car_susp_symmetric", N_("Symmetric editing"))
            .Check());
    t.push_back(F(A::Suspension, V::Car, page, "", "suspension", "f_brakebias", N_("Front brake bias")));
    t.push_back(F(A::Suspension, V::Car, page, "", "suspension", "car_susp_other", "Other"));
    t.push_back(F(A::Suspension, V::Car, page, "Front", "front_susp", "f_rollbar", N_("Roll bar"))
                    .Fallback("rollbar")
                    .Older(old, "f_rollbar"));
    t.push_back(F(A::Suspension, V::Car, page, "Front", "front_susp", "f_rideheight", N_("Ride height"))
                    .Fallback("rideheight")
                    .Older(old, "f_rideheight"));
    t.push_back(F(A::Suspension, V::Car, page, "Rear", "rear_susp", "r_rollbar", N_("Roll bar"))
                    .Fallback("rollbar")
                    .Older(old, "r_rollbar"));
    t.push_back(F(A::Suspension, V::Car, page, "Rear", "rear_susp", "r_rideheight", N_("Ride height"))
                    .Fallback("rideheight")
                    .Older(old, "r_rideheight"));
}

void AddAerodynamics(std::vector<SetupField>& t) {
    const char* page = N_("Aerodynamics");
    const char* s = "aerodynamics";
    const unsigned v = V::FourWheel;
    t.push_back(
        F(A::Aerodynamics, v, page, "Front", s, "front_wing_type", N_("Wing type"), "AeroFrontWingtype"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_wing_setting", N_("Main wing setting"),
                  "AeroFrontMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_flap_setting", N_("Front flap setting"),
                  "AeroFrontFlapSetting"));
    t.push_back(
        F(A::Aerodynamics, v, page, "Front", s, "front_splitter", N_("Splitter"), "AeroFrontSplitter"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_other", "Other"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_wing_type", N_("Upper wing type"),
                  "AeroRearUpperWingType"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_wing_setting",
                  N_("Upper main wing setting"), "AeroRearUpperMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_flap_setting",
                  N_("Upper rear flap setting"), "AeroRearUpperFlapSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_wing_type", N_("Lower wing type"),
                  "AeroRearLowerWingType"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_wing_setting",
                  N_("Lower main wing setting"), "AeroRearLowerMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_flap_setting",
                  N_("Lower rear flap setting"), "AeroRearLowerFlapSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_diffuser", N_("Diffuser"), "AeroRearDiffuser"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_other", "Other"));
}

void AddEngine(std::vector<SetupField>& t) {
    const char* page = N_("Engine");
    const char* s = "engine";
    const unsigned v = V::All;
    t.push_back(F(A::Engine, v, page, "", s, "engine", N_("Engine Id"), "EngineID"));
    t.push_back(F(A::Engine, v, page, "", s, "bore", N_("Bore"), "EngineBore"));
    t.push_back(F(A::Engine, v, page, "", s, "stroke", N_("Stroke"), "EngineStroke"));
    t.push_back(F(A::Engine, v, page, "", s, "pistons", N_("Pistons"), "EnginePistons"));
    t.push_back(F(A::Engine, v, page, "", s, "head", N_("Head"), "EngineHead"));
    t.push_back(F(A::Engine, v, page, "", s, "exhaust", N_("Exhaust"), N_("Exhaust")));
    t.push_back(F(A::Engine, v, page, "", s, "clutch", N_("Clutch"), N_("Clutch")));
    t.push_back(F(A::Engine, v, page, "", s, "ignition", N_("Ignition timing"), "Ignition"));
    t.push_back(F(A::Engine, v, page, "", s, "sparkplug", N_("Spark plug"), "SparkPlug"));
    t.push_back(F(A::Engine, v, page, "", s, "gasoline", "Gasoline", "Gasoline"));
    t.push_back(F(A::Engine, v, page, "", s, "gearbox_oil", N_("Gearbox oil"), "GearboxOil"));
    t.push_back(F(A::Engine, v, page, "", s, "premix_oil", N_("Premix oil"), "PremixOil"));
    t.push_back(F(A::Engine, v, page, "", s, "premix_ratio", "Premix ratio", "PremixRatio"));
    t.push_back(F(A::Engine, v, page, "", s, "other", "Other"));
}

void AddGearing(std::vector<SetupField>& t) {
    const char* page = N_("Gearing");
    const char* s = "gearing";
    const unsigned v = V::All;
    t.push_back(F(A::Gearing, v, page, "Final drive", s, "uses_shaftdrive", "Shaft drive").Check());
    t.push_back(F(A::Gearing, v, page, "Final drive", s, "countershaft", "Countershaft", "CounterShaft"));
    t.push_back(F(A::Gearing, v, page, "Final drive", s, "rear_sprocket", "Rear sprocket", "RearSprocket"));
    t.push_back(F(A::Gearing, v, page, "Final drive", s, "chain", "Chain", "ChainKey"));
    t.push_back(
        F(A::Gearing, v, page, "Final drive", s, "shaftdrive_input", "Shaft drive").Qualifier("Input"));
    t.push_back(
        F(A::Gearing, v, page, "Final drive", s, "shaftdrive_output", "Shaft drive").Qualifier("Output"));
    t.push_back(F(A::Gearing, v, page, "Primary drive", s, "primary_drive_input", "Primary drive")
                    .Qualifier("Input"));
    t.push_back(F(A::Gearing, v, page, "Primary drive", s, "primary_drive_output", "Primary drive")
                    .Qualifier("Output"));
    t.push_back(F(A::Gearing, v, page, "", s, "tire_circumference", "Drive tire circumference [mm]",
                  "DriveTireCircumference")
                    .Convert(DistanceConversion::Millimetres, "Drive tire circumference [in]"));
    t.push_back(F(A::Gearing, v, page, "", s, "speed_unit", "Speed unit")
                    .Choice({N_("km/h"), N_("mph")}, N_("km/h")));
    t.push_back(F(A::Gearing, v, page, "", s, "rpm", "Rpm").Choice(RpmChoices(), "7000"));
    t.push_back(F(A::Gearing, v, page, "", s, "rpm_powerband_low", "Low limit of powerband")
                    .Choice(RpmChoices(), "6000"));
    t.push_back(F(A::Gearing, v, page, "Gear box", s, "use_gearing_symbols", "Use gear symbols")
                    .Check(StoredForm::IntegerFlag));
    for (int gear = 0; gear < 6; ++gear) {
        const QByteArray ordinal = kOrdinals[gear];
        const QByteArray caption = QByteArray::number(gear + 1);
        t.push_back(F(A::Gearing, v, page, "Gear box", s, ("symbol_" + ordinal + "_gear").constData(),
                      caption.constData())
                        .Qualifier("Symbol")
                        .Choice());
        t.push_back(F(A::Gearing, v, page, "Gear box", s, ("input_" + ordinal + "_gear").constData(),
                      caption.constData())
                        .Qualifier("Input"));
        t.push_back(F(A::Gearing, v, page, "Gear box", s, ("output_" + ordinal + "_gear").constData(),
                      caption.constData())
                        .Qualifier("Output"));
    }
}

void AddJetting(std::vector<SetupField>& t) {
    const char* page = N_("Jetting");
    const char* s = "jetting";
    const unsigned v = V::All;
    t.push_back(F(A::Jetting, v, page, "", s, "cam_timing_intake", N_("Cam timing intake")));
    t.push_back(F(A::Jetting, v, page, "", s, "cam_timing_exhaust", N_("Cam timing exhaust")));
    t.push_back(F(A::Jetting, v, page, "", s, "valve_adj_intake", N_("Valve adj. intake")));
    t.push_back(F(A::Jetting, v, page, "", s, "valve_adj_exhaust", N_("Valve adj. exhaust")));
    t.push_back(F(A::Jetting, v, page, "", s, "num_of_cylinders", N_("Number of cylinders"))
                    .Choice({"1", "2", "3", "4", "5"}, "1"));
}

void AddWeightDistribution(std::vector<SetupField>& t) {
    const char* page = N_("Weight distribution");
    const char* s = "weight_distribution";
    const unsigned v = V::FourWheel;
    const char* actual = "Actual corner weights";
    const char* desired = "Desired weight distribution";
    t.push_back(F(A::WeightDistribution, v, page, actual, s, "weight_car_fl", "FL"));
    t.push_back(F(A::WeightDistribution, v, page, actual, s, "weight_car_fr", "FR"));
    t.push_back(F(A::WeightDistribution, v, page, actual, s, "weight_car_rl", "RL"));
    t.push_back(F(A::WeightDistribution, v, page, actual, s, "weight_car_rr", "RR"));
    t.push_back(F(A::WeightDistribution, v, page, desired, s, "weight_car_fl_percent", "FL"));
    t.push_back(F(A::WeightDistribution, v, page, desired, s, "weight_car_fr_percent", "FR"));
    t.push_back(F(A::WeightDistribution, v, page, desired, s, "weight_car_rl_percent", "RL"));
    t.push_back(F(A::WeightDistribution, v, page, desired, s, "weight_car_rr_percent", "RR"));
    t.push_back(F(A::WeightDistribution, v, page, desired, s, "weight_car_total", "Total weight"));
    t.push_back(
        F(A::WeightDistribution, v, page, "", s, "weight_car_ballast", "Ballast (weight and position)"));
}

void AddGeneral(std::vector<SetupField>& t) {
    const char* page = "General";
    const char* s = "general";
    t.push_back(F(A::General, V::All, page, "", s, "frame", N_("Frame"), "VehicleFrame"));
    t.push_back(F(A::General, V::All, page, "", s, "front_brakes", N_("Front brakes"), "FrontBrakes"));
    t.push_back(F(A::General, V::All, page, "", s, "rear_brakes", N_("Rear brakes"), "RearBrakes"));
    t.push_back(F(A::General, V::Sidecar, page, "", s, "side_brakes", N_("Side brakes"), "SideBrakes"));
    t.push_back(F(A::General, V::All, page, "", s, "weight_dry", N_("Weight dry"), "WeightDry"));
    t.push_back(F(A::General, V::All, page, "", s, "weight_wet", N_("Weight wet"), "WeightWet"));
    t.push_back(F(A::General, V::All, page, "", s, "wheel_base", N_("Wheel base"), "WheelBase"));
    t.push_back(
        F(A::General, V::Car, page, "", s, "f_wheel_track", N_("Front wheel track"), "FrontWheelTrack"));
    t.push_back(
        F(A::General, V::Car, page, "", s, "r_wheel_track", N_("Rear wheel track"), "RearWheelTrack"));
    t.push_back(
        F(A::General, V::FourWheel, page, "", s, "chair_position", N_("Seat position"), "CarChairPosition"));
    t.push_back(
        F(A::General, V::FourWheel, page, "", s, "pedal_position", N_("Pedal position"), "PedalPosition"));
    t.push_back(F(A::General, V::All, page, "Notes", s, "notes", "Notes").Notes());
}

std::vector<SetupField> BuildFields() {
    std::vector<SetupField> t;
    AddBikeSuspension(t);
    AddKartSuspension(t);
    AddCarSuspension(t);
    AddAerodynamics(t);
    AddEngine(t);
    AddGearing(t);
    AddJetting(t);
    AddWeightDistribution(t);
    AddGeneral(t);
    return t;
}

} // namespace

const std::vector<SetupField>& SetupFields() {
    static const std::vector<SetupField> fields = BuildFields();
    return fields;
}

int FieldIndex(const QString& section, const QString& key) {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> map;
        const auto& fields = SetupFields();
        for (int i = 0; i < int(fields.size()); ++i)
            map.insert(fields[size_t(i)].Id(), i);
        return map;
    }();
    return index.value(section + QLatin1Char('/') + key, -1);
}

const SetupAreaInfo& SetupAreaInfoOf(SetupArea area) {
    static const std::array<SetupAreaInfo, 8> infos = {{
        {A::Tires, "Tires", "tires", "selected_tire_setup", "zTireSetup ", V::All},
        {A::Suspension, N_("Suspension"), "suspension", "selected_suspension_setup", "zSuspensionSetup ",
         V::All},
        {A::Aerodynamics, N_("Aerodynamics"), "aerodynamics", "selected_aerodynamics_setup",
         "zAerodynamicsSetup ", V::FourWheel},
        {A::Engine, N_("Engine"), "engine", "selected_engine_setup", "zEngineSetup ", V::All},
        {A::Gearing, N_("Gearing"), "gearing", "selected_gearing_setup", "zGearingSetup ", V::All},
        {A::Jetting, N_("Jetting"), "jetting", "selected_jetting_setup", "zJettingSetup ", V::All},
        {A::WeightDistribution, N_("Weight distribution"), "weight_distribution",
         "selected_weight_distr_setup", "zWeightDistrSetup ", V::FourWheel},
        {A::General, "General", "general", "selected_general_setup", "zGeneralSetup ", V::All},
    }};
    return infos[size_t(area)];
}

int SetupGridColumnWidth(GridId grid, int shownColumns) {
    if (grid != GridId::Jetting) return 0;
    return shownColumns <= 3 ? 150 : shownColumns == 4 ? 110 : 95;
}

const QStringList& SetupSubPages() {
    static const QStringList subPages = {QStringLiteral("Current setup"),
                                         QStringLiteral(N_("Basic settings")),
                                         QStringLiteral(N_("Detailed settings")),
                                         QStringLiteral(N_("Weight distribution")),
                                         QStringLiteral(N_("Aerodynamics")),
                                         QStringLiteral(N_("Engine")),
                                         QStringLiteral(N_("Jetting")),
                                         QStringLiteral(N_("Gearing")),
                                         QStringLiteral("General")};
    return subPages;
}

QString SetupSubPageOf(const QString& page, SetupArea area) {
    if (SetupSubPages().contains(page)) return page;
    switch (area) {
    case SetupArea::Tires:
        return QStringLiteral("Current setup");
    case SetupArea::Suspension:
        return QStringLiteral(N_("Basic settings"));
    default:
        return SetupAreaInfoOf(area).caption;
    }
}

std::optional<QString> CheckSetupCellText(const GridRow& row, const QString& text) {
    if (!row.decimalCheck || text.isEmpty()) return std::nullopt;
    bool onlyUnderscores = true;
    for (QChar c : text)
        onlyUnderscores = onlyUnderscores && c == QLatin1Char('_');
    if (onlyUnderscores || IsDecimalText(text)) return std::nullopt;
    return Translate("Bad format, it must be a floating point value!");
}
