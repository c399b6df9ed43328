#include "session_summary.h"

#include "app/program_settings.h"
#include "app/unit_captions.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"
#include "storage/units.h"
#include "timing/lap_timer.h"
#include "tracks/track_list.h"

#include <cmath>

namespace {

const QString kConditions = QStringLiteral("conditions");
const QString kSessionNotes = QStringLiteral("session_notes");
const QString kLapTimes = QStringLiteral("lap_times");

// The density from the three condition texts, empty unless all are numbers and the result is not negative.
QString AirDensityCell(TTxtParser& parser, const SummaryOptions& options) {
    const auto humidity = ParseDecimal(parser.ReadValue(kConditions, QStringLiteral("humidity")));
    const auto pressure = ParseDecimal(parser.ReadValue(kConditions, QStringLiteral("barometric_pressure")));
    const auto temperature = ParseDecimal(parser.ReadValue(kConditions, QStringLiteral("temperature")));
    if (!humidity || !pressure || !temperature) return {};
    const double density =
        AirDensity(options.temperatureUnit, options.pressureUnit, *humidity, *pressure, *temperature);
    if (!std::isfinite(density) || density < 0) return {};
    if (options.useAd) return FormatPattern(density, QStringLiteral("0.0000"));
    return FormatPattern(density * 100 / 1.225, QStringLiteral("0.0"));
}

// The lines of a notes block after its key; false when the key holds no block.
bool NoteBlock(TTxtParser& parser, const QString& key, QStringList& lines) {
    if (!parser.ReadValue(kSessionNotes, key).contains(QStringLiteral("notes_begin"))) return false;
    parser.ReadLines(lines, QStringLiteral("notes_end"));
    return true;
}

// Appends the lines, one per "\r", while the cell has room; a cut cell ends with "...".
void AppendLines(QString& text, const QStringList& lines) {
    if (lines.isEmpty()) text += u'\r';
    for (const QString& line : lines) {
        if (text.size() + 1 + line.size() > kSummaryNotesLimit) {
            text += u'\r';
            text += QStringView(line).left(std::max<qsizetype>(0, kSummaryNotesLimit - text.size()));
            text += QStringLiteral("...");
            return;
        }
        text += u'\r';
        text += line;
    }
}

QString NotesCell(TTxtParser& parser) {
    QString text;
    QStringList driver, vehicle;
    if (NoteBlock(parser, QStringLiteral("notes"), driver)) {
        text = Translate("Driver Notes");
        AppendLines(text, driver);
    }
    if (NoteBlock(parser, QStringLiteral("notes_vehicle"), vehicle) && text.size() < kSummaryNotesLimit) {
        if (!text.isEmpty()) text += QStringLiteral("\r\r");
        text += Translate("Vehicle Notes");
        AppendLines(text, vehicle);
    }
    return text;
}

QString FinalGearCell(TTxtParser& parser) {
    const QString gearing = QStringLiteral("gearing");
    if (parser.ReadValue(gearing, QStringLiteral("uses_shaftdrive")) == u"true")
        return parser.ReadValue(gearing, QStringLiteral("shaftdrive_input")) + u'/' +
               parser.ReadValue(gearing, QStringLiteral("shaftdrive_output"));
    return parser.ReadValue(gearing, QStringLiteral("countershaft")) + u'/' +
           parser.ReadValue(gearing, QStringLiteral("rear_sprocket"));
}

} // namespace

QString SummaryOptions::Fingerprint() const {
    QStringList parts{vehicleCode.toLower(),
                      temperatureUnit,
                      pressureUnit,
                      useAd ? QStringLiteral("ad") : QString(),
                      miles ? QStringLiteral("miles") : QString(),
                      Translate("Driver Notes"),
                      Translate("Vehicle Notes")};
    QStringList tracks;
    for (auto it = trackLengths.constBegin(); it != trackLengths.constEnd(); ++it)
        tracks << it.key() + u'\x1f' + it.value();
    tracks.sort();
    return (parts + tracks).join(u'\x1e');
}

SummaryOptions SummaryOptionsFrom(const ProgramSettings& settings, const QString& vehicleCode) {
    SummaryOptions options;
    options.vehicleCode = vehicleCode;
    options.temperatureUnit = settings.temperatureUnit;
    options.pressureUnit = settings.pressureUnit;
    options.useAd = settings.useAd;
    options.miles = DerivedUnitsOf(settings.systemUnit).distance == Unit::Miles;
    return options;
}

