#include "page_modules.h"

#include "ui/app/backup_module.h"
#include "ui/archive/archive_module.h"
#include "ui/calc/calculators_module.h"
#include "ui/lapentry/lap_entry_module.h"
#include "ui/reports/reports_module.h"
#include "ui/session/active_session_module.h"
#include "ui/session/part_setups_module.h"
#include "ui/session/setup_module.h"
#include "ui/tracks/tracks_module.h"
#include "ui/workshop/part_status_page_module.h"
#include "ui/workshop/schedule_page_module.h"
#include "ui/workshop/suppliers_orders_module.h"
#include "ui/workshop/tire_list_page_module.h"
#include "ui/workshop/todo_module.h"
#include "ui/workshop/workshop_page_module.h"

std::vector<std::unique_ptr<PageModule>> MakePageModules(Workspace& workspace) {
    std::vector<std::unique_ptr<PageModule>> modules;
    // The calculators put the dyno button on the engine page before the setup's fields go below it.
    modules.push_back(std::make_unique<CalculatorsModule>(workspace));
    modules.push_back(std::make_unique<SetupModule>(workspace));
    modules.push_back(std::make_unique<ActiveSessionModule>(workspace));
    modules.push_back(std::make_unique<TracksModule>(workspace));
    modules.push_back(std::make_unique<WorkshopPageModule>(workspace));
    modules.push_back(std::make_unique<ArchiveModule>(workspace));
    modules.push_back(std::make_unique<ReportsModule>(workspace));
    modules.push_back(std::make_unique<PartStatusPageModule>(workspace));
    modules.push_back(std::make_unique<TireListPageModule>(workspace));
    modules.push_back(std::make_unique<PartSetupsModule>(workspace));
    modules.push_back(std::make_unique<SuppliersOrdersModule>(workspace));
    modules.push_back(std::make_unique<SchedulePageModule>(workspace));
    modules.push_back(std::make_unique<TodoModule>(workspace));
    modules.push_back(std::make_unique<BackupModule>(workspace));
    modules.push_back(std::make_unique<LapEntryModule>(workspace));
    return modules;
}
