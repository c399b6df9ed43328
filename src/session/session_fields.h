#pragma once
// The session's field table. One table drives reading and writing the session file and the "Active
// session" pages: every single value of the sections "conditions" and "session_notes" in file order,
// with its caption, page, group, control, unit conversion and the vehicles whose pages show it.
#include "session/setup_fields.h"

#include <QString>
#include <QStringList>
#include <vector>

enum class SessionPage { General, Tires, Vehicle, PitStops };

enum class SessionControl {
    Edit,       // plain entry field
    HistoryBox, // entry field with a history of recent values (historyKey)
    Choice,     // drop-down of fixed choices
    TrackBox,   // the track box, filled from the track list
    Notes,      // multi-line text with clickable links (text block in the file)
    Link,       // path of a linked file with its choose and open buttons
};

// Values kept in metric units and shown in the unit system's units.
enum class SessionConversion {
    None,
    Volume,      // litres, shown in the volume unit ("gallons (US)": kind 1 / 4; "Imperial": kind 2 / 3)
    Millimetres, // shown in inches when the distance unit is "miles" (kind 3 "0.000" / kind 4)
};

struct SessionField {
    QString section;
    QString key;
    QString caption;      // English; translated when shown
    QString milesCaption; // caption for the "miles" distance unit (millimetre fields), else empty
    SessionPage page = SessionPage::General;
    QString group; // group box on the page (English)
    unsigned vehicles = Vehicles::All;
    SessionControl control = SessionControl::Edit;
    SessionConversion conversion = SessionConversion::None;
    QString historyKey;
    QStringList choices;
    // Read from the file with the notes and emptied by "Clear notes": the result fields, the notes, the
    // links and every measurement and pit-stop field. The other fields are the session's conditions.
    bool withNotes = false;

    QString Caption(bool miles) const { return miles && !milesCaption.isEmpty() ? milesCaption : caption; }
    QString Id() const { return section + QLatin1Char('/') + key; }
};

namespace SessionKeys {
inline const QString Information = QStringLiteral("information");
inline const QString Conditions = QStringLiteral("conditions");
inline const QString SessionNotes = QStringLiteral("session_notes");
inline const QString LapTimes = QStringLiteral("lap_times");
inline const QString Track = QStringLiteral("track");
inline const QString DriverNotes = QStringLiteral("notes");
inline const QString VehicleNotes = QStringLiteral("notes_vehicle");
inline const QString OnboardVideo = QStringLiteral("onboardvideo_filename");
inline const QString DataLogging = QStringLiteral("datalogging_filename");
inline const QString AirTemperature = QStringLiteral("temperature");
inline const QString Pressure = QStringLiteral("barometric_pressure");
inline const QString Humidity = QStringLiteral("humidity");
inline const QString AmountFuel = QStringLiteral("amount_fuel");
inline const QString PartStatusUpdated = QStringLiteral("part_status_updated");
inline const QString SetupFile = QStringLiteral("setup");
inline const QString PitStopList = QStringLiteral("pitstop_lap_info_list");
inline const QString PitStopBegin = QStringLiteral("pitstop_lap_info_begin");
inline const QString PitStopEnd = QStringLiteral("pitstop_lap_info_end");
inline const QString NotesBegin = QStringLiteral("notes_begin");
inline const QString NotesEnd = QStringLiteral("notes_end");
} // namespace SessionKeys

// In file order: "conditions" first, then "session_notes".
const std::vector<SessionField>& SessionFields();
// Index of the field with this section and key, -1 when none.
int SessionFieldIndex(const QString& section, const QString& key);
// The fields a page shows for the vehicle, in table order.
std::vector<int> SessionPageFields(SessionPage page, VehicleType vehicle);

// The pit stop rows' columns ("Lap", "Fuel fill amount", "Tires", "Other").
const QStringList& PitStopColumns();
inline constexpr int kPitStopColumns = 4;
