#pragma once
// The "Maintenance/Suppliers" and "Maintenance/Order status" pages.
#include "ui/app/page_module.h"

#include <memory>

class OrderStatusPageView;
class SuppliersPageView;
class Workspace;

class SuppliersOrdersModule : public PageModule {
  public:
    explicit SuppliersOrdersModule(Workspace& workspace);
    ~SuppliersOrdersModule() override;

    void Build(MainWindowHost& host) override;
    void Refresh() override;

  private:
    Workspace& m_workspace;
    std::unique_ptr<SuppliersPageView> m_suppliers;
    std::unique_ptr<OrderStatusPageView> m_orders;
};
