#pragma once
// The menu commands "Export to HTML" > "Session" and "Setup": the unsaved-changes question, writing the
// reports, and the offer to open the result in the browser.
#include "session_report.h"

#include <QString>
#include <QStringList>
#include <functional>

class Prompter;
class Shell;

// What the commands take from the main window; every member but the snapshots may be left empty.
struct ReportSource {
    std::function<bool()> sessionChanged;
    std::function<bool()> setupChanged;
    std::function<bool()> saveSession; // true when the session was saved
    std::function<SetupReportInput()> setup;
    std::function<SessionReportInput()> session; // the session's file name comes with it
    std::function<QString()> sessionFile;        // for the setup report alone
};

class ReportExporter {
  public:
    ReportExporter(Prompter& prompter, Shell& shell) : m_prompter(prompter), m_shell(shell) {}

    // Each returns the files written (empty when cancelled or failed; a failure has been shown).
    QStringList ExportSetup(const ReportContext& context, const ReportSource& source, bool askToOpen);
    QStringList ExportSession(const ReportContext& context, const ReportSource& source, bool askToOpen);

  private:
    bool SaveFirst(const QString& question, const ReportSource& source);
    bool PrepareFolder(const ReportContext& context);
    void OfferToOpen(const QString& path);

    Prompter& m_prompter;
    Shell& m_shell;
};
