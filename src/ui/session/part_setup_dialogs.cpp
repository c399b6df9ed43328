#include "part_setup_dialogs.h"

#include "session/setup_area_io.h"
#include "storage/translate.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TManagePartSetupsDlg::TManagePartSetupsDlg(PartSetupManager& manager,
                                           std::function<std::optional<QString>()> chooseSetupFile,
                                           QWidget* parent)
    : QDialog(parent), m_manager(manager) {
    setWindowTitle(manager.Caption());
    setObjectName(QStringLiteral("TManagePartSetupsDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Available part setups")));
    m_list = new QListWidget;
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(Translate("Selected part setup")));
    m_box = new QLineEdit;
    layout->addWidget(m_box);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(Translate("&Save"));
    save->setToolTip(Translate("Give a name to the current part setup"));
    m_load = new QPushButton(Translate("&Load"));
    m_load->setToolTip(Translate("Load the selected part setup"));
    m_delete = new QPushButton(Translate("&Delete"));
    m_delete->setToolTip(Translate("Delete the symbolic part setup name"));
    auto* copy = new QPushButton(Translate("&Copy from any setup"));
    copy->setToolTip(Translate("Copy from any other full setup"));
    auto* close = new QPushButton(Translate("Close"));
    for (QPushButton* b : {save, m_load, m_delete, copy, close})
        buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) m_box->setText(name);
    });
    connect(m_box, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_manager.SetBox(text);
        m_load->setEnabled(m_manager.CanLoadOrDelete());
        m_delete->setEnabled(m_manager.CanLoadOrDelete());
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_manager.Save()) accept();
    });
    connect(m_load, &QPushButton::clicked, this, [this] {
        if (m_manager.Load()) accept();
    });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (m_manager.Delete()) accept();
    });
    connect(copy, &QPushButton::clicked, this, [this, chooseSetupFile] {
        const auto path = chooseSetupFile ? chooseSetupFile() : std::nullopt;
        if (path) m_manager.CopyFromSetup(*path);
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    Fill();
}

void TManagePartSetupsDlg::Fill() {
    m_list->addItems(m_manager.Names());
    m_box->setText(m_manager.Box());
    m_load->setEnabled(m_manager.CanLoadOrDelete());
    m_delete->setEnabled(m_manager.CanLoadOrDelete());
}

TComposeSetupDlg::TComposeSetupDlg(const std::map<SetupArea, QStringList>& lists,
                                   const std::map<SetupArea, QString>& selected, VehicleType vehicle,
                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Translate("Compose Setup"));
    setObjectName(QStringLiteral("TComposeSetupDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Select which part setups to load")));
    auto* form = new QFormLayout;
    for (SetupArea area :
         {SetupArea::Tires, SetupArea::Jetting, SetupArea::Suspension, SetupArea::Gearing, SetupArea::General,
          SetupArea::Engine, SetupArea::Aerodynamics, SetupArea::WeightDistribution}) {
        // Aerodynamics and weight distribution only for the vehicles that have them.
        if (!HasSetupArea(area, vehicle)) continue;
        auto* box = new QComboBox;
        box->setEditable(true);
        box->setMinimumWidth(200);
        box->addItem(QString());
        const auto list = lists.find(area);
        if (list != lists.end()) box->addItems(list->second);
        const auto name = selected.find(area);
        box->setCurrentText(name != selected.end() ? name->second : QString());
        form->addRow(Translate(SetupAreaInfoOf(area).caption), box);
        m_boxes[area] = box;
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(Translate("Load setups"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::map<SetupArea, QString> TComposeSetupDlg::Names() const {
    std::map<SetupArea, QString> names;
    for (const auto& [area, box] : m_boxes)
        names[area] = box->currentText();
    return names;
}
