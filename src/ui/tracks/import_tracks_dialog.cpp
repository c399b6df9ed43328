#include "import_tracks_dialog.h"

#include "storage/translate.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

std::optional<QStringList> ChooseTracksToImport(QWidget* parent, const TrackPackage& package) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("importTracksDialog"));
    dialog.setWindowTitle(Translate("Import Tracks"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(Translate("Select which tracks to import "), &dialog));
    auto* list = new QListWidget(&dialog);
    for (const TrackPackageEntry& entry : package.entries) {
        auto* item = new QListWidgetItem(entry.name, list);
        if (entry.exists) {
            item->setFlags(Qt::ItemIsUserCheckable); // shown, not choosable
            item->setCheckState(Qt::Unchecked);
        } else {
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            item->setCheckState(Qt::Checked);
        }
    }
    layout->addWidget(list);
    auto* all = new QCheckBox(Translate("Apply to all tracks"), &dialog);
    all->setChecked(true);
    QObject::connect(all, &QCheckBox::clicked, &dialog, [list](bool checked) {
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->flags() & Qt::ItemIsEnabled)
                list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    });
    layout->addWidget(all);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList chosen;
    for (int row = 0; row < list->count(); ++row)
        if ((list->item(row)->flags() & Qt::ItemIsEnabled) && list->item(row)->checkState() == Qt::Checked)
            chosen << list->item(row)->text();
    return chosen;
}
