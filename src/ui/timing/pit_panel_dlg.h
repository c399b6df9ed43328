#pragma once
// "Pit Crew Panel": the gaps between drivers at the same pass count, "&Reset all" and the countdown to
// the planned end of the session. Always on top; keys pressed in it reach the main window (its parent).
#include <QWidget>

class LiveTimingModel;
class QCheckBox;
class QFrame;
class QLabel;
class QTableWidget;
class QTimeEdit;
class QTimer;

class TPitPanelDlg : public QWidget {
    Q_OBJECT
  public:
    TPitPanelDlg(LiveTimingModel& model, QWidget* parent);

    void Refresh();
    bool TickRunning() const;
    QTableWidget* DiffGrid() const { return m_grid; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    LiveTimingModel& m_model;
    QTableWidget* m_grid = nullptr;
    QCheckBox* m_showTimer = nullptr;
    QFrame* m_remainingPanel = nullptr;
    QTimeEdit* m_endTime = nullptr;
    QLabel* m_timeLeft = nullptr;
    QTimer* m_tick = nullptr;
    bool m_applying = false;
};
