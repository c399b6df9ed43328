#include "session_report_input.h"

#include "session/setup_model.h"
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "storage/txt_parser.h"

#include <QFileInfo>

SessionReportInput SessionReportInputFrom(const SessionRecord& record, const QString& sessionFile,
                                          bool miles) {
    SessionReportInput input;
    input.sessionFile = sessionFile;
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SessionField& field = fields[i];
        if (field.key == SessionKeys::DriverNotes)
            input.driverNotes = record.Field(int(i));
        else if (field.key == SessionKeys::VehicleNotes)
            input.vehicleNotes = record.Field(int(i));
        else
            input.fields.push_back({field.key, record.Field(int(i))});
    }
    for (const QString& column : PitStopColumns())
        input.pitStopHeaders << Translate(column);
    input.pitStops = record.pitStopRows;
    input.remainingStrokeCaption = miles ? QStringLiteral("Remaining suspension stroke [in.]")
                                         : QStringLiteral("Remaining suspension stroke [mm]");
    input.laps.laps = record.lapData;
    return input;
}

SetupReportInput SetupReportInputFrom(const SetupModel& setup) {
    SetupReportInput input;
    input.vehicle = setup.Vehicle();
    input.record = setup.Record();
    input.miles = setup.Miles();
    return input;
}

bool ReadSessionRecord(const QString& path, SessionRecord& record) {
    if (!QFileInfo::exists(path)) return false;
    TTxtParser reader;
    reader.OpenRead(path);
    record.vehicle = reader.ReadValue(SessionKeys::Information, QStringLiteral("vehicle"));
    const auto& fields = SessionFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const SessionField& field = fields[i];
        const QString value = reader.ReadValue(field.section, field.key);
        if (field.control == SessionControl::Notes) {
            QStringList lines;
            if (value.contains(SessionKeys::NotesBegin)) reader.ReadLines(lines, SessionKeys::NotesEnd);
            record.Field(int(i)) = lines.join(QLatin1Char('\n'));
        } else {
            record.Field(int(i)) = value;
        }
    }
    record.pitStopRows.clear();
    if (reader.ReadValue(SessionKeys::SessionNotes, SessionKeys::PitStopList) == SessionKeys::PitStopBegin) {
        QStringList lines;
        reader.ReadLines(lines, SessionKeys::PitStopEnd);
        for (const QString& line : lines)
            record.pitStopRows.push_back(PadFields(CommaTextSplit(line), kPitStopColumns));
    }
    const QString laps = SessionKeys::LapTimes;
    const QString splits = reader.ReadValue(laps, QStringLiteral("splits_per_lap"));
    record.lapData.splitsPerLap = splits.isEmpty() ? QStringLiteral("0") : splits;
    for (int slot = 1; slot <= 4; ++slot) {
        const QString prefix = QStringLiteral("driver") + QString::number(slot) + QLatin1Char('_');
        SlotLapData& data = record.lapData.slots[size_t(slot - 1)];
        const auto read = [&](const char* key) {
            return reader.ReadValue(laps, prefix + QString::fromLatin1(key));
        };
        data.name = read("name");
        data.startTime = ParseDecimal(read("start_time")).value_or(0);
        data.stopTime = ParseDecimal(read("stop_time")).value_or(0);
        data.pitStopTime = ParseInteger(read("pitstop_time")).value_or(0);
        data.splitTimes = read("split_times");
    }
    reader.Close();
    return true;
}
