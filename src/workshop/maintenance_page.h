#pragma once
// The "Maintenance Log" page: the log, its changed state, the report selection and result, the pages
// "Report", "Selected items" and one per group (each with its grid), and the page's commands. The
// widget shows what this holds and forwards each user event to one call.
#include "events/event.h"
#include "grid/text_grid.h"
#include "maintenance_item_dialog.h"
#include "maintenance_log.h"
#include "services/services.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class TickState { Unticked, Partly, Ticked };

class MaintenancePage {
  public:
    // Pages before the group pages.
    static constexpr int kReportPage = 0;
    static constexpr int kSelectedItemsPage = 1;
    static constexpr int kFirstGroupPage = 2;

    MaintenancePage(Prompter& prompter, Clock& clock, QString dataDir);
    ~MaintenancePage();

    // After every change of what the page shows.
    Event<> changed;
    // The group pages were added, removed, renamed or reordered: the tabs are built anew.
    Event<> groupsChanged;

    // Opens the item dialog and answers whether OK closed it (the dialog's values hold the answer).
    // Without it the item commands stop at the dialog.
    std::function<bool(MaintenanceItemDialog&)> requestItemDialog;

    const MaintenanceLog& Log() const { return m_log; }
    QStringList GroupNames() const { return m_log.GroupNames(); }
    QString FilePath() const;

    // Reads the file and shows the "Report" page with the selection at its start state; not changed.
    void LoadMaintenance();
    bool SaveMaintenance(); // false when refused or the write failed
    bool IsDirty() const { return m_dirty; }

    // Pages: 0 "Report", 1 "Selected items", 2 + n group n.
    int PageCount() const { return kFirstGroupPage + m_log.GroupCount(); }
    QString PageTitle(int page) const;
    int ActivePage() const { return m_activePage; }
    void SetActivePage(int page);                                      // recomputes the group total
    int ActiveGroup() const { return m_activePage - kFirstGroupPage; } // -1 and below: no group page
    bool OnGroupPage() const { return ActiveGroup() >= 0; }
    TextGrid& GroupGrid(int group) { return *m_grids[group]; }
    TextGrid& SelectedItemsGrid() { return m_selectedGrid; }

    // The selected rows of the active group's grid (top and bottom of the selection).
    void SetSelection(int top, int bottom);
    int SelectionTop() const { return m_selTop; }
    bool SelectionHoldsItem() const;

    // Enabled states of the commands and the group total caption.
    bool ItemCommandsEnabled() const { return OnGroupPage(); }
    bool EditDeleteDuplicateEnabled() const { return OnGroupPage() && SelectionHoldsItem(); }
    bool GroupCommandsEnabled() const { return OnGroupPage(); } // "Edit group", "Delete group"
    bool GroupTotalVisible() const { return OnGroupPage(); }
    QString GroupTotalCaption() const { return m_groupTotalCaption; }
    static QString GroupTotalHint();

    // Report selection.
    const QStringList& Suppliers() const { return m_log.Suppliers(); }
    bool GroupTicked(const QString& name) const { return m_filter.groups.contains(name); }
    bool SupplierTicked(const QString& name) const { return m_filter.suppliers.contains(name); }
    TickState GroupsAll() const { return m_groupsAll; }
    TickState SuppliersAll() const { return m_suppliersAll; }
    bool UseAllDates() const { return m_filter.allDates; }
    bool DateFieldsEnabled() const { return !m_filter.allDates; }
    double FromDay() const { return m_filter.fromDay; }
    double ToDay() const { return m_filter.toDay; }
    void SetGroupTicked(const QString& name, bool ticked);
    void SetSupplierTicked(const QString& name, bool ticked);
    void SetGroupsAll(TickState state); // Partly changes nothing
    void SetSuppliersAll(TickState state);
    void SetUseAllDates(bool use);
    void SetFromDay(double day); // the time of day is dropped
    void SetToDay(double day);
    const MaintenanceFilter& Filter() const { return m_filter; }
    QString TotalCostText() const { return MaintenanceTotalText(m_report.total); }
    double TotalCost() const { return m_report.total; }

    // Commands.
    void AddMaintenanceGroup();
    void RenameMaintenanceGroup();
    void DeleteMaintenanceGroup();
    void AddMaintenanceItem();
    void EditMaintenanceItem();
    void DeleteMaintenanceItems();
    void DuplicateMaintenanceItem();
    void CalcReport();
    void CalcGroupTotal();

    // For the other workshop pages. AppendMaintenanceItem appends one item to a named group as it is
    // (no re-sort, no totals); an unknown group is reported and false returned. AddItems appends and
    // sorts the group. AddItemWithGroupChoice opens the item dialog with the group list, preset with
    // the values (the group too), and appends to the chosen group. False on Cancel.
    bool AppendMaintenanceItem(const QString& group, const QString& date, const QString& cost,
                               const QString& supplier, const QString& description);
    bool AddItems(const QString& group, const QList<QStringList>& items);
    bool AddItemWithGroupChoice(const QString& presetGroup, const QString& cost, const QString& supplier,
                                const QString& description, std::optional<double> presetDay = std::nullopt);

    MaintenanceItemDialog& ItemDialog() { return m_dialog; }

  private:
    void MarkDirty();
    void RebuildGrids(); // after the group list changed
    void SyncGrid(int group);
    void GroupItemsChanged(int group); // grid, report, group total, dirty, changed
    std::optional<QString> AskGroupName(const QString& caption, const QString& initial, int keep);
    bool OpenDialog();
    void UpdateGroupsAll();
    void UpdateSuppliersAll();
    void ResetSelection();

    Prompter& m_prompter;
    Clock& m_clock;
    QString m_dataDir;
    MaintenanceLog m_log;
    MaintenanceItemDialog m_dialog;
    std::vector<std::unique_ptr<TextGrid>> m_grids;
    TextGrid m_selectedGrid;
    MaintenanceFilter m_filter;
    MaintenanceReport m_report;
    TickState m_groupsAll = TickState::Unticked;
    TickState m_suppliersAll = TickState::Unticked;
    QString m_groupTotalCaption;
    int m_activePage = kReportPage;
    int m_selTop = -1;
    int m_selBottom = -1;
    bool m_dirty = false;
    bool m_fileUnreadable = false; // the file exists but could not be read: it is never written over
};
