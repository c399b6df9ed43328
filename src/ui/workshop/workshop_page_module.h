#pragma once
// The workshop pages under "Maintenance": the "Maintenance Log" with its report and group pages, and
// the item dialog the log's callers open.
#include "ui/app/page_module.h"

#include <memory>

class MaintenancePageView;
class Workspace;

class WorkshopPageModule : public PageModule {
  public:
    explicit WorkshopPageModule(Workspace& workspace);
    ~WorkshopPageModule() override;

    void Build(MainWindowHost& host) override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<MaintenancePageView> m_maintenance;
};
