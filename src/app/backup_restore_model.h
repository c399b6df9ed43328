#pragma once
// The "Backup / Restore" dialog's logic: the values it shows (from the settings), the checks and
// questions of both buttons, the archive work, and the settings taken over after a backup.
#include "backup_archive.h"
#include "program_settings.h"
#include "services/services.h"

#include <QString>
#include <QStringList>
#include <functional>

class AppState;

inline constexpr int kDefaultBackupReminderDays = 14;

// The reminder interval as typed: a whole number of days >= 0; anything else counts as 14.
int BackupReminderDays(const QString& text);
// Whether the start-up reminder is due: the day of the next backup date has passed.
bool BackupReminderDue(const ProgramSettings& settings, double now);

class BackupRestoreModel {
  public:
    // saveSettings writes the settings file after a backup (false when it failed).
    BackupRestoreModel(ProgramSettings& settings, const Services& services, QString dataFolder,
                       std::function<bool()> saveSettings);
    explicit BackupRestoreModel(AppState& state);

    // The dialog's fields (both pages share the file name).
    QString fileName;
    QStringList fileNames; // the "Filename" list, earlier archive names
    QString remindDaysText;
    BackupContent content;
    QString LastBackupText() const; // "Last backup": the general date-time form, also for 0

    // Progress: the item being stored or restored, and the wait cursor on (true) and off.
    std::function<void(const QString&)> onItem;
    std::function<void(bool)> onBusy;

    // "...": the save dialog "Backup to file" and the open dialog "Restore Backup" (the file must exist).
    void BrowseBackup();
    void BrowseRestore();

    // "Backup": true when the archive was written and the settings taken over (the dialog closes).
    bool Backup();

    enum class RestoreResult {
        NotRestored,    // refused, declined or failed before writing: the data folder is unchanged
        Restored,       // every file restored: the program must end at once
        PartlyRestored, // some files restored before a failure: the program must end at once too
    };
    RestoreResult Restore();
    // The relative paths the last restore replaced.
    const QStringList& RestoredFiles() const { return m_restored; }

    static QString FileFilter(); // "Zip|*.zip|All|*.*"

  private:
    void Busy(bool on) const;

    ProgramSettings& m_settings;
    Services m_services;
    QString m_dataFolder;
    std::function<bool()> m_saveSettings;
    QStringList m_restored;
};
