#include "active_session_module.h"

#include "active_session_pages.h"
#include "general_notes_page.h"
#include "storage/translate.h"
#include "tire_readings_view.h"
#include "ui/timing/live_timing_panel.h"
#include "ui/timing/live_timing_view.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/workspace.h"

#include <QBoxLayout>
#include <QPushButton>

ActiveSessionModule::ActiveSessionModule(Workspace& workspace) : m_workspace(workspace) {
}

ActiveSessionModule::~ActiveSessionModule() = default;

void ActiveSessionModule::Build(MainWindowHost& host) {
    m_host = &host;
    AppState& state = m_workspace.State();
    SessionModel& session = m_workspace.Session();
    m_pages = std::make_unique<ActiveSessionPages>(session, m_workspace.GeneralNotes(), state, host.Window());
    QHash<QString, QWidget*> hosts;
    for (const QString& path :
         {QStringLiteral("Active session/General"), QStringLiteral("Active session/Tires"),
          QStringLiteral("Active session/Vehicle"), QStringLiteral("Active session/Pit Stops"),
          QStringLiteral(N_("General notes"))})
        hosts.insert(path.section(u'/', -1), host.PageHost(path));
    m_pages->SetHosts(hosts);
    m_pages->SetFuel(&m_workspace.Fuel());
    // The driver slots go into their area of the "General" page; the session notes panel takes the room
    // of slots 2 to 4 while "Show all drivers" is off.
    m_pages->Build();
    m_liveTiming = std::make_unique<LiveTimingView>(m_workspace.LiveTiming(), host.Window(),
                                                    m_pages->DriverSlotsArea(), m_pages->SessionNotesPanel());
    m_liveTiming->Panel()->KeepClearOf(host.TeamLogo());
    // The tire readings head the "Tires" page, above the fields typed after the session.
    if (QWidget* tires = host.PageHost(QStringLiteral("Active session/Tires"))) {
        if (auto* layout = qobject_cast<QBoxLayout*>(tires->layout())) {
            auto* readings = new TireReadingsView(m_workspace.TireReadings(), tires);
            layout->insertWidget(0, readings, 0, Qt::AlignLeft);
            m_connections += m_workspace.TireReadings().changed.Connect([this] {
                if (m_tireReadings) m_tireReadings->Refresh();
            });
            m_tireReadings = readings;
        }
    }

    m_connections += session.changed.Connect([this] { SessionChanged(); });
    m_connections += m_workspace.GeneralNotes().filesChanged.Connect([this] {
        if (GeneralNotesPage* page = m_pages->GeneralNotesWidget()) page->Reload();
    });
    state.SetLiveTimingKeyHandler(
        [this](int slot, LiveTimingAction action) { m_liveTiming->RunKey(slot, action); });
    m_connections += Connection([&state] { state.SetLiveTimingKeyHandler({}); });
    m_connections +=
        state.Commands().Set(MenuCommand::PitCrewPanel, [this] { m_liveTiming->ShowPitPanel(); });
    m_connections += m_workspace.showActiveSessionRequested.Connect(
        [&host] { host.ShowPage(QStringLiteral("Active session")); });

    // The AD/RAD figure opens the guru with that figure as its selected value.
    if (QPushButton* airDensity = m_pages->AirDensityButton())
        QObject::connect(airDensity, &QPushButton::clicked, airDensity, [this, airDensity] {
            m_workspace.JettingGuruOpening(airDensity->text());
            m_workspace.State().RunCommand(MenuCommand::JettingGuru);
        });
}

void ActiveSessionModule::SessionChanged() {
    m_pages->Reload();
    if (m_tireReadings) m_tireReadings->Refresh();
    m_host->ShowStatusMessage(m_workspace.Session().StatusText());
}

void ActiveSessionModule::Refresh() {
    m_pages->Sync();
    if (m_tireReadings) m_tireReadings->Refresh();
}

void ActiveSessionModule::Started() {
    m_liveTiming->ApplyGeometry(m_workspace.State().Geometry());
}

void ActiveSessionModule::Closing() {
    m_liveTiming->StoreGeometry(m_workspace.State().Geometry());
}
