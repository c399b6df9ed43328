#include "session_tire_readings.h"

SessionTireReadings::SessionTireReadings(SessionModel& session, SetupModel& setup)
    : m_session(session), m_setup(setup), m_readings(setup.Vehicle()) {
    m_connections += m_setup.changed.Connect([this] { Mirror(); });
    m_connections += m_setup.areaLoaded.Connect([this](SetupArea area) {
        if (area == SetupArea::Tires) Mirror();
    });
    // Another session's setup: a cold pressure of the session before must not stand in for one this
    // setup lacks.
    m_connections += m_session.loaded.Connect([this] {
        m_readings.Reset(m_setup.Vehicle());
        Mirror();
    });
    // A hot pressure or a circumference after the session typed: that wheel's figures change.
    m_connections += m_session.fieldEdited.Connect([this](int index) {
        const QString& key = SessionFields()[size_t(index)].key;
        if (key.endsWith(QLatin1String("_pressure_hot")) || key.endsWith(QLatin1String("_circumference")))
            changed.Emit();
    });
    Mirror();
}

void SessionTireReadings::SetupLayoutChanged() {
    if (m_readings.Vehicle() != m_setup.Vehicle()) m_readings.Reset(m_setup.Vehicle());
    Mirror();
}

void SessionTireReadings::Mirror() {
    if (m_readings.Vehicle() != m_setup.Vehicle()) m_readings.Reset(m_setup.Vehicle());
    m_readings.CopyFromSetup(m_setup.Record());
    changed.Emit();
}
