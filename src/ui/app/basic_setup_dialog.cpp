#include "basic_setup_dialog.h"

#include "storage/translate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TBasicSetupDialog::TBasicSetupDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Translate("Basic Setup"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Choose type of vehicle"), this));
    m_entries = new QListWidget(this);
    m_entries->setObjectName(QStringLiteral("vehicleTypes"));
    for (const char* entry : {"Motorcycle", "Sidecar", N_("Gokart"), "Car"})
        m_entries->addItem(Translate(entry));
    layout->addWidget(m_entries);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_next = new QPushButton(Translate("&Next"), this);
    m_next->setObjectName(QStringLiteral("next"));
    m_next->setEnabled(false);
    m_next->setDefault(true);
    buttons->addWidget(m_next);
    layout->addLayout(buttons);
    // Only a chosen entry counts: the list makes its first entry current when it gets the focus, which
    // is no choice.
    connect(m_entries, &QListWidget::itemSelectionChanged, this,
            [this] { m_next->setEnabled(ChosenEntry().has_value()); });
    connect(m_entries, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_next, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<int> TBasicSetupDialog::ChosenEntry() const {
    const QList<QListWidgetItem*> chosen = m_entries->selectedItems();
    if (chosen.isEmpty()) return std::nullopt;
    return m_entries->row(chosen.first());
}
