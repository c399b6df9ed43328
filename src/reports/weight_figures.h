#pragma once
// The weight distribution results the setup report prints, computed from the setup's inputs as the
// weight distribution page computes them.
#include "calc/weight_distribution.h"

#include <optional>

struct SetupRecord;

// The page's inputs as the setup holds them.
WeightInputs WeightInputsOf(const SetupRecord& record);

// In the page's mode when given. Without one (a file reported on its own): from the four corner weights
// when they are all numbers, otherwise from the desired shares and the total weight.
WeightResults ComputeWeightFigures(const SetupRecord& record, std::optional<WeightMode> mode = std::nullopt);
