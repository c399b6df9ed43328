#include "session_fields.h"
#include "storage/translate.h"

namespace {

namespace V = Vehicles;
using P = SessionPage;

// Caption of a tire temperature taken at place ("left", "middle", "right", "outer", "inner").
const char* TemperatureCaption(const char* place) {
    static constexpr std::pair<const char*, const char*> kCaptions[] = {{"left", N_("Temperature left")},
                                                                        {"middle", N_("Temperature middle")},
                                                                        {"right", N_("Temperature right")},
                                                                        {"outer", N_("Temperature outer")},
                                                                        {"inner", N_("Temperature inner")}};
    for (const auto& [key, caption] : kCaptions)
        if (std::string_view(key) == place) return caption;
    return place;
}

// Fluent builder so that each table line reads as one field.
struct F {
    SessionField f;
    F(const char* section, const char* key, P page, const char* group, const char* caption) {
        f.section = QString::fromLatin1(section);
        f.key = QString::fromLatin1(key);
        f.page = page;
        f.group = QString::fromLatin1(group);
        f.caption = QString::fromLatin1(caption);
    }
    F& History(const char* key) {
        f.control = SessionControl::HistoryBox;
        f.historyKey = QString::fromLatin1(key);
        return *this;
    }
    F& Choice(QStringList choices) {
        f.control = SessionControl::Choice;
        f.choices = std::move(choices);
        return *this;
    }
    F& Control(SessionControl control) {
        f.control = control;
        return *this;
    }
    F& Volume() {
        f.conversion = SessionConversion::Volume;
        return *this;
    }
    F& Millimetres(const char* milesCaption) {
        f.conversion = SessionConversion::Millimetres;
        f.milesCaption = QString::fromLatin1(milesCaption);
        return *this;
    }
    F& For(unsigned vehicles) {
        f.vehicles = vehicles;
        return *this;
    }
    F& WithNotes() {
        f.withNotes = true;
        return *this;
    }
    operator SessionField() const { return f; }
};

QStringList RankChoices() {
    QStringList list;
    for (int rank = 1; rank <= 10; ++rank)
        list << QString::number(rank);
    return list;
}

void AddConditions(std::vector<SessionField>& t) {
    const char* c = "conditions";
    const char* cond = N_("Conditions");
    const char* result = N_("Result");
    const char* weather = N_("Weather");
    t.push_back(F(c, "name_of_event", P::General, cond, "Name of event").History("EventName"));
    t.push_back(F(c, "track", P::General, cond, "Track").Control(SessionControl::TrackBox));
    t.push_back(F(c, "track_condition", P::General, cond, N_("Track condition"))
                    .Choice({QStringLiteral("Dry"), QStringLiteral("Wet"), QStringLiteral("Mixed")}));
    t.push_back(F(c, "track_temperature", P::General, cond, N_("Track temperature")));
    t.push_back(F(c, "session_type", P::General, cond, "Type of session").History("SessionType"));
    t.push_back(F(c, "class", P::General, cond, "Class").History("SessionClass"));
    t.push_back(F(c, "session_info", P::General, cond, "Information").History("SessionInfo"));
    t.push_back(F(c, "competitors", P::General, result, "Number of competitors").WithNotes());
    t.push_back(F(c, "competitors_best_lap", P::General, result, "Competitors best lap").WithNotes());
    t.push_back(F(c, "best_competitor_name", P::General, result, "Best competitor")
                    .History("BestCompetitorName")
                    .WithNotes());
    t.push_back(F(c, "position", P::General, result, "Drivers position").WithNotes());
    t.push_back(F(c, "rank_setup", P::General, result, N_("Rank setup")).Choice(RankChoices()).WithNotes());
    t.push_back(F(c, "weather", P::General, weather, N_("Weather")).History("ConditionWeather"));
    t.push_back(F(c, "temperature", P::General, weather, N_("Air temperature")));
    t.push_back(F(c, "barometric_pressure", P::General, weather, N_("Actual pressure")));
    t.push_back(F(c, "humidity", P::General, weather, N_("Rel. humidity")));
    t.push_back(F(c, "amount_fuel", P::General, cond, N_("Amount fuel")).Volume());
}

void AddNotesAndMeasurements(std::vector<SessionField>& t) {
    const char* s = "session_notes";
    const char* notes = "Notes";
    auto add = [&](F field) { t.push_back(field.WithNotes()); };
    add(F(s, "notes", P::General, notes, N_("Driver notes")).Control(SessionControl::Notes));
    add(F(s, "notes_vehicle", P::General, notes, N_("Vehicle notes")).Control(SessionControl::Notes));
    add(F(s, "onboardvideo_filename", P::General, "Links", "Onboard video").Control(SessionControl::Link));
    add(F(s, "datalogging_filename", P::General, "Links", N_("Datalogging link"))
            .Control(SessionControl::Link));
    add(F(s, "top_speed", P::Vehicle, "Speed", N_("Top speed")));
    // Hot tire pressures: four wheels for kart and car, front and rear (and side) for bikes.
    for (const char* wheel : {"fl", "fr", "rl", "rr"}) {
        const QByteArray key = QByteArray(wheel) + "_pressure_hot";
        add(F(s, key.constData(), P::Tires, QByteArray(wheel).toUpper().constData(), "Pressure hot")
                .For(V::FourWheel));
    }
    add(F(s, "front_pressure_hot", P::Tires, "Front", "Pressure hot").For(V::Bike));
    add(F(s, "rear_pressure_hot", P::Tires, "Rear", "Pressure hot").For(V::Bike));
    add(F(s, "side_pressure_hot", P::Tires, N_("Side"), "Pressure hot").For(V::Sidecar));
    const char* engine = N_("Engine");
    add(F(s, "radiator_tape", P::Vehicle, engine, N_("Tape on radiator")));
    add(F(s, "coolant_temp", P::Vehicle, engine, N_("Coolant temperature")));
    add(F(s, "oil_temp", P::Vehicle, engine, N_("Oil temperature")));
    add(F(s, "exhaust_temp", P::Vehicle, engine, N_("Exhaust temperature")));
    add(F(s, "cylinder_head_temp", P::Vehicle, engine, N_("Cylinder head temperature")));
    const std::pair<const char*, unsigned> bikeWheels[] = {
        {"Front", V::Bike}, {"Rear", V::Bike}, {N_("Side"), V::Sidecar}};
    for (const auto& [wheel, vehicles] : bikeWheels)
        for (const char* place : {"left", "middle", "right"}) {
            const QByteArray key = QByteArray(wheel).toLower() + "_temp_" + place;
            add(F(s, key.constData(), P::Tires, wheel, TemperatureCaption(place)).For(vehicles));
        }
    for (const char* wheel : {"fl", "fr", "rl", "rr"})
        for (const char* place : {"outer", "middle", "inner"}) {
            const QByteArray key = QByteArray(wheel) + "_temp_" + place;
            add(F(s, key.constData(), P::Tires, QByteArray(wheel).toUpper().constData(),
                  TemperatureCaption(place))
                    .For(V::FourWheel));
        }
    for (const char* wheel : {"fl", "fr", "rl", "rr"}) {
        const QByteArray key = QByteArray(wheel) + "_circumference";
        add(F(s, key.constData(), P::Tires, QByteArray(wheel).toUpper().constData(), N_("Circumference [mm]"))
                .Millimetres(N_("Circumference [in.]"))
                .For(V::FourWheel));
    }
    add(F(s, "weight_after_session", P::Vehicle, "Weight", N_("Weight after session")));
    const char* stroke = N_("Remaining suspension stroke [mm]");
    add(F(s, "remaining_stroke_front", P::Vehicle, stroke, N_("Front [mm]"))
            .Millimetres(N_("Front [in.]"))
            .For(V::Bike));
    add(F(s, "remaining_stroke_rear", P::Vehicle, stroke, N_("Rear [mm]"))
            .Millimetres(N_("Rear [in.]"))
            .For(V::Bike));
    add(F(s, "fuel_after_session", P::Vehicle, N_("Fuel"), N_("Fuel after session")).Volume());
    const char* pit = N_("Pit stop planning");
    add(F(s, "pitstop_fuel_tank_capacity", P::PitStops, pit, N_("Fuel tank capacity"))
            .History("FuelTankCapacity")
            .Volume());
    add(F(s, "pitstop_fuel_least_amount", P::PitStops, pit, N_("Least amount in tank")).Volume());
    add(F(s, "pitstop_wet_percent", P::PitStops, pit, N_("Percentage wet track")));
    add(F(s, "pitstop_time_to_run", P::PitStops, pit, N_("Time to run [hours]")));
    add(F(s, "pitstop_approx_lap_time", P::PitStops, pit, N_("Approx. laptime [sec]")));
    add(F(s, "pitstop_laps_to_run", P::PitStops, pit, N_("Number of laps to run")));
}

} // namespace

const std::vector<SessionField>& SessionFields() {
    static const std::vector<SessionField> table = [] {
        std::vector<SessionField> t;
        AddConditions(t);
        AddNotesAndMeasurements(t);
        return t;
    }();
    return table;
}

int SessionFieldIndex(const QString& section, const QString& key) {
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].section == section && fields[i].key == key) return int(i);
    return -1;
}

std::vector<int> SessionPageFields(SessionPage page, VehicleType vehicle) {
    std::vector<int> indices;
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].page == page && AppliesTo(fields[i].vehicles, vehicle)) indices.push_back(int(i));
    return indices;
}

const QStringList& PitStopColumns() {
    static const QStringList columns = {QStringLiteral("Lap"), QStringLiteral("Fuel fill amount"),
                                        QStringLiteral("Tires"), QStringLiteral("Other")};
    return columns;
}
