#pragma once
// The "Active session" pages and "General notes": the session's fields, the live timing with its driver
// slots, time windows and pit crew panel (F5-F8 reach it from any page), the air density figure that
// opens the jetting guru, and the session's file name in the status bar.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <QPointer>
#include <memory>

class ActiveSessionPages;
class LiveTimingView;
class TireReadingsView;
class Workspace;

class ActiveSessionModule : public PageModule {
  public:
    explicit ActiveSessionModule(Workspace& workspace);
    ~ActiveSessionModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;
    void Started() override;
    void Closing() override;

  private:
    void SessionChanged();

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    // The views go before the widgets they fill: a name box losing the focus as it is destroyed must
    // find nobody redrawing.
    std::unique_ptr<ActiveSessionPages> m_pages;
    std::unique_ptr<LiveTimingView> m_liveTiming;
    QPointer<TireReadingsView> m_tireReadings;
    Connections m_connections;
};
