#include "session_report_input.h"

#include "app/program_settings.h"
#include "calc/air_density_model.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "storage/number_format.h"
#include "storage/translate.h"

SessionReportInput SessionReportInputFrom(const SessionRecord& record, const QString& sessionFile,
                                          const ProgramSettings& settings, const QString& trackLength) {
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
    const TimingUnits units = TimingUnitsOfSystem(settings.systemUnit);
    input.remainingStrokeCaption = units.distanceInMiles
                                       ? QStringLiteral(N_("Remaining suspension stroke [in.]"))
                                       : QStringLiteral(N_("Remaining suspension stroke [mm]"));
    input.temperatureUnit =
        settings.temperatureUnit == QLatin1String("Fahrenheit") ? QStringLiteral("F") : QStringLiteral("C");
    input.pressureUnit = settings.pressureUnit;

    // The figure the session page's panel shows for the same weather and options.
    const QString& c = SessionKeys::Conditions;
    const AirDensityFigure air = ComputeAirDensity(
        WeatherTexts{record.Value(c, SessionKeys::AirTemperature), record.Value(c, SessionKeys::Pressure),
                     record.Value(c, SessionKeys::Humidity)},
        AirDensityUnits{settings.temperatureUnit, settings.pressureUnit, settings.useAd});
    input.airDensityShown = air.panelVisible.value_or(false);
    input.airDensityAd = settings.useAd;
    input.airDensityCaption = AirDensityCaption(settings.useAd);
    input.airDensity = air.valueText;

    input.laps.laps = record.lapData;
    input.laps.percentForMean = settings.percentForMean;
    input.laps.units = units;
    input.laps.trackLength = trackLength;
    return input;
}

SessionReportInput SessionReportInputFrom(const SessionModel& session, const ProgramSettings& settings,
                                          const QString& trackLength) {
    SessionReportInput input =
        SessionReportInputFrom(session.Record(), session.FileName(), settings, trackLength);
    if (session.requestLapData) input.laps.laps = session.requestLapData();
    return input;
}

SetupReportInput SetupReportInputFrom(const SetupModel& setup) {
    SetupReportInput input;
    input.vehicle = setup.Vehicle();
    input.record = setup.Record();
    input.miles = setup.Miles();
    return input;
}
