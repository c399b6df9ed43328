#include "tire_dialogs.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QDate DateOf(const QString& text) {
    const QDate date = QDate::fromString(text, kDateFormat);
    return date.isValid() ? date : QDate::currentDate();
}

QLineEdit* Edit(const QString& text) {
    auto* edit = new QLineEdit(text);
    return edit;
}

QComboBox* Combo(const QStringList& items, const QString& current) {
    auto* box = new QComboBox;
    box->setEditable(true);
    box->addItems(items);
    box->setCurrentText(current);
    return box;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

TAddEditTireDlg::TAddEditTireDlg(const TireDialogRequest& request, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_request(request), m_prompter(prompter) {
    setWindowTitle(Translate("Add/Edit Tire"));
    setObjectName(QStringLiteral("TAddEditTireDlg"));
    const TireDialogValues& v = request.preset;
    auto* form = new QFormLayout;
    m_id = Edit(v.id);
    m_id->setToolTip(Translate("Unique tire id (printed on tire)"));
    m_position = Edit(v.position);
    m_brand = Edit(v.brand);
    m_dimensions = Edit(v.dimensions);
    m_compound = Edit(v.compound);
    m_mileage = Edit(v.mileage);
    m_heatCycles = Edit(v.heatCycles);
    m_set = Edit(v.set);
    m_set->setToolTip(Translate("This tire might belong to a predefined tire set"));
    m_purchased = new QDateEdit(DateOf(v.purchaseDate));
    m_purchased->setDisplayFormat(kDateFormat);
    m_purchased->setCalendarPopup(true);
    m_firstUse = new QDateEdit(DateOf(v.firstUseDate));
    m_firstUse->setDisplayFormat(kDateFormat);
    m_firstUse->setCalendarPopup(true);
    m_firstUseBox = new QCheckBox;
    m_firstUseBox->setChecked(v.firstUse);
    m_firstUse->setEnabled(v.firstUse);
    connect(m_firstUseBox, &QCheckBox::toggled, m_firstUse, &QWidget::setEnabled);

    form->addRow(Translate("Unique ID"), m_id);
    form->addRow(Translate("Position"), m_position);
    form->addRow(Translate("Brand"), m_brand);
    form->addRow(Translate("Dimensions"), m_dimensions);
    form->addRow(Translate("Compound"), m_compound);
    const QString distance = request.miles ? Translate("miles") : Translate("km");
    form->addRow(Translate("Mileage") + QStringLiteral(" [") + distance + u']', m_mileage);
    form->addRow(Translate("Heat cycles"), m_heatCycles);
    form->addRow(Translate("Tire set"), m_set);
    form->addRow(Translate("Purchase date"), m_purchased);
    auto* firstUseRow = new QHBoxLayout;
    firstUseRow->addWidget(m_firstUseBox);
    firstUseRow->addWidget(m_firstUse, 1);
    form->addRow(Translate("First usage date"), firstUseRow);
    if (request.circumference) {
        const QString unit = request.miles ? Translate("in.") : Translate("mm");
        m_circNew = Edit(v.circNew);
        m_circFirst = Edit(v.circFirstUse);
        m_circCurrent = Edit(v.circCurrent);
        form->addRow(Translate("Circumference new") + QStringLiteral(" [") + unit + u']', m_circNew);
        form->addRow(Translate("Circumference after first use") + QStringLiteral(" [") + unit + u']',
                     m_circFirst);
        form->addRow(Translate("Current circumference") + QStringLiteral(" [") + unit + u']', m_circCurrent);
        // Leaving "Circumference new" fills the current one while that holds no number.
        connect(m_circNew, &QLineEdit::editingFinished, this, [this] {
            if (!IsDecimalText(m_circCurrent->text().trimmed())) m_circCurrent->setText(m_circNew->text());
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

TireDialogValues TAddEditTireDlg::Values() const {
    TireDialogValues v;
    v.id = m_id->text();
    v.position = m_position->text();
    v.brand = m_brand->text();
    v.dimensions = m_dimensions->text();
    v.compound = m_compound->text();
    v.mileage = m_mileage->text();
    v.heatCycles = m_heatCycles->text();
    v.set = m_set->text();
    v.purchaseDate = m_purchased->date().toString(kDateFormat);
    v.firstUse = m_firstUseBox->isChecked();
    v.firstUseDate = m_firstUse->date().toString(kDateFormat);
    if (m_circNew) {
        v.circNew = m_circNew->text();
        v.circFirstUse = m_circFirst->text();
        v.circCurrent = m_circCurrent->text();
    } else {
        // Hidden fields keep what the tire had.
        v.circNew = m_request.preset.circNew;
        v.circFirstUse = m_request.preset.circFirstUse;
        v.circCurrent = m_request.preset.circCurrent;
    }
    return v;
}

void TAddEditTireDlg::accept() {
    if (m_request.check) {
        if (const auto refusal = m_request.check(Values())) {
            m_prompter.ShowError(*refusal);
            m_id->setFocus();
            return;
        }
    }
    QDialog::accept();
}

TUpdateTireHistoryDlg::TUpdateTireHistoryDlg(const TireHistoryRequest& request, const QStringList& drivers,
                                             const QStringList& tracks, const QStringList& sessionTypes,
                                             QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(request.editing ? Translate("Edit Tire History") : Translate("Update Tire History"));
    setObjectName(QStringLiteral("TUpdateTireHistoryDlg"));
    const TireHistoryValues& v = request.preset;
    auto* form = new QFormLayout;
    m_date = new QDateEdit(DateOf(v.date));
    m_date->setDisplayFormat(kDateFormat);
    m_date->setCalendarPopup(true);
    m_driver = Combo(drivers, v.driver);
    m_track = Combo(tracks, v.track);
    m_type = Combo(sessionTypes, v.sessionType);
    m_laps = Edit(v.laps);
    m_vehicle = Edit(v.vehicle);
    form->addRow(Translate("Date"), m_date);
    form->addRow(Translate("Driver"), m_driver);
    form->addRow(Translate("Track"), m_track);
    form->addRow(Translate("Type of session"), m_type);
    form->addRow(Translate("Laps"), m_laps);
    form->addRow(Translate("Vehicle"), m_vehicle);
    auto* details = new QGroupBox(Translate("Tire details"));
    auto* grid = new QGridLayout(details);
    grid->addWidget(new QLabel(Translate("Position")), 0, 1);
    grid->addWidget(new QLabel(Translate("Rotation")), 0, 2);
    for (int i = 0; i < v.tires.size(); ++i) {
        auto* id = new QLabel(v.tires[i].id);
        auto* position = Edit(v.tires[i].position);
        auto* rotation = new QComboBox;
        rotation->addItems({QStringLiteral("Normal"), QStringLiteral("Reversed")});
        if (!v.tires[i].rotation.isEmpty()) rotation->setCurrentText(v.tires[i].rotation);
        grid->addWidget(id, i + 1, 0);
        grid->addWidget(position, i + 1, 1);
        grid->addWidget(rotation, i + 1, 2);
        m_ids << id;
        m_positions << position;
        m_rotations << rotation;
    }
    m_heatCycles = new QCheckBox(Translate("Increase heat cycles for all tires"));
    m_heatCycles->setChecked(v.increaseHeatCycles);
    m_heatCycles->setVisible(!request.editing);
    m_addMileage = new QCheckBox(Translate("Add this mileage to the tires"));
    m_addMileage->setChecked(v.addMileage);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(details);
    layout->addWidget(m_heatCycles);
    layout->addWidget(m_addMileage);
    layout->addWidget(OkCancel(this));
}

TireHistoryValues TUpdateTireHistoryDlg::Values() const {
    TireHistoryValues v;
    v.date = m_date->date().toString(kDateFormat);
    v.driver = m_driver->currentText();
    v.track = m_track->currentText();
    v.sessionType = m_type->currentText();
    v.laps = m_laps->text();
    v.vehicle = m_vehicle->text();
    for (int i = 0; i < m_ids.size(); ++i)
        v.tires.append({m_ids[i]->text(), m_positions[i]->text(), m_rotations[i]->currentText()});
    v.increaseHeatCycles = m_heatCycles->isVisibleTo(this) && m_heatCycles->isChecked();
    v.addMileage = m_addMileage->isChecked();
    return v;
}

TSessionToTireHistoryDlg::TSessionToTireHistoryDlg(const SessionTireDialogValues& preset,
                                                   const QStringList& drivers, QWidget* parent)
    : QDialog(parent), m_preset(preset) {
    setWindowTitle(Translate("Update Tire History"));
    setObjectName(QStringLiteral("TSessionToTireHistoryDlg"));
    auto* form = new QFormLayout;
    m_date = new QDateTimeEdit(preset.dateTime > 0 ? DateTimeFromDayNumber(preset.dateTime)
                                                   : QDateTime::currentDateTime());
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm"));
    m_track = Edit(preset.track);
    m_track->setReadOnly(true);
    m_driver = Combo(drivers, preset.driver);
    m_vehicle = Edit(preset.vehicle);
    m_type = Edit(preset.sessionType);
    m_laps = Edit(preset.laps);
    form->addRow(Translate("Date"), m_date);
    form->addRow(Translate("Track"), m_track);
    form->addRow(Translate("Driver"), m_driver);
    form->addRow(Translate("Vehicle"), m_vehicle);
    form->addRow(Translate("Type of session"), m_type);
    form->addRow(Translate("Number of laps"), m_laps);
    form->addRow(Translate("Tire ID's"), new QLabel(preset.tireLines.join(u'\n')));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

SessionTireDialogValues TSessionToTireHistoryDlg::Values() const {
    SessionTireDialogValues v = m_preset;
    v.dateTime = DayNumberFromDateTime(m_date->dateTime());
    v.driver = m_driver->currentText();
    v.vehicle = m_vehicle->text();
    v.sessionType = m_type->text();
    v.laps = m_laps->text();
    return v;
}

TUpdateTireCircDlg::TUpdateTireCircDlg(const QList<TireCircumferenceLine>& lines, bool miles, QWidget* parent)
    : QDialog(parent), m_lines(lines) {
    setWindowTitle(Translate("Update Tire Circumference"));
    setObjectName(QStringLiteral("TUpdateTireCircDlg"));
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Translate("Id")), 0, 1);
    grid->addWidget(new QLabel(Translate("Circumference") + QStringLiteral(" [") +
                               (miles ? Translate("in.") : Translate("mm")) + u']'),
                    0, 2);
    for (int i = 0; i < lines.size(); ++i) {
        grid->addWidget(new QLabel(lines[i].label), i + 1, 0);
        grid->addWidget(new QLabel(lines[i].id), i + 1, 1);
        auto* value = Edit(lines[i].circumference);
        grid->addWidget(value, i + 1, 2);
        m_values << value;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(OkCancel(this));
}

QList<TireCircumferenceLine> TUpdateTireCircDlg::Values() const {
    QList<TireCircumferenceLine> lines = m_lines;
    for (int i = 0; i < lines.size(); ++i)
        lines[i].circumference = m_values[i]->text();
    return lines;
}
