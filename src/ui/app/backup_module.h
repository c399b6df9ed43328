#pragma once
// "Tools" > "Backup / Restore" (Ctrl+B) and the reminder at start-up when the next backup date has
// passed. After a restore the program ends at once, without its closing sequence.
#include "events/event.h"
#include "ui/app/page_module.h"

#include <memory>

class BackupRestoreModel;
class TBackupRestoreDlg;
class Workspace;

class BackupModule : public PageModule {
  public:
    explicit BackupModule(Workspace& workspace);
    ~BackupModule() override;

    void Build(MainWindowHost& host) override;
    void Started() override;
    QWidget* ShowWindow(const QString& name) override;

  private:
    void ShowDialog();

    Workspace& m_workspace;
    MainWindowHost* m_host = nullptr;
    // The dialog shown without waiting (screenshots and tests), with its model.
    std::unique_ptr<BackupRestoreModel> m_shownModel;
    std::unique_ptr<TBackupRestoreDlg> m_shown;
    Connections m_connections;
};
