#pragma once
// The controls of one driver slot on the "Active session" page: name box, Start/Stop, stopwatch, undo,
// P.I/P.O, the lap table and the figures. It forwards every event to the live timing and redraws from
// the slot when told; its 100 ms tick runs while the slot does.
#include <QWidget>
#include <utility>
#include <vector>

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
    // Room kept free above the slot's controls (something floats over its top).
    void SetTopRoom(int pixels);
    bool TickRunning() const;

  Q_SIGNALS:
    // Emitted before an operation so the owner can hand over the main window's place first.
    void aboutToOperate();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Operate(bool (LiveTimingModel::*operation)(int));
    void FitColumns();
    void ScrollToLastRow();
    QLabel* MakeFigureLabel();
    QLabel* AddFigure(const QString& caption);
    void PlaceFigures(bool speedsBeside);

    static constexpr int kMinimumWidth = 150;
    static constexpr int kSpeedsBesideWidth = 230;

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
    QGridLayout* m_figures = nullptr;
    std::vector<std::pair<QLabel*, QLabel*>> m_figureRows; // caption, value
    bool m_speedsBeside = false;
    bool m_figuresPlaced = false;
    QLabel* m_startText = nullptr;
    QLabel* m_elapsed = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_bestSpeed = nullptr;
    QLabel* m_mean = nullptr;
    QLabel* m_meanSpeed = nullptr;
    QLabel* m_distance = nullptr;
    QLabel* m_theoretical = nullptr;
    QFrame* m_pitTimePanel = nullptr;
    QLabel* m_pitTime = nullptr;
    QLabel* m_lapsRemaining = nullptr;
    QTimer* m_tick = nullptr;
    int m_scrolledTo = 0;
    int m_columns = 0;
};
