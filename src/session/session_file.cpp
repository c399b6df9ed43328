#include "session_file.h"

#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/txt_parser.h"
#include "storage/units.h"

namespace {

// ConvertVolume kinds from litres to the unit and back.
int VolumeShowKind(const QString& unit) {
    if (unit == u"gallons (US)") return 1;
    if (unit == u"gallons (Imperial)") return 2;
    return 0;
}
int VolumeStoreKind(const QString& unit) {
    if (unit == u"gallons (US)") return 4;
    if (unit == u"gallons (Imperial)") return 3;
    return 0;
}

// A stored value as it is shown; remembers the pair so that an unchanged value is written back as read.
QString TakeStored(SessionRecord& record, const SessionField& field, const SessionUnits& units,
                   const QString& stored) {
    const QString id = field.Id();
    record.metricOrigins.remove(id);
    const QString shown = SessionShownText(field.conversion, units, stored);
    if (shown != stored) record.metricOrigins.insert(id, {shown, stored});
    return shown;
}

QString SlotKey(int slot, const char* suffix) {
    return QStringLiteral("driver%1_%2").arg(slot).arg(QLatin1String(suffix));
}

// Empty or "0" is none; a text that is no number counts as none too.
double DateTimeValue(const QString& text) {
    if (text.isEmpty() || text == u"0") return 0;
    return ParseDecimal(text).value_or(0);
}

void WriteField(const SessionRecord& record, int index, const SessionUnits& units, TTxtParser& writer) {
    const SessionField& field = SessionFields()[size_t(index)];
    const QString& value = record.Field(index);
    if (field.control == SessionControl::Notes) {
        // Held back by the writer until the section's single keys are written.
        writer.WriteNotesBlock(field.key, SessionKeys::NotesBegin, SessionKeys::NotesEnd, value);
        return;
    }
    writer.WriteValue(field.key, SessionStoredText(record, field.Id(), field.conversion, units, value));
}

} // namespace

QString SessionShownText(SessionConversion conversion, const SessionUnits& units, const QString& stored) {
    switch (conversion) {
    case SessionConversion::None:
        break;
    case SessionConversion::Volume:
        if (const int kind = VolumeShowKind(units.volumeUnit)) return ConvertVolume(kind, stored, false);
        break;
    case SessionConversion::Millimetres:
        if (units.miles) return ConvertDistance(3, stored, false);
        break;
    }
    return stored;
}

QString SessionStoredText(const SessionRecord& record, const QString& id, SessionConversion conversion,
                          const SessionUnits& units, const QString& shown) {
    if (conversion == SessionConversion::None) return shown;
    const auto origin = record.metricOrigins.constFind(id);
    if (origin != record.metricOrigins.constEnd() && origin->first == shown) return origin->second;
    if (conversion == SessionConversion::Volume) {
        const int kind = VolumeStoreKind(units.volumeUnit);
        return kind ? ConvertVolume(kind, shown, true) : shown;
    }
    return units.miles ? ConvertDistance(4, shown, true) : shown;
}

void ReadConditions(SessionRecord& record, const SessionUnits& units, TTxtParser& reader) {
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SessionField& field = fields[i];
        if (field.withNotes || field.section != SessionKeys::Conditions) continue;
        record.fields[i] = TakeStored(record, field, units, reader.ReadValue(field.section, field.key));
    }
    const QString stamp = reader.ReadValue(SessionKeys::Conditions, SessionKeys::PartStatusUpdated);
    record.partStatusStamp = ParseDecimal(stamp).value_or(0);
}

void ReadSessionNotes(SessionRecord& record, const SessionUnits& units, TTxtParser* reader) {
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SessionField& field = fields[i];
        if (!field.withNotes) continue;
        QString& value = record.fields[i];
        value.clear();
        record.metricOrigins.remove(field.Id());
        if (!reader) continue;
        const QString read = reader->ReadValue(field.section, field.key);
        if (field.control == SessionControl::Notes) {
            if (!read.contains(SessionKeys::NotesBegin)) continue;
            QStringList lines;
            reader->ReadLines(lines, SessionKeys::NotesEnd);
            value = lines.join(u'\n');
        } else {
            value = TakeStored(record, field, units, read);
        }
    }
    record.pitStopRows.clear();
    if (!reader ||
        reader->ReadValue(SessionKeys::SessionNotes, SessionKeys::PitStopList) != SessionKeys::PitStopBegin)
        return;
    QStringList lines;
    reader->ReadLines(lines, SessionKeys::PitStopEnd);
    for (const QString& line : lines)
        record.pitStopRows.push_back(
            PadFields(CommaTextSplit(line), kPitStopColumns).mid(0, kPitStopColumns));
}