void AddTrackLengths(SummaryOptions& options, const TTrackList& tracks) {
    for (const NamedTrack& track : tracks.Items()) {
        const QString key = track.name.toCaseFolded();
        if (!options.trackLengths.contains(key)) options.trackLengths.insert(key, track.info.Length);
    }
}

QStringList SummaryHeaders(const SummaryOptions& options) {
    static const char* const kHeaders[ArchiveColumn::kVisible] = {
        "Date",      "Name of event", "Driver",     "Track",         N_("Cond."), "",
        "Type",      "Class",         "Laps",       "Distance",      "Best lap",  N_("Pos."),
        N_("Frame"), N_("Engine"),    "Final gear", N_("Top speed"), N_("Rank"),  "Information"};
    QStringList headers;
    for (const char* header : kHeaders)
        headers << Translate(header);
    headers[ArchiveColumn::Density] = options.useAd ? Translate("AD") : Translate("RAD");
    while (headers.size() < ArchiveColumn::kCount)
        headers << QString();
    return headers;
}

QList<int> DefaultSummaryWidths() {
    return {65, 120, 60, 100, 45, 30, 90, 80, 40, 60, 65, 40, 70, 55, 65, 65, 45, 120, 0, 0, 0, 0};
}

bool IsOtherVehicle(TTxtParser& parser, const SummaryOptions& options) {
    const QString vehicle = parser.ReadValue(QStringLiteral("information"), QStringLiteral("vehicle"));
    return !vehicle.isEmpty() && vehicle.compare(options.vehicleCode, Qt::CaseInsensitive) != 0;
}

QStringList ReadSummaryRow(TTxtParser& parser, const QString& path, double modifiedDayNumber,
                           const SummaryOptions& options) {
    using namespace ArchiveColumn;
    QStringList row(kCount);
    auto condition = [&](const char* key) { return parser.ReadValue(kConditions, QLatin1String(key)); };

    QString start = parser.ReadValue(kLapTimes, QStringLiteral("driver1_start_time"));
    if (start.isEmpty()) start = QString::number(modifiedDayNumber, 'f', 10);
    row[StartTime] = start;
    if (const auto day = ParseDecimal(start); day && std::isfinite(*day) && std::fabs(*day) < 3e6)
        row[Date] = DateText(*day);

    row[ArchiveColumn::Event] = condition("name_of_event");
    row[Driver] = parser.ReadValue(kLapTimes, QStringLiteral("driver1_name"));
    row[Track] = condition("track");
    row[Condition] = condition("track_condition");
    row[Density] = AirDensityCell(parser, options);
    row[Type] = condition("session_type");
    row[Class] = condition("class");

    TLapTimer timer;
    timer.SetSplits(ParseInteger(parser.ReadValue(kLapTimes, QStringLiteral("splits_per_lap"))).value_or(0));
    // A piece that is no integer ends the list; the times before it count.
    (void)timer.LoadFromText(parser.ReadValue(kLapTimes, QStringLiteral("driver1_split_times")));
    const int laps = timer.LapCount();
    row[Laps] = QString::number(laps);
    const QString length = options.trackLengths.value(row[Track].toCaseFolded());
    if (const auto metres = ParseDecimal(length))
        row[Distance] =
            FormatPattern(*metres * laps / (options.miles ? 1609.0 : 1000.0), QStringLiteral("0.000"));
    row[BestLap] = timer.BestLapText();
    row[BestLapMs] = QString::number(timer.BestLap());

    row[Position] = condition("position");
    row[Frame] = parser.ReadValue(QStringLiteral("general"), QStringLiteral("frame"));
    row[Engine] = parser.ReadValue(QStringLiteral("engine"), QStringLiteral("engine"));
    row[FinalGear] = FinalGearCell(parser);
    row[TopSpeed] = parser.ReadValue(kSessionNotes, QStringLiteral("top_speed"));
    row[Rank] = condition("rank_setup");
    row[Information] = condition("session_info");
    row[Path] = path;
    row[Notes] = NotesCell(parser);
    return row;
}

bool IsCompleteRow(const QStringList& row) {
    const auto laps = ParseInteger(row.value(ArchiveColumn::Laps));
    return laps && *laps > 0;
}
