#include "workshop_page_module.h"

#include "maintenance_item_dialog_view.h"
#include "maintenance_page_view.h"
#include "workspace/workspace.h"

#include <QPushButton>
#include <QTabWidget>

WorkshopPageModule::WorkshopPageModule(Workspace& workspace) : m_workspace(workspace) {
}

WorkshopPageModule::~WorkshopPageModule() {
    m_workspace.Maintenance().requestItemDialog = {};
}

void WorkshopPageModule::Build(MainWindowHost& host) {
    MaintenancePage& maintenance = m_workspace.Maintenance();
    m_maintenance = std::make_unique<MaintenancePageView>(maintenance, host.Window());
    int index = 0;
    QTabWidget* pages = host.PageTabs(QStringLiteral("Maintenance/Maintenance Log"), &index);
    QWidget* report = host.PageHost(QStringLiteral("Maintenance/Maintenance Log/Report"));
    if (pages && report) m_maintenance->Build(pages, index, report);
    if (QPushButton* save = m_maintenance->Button(QStringLiteral("save")))
        host.RegisterSaveButton(SaveButton::Maintenance, save);
    Prompter& prompter = *m_workspace.State().GetServices().prompter;
    QWidget* window = host.Window();
    maintenance.requestItemDialog = [&prompter, window](MaintenanceItemDialog& dialog) {
        TMaintenanceItemsDialog shown(dialog, prompter, window);
        return shown.exec() == QDialog::Accepted;
    };
}
