#pragma once
// One driver slot of the live timing: its lap timer, name, times, state, lap table, figure texts and
// time window. The live-timing model drives it; the page reads it.
#include "lap_table.h"
#include "lap_timer.h"
#include "services/services.h"
#include "show_time_model.h"

#include <QString>

enum class SlotState { Idle, Running, InPits }; // Idle also covers a stopped slot

// What the slot's buttons and tick do in a state.
struct SlotControls {
    bool startVisible = false;
    bool stopVisible = false;
    bool stopwatchEnabled = false; // the stopwatch key and button
    bool undoEnabled = false;
    bool pitInVisible = false;
    bool pitInEnabled = false;
    bool pitOutVisible = false;
    bool pitOutEnabled = false;
    bool tickEnabled = false;
};
SlotControls ControlsOf(SlotState state);

// Captions and hints of a slot's buttons; the function key follows the slot (F5..F8).
struct SlotControlTexts {
    QString startCaption, startHint, stopCaption, stopHint, stopwatchHint, undoHint;
    QString pitInCaption, pitInHint, pitOutCaption, pitOutHint;
};
SlotControlTexts ControlTextsOf(int slot);
QString FunctionKeyName(int slot);   // "F5".."F8"
QString DefaultDriverName(int slot); // "Driver 1".."Driver 4"

class DriverSlot {
  public:
    DriverSlot(int number, Clock& clock, Beeper& beeper);
    DriverSlot(const DriverSlot&) = delete;
    DriverSlot& operator=(const DriverSlot&) = delete;

    int Number() const { return m_number; }
    SlotState State() const { return state; }
    SlotControls Controls() const { return ControlsOf(state); }
    bool IsRunning() const { return state != SlotState::Idle; }

    TLapTimer timer;
    ShowTimeModel timeWindow;
    LapTable table;
    QString driverName;
    double startTime = 0; // day numbers; 0 = none
    double stopTime = 0;
    qint32 pitStopTime = 0;
    SlotState state = SlotState::Idle;

    // Figure texts as the page shows them.
    QString startText, elapsedText, bestText, bestSpeedText, meanText, meanSpeedText, distanceText;
    QString theoreticalText; // with splits: the sum of the best segments
    QString pitTimeText;
    bool pitTimePanelVisible = false;

  private:
    int m_number;
};

// The time-of-day part of the difference of two day numbers, in ms.
qint32 TimeOfDayMs(double laterDay, double earlierDay);
