// The main window's calculators: the gearing page, the dyno and power chart windows, the jetting guru,
// and opening a setup from a session or from the command line.
#include "vorlapa_form.h"

#include "calc/jetting_guru.h"
#include "calc/jetting_guru_settings.h"
#include "calc/setup_calculators.h"
#include "session/open_setup_from_session.h"
#include "session/session_model.h"
#include "session/setup_model.h"
#include "storage/translate.h"
#include "ui/calc/dyno_data_dialog.h"
#include "ui/calc/gearing_page.h"
#include "ui/calc/jetting_guru_dialog.h"
#include "ui/calc/power_chart_window.h"
#include "ui/session/setup_page_builder.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

void TVorlapaForm::BuildCalculatorPages(QWidget* engineHost, QWidget* gearingHost) {
    const Services& services = m_state.GetServices();
    m_calculators = std::make_unique<SetupCalculators>(*m_setup);
    m_jettingGuru = std::make_unique<JettingGuruModel>();
    // Every loaded area is shown at once, whoever loaded it (a whole setup, a part setup).
    m_setup->areaLoaded = [this](SetupArea area) {
        m_calculators->AreaLoaded(area);
        m_setupPages->Reload();
    };
    m_setup->commitCellEdit = [this] { m_setupPages->CommitCellEdits(); };

    if (gearingHost) {
        auto* layout = new QVBoxLayout(gearingHost);
        layout->setContentsMargins(0, 0, 0, 0);
        m_gearingPage = new GearingPage(*m_setup, *m_calculators, services.settings, gearingHost);
        m_gearingPage->editing = [this] { m_setupPages->SetEditingPage(QStringLiteral("Gearing")); };
        m_gearingPage->powerChartToggled = [this](bool shown) { ShowPowerChart(shown); };
        layout->addWidget(m_gearingPage);
    }
    if (engineHost) {
        // The dyno button sits above the engine fields; the field page is added below it when built.
        auto* layout = new QVBoxLayout(engineHost);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* row = new QHBoxLayout;
        row->setContentsMargins(9, 6, 9, 0);
        auto* dyno = new QPushButton(Translate("&Dyno Data"), engineHost);
        dyno->setObjectName(QStringLiteral("DynoButton"));
        connect(dyno, &QPushButton::clicked, this, [this] { ShowDynoData(); });
        row->addWidget(dyno);
        row->addStretch(1);
        layout->addLayout(row);
    }
    m_calculators->changed = [this] { CalculatorsChanged(); };
}

void TVorlapaForm::CloseCalculators() {
    m_setup->areaLoaded = {};
    m_setup->commitCellEdit = {};
    m_calculators->changed = {};
    delete m_dynoDlg.data();
    delete m_powerChartForm.data();
    delete m_jettingGuruDlg.data();
}

void TVorlapaForm::CalculatorsChanged() {
    if (m_gearingPage) m_gearingPage->Refresh();
    if (m_dynoDlg) m_dynoDlg->Refresh();
    if (m_powerChartForm) {
        m_powerChartForm->Refresh();
        // Closed from its own frame or unticked on the page: the window follows the model.
        if (!m_calculators->PowerChart().IsShown() && m_powerChartForm->isVisible()) m_powerChartForm->hide();
    }
}

void TVorlapaForm::SetupReloaded() {
    // Shown lengths and captions follow the distance unit; the power chart's force unit the unit system.
    m_calculators->SetMetric(m_state.Settings().systemUnit == u"Metric");
    m_calculators->Reload();
    if (m_gearingPage) m_gearingPage->UpdateCaptions();
}

void TVorlapaForm::ShowDynoData() {
    if (!m_dynoDlg) {
        m_dynoDlg = new TDynoDataDlg(*m_calculators, this);
        m_dynoDlg->SetBeforeEdit([this] { m_setupPages->SetEditingPage(QStringLiteral("Engine")); });
    }
    m_dynoDlg->Refresh();
    m_dynoDlg->show();
    m_dynoDlg->raise();
}

void TVorlapaForm::ShowPowerChart(bool shown) {
    if (!shown) {
        if (m_powerChartForm) m_powerChartForm->hide();
        return;
    }
    if (!m_powerChartForm) m_powerChartForm = new TPowerChartForm(*m_calculators, this);
    m_powerChartForm->Refresh();
    m_powerChartForm->show();
    m_powerChartForm->raise();
}

void TVorlapaForm::OpenJettingGuru(const QString& airDensityText) {
    ShowJettingGuru(true, 0, airDensityText);
}

void TVorlapaForm::ShowJettingGuru(bool modal, int page, const QString& airDensityText) {
    // The AD/RAD figure of the session page, when it is a number, becomes the selected value; from the
    // menu the guru keeps the value it had.
    m_jettingGuru->JettingGuruMenuItemClick(airDensityText, m_state.Settings().useAd);
    if (!m_jettingGuruDlg) m_jettingGuruDlg = new TJettingGuruDlg(*m_jettingGuru, this);
    m_jettingGuruDlg->Pages()->setCurrentIndex(page);
    m_jettingGuruDlg->Refresh();
    if (!modal) {
        m_jettingGuruDlg->show();
        return;
    }
    m_jettingGuruDlg->exec();
    // However it was closed: changed values go to the settings file.
    if (m_jettingGuru->FormClose()) {
        StoreJettingSettings(m_jettingGuru->Settings(), m_state.Settings());
        m_state.SaveSettings();
    }
}

void TVorlapaForm::OpenSetupFromSession() {
    Prompter* prompter = m_state.GetServices().prompter;
    if (!prompter) return;
    const bool unsaved =
        m_state.Changes().IsChanged(Area::Session) || m_state.Changes().IsChanged(Area::Setup);
    const bool opened = ::OpenSetupFromSession(
        *m_setup, *prompter, unsaved, [this] { m_session->SaveSessionWithDialog(); },
        m_state.DataPath(QStringLiteral("Sessions")));
    if (opened) m_state.Changes().MarkUnchanged(Area::Setup);
}

void TVorlapaForm::OpenPendingSetup() {
    const StartupFile& file = m_state.PendingOpen();
    if (file.kind != StartupFileKind::Setup) return;
    if (m_setup->OpenSetup(file.path)) m_state.Changes().MarkUnchanged(Area::Setup);
}

QWidget* TVorlapaForm::ShowWindow(const QString& name) {
    const QString window = name.section(u'/', 0, 0);
    const QString page = name.section(u'/', 1);
    auto is = [&](const char* english) {
        return window.compare(QLatin1String(english), Qt::CaseInsensitive) == 0 ||
               window.compare(Translate(english), Qt::CaseInsensitive) == 0;
    };
    if (is("Dyno Data")) {
        ShowDynoData();
        return m_dynoDlg;
    }
    if (is("Power Chart")) {
        m_calculators->ShowPowerChartCBClick(true);
        ShowPowerChart(true);
        return m_powerChartForm;
    }
    if (is("Jetting Guru!") || is("Jetting Guru")) {
        const bool references =
            page.compare(QLatin1String("Reference values"), Qt::CaseInsensitive) == 0 ||
            page.compare(JettingGuruModel::PageTitles().value(1), Qt::CaseInsensitive) == 0;
        ShowJettingGuru(false, references ? 1 : 0);
        return m_jettingGuruDlg;
    }
    return nullptr;
}
