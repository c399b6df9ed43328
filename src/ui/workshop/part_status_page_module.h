#pragma once
// The "Maintenance/Part status" page.
#include "ui/app/page_module.h"

#include <memory>

class PartStatusPageView;
class PurchaseOrderModel;
class TExportPurchaseOrderDlg;
class Workspace;

class PartStatusPageModule : public PageModule {
  public:
    explicit PartStatusPageModule(Workspace& workspace);
    ~PartStatusPageModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;
    // "Export purchase order" in stock mode.
    QWidget* ShowWindow(const QString& name) override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<PartStatusPageView> m_view;
    MainWindowHost* m_host = nullptr;
    // The purchase order dialog shown without waiting (screenshots), with its model.
    std::unique_ptr<PurchaseOrderModel> m_orderModel;
    std::unique_ptr<TExportPurchaseOrderDlg> m_orderDialog;
};
