#include "settings_file.h"

#include "storage/number_format.h"

#include <QDir>
#include <QFileInfo>
#include <climits>
#include <functional>
#include <variant>
#include <vector>

namespace {

enum class Kind {
    Text,         // taken as is; a missing or empty value keeps the default
    DecimalText,  // text, taken only when it is a decimal number
    Flag,         // "true" / "false"; only "true" exactly is on
    FlagIfTrue,   // written only when on; only "true" exactly is on
    AnyTextFlag,  // written only when on; any non-empty value is on
    Integer,      // taken only when an integer within [minimum, maximum]
    Decimal,      // number, taken only when the tolerant parser accepts it
    ListEquals,   // list block, read when the value equals the begin marker
    ListContains, // list block, read when the value contains the begin marker
    LastSession,  // session path, stored relative to the sessions folder when it lies directly there
    Constant,     // fixed text written; reading it is the caller's business
};

using FieldRef = std::variant<QString*, bool*, int*, double*, QStringList*>;

struct Field {
    QString section;
    QString key;
    Kind kind;
    std::function<FieldRef(ProgramSettings&)> ref; // empty for Constant
    QString begin;                                 // list begin marker, or the constant
    QString end;                                   // list end marker
    QString olderKey;                              // jetting only: key of the older key set, "" when none
    int minimum = INT_MIN;
    int maximum = INT_MAX;
};

#define REF(member) [](ProgramSettings& s) -> FieldRef { return &s.member; }

const QString kInformation = QStringLiteral("information");
const QString kGeneral = QStringLiteral("general");
const QString kJetting = QStringLiteral("jetting_guru");
const QString kTirePressure = QStringLiteral("tire_pressure_guru");
const QString kLabels = QStringLiteral("tire_print_labels");

std::vector<Field> BuildFields() {
    std::vector<Field> f;
    auto add = [&f](const QString& section, const char* key, Kind kind,
                    std::function<FieldRef(ProgramSettings&)> ref, const char* begin = "",
                    const char* end = "") {
        f.push_back(Field{section, QString::fromLatin1(key), kind, std::move(ref), QString::fromLatin1(begin),
                          QString::fromLatin1(end), QString()});
    };
    add(kInformation, "program_release", Kind::Text, REF(programRelease));
    add(kInformation, "vehicle", Kind::Text, REF(vehicle));
    add(kInformation, "name_of_user", Kind::Text, REF(nameOfUser));
    add(kInformation, "billing_adress", Kind::ListEquals, REF(billingAddress), "list_begin", "list_end");
    add(kInformation, "delivery_adress", Kind::ListEquals, REF(deliveryAddress), "list_begin", "list_end");

    add(kGeneral, "order_free_text", Kind::ListEquals, REF(orderFreeText), "list_begin", "list_end");
    add(kGeneral, "last_session", Kind::LastSession, REF(lastSession));
    add(kGeneral, "load_last_session_at_startup", Kind::Flag, REF(loadLastSessionAtStartup));
    add(kGeneral, "include_pitlaps", Kind::Flag, REF(includePitlaps));
    add(kGeneral, "smartsave_into_trackfolder", Kind::FlagIfTrue, REF(smartsaveIntoTrackfolder));
    add(kGeneral, "percent_for_mean", Kind::Integer, REF(percentForMean));
    add(kGeneral, "session_last_driver1", Kind::Text, REF(sessionLastDriver[0]));
    add(kGeneral, "session_last_driver2", Kind::Text, REF(sessionLastDriver[1]));
    add(kGeneral, "session_last_driver3", Kind::Text, REF(sessionLastDriver[2]));
    add(kGeneral, "session_last_driver4", Kind::Text, REF(sessionLastDriver[3]));
    add(kGeneral, "logotype", Kind::Text, REF(logotype));
    add(kGeneral, "car_weight_image_name", Kind::Text, REF(carWeightImageName));
    add(kGeneral, "temperature_unit", Kind::Text, REF(temperatureUnit));
    add(kGeneral, "pressure_unit", Kind::Text, REF(pressureUnit));
    add(kGeneral, "system_unit", Kind::Text, REF(systemUnit));
    add(kGeneral, "use_ad", Kind::FlagIfTrue, REF(useAd));
    add(kGeneral, "html_bg_color", Kind::Integer, REF(htmlBgColor));
    add(kGeneral, "html_table_header_color", Kind::Integer, REF(htmlTableHeaderColor));
    add(kGeneral, "html_table_content_color", Kind::Integer, REF(htmlTableContentColor));
    add(kGeneral, "html_text_color", Kind::Integer, REF(htmlTextColor));
    add(kGeneral, "html_font_family", Kind::Text, REF(htmlFontFamily));
    add(kGeneral, "html_export_partsetup_names", Kind::FlagIfTrue, REF(htmlExportPartsetupNames));
    add(kGeneral, "html_export_page_break_before_sessions", Kind::FlagIfTrue,
        REF(htmlExportPageBreakBeforeSessions));
    add(kGeneral, "html_session_max_laps_to_show", Kind::Integer, REF(htmlSessionMaxLapsToShow));
    add(kGeneral, "session_last_track", Kind::Text, REF(sessionLastTrack));
    add(kGeneral, "import_last_type", Kind::Text, REF(importLastType));
    add(kGeneral, "import_data_path", Kind::Text, REF(importDataPath));
    add(kGeneral, "import_data_serial_port", Kind::Text, REF(importDataSerialPort));
    add(kGeneral, "drivers", Kind::ListContains, REF(drivers), "drivers_begin", "drivers_end");
    add(kGeneral, "recent_sessions_list", Kind::ListContains, REF(recentSessions),
        "recent_sessions_list_begin", "recent_sessions_list_end");
    add(kGeneral, "backup_filename", Kind::Text, REF(backupFilename));
    add(kGeneral, "backup_filenames_list", Kind::ListContains, REF(backupFilenames),
        "backup_filenames_list_begin", "backup_filenames_list_end");
    add(kGeneral, "backup_last_date", Kind::Decimal, REF(backupLastDate));
    add(kGeneral, "backup_next_date", Kind::Decimal, REF(backupNextDate));
    add(kGeneral, "backup_days_between_remainders", Kind::Text, REF(backupDaysBetweenReminders));
    add(kGeneral, "todo_open_at_startup", Kind::AnyTextFlag, REF(todoOpenAtStartup));
    add(kGeneral, "fuelcalc_extralaps", Kind::DecimalText, REF(fuelcalcExtralaps));
    add(kGeneral, "fuelcalc_amount_required", Kind::DecimalText, REF(fuelcalcAmountRequired));
    add(kGeneral, "fuelcalc_premix_percent", Kind::DecimalText, REF(fuelcalcPremixPercent));
    add(kGeneral, "fuelcalc_weight_empty_tank", Kind::DecimalText, REF(fuelcalcWeightEmptyTank));
    add(kGeneral, "fuelcalc_fuel_density", Kind::DecimalText, REF(fuelcalcFuelDensity));
    add(kGeneral, "sessionlist_last_node", Kind::Text, REF(sessionlistLastNode));
    add(kGeneral, "tirelist_last_node", Kind::Integer, REF(tirelistLastNode));
    add(kGeneral, "session_filter_year", Kind::Text, REF(sessionFilterYear));
    add(kGeneral, "session_filter_driver", Kind::Text, REF(sessionFilterDriver));
    add(kGeneral, "session_filter_frame", Kind::Text, REF(sessionFilterFrame));
    add(kGeneral, "session_filter_engine", Kind::Text, REF(sessionFilterEngine));
    add(kGeneral, "initial_dir_data_logging", Kind::Text, REF(initialDirDataLogging));
    add(kGeneral, "initial_dir_onboard_video", Kind::Text, REF(initialDirOnboardVideo));

    // The jetting calculator: "version" tells the current key set from the older one.
    add(kJetting, "version", Kind::Constant, {}, "1.0");
    add(kJetting, "method", Kind::Integer, REF(jettingMethod));
    f.back().minimum = 0; // the method box has two entries
    f.back().maximum = 1;
    add(kJetting, "ref_rad1", Kind::Text, REF(jettingRefRad1));
    f.back().olderKey = QStringLiteral("ref_rad");
    add(kJetting, "ref_rad2", Kind::Text, REF(jettingRefRad2));
    f.back().olderKey = QStringLiteral("ref_rad2");
    add(kJetting, "jet_type_index", Kind::Integer, REF(jettingJetTypeIndex));
    f.back().olderKey = QStringLiteral("jet_type_index");
    f.back().minimum = 0;
    f.back().maximum = 1;
    for (int row = 0; row < kJettingGridRows; ++row) {
        const QString n = QString::number(row + 1);
        const bool inOlderSet = row < 6;
        const QString names[3] = {QStringLiteral("name_jet") + n, QStringLiteral("ref_jet") + n,
                                  QStringLiteral("ref_jet") + n + QStringLiteral("-2")};
        const QString older[3] = {names[0], names[1], QStringLiteral("ref_jet") + n + QStringLiteral("2")};
        for (int column = 0; column < 3; ++column) {
            f.push_back(
                Field{kJetting,
                      names[column],
                      Kind::Text,
                      [row, column](ProgramSettings& s) -> FieldRef { return &s.jettingGrid[row][column]; },
                      {},
                      {},
                      inOlderSet ? older[column] : QString()});
        }
    }

    add(kTirePressure, "ref_cold_temp", Kind::Text, REF(tirePressureRefColdTemp));
    add(kTirePressure, "ref_cold_pressure", Kind::Text, REF(tirePressureRefColdPressure));
    add(kTirePressure, "ref_hot_temp", Kind::Text, REF(tirePressureRefHotTemp));
    add(kTirePressure, "ref_hot_pressure", Kind::Text, REF(tirePressureRefHotPressure));

    add(kLabels, "tire_print_label_width_mm", Kind::Decimal, REF(labelWidthMm));
    add(kLabels, "tire_print_label_height_mm", Kind::Decimal, REF(labelHeightMm));
    add(kLabels, "tire_print_label_columns", Kind::Integer, REF(labelColumns));
    add(kLabels, "tire_print_label_indent_left", Kind::Decimal, REF(labelIndentLeft));
    add(kLabels, "tire_print_label_indent_top", Kind::Decimal, REF(labelIndentTop));
    add(kLabels, "tire_print_label_font_size", Kind::Integer, REF(labelFontSize));
    add(kLabels, "tire_print_label_font_name", Kind::Text, REF(labelFontName));
    return f;
}

#undef REF

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = BuildFields();
    return fields;
}

