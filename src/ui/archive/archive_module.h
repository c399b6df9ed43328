#pragma once
// "Sessions" / "Completed": the session archive with its tree and list, "Reopen session" and the dialog
// of "New session"; "Sessions" / "Compared": the comparison of the selected sessions; the statistics and
// session list exports of the selected sessions.
#include "ui/app/page_module.h"

class ArchivePageView;
class ComparedPageView;
class Workspace;
struct ReportContext;

class ArchiveModule : public PageModule {
  public:
    explicit ArchiveModule(Workspace& workspace) : m_workspace(workspace) {}

    void Build(MainWindowHost& host) override;

  private:
    void Compare();
    void ExportStatistics();
    void ExportSessions();
    void ExportCompared();
    ReportContext Context() const;
    void OfferToOpen(const QString& path);

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    ArchivePageView* m_view = nullptr;          // owned by its page
    ComparedPageView* m_comparedView = nullptr; // owned by its page
};
