#include "suppliers_page.h"

#include "storage/translate.h"

#include <algorithm>

SuppliersPage::SuppliersPage(Prompter& prompter, Shell& shell, QString dataDir)
    : m_prompter(prompter), m_shell(shell), m_dataDir(std::move(dataDir)),
      m_grid(SupplierColumnCaptions(), 1) {
    m_sorting.onMarkChanged = [this] {
        m_list.sortKeys = m_sorting.Keys();
        m_list.suppliers.Sort(m_list.sortKeys);
        MarkDirty();
        Refill();
    };
    Refill();
}

void SuppliersPage::LoadSuppliers() {
    const auto loaded = ::LoadSuppliers(m_dataDir);
    if (!loaded)
        m_prompter.ShowError(loaded.error());
    else
        m_list = *loaded;
    m_sorting.SetKeys(m_list.sortKeys);
    m_dirty = false;
    Refill();
    changed.Emit();
}

bool SuppliersPage::SaveSuppliers() {
    m_list.sortKeys = m_sorting.Keys();
    if (const auto saved = ::SaveSuppliers(m_dataDir, m_list); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

bool SuppliersPage::CanAccept(const QStringList& fields) {
    return !fields.value(supplier_col::Company).trimmed().isEmpty();
}

namespace {

QStringList Trimmed(const QStringList& fields) {
    QStringList result;
    for (int column = 0; column < kSupplierColumnCount; ++column)
        result << fields.value(column).trimmed();
    return result;
}

} // namespace

bool SuppliersPage::AddSupplier(const QStringList& fields) {
    if (!CanAccept(fields)) return false;
    m_list.suppliers.AddRow(Trimmed(fields));
    m_list.suppliers.Sort(m_sorting.Keys());
    MarkDirty();
    Refill();
    return true;
}

bool SuppliersPage::EditSupplier(int row, const QStringList& fields) {
    if (!RowHoldsSupplier(row) || !CanAccept(fields)) return false;
    // Fields past the dialog's (a newer file's) stay as they were.
    QStringList kept = m_list.suppliers.Row(row);
    const QStringList edited = Trimmed(fields);
    for (int column = 0; column < kSupplierColumnCount; ++column)
        kept[column] = edited[column];
    m_list.suppliers.SetRow(row, kept);
    m_list.suppliers.Sort(m_sorting.Keys());
    MarkDirty();
    Refill();
    return true;
}

void SuppliersPage::DeleteSuppliers(const std::vector<int>& selected) {
    std::vector<int> rows;
    for (int row : selected)
        if (RowHoldsSupplier(row)) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;
    const QString question =
        rows.size() == 1 ? Translate("Delete this supplier?") : Translate("Delete these suppliers?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        m_list.suppliers.RemoveRows(*it);
    MarkDirty();
    Refill();
}

void SuppliersPage::HeaderClick(int column, bool ctrl, bool shift) {
    if (column < 0 || column >= kSupplierColumnCount) return;
    m_sorting.HeaderClick(column, ctrl, shift);
}

void SuppliersPage::WriteEMail(const QString& eMail) {
    if (!m_shell.Open(MailToUrl(eMail).toString(QUrl::FullyEncoded)))
        m_prompter.ShowError(Translate(
            "Unable to start E-mail program. Make sure you have it properly set-up on your system."));
}

void SuppliersPage::GoToHomePage(const QString& webSite) {
    // Only a web address is handed on: a program or file named in the field is never started.
    const auto url = HomePageUrl(webSite);
    if (!url || !m_shell.Open(url->toString(QUrl::FullyEncoded)))
        m_prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}

void SuppliersPage::MarkDirty() {
    m_dirty = true;
    changed.Emit();
}

void SuppliersPage::Refill() {
    const int count = m_list.suppliers.RowCount();
    const int current = m_grid.CurrentRow();
    m_grid.ClearRows();
    m_grid.SetRowCount(count + 1);
    for (int row = 0; row < count; ++row)
        m_grid.SetRow(row, m_list.suppliers.Row(row).mid(0, kSupplierColumnCount));
    m_grid.SetUsedRows(count);
    m_grid.SetCurrentRow(std::clamp(current, 0, count)); // at most the empty row below the suppliers
    m_grid.NotifyHeadersChanged();
}
