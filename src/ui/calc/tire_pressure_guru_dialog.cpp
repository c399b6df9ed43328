#include "tire_pressure_guru_dialog.h"

#include "calc/tire_pressure.h"
#include "storage/translate.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* Field(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(90);
    return edit;
}

} // namespace

TTirePressureGuruDlg::TTirePressureGuruDlg(TirePressureGuruModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("TirePressureGuruDlg"));
    setWindowTitle(TirePressureGuruModel::WindowTitle());
    auto* layout = new QVBoxLayout(this);

    auto* settings = new QGroupBox(TirePressureGuruModel::SettingsCaption(), this);
    auto* grid = new QGridLayout(settings);
    grid->addWidget(new QLabel(Translate("Temperature"), settings), 0, 1);
    grid->addWidget(new QLabel(Translate("Pressure"), settings), 0, 2);
    grid->addWidget(new QLabel(Translate("Cold reference"), settings), 1, 0);
    grid->addWidget(new QLabel(Translate("Hot reference"), settings), 2, 0);
    m_coldTemp = Field("refColdTemp", settings);
    m_coldPressure = Field("refColdPressure", settings);
    m_hotTemp = Field("refHotTemp", settings);
    m_hotPressure = Field("refHotPressure", settings);
    grid->addWidget(m_coldTemp, 1, 1);
    grid->addWidget(m_coldPressure, 1, 2);
    grid->addWidget(m_hotTemp, 2, 1);
    grid->addWidget(m_hotPressure, 2, 2);
    grid->setColumnStretch(3, 1);
    layout->addWidget(settings);

    auto* guru = new QGroupBox(TirePressureGuruModel::SaysText(), this);
    auto* form = new QFormLayout(guru);
    m_temperature = Field("actualTireTemp", guru);
    m_suggestion = Field("suggestedColdPressure", guru);
    m_suggestion->setReadOnly(true);
    form->addRow(Translate("With an actual tire temperature of"), m_temperature);
    form->addRow(Translate("I suggest a cold pressure of"), m_suggestion);
    layout->addWidget(guru);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    for (QLineEdit* reference : {m_coldTemp, m_coldPressure, m_hotTemp, m_hotPressure})
        connect(reference, &QLineEdit::textEdited, this, [this] { ReferencesEdited(); });
    connect(m_temperature, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_showing) return;
        m_model.SetTemperature(text);
        Refresh();
    });
    resize(380, 260);
    Refresh();
}

void TTirePressureGuruDlg::ReferencesEdited() {
    if (m_showing) return;
    m_model.SetReferences(
        {m_coldTemp->text(), m_coldPressure->text(), m_hotTemp->text(), m_hotPressure->text()});
    Refresh();
}

void TTirePressureGuruDlg::Refresh() {
    m_showing = true;
    const TirePressureReferences& references = m_model.References();
    const auto show = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text) edit->setText(text);
    };
    show(m_coldTemp, references.coldTemp);
    show(m_coldPressure, references.coldPressure);
    show(m_hotTemp, references.hotTemp);
    show(m_hotPressure, references.hotPressure);
    show(m_temperature, m_model.Temperature());
    show(m_suggestion, m_model.Suggestion());
    m_showing = false;
}