// Decimals are written with "." whatever the user's separator; the reader accepts both.
QString DecimalValueText(double value) {
    return QString::number(value, 'g', 15);
}

void ReadField(TTxtParser& parser, const Field& field, const QString& key, ProgramSettings& settings) {
    const QString value = parser.ReadValue(field.section, key);
    const FieldRef ref = field.ref(settings);
    switch (field.kind) {
    case Kind::Text:
    case Kind::LastSession:
        if (!value.isEmpty()) *std::get<QString*>(ref) = value;
        break;
    case Kind::DecimalText:
        if (IsDecimalText(value)) *std::get<QString*>(ref) = value;
        break;
    case Kind::Flag:
    case Kind::FlagIfTrue:
        *std::get<bool*>(ref) = value == u"true";
        break;
    case Kind::AnyTextFlag:
        *std::get<bool*>(ref) = !value.isEmpty();
        break;
    case Kind::Integer:
        if (const auto number = ParseInteger(value);
            number && *number >= field.minimum && *number <= field.maximum)
            *std::get<int*>(ref) = *number;
        break;
    case Kind::Decimal:
        if (const auto number = ParseDecimal(value)) *std::get<double*>(ref) = *number;
        break;
    case Kind::ListEquals:
    case Kind::ListContains: {
        QStringList& list = *std::get<QStringList*>(ref);
        list.clear();
        const bool isBlock =
            field.kind == Kind::ListEquals ? value == field.begin : value.contains(field.begin);
        if (isBlock) parser.ReadLines(list, field.end);
        break;
    }
    case Kind::Constant:
        break;
    }
}

