#include "suppliers_orders_module.h"

#include "purchase_order_dialog.h"
#include "supplier_order_views.h"
#include "workspace/purchase_order_model.h"
#include "workspace/workspace.h"

SuppliersOrdersModule::SuppliersOrdersModule(Workspace& workspace) : m_workspace(workspace) {
}

SuppliersOrdersModule::~SuppliersOrdersModule() = default;

void SuppliersOrdersModule::Build(MainWindowHost& host) {
    if (QWidget* page = host.PageHost(QStringLiteral("Maintenance/Suppliers"))) {
        m_suppliers = std::make_unique<SuppliersPageView>(m_workspace.Suppliers(), host.Window());
        m_suppliers->Build(page);
    }
    if (QWidget* page = host.PageHost(QStringLiteral("Maintenance/Order status"))) {
        m_orders = std::make_unique<OrderStatusPageView>(m_workspace.OrderStatus(), host.Window());
        m_orders->Build(page);
        m_orders->requestPurchaseOrder = [this, &host](const std::vector<int>& numbers) {
            RunPurchaseOrder(m_workspace, host, PurchaseOrderMode::Orders, numbers);
        };
    }
}

void SuppliersOrdersModule::Refresh() {
    if (m_suppliers) m_suppliers->Refresh();
    if (m_orders) m_orders->Refresh();
}
