#include "reports_module.h"

#include "reports/report_commands.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/workspace.h"

void ReportsModule::Build(MainWindowHost& host) {
    m_host = &host;
    CommandTable& commands = m_workspace.State().Commands();
    m_connections += commands.Set(MenuCommand::ExportSession, [this] { Export(true); });
    m_connections += commands.Set(MenuCommand::ExportSetup, [this] { Export(false); });
}

void ReportsModule::Export(bool session) {
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    if (!services.prompter || !services.shell) return;
    // The report shows the logo at the size the window shows it.
    ReportLogo logo;
    const TeamLogoView* teamLogo = m_host->TeamLogo();
    if (teamLogo && !teamLogo->Picture().isNull())
        logo = {state.Settings().logotype, teamLogo->PictureRect().width(), teamLogo->PictureRect().height()};
    const ReportContext context =
        MainWindowReportContext(state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR), logo);
    ReportExporter exporter(*services.prompter, *services.shell);
    if (session)
        exporter.ExportSession(context, m_workspace.CurrentReportSource(), true);
    else
        exporter.ExportSetup(context, m_workspace.CurrentReportSource(), true);
}
