#include "print_labels_dialog.h"

#include "services/services.h"
#include "storage/translate.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

std::optional<PrintLabelsChoice> AskPrintLabels(QWidget* parent, Prompter& prompter,
                                                const LabelLayout& stored) {
    const LabelDialogValues preset = LabelDialogValuesOf(stored);
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("printLabelsDialog"));
    dialog.setWindowTitle(Translate("Print labels"));
    auto* form = new QFormLayout(&dialog);
    auto* columns = new QLineEdit(preset.columns, &dialog);
    form->addRow(Translate("Columns"), columns);
    const QString unit = LabelSizeUnit(stored.millimetres);
    auto size = [&](const char* caption, const QString& value) {
        auto* row = new QWidget(&dialog);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* edit = new QLineEdit(value, row);
        layout->addWidget(edit);
        layout->addWidget(new QLabel(unit, row));
        form->addRow(Translate(caption), row);
        return edit;
    };
    QLineEdit* width = size(N_("Label width"), preset.labelWidth);
    QLineEdit* height = size(N_("Label height"), preset.labelHeight);
    QLineEdit* left = size(N_("Indent from left"), preset.leftIndent);
    QLineEdit* top = size(N_("Indent from top"), preset.topIndent);
    auto* fontRow = new QWidget(&dialog);
    auto* fontLayout = new QHBoxLayout(fontRow);
    fontLayout->setContentsMargins(0, 0, 0, 0);
    auto* font = new QFontComboBox(fontRow);
    if (!preset.fontName.isEmpty()) font->setCurrentFont(QFont(preset.fontName));
    auto* fontSize = new QSpinBox(fontRow);
    fontSize->setRange(1, 200);
    fontSize->setValue(preset.fontSize > 0 ? preset.fontSize : 8);
    fontLayout->addWidget(font, 1);
    fontLayout->addWidget(fontSize);
    form->addRow(Translate("Font"), fontRow);
    auto* history = new QCheckBox(Translate("Include tire history"), &dialog);
    form->addRow(history);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* print = buttons->addButton(Translate("Print"), QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    form->addRow(buttons);

    std::optional<PrintLabelsChoice> choice;
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        LabelDialogValues values;
        values.columns = columns->text();
        values.labelWidth = width->text();
        values.labelHeight = height->text();
        values.leftIndent = left->text();
        values.topIndent = top->text();
        values.fontName = font->currentFont().family();
        values.fontSize = fontSize->value();
        const LabelDialogResult result = LabelLayoutOf(values, stored.millimetres);
        if (!result.layout) {
            prompter.ShowError(result.error);
            return;
        }
        choice = PrintLabelsChoice{*result.layout, history->isChecked()};
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return choice;
}
