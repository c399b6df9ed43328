// Weight distribution in both modes: figures, colours as shown, the sum-of-shares warning and totals of 0.
#include "calc/weight_distribution.h"

#include <QTest>

namespace {

WeightInputs Actual(QStringList weights) {
    WeightInputs inputs;
    for (size_t i = 0; i < 4; ++i)
        inputs.weights[i] = weights.value(qsizetype(i));
    return inputs;
}

WeightInputs Desired(QStringList percents, const QString& total) {
    WeightInputs inputs;
    for (size_t i = 0; i < 4; ++i)
        inputs.percents[i] = percents.value(qsizetype(i));
    inputs.total = total;
    return inputs;
}

// "weight percent colour" of every row, in row order.
QStringList Rows(const WeightResults& results) {
    QStringList rows;
    for (const WeightResult& row : results.rows)
        rows << (row.weight + ' ' + row.percent + ' ' + WeightColourName(row.colour));
    return rows;
}

} // namespace

class TestWeightDistribution : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void actualCornerWeights() {
        WeightResults results;
        CalculateWeights(Actual({"150", "160", "170", "180"}), results);
        QCOMPARE(results.total, "660.0");
        QCOMPARE(Rows(results), (QStringList{"150.0 22.7% blue", "160.0 24.2% blue", "170.0 25.8% red",
                                             "180.0 27.3% red", "310.0 47.0% blue", "350.0 53.0% red",
                                             "320.0 48.5% blue", "340.0 51.5% red", "330.0 50.0% normal"}));
        QVERIFY(!results.sumShown);
    }

    void resultsEmptied_data() {
        QTest::addColumn<QStringList>("weights");
        QTest::newRow("one empty corner") << QStringList{"150", "", "170", "180"};
        QTest::newRow("one word") << QStringList{"150", "160", "heavy", "180"};
    }
    // Whatever was shown before goes.
    void resultsEmptied() {
        QFETCH(QStringList, weights);
        WeightResults results;
        CalculateWeights(Actual({"150", "160", "170", "180"}), results);
        CalculateWeights(Actual(weights), results);
        QCOMPARE(results, WeightResults());
    }

    // Shares that show as the ideal are never coloured, whatever the double's last digits say.
    void coloursCompareTheShownFigure_data() {
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("ideal");
        QTest::addColumn<QString>("colour");
        QTest::newRow("noise above") << 24.6 + 25.4 << 50.0 << "normal";
        QTest::newRow("rounds up to ideal") << 49.96 << 50.0 << "normal";
        QTest::newRow("rounds down to ideal") << 25.04 << 25.0 << "normal";
        QTest::newRow("shown above") << 25.05 << 25.0 << "red";
        QTest::newRow("shown below") << 49.94 << 50.0 << "blue";
    }
    void coloursCompareTheShownFigure() {
        QFETCH(double, percent);
        QFETCH(double, ideal);
        QFETCH(QString, colour);
        QCOMPARE(WeightColourName(CompareShownPercent(percent, ideal)), colour);
    }

    void desiredDistribution_data() {
        QTest::addColumn<QStringList>("percents");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("warning"); // shown text and colour, or "" when hidden
        QTest::addColumn<QString>("shownTotal");
        QTest::addColumn<QStringList>("corners");
        QTest::newRow("sum below 100") << QStringList{"25", "25", "25", "24"} << "600"
                                       << "99.0% blue"
                                       << "600.0"
                                       << QStringList{"150.0 25.0% normal", "150.0 25.0% normal",
                                                      "150.0 25.0% normal", "144.0 24.0% blue"};
        QTest::newRow("sum above 100")
            << QStringList{"26", "25", "25", "25"} << "100"
            << "101.0% red"
            << "100.0"
            << QStringList{"26.0 26.0% red", "25.0 25.0% normal", "25.0 25.0% normal", "25.0 25.0% normal"};
        // 24.6 + 25.4 + 24.6 + 25.4 is not exactly 100 as a double.
        QTest::newRow("sum 100 with noise")
            << QStringList{"24.6", "25.4", "24.6", "25.4"} << "1000"
            << ""
            << "1000.0"
            << QStringList{"246.0 24.6% blue", "254.0 25.4% red", "246.0 24.6% blue", "254.0 25.4% red"};
    }
    void desiredDistribution() {
        QFETCH(QStringList, percents);
        QFETCH(QString, total);
        QFETCH(QString, warning);
        QFETCH(QString, shownTotal);
        QFETCH(QStringList, corners);
        WeightResults results;
        CalculateWeightsReversed(Desired(percents, total), results);
        QCOMPARE(results.sumShown ? results.sumWarning + ' ' + WeightColourName(results.sumColour)
                                  : QString(),
                 warning);
        QCOMPARE(results.total, shownTotal);
        QCOMPARE(Rows(results).mid(0, 4), corners);
    }

    void desiredSumsAndTheirShares() {
        WeightResults results;
        CalculateWeightsReversed(Desired({"24.6", "25.4", "24.6", "25.4"}, "1000"), results);
        QCOMPARE(Rows(results).mid(4),
                 (QStringList{"500.0 50.0% normal", "500.0 50.0% normal", "492.0 49.2% blue",
                              "508.0 50.8% red", "500.0 50.0% normal"}));
    }

    // Without a total weight the warning follows the shares and the other figures stay as they were.
    void desiredWithoutTotalKeepsTheFigures() {
        WeightResults results;
        CalculateWeightsReversed(Desired({"25", "25", "25", "25"}, "600"), results);
        const auto before = results.rows;
        CalculateWeightsReversed(Desired({"25", "25", "25", "24"}, ""), results);
        QCOMPARE(results.sumWarning, "99.0%");
        QVERIFY(results.sumShown);
        QCOMPARE(results.rows, before);
        QCOMPARE(results.total, "600.0");
        CalculateWeightsReversed(Desired({"25", "", "25", "24"}, "600"), results);
        QCOMPARE(results, WeightResults());
    }

    // A total of 0 shows the weights; every share that would divide by it stays empty and uncoloured.
    void totalZeroLeavesSharesEmpty() {
        WeightResults actual;
        CalculateWeights(Actual({"0", "0", "0", "0"}), actual);
        QCOMPARE(actual.total, "0.0");
        for (const WeightResult& row : actual.rows)
            QCOMPARE(row, (WeightResult{"0.0", "", WeightColour::Normal}));
        WeightResults desired;
        CalculateWeightsReversed(Desired({"25", "25", "25", "25"}, "0"), desired);
        QCOMPARE(desired.total, "0.0");
        QCOMPARE(Rows(desired),
                 (QStringList{"0.0 25.0% normal", "0.0 25.0% normal", "0.0 25.0% normal", "0.0 25.0% normal",
                              "0.0  normal", "0.0  normal", "0.0  normal", "0.0  normal", "0.0  normal"}));
    }

    // Each calculation runs only in its own mode; switching recomputes from the new mode's inputs.
    void modes() {
        WeightDistributionModel page;
        WeightInputs inputs = Actual({"150", "160", "170", "180"});
        inputs.percents = {"25", "25", "25", "24"};
        inputs.total = "600";
        page.DesiredChanged(inputs);
        QCOMPARE(page.Results(), WeightResults());
        page.CornerWeightChanged(inputs);
        QCOMPARE(page.Results().total, "660.0");
        page.SetMode(WeightMode::DesiredDistribution, inputs);
        QCOMPARE(page.Results().total, "600.0");
        QVERIFY(page.Results().sumShown);
        inputs.weights[0] = "1000";
        page.CornerWeightChanged(inputs);
        QCOMPARE(page.Results().total, "600.0");
        page.SetMode(WeightMode::ActualCornerWeights, inputs);
        QCOMPARE(page.Results().total, "1510.0");
        QVERIFY(!page.Results().sumShown);
    }
};

QTEST_GUILESS_MAIN(TestWeightDistribution)
#include "tst_weight_distribution.moc"
