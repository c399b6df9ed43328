#pragma once
// The function keys of live timing: F5..F8 belong to slots 1..4; Shift, Ctrl and Ctrl+Shift choose the
// action. Alt does not matter. The main window, the time windows and the pit crew panel all use this.
#include <Qt>

enum class TimingKeyAction { None, Press, Undo, StartStop, PitInOut };

struct TimingKey {
    TimingKeyAction action = TimingKeyAction::None;
    int slot = 0; // 1..4; 0 with None
};

TimingKey TimingKeyOf(int key, Qt::KeyboardModifiers modifiers);
