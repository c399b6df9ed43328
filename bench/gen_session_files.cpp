#include "gen_session_files.h"

#include "storage/date_time.h"
#include "storage/file_names.h"
#include "storage/txt_parser.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <random>

bool WriteSessionFile(const QString& path, const SessionFixture& s) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    TTxtParser out;
    out.OpenWrite(path);
    out.WriteSection(QStringLiteral("information"));
    out.WriteValue(QStringLiteral("vehicle"), s.vehicle);

    out.WriteSection(QStringLiteral("conditions"));
    const QList<std::pair<const char*, QString>> conditions = {{"name_of_event", s.event},
                                                               {"track", s.track},
                                                               {"track_condition", s.condition},
                                                               {"track_temperature", "24"},
                                                               {"session_type", s.sessionType},
                                                               {"class", s.sessionClass},
                                                               {"session_info", s.info},
                                                               {"competitors", "18"},
                                                               {"position", s.position},
                                                               {"rank_setup", s.rank},
                                                               {"weather", "Sunny"},
                                                               {"temperature", s.temperature},
                                                               {"barometric_pressure", s.pressure},
                                                               {"humidity", s.humidity},
                                                               {"amount_fuel", "12"}};
    for (const auto& [key, value] : conditions)
        out.WriteValue(QLatin1String(key), value);

    out.WriteSection(QStringLiteral("session_notes"));
    if (!s.driverNotes.isEmpty()) {
        out.WriteValue(QStringLiteral("notes"), QStringLiteral("notes_begin"));
        out.WriteLines(s.driverNotes);
        out.WriteLines({QStringLiteral("notes_end")});
    }
    if (!s.vehicleNotes.isEmpty()) {
        out.WriteValue(QStringLiteral("notes_vehicle"), QStringLiteral("notes_begin"));
        out.WriteLines(s.vehicleNotes);
        out.WriteLines({QStringLiteral("notes_end")});
    }
    out.WriteValue(QStringLiteral("top_speed"), s.topSpeed);
    for (const char* key : {"front_pressure_hot", "rear_pressure_hot", "coolant_temp", "oil_temp",
                            "front_temp_left", "front_temp_middle", "front_temp_right", "rear_temp_left",
                            "rear_temp_middle", "rear_temp_right", "weight_after_session"})
        out.WriteValue(QLatin1String(key), QStringLiteral("2.1"));

    out.WriteSection(QStringLiteral("lap_times"));
    out.WriteValue(QStringLiteral("splits_per_lap"), QString::number(s.splits));
    out.WriteValue(QStringLiteral("driver1_name"), s.driver);
    if (s.startTime != 0)
        out.WriteValue(QStringLiteral("driver1_start_time"), QString::number(s.startTime, 'f', 10));
    out.WriteValue(QStringLiteral("driver1_split_times"), s.splitTimes);
    for (int slot = 2; slot <= 4; ++slot)
        out.WriteValue(QStringLiteral("driver%1_name").arg(slot), QStringLiteral("Driver %1").arg(slot));

    out.WriteSection(QStringLiteral("general"));
    out.WriteValue(QStringLiteral("frame"), s.frame);
    out.WriteSection(QStringLiteral("engine"));
    out.WriteValue(QStringLiteral("engine"), s.engine);
    out.WriteSection(QStringLiteral("gearing"));
    out.WriteValue(QStringLiteral("countershaft"), s.countershaft);
    out.WriteValue(QStringLiteral("rear_sprocket"), s.rearSprocket);
    if (s.shaftDrive) {
        out.WriteValue(QStringLiteral("uses_shaftdrive"), QStringLiteral("true"));
        out.WriteValue(QStringLiteral("shaftdrive_input"), s.shaftInput);
        out.WriteValue(QStringLiteral("shaftdrive_output"), s.shaftOutput);
    }
    // The rest of a setup: suspension, tires, jetting ... as plain numbered keys.
    static const char* const kAreas[] = {"suspension", "tires", "aerodynamics", "jetting", "weight"};
    for (int i = 0; i < s.setupKeys; ++i) {
        if (i % 60 == 0) out.WriteSection(QLatin1String(kAreas[(i / 60) % 5]) + QString::number(i / 300));
        out.WriteValue(QStringLiteral("setting_%1").arg(i),
                       QString::number(100 + (i * 37) % 900) + QStringLiteral(".5"));
    }
    return out.Close().has_value();
}

QStringList GenerateSessionFiles(const QString& folder, int count, unsigned seed) {
    static const char* const kTracks[] = {"North Loop",   "Harbour Ring", "Hill Circuit",   "Lake Raceway",
                                          "Old Airfield", "Valley Park",  "Coast Speedway", "Forest Ring"};
    static const char* const kDrivers[] = {"Anna", "Bert", "Carla", "Dan", "Eva", "Frank"};
    static const char* const kTypes[] = {"Practice", "Qualifying", "Race", "Warm up"};
    static const char* const kEngines[] = {"A1", "A2", "B1"};
    static const char* const kFrames[] = {"F-2005", "F-2007"};
    std::mt19937 random(seed);
    auto pick = [&](auto& list) { return QString::fromLatin1(list[random() % std::size(list)]); };
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        SessionFixture s;
        s.track = pick(kTracks);
        s.driver = pick(kDrivers);
        s.sessionType = pick(kTypes);
        s.engine = pick(kEngines);
        s.frame = pick(kFrames);
        s.event = QStringLiteral("Round %1").arg(1 + int(random() % 12));
        s.sessionClass = QStringLiteral("Open");
        s.temperature = QString::number(10 + int(random() % 20));
        s.pressure = QString::number(990 + int(random() % 40));
        s.humidity = QString::number(30 + int(random() % 60));
        s.position = QString::number(1 + int(random() % 20));
        s.rank = QString::number(1 + int(random() % 10));
        s.topSpeed = QString::number(180 + int(random() % 80));
        const QDate day = QDate(2003, 3, 1).addDays(int(random() % (365 * 6)));
        s.startTime = DayNumberFromDateTime(QDateTime(day, QTime(9 + int(random() % 9), int(random() % 60))));
        s.splits = int(random() % 3);
        // About one in twenty sessions has no lap times (incomplete).
        const int laps = random() % 20 == 0 ? 0 : 3 + int(random() % 25);
        QStringList times;
        for (int lap = 0; lap < laps * (s.splits + 1); ++lap)
            times << QString::number((58000 + int(random() % 8000)) / (s.splits + 1));
        s.splitTimes = times.join(u',');
        s.driverNotes = {QStringLiteral("Front end pushes in turn %1.").arg(1 + int(random() % 9)),
                         QStringLiteral("Rear grip fine after lap 5.")};
        if (random() % 2) s.vehicleNotes = {QStringLiteral("Chain adjusted.")};
        if (random() % 8 == 0) {
            s.shaftDrive = true;
            s.shaftInput = QString::number(10 + int(random() % 5));
            s.shaftOutput = QString::number(30 + int(random() % 9));
        }
        s.setupKeys = 500;
        const QString name = SafeFileName(s.track + u' ' + DateTimeText(s.startTime) + u' ' + s.sessionType +
                                          QStringLiteral(" %1.ses").arg(i));
        const QString path = random() % 2 ? QDir(folder).filePath(name)
                                          : QDir(QDir(folder).filePath(SafeFileName(s.track))).filePath(name);
        if (WriteSessionFile(path, s)) paths << path;
    }
    return paths;
}
