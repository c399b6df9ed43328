#pragma once
// "Export to HTML" > "Session", "Setup", "Tracks" and "Part status": the current session and setup, the
// track list and the part status as reports, with the team logo the window shows.
#include "events/event.h"
#include "reports/report_context.h"
#include "ui/app/page_module.h"

class Workspace;

class ReportsModule : public PageModule {
  public:
    explicit ReportsModule(Workspace& workspace) : m_workspace(workspace) {}

    void Build(MainWindowHost& host) override;

  private:
    void Export(bool session);
    void ExportList(bool tracks);
    ReportContext Context() const;

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    Connections m_connections;
};
