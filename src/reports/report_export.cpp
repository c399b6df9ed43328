#include "report_export.h"

#include "services/services.h"
#include "storage/translate.h"

#include <QDir>

bool ReportExporter::SaveFirst(const QString& question, const ReportSource& source) {
    switch (m_prompter.AskYesNoCancel(question)) {
    case Answer::Cancel:
        return false;
    case Answer::Yes:
        // A save that failed (or was cancelled) has told the user; nothing is written then.
        return !source.saveSession || source.saveSession();
    default:
        return true;
    }
}

bool ReportExporter::PrepareFolder(const ReportContext& context) {
    if (QDir().mkpath(context.exportFolder)) return true;
    m_prompter.ShowError(
        Fill(Translate("Cannot create directory %s"), QDir::toNativeSeparators(context.exportFolder)));
    return false;
}

void ReportExporter::OfferToOpen(const QString& path) {
    if (m_prompter.AskYesNo(Translate("Open in browser?")) != Answer::Yes) return;
    if (!m_shell.Open(path))
        m_prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

QStringList ReportExporter::ExportSetup(const ReportContext& context, const ReportSource& source,
                                        bool askToOpen) {
    const bool changed =
        (source.sessionChanged && source.sessionChanged()) || (source.setupChanged && source.setupChanged());
    if (changed && !SaveFirst(Translate("Unsaved changes exists, save now?"), source)) return {};
    if (!PrepareFolder(context)) return {};
    const auto written =
        ExportSetupReport(context, source.setup(), source.sessionFile ? source.sessionFile() : QString());
    if (!written) {
        m_prompter.ShowError(written.error());
        return {};
    }
    if (askToOpen) OfferToOpen(*written);
    return {*written};
}

QStringList ReportExporter::ExportSession(const ReportContext& context, const ReportSource& source,
                                          bool askToOpen) {
    if (source.sessionChanged && source.sessionChanged() &&
        !SaveFirst(Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")), source))
        return {};
    if (!PrepareFolder(context)) return {};
    const auto written = ExportSessionReport(context, source.session(), source.setup());
    if (!written) {
        m_prompter.ShowError(written.error());
        return {};
    }
    if (askToOpen) OfferToOpen(written->last());
    return *written;
}
