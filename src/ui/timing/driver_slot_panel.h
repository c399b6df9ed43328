#pragma once
// The controls of one driver slot on the "Active session" page: name box, Start/Stop, stopwatch, undo,
// P.I/P.O, the lap table and the figures. It forwards every event to the live timing and redraws from
// the slot when told; its 100 ms tick runs while the slot does.
#include <QWidget>

class LapTableModel;
class LiveTimingModel;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableView;
class QTimer;
class QToolButton;

class DriverSlotPanel : public QWidget {
    Q_OBJECT
  public:
    DriverSlotPanel(LiveTimingModel& model, int slot, QWidget* parent = nullptr);

    void Refresh();
    QTableView* Table() const { return m_table; }
    bool TickRunning() const;

  Q_SIGNALS:
    // Emitted before an operation so the owner can hand over the main window's place first.
    void aboutToOperate();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Operate(bool (LiveTimingModel::*operation)(int));
    void FitColumns();
    QLabel* AddFigure(QGridLayout* grid, int row, const QString& caption, QLabel** second = nullptr);

    LiveTimingModel& m_model;
    int m_slot;
    QComboBox* m_name = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QToolButton* m_stopwatch = nullptr;
    QToolButton* m_undo = nullptr;
    QPushButton* m_pitIn = nullptr;
    QPushButton* m_pitOut = nullptr;
    QTableView* m_table = nullptr;
    LapTableModel* m_tableModel = nullptr;
    QLabel* m_startText = nullptr;
    QLabel* m_elapsed = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_bestSpeed = nullptr;
    QLabel* m_mean = nullptr;
    QLabel* m_meanSpeed = nullptr;
    QLabel* m_distance = nullptr;
    QFrame* m_pitTimePanel = nullptr;
    QLabel* m_pitTime = nullptr;
    QLabel* m_lapsRemaining = nullptr;
    QTimer* m_tick = nullptr;
    int m_scrolledTo = 0;
    int m_columns = 0;
};
