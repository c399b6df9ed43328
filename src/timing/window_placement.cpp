#include "window_placement.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double value) {
    return int(std::nearbyint(value)); // halves to even
}

} // namespace

WindowRect PlaceTimeWindow(const WindowRect& current, const WindowRect& mainWindow, int slot) {
    if (current.IsPlaced()) return current;
    WindowRect placed = current;
    placed.top = mainWindow.top + Round(mainWindow.height * 27 / 100.0);
    const int quarter = std::clamp(slot, 1, 4) - 1;
    placed.left = mainWindow.left + Round(mainWindow.width * quarter / 4.0) + 10;
    return placed;
}

WindowRect PlacePitPanel(const WindowRect& current, const WindowRect& mainWindow) {
    if (current.IsPlaced()) return current;
    WindowRect placed = current;
    placed.top = mainWindow.top;
    placed.left = mainWindow.left + Round((mainWindow.width - current.width) / 2.0);
    return placed;
}

TimeWindowFonts ScaleTimeWindowFonts(int width, int height, int baseTimeSize, int baseDiffSize, int baseWidth,
                                     int baseHeight) {
    if (baseWidth <= 0 || baseHeight <= 0) return {baseTimeSize, baseDiffSize, baseDiffSize};
    const double factor = std::min(double(width) / baseWidth, double(height) / baseHeight);
    TimeWindowFonts fonts;
    fonts.timeSize = Round(baseTimeSize * factor);
    fonts.diffSize = Round(baseDiffSize * factor);
    fonts.lapsRemainingSize = fonts.diffSize;
    return fonts;
}
