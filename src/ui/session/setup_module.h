#pragma once
// The setup's field pages under "Setup" (the gearing page belongs to the calculators, the tire list to
// the tire inventory): built for the setup's vehicle and distance unit, shown afresh whenever an area
// or a whole setup was loaded.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <memory>

class SetupPageBuilder;
class Workspace;

class SetupModule : public PageModule {
  public:
    explicit SetupModule(Workspace& workspace);
    ~SetupModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;

  private:
    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    std::unique_ptr<SetupPageBuilder> m_pages;
    Connections m_connections;
};
