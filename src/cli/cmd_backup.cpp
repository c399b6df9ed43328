// vorlapa-cli backup create OUT.zip [--movies] [--exports] [--data-dir DIR]: archives the data folder,
// printing each stored path. vorlapa-cli backup restore IN.zip [--data-dir DIR]: restores an archive
// over the data folder, printing each restored path; a refused archive writes nothing.
#include "app/backup_archive.h"
#include "command_registry.h"
#include "data_folder_option.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral(
    "backup create OUT.zip [--movies] [--exports] [--data-dir DIR] | backup restore IN.zip [--data-dir DIR]");

int Create(const QString& archive, const QString& folder, const BackupContent& content) {
    const QString path = QFileInfo(archive).absoluteFilePath();
    const QStringList files = BackupFileList(folder, content, {path});
    const auto written =
        WriteBackupArchive(path, folder, files, [](const QString& relative) { cli::PrintLine(relative); });
    if (!written) {
        cli::PrintError(written.error());
        return 1;
    }
    return 0;
}

int Restore(const QString& archive, const QString& folder) {
    if (!QFileInfo(archive).isFile()) {
        cli::PrintError(Fill(Translate("The file %s does not exists! Restore aborted."), archive));
        return 1;
    }
    const auto restored = RestoreBackupArchive(QFileInfo(archive).absoluteFilePath(), folder);
    if (!restored) {
        for (const QString& relative : restored.error().restored)
            cli::PrintLine(relative);
        cli::PrintError(restored.error().message);
        return 1;
    }
    for (const QString& relative : *restored)
        cli::PrintLine(relative);
    return 0;
}

int BackupCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const auto dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    BackupContent content;
    content.includeMovies = cli::TakeFlag(args, QStringLiteral("--movies"));
    content.includeExports = cli::TakeFlag(args, QStringLiteral("--exports"));
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 2) return cli::UsageError(kUsage);
    const QString folder = cli::DataFolder(dataDir);
    if (!QFileInfo(folder).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), folder));
        return 1;
    }
    if (operands->at(0) == u"create") return Create(operands->at(1), folder, content);
    if (operands->at(0) == u"restore" && !content.includeMovies && !content.includeExports)
        return Restore(operands->at(1), folder);
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("backup"), kUsage, BackupCommand);

} // namespace
