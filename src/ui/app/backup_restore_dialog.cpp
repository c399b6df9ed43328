#include "backup_restore_dialog.h"

#include "storage/translate.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

TBackupRestoreDlg::TBackupRestoreDlg(BackupRestoreModel& model, std::function<void()> ended, QWidget* parent)
    : QDialog(parent), m_model(model), m_ended(std::move(ended)) {
    setObjectName(QStringLiteral("BackupRestore"));
    setWindowTitle(Translate("Backup / Restore"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->addTab(BuildBackupPage(), Translate("Backup"));
    m_pages->addTab(BuildRestorePage(), Translate("Restore"));
    layout->addWidget(m_pages);
    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setMinimumWidth(420);
    layout->addWidget(m_progress);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Translate("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    m_model.onItem = [this](const QString& item) {
        m_progress->setText(item);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    m_model.onBusy = [this](bool on) {
        if (on) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
            m_progress->clear();
        }
    };
    ShowFileName();
}

QWidget* TBackupRestoreDlg::BuildBackupPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(Translate("Filename"), page), 0, 0);
    m_backupName = new QComboBox(page);
    m_backupName->setObjectName(QStringLiteral("backupFilename"));
    m_backupName->setEditable(true);
    m_backupName->setMinimumWidth(320);
    connect(m_backupName, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { SetFileName(text); });
    grid->addWidget(m_backupName, 0, 1, 1, 2);
    auto* browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("backupBrowse"));
    browse->setMaximumWidth(40);
    connect(browse, &QPushButton::clicked, this, [this] {
        m_model.BrowseBackup();
        ShowFileName();
    });
    grid->addWidget(browse, 0, 3);

    grid->addWidget(new QLabel(Translate("Remind me in"), page), 1, 0);
    m_days = new QLineEdit(m_model.remindDaysText, page);
    m_days->setObjectName(QStringLiteral("remindDays"));
    m_days->setMaximumWidth(60);
    connect(m_days, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.remindDaysText = text; });
    grid->addWidget(m_days, 1, 1);
    grid->addWidget(new QLabel(Translate("days"), page), 1, 2);

    grid->addWidget(new QLabel(Translate("Last backup"), page), 2, 0);
    auto* last = new QLabel(m_model.LastBackupText(), page);
    last->setObjectName(QStringLiteral("lastBackup"));
    grid->addWidget(last, 2, 1, 1, 2);

    auto* exports = new QCheckBox(Translate("Include Exports directory"), page);
    exports->setObjectName(QStringLiteral("includeExports"));
    exports->setToolTip(Translate("These can always be regenerated from the program"));
    exports->setChecked(m_model.content.includeExports);
    connect(exports, &QCheckBox::toggled, this, [this](bool on) { m_model.content.includeExports = on; });
    grid->addWidget(exports, 3, 0, 1, 4);
    auto* movies = new QCheckBox(Translate("Include Tracks\\Movies directory"), page);
    movies->setObjectName(QStringLiteral("includeMovies"));
    movies->setToolTip(Translate("Movies can be very large"));
    movies->setChecked(m_model.content.includeMovies);
    connect(movies, &QCheckBox::toggled, this, [this](bool on) { m_model.content.includeMovies = on; });
    grid->addWidget(movies, 4, 0, 1, 4);

    auto* backup = new QPushButton(Translate("Backup"), page);
    backup->setObjectName(QStringLiteral("backup"));
    connect(backup, &QPushButton::clicked, this, &TBackupRestoreDlg::BackupClick);
    grid->addWidget(backup, 5, 3);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* TBackupRestoreDlg::BuildRestorePage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(Translate("Filename"), page), 0, 0);
    m_restoreName = new QLineEdit(page);
    m_restoreName->setObjectName(QStringLiteral("restoreFilename"));
    connect(m_restoreName, &QLineEdit::textEdited, this, [this](const QString& text) { SetFileName(text); });
    grid->addWidget(m_restoreName, 0, 1);
    auto* browse = new QPushButton(QStringLiteral("..."), page);
    browse->setObjectName(QStringLiteral("restoreBrowse"));
    browse->setMaximumWidth(40);
    connect(browse, &QPushButton::clicked, this, [this] {
        m_model.BrowseRestore();
        ShowFileName();
    });
    grid->addWidget(browse, 0, 2);
    auto* restore = new QPushButton(Translate("Restore"), page);
    restore->setObjectName(QStringLiteral("restore"));
    connect(restore, &QPushButton::clicked, this, &TBackupRestoreDlg::RestoreClick);
    grid->addWidget(restore, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void TBackupRestoreDlg::SetFileName(const QString& name) {
    m_model.fileName = name;
    if (m_restoreName->text() != name) {
        const QSignalBlocker block(m_restoreName);
        m_restoreName->setText(name);
    }
    if (m_backupName->currentText() != name) {
        const QSignalBlocker block(m_backupName);
        m_backupName->setEditText(name);
    }
}

void TBackupRestoreDlg::ShowFileName() {
    {
        const QSignalBlocker block(m_backupName);
        m_backupName->clear();
        m_backupName->addItems(m_model.fileNames);
        m_backupName->setEditText(m_model.fileName);
    }
    SetFileName(m_model.fileName);
}

void TBackupRestoreDlg::BackupClick() {
    if (m_model.Backup()) {
        accept();
        return;
    }
    m_days->setText(m_model.remindDaysText);
}

void TBackupRestoreDlg::RestoreClick() {
    if (m_model.Restore() == BackupRestoreModel::RestoreResult::NotRestored) return;
    accept();
    if (m_ended) m_ended();
}
