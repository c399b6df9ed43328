#pragma once
// Part setups on screen: "Manage Part Setups" beside the setup sub-pages (for the sub-page shown) and
// "File" > "Compose setup".
#include "events/event.h"
#include "session/setup_fields.h"
#include "ui/app/page_module.h"

class QPushButton;
class QTabWidget;
class Workspace;

class PartSetupsModule : public PageModule {
  public:
    explicit PartSetupsModule(Workspace& workspace);
    ~PartSetupsModule() override;

    void Build(MainWindowHost& host) override;
    QWidget* ShowWindow(const QString& name) override;

    void ManagePartSetups();
    void ComposeSetup();

  private:
    SetupArea ShownArea() const;

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    QTabWidget* m_setupTabs = nullptr;
    Connections m_connections; // last: ends first
};
