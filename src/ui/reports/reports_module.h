#pragma once
// "Export to HTML" > "Session" and "Setup": the current session and setup as reports, with the team logo
// the window shows.
#include "events/event.h"
#include "ui/app/page_module.h"

class Workspace;

class ReportsModule : public PageModule {
  public:
    explicit ReportsModule(Workspace& workspace) : m_workspace(workspace) {}

    void Build(MainWindowHost& host) override;

  private:
    void Export(bool session);

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    Connections m_connections;
};
