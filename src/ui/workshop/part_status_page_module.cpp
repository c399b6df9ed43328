#include "part_status_page_module.h"

#include "part_status_page_view.h"
#include "workspace/workspace.h"

PartStatusPageModule::PartStatusPageModule(Workspace& workspace) : m_workspace(workspace) {
}

PartStatusPageModule::~PartStatusPageModule() = default;

void PartStatusPageModule::Build(MainWindowHost& host) {
    QWidget* page = host.PageHost(QStringLiteral("Maintenance/Part status"));
    if (!page) return;
    m_view =
        std::make_unique<PartStatusPageView>(m_workspace.PartStatus(), m_workspace.State(), host.Window());
    m_view->Build(page);
}

void PartStatusPageModule::Refresh() {
    if (m_view) m_view->Refresh();
}
