#pragma once
// The live timing on the "Active session" page: the window-wide controls ("Show all drivers", splits per
// lap, "Reset Lap Times", "Start Active Drivers") and the four driver slots. Without "Show all drivers"
// slots 2 to 4 make room for the session notes panel it is given (which may be null).
#include <QPointer>
#include <QWidget>
#include <array>

class DriverSlotPanel;
class LiveTimingModel;
class QCheckBox;
class QHBoxLayout;
class QComboBox;
class QToolButton;

class LiveTimingPanel : public QWidget {
    Q_OBJECT
  public:
    LiveTimingPanel(LiveTimingModel& model, QWidget* notesPanel, QWidget* parent = nullptr);

    void Refresh();
    DriverSlotPanel* SlotPanel(int slot) const { return m_slots.at(size_t(slot - 1)); }
    // A widget that floats over the page (the team logo): the slots and the notes panel below it start
    // their content under it, the others use the whole height.
    void KeepClearOf(QWidget* obstacle);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  Q_SIGNALS:
    // Emitted before every operation started here (see DriverSlotPanel::aboutToOperate).
    void aboutToOperate();

  private:
    void UpdateRoom();

    LiveTimingModel& m_model;
    QWidget* m_notesPanel;
    QWidget* m_notesHolder = nullptr;
    QHBoxLayout* m_slotsLayout = nullptr;
    QPointer<QWidget> m_obstacle;
    QCheckBox* m_showAll = nullptr;
    QComboBox* m_splits = nullptr;
    QToolButton* m_reset = nullptr;
    QToolButton* m_startActive = nullptr;
    std::array<DriverSlotPanel*, 4> m_slots{};
};
