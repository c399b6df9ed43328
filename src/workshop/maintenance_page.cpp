#include "maintenance_page.h"

#include "storage/atomic_file.h"
#include "storage/date_time.h"
#include "storage/translate.h"

#include <QDir>
#include <algorithm>
#include <cmath>

namespace {

double StartOfDay(double day) {
    return std::floor(day);
}

// Today and the same day twelve months before, both at midnight.
std::pair<double, double> StartRange(double now) {
    const QDate today = DateTimeFromDayNumber(now).date();
    return {DayNumberFromDateTime(QDateTime(today.addMonths(-12), QTime(0, 0))),
            DayNumberFromDateTime(QDateTime(today, QTime(0, 0)))};
}

} // namespace

MaintenancePage::MaintenancePage(Prompter& prompter, Clock& clock, QString dataDir)
    : m_prompter(prompter), m_clock(clock), m_dataDir(std::move(dataDir)), m_dialog(clock.NowDayNumber()),
      m_selectedGrid(SelectedItemsHeaders()) {
    const auto [from, to] = StartRange(m_clock.NowDayNumber());
    m_filter.fromDay = from;
    m_filter.toDay = to;
}

MaintenancePage::~MaintenancePage() = default;

QString MaintenancePage::FilePath() const {
    return QDir(m_dataDir).filePath(MaintenanceFileName());
}

QString MaintenancePage::GroupTotalHint() {
    return Translate("Total costs given the selected suppliers and date range from the report page");
}

void MaintenancePage::LoadMaintenance() {
    m_fileUnreadable =
        !m_log.Load(FilePath(), [this](const QString& message) { m_prompter.ShowError(message); });
    m_filter.groups.clear();
    m_filter.suppliers.clear();
    m_filter.allDates = true;
    const auto [from, to] = StartRange(m_clock.NowDayNumber());
    m_filter.fromDay = from;
    m_filter.toDay = to;
    m_groupsAll = TickState::Unticked;
    m_suppliersAll = TickState::Unticked;
    m_activePage = kReportPage;
    m_dirty = false;
    RebuildGrids();
    CalcReport();
    CalcGroupTotal();
    groupsChanged.Emit();
    changed.Emit();
}

