#pragma once
// The item dialog of the maintenance log ("Add/Edit Maintenance Item"), one for the whole run: its date
// stays what it last showed (an edited item's date or the last date entered). Callers outside the log
// open it with a group list and receive the chosen group with the values.
#include <QString>
#include <QStringList>
#include <optional>

struct MaintenanceItemValues {
    double day = 0; // the date as a day number (its time of day is not used)
    QString cost;
    QString supplier;
    QString description;
    QString group; // chosen in the group list, when the dialog shows one
};

class MaintenanceItemDialog {
  public:
    explicit MaintenanceItemDialog(double startDay) { m_values.day = startDay; }

    // Before showing: the suppliers of the drop-down and the values to start from. The date is kept
    // unless presetDay is given. An empty groups list hides the group list.
    void Prepare(const QStringList& suppliers, const QString& cost, const QString& supplier,
                 const QString& description, std::optional<double> presetDay = std::nullopt,
                 const QStringList& groups = {});

    QString Caption() const;
    const MaintenanceItemValues& Values() const { return m_values; }
    const QStringList& Suppliers() const { return m_suppliers; } // the drop-down, sorted
    const QStringList& Groups() const { return m_groups; }
    bool ShowsGroups() const { return !m_groups.isEmpty(); }
    bool CostEnabled() const { return !m_values.supplier.trimmed().isEmpty(); }

    void SetDay(double day) { m_values.day = day; }
    void SetCost(const QString& text) { m_values.cost = text; }
    void SetSupplier(const QString& text) { m_values.supplier = text; }
    void SetDescription(const QString& text) { m_values.description = text; }
    void SetGroup(const QString& group) { m_values.group = group; }

    // Leaving the supplier field: an empty one clears the cost; a new name joins the drop-down.
    void SupplierLeft();
    // Leaving the cost field: the message when a non-empty cost is no number (the field keeps the focus).
    std::optional<QString> CostLeft() const;
    // OK: the first message that keeps the dialog open, nullopt when it may close.
    std::optional<QString> CheckOk() const;

  private:
    MaintenanceItemValues m_values;
    QStringList m_suppliers;
    QStringList m_groups;
};
