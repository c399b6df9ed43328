#pragma once
// The session's fuel pages: the consumption measured in the session (vehicle page), and the pit stop
// page's consumption per lap, laps to run and refuelling plan with the stop list's add, edit and delete.
// Fields live in the session model; driver 1's figures and the track's consumption come through
// requests.
#include "calc/fuel_calc.h"
#include "services/services.h"
#include "session_model.h"

#include <functional>
#include <optional>

// Driver 1's figures of the current run.
struct Driver1Figures {
    double startTime = 0, stopTime = 0;
    qint32 pitStopMs = 0;
    int lapCount = 0;
};

// One stop as the stop dialog edits it.
struct PitStopValues {
    QString lap, fuel, tires, other;
};

class SessionFuel {
  public:
    SessionFuel(SessionModel& session, Prompter& prompter);

    std::function<Driver1Figures()> requestDriver1;
    // The session track's length in metres and its dry and wet consumption per lap, shown in the
    // session's volume unit ("" when unknown).
    std::function<QString()> requestTrackLength;
    std::function<std::pair<QString, QString>()> requestTrackConsumption;
    // "Recalculate Pit Stops": the lap to plan from, proposal given; std::nullopt on Cancel.
    std::function<std::optional<int>(int proposal)> requestRecalcLap;

    // Session consumption: recomputed on a change of the fuel at start, the fuel after the session or
    // the laps; a pit time longer than the running time keeps the previous figures after the error.
    void CalcFuelConsumptionAfterSession();
    const SessionConsumption& Consumption() const { return m_consumption; }
    std::vector<std::pair<QString, QString>> ConsumptionLines() const;
    bool Litres() const;

    // The pit stop page's consumption per lap (the track's figures and the wet percentage).
    QString PitConsumption() const;
    // "Calculate number of laps": the laps to run from the time to run and the lap time.
    void CalcLapsToRun();
    // Plans from the lap; a refusal is shown as a warning. True when the rows were replaced.
    bool Recalculate(int fromLap);
    // The "Recalculate" button: the dialog with driver 1's laps, then the plan.
    bool RecalculateWithDialog();

    // The stop dialog's OK check: an integer lap ("You must enter a lap number!").
    std::optional<QString> CheckStop(const PitStopValues& values) const;
    void AddStop(const PitStopValues& values);
    void EditStop(int row, const PitStopValues& values);
    void DeleteStop(int row);
    PitStopValues Stop(int row) const;
    bool RowHasLap(int row) const; // edit and delete only act on a row with an integer lap

  private:
    std::vector<QStringList> Rows() const;
    void SetRows(const std::vector<QStringList>& rows);
    QString Field(const QString& key) const;
    void AskAndRecalculate(int proposal);

    SessionModel& m_session;
    Prompter& m_prompter;
    SessionConsumption m_consumption;
};
