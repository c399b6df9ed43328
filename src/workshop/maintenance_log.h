#pragma once
// The maintenance log: named groups of dated items with a cost, a supplier and a description, the
// supplier names that occur in them, the file "maintenance.ini", and the cost report over a choice of
// groups, suppliers and dates.
#include "grid/text_table.h"
#include "storage/expected.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

enum MaintenanceColumn { kMaintDate = 0, kMaintCost = 1, kMaintSupplier = 2, kMaintDescription = 3 };
constexpr int kMaintenanceColumns = 4;
constexpr int kMaintenanceGroupCol = 4; // the group column of the selected items
constexpr int kMaxMaintenanceGroups = 100;

QStringList MaintenanceHeaders();   // "Date", "Cost", "Supplier", "Description"
QStringList SelectedItemsHeaders(); // the same, then "Group"
QString MaintenanceFileName();      // "maintenance.ini"

struct MaintenanceGroup {
    QString name;
    TextTable items{kMaintenanceColumns};
};

// Orders rows newest first by their "yyyy-mm-dd" date; rows whose date cannot be read go last, in
// their order. Stable.
void SortMaintenanceRows(TextTable& table);

class MaintenanceLog {
  public:
    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    const MaintenanceGroup& Group(int index) const { return m_groups[index]; }
    MaintenanceGroup& Group(int index) { return m_groups[index]; }
    QStringList GroupNames() const;           // page order
    int FindGroup(const QString& name) const; // exact (case-sensitive); -1 when absent

    // The sorted set of the trimmed non-empty supplier names seen; it only grows.
    const QStringList& Suppliers() const { return m_suppliers; }
    bool AddSupplier(const QString& name); // true when it was new

    // Reads the file: a missing file gives an empty log. Groups are sorted by name, items by date.
    // onMessage receives the reader's messages (an unreadable file among them). False when the file
    // exists but could not be read.
    bool Load(const QString& path, std::function<void(const QString&)> onMessage = {});
    // Writes every group in page order; the old file stays whole on failure (the error text).
    Expected<void, QString> Save(const QString& path) const;
    // Load from a file's text already in memory (tests, the benchmark).
    void LoadText(const QString& text);

    // Group rules. nullopt when name may be used for a new group (or for group keep when renaming),
    // else the error message.
    std::optional<QString> CheckGroupName(const QString& name, int keep = -1) const;
    // Appends a group and sorts the pages; the new group's index.
    int AddGroup(const QString& name);
    void RenameGroup(int index, const QString& name); // keeps its position
    void RemoveGroup(int index);
    void SortGroups(); // by name, case-insensitive

    // Items: added rows are sorted into the group (newest first); Append leaves the order alone.
    void AddItems(int group, const QList<QStringList>& items);
    void AppendItem(int group, const QStringList& fields);

  private:
    void Parse(class TTxtParser& reader);
    void Rebuild();

    QList<MaintenanceGroup> m_groups;
    QStringList m_suppliers;
};

// What the report counts: the ticked groups and suppliers (trimmed names) and the date range.
struct MaintenanceFilter {
    QSet<QString> groups;
    QSet<QString> suppliers;
    bool allDates = true;
    double fromDay = 0; // day numbers of the first and last day, both included
    double toDay = 0;
    // Supplier and date rules for one item (the group is checked by the caller). An item without a
    // supplier never passes; one whose date cannot be read never passes a date range.
    bool Passes(const QStringList& item) const;
};

struct MaintenanceReport {
    TextTable selected{kMaintenanceColumns + 1}; // newest first
    double total = 0;
};

MaintenanceReport CalcMaintenanceReport(const MaintenanceLog& log, const MaintenanceFilter& filter);
double MaintenanceGroupTotal(const MaintenanceGroup& group, const MaintenanceFilter& filter);
// A total as shown: the shortest general decimal form with at most 15 significant digits.
QString MaintenanceTotalText(double total);