QString ShowValue(const Field& field, ProgramSettings& settings) {
    if (field.kind == Kind::Constant) return field.begin;
    const FieldRef ref = field.ref(settings);
    switch (field.kind) {
    case Kind::Flag:
    case Kind::FlagIfTrue:
    case Kind::AnyTextFlag:
        return *std::get<bool*>(ref) ? QStringLiteral("true") : QStringLiteral("false");
    case Kind::Integer:
        return QString::number(*std::get<int*>(ref));
    case Kind::Decimal:
        return DecimalValueText(*std::get<double*>(ref));
    case Kind::ListEquals:
    case Kind::ListContains:
        return std::get<QStringList*>(ref)->join(u'|');
    default:
        return *std::get<QString*>(ref);
    }
}

} // namespace

ProgramSettings DefaultSettings(double today) {
    ProgramSettings settings;
    settings.backupNextDate = today;
    return settings;
}

ProgramSettings ReadSettings(TTxtParser& parser, double today) {
    ProgramSettings settings = DefaultSettings(today);
    const bool currentJettingKeys = !parser.ReadValue(kJetting, QStringLiteral("version")).isEmpty();
    for (const Field& field : Fields()) {
        if (field.kind == Kind::Constant) continue;
        if (field.section == kJetting && !currentJettingKeys) {
            if (!field.olderKey.isEmpty()) ReadField(parser, field, field.olderKey, settings);
            continue;
        }
        ReadField(parser, field, field.key, settings);
    }
    if (!settings.loadLastSessionAtStartup) settings.lastSession.clear();
    return settings;
}

