#pragma once
// The calculators on screen: the "Gearing" sub-page, the "Dyno Data" button above the engine fields with
// its window, the power chart, the jetting guru, the tire pressure guru and the weight distribution page.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <QPointer>

class GearingPage;
class TDynoDataDlg;
class TJettingGuruDlg;
class TPowerChartForm;
class TTirePressureGuruDlg;
class WeightDistributionView;
class Workspace;

class CalculatorsModule : public PageModule {
  public:
    explicit CalculatorsModule(Workspace& workspace) : m_workspace(workspace) {}

    void Build(MainWindowHost& host) override;
    void Refresh() override;
    QWidget* ShowWindow(const QString& name) override;

  private:
    void Redraw();
    void ShowDynoData();
    void ShowPowerChart(bool shown);
    // The guru with the value chosen before (from the menu) or the session's AD/RAD figure.
    void ShowJettingGuru(bool modal, int page = 0);
    // The tire pressure guru; closed with OK its changed references are written to the settings file.
    void ShowTirePressureGuru(bool modal);

    Workspace& m_workspace;
    QWidget* m_window = nullptr;
    GearingPage* m_gearingPage = nullptr;
    QPointer<TDynoDataDlg> m_dynoDlg;
    QPointer<TPowerChartForm> m_powerChartForm;
    QPointer<TJettingGuruDlg> m_jettingGuruDlg;
    QPointer<TTirePressureGuruDlg> m_tirePressureGuruDlg;
    QPointer<WeightDistributionView> m_weightView;
    Connections m_connections;
};
