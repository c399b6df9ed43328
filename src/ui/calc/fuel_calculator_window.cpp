#include "fuel_calculator_window.h"

#include "app/unit_captions.h"
#include "calc/fuel_calc.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "workspace/workspace.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// What the window keeps between openings (race laps and the tank weight are typed afresh per race).
struct CalculatorValues {
    QString raceLaps, fullTankWeight, total;
    int wetPercent = 0;
};
CalculatorValues& Kept() {
    static CalculatorValues values;
    return values;
}

QLineEdit* Edit(const QString& text, QWidget* parent, bool readOnly = false) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(readOnly);
    return edit;
}

QWidget* WithUnit(QWidget* field, const QString& unit, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(new QLabel(unit, row));
    return row;
}

// A setting is taken back only when it is a number.
void Keep(QString& setting, const QString& text) {
    if (IsDecimalText(text.trimmed())) setting = text.trimmed();
}

} // namespace

QDialog* ShowFuelCalculator(Workspace& workspace, QWidget* window, int page, bool modal) {
    ProgramSettings& settings = workspace.State().Settings();
    const bool litres = workspace.State().Units().Units().volume == Unit::Litres;
    const FuelCaptions c = FuelCaptionsFor(litres);
    const FuelFigures track = workspace.SessionFuelFigures();
    CalculatorValues& kept = Kept();

    auto* dialog = new QDialog(window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(Translate("Fuel Amount Calculator"));
    auto* layout = new QVBoxLayout(dialog);
    auto* tabs = new QTabWidget(dialog);
    layout->addWidget(tabs);

    // "Before session".
    auto* before = new QWidget(tabs);
    auto* form = new QFormLayout(before);
    form->addRow(Translate("Track"), new QLabel(workspace.Session().Record().Track(), before));
    auto* dry = Edit(track.dryConsumption, before);
    auto* wet = Edit(track.wetConsumption, before);
    form->addRow(Translate("Dry track"), WithUnit(dry, c.approxPerLap, before));
    form->addRow(Translate("Wet track"), WithUnit(wet, c.approxPerLap, before));
    auto* slider = new QSlider(Qt::Horizontal, before);
    slider->setRange(0, 100);
    slider->setSingleStep(25);
    slider->setPageStep(25);
    slider->setTickInterval(25);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(kept.wetPercent);
    auto* percent = Edit(QString::number(kept.wetPercent), before);
    form->addRow(Translate("Track condition (dry - wet)"), slider);
    form->addRow(Translate("Percent wet"), WithUnit(percent, QStringLiteral(N_("%")), before));
    auto* approx = Edit(QString(), before, true);
    form->addRow(Translate("Approximate consumption"), WithUnit(approx, c.approxPerLap, before));
    auto* laps = Edit(kept.raceLaps, before);
    auto* extra = Edit(settings.fuelcalcExtralaps, before);
    auto* required = Edit(settings.fuelcalcAmountRequired, before);
    auto* premix = Edit(settings.fuelcalcPremixPercent, before);
    form->addRow(Translate("Number of laps in race"), laps);
    form->addRow(Translate("Extra laps (in, out, ...)"), extra);
    form->addRow(Translate("Required amount after race"), WithUnit(required, c.volume, before));
    auto* total = Edit(kept.total, before, true);
    form->addRow(Translate("Total fuel needed"), WithUnit(total, c.volume, before));
    form->addRow(Translate("Premix ratio"), WithUnit(premix, QStringLiteral(N_("%")), before));
    auto* gasoline = Edit(QString(), before, true);
    auto* oil = Edit(QString(), before, true);
    form->addRow(Translate("Gasoline"), WithUnit(gasoline, c.volume, before));
    form->addRow(Translate("Oil"), WithUnit(oil, c.volume, before));
    auto* note = new QLabel(FuelCalculatorNote(), before);
    note->setWordWrap(true);
    form->addRow(note);
    auto* useTotal = new QPushButton(Translate("Use this"), before);
    form->addRow(useTotal);
    tabs->addTab(before, Translate("Before session"));

    // "After session".
    auto* after = new QWidget(tabs);
    auto* afterForm = new QFormLayout(after);
    auto* full = Edit(kept.fullTankWeight, after);
    auto* empty = Edit(settings.fuelcalcWeightEmptyTank, after);
    auto* density = Edit(settings.fuelcalcFuelDensity, after);
    auto* remaining = Edit(QString(), after, true);
    afterForm->addRow(Translate("Weight of tank including fuel"), WithUnit(full, c.weight, after));
    afterForm->addRow(Translate("Weight of empty tank"), WithUnit(empty, c.weight, after));
    afterForm->addRow(Translate("Fuel density"), WithUnit(density, c.density, after));
    afterForm->addRow(Translate("Remaining fuel"), WithUnit(remaining, c.remaining, after));
    auto* useRemaining = new QPushButton(Translate("Use this"), after);
    afterForm->addRow(useRemaining);
    tabs->addTab(after, Translate("After session"));

    auto recompute = [=, &kept] {
        const FuelAmount a = CalcFuelAmount({dry->text(), wet->text(), slider->value(), laps->text(),
                                             extra->text(), required->text(), premix->text(), total->text()});
        approx->setText(a.approxPerLap);
        total->setText(a.total);
        gasoline->setText(a.gasoline);
        oil->setText(a.oil);
        remaining->setText(RemainingFuel(full->text(), empty->text(), density->text()));
        kept.wetPercent = slider->value();
        kept.raceLaps = laps->text();
        kept.fullTankWeight = full->text();
        kept.total = total->text();
    };
    QObject::connect(slider, &QSlider::valueChanged, dialog, [=](int value) {
        if (percent->text() != QString::number(value)) percent->setText(QString::number(value));
        recompute();
    });
    QObject::connect(percent, &QLineEdit::textEdited, dialog, [=](const QString& text) {
        if (const auto value = ClampWetPercent(text)) slider->setValue(*value);
    });
    for (QLineEdit* edit : {dry, wet, laps, extra, required, premix, full, empty, density})
        QObject::connect(edit, &QLineEdit::textEdited, dialog, recompute);
    recompute();

    const auto fieldOf = [](const QString& section, const QString& key) {
        return SessionFieldIndex(section, key);
    };
    QObject::connect(useTotal, &QPushButton::clicked, dialog, [&workspace, dialog, total, fieldOf] {
        workspace.Session().SetFieldText(fieldOf(SessionKeys::Conditions, SessionKeys::AmountFuel),
                                         total->text());
        dialog->accept();
    });
    QObject::connect(useRemaining, &QPushButton::clicked, dialog, [&workspace, dialog, remaining, fieldOf] {
        workspace.Session().SetFieldText(
            fieldOf(SessionKeys::SessionNotes, QStringLiteral("fuel_after_session")), remaining->text());
        dialog->accept();
    });
    // The settings take back the values that are numbers when the window closes.
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [&settings, extra, required, premix, empty, density] {
                         Keep(settings.fuelcalcExtralaps, extra->text());
                         Keep(settings.fuelcalcAmountRequired, required->text());
                         Keep(settings.fuelcalcPremixPercent, premix->text());
                         Keep(settings.fuelcalcWeightEmptyTank, empty->text());
                         Keep(settings.fuelcalcFuelDensity, density->text());
                     });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    tabs->setCurrentIndex(page);
    if (!modal) {
        dialog->show();
        return dialog;
    }
    dialog->exec();
    return nullptr;
}

Connection InstallFuelCalculator(Workspace& workspace, QWidget* window) {
    return workspace.State().Commands().Set(MenuCommand::FuelCalculator, [&workspace, window] {
        ShowFuelCalculator(workspace, window, 0, true);
    });
}
