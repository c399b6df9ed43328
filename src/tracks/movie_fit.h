#pragma once
// Placing a track movie in its panel.
#include <QRect>
#include <QSize>

// The video's rectangle inside a panel of the given size: a video larger than the panel in either
// direction is scaled down keeping its aspect ratio until it fills the limiting direction; a video that
// fits keeps its size; the result is centred. A video without a size (none reported, or audio only)
// fills the panel; an empty panel gives an empty rectangle.
QRect FitMovie(QSize video, QSize panel);
