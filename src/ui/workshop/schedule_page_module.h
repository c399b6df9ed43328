#pragma once
// The "Sessions/Scheduled" page: the events grid, the event dialog, scrolled to the next event.
#include "ui/app/page_module.h"

#include <memory>

class SchedulePageView;
class Workspace;

class SchedulePageModule : public PageModule {
  public:
    explicit SchedulePageModule(Workspace& workspace);
    ~SchedulePageModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<SchedulePageView> m_view;
};
