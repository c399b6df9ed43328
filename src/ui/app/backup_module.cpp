#include "backup_module.h"

#include "app/backup_restore_model.h"
#include "storage/translate.h"
#include "ui/app/backup_restore_dialog.h"
#include "workspace/workspace.h"

#include <cstdio>
#include <cstdlib>

BackupModule::BackupModule(Workspace& workspace) : m_workspace(workspace) {
}
BackupModule::~BackupModule() = default;

void BackupModule::Build(MainWindowHost& host) {
    m_host = &host;
    AppState& state = m_workspace.State();
    m_connections += state.Commands().Set(MenuCommand::BackupRestore, [this] { ShowDialog(); });
    // After a restore nothing may run that writes over the restored files: no closing questions, no
    // settings file, no settings store.
    if (host.Interactive())
        state.SetEndAtOnceAction([] {
            std::fflush(stdout);
            std::fflush(stderr);
            std::_Exit(0);
        });
}

void BackupModule::Started() {
    AppState& state = m_workspace.State();
    const Services& services = state.GetServices();
    if (!m_host || !m_host->Interactive() || !services.prompter || !services.clock) return;
    const double now = services.clock->NowDayNumber();
    if (!BackupReminderDue(state.Settings(), now)) return;
    if (services.prompter->AskYesNo(
            Translate("It is time to back up your data. Open Backup / Restore now?")) == Answer::Yes) {
        ShowDialog();
        return;
    }
    // Declined: asked again tomorrow (the settings file is written when the program closes).
    state.Settings().backupNextDate = now;
}

void BackupModule::ShowDialog() {
    AppState& state = m_workspace.State();
    if (!state.GetServices().prompter) return;
    BackupRestoreModel model(state);
    TBackupRestoreDlg dialog(
        model, [&state] { state.EndAtOnce(); }, m_host->Window());
    dialog.exec();
}

QWidget* BackupModule::ShowWindow(const QString& name) {
    if (name.compare(QStringLiteral("Backup / Restore"), Qt::CaseInsensitive) != 0 &&
        name.compare(Translate("Backup / Restore"), Qt::CaseInsensitive) != 0)
        return nullptr;
    m_shown.reset();
    m_shownModel = std::make_unique<BackupRestoreModel>(m_workspace.State());
    m_shown = std::make_unique<TBackupRestoreDlg>(*m_shownModel, nullptr, m_host->Window());
    m_shown->show();
    return m_shown.get();
}
