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
    const char* basic = "Basic settings";
    const char* detailed = "Detailed settings";
    const auto mm = DistanceConversion::Millimetres;
    // Sidecar wheel.
    t.push_back(F(A::Suspension, V::Sidecar, basic, "Side", "suspension", "side_toein", "Toe-in", "SideToeIn")
                    .Older("suspension", "side_toein"));
    t.push_back(
        F(A::Suspension, V::Sidecar, basic, "Side", "suspension", "side_toeout", "Toe-out", "SideToeOut")
            .Older("suspension", "side_toeout"));
    // Fork.
    const char* fr = "suspension_front";
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_id", "Fork ID", "MCFrontForkID"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Front", fr, "compression", "Compression", "MCFrontCompression")
            .Qualifier("Low speed")
            .Older("suspension", "compression_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "compression_fast", "Compression",
                  "MCFrontCompressionFast")
                    .Qualifier("High speed"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "rebound", "Rebound", "MCFrontRebound")
                    .Qualifier("Low speed")
                    .Older("suspension", "rebound_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "rebound_fast", "Rebound", "MCFrontReboundFast")
                    .Qualifier("High speed"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "preload", "Preload", "MCFrontPreload")
                    .Older("suspension", "preload_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "springs", "Springs", "MCFrontSprings")
                    .Older("suspension", "springs_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "sag_no_rider", "Sag without rider [mm]")
                    .Convert(mm, "Sag without rider [in.]")
                    .Older("suspension", "sag_no_rider_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "sag_with_rider", "Sag with rider [mm]")
                    .Convert(mm, "Sag with rider [in.]")
                    .Older("suspension", "sag_with_rider_front"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "steering_damper", "Steering damper",
                  "MCSteeringDamper")
                    .Older("suspension", "steering_damper"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_oil", "Fork oil", "ForkOil")
                    .Older("suspension", "fork_oil"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_oil_level", "Fork oil level")
                    .Older("suspension", "fork_oil_level"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_rake", "Fork rake", "ForkRake")
                    .Older("suspension", "fork_rake"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_trail", "Fork trail", "ForkTrail")
                    .Older("suspension", "fork_trail"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Front", fr, "fork_height", "Tube height", "ForkTubeHeight")
                    .Older("suspension", "fork_height"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "compression_adj_valve",
                  "Compression adj. valve", "McForkCompressionAdjValue"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "topout_spring", "Top-out spring",
                  "McForkTopOutSpring"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Front", fr, "bottoming_device", "Bottoming device",
                  "McForkBottomingDevice"));
    // Rear shock.
    const char* re = "suspension_rear";
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "shock_id", "Shock ID", "MCRearShockID"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "compression", "Compression", "MCRearCompression")
            .Qualifier("Low speed")
            .Older("suspension", "compression_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "compression_fast", "Compression",
                  "MCRearCompressionFast")
                    .Qualifier("High speed"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "rebound", "Rebound", "MCRearRebound")
                    .Qualifier("Low speed")
                    .Older("suspension", "rebound_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "rebound_fast", "Rebound", "MCRearReboundFast")
                    .Qualifier("High speed"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "preload", "Preload", "MCRearPreload")
                    .Older("suspension", "preload_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "springs", "Springs", "MCRearSprings")
                    .Older("suspension", "springs_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "sag_no_rider", "Sag without rider [mm]")
                    .Convert(mm, "Sag without rider [in.]")
                    .Older("suspension", "sag_no_rider_rear"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "sag_with_rider", "Sag with rider [mm]")
                    .Convert(mm, "Sag with rider [in.]")
                    .Older("suspension", "sag_with_rider_rear"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "rideheight", "Rear ride height", "MCRearRideHeight")
            .Older("suspension", "rear_rideheight"));
    // The older set stored these two under each other's key.
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "swingarm_pivot_pos", "Swingarm pivot pos.",
                  "SwingarmPivotPos")
                    .Older("suspension", "axle_to_swingarm_distance"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "axle_to_swingarm_distance",
                  "Axle to swing distance", "AxleToSwingDistance")
                    .Older("suspension", "swingarm_pivot_pos"));
    t.push_back(
        F(A::Suspension, V::Bike, basic, "Rear", re, "rear_link", "Suspension link", "RearSuspensionLink"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "shock_oil", "Shock oil", "RearMCShockOil"));
    t.push_back(F(A::Suspension, V::Bike, basic, "Rear", re, "shock_free_length", "Rear shock free length"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "compression_adj_valve",
                  "Compression adj. valve", "McRearShockCompressionAdjValue"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "topout_spring", "Top-out spring",
                  "McRearShockTopOutSpring"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "bottoming_device", "Bottoming device",
                  "McRearShockBottomingDevice"));
    t.push_back(F(A::Suspension, V::Bike, detailed, "Rear", re, "nitrogen_pressure",
                  "Shock nitrogen pressure", "RearMCShockNitrogenPressure"));
    t.push_back(
        F(A::Suspension, V::Bike, detailed, "Rear", re, "ifp_position", "IFP Position", "McRearIFPPosition"));
    // Shim stacks, fork and shock.
    for (const auto& [section, group] : {std::pair{fr, "Fork"}, std::pair{re, "Shock"}}) {
        for (const char* kind : {"compression", "rebound"}) {
            const QString g = QString::fromLatin1(group) + QLatin1Char(' ') +
                              (kind[0] == 'c' ? QStringLiteral("Compression") : QStringLiteral("Rebound"));
            const QByteArray gb = g.toLatin1();
            for (const auto& [suffix, caption] :
                 {std::pair{"_shim_stack_1", "Stack 1"}, std::pair{"_shim_stack_2", "Stack 2"},
                  std::pair{"_shim_stack_comments", "Comments"}}) {
                const QByteArray key = QByteArray(kind) + suffix;
                t.push_back(
                    F(A::Suspension, V::Bike, detailed, gb.constData(), section, key.constData(), caption)
                        .Memo());
            }
        }
    }
}

void AddKartSuspension(std::vector<SetupField>& t) {
    const char* page = "Suspension";
    const char* fr = "suspension_front";
    const char* re = "suspension_rear";
    const char* old = "suspension";
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_caster", "Caster", "KartFrontCaster")
                    .Older(old, "kart_f_caster"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Front", fr, "kart_torsionbar", "Torsion bar", "KartFrontTorsionBar")
            .Older(old, "kart_f_torsionbar"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Front", fr, "kart_toein", "Toe-in").Older(old, "kart_f_toein"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Front", fr, "kart_toeout", "Toe-out").Older(old, "kart_f_toeout"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_rideheight", "Ride height")
                    .Older(old, "kart_f_rideheight"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_wheel_track", "Wheel track")
                    .Older(old, "kart_f_wheel_track"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_fl_camber", "Camber left")
                    .Older(old, "kart_fl_camber"));
    t.push_back(F(A::Suspension, V::Kart, page, "Front", fr, "kart_fr_camber", "Camber right")
                    .Older(old, "kart_fr_camber"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Rear", re, "kart_toein", "Toe-in").Older(old, "kart_r_toein"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Rear", re, "kart_toeout", "Toe-out").Older(old, "kart_r_toeout"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rideheight", "Ride height")
                    .Older(old, "kart_r_rideheight"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_wheel_track", "Wheel track")
                    .Older(old, "kart_r_wheel_track"));
    t.push_back(
        F(A::Suspension, V::Kart, page, "Rear", re, "kart_torsionbar", "Torsion bar", "KartRearTorsionBar")
            .Older(old, "kart_r_torsionbar"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_axle_diameter", "Axle diameter",
                  "KartRearAxleDiameter")
                    .Older(old, "kart_r_axle_diameter"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_axle_stiffness", "Axle stiffness",
                  "KartRearAxleStiffness")
                    .Older(old, "kart_r_axle_stiffness"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rl_camber", "Camber left")
                    .Older(old, "kart_rl_camber"));
    t.push_back(F(A::Suspension, V::Kart, page, "Rear", re, "kart_rr_camber", "Camber right")
                    .Older(old, "kart_rr_camber"));
}

void AddCarSuspension(std::vector<SetupField>& t) {
    const char* page = "Suspension";
    const char* old = "suspension";
    t.push_back(
        F(A::Suspension, V::Car, page, "", "suspension", "f_mono_enabled", "Front Monoshock").Check());
    t.push_back(
        F(A::Suspension, V::Car, page, "", "suspension", "car_susp_symmetric", "Symmetric editing").Check());
    t.push_back(F(A::Suspension, V::Car, page, "", "suspension", "f_brakebias", "Front brake bias"));
    t.push_back(F(A::Suspension, V::Car, page, "", "suspension", "car_susp_other", "Other"));
    t.push_back(F(A::Suspension, V::Car, page, "Front", "front_susp", "f_rollbar", "Roll bar")
                    .Fallback("rollbar")
                    .Older(old, "f_rollbar"));
    t.push_back(F(A::Suspension, V::Car, page, "Front", "front_susp", "f_rideheight", "Ride height")
                    .Fallback("rideheight")
                    .Older(old, "f_rideheight"));
    t.push_back(F(A::Suspension, V::Car, page, "Rear", "rear_susp", "r_rollbar", "Roll bar")
                    .Fallback("rollbar")
                    .Older(old, "r_rollbar"));
    t.push_back(F(A::Suspension, V::Car, page, "Rear", "rear_susp", "r_rideheight", "Ride height")
                    .Fallback("rideheight")
                    .Older(old, "r_rideheight"));
}

void AddAerodynamics(std::vector<SetupField>& t) {
    const char* page = "Aerodynamics";
    const char* s = "aerodynamics";
    const unsigned v = V::FourWheel;
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_wing_type", "Wing type", "AeroFrontWingtype"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_wing_setting", "Main wing setting",
                  "AeroFrontMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_flap_setting", "Front flap setting",
                  "AeroFrontFlapSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_splitter", "Splitter", "AeroFrontSplitter"));
    t.push_back(F(A::Aerodynamics, v, page, "Front", s, "front_other", "Other"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_wing_type", "Upper wing type",
                  "AeroRearUpperWingType"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_wing_setting", "Upper main wing setting",
                  "AeroRearUpperMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_upper_flap_setting", "Upper rear flap setting",
                  "AeroRearUpperFlapSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_wing_type", "Lower wing type",
                  "AeroRearLowerWingType"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_wing_setting", "Lower main wing setting",
                  "AeroRearLowerMainWingSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_lower_flap_setting", "Lower rear flap setting",
                  "AeroRearLowerFlapSetting"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_diffuser", "Diffuser", "AeroRearDiffuser"));
    t.push_back(F(A::Aerodynamics, v, page, "Rear", s, "rear_other", "Other"));
}

void AddEngine(std::vector<SetupField>& t) {
    const char* page = "Engine";
    const char* s = "engine";
    const unsigned v = V::All;
    t.push_back(F(A::Engine, v, page, "", s, "engine", "Engine Id", "EngineID"));
    t.push_back(F(A::Engine, v, page, "", s, "bore", "Bore", "EngineBore"));
    t.push_back(F(A::Engine, v, page, "", s, "stroke", "Stroke", "EngineStroke"));
    t.push_back(F(A::Engine, v, page, "", s, "pistons", "Pistons", "EnginePistons"));
    t.push_back(F(A::Engine, v, page, "", s, "head", "Head", "EngineHead"));
    t.push_back(F(A::Engine, v, page, "", s, "exhaust", "Exhaust", "Exhaust"));
    t.push_back(F(A::Engine, v, page, "", s, "clutch", "Clutch", "Clutch"));
    t.push_back(F(A::Engine, v, page, "", s, "ignition", "Ignition timing", "Ignition"));
    t.push_back(F(A::Engine, v, page, "", s, "sparkplug", "Spark plug", "SparkPlug"));
    t.push_back(F(A::Engine, v, page, "", s, "gasoline", "Gasoline", "Gasoline"));
    t.push_back(F(A::Engine, v, page, "", s, "gearbox_oil", "Gearbox oil", "GearboxOil"));
    t.push_back(F(A::Engine, v, page, "", s, "premix_oil", "Premix oil", "PremixOil"));
    t.push_back(F(A::Engine, v, page, "", s, "premix_ratio", "Premix ratio", "PremixRatio"));
    t.push_back(F(A::Engine, v, page, "", s, "other", "Other"));
}

void AddGearing(std::vector<SetupField>& t) {
    const char* page = "Gearing";
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
    t.push_back(F(A::Gearing, v, page, "", s, "speed_unit", "Speed unit").Choice({"km/h", "mph"}, "km/h"));
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
    const char* page = "Jetting";
    const char* s = "jetting";
    const unsigned v = V::All;
    t.push_back(F(A::Jetting, v, page, "", s, "cam_timing_intake", "Cam timing intake"));
    t.push_back(F(A::Jetting, v, page, "", s, "cam_timing_exhaust", "Cam timing exhaust"));
    t.push_back(F(A::Jetting, v, page, "", s, "valve_adj_intake", "Valve adj. intake"));
    t.push_back(F(A::Jetting, v, page, "", s, "valve_adj_exhaust", "Valve adj. exhaust"));
    t.push_back(F(A::Jetting, v, page, "", s, "num_of_cylinders", "Number of cylinders")
                    .Choice({"1", "2", "3", "4", "5"}, "1"));
}

void AddWeightDistribution(std::vector<SetupField>& t) {
    const char* page = "Weight distribution";
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
    t.push_back(F(A::General, V::All, page, "", s, "frame", "Frame", "VehicleFrame"));
    t.push_back(F(A::General, V::All, page, "", s, "front_brakes", "Front brakes", "FrontBrakes"));
    t.push_back(F(A::General, V::All, page, "", s, "rear_brakes", "Rear brakes", "RearBrakes"));
    t.push_back(F(A::General, V::Sidecar, page, "", s, "side_brakes", "Side brakes", "SideBrakes"));
    t.push_back(F(A::General, V::All, page, "", s, "weight_dry", "Weight dry", "WeightDry"));
    t.push_back(F(A::General, V::All, page, "", s, "weight_wet", "Weight wet", "WeightWet"));
    t.push_back(F(A::General, V::All, page, "", s, "wheel_base", "Wheel base", "WheelBase"));
    t.push_back(F(A::General, V::Car, page, "", s, "f_wheel_track", "Front wheel track", "FrontWheelTrack"));
    t.push_back(F(A::General, V::Car, page, "", s, "r_wheel_track", "Rear wheel track", "RearWheelTrack"));
    t.push_back(
        F(A::General, V::FourWheel, page, "", s, "chair_position", "Seat position", "CarChairPosition"));
    t.push_back(
        F(A::General, V::FourWheel, page, "", s, "pedal_position", "Pedal position", "PedalPosition"));
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
        {A::Suspension, "Suspension", "suspension", "selected_suspension_setup", "zSuspensionSetup ", V::All},
        {A::Aerodynamics, "Aerodynamics", "aerodynamics", "selected_aerodynamics_setup",
         "zAerodynamicsSetup ", V::FourWheel},
        {A::Engine, "Engine", "engine", "selected_engine_setup", "zEngineSetup ", V::All},
        {A::Gearing, "Gearing", "gearing", "selected_gearing_setup", "zGearingSetup ", V::All},
        {A::Jetting, "Jetting", "jetting", "selected_jetting_setup", "zJettingSetup ", V::All},
        {A::WeightDistribution, "Weight distribution", "weight_distribution", "selected_weight_distr_setup",
         "zWeightDistrSetup ", V::FourWheel},
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
                                         QStringLiteral("Basic settings"),
                                         QStringLiteral("Detailed settings"),
                                         QStringLiteral("Weight distribution"),
                                         QStringLiteral("Aerodynamics"),
                                         QStringLiteral("Engine"),
                                         QStringLiteral("Jetting"),
                                         QStringLiteral("Gearing"),
                                         QStringLiteral("General")};
    return subPages;
}

QString SetupSubPageOf(const QString& page, SetupArea area) {
    if (SetupSubPages().contains(page)) return page;
    switch (area) {
    case SetupArea::Tires:
        return QStringLiteral("Current setup");
    case SetupArea::Suspension:
        return QStringLiteral("Basic settings");
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
