#pragma once
// The "Setup/Tires/Tire list" page, its dialogs, "Update from tire database" on the current tire setup and
// the dialog after a timed session; the tire tags ("To HTML") and the labels ("To label printer", the
// "Print labels" dialog).
#include "ui/app/page_module.h"

#include <memory>

class QPushButton;
class TireListPageView;
class Workspace;

class TireListPageModule : public PageModule {
  public:
    explicit TireListPageModule(Workspace& workspace);
    ~TireListPageModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;
    QWidget* ShowWindow(const QString& name) override;

  private:
    void ExportTags();
    void PrintLabels();

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    std::unique_ptr<TireListPageView> m_view;
    QPushButton* m_updateTireList = nullptr;
};
