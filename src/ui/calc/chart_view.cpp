#include "chart_view.h"

#include "storage/translate.h"

#include <QAreaSeries>
#include <QHash>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Room above the highest value so that the top curve does not touch the frame.
double NiceMaximum(double value) {
    if (!(value > 0)) return 1;
    const double step = std::pow(10.0, std::floor(std::log10(value)));
    return std::ceil(value * 1.05 / step * 2) * step / 2;
}

// Enough decimals that neighbouring tick labels differ ("0.5" between "0" and "1", not "0" "0" "1").
QString AxisLabelFormat(double maximum, int tickCount) {
    const double step = tickCount > 1 ? maximum / (tickCount - 1) : maximum;
    if (!(step > 0) || step >= 1) return QStringLiteral("%.0f");
    const int decimals = std::min(6, int(std::ceil(-std::log10(step))));
    return QStringLiteral("%.") + QString::number(decimals) + u'f';
}

} // namespace

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    chart()->legend()->setAlignment(Qt::AlignRight);
    m_xAxis = new QValueAxis(chart());
    m_yAxis = new QValueAxis(chart());
    m_xAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_yAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart()->addAxis(m_xAxis, Qt::AlignBottom);
    chart()->addAxis(m_yAxis, Qt::AlignLeft);
    m_noData = new QLabel(Translate("No data"), this);
    m_noData->setObjectName(QStringLiteral("noDataNote"));
    m_noData->setAlignment(Qt::AlignCenter);
    m_noData->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_noData->hide();
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    m_noData->setGeometry(rect());
}

void ChartView::Show(const ChartModel& model) {
    // The axes stay; only the series and the titles change.
    QChart* target = chart();
    target->removeAllSeries();
    target->setTitle(model.title);
    QValueAxis* xAxis = m_xAxis;
    QValueAxis* yAxis = m_yAxis;
    xAxis->setTitleText(model.xAxisTitle);
    yAxis->setTitleText(model.yAxisTitle);
    double maxX = 0, maxY = 0;
    bool anyData = false;
    auto attach = [&](QAbstractSeries* series) {
        target->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };

    // Rectangles first, so that the curves are drawn over them.
    for (const ChartRect& rect : model.rects) {
        if (rect.IsEmpty()) continue;
        auto* upper = new QLineSeries;
        upper->append(rect.left, rect.top);
        upper->append(rect.right, rect.top);
        auto* lower = new QLineSeries;
        lower->append(rect.left, rect.bottom);
        lower->append(rect.right, rect.bottom);
        auto* area = new QAreaSeries(upper, lower);
        // An area series does not own its bounding lines: they go with it when the chart removes it.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(Translate(rect.title));
        QColor fill(0x66, 0xcc, 0x66, 60);
        area->setBrush(fill);
        area->setPen(QPen(fill.darker(150), 1));
        attach(area);
        maxX = std::max({maxX, rect.left, rect.right});
        maxY = std::max({maxY, rect.top, rect.bottom});
        anyData = true;
    }
    QHash<QString, QColor> lineColours;
    for (const ChartSeries& one : model.series) {
        QXYSeries* series = nullptr;
        if (one.kind == ChartSeries::Kind::Points) {
            auto* points = new QScatterSeries;
            points->setMarkerSize(8);
            series = points;
        } else {
            series = new QLineSeries;
        }
        series->setName(Translate(one.title));
        for (const ChartPoint& point : one.points) {
            if (!std::isfinite(point.x) || !std::isfinite(point.y)) continue;
            series->append(point.x, point.y);
            maxX = std::max(maxX, point.x);
            maxY = std::max(maxY, point.y);
            // The origin alone is where a curve starts, not data (the dyno's empty curves hold it).
            if (point.x != 0 || point.y != 0) anyData = true;
        }
        attach(series);
        // Points named after a line ("Gear1 Limits") take the line's colour.
        if (one.kind == ChartSeries::Kind::Line) {
            lineColours.insert(one.title, series->color());
        } else {
            const QString line = one.title.section(QLatin1Char(' '), 0, 0);
            if (lineColours.contains(line)) series->setColor(lineColours.value(line));
        }
        // Empty series and point series stay out of the legend.
        for (QLegendMarker* marker : target->legend()->markers(series))
            marker->setVisible(!one.points.empty() && one.kind == ChartSeries::Kind::Line);
    }
    // Without data the axes still show a readable scale, and a note says why the plot is empty.
    for (auto [axis, maximum] : {std::pair{xAxis, maxX}, std::pair{yAxis, maxY}}) {
        axis->setRange(0, anyData ? NiceMaximum(maximum) : 10);
        axis->applyNiceNumbers();
        axis->setLabelFormat(AxisLabelFormat(axis->max(), axis->tickCount()));
    }
    m_noData->setVisible(!anyData);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    const QPointF scene = mapToScene(event->position().toPoint());
    const QPointF inChart = chart()->mapFromScene(scene);
    if (!chart()->plotArea().contains(inChart)) {
        Q_EMIT pointerMoved(QString());
        return;
    }
    const QPointF value = chart()->mapToValue(inChart);
    Q_EMIT pointerMoved(PointerReadout(value.x(), value.y()));
}
