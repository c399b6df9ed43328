#include "weight_distribution.h"

#include "storage/number_format.h"
#include "storage/translate.h"

#include <optional>

namespace {

constexpr double kCornerIdeal = 25;
constexpr double kSideIdeal = 50;

QString WeightText(double value) {
    return FormatPattern(value, QStringLiteral("0.0"));
}

QString PercentText(double value) {
    return FormatPattern(value, QStringLiteral("0.0")) + QLatin1Char('%');
}

// The value as its one-decimal text shows it.
double Shown(double value) {
    return ParseDecimal(FormatPattern(value, QStringLiteral("0.0"))).value_or(value);
}

std::optional<std::array<double, 4>> Numbers(const std::array<QString, 4>& texts) {
    std::array<double, 4> values{};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<double> value = ParseDecimal(texts[i].trimmed());
        if (!value) return std::nullopt;
        values[i] = *value;
    }
    return values;
}

double Ideal(int row) {
    return row <= RR ? kCornerIdeal : kSideIdeal;
}

WeightResult Result(int row, double weight, std::optional<double> percent) {
    WeightResult result;
    result.weight = WeightText(weight);
    if (percent) {
        result.percent = PercentText(*percent);
        result.colour = CompareShownPercent(*percent, Ideal(row));
    }
    return result;
}

// The axles, sides and cross weight from the corners: sums of the corner weights, each with its share
// of the total (none when the total is 0).
void FillSums(const std::array<double, 4>& corners, double total, WeightResults& results) {
    const auto share = [total](double weight) -> std::optional<double> {
        if (total == 0) return std::nullopt;
        return weight * 100 / total;
    };
    const double sums[] = {corners[FL] + corners[FR], corners[RL] + corners[RR], corners[FL] + corners[RL],
                           corners[FR] + corners[RR], corners[FR] + corners[RL]};
    for (int row = Front; row <= Cross; ++row) {
        const double weight = sums[row - Front];
        results.rows[size_t(row)] = Result(row, weight, share(weight));
    }
}

} // namespace

QString WeightColourName(WeightColour colour) {
    switch (colour) {
    case WeightColour::Red:
        return QStringLiteral("red");
    case WeightColour::Blue:
        return QStringLiteral("blue");
    case WeightColour::Normal:
        break;
    }
    return QStringLiteral("normal");
}

WeightColour CompareShownPercent(double percent, double ideal) {
    const double shown = Shown(percent);
    if (shown > ideal) return WeightColour::Red;
    if (shown < ideal) return WeightColour::Blue;
    return WeightColour::Normal;
}

const QStringList& WeightRowCaptions() {
    static const QStringList captions = {
        QStringLiteral("FL"),       QStringLiteral("FR"),        QStringLiteral("RL"),
        QStringLiteral("RR"),       QStringLiteral("Front"),     QStringLiteral("Rear"),
        QStringLiteral(N_("Left")), QStringLiteral(N_("Right")), QStringLiteral(N_("Cross weight"))};
    return captions;
}

void CalculateWeights(const WeightInputs& inputs, WeightResults& results) {
    results = WeightResults();
    const std::optional<std::array<double, 4>> corners = Numbers(inputs.weights);
    if (!corners) return;
    const double total = (*corners)[FL] + (*corners)[FR] + (*corners)[RL] + (*corners)[RR];
    results.total = WeightText(total);
    for (int row = FL; row <= RR; ++row) {
        const double weight = (*corners)[size_t(row)];
        results.rows[size_t(row)] =
            Result(row, weight, total == 0 ? std::nullopt : std::optional<double>(weight * 100 / total));
    }
    FillSums(*corners, total, results);
}

void CalculateWeightsReversed(const WeightInputs& inputs, WeightResults& results) {
    const std::optional<std::array<double, 4>> percents = Numbers(inputs.percents);
    if (!percents) {
        results = WeightResults();
        return;
    }
    const double sum = (*percents)[FL] + (*percents)[FR] + (*percents)[RL] + (*percents)[RR];
    results.sumWarning = PercentText(sum);
    // Decided on the shown sum: shares that add up to "100.0%" need no warning.
    const WeightColour sumColour = CompareShownPercent(sum, 100);
    results.sumShown = sumColour != WeightColour::Normal;
    results.sumColour = sumColour;

    const std::optional<double> total = ParseDecimal(inputs.total.trimmed());
    if (!total) return;
    std::array<double, 4> corners{};
    for (int row = FL; row <= RR; ++row) {
        corners[size_t(row)] = *total * (*percents)[size_t(row)] / 100;
        results.rows[size_t(row)] = Result(row, corners[size_t(row)], (*percents)[size_t(row)]);
    }
    FillSums(corners, *total, results);
    results.total = WeightText(*total);
}

void CalculateWeightsIn(WeightMode mode, const WeightInputs& inputs, WeightResults& results) {
    if (mode == WeightMode::ActualCornerWeights)
        CalculateWeights(inputs, results);
    else
        CalculateWeightsReversed(inputs, results);
}

QString WeightDistributionModel::ModeCaption() {
    return Translate("Calculation mode is based on");
}

QStringList WeightDistributionModel::ModeChoices() {
    return {Translate("Actual corner weights"), Translate("Desired weight distribution")};
}

QString WeightDistributionModel::PictureHint() {
    return Translate("Right click to choose a picture");
}

void WeightDistributionModel::CornerWeightChanged(const WeightInputs& inputs) {
    if (m_mode == WeightMode::ActualCornerWeights) CalculateWeights(inputs, m_results);
}

void WeightDistributionModel::DesiredChanged(const WeightInputs& inputs) {
    if (m_mode == WeightMode::DesiredDistribution) CalculateWeightsReversed(inputs, m_results);
}

void WeightDistributionModel::SetMode(WeightMode mode, const WeightInputs& inputs) {
    m_mode = mode;
    Recalculate(inputs);
}

void WeightDistributionModel::Recalculate(const WeightInputs& inputs) {
    CalculateWeightsIn(m_mode, inputs, m_results);
}
