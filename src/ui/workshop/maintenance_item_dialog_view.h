#pragma once
// "Add/Edit Maintenance Item": date, supplier, cost, description and, for callers outside the log, the
// group. Shows a MaintenanceItemDialog model and writes the fields back into it; OK closes only when
// the model accepts the values.
#include "workshop/maintenance_item_dialog.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QDateEdit;
class QLineEdit;

class TMaintenanceItemsDialog : public QDialog {
    Q_OBJECT
  public:
    TMaintenanceItemsDialog(MaintenanceItemDialog& model, Prompter& prompter, QWidget* parent = nullptr);

    // The controls, for tests.
    QDateEdit* DateEdit() const { return m_date; }
    QComboBox* SupplierBox() const { return m_supplier; }
    QLineEdit* CostEdit() const { return m_cost; }
    QLineEdit* DescriptionEdit() const { return m_description; }
    QComboBox* GroupBox() const { return m_group; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Store();
    void SupplierLeft();
    void ShowCostState();

    MaintenanceItemDialog& m_model;
    Prompter& m_prompter;
    QDateEdit* m_date = nullptr;
    QComboBox* m_supplier = nullptr;
    QLineEdit* m_cost = nullptr;
    QLineEdit* m_description = nullptr;
    QComboBox* m_group = nullptr;
};
