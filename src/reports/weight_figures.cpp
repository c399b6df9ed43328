#include "weight_figures.h"

#include "session/setup_record.h"
#include "storage/number_format.h"

#include <array>
#include <optional>

namespace {

std::optional<double> Number(const SetupRecord& record, const char* key) {
    return ParseDecimal(
        record.Value(QStringLiteral("weight_distribution"), QString::fromLatin1(key)).trimmed());
}

WeightFigure Figure(double weight, double total) {
    WeightFigure figure;
    figure.weight = FormatPattern(weight, QStringLiteral("0.0"));
    if (total != 0)
        figure.percent = FormatPattern(weight * 100 / total, QStringLiteral("0.0")) + QLatin1Char('%');
    return figure;
}

} // namespace

WeightFigures ComputeWeightFigures(const SetupRecord& record) {
    WeightFigures result;
    std::array<double, 4> corners{};
    double total = 0;
    const std::array<std::optional<double>, 4> weights = {
        Number(record, "weight_car_fl"), Number(record, "weight_car_fr"), Number(record, "weight_car_rl"),
        Number(record, "weight_car_rr")};
    const std::array<std::optional<double>, 4> percents = {
        Number(record, "weight_car_fl_percent"), Number(record, "weight_car_fr_percent"),
        Number(record, "weight_car_rl_percent"), Number(record, "weight_car_rr_percent")};
    const std::optional<double> desiredTotal = Number(record, "weight_car_total");
    const auto all = [](const std::array<std::optional<double>, 4>& values) {
        for (const auto& value : values)
            if (!value) return false;
        return true;
    };
    if (all(weights)) {
        for (size_t i = 0; i < 4; ++i) {
            corners[i] = *weights[i];
            total += corners[i];
        }
    } else if (all(percents) && desiredTotal) {
        total = *desiredTotal;
        for (size_t i = 0; i < 4; ++i)
            corners[i] = total * *percents[i] / 100;
    } else {
        return result;
    }
    result.fl = Figure(corners[0], total);
    result.fr = Figure(corners[1], total);
    result.rl = Figure(corners[2], total);
    result.rr = Figure(corners[3], total);
    result.front = Figure(corners[0] + corners[1], total);
    result.rear = Figure(corners[2] + corners[3], total);
    result.left = Figure(corners[0] + corners[2], total);
    result.right = Figure(corners[1] + corners[3], total);
    result.cross = Figure(corners[1] + corners[2], total);
    result.total = FormatPattern(total, QStringLiteral("0.0"));
    return result;
}
