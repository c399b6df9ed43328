#include "reports_module.h"

#include "list_export_dialogs.h"
#include "reports/list_exports.h"
#include "reports/report_commands.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/workspace.h"

void ReportsModule::Build(MainWindowHost& host) {
    m_host = &host;
    CommandTable& commands = m_workspace.State().Commands();
    m_connections += commands.Set(MenuCommand::ExportSession, [this] { Export(true); });
    m_connections += commands.Set(MenuCommand::ExportSetup, [this] { Export(false); });
    m_connections += commands.Set(MenuCommand::ExportTracks, [this] { ExportList(true); });
    m_connections += commands.Set(MenuCommand::ExportPartStatus, [this] { ExportList(false); });
}

ReportContext ReportsModule::Context() const {
    const AppState& state = m_workspace.State();
    // The report shows the logo at the size the window shows it.
    ReportLogo logo;
    const TeamLogoView* teamLogo = m_host->TeamLogo();
    if (teamLogo && !teamLogo->Picture().isNull())
        logo = {state.Settings().logotype, teamLogo->PictureRect().width(), teamLogo->PictureRect().height()};
    return MainWindowReportContext(state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR), logo);
}

void ReportsModule::ExportList(bool tracks) {
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    if (!services.prompter || !services.shell) return;
    ListExports exports(*services.prompter, *services.shell);
    QWidget* window = m_host->Window();
    exports.requestTrackOptions = [window](const TrackExportOptions& initial) {
        return AskTrackExportOptions(window, initial);
    };
    exports.requestPartStatusOptions = [window](const QStringList& groups, const QStringList& suppliers) {
        return AskPartStatusExportOptions(window, groups, suppliers);
    };
    if (tracks)
        exports.ExportTracks(Context(), m_workspace.Tracks(), state.DataFolder());
    else
        exports.ExportPartStatus(Context(), m_workspace.PartStatus(),
                                 m_workspace.Suppliers().SupplierNames());
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
