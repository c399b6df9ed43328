#include "chart_model.h"

#include "storage/number_format.h"

#include <cmath>

const ChartSeries* ChartModel::FindSeries(const QString& seriesTitle) const {
    for (const ChartSeries& one : series)
        if (one.title == seriesTitle) return &one;
    return nullptr;
}

const ChartRect* ChartModel::FindRect(const QString& rectTitle) const {
    for (const ChartRect& one : rects)
        if (one.title == rectTitle) return &one;
    return nullptr;
}

QString PointerReadout(double x, double y) {
    // A pointer outside any finite range (an empty axis) has nothing to read out.
    if (!std::isfinite(x) || !std::isfinite(y)) return {};
    return QStringLiteral("(%1, %2)").arg(RoundHalfEven(x)).arg(RoundHalfEven(y));
}
