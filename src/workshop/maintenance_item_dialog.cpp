#include "maintenance_item_dialog.h"

#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>

namespace {
bool NameLess(const QString& a, const QString& b) {
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}
} // namespace

void MaintenanceItemDialog::Prepare(const QStringList& suppliers, const QString& cost,
                                    const QString& supplier, const QString& description,
                                    std::optional<double> presetDay, const QStringList& groups) {
    m_suppliers = suppliers;
    std::sort(m_suppliers.begin(), m_suppliers.end(), NameLess);
    m_values.cost = cost;
    m_values.supplier = supplier;
    m_values.description = description;
    m_values.group.clear();
    if (presetDay) m_values.day = *presetDay;
    m_groups = groups;
}

QString MaintenanceItemDialog::Caption() const {
    return Translate("Add/Edit Maintenance Item");
}

void MaintenanceItemDialog::SupplierLeft() {
    const QString name = m_values.supplier.trimmed();
    if (name.isEmpty()) {
        m_values.cost.clear();
        return;
    }
    const auto at = std::lower_bound(m_suppliers.begin(), m_suppliers.end(), name, NameLess);
    if (at == m_suppliers.end() || *at != name) m_suppliers.insert(at, name);
}

std::optional<QString> MaintenanceItemDialog::CostLeft() const {
    const QString cost = m_values.cost.trimmed();
    if (cost.isEmpty() || ParseDecimal(cost)) return std::nullopt;
    return Translate("Bad format of cost, must be a floating point value!");
}

std::optional<QString> MaintenanceItemDialog::CheckOk() const {
    if (CostEnabled())
        if (auto message = CostLeft()) return message;
    if (ShowsGroups() && !m_groups.contains(m_values.group)) return Translate("You have to select a group!");
    return std::nullopt;
}