LapData ReadLapData(TTxtParser& reader) {
    LapData data;
    const QString& s = SessionKeys::LapTimes;
    const QString splits = reader.ReadValue(s, QStringLiteral("splits_per_lap"));
    data.splitsPerLap = splits.isEmpty() ? QStringLiteral("0") : splits;
    for (int slot = 1; slot <= int(data.slots.size()); ++slot) {
        SlotLapData& to = data.slots[size_t(slot - 1)];
        to.name = reader.ReadValue(s, SlotKey(slot, "name"));
        to.startTime = DateTimeValue(reader.ReadValue(s, SlotKey(slot, "start_time")));
        to.stopTime = DateTimeValue(reader.ReadValue(s, SlotKey(slot, "stop_time")));
        to.pitStopTime = ParseInteger(reader.ReadValue(s, SlotKey(slot, "pitstop_time"))).value_or(0);
        to.splitTimes = reader.ReadValue(s, SlotKey(slot, "split_times"));
    }
    return data;
}

SessionRecord ReadSessionSections(TTxtParser& reader, const SessionUnits& units) {
    SessionRecord record;
    record.vehicle = reader.ReadValue(SessionKeys::Information, QStringLiteral("vehicle"));
    ReadConditions(record, units, reader);
    ReadSessionNotes(record, units, &reader);
    record.lapData = ReadLapData(reader);
    return record;
}

void WriteSessionSections(const SessionRecord& record, const SessionUnits& units, TTxtParser& writer) {
    writer.WriteSection(SessionKeys::Information);
    writer.WriteValue(QStringLiteral("vehicle"), record.vehicle);

    const auto& fields = SessionFields();
    writer.WriteSection(SessionKeys::Conditions);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].section == SessionKeys::Conditions) WriteField(record, int(i), units, writer);
    const double start = record.lapData.slots[0].startTime;
    // Compared as the texts stored, so a stamp read back from a file matches the start read with it.
    if (record.partStatusStamp != 0 && FormatGeneral(record.partStatusStamp) == FormatGeneral(start))
        writer.WriteValue(SessionKeys::PartStatusUpdated, FormatGeneral(record.partStatusStamp));

    writer.WriteSection(SessionKeys::SessionNotes);
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].section == SessionKeys::SessionNotes) WriteField(record, int(i), units, writer);
    if (!record.pitStopRows.empty()) {
        QStringList lines;
        for (const QStringList& row : record.pitStopRows)
            lines << CommaTextJoin(PadFields(row, kPitStopColumns));
        writer.WriteListBlock(SessionKeys::PitStopList, SessionKeys::PitStopBegin, SessionKeys::PitStopEnd,
                              lines);
    }

    WriteLapData(record.lapData, writer);
}

void WriteLapData(const LapData& laps, TTxtParser& writer) {
    writer.WriteSection(SessionKeys::LapTimes);
    writer.WriteValue(QStringLiteral("splits_per_lap"), laps.splitsPerLap);
    for (int slot = 1; slot <= int(laps.slots.size()); ++slot) {
        const SlotLapData& from = laps.slots[size_t(slot - 1)];
        writer.WriteValue(SlotKey(slot, "name"), from.name);
        if (from.startTime != 0)
            writer.WriteValue(SlotKey(slot, "start_time"), FormatGeneral(from.startTime));
        if (from.stopTime != 0) writer.WriteValue(SlotKey(slot, "stop_time"), FormatGeneral(from.stopTime));
        if (from.pitStopTime != 0)
            writer.WriteValue(SlotKey(slot, "pitstop_time"), QString::number(from.pitStopTime));
        writer.WriteValue(SlotKey(slot, "split_times"), from.splitTimes);
    }
}
