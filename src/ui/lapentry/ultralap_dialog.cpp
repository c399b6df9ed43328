#include "ultralap_dialog.h"

#include "lapentry/logger_readers.h"
#include "services/services.h"
#include "storage/atomic_file.h"
#include "storage/translate.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TImportUltralapFileDlg::TImportUltralapFileDlg(Prompter& prompter, const QString& folder, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_folder(folder) {
    setObjectName(QStringLiteral("ImportUltralapFileDlg"));
    setWindowTitle(Translate("Import from Ultralap"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Selected file (exported from UltraLap software)"), this));
    auto* fileRow = new QHBoxLayout;
    m_file = new QLineEdit(this);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    auto* refresh = new QPushButton(Translate("&Refresh"), this);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browse);
    fileRow->addWidget(refresh);
    layout->addLayout(fileRow);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({Translate("ID"), Translate("Date & Time"), Translate("Driver"),
                             Translate("Track"), Translate("Laps"), Translate("Best lap")});
    layout->addWidget(m_list, 1);
    m_all = new QCheckBox(
        Translate(
            "Select session(s) to import, laptimes will be appended if more than one session is selected"),
        this);
    layout->addWidget(m_all);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(browse, &QPushButton::clicked, this, [this] {
        const auto path =
            m_prompter.ChooseOpenFile(Translate("Open UltraLap file"), m_folder,
                                      QStringLiteral("csv files (*.csv);;Text files (*.txt);;All files (*)"));
        if (!path) return;
        m_file->setText(*path);
        Refresh();
    });
    connect(m_all, &QCheckBox::toggled, this, [this](bool checked) {
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            m_list->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    });
    resize(620, 380);
}

void TImportUltralapFileDlg::Refresh() {
    m_list->clear();
    const auto bytes = ReadWholeFile(m_file->text());
    if (!bytes) {
        m_prompter.ShowError(bytes.error());
        return;
    }
    for (const UltralapSession& session : UltralapSessions(FileLines(*bytes))) {
        auto* item = new QTreeWidgetItem(m_list, {session.id, session.dateTime, session.driver, session.track,
                                                  session.laps, session.bestLap});
        item->setCheckState(0, m_all->isChecked() ? Qt::Checked : Qt::Unchecked);
    }
}

UltralapChoice TImportUltralapFileDlg::Choice() const {
    UltralapChoice choice;
    choice.path = m_file->text();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked)
            choice.ids.append(m_list->topLevelItem(i)->text(0));
    return choice;
}
