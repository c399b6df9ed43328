#pragma once
// The "Dyno Data" window: the engine's 42 rows of rpm and power with the torque derived from them, and
// the chart of power, torque and the best-rpm band. Edits go to the setup calculators.
#include <QDialog>
#include <functional>

class ChartView;
class DynoTableModel;
class SetupCalculators;

class TDynoDataDlg : public QDialog {
    Q_OBJECT
  public:
    TDynoDataDlg(SetupCalculators& calculators, QWidget* parent = nullptr);

    // Shows the calculators' dyno data again (after an edit or a load).
    void Refresh();
    // Called before an edit is forwarded (the window marks the setup's "Engine" sub-page).
    void SetBeforeEdit(std::function<void()> beforeEdit);

  private:
    SetupCalculators& m_calculators;
    DynoTableModel* m_table = nullptr;
    ChartView* m_chart = nullptr;
};
