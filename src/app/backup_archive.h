#pragma once
// The backup archive: which files of the data folder go into it, writing it, and restoring it. A standard
// zip file; entry names are paths relative to the data folder with "/" separators.
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <functional>

struct BackupContent {
    bool includeMovies = false;  // "Tracks/Movies"
    bool includeExports = false; // "Exports"
};

// The files to archive, relative to the data folder, in archive order: everything below "Sessions" and
// "Setups" (all levels), the "*.ini" and "*.txt" files directly in the data folder, the files directly
// in "Tracks", then "Tracks/Movies" and "Exports" when asked for. Each folder's files are sorted by
// name. A file in `leaveOut` (absolute paths: the archive being written) is not listed, so an archive
// inside a backed-up folder never packs itself or an earlier version of itself.
QStringList BackupFileList(const QString& dataFolder, const BackupContent& content,
                           const QStringList& leaveOut = {});

// Called with each relative path as it is stored or extracted (progress display).
using BackupItemSink = std::function<void(const QString& relativePath)>;

// Writes the files (relative to dataFolder) into a new archive at archivePath. The archive is built
// under a temporary name beside the target and renamed over it only once complete: when anything fails,
// an archive already at archivePath stays as it was. Each file is read when it is stored, whole, from
// one open of it (a data file replaced meanwhile is stored either old or new, never mixed). The error
// names the file that failed. An empty list is refused (it would replace an archive with nothing).
Expected<void, QString> WriteBackupArchive(const QString& archivePath, const QString& dataFolder,
                                           const QStringList& files, const BackupItemSink& onItem = {});

struct RestoreFailure {
    QString message;
    QStringList restored; // relative paths already replaced when the failure came (empty: nothing written)
};

// Restores an archive over the data folder. Every entry is checked first; when any entry name is unsafe
// (see EntryNameProblem) or an entry is a symbolic link, the whole archive is refused and nothing is
// written. Then every file is extracted to a temporary name beside its target, and only when all are
// extracted is each renamed over its target; a failure before that removes the temporary files and
// leaves the data folder as it was. Returns the restored relative paths in archive order.
Expected<QStringList, RestoreFailure> RestoreBackupArchive(const QString& archivePath,
                                                           const QString& dataFolder,
                                                           const BackupItemSink& onItem = {});
