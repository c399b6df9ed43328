// A chart with nothing to draw shows a readable scale and says so; with data the note goes away and
// the tick labels stay distinct however small the values are.
#include "ui/calc/chart_view.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QValueAxis>

namespace {
ChartModel CurveThrough(std::vector<ChartPoint> points) {
    ChartModel model;
    model.series.push_back({QStringLiteral("Power (hp)"), ChartSeries::Kind::Line, std::move(points)});
    return model;
}

QStringList TickLabels(const QValueAxis* axis) {
    QStringList labels;
    const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
    for (int tick = 0; tick < axis->tickCount(); ++tick)
        labels << QString::asprintf(qPrintable(axis->labelFormat()), axis->min() + tick * step);
    return labels;
}
} // namespace

class TestChartView : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void emptyAndSmallCharts_data() {
        QTest::addColumn<std::vector<ChartPoint>>("points");
        QTest::addColumn<bool>("noData");
        QTest::newRow("no series points") << std::vector<ChartPoint>{} << true;
        QTest::newRow("only the origin") << std::vector<ChartPoint>{{0, 0}} << true;
        QTest::newRow("values below one") << std::vector<ChartPoint>{{0.2, 0.3}, {0.8, 0.6}} << false;
        QTest::newRow("a dyno curve") << std::vector<ChartPoint>{{6000, 40}, {9000, 62}} << false;
    }
    void emptyAndSmallCharts() {
        QFETCH(std::vector<ChartPoint>, points);
        QFETCH(bool, noData);
        ChartView view;
        view.resize(500, 400);
        view.show();
        view.Show(CurveThrough(points));
        QCOMPARE(view.findChild<QLabel*>(QStringLiteral("noDataNote"))->isVisible(), noData);
        const auto axes = view.chart()->axes();
        QCOMPARE(axes.size(), 2);
        for (QAbstractAxis* axis : axes) {
            const QStringList labels = TickLabels(static_cast<QValueAxis*>(axis));
            QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()); // no "0 0 1 1"
            if (noData) QCOMPARE(static_cast<QValueAxis*>(axis)->max(), 10.0);
        }
    }
};

QTEST_MAIN(TestChartView)
#include "tst_chart_view.moc"
