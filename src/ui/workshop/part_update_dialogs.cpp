#include "part_update_dialogs.h"

#include "services/services.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "workshop/part_status_page.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// A field that refuses a bad entry when it is left: the message, then the focus back with the text
// selected.
QLineEdit* CheckedEdit(Prompter& prompter, bool integer, const QString& message, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, &prompter, integer, message] {
        const QString text = edit->text().trimmed();
        if (text.isEmpty() || (integer ? IsIntegerText(text) : IsDecimalText(text))) return;
        prompter.ShowError(message);
        edit->setFocus();
        edit->selectAll();
    });
    return edit;
}

bool FieldOk(const QLineEdit* edit, bool integer) {
    const QString text = edit->text().trimmed();
    return text.isEmpty() || (integer ? IsIntegerText(text) : IsDecimalText(text));
}

} // namespace

std::optional<CounterUpdate> RunUpdatePartsDialog(PartStatusPage& page, Prompter& prompter, bool miles,
                                                  QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Update Part Status"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(Translate("Increase all parts for the current group with the following values:")));
    auto* form = new QFormLayout;
    const QString floatMessage = Translate("Bad format of value, must be a floating point value!");
    const QString intMessage = Translate("Bad format of value, must be an integer value!");
    auto* hours = CheckedEdit(prompter, false, floatMessage, &dialog);
    auto* minutes = CheckedEdit(prompter, false, floatMessage, &dialog);
    auto* mileage = CheckedEdit(prompter, false, floatMessage, &dialog);
    auto* starts = CheckedEdit(prompter, true, intMessage, &dialog);
    auto* sessions = CheckedEdit(prompter, true, intMessage, &dialog);
    auto* comment = new QLineEdit(&dialog);
    form->addRow(Translate("Hours"), hours);
    form->addRow(Translate("Minutes"), minutes);
    form->addRow(Translate(miles ? "Mileage [miles]" : N_("Mileage [km]")), mileage);
    form->addRow(Translate("Starts"), starts);
    form->addRow(Translate("Sessions"), sessions);
    form->addRow(Translate("Comment"), comment);
    layout->addLayout(form);
    auto* reset = new QCheckBox(Translate("Reset all parts in this group"), &dialog);
    reset->setToolTip(Translate("Set hours, mileage, starts and sessions to 0 for all parts"));
    layout->addWidget(reset);
    QObject::connect(reset, &QCheckBox::toggled, &dialog, [=](bool on) {
        for (QWidget* w :
             {static_cast<QWidget*>(hours), static_cast<QWidget*>(minutes), static_cast<QWidget*>(mileage),
              static_cast<QWidget*>(starts), static_cast<QWidget*>(sessions)})
            w->setEnabled(!on);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (reset->isChecked()) {
            if (!page.ConfirmReset()) {
                reset->setChecked(false);
                return;
            }
        } else if (!FieldOk(hours, false) || !FieldOk(minutes, false) || !FieldOk(mileage, false) ||
                   !FieldOk(starts, true) || !FieldOk(sessions, true)) {
            return;
        }
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    CounterUpdate update;
    update.reset = reset->isChecked();
    update.comment = comment->text();
    const auto number = [](const QLineEdit* e) { return ParseDecimal(e->text().trimmed()).value_or(0.0); };
    update.hours = number(hours) + number(minutes) / 60.0;
    update.mileage = number(mileage);
    update.starts = ParseInteger(starts->text().trimmed()).value_or(0);
    update.sessions = ParseInteger(sessions->text().trimmed()).value_or(0);
    return update;
}

std::optional<SessionDialogValues> RunSessionToPartStatusDialog(const QStringList& groups,
                                                                const SessionUpdateProposal& proposal,
                                                                bool miles, Prompter& prompter,
                                                                QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Update Part Status"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Translate("Update the following group(s):")));
    auto* list = new QListWidget(&dialog);
    for (const QString& name : groups) {
        auto* item = new QListWidgetItem(name, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list);
    auto* form = new QFormLayout;
    const QString message = Translate("Bad format, must be a floating point value!");
    auto* hours = CheckedEdit(prompter, false, message, &dialog);
    auto* minutes = CheckedEdit(prompter, false, message, &dialog);
    hours->setText(proposal.hoursText);
    minutes->setText(proposal.minutesText);
    auto* time = new QHBoxLayout;
    time->addWidget(hours);
    time->addWidget(new QLabel(Translate("hours")));
    time->addWidget(minutes);
    time->addWidget(new QLabel(Translate("minutes")));
    form->addRow(Translate("Total time (not including pitstops)"), time);
    auto* distance = new QLineEdit(proposal.distanceText, &dialog);
    auto* distanceRow = new QHBoxLayout;
    distanceRow->addWidget(distance);
    distanceRow->addWidget(new QLabel(miles ? QStringLiteral("miles") : QStringLiteral("km")));
    form->addRow(Translate("Total distance"), distanceRow);
    auto* countStarts = new QCheckBox(Translate("Number of starts "), &dialog);
    auto* starts = new QLineEdit(QStringLiteral("1"), &dialog);
    starts->setEnabled(false);
    QObject::connect(countStarts, &QCheckBox::toggled, starts, &QWidget::setEnabled);
    form->addRow(countStarts, starts);
    auto* countSession = new QCheckBox(Translate("Increase session counter"), &dialog);
    countSession->setChecked(true);
    form->addRow(countSession);
    auto* comment = new QLineEdit(&dialog);
    form->addRow(Translate("Comment"), comment);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto ticked = [list] {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->checkState() == Qt::Checked) names << list->item(i)->text();
        return names;
    };
    ok->setEnabled(false);
    QObject::connect(list, &QListWidget::itemChanged, ok,
                     [ok, ticked] { ok->setEnabled(!ticked().isEmpty()); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (FieldOk(hours, false) && FieldOk(minutes, false) && !ticked().isEmpty()) dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    SessionDialogValues values;
    values.groups = ticked();
    values.hours = hours->text();
    values.minutes = minutes->text();
    values.distance = distance->text();
    values.countStarts = countStarts->isChecked();
    values.starts = starts->text();
    values.countSession = countSession->isChecked();
    values.comment = comment->text();
    return values;
}

void ShowPartAlert(const QString& title, const PartAlert& alert, QWidget* parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Translate("Part status alert"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(title + QStringLiteral(": ") + alert.message));
    auto* table = new QTableWidget(int(alert.rows.size()), 3, &dialog);
    table->setHorizontalHeaderLabels(AlertColumns());
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < int(alert.rows.size()); ++r)
        for (int c = 0; c < 3; ++c)
            table->setItem(r, c, new QTableWidgetItem(alert.rows[size_t(r)].value(c)));
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog.exec();
}
