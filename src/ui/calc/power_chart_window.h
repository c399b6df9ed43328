#pragma once
// The "Power Chart" window: power or driving force of every gear against road speed, with the limit
// points and sweet ranges. It stays above the main window; its context menu switches the mode and
// closing it unticks "Show PowerChart".
#include <QDialog>
#include <functional>

class ChartView;
class QLabel;
class SetupCalculators;

class TPowerChartForm : public QDialog {
    Q_OBJECT
  public:
    TPowerChartForm(SetupCalculators& calculators, QWidget* parent = nullptr);

    // Draws the calculators' power chart again.
    void Refresh();

    // Closing the window by its frame or by Esc.
    void reject() override;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    SetupCalculators& m_calculators;
    ChartView* m_chart = nullptr;
    QLabel* m_readout = nullptr;
};
