#pragma once
// One driver's time window: always on top, resizable, the read-out scaled to the window. It shows the
// texts of the slot's ShowTimeModel and runs its 100 ms display tick while shown and counting. Keys
// pressed in it reach the main window (its parent), so F5..F8 work here too.
#include "timing/window_placement.h"

#include <QWidget>

class LiveTimingModel;
class QLabel;
class QTimer;

class TShowTimeDlg : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kBaseTimeFontSize = 22;
    static constexpr int kBaseDiffFontSize = 8;

    TShowTimeDlg(LiveTimingModel& model, int slot, QWidget* parent);

    // Shows or hides the window as the model says and redraws its texts.
    void Refresh();
    bool TickRunning() const;
    QLabel* TimeLabel() const { return m_time; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    void KeepGeometry();

    LiveTimingModel& m_model;
    int m_slot;
    QLabel* m_time = nullptr;
    QLabel* m_diff = nullptr;
    QLabel* m_bestDiff = nullptr;
    QLabel* m_lapsRemaining = nullptr;
    QTimer* m_tick = nullptr;
    bool m_applying = false;
};

// A window's place (its frame's top left) and size (inside the frame, as resize() takes it).
WindowRect RectOf(const QWidget* window);