ProgramSettings LoadSettingsFile(const QString& path, double today, const TTxtParser::MessageSink& onMessage,
                                 bool* unreadable) {
    TTxtParser parser(onMessage);
    parser.OpenRead(path);
    if (unreadable) *unreadable = !parser.IsOpen() && QFileInfo::exists(path);
    ProgramSettings settings = ReadSettings(parser, today);
    parser.Close();
    return settings;
}

void WriteSettings(TTxtParser& parser, const ProgramSettings& settings, const QString& dataFolder) {
    // The table hands out pointers into a record it may change; writing only reads through them.
    ProgramSettings& record = const_cast<ProgramSettings&>(settings);
    QString section;
    for (const Field& field : Fields()) {
        if (field.section != section) {
            section = field.section;
            parser.WriteSection(section);
        }
        auto writeText = [&](const QString& text) {
            if (!text.isEmpty()) parser.WriteValue(field.key, text);
        };
        switch (field.kind) {
        case Kind::Constant:
            writeText(field.begin);
            break;
        case Kind::LastSession:
            writeText(LastSessionForm(*std::get<QString*>(field.ref(record)), dataFolder));
            break;
        case Kind::FlagIfTrue:
        case Kind::AnyTextFlag:
            if (*std::get<bool*>(field.ref(record))) parser.WriteValue(field.key, QStringLiteral("true"));
            break;
        case Kind::ListEquals:
        case Kind::ListContains:
            // Held back by the writer until the section's single keys are written.
            parser.WriteListBlock(field.key, field.begin, field.end,
                                  *std::get<QStringList*>(field.ref(record)));
            break;
        default:
            writeText(ShowValue(field, record));
            break;
        }
    }
}

Expected<void, QString> SaveSettingsFile(const QString& path, const ProgramSettings& settings,
                                         const QString& dataFolder) {
    TTxtParser parser;
    parser.OpenWrite(path);
    WriteSettings(parser, settings, dataFolder);
    return parser.Close();
}

QStringList SettingsShowLines(const ProgramSettings& settings) {
    ProgramSettings copy = settings;
    QStringList lines;
    for (const Field& field : Fields())
        lines << field.section + u'/' + field.key + u'=' + ShowValue(field, copy);
    return lines;
}

QString LastSessionForm(const QString& sessionPath, const QString& dataFolder) {
    if (sessionPath.isEmpty()) return QString();
    QString path = sessionPath;
    path.replace(u'\\', u'/');
    const QFileInfo session(QDir(dataFolder).absoluteFilePath(path));
    const QFileInfo inSessionsFolder(
        QDir(dataFolder).absoluteFilePath(QStringLiteral("Sessions/") + session.fileName()));
    // Only the very file in the sessions folder takes the short form: a file of the same name elsewhere
    // (a track subfolder) must keep its full path or the wrong session would be reopened.
    if (inSessionsFolder.exists() && session.exists() &&
        inSessionsFolder.canonicalFilePath() == session.canonicalFilePath())
        return QStringLiteral(".\\Sessions\\") + session.fileName();
    return session.absoluteFilePath();
}
