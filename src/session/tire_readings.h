#pragma once
// The session's tire readings per wheel: the cold pressure the setup's tire table sets, the hot pressure
// measured after the session and the increase; for cars and karts also the circumference before (from
// the setup) and after the session with the difference in length and percent.
#include "session_record.h"
#include "setup_record.h"

#include <QStringList>
#include <vector>

struct TireReading {
    QString wheel;                 // "FL" .. "RR", or "Front", "Rear", "Side"
    QString cold;                  // mirrored from the setup
    QString hot;                   // typed into the session
    QString increase;              // "11%"
    bool hasCircumference = false; // car and kart
    QString before;                // mirrored from the setup
    QString after;                 // typed into the session
    QString difference;            // "-28.0"
    QString percent;               // "-1.5%"
};

class TireReadings {
  public:
    explicit TireReadings(VehicleType vehicle = VehicleType::Motorcycle);

    // The wheels of a vehicle type, in column order of its tire table.
    static QStringList Wheels(VehicleType vehicle);
    // The session's keys of a wheel's hot pressure and (car and kart) circumference after.
    static QString HotPressureKey(VehicleType vehicle, int wheel);
    static QString CircumferenceAfterKey(int wheel);

    VehicleType Vehicle() const { return m_vehicle; }
    // Another vehicle, or another session with its own setup: nothing mirrored yet.
    void Reset(VehicleType vehicle);
    // The setup's tire table changed or was loaded: each wheel's cold pressure is taken when the setup's
    // value is a number (else the previous one stays); the circumference before is taken as it stands.
    void CopyFromSetup(const SetupRecord& setup);

    // Every wheel's reading with the session's typed values and what follows from them.
    std::vector<TireReading> Readings(const SessionRecord& session) const;

  private:
    VehicleType m_vehicle;
    std::vector<QString> m_cold;
    std::vector<QString> m_before;
};
