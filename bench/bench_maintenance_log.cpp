// The maintenance log at the size a team reaches over years (10,000 items in 100 groups): loading the
// file, the cost report over every group and supplier within a date range, and every group's total;
// then the same through the page model, which also fills the grids of the pages.
#include "gen_maintenance_log.h"
#include "services/auto_answer_prompter.h"
#include "storage/date_time.h"
#include "workshop/maintenance_log.h"
#include "workshop/maintenance_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kItems = 10000;
constexpr int kGroups = 100;

struct FixedClock : Clock {
    std::uint32_t TickMs() override { return 0; }
    double NowDayNumber() override { return *ParseDateText(QStringLiteral("2026-03-15")); }
};

// A data folder holding the generated file, made once.
const QTemporaryDir& DataFolder() {
    static const auto dir = [] {
        auto made = std::make_unique<QTemporaryDir>();
        QFile file(QDir(made->path()).filePath(MaintenanceFileName()));
        if (file.open(QIODevice::WriteOnly)) file.write(GenerateMaintenanceFile(kItems, kGroups).toUtf8());
        return made;
    }();
    return *dir;
}
QString FilePath() {
    return QDir(DataFolder().path()).filePath(MaintenanceFileName());
}

MaintenanceFilter EverythingIn(const MaintenanceLog& log, bool allDates) {
    MaintenanceFilter filter;
    for (const QString& name : log.GroupNames())
        filter.groups.insert(name);
    for (const QString& name : log.Suppliers())
        filter.suppliers.insert(name);
    filter.allDates = allDates;
    filter.fromDay = *ParseDateText(QStringLiteral("2020-01-01"));
    filter.toDay = *ParseDateText(QStringLiteral("2024-12-31"));
    return filter;
}

void LoadLog(benchmark::State& state) {
    for (auto _ : state) {
        MaintenanceLog log;
        benchmark::DoNotOptimize(log.Load(FilePath()));
    }
    MaintenanceLog log;
    log.Load(FilePath());
    int items = 0;
    for (int g = 0; g < log.GroupCount(); ++g)
        items += log.Group(g).items.RowCount();
    state.counters["items"] = items;
    state.counters["groups"] = log.GroupCount();
}

void Report(benchmark::State& state) {
    MaintenanceLog log;
    log.Load(FilePath());
    const MaintenanceFilter filter = EverythingIn(log, state.range(0) != 0);
    std::size_t selected = 0;
    for (auto _ : state) {
        const MaintenanceReport report = CalcMaintenanceReport(log, filter);
        selected = report.selected.Rows().size();
        benchmark::DoNotOptimize(report.total);
    }
    state.counters["selected"] = double(selected);
}

void AllGroupTotals(benchmark::State& state) {
    MaintenanceLog log;
    log.Load(FilePath());
    const MaintenanceFilter filter = EverythingIn(log, false);
    for (auto _ : state) {
        double sum = 0;
        for (int g = 0; g < log.GroupCount(); ++g)
            sum += MaintenanceGroupTotal(log.Group(g), filter);
        benchmark::DoNotOptimize(sum);
    }
}

// What the program does: the page loads the file (grids included), then "all" is ticked for groups and
// suppliers, the date range is switched on, and a group page is shown (its total).
void PageLoadReportTotals(benchmark::State& state) {
    AutoAnswerPrompter prompter;
    FixedClock clock;
    for (auto _ : state) {
        MaintenancePage page(prompter, clock, DataFolder().path());
        page.LoadMaintenance();
        page.SetGroupsAll(TickState::Ticked);
        page.SetSuppliersAll(TickState::Ticked);
        page.SetUseAllDates(false);
        page.SetActivePage(MaintenancePage::kFirstGroupPage + kGroups / 2);
        benchmark::DoNotOptimize(page.TotalCost());
    }
}

} // namespace

BENCHMARK(LoadLog)->Unit(benchmark::kMillisecond);
BENCHMARK(Report)->Arg(1)->Arg(0)->ArgName("allDates")->Unit(benchmark::kMillisecond);
BENCHMARK(AllGroupTotals)->Unit(benchmark::kMillisecond);
BENCHMARK(PageLoadReportTotals)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
