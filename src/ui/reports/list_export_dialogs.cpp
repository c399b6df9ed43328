#include "list_export_dialogs.h"

#include "storage/translate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* OkCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

// A check list with an "Apply to all" box above it that ticks or unticks every entry.
QListWidget* CheckList(QVBoxLayout* layout, QWidget* parent, const QStringList& names, const char* allCaption,
                       bool ticked, QCheckBox** allBox) {
    auto* all = new QCheckBox(Translate(allCaption), parent);
    all->setChecked(ticked);
    auto* list = new QListWidget(parent);
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, list);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    QObject::connect(all, &QCheckBox::clicked, parent, [list](bool checked) {
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    });
    layout->addWidget(all);
    layout->addWidget(list);
    *allBox = all;
    return list;
}

QStringList Ticked(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked) names << list->item(row)->text();
    return names;
}

} // namespace

std::optional<TrackExportOptions> AskTrackExportOptions(QWidget* parent, const TrackExportOptions& initial) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("exportTracksDialog"));
    dialog.setWindowTitle(Translate("Export Tracks"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* box = new QGroupBox(Translate("Options"), &dialog);
    auto* options = new QVBoxLayout(box);
    auto* links = new QCheckBox(Translate("Create links to track movies"), box);
    links->setChecked(initial.movieLinks);
    auto* copy = new QCheckBox(Translate("Copy track movies to Exports folder"), box);
    copy->setChecked(initial.copyMovies);
    copy->setEnabled(initial.movieLinks);
    auto* control = new QCheckBox(Translate("Control display size of track images"), box);
    control->setChecked(initial.controlSize);
    auto* sizeBox = new QWidget(box);
    auto* sizeForm = new QFormLayout(sizeBox);
    auto* width = new QLineEdit(initial.maxWidth, sizeBox);
    auto* height = new QLineEdit(initial.maxHeight, sizeBox);
    auto withUnit = [sizeBox](QLineEdit* edit) {
        auto* row = new QWidget(sizeBox);
        auto* h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(edit);
        h->addWidget(new QLabel(Translate("pixels"), row));
        return row;
    };
    sizeForm->addRow(Translate("Max width"), withUnit(width));
    sizeForm->addRow(Translate("Max height"), withUnit(height));
    // Two exclusive choices that may both be off: plain check boxes that clear each other.
    auto* restrict = new QCheckBox(Translate("Restrict display size of track images"), sizeBox);
    auto* fit = new QCheckBox(Translate("Fit images in this rectangle"), sizeBox);
    restrict->setChecked(initial.sizeChoice == MapSizeChoice::Restrict);
    fit->setChecked(initial.sizeChoice == MapSizeChoice::Fit);
    QObject::connect(restrict, &QCheckBox::clicked, fit, [fit](bool on) {
        if (on) fit->setChecked(false);
    });
    QObject::connect(fit, &QCheckBox::clicked, restrict, [restrict](bool on) {
        if (on) restrict->setChecked(false);
    });
    sizeForm->addRow(restrict);
    sizeForm->addRow(fit);
    sizeBox->setVisible(initial.controlSize);
    QObject::connect(links, &QCheckBox::toggled, copy, &QWidget::setEnabled);
    QObject::connect(control, &QCheckBox::toggled, sizeBox, &QWidget::setVisible);
    for (QWidget* widget :
         {static_cast<QWidget*>(links), static_cast<QWidget*>(copy), static_cast<QWidget*>(control), sizeBox})
        options->addWidget(widget);
    layout->addWidget(box);
    layout->addWidget(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    TrackExportOptions chosen;
    chosen.movieLinks = links->isChecked();
    chosen.copyMovies = copy->isChecked();
    chosen.controlSize = control->isChecked();
    chosen.maxWidth = width->text();
    chosen.maxHeight = height->text();
    chosen.sizeChoice = restrict->isChecked() ? MapSizeChoice::Restrict
                        : fit->isChecked()    ? MapSizeChoice::Fit
                                              : MapSizeChoice::None;
    return chosen;
}

std::optional<PartStatusExportOptions> AskPartStatusExportOptions(QWidget* parent, const QStringList& groups,
                                                                  const QStringList& suppliers) {
    const PartStatusExportOptions defaults;
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("exportPartStatusDialog"));
    dialog.setWindowTitle(Translate("Export Part Status"));
    auto* layout = new QHBoxLayout(&dialog);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    layout->addLayout(left);
    layout->addLayout(right);

    auto* typeBox = new QGroupBox(Translate("Type of report"), &dialog);
    auto* typeLayout = new QVBoxLayout(typeBox);
    auto* normal = new QRadioButton(Translate("Normal report"), typeBox);
    auto* inspection = new QRadioButton(Translate("Inspection report"), typeBox);
    normal->setChecked(true);
    typeLayout->addWidget(normal);
    typeLayout->addWidget(inspection);
    left->addWidget(typeBox);

    auto* groupBox = new QGroupBox(Translate("Select groups"), &dialog);
    auto* groupLayout = new QVBoxLayout(groupBox);
    QCheckBox* allGroups = nullptr;
    QListWidget* groupList =
        CheckList(groupLayout, groupBox, groups, N_("Apply to all groups"), false, &allGroups);
    left->addWidget(groupBox);

    auto* supplierBox = new QGroupBox(Translate("Select suppliers"), &dialog);
    auto* supplierLayout = new QVBoxLayout(supplierBox);
    QCheckBox* allSuppliers = nullptr;
    QListWidget* supplierList =
        CheckList(supplierLayout, supplierBox, suppliers, N_("Apply to all suppliers"), true, &allSuppliers);
    left->addWidget(supplierBox);

    auto* sortBox = new QGroupBox(Translate("Sort"), &dialog);
    auto* sortForm = new QFormLayout(sortBox);
    auto* first = new QComboBox(sortBox);
    auto* second = new QComboBox(sortBox);
    first->addItems(PartReportSortChoices());
    second->addItems(PartReportSortChoices());
    first->setCurrentText(Translate(defaults.firstSort));
    second->setCurrentText(Translate(defaults.secondSort));
    sortForm->addRow(Translate("First sort by"), first);
    sortForm->addRow(Translate("Second sort by"), second);
    right->addWidget(sortBox);

    auto* columnsBox = new QGroupBox(Translate("Choose columns"), &dialog);
    auto* columnsLayout = new QVBoxLayout(columnsBox);
    auto column = [&](const char* caption, bool ticked) {
        auto* box = new QCheckBox(Translate(caption), columnsBox);
        box->setChecked(ticked);
        columnsLayout->addWidget(box);
        return box;
    };
    QCheckBox* mileage = column(N_("Show mileage"), defaults.showMileage);
    QCheckBox* hours = column(N_("Show hours"), defaults.showHours);
    QCheckBox* starts = column(N_("Show starts"), defaults.showStarts);
    QCheckBox* sessions = column(N_("Show sessions"), defaults.showSessions);
    QCheckBox* price = column(N_("Show price/pcs"), defaults.showPrice);
    QCheckBox* showSuppliers = column(N_("Show suppliers"), defaults.showSuppliers);
    right->addWidget(columnsBox);

    auto* criteriaBox = new QGroupBox(Translate("Inspection criterias"), &dialog);
    auto* criteriaForm = new QFormLayout(criteriaBox);
    criteriaForm->addRow(
        new QLabel(Translate("Only select parts that fulfill any of these conditions"), criteriaBox));
    auto criterion = [&](const char* caption) {
        auto* box = new QCheckBox(Translate(caption), criteriaBox);
        box->setChecked(true);
        auto* edit = new QLineEdit(QStringLiteral("0"), criteriaBox);
        criteriaForm->addRow(box, edit);
        return std::pair{box, edit};
    };
    const auto [mileageBox, mileageEdit] = criterion(N_("Mileage less than"));
    const auto [hoursBox, hoursEdit] = criterion(N_("Hours less than"));
    const auto [startsBox, startsEdit] = criterion(N_("Starts less than"));
    right->addWidget(criteriaBox);
    criteriaBox->setVisible(false);
    // The report type shows either the column choices or the inspection criteria.
    QObject::connect(inspection, &QRadioButton::toggled, &dialog, [columnsBox, criteriaBox](bool on) {
        columnsBox->setVisible(!on);
        criteriaBox->setVisible(on);
    });
    right->addStretch(1);
    right->addWidget(OkCancel(dialog));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;

    PartStatusExportOptions chosen;
    chosen.type = inspection->isChecked() ? PartReportType::Inspection : PartReportType::Normal;
    chosen.groups = Ticked(groupList);
    chosen.allSuppliers = allSuppliers->isChecked();
    chosen.suppliers = Ticked(supplierList);
    chosen.firstSort = first->currentText();
    chosen.secondSort = second->currentText();
    chosen.showMileage = mileage->isChecked();
    chosen.showHours = hours->isChecked();
    chosen.showStarts = starts->isChecked();
    chosen.showSessions = sessions->isChecked();
    chosen.showPrice = price->isChecked();
    chosen.showSuppliers = showSuppliers->isChecked();
    chosen.mileageBelow = {mileageBox->isChecked(), mileageEdit->text()};
    chosen.hoursBelow = {hoursBox->isChecked(), hoursEdit->text()};
    chosen.startsBelow = {startsBox->isChecked(), startsEdit->text()};
    (void)allGroups;
    return chosen;
}
