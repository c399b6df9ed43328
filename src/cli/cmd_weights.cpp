// vorlapa-cli weights --fl W --fr W --rl W --rr W
// vorlapa-cli weights --desired --fl P --fr P --rl P --rr P --total W
// The weight distribution page's results: one line per figure, caption, value and colour ("red" above
// the ideal share, "blue" below, "normal" otherwise) separated by TAB; a percentage's caption is its
// row's followed by " %". In the desired mode the sum-of-percentages warning follows when the page
// shows it.
#include "calc/weight_distribution.h"
#include "command_registry.h"
#include "storage/number_format.h"

namespace {

const QString kUsage = QStringLiteral(
    "weights --fl W --fr W --rl W --rr W | weights --desired --fl P --fr P --rl P --rr P --total W");

void PrintFigure(const QString& caption, const QString& value, WeightColour colour) {
    cli::PrintLine(caption + QLatin1Char('\t') + value + QLatin1Char('\t') + WeightColourName(colour));
}

int Weights(const QStringList& arguments) {
    QStringList args = arguments;
    const bool desired = cli::TakeFlag(args, QStringLiteral("--desired"));
    std::array<std::optional<QString>, 4> corners;
    const char* names[] = {"--fl", "--fr", "--rl", "--rr"};
    for (size_t i = 0; i < 4; ++i)
        corners[i] = cli::TakeOption(args, QString::fromLatin1(names[i]));
    const std::optional<QString> total = cli::TakeOption(args, QStringLiteral("--total"));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty() || desired != total.has_value()) return cli::UsageError(kUsage);
    WeightInputs inputs;
    for (size_t i = 0; i < 4; ++i) {
        if (!corners[i]) return cli::UsageError(kUsage);
        (desired ? inputs.percents : inputs.weights)[i] = *corners[i];
    }
    if (total) inputs.total = *total;
    QStringList values;
    for (const auto& value : corners)
        values << *value;
    if (total) values << *total;
    for (const QString& value : values)
        if (!IsDecimalText(value.trimmed())) {
            cli::PrintError(QStringLiteral("Not a number: ") + value);
            return 1;
        }

    WeightResults results;
    CalculateWeightsIn(desired ? WeightMode::DesiredDistribution : WeightMode::ActualCornerWeights, inputs,
                       results);
    for (int row = 0; row < WeightRowCount; ++row) {
        const WeightResult& result = results.rows[size_t(row)];
        const QString caption = WeightRowCaptions().at(row);
        PrintFigure(caption, result.weight, WeightColour::Normal);
        PrintFigure(caption + QStringLiteral(" %"), result.percent, result.colour);
    }
    PrintFigure(QStringLiteral("Total weight"), results.total, WeightColour::Normal);
    if (desired && results.sumShown)
        PrintFigure(QStringLiteral("Sum of percentages"), results.sumWarning, results.sumColour);
    return 0;
}

const cli::Registrar registrar(QStringLiteral("weights"), kUsage, Weights);

} // namespace
