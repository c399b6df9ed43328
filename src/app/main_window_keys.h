#pragma once
// The keys of the main window besides the menu shortcuts, as data: F5-F8 work the four driver slots of
// live timing (plain, Shift, Ctrl, Ctrl+Shift), Ctrl+S saves what the shown page holds, Ctrl+O opens a
// session and Ctrl+F finds in the part status.
#include "app/change_tracker.h"

#include <QStringList>
#include <Qt>
#include <optional>

enum class LiveTimingAction {
    Stopwatch, // F5-F8
    UndoTime,  // Shift
    StartStop, // Ctrl: start the slot's session, or stop it when running
    PitInOut,  // Ctrl+Shift: pit in, or pit out when in the pits
};
QString LiveTimingActionName(LiveTimingAction action);

enum class KeyCommand { LiveTiming, Save, OpenSession, Find };

struct KeyAction {
    KeyCommand command;
    int slot = 0; // live timing: driver slot 1-4
    LiveTimingAction liveTiming = LiveTimingAction::Stopwatch;
    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// The action of a key with its modifiers (keypad modifier ignored, Alt too on F5-F8); nothing for other
// keys.
std::optional<KeyAction> KeyActionFor(int key, Qt::KeyboardModifiers modifiers);

// The area Ctrl+S saves on the shown page (path of English captions from the top): "Active session" and
// "Setup" the session, "Tracks" the tracks, "Maintenance Log", "Suppliers", "Part status" their lists,
// "Sessions" with "Scheduled" shown the schedule. Nothing elsewhere.
std::optional<Area> SaveAreaOfPage(const QStringList& shownPath);

// The pages left when the shown page changes from one path to the other, innermost first.
QList<QStringList> PagesLeft(const QStringList& fromPath, const QStringList& toPath);
