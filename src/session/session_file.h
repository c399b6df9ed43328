#pragma once
// Reading and writing the session sections of a session file ("information", "conditions",
// "session_notes", "lap_times"), walking the session field table. The setup sections follow them and
// belong to the setup model.
#include "session_record.h"

class TTxtParser;

// The units the record's converted values are shown in.
struct SessionUnits {
    QString volumeUnit = QStringLiteral("litres"); // "litres", "gallons (US)", "gallons (Imperial)"
    bool miles = false;                            // distance unit "miles": millimetres shown in inches
};

// The shown text of a stored (metric) value, and the stored text of a shown value. A value that is no
// number is kept as typed.
QString SessionShownText(SessionConversion conversion, const SessionUnits& units, const QString& stored);
QString SessionStoredText(const SessionRecord& record, const QString& id, SessionConversion conversion,
                          const SessionUnits& units, const QString& shown);

// The condition fields (not the result fields) and the part-status stamp.
void ReadConditions(SessionRecord& record, const SessionUnits& units, TTxtParser& reader);
// The fields read with the notes: result fields, both notes, both links, the measurements, the pit-stop
// fields and rows. Without a reader every one of them is emptied ("Clear notes").
void ReadSessionNotes(SessionRecord& record, const SessionUnits& units, TTxtParser* reader);
// The "lap_times" section: "splits_per_lap" ("0" when empty) and the five keys of each slot.
LapData ReadLapData(TTxtParser& reader);
// Writes the "lap_times" section.
void WriteLapData(const LapData& laps, TTxtParser& writer);
// Everything a session file holds apart from the setup: the vehicle, the sections above and the lap data.
SessionRecord ReadSessionSections(TTxtParser& reader, const SessionUnits& units);

// Writes "information", "conditions", "session_notes" and "lap_times" in order, values in the stored
// units. "part_status_updated" only when the stamp equals driver 1's start date-time.
void WriteSessionSections(const SessionRecord& record, const SessionUnits& units, TTxtParser& writer);
