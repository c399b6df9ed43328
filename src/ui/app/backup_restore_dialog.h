#pragma once
// "Backup / Restore": the pages "Backup" and "Restore" over one file name. Shows the backup model and
// forwards the buttons to it; while an archive is written or read the pointer is an hourglass and the
// progress line names each item.
#include "app/backup_restore_model.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class TBackupRestoreDlg : public QDialog {
    Q_OBJECT
  public:
    // ended is called after a restore that wrote files (the program must end at once).
    TBackupRestoreDlg(BackupRestoreModel& model, std::function<void()> ended, QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }

  private:
    QWidget* BuildBackupPage();
    QWidget* BuildRestorePage();
    void SetFileName(const QString& name); // both pages share it
    void ShowFileName();
    void BackupClick();
    void RestoreClick();

    BackupRestoreModel& m_model;
    std::function<void()> m_ended;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_backupName = nullptr;
    QLineEdit* m_restoreName = nullptr;
    QLineEdit* m_days = nullptr;
    QLabel* m_progress = nullptr;
};
