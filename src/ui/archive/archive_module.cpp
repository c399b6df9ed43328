#include "archive_module.h"

#include "app/unit_captions.h"
#include "archive/session_statistics.h"
#include "archive_page_view.h"
#include "compare_windows.h"
#include "compared_page_view.h"
#include "reports/report_commands.h"
#include "reports/session_file_inputs.h"
#include "reports/session_list_report.h"
#include "reports/statistics_report.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "ui/widgets/team_logo_view.h"
#include "workspace/workspace.h"

#include <QFileInfo>

void ArchiveModule::Build(MainWindowHost& host) {
    m_host = &host;
    if (QWidget* page = host.PageHost(QStringLiteral("Sessions/Completed"))) {
        m_view = new ArchivePageView(m_workspace, page,
                                     [&host](MenuCommand command) { return host.Action(command); });
        m_view->onCompare = [this] { Compare(); };
        m_view->onExportStatistics = [this] { ExportStatistics(); };
        m_view->onExportSessions = [this] { ExportSessions(); };
    }
    if (QWidget* page = host.PageHost(QStringLiteral("Sessions/Compared"))) {
        m_comparedView = new ComparedPageView(m_workspace.Compared(), page);
        m_comparedView->onExport = [this] { ExportCompared(); };
    }
}

ReportContext ArchiveModule::Context() const {
    AppState& state = m_workspace.State();
    ReportLogo logo;
    const TeamLogoView* teamLogo = m_host->TeamLogo();
    if (teamLogo && !teamLogo->Picture().isNull())
        logo = {state.Settings().logotype, teamLogo->PictureRect().width(), teamLogo->PictureRect().height()};
    return MainWindowReportContext(state, WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR), logo);
}

void ArchiveModule::OfferToOpen(const QString& path) {
    const Services& services = m_workspace.State().GetServices();
    if (!services.prompter || services.prompter->AskYesNo(Translate("Open in browser?")) != Answer::Yes)
        return;
    if (!services.shell || !services.shell->Open(path))
        services.prompter->ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

void ArchiveModule::Compare() {
    if (!m_view) return;
    const QStringList paths = m_view->SelectedPaths();
    if (paths.size() < 2) return;
    AppState& state = m_workspace.State();
    const CompareOptions initial = CompareOptionsFrom(state.Settings(), state.Vehicle());
    const auto options = AskCompareOptions(m_host->Window(), initial);
    if (!options) return;
    CompareResult result;
    {
        StatusWindow status(m_host->Window());
        int steps = 0;
        result = CompareSessions(paths, *options, [&status, &steps](const QString& text, int percent) {
            // Repainting after every step of a long run costs more than the reading.
            if (++steps % 25 == 1 || percent == 100) status.Step(text, percent);
        });
    }
    m_workspace.Compared().SetResult(std::move(result));
    m_host->ShowPage(QStringLiteral("Sessions/Compared"));
}

void ArchiveModule::ExportCompared() {
    const Services& services = m_workspace.State().GetServices();
    const auto written = ExportComparedReport(Context(), m_workspace.Compared().Result());
    if (!written) {
        if (services.prompter) {
            if (!m_workspace.Compared().HasSessions())
                services.prompter->ShowInformation(written.error());
            else
                services.prompter->ShowError(written.error());
        }
        return;
    }
    OfferToOpen(*written);
}

void ArchiveModule::ExportStatistics() {
    if (!m_view) return;
    const QStringList paths = m_view->SelectedPaths();
    if (paths.isEmpty()) return;
    const auto& node = m_view->Page().SelectedNode();
    const auto choice = AskStatisticsOptions(m_host->Window(), node ? node->text : QString());
    if (!choice) return;
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    std::vector<SessionStatisticsRecord> records;
    QStringList errors;
    {
        StatusWindow status(m_host->Window());
        for (int i = 0; i < paths.size(); ++i) {
            status.Step(QFileInfo(paths.at(i)).fileName() + QStringLiteral("..."),
                        StepPercent(i, int(paths.size())));
            QString error;
            if (auto record = ReadStatisticsRecord(paths.at(i), 1, &error))
                records.push_back(std::move(*record));
            else
                errors << error;
        }
    }
    TSessionStatistics statistics;
    AddRecordsByTrack(statistics, std::move(records));
    StatisticsReportOptions options;
    options.title = choice->title;
    options.includeLapTimes = choice->includeLapTimes;
    options.miles = DerivedUnitsOf(state.Settings().systemUnit).distance == Unit::Miles;
    TracksPage& tracks = m_workspace.Tracks();
    options.trackLength = [&tracks](const QString& track) {
        const TTrackInfo* info = tracks.FindTrack(track);
        return info ? info->Length : QString();
    };
    if (!errors.isEmpty() && services.prompter) services.prompter->ShowError(errors.join(u'\n'));
    const auto written = ExportStatisticsReport(Context(), statistics, options);
    if (!written) {
        if (services.prompter) services.prompter->ShowError(written.error());
        return;
    }
    OfferToOpen(*written);
}

void ArchiveModule::ExportSessions() {
    if (!m_view) return;
    const QStringList paths = m_view->SelectedPaths();
    if (paths.isEmpty()) return;
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    SessionModel& session = m_workspace.Session();
    if (session.IsChanged() && services.prompter) {
        const Answer answer = services.prompter->AskYesNoCancel(
            Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes && !session.SaveSessionWithDialog()) return;
    }
    ProgramSettings& settings = state.Settings();
    ExportOptionsChoice initial;
    initial.partSetupNames = settings.htmlExportPartsetupNames;
    initial.pageBreak = settings.htmlExportPageBreakBeforeSessions;
    initial.maxLaps = QString::number(settings.htmlSessionMaxLapsToShow);
    const auto choice = AskExportOptions(m_host->Window(), initial);
    if (!choice) return;
    settings.htmlExportPartsetupNames = choice->partSetupNames;
    settings.htmlExportPageBreakBeforeSessions = choice->pageBreak;
    if (const auto laps = ParseInteger(choice->maxLaps.trimmed())) settings.htmlSessionMaxLapsToShow = *laps;

    SessionListOptions options;
    options.groupByEvent = choice->groupByEvent;
    options.title = choice->title;
    const QString dataFolder = state.DataFolder();
    SessionListExport result;
    {
        // The sessions are read from their files: the open session stays as it is.
        StatusWindow status(m_host->Window());
        result = ExportSessionList(
            Context(), paths, options,
            [&dataFolder, &settings](const QString& path) {
                return LoadSessionReportInputs(path, dataFolder, settings);
            },
            [&status](const QString& file, int percent) { status.Step(file, percent); });
    }
    if (!result.errors.isEmpty() && services.prompter)
        services.prompter->ShowError(result.errors.join(u'\n'));
    if (!result.listPath.isEmpty()) OfferToOpen(result.listPath);
}
