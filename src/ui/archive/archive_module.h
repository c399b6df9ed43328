#pragma once
// "Sessions" / "Completed": the session archive with its tree and list, "Reopen session" and the dialog
// of "New session".
#include "ui/app/page_module.h"

class ArchivePageView;
class Workspace;

class ArchiveModule : public PageModule {
  public:
    explicit ArchiveModule(Workspace& workspace) : m_workspace(workspace) {}

    void Build(MainWindowHost& host) override;

  private:
    Workspace& m_workspace;
    ArchivePageView* m_view = nullptr; // owned by its page
};
