#include "driver_slot.h"

#include "storage/translate.h"

#include <cmath>

SlotControls ControlsOf(SlotState state) {
    SlotControls c;
    switch (state) {
    case SlotState::Idle:
        c.startVisible = true;
        c.pitInVisible = true;
        break;
    case SlotState::Running:
        c.stopVisible = c.stopwatchEnabled = c.undoEnabled = true;
        c.pitInVisible = c.pitInEnabled = true;
        c.tickEnabled = true;
        break;
    case SlotState::InPits:
        c.stopVisible = true;
        c.pitOutVisible = c.pitOutEnabled = true;
        c.tickEnabled = true;
        break;
    }
    return c;
}

QString FunctionKeyName(int slot) {
    return QStringLiteral("F%1").arg(4 + slot);
}

QString DefaultDriverName(int slot) {
    // Stored in session files as the name: not translated.
    return QStringLiteral("Driver %1").arg(slot);
}

SlotControlTexts ControlTextsOf(int slot) {
    // The hint names the slot's own key, filled in after the lookup.
    const QString key = FunctionKeyName(slot);
    SlotControlTexts t;
    t.startCaption = Translate("Start");
    t.startHint = Fill(Translate("Start session (Ctrl-%s)"), key);
    t.stopCaption = Translate("Stop");
    t.stopHint = Fill(Translate("Stop session (Ctrl-%s)"), key);
    t.stopwatchHint = Fill(Translate("Stopwatch (%s)"), key);
    t.undoHint = Fill(Translate("Undo (Shift-%s)"), key);
    t.pitInCaption = Translate("P.I");
    t.pitInHint = Fill(Translate("Pit In (Ctrl-Shift-%s)"), key);
    t.pitOutCaption = Translate("P.O");
    t.pitOutHint = Fill(Translate("Pitout (Ctrl-Shift-%s)"), key);
    return t;
}

DriverSlot::DriverSlot(int number, Clock& clock, Beeper& beeper)
    : timer(&clock, &beeper), timeWindow(clock), driverName(DefaultDriverName(number)), m_number(number) {
}

qint32 TimeOfDayMs(double laterDay, double earlierDay) {
    constexpr qint64 kMsPerDay = 86400000;
    const qint64 ms = std::llround((laterDay - earlierDay) * kMsPerDay);
    return qint32(((ms % kMsPerDay) + kMsPerDay) % kMsPerDay);
}
