#pragma once
// The "Tracks" page: the track box and its commands above "Track map", "Contact details" and "Movie".
#include "ui/app/page_module.h"

#include <memory>

class TracksPageView;
class Workspace;

class TracksModule : public PageModule {
  public:
    explicit TracksModule(Workspace& workspace);
    ~TracksModule() override;

    void Build(MainWindowHost& host) override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<TracksPageView> m_view;
};
