#include "session_report_input.h"

#include "session/session_model.h"
#include "session/setup_model.h"
#include "storage/number_format.h"
#include "storage/translate.h"

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

SessionReportInput SessionReportInputFrom(const SessionModel& session, const ProgramSettings& settings) {
    SessionReportInput input =
        SessionReportInputFrom(session.Record(), session.FileName(), session.Units().miles);
    if (session.requestLapData) input.laps.laps = session.requestLapData();
    input.temperatureUnit =
        settings.temperatureUnit == QLatin1String("Fahrenheit") ? QStringLiteral("F") : QStringLiteral("C");
    input.pressureUnit = settings.pressureUnit;
    const AirDensityView& air = session.AirDensity();
    input.airDensityShown = air.panelVisible;
    input.airDensityAd = settings.useAd;
    input.airDensityCaption = air.caption;
    input.airDensity = air.valueText;
    input.laps.percentForMean = settings.percentForMean;
    input.laps.units = TimingUnitsOfSystem(settings.systemUnit);
    return input;
}