bool MaintenancePage::SaveMaintenance() {
    // A file that could not be read is not written over with the (empty) log shown instead.
    if (m_fileUnreadable) {
        m_prompter.ShowError(
            Fill(Translate("%s could not be read and is left as it is."), PathForMessage(FilePath())));
        return false;
    }
    const auto written = m_log.Save(FilePath());
    if (!written) {
        m_prompter.ShowError(written.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

QString MaintenancePage::PageTitle(int page) const {
    if (page == kReportPage) return Translate("Report");
    if (page == kSelectedItemsPage) return Translate("Selected items");
    const int group = page - kFirstGroupPage;
    return group < m_log.GroupCount() ? m_log.Group(group).name : QString();
}

void MaintenancePage::SetActivePage(int page) {
    if (page < 0 || page >= PageCount()) return;
    m_activePage = page;
    ResetSelection();
    CalcGroupTotal();
    changed.Emit();
}

void MaintenancePage::ResetSelection() {
    const int group = ActiveGroup();
    m_selTop = m_selBottom = group >= 0 ? 0 : -1;
}

void MaintenancePage::SetSelection(int top, int bottom) {
    m_selTop = std::min(top, bottom);
    m_selBottom = std::max(top, bottom);
    changed.Emit();
}

bool MaintenancePage::SelectionHoldsItem() const {
    const int group = ActiveGroup();
    return group >= 0 && m_selTop >= 0 && m_selTop < m_log.Group(group).items.RowCount();
}

// Report selection ------------------------------------------------------------------------------------

void MaintenancePage::SetGroupTicked(const QString& name, bool ticked) {
    if (ticked)
        m_filter.groups.insert(name);
    else
        m_filter.groups.remove(name);
    m_groupsAll = TickState::Partly;
    CalcReport();
}

void MaintenancePage::SetSupplierTicked(const QString& name, bool ticked) {
    if (ticked)
        m_filter.suppliers.insert(name);
    else
        m_filter.suppliers.remove(name);
    m_suppliersAll = TickState::Partly;
    CalcReport();
}

void MaintenancePage::SetGroupsAll(TickState state) {
    if (state == TickState::Partly) return;
    m_groupsAll = state;
    m_filter.groups.clear();
    if (state == TickState::Ticked)
        for (const QString& name : m_log.GroupNames())
            m_filter.groups.insert(name);
    CalcReport();
}

void MaintenancePage::SetSuppliersAll(TickState state) {
    if (state == TickState::Partly) return;
    m_suppliersAll = state;
    m_filter.suppliers.clear();
    if (state == TickState::Ticked)
        for (const QString& name : m_log.Suppliers())
            m_filter.suppliers.insert(name);
    CalcReport();
}

void MaintenancePage::SetUseAllDates(bool use) {
    m_filter.allDates = use;
    CalcReport();
}

void MaintenancePage::SetFromDay(double day) {
    m_filter.fromDay = StartOfDay(day);
    CalcReport();
}

void MaintenancePage::SetToDay(double day) {
    m_filter.toDay = StartOfDay(day);
    CalcReport();
}

void MaintenancePage::CalcReport() {
    m_report = CalcMaintenanceReport(m_log, m_filter);
    const auto& rows = m_report.selected.Rows();
    m_selectedGrid.SetRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        m_selectedGrid.SetRow(i, rows[i]);
    m_selectedGrid.SetUsedRows(static_cast<int>(rows.size()));
    CalcGroupTotal();
    changed.Emit();
}

void MaintenancePage::CalcGroupTotal() {
    const int group = ActiveGroup();
    if (group < 0 || group >= m_log.GroupCount()) {
        m_groupTotalCaption.clear();
        return;
    }
    m_groupTotalCaption = Translate("Total costs for this group based on selected date limits if any") +
                          QStringLiteral(": ") +
                          MaintenanceTotalText(MaintenanceGroupTotal(m_log.Group(group), m_filter));
}

// Groups ----------------------------------------------------------------------------------------------

std::optional<QString> MaintenancePage::AskGroupName(const QString& caption, const QString& initial,
                                                     int keep) {
    const auto answer = m_prompter.AskText(caption, Translate("Enter name of group"), initial);
    if (!answer) return std::nullopt;
    const QString name = answer->trimmed();
    if (name.isEmpty() || (keep >= 0 && name == m_log.Group(keep).name)) return std::nullopt;
    if (const auto problem = m_log.CheckGroupName(name, keep)) {
        m_prompter.ShowError(*problem);
        return std::nullopt;
    }
    return name;
}

void MaintenancePage::AddMaintenanceGroup() {
    const auto name = AskGroupName(Translate("Add group"), QString(), -1);
    if (!name) return;
    const int group = m_log.AddGroup(*name);
    m_groupsAll = TickState::Partly;
    RebuildGrids();
    m_activePage = kFirstGroupPage + group;
    ResetSelection();
    CalcGroupTotal();
    MarkDirty();
    groupsChanged.Emit();
    changed.Emit();
}

void MaintenancePage::RenameMaintenanceGroup() {
    const int group = ActiveGroup();
    if (group < 0) return;
    const QString old = m_log.Group(group).name;
    const auto name = AskGroupName(Translate("Edit group"), old, group);
    if (!name) return;
    m_log.RenameGroup(group, *name);
    if (m_filter.groups.remove(old)) m_filter.groups.insert(*name);
    MarkDirty();
    groupsChanged.Emit();
    changed.Emit();
}

void MaintenancePage::DeleteMaintenanceGroup() {
    const int group = ActiveGroup();
    if (group < 0) {
        m_prompter.ShowError(Translate("The report group cannot be deleted!"));
        return;
    }
    const QString name = m_log.Group(group).name;
    if (m_prompter.AskOkCancel(Fill(Translate("Delete group %s?"), name)) != Answer::Ok) return;
    m_filter.groups.remove(name);
    m_log.RemoveGroup(group);
    RebuildGrids();
    m_activePage = std::min(m_activePage, PageCount() - 1);
    ResetSelection();
    MarkDirty();
    groupsChanged.Emit();
    CalcReport();
}

// Items -----------------------------------------------------------------------------------------------

bool MaintenancePage::OpenDialog() {
    if (!requestItemDialog || !requestItemDialog(m_dialog)) return false;
    if (!m_dialog.CostEnabled()) m_dialog.SetCost(QString());
    return true;
}

void MaintenancePage::AddMaintenanceItem() {
    const int group = ActiveGroup();
    if (group < 0) return;
    m_dialog.Prepare(m_log.Suppliers(), QString(), QString(), QString());
    if (!OpenDialog()) return;
    const MaintenanceItemValues& v = m_dialog.Values();
    m_log.AddItems(group, {{DateText(v.day), v.cost, v.supplier, v.description}});
    GroupItemsChanged(group);
}

void MaintenancePage::EditMaintenanceItem() {
    const int group = ActiveGroup();
    if (group < 0) return;
    TextTable& items = m_log.Group(group).items;
    const int row = m_selTop;
    if (row < 0 || row >= items.RowCount() || items.Field(row, kMaintDate).isEmpty()) {
        AddMaintenanceItem();
        return;
    }
    const QStringList old = items.Row(row);
    m_dialog.Prepare(m_log.Suppliers(), old[kMaintCost], old[kMaintSupplier], old[kMaintDescription],
                     ParseDateText(old[kMaintDate].trimmed()));
    if (!OpenDialog()) return;
    const MaintenanceItemValues& v = m_dialog.Values();
    const QStringList now{DateText(v.day), v.cost, v.supplier, v.description};
    if (now != old.mid(0, kMaintenanceColumns)) {
        for (int column = 0; column < kMaintenanceColumns; ++column)
            items.SetField(row, column, now[column]);
        m_log.AddSupplier(v.supplier);
        if (now[kMaintDate] != old[kMaintDate]) SortMaintenanceRows(items);
    }
    GroupItemsChanged(group);
}

void MaintenancePage::DeleteMaintenanceItems() {
    const int group = ActiveGroup();
    if (group < 0) return;
    TextTable& items = m_log.Group(group).items;
    // The selection may reach into the empty row below the items: only used rows are deleted.
    const int top = std::max(0, m_selTop);
    const int bottom = std::min(m_selBottom, items.RowCount() - 1);
    if (items.RowCount() == 0 || m_selTop < 0 || top > bottom) return;
    const QString question =
        top == bottom ? Translate("Delete this item?") : Translate("Delete these items?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    items.RemoveRows(top, bottom - top + 1);
    m_selBottom = m_selTop = std::min(top, items.RowCount());
    GroupItemsChanged(group);
}

void MaintenancePage::DuplicateMaintenanceItem() {
    const int group = ActiveGroup();
    if (group < 0) return;
    TextTable& items = m_log.Group(group).items;
    const int row = m_selTop;
    if (row < 0 || row >= items.RowCount() || items.Field(row, kMaintDate).isEmpty()) return;
    items.AddRow(items.Row(row));
    SortMaintenanceRows(items);
    GroupItemsChanged(group);
}

void MaintenancePage::GroupItemsChanged(int group) {
    SyncGrid(group);
    CalcGroupTotal();
    MarkDirty();
    changed.Emit();
}

bool MaintenancePage::AppendMaintenanceItem(const QString& group, const QString& date, const QString& cost,
                                            const QString& supplier, const QString& description) {
    const int index = m_log.FindGroup(group);
    if (index < 0) {
        m_prompter.ShowError(Translate("This group does not exist!"));
        return false;
    }
    m_log.AppendItem(index, {date, cost, supplier, description});
    SyncGrid(index);
    MarkDirty();
    changed.Emit();
    return true;
}

bool MaintenancePage::AddItems(const QString& group, const QList<QStringList>& items) {
    const int index = m_log.FindGroup(group);
    if (index < 0) {
        m_prompter.ShowError(Translate("This group does not exist!"));
        return false;
    }
    m_log.AddItems(index, items);
    GroupItemsChanged(index);
    return true;
}

bool MaintenancePage::AddItemWithGroupChoice(const QString& presetGroup, const QString& cost,
                                             const QString& supplier, const QString& description,
                                             std::optional<double> presetDay) {
    m_dialog.Prepare(m_log.Suppliers(), cost, supplier, description, presetDay, m_log.GroupNames());
    m_dialog.SetGroup(presetGroup);
    if (!OpenDialog()) return false;
    const MaintenanceItemValues& v = m_dialog.Values();
    return AppendMaintenanceItem(v.group, DateText(v.day), v.cost, v.supplier, v.description);
}

// Grids -----------------------------------------------------------------------------------------------

void MaintenancePage::MarkDirty() {
    m_dirty = true;
}

void MaintenancePage::RebuildGrids() {
    m_grids.clear();
    for (int g = 0; g < m_log.GroupCount(); ++g) {
        m_grids.push_back(std::make_unique<TextGrid>(MaintenanceHeaders()));
        SyncGrid(g);
    }
}

void MaintenancePage::SyncGrid(int group) {
    if (group < 0 || group >= static_cast<int>(m_grids.size())) return;
    TextGrid& grid = *m_grids[group];
    const auto& rows = m_log.Group(group).items.Rows();
    const int count = static_cast<int>(rows.size());
    // At least one empty row below the last item.
    grid.SetRowCount(count + 1);
    for (int i = 0; i < count; ++i)
        grid.SetRow(i, rows[i]);
    grid.SetRow(count, {});
    grid.SetUsedRows(count);
}
