#include "part_status_page_module.h"

#include "app/unit_captions.h"
#include "part_status_page_view.h"
#include "part_update_dialogs.h"
#include "purchase_order_dialog.h"
#include "storage/translate.h"
#include "workspace/purchase_order_model.h"
#include "workspace/workspace.h"

PartStatusPageModule::PartStatusPageModule(Workspace& workspace) : m_workspace(workspace) {
}

PartStatusPageModule::~PartStatusPageModule() {
    m_workspace.PartStatus().requestShowAlert = {};
    m_workspace.PartStatus().requestSessionDialog = {};
}

void PartStatusPageModule::Build(MainWindowHost& host) {
    QWidget* page = host.PageHost(QStringLiteral("Maintenance/Part status"));
    if (!page) return;
    m_view =
        std::make_unique<PartStatusPageView>(m_workspace.PartStatus(), m_workspace.State(), host.Window());
    m_host = &host;
    m_view->Build(page);
    m_view->requestPurchaseOrder = [this, &host](const std::vector<int>& rows) {
        RunPurchaseOrder(m_workspace, host,
                         rows.empty() ? PurchaseOrderMode::Stock : PurchaseOrderMode::Parts, rows);
    };
    QWidget* window = host.Window();
    PartStatusPage& parts = m_workspace.PartStatus();
    parts.requestShowAlert = [window](const QString& title, const PartAlert& alert) {
        ShowPartAlert(title, alert, window);
    };
    parts.requestSessionDialog = [this, window](const QStringList& groups,
                                                const SessionUpdateProposal& proposal) {
        AppState& state = m_workspace.State();
        const bool miles = state.Units().Units().distance == Unit::Miles;
        return RunSessionToPartStatusDialog(groups, proposal, miles, *state.GetServices().prompter, window);
    };
}

QWidget* PartStatusPageModule::ShowWindow(const QString& name) {
    if (!m_host || (name.compare(QStringLiteral("Export purchase order"), Qt::CaseInsensitive) != 0 &&
                    name.compare(Translate("Export purchase order"), Qt::CaseInsensitive) != 0))
        return nullptr;
    m_orderDialog.reset();
    m_orderModel = std::make_unique<PurchaseOrderModel>(m_workspace, PurchaseOrderMode::Stock);
    m_orderDialog = std::make_unique<TExportPurchaseOrderDlg>(
        *m_orderModel, PurchaseOrderContext(m_workspace, *m_host), m_host->Window());
    m_orderDialog->show();
    return m_orderDialog.get();
}

void PartStatusPageModule::Refresh() {
    if (m_view) m_view->Refresh();
}
