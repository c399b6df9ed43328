#pragma once
// The "Maintenance/Part status" page.
#include "ui/app/page_module.h"

#include <memory>

class PartStatusPageView;
class Workspace;

class PartStatusPageModule : public PageModule {
  public:
    explicit PartStatusPageModule(Workspace& workspace);
    ~PartStatusPageModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<PartStatusPageView> m_view;
};
