#pragma once
// What a chart shows, without drawing it: titled line and point series, filled rectangles and the axis
// titles. The chart widget copies these into its charting library; tests read them directly.
#include <QString>
#include <vector>

struct ChartPoint {
    double x = 0;
    double y = 0;
    bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
    enum class Kind { Line, Points };
    QString title;
    Kind kind = Kind::Line;
    std::vector<ChartPoint> points;
};

// A filled rectangle; all corners 0 means empty.
struct ChartRect {
    QString title;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
};

struct ChartModel {
    QString title;
    QString xAxisTitle;
    QString yAxisTitle;
    std::vector<ChartSeries> series;
    std::vector<ChartRect> rects;

    const ChartSeries* FindSeries(const QString& seriesTitle) const;
    const ChartRect* FindRect(const QString& rectTitle) const;
};

// The read-out of the pointer over a chart: "(x, y)" with both axis values rounded to whole numbers.
QString PointerReadout(double x, double y);
