#pragma once
// One track of the track list, and the table of its fields: file key, unit and whether the Tracks page
// edits it. Reading, writing, the page and its conversions all walk the same table.
#include <QString>
#include <QStringList>
#include <span>

// Texts exactly as typed; lengths in metres and fuel in litres whatever unit system is shown.
struct TTrackInfo {
    QString Length;
    QString Width;
    QString MainStraightLength;
    QString LeftTurns;
    QString RightTurns;
    QString Surface;
    QString FuelConsumptionDry;
    QString FuelConsumptionWet;
    QString Altitude;
    QString Country;
    QString City;
    QString Organisation;
    QString Address;
    QString Phone;
    QString Telefax;
    QString Accounts;
    QString Contact1;
    QString Contact1Email;
    QString Contact2;
    QString Contact2Email;
    QString Homepage;
    QString Picture;
    QString Movie;
    QStringList Notes;

    bool operator==(const TTrackInfo&) const = default;
};

// In the order of the keys in the file.
enum class TrackField {
    Length,
    Width,
    MainStraightLength,
    LeftTurns,
    RightTurns,
    Surface,
    FuelConsumptionDry,
    FuelConsumptionWet,
    Altitude,
    Country,
    City,
    Organisation,
    Address,
    Phone,
    Telefax,
    Accounts,
    Contact1,
    Contact1Email,
    Contact2,
    Contact2Email,
    Homepage,
    Picture,
    Movie,
};
inline constexpr int kTrackFieldCount = int(TrackField::Movie) + 1;

// How a field is shown in the chosen unit system.
enum class TrackUnit {
    None,   // as typed
    Length, // lap length: metres or miles
    Short,  // width, main straight, altitude: metres or feet
    Fuel,   // litres, US or imperial gallons per lap
};

struct TrackFieldInfo {
    TrackField field;
    const char* key; // file key
    QString TTrackInfo::*member;
    TrackUnit unit;
    bool onPage; // edited on the Tracks page (picture and movie have commands of their own)
};

// Every field, in file order (index = TrackField).
std::span<const TrackFieldInfo> TrackFields();
const TrackFieldInfo& TrackFieldOf(TrackField field);
inline QString& FieldValue(TTrackInfo& track, TrackField field) {
    return track.*TrackFieldOf(field).member;
}
inline const QString& FieldValue(const TTrackInfo& track, TrackField field) {
    return track.*TrackFieldOf(field).member;
}
