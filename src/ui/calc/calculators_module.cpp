#include "calculators_module.h"

#include "dyno_data_dialog.h"
#include "fuel_calculator_window.h"
#include "gearing_page.h"
#include "jetting_guru_dialog.h"
#include "power_chart_window.h"
#include "storage/translate.h"
#include "tire_pressure_guru_dialog.h"
#include "tracks/track_media_files.h"
#include "weight_distribution_view.h"
#include "workspace/workspace.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

void CalculatorsModule::Build(MainWindowHost& host) {
    m_window = host.Window();
    SetupCalculators& calculators = m_workspace.Calculators();
    if (QWidget* gearingHost = host.PageHost(QStringLiteral("Setup/Gearing"))) {
        auto* layout = new QVBoxLayout(gearingHost);
        layout->setContentsMargins(0, 0, 0, 0);
        m_gearingPage = new GearingPage(m_workspace.Setup(), calculators,
                                        m_workspace.State().GetServices().settings, gearingHost);
        m_gearingPage->powerChartToggled = [this](bool shown) { ShowPowerChart(shown); };
        layout->addWidget(m_gearingPage);
        m_gearingPage->UpdateCaptions();
    }
    if (QWidget* engineHost = host.PageHost(QStringLiteral("Setup/Engine"))) {
        // The dyno button sits above the engine fields; the field page is added below it when built.
        auto* layout = new QVBoxLayout(engineHost);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(9, 6, 9, 0);
        auto* dyno = new QPushButton(Translate("&Dyno Data"), engineHost);
        dyno->setObjectName(QStringLiteral("DynoButton"));
        QObject::connect(dyno, &QPushButton::clicked, dyno, [this] { ShowDynoData(); });
        row->addWidget(dyno);
        row->addStretch(1);
        layout->addLayout(row);
    }
    if (QWidget* weightHost = host.PageHost(QStringLiteral("Setup/Weight distribution"))) {
        auto* layout = new QVBoxLayout(weightHost);
        layout->setContentsMargins(0, 0, 0, 0);
        m_weightView =
            new WeightDistributionView(m_workspace.WeightDistribution(), TrackPictureFilter(), weightHost);
        layout->addWidget(m_weightView);
        m_connections += m_workspace.WeightDistribution().changed.Connect([this] {
            if (m_weightView) m_weightView->Refresh();
        });
    }
    m_connections += calculators.changed.Connect([this] { Redraw(); });
    m_connections += m_workspace.setupLayoutChanged.Connect([this] {
        if (m_gearingPage) m_gearingPage->UpdateCaptions();
    });
    m_connections +=
        m_workspace.State().Commands().Set(MenuCommand::JettingGuru, [this] { ShowJettingGuru(true); });
    m_connections += InstallFuelCalculator(m_workspace, host.Window());
    m_connections += m_workspace.State().Commands().Set(MenuCommand::TirePressureGuru,
                                                        [this] { ShowTirePressureGuru(true); });
}

void CalculatorsModule::Refresh() {
    if (m_weightView) m_weightView->Refresh();
}

void CalculatorsModule::ShowTirePressureGuru(bool modal) {
    m_workspace.TirePressureGuruOpening();
    if (!m_tirePressureGuruDlg)
        m_tirePressureGuruDlg = new TTirePressureGuruDlg(m_workspace.TirePressureGuru(), m_window);
    m_tirePressureGuruDlg->Refresh();
    if (!modal) {
        m_tirePressureGuruDlg->show();
        return;
    }
    const bool accepted = m_tirePressureGuruDlg->exec() == QDialog::Accepted;
    m_workspace.TirePressureGuruClosed(accepted);
}

void CalculatorsModule::Redraw() {
    if (m_gearingPage) m_gearingPage->Refresh();
    if (m_dynoDlg) m_dynoDlg->Refresh();
    if (m_powerChartForm) {
        m_powerChartForm->Refresh();
        // Closed from its own frame or unticked on the page: the window follows the model.
        if (!m_workspace.Calculators().PowerChart().IsShown() && m_powerChartForm->isVisible())
            m_powerChartForm->hide();
    }
}

void CalculatorsModule::ShowDynoData() {
    if (!m_dynoDlg) {
        m_dynoDlg = new TDynoDataDlg(m_workspace.Calculators(), m_window);
        m_dynoDlg->SetBeforeEdit(
            [this] { m_workspace.Setup().SetEditingPage(QStringLiteral(N_("Engine"))); });
    }
    m_dynoDlg->Refresh();
    m_dynoDlg->show();
    m_dynoDlg->raise();
}

void CalculatorsModule::ShowPowerChart(bool shown) {
    if (!shown) {
        if (m_powerChartForm) m_powerChartForm->hide();
        return;
    }
    if (!m_powerChartForm) m_powerChartForm = new TPowerChartForm(m_workspace.Calculators(), m_window);
    m_powerChartForm->Refresh();
    m_powerChartForm->show();
    m_powerChartForm->raise();
}

void CalculatorsModule::ShowJettingGuru(bool modal, int page) {
    m_workspace.JettingGuruOpening(QString());
    if (!m_jettingGuruDlg) m_jettingGuruDlg = new TJettingGuruDlg(m_workspace.JettingGuru(), m_window);
    m_jettingGuruDlg->Pages()->setCurrentIndex(page);
    m_jettingGuruDlg->Refresh();
    if (!modal) {
        m_jettingGuruDlg->show();
        return;
    }
    m_jettingGuruDlg->exec();
    m_workspace.JettingGuruClosed();
}

QWidget* CalculatorsModule::ShowWindow(const QString& name) {
    const QString window = name.section(u'/', 0, 0);
    const QString page = name.section(u'/', 1);
    auto is = [&](const char* english) {
        return window.compare(QLatin1String(english), Qt::CaseInsensitive) == 0 ||
               window.compare(Translate(english), Qt::CaseInsensitive) == 0;
    };
    if (is("Fuel Amount Calculator")) {
        const bool afterSession = page.compare(QLatin1String("After session"), Qt::CaseInsensitive) == 0;
        return ShowFuelCalculator(m_workspace, m_window, afterSession ? 1 : 0, false);
    }
    if (is("Dyno Data")) {
        ShowDynoData();
        return m_dynoDlg;
    }
    if (is("Power Chart")) {
        m_workspace.Calculators().ShowPowerChartCBClick(true);
        ShowPowerChart(true);
        return m_powerChartForm;
    }
    if (is("Tire pressure Guru")) {
        ShowTirePressureGuru(false);
        return m_tirePressureGuruDlg;
    }
    if (is("Jetting Guru!") || is(N_("Jetting Guru"))) {
        const bool references =
            page.compare(QLatin1String("Reference values"), Qt::CaseInsensitive) == 0 ||
            page.compare(JettingGuruModel::PageTitles().value(1), Qt::CaseInsensitive) == 0;
        ShowJettingGuru(false, references ? 1 : 0);
        return m_jettingGuruDlg;
    }
    return nullptr;
}
