#include "weight_figures.h"

#include "session/setup_record.h"

namespace {

QString Value(const SetupRecord& record, const char* key) {
    return record.Value(QStringLiteral("weight_distribution"), QString::fromLatin1(key));
}

} // namespace

WeightInputs WeightInputsOf(const SetupRecord& record) {
    WeightInputs inputs;
    const char* corners[] = {"fl", "fr", "rl", "rr"};
    for (size_t i = 0; i < 4; ++i) {
        const QByteArray key = QByteArray("weight_car_") + corners[i];
        inputs.weights[i] = Value(record, key.constData());
        inputs.percents[i] = Value(record, (key + "_percent").constData());
    }
    inputs.total = Value(record, "weight_car_total");
    return inputs;
}

WeightResults ComputeWeightFigures(const SetupRecord& record, std::optional<WeightMode> mode) {
    const WeightInputs inputs = WeightInputsOf(record);
    WeightResults results;
    if (mode) {
        CalculateWeightsIn(*mode, inputs, results);
        return results;
    }
    CalculateWeights(inputs, results);
    if (results.total.isEmpty()) CalculateWeightsReversed(inputs, results);
    return results;
}
