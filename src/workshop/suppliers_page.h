#pragma once
// The "Suppliers" page: the supplier table, its sort keys, the changed state and the page's commands;
// the supplier dialog's "Write E-mail" and "Go to home page".
#include "events/event.h"
#include "grid/sort_grid.h"
#include "grid/text_grid.h"
#include "services/services.h"
#include "workshop/suppliers.h"

#include <QString>
#include <QStringList>
#include <vector>

class SuppliersPage {
  public:
    SuppliersPage(Prompter& prompter, Shell& shell, QString dataDir);

    Event<> changed;

    void LoadSuppliers(); // a missing file: empty list; an unreadable one is reported
    bool SaveSuppliers(); // false when the write failed (reported)
    bool IsDirty() const { return m_dirty; }

    const SupplierList& List() const { return m_list; }
    QStringList SupplierNames() const { return ::SupplierNames(m_list); }
    // The table as the grid shows it, with one empty row below the last supplier.
    TextGrid& Grid() { return m_grid; }
    const SortableGrid& Sorting() const { return m_sorting; }
    bool RowHoldsSupplier(int row) const { return row >= 0 && row < m_list.suppliers.RowCount(); }

    // OK of the supplier dialog is enabled only while the trimmed company is not empty.
    static bool CanAccept(const QStringList& fields);
    // The dialog's fields (trimmed) as a new supplier, or over the row's; then sorted by the keys.
    bool AddSupplier(const QStringList& fields);
    bool EditSupplier(int row, const QStringList& fields);
    // Asks "Delete this supplier?" or "Delete these suppliers?" and removes the rows.
    void DeleteSuppliers(const std::vector<int>& rows);
    void HeaderClick(int column, bool ctrl, bool shift);

    // "Write E-mail" and "Go to home page" of the dialog.
    void WriteEMail(const QString& eMail);
    void GoToHomePage(const QString& webSite);

  private:
    void MarkDirty();
    void Refill();

    Prompter& m_prompter;
    Shell& m_shell;
    QString m_dataDir;
    SupplierList m_list;
    bool m_dirty = false;
    TextGrid m_grid;
    SortableGrid m_sorting{m_grid};
};
