#pragma once
// Draws a plain chart model (line and point series, filled rectangles, titles) with Qt Charts and reports
// the axis values under the pointer. An empty model shows a plain scale and a "No data" note.
#include "calc/chart_model.h"

#include <QChartView>

class QLabel;
class QValueAxis;

class ChartView : public QChartView {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);

    // Replaces everything drawn with the model's series and rectangles.
    void Show(const ChartModel& model);

  Q_SIGNALS:
    // "(x, y)" of the pointer in axis values; empty outside the plot.
    void pointerMoved(const QString& readout);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QValueAxis* m_xAxis = nullptr;
    QValueAxis* m_yAxis = nullptr;
    QLabel* m_noData = nullptr; // shown over the plot while it has nothing to draw
};
