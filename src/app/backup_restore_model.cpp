#include "backup_restore_model.h"

#include "app_state.h"
#include "storage/date_time.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

int BackupReminderDays(const QString& text) {
    bool ok = false;
    const int days = text.trimmed().toInt(&ok);
    return ok && days >= 0 ? days : kDefaultBackupReminderDays;
}

bool BackupReminderDue(const ProgramSettings& settings, double now) {
    return std::floor(now) > std::floor(settings.backupNextDate);
}

BackupRestoreModel::BackupRestoreModel(ProgramSettings& settings, const Services& services,
                                       QString dataFolder, std::function<bool()> saveSettings)
    : fileName(settings.backupFilename), fileNames(settings.backupFilenames),
      remindDaysText(settings.backupDaysBetweenReminders), m_settings(settings), m_services(services),
      m_dataFolder(std::move(dataFolder)), m_saveSettings(std::move(saveSettings)) {
}

BackupRestoreModel::BackupRestoreModel(AppState& state)
    : BackupRestoreModel(state.Settings(), state.GetServices(), state.DataFolder(),
                         [&state] { return state.SaveSettings(); }) {
}

QString BackupRestoreModel::FileFilter() {
    return QStringLiteral("Zip (*.zip);;") + Translate("All") + QStringLiteral(" (*)");
}

QString BackupRestoreModel::LastBackupText() const {
    return DateTimeText(m_settings.backupLastDate);
}

void BackupRestoreModel::BrowseBackup() {
    if (const auto chosen =
            m_services.prompter->ChooseSaveFile(Translate("Backup to file"), fileName, FileFilter()))
        fileName = QDir::toNativeSeparators(*chosen);
}

void BackupRestoreModel::BrowseRestore() {
    const QString folder = fileName.isEmpty() ? QString() : QFileInfo(fileName).absolutePath();
    if (const auto chosen =
            m_services.prompter->ChooseOpenFile(Translate("Restore Backup"), folder, FileFilter()))
        fileName = QDir::toNativeSeparators(*chosen);
}

void BackupRestoreModel::Busy(bool on) const {
    if (onBusy) onBusy(on);
}

// A relative name is taken relative to the data folder, as every data path is.
static QString ArchivePath(const QString& dataFolder, const QString& name) {
    return QDir(dataFolder).absoluteFilePath(QDir::fromNativeSeparators(name.trimmed()));
}

bool BackupRestoreModel::Backup() {
    Prompter& prompter = *m_services.prompter;
    if (fileName.trimmed().isEmpty()) {
        prompter.ShowError(Translate("You must enter a backup file name!"));
        return false;
    }
    // The interval is checked before anything is written, so the settings update after the archive
    // cannot fail on it.
    const int days = BackupReminderDays(remindDaysText);
    remindDaysText = QString::number(days);
    const QString path = ArchivePath(m_dataFolder, fileName);
    // The old archive is replaced only once the new one is complete (it is not deleted first).
    if (QFileInfo::exists(path) &&
        prompter.AskOkCancel(Fill(Translate("The file %s already exists! Overwrite it?"), fileName)) !=
            Answer::Ok)
        return false;

    Busy(true);
    const QStringList files = BackupFileList(m_dataFolder, content, {path});
    const auto written = WriteBackupArchive(path, m_dataFolder, files, onItem);
    Busy(false);
    if (!written) {
        prompter.ShowError(written.error());
        return false;
    }

    if (!fileNames.contains(fileName)) fileNames << fileName;
    const double now = m_services.clock->NowDayNumber();
    m_settings.backupFilename = fileName;
    m_settings.backupFilenames = fileNames;
    m_settings.backupDaysBetweenReminders = remindDaysText;
    m_settings.backupLastDate = now;
    m_settings.backupNextDate = now + days;
    if (m_saveSettings) m_saveSettings();
    return true;
}

BackupRestoreModel::RestoreResult BackupRestoreModel::Restore() {
    Prompter& prompter = *m_services.prompter;
    m_restored.clear();
    const QString path = ArchivePath(m_dataFolder, fileName);
    if (fileName.trimmed().isEmpty() || !QFileInfo(path).isFile()) {
        prompter.ShowError(Fill(Translate("The file %s does not exists! Restore aborted."), fileName));
        return RestoreResult::NotRestored;
    }
    if (prompter.AskYesNo(Translate("Restore will replace your current data. Continue?")) != Answer::Yes)
        return RestoreResult::NotRestored;

    Busy(true);
    const auto restored = RestoreBackupArchive(path, m_dataFolder, onItem);
    Busy(false);
    if (restored) {
        m_restored = *restored;
        prompter.ShowInformation(
            Translate("The program will now exit and you must\nrestart to use the restored environment"));
        return RestoreResult::Restored;
    }
    m_restored = restored.error().restored;
    if (m_restored.isEmpty()) {
        prompter.ShowError(restored.error().message);
        return RestoreResult::NotRestored;
    }
    // The data on disk no longer matches what the program holds: it ends without writing anything.
    prompter.ShowError(
        Fill(Translate("%s\nThe restore stopped after %d files were restored:\n%s\nThe program will "
                       "now exit; restore the archive again after restarting."),
             {restored.error().message, QString::number(m_restored.size()), m_restored.join(u'\n')}));
    return RestoreResult::PartlyRestored;
}
