#pragma once
// Weight distribution over the four wheels: the weight and share of each corner, of the front and rear
// axle, of the left and right side and the cross weight (front right plus rear left). Two modes: from the
// four corner scale readings, or from desired corner shares and a total weight.
#include <QString>
#include <QStringList>
#include <array>

enum class WeightMode { ActualCornerWeights = 0, DesiredDistribution = 1 };

// How a percentage compares with its ideal (25 for a corner, 50 for an axle, a side or the cross
// weight): above is red, below blue, equal the normal text colour.
enum class WeightColour { Normal, Red, Blue };

QString WeightColourName(WeightColour colour); // "normal", "red", "blue"

// The colour of a percentage against its ideal, compared as shown (one decimal): a shown "50.0%" is
// never coloured whatever digits the double carries beyond it.
WeightColour CompareShownPercent(double percent, double ideal);

// The inputs as typed (texts): corners in the order FL, FR, RL, RR.
struct WeightInputs {
    std::array<QString, 4> weights;  // corner scale readings
    std::array<QString, 4> percents; // desired shares
    QString total;                   // desired total weight
};

struct WeightResult {
    QString weight;  // "0.0"
    QString percent; // "0.0%"
    WeightColour colour = WeightColour::Normal;
    bool operator==(const WeightResult&) const = default;
};

enum WeightRow { FL, FR, RL, RR, Front, Rear, Left, Right, Cross, WeightRowCount };

struct WeightResults {
    std::array<WeightResult, WeightRowCount> rows;
    QString total; // "0.0"
    // Desired mode: the sum of the four shares ("0.0%"), shown unless it is 100.0; blue below, red above.
    QString sumWarning;
    bool sumShown = false;
    WeightColour sumColour = WeightColour::Normal;
    bool operator==(const WeightResults&) const = default;
};

// The captions of the rows in WeightRow order ("FL" .. "RR", "Front", "Rear", "Left", "Right",
// "Cross weight").
const QStringList& WeightRowCaptions();

// From the four corner weights. Any corner that is not a number empties every result. A total of 0
// shows the weights and leaves every percentage empty.
void CalculateWeights(const WeightInputs& inputs, WeightResults& results);
// From the desired shares and the total weight. Any share that is not a number empties every result;
// the sum warning follows the shares; a total that is not a number leaves the other results as they
// were. A total of 0 shows the weights and the corner shares, the other percentages stay empty.
void CalculateWeightsReversed(const WeightInputs& inputs, WeightResults& results);
void CalculateWeightsIn(WeightMode mode, const WeightInputs& inputs, WeightResults& results);

// The weight distribution page: the chosen mode and the results of the last calculation.
class WeightDistributionModel {
  public:
    static QString ModeCaption();     // "Calculation mode is based on"
    static QStringList ModeChoices(); // "Actual corner weights", "Desired weight distribution"
    static QString PictureHint();     // what the picture area says when empty

    WeightMode Mode() const { return m_mode; }
    const WeightResults& Results() const { return m_results; }

    // A corner weight changed: computes when the actual-weights mode is chosen.
    void CornerWeightChanged(const WeightInputs& inputs);
    // A share or the total weight changed: computes when the desired mode is chosen.
    void DesiredChanged(const WeightInputs& inputs);
    // The mode is switched: computes in the new mode from its own inputs.
    void SetMode(WeightMode mode, const WeightInputs& inputs);
    // A setup was loaded or cleared: computes in the chosen mode.
    void Recalculate(const WeightInputs& inputs);

  private:
    WeightMode m_mode = WeightMode::ActualCornerWeights;
    WeightResults m_results;
};
