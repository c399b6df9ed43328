#pragma once
// The weight distribution results the setup report prints: weight and share of each corner, axle, side
// and the cross weight, computed from the setup's inputs as the weight distribution page does.
#include <QString>

struct SetupRecord;

struct WeightFigure {
    QString weight;  // "0.0"
    QString percent; // "0.0%"
};

struct WeightFigures {
    WeightFigure fl, fr, rl, rr, front, rear, left, right, cross;
    QString total; // "0.0"
};

// From the four corner weights when they are all numbers; otherwise from the desired percentages and
// the total weight when those are numbers; otherwise every text is empty. A total of 0 leaves the
// percentages empty.
WeightFigures ComputeWeightFigures(const SetupRecord& record);
