#pragma once
// The tire readings of the current session, kept in step with the current setup: every edit or load of
// the setup mirrors its cold pressures and circumferences; a session read from a file starts anew with
// its own setup's values.
#include "events/event.h"
#include "session_model.h"
#include "tire_readings.h"

class SessionTireReadings {
  public:
    SessionTireReadings(SessionModel& session, SetupModel& setup);

    // The readings as the "Tires" page of the session shows them.
    std::vector<TireReading> Readings() const { return m_readings.Readings(m_session.Record()); }
    // The setup's vehicle or distance unit changed: mirrored anew in its layout and unit.
    void SetupLayoutChanged();

    // The mirrored values changed.
    Event<> changed;

  private:
    void Mirror();

    SessionModel& m_session;
    SetupModel& m_setup;
    TireReadings m_readings;
    Connections m_connections;
};
