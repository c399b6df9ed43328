#include "report_commands.h"

#include "session/session_model.h"
#include "session_report_input.h"

ReportContext MainWindowReportContext(const AppState& state, const QString& caption, const ReportLogo& logo) {
    ReportContext context;
    context.exportFolder = state.DataPath(QStringLiteral("Exports"));
    context.caption = caption;
    context.options = ReportOptionsFromSettings(state.Settings());
    context.logo = logo;
    return context;
}

ReportSource CurrentSessionSource(SessionModel& session, SetupModel& setup, AppState& state,
                                  std::function<QString()> trackLength) {
    ReportSource source;
    source.sessionChanged = [&session] { return session.IsChanged(); };
    source.setupChanged = [&setup] { return setup.IsChanged(); };
    source.saveSession = [&session] { return session.SaveSessionWithDialog(); };
    source.setup = [&setup] { return SetupReportInputFrom(setup); };
    source.session = [&session, &state, trackLength] {
        return SessionReportInputFrom(session, state.Settings(), trackLength ? trackLength() : QString());
    };
    source.sessionFile = [&session] { return session.FileName(); };
    return source;
}
