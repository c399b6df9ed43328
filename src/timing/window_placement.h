#pragma once
// Where the time windows and the pit crew panel appear the first time they are shown, and how a time
// window's read-out scales with its size.
struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // A window whose top and left are both 0 has never been placed.
    bool IsPlaced() const { return left != 0 || top != 0; }
};

// Time window of slot (1..4) below the main window's upper part, one quarter of its width per slot.
WindowRect PlaceTimeWindow(const WindowRect& current, const WindowRect& mainWindow, int slot);
// Pit crew panel centred on the main window's top edge.
WindowRect PlacePitPanel(const WindowRect& current, const WindowRect& mainWindow);

struct TimeWindowFonts {
    int timeSize = 0;
    int diffSize = 0;
    int lapsRemainingSize = 0; // follows the difference line
};

// The smallest size of a time window, which is also the base size its fonts are designed for.
inline constexpr int kTimeWindowBaseWidth = 184;
inline constexpr int kTimeWindowBaseHeight = 110;

TimeWindowFonts ScaleTimeWindowFonts(int width, int height, int baseTimeSize, int baseDiffSize,
                                     int baseWidth = kTimeWindowBaseWidth,
                                     int baseHeight = kTimeWindowBaseHeight);
