#pragma once
// Window geometry kept in the machine-wide settings store under "Coords".
#include "services/services.h"
#include <array>

struct WindowGeometry {
    struct Rect {
        int top = 0, left = 0, width = 184, height = 110; // a time window's base size
    };
    int formWidth = 1024;
    int formHeight = 720;
    bool maximized = false;
    std::array<Rect, 4> timers; // the per-driver time windows, slot order; top-left of the screen at first
    int pitPanelTop = 0;
    int pitPanelLeft = 0;
    int tireListTreeWidth = 0;          // applied only when greater than 0
    int tireDataPanelHeight = 0;        // applied only when greater than 0
    int completedSessionsTreeWidth = 0; // applied only when greater than 0
};

// Reads the values in their fixed order. No "Coords" key at all leaves every default; a missing or
// unreadable value ends the reading there and keeps what was read before it.
void ReadWindowGeometry(SettingsStore& store, WindowGeometry& geometry);
// Writes every value; store errors are ignored.
void WriteWindowGeometry(SettingsStore& store, const WindowGeometry& geometry);
