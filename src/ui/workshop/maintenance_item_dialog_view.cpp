#include "maintenance_item_dialog_view.h"

#include "services/services.h"
#include "storage/date_time.h"
#include "storage/translate.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

TMaintenanceItemsDialog::TMaintenanceItemsDialog(MaintenanceItemDialog& model, Prompter& prompter,
                                                 QWidget* parent)
    : QDialog(parent), m_model(model), m_prompter(prompter) {
    setObjectName(QStringLiteral("maintenanceItemDialog"));
    setWindowTitle(m_model.Caption());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("date"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setDate(DateTimeFromDayNumber(m_model.Values().day).date());
    form->addRow(Translate("Date"), m_date);

    m_supplier = new QComboBox(this);
    m_supplier->setObjectName(QStringLiteral("supplier"));
    m_supplier->setEditable(true);
    m_supplier->setInsertPolicy(QComboBox::NoInsert);
    m_supplier->addItems(m_model.Suppliers());
    m_supplier->setEditText(m_model.Values().supplier);
    m_supplier->lineEdit()->installEventFilter(this);
    form->addRow(Translate("Supplier"), m_supplier);

    m_cost = new QLineEdit(m_model.Values().cost, this);
    m_cost->setObjectName(QStringLiteral("cost"));
    m_cost->installEventFilter(this);
    form->addRow(Translate("Cost"), m_cost);

    m_description = new QLineEdit(m_model.Values().description, this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setMinimumWidth(320);
    form->addRow(Translate("Description"), m_description);

    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("group"));
    m_group->addItems(m_model.Groups());
    m_group->setCurrentIndex(m_group->findText(m_model.Values().group)); // none when not preset
    form->addRow(Translate("Group"), m_group);
    form->setRowVisible(m_group, m_model.ShowsGroups());

    // While the supplier is typed the cost follows it: no supplier, no cost.
    connect(m_supplier, &QComboBox::editTextChanged, this, [this](const QString& text) {
        m_model.SetSupplier(text);
        ShowCostState();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TMaintenanceItemsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_description->setFocus();
    ShowCostState();
}

void TMaintenanceItemsDialog::ShowCostState() {
    m_cost->setEnabled(m_model.CostEnabled());
}

void TMaintenanceItemsDialog::SupplierLeft() {
    Store();
    m_model.SupplierLeft();
    if (m_model.Values().cost != m_cost->text()) m_cost->setText(m_model.Values().cost);
    const QString name = m_supplier->currentText().trimmed();
    if (!name.isEmpty() && m_supplier->findText(name) < 0) {
        const QString typed = m_supplier->currentText();
        m_supplier->clear();
        m_supplier->addItems(m_model.Suppliers());
        m_supplier->setEditText(typed);
    }
    ShowCostState();
}

bool TMaintenanceItemsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_supplier->lineEdit()) SupplierLeft();
        if (watched == m_cost && isVisible()) {
            Store();
            if (const auto message = m_model.CostLeft()) {
                m_prompter.ShowError(*message);
                QTimer::singleShot(0, m_cost, [cost = m_cost] { cost->setFocus(); });
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMaintenanceItemsDialog::Store() {
    m_model.SetDay(DayNumberFromDateTime(QDateTime(m_date->date(), QTime(0, 0))));
    m_model.SetSupplier(m_supplier->currentText());
    m_model.SetCost(m_model.CostEnabled() ? m_cost->text() : QString());
    m_model.SetDescription(m_description->text());
    m_model.SetGroup(m_group->currentText());
}

void TMaintenanceItemsDialog::accept() {
    Store();
    if (const auto message = m_model.CheckOk()) {
        m_prompter.ShowError(*message);
        return;
    }
    QDialog::accept();
}
