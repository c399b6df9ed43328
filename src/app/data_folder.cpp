#include "data_folder.h"

#include "settings_file.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>

QString ResolveDataFolder(const QString& dataDirOption, const QString& environmentValue,
                          const QString& executableFolder, const QString& userDataFolder) {
    if (!dataDirOption.isEmpty()) return QDir(dataDirOption).absolutePath();
    if (!environmentValue.isEmpty()) return QDir(environmentValue).absolutePath();
    if (!executableFolder.isEmpty() &&
        QFileInfo::exists(QDir(executableFolder).filePath(QString::fromLatin1(kSettingsFileName))))
        return QDir(executableFolder).absolutePath();
    return QDir(userDataFolder).absolutePath();
}

const QList<DataFolderSpec>& DataFolders() {
    static const QList<DataFolderSpec> folders = {
        {QStringLiteral(".\\Sessions\\"), QStringLiteral("Sessions")},
        {QStringLiteral(".\\Setups\\"), QStringLiteral("Setups")},
        {QStringLiteral(".\\Tracks\\"), QStringLiteral("Tracks")},
        {QStringLiteral(".\\Tracks\\Movies\\"), QStringLiteral("Tracks/Movies")},
        {QStringLiteral(".\\Exports\\"), QStringLiteral("Exports")},
    };
    return folders;
}

FolderCreation CreateDataFolders(const QString& dataFolder) {
    FolderCreation result;
    const QDir root(dataFolder);
    for (const DataFolderSpec& folder : DataFolders()) {
        const QString path = root.filePath(folder.relative);
        if (QFileInfo(path).isDir()) continue;
        if (!root.mkpath(folder.relative)) {
            result.error = Translate("Cannot create directory ") + folder.shownAs;
            return result;
        }
        if (folder.relative == u"Sessions") result.firstRun = true;
    }
    return result;
}
