#pragma once
// The data folder (every data path is relative to it) and the folders start-up creates in it.
#include <QString>
#include <QStringList>
#include <optional>

// The data folder: the --data-dir option, else VORLAPA_DATA, else the executable's folder when it already
// holds "vorlapa.ini" (a portable install), else the user's data folder. Empty inputs are skipped.
QString ResolveDataFolder(const QString& dataDirOption, const QString& environmentValue,
                          const QString& executableFolder, const QString& userDataFolder);

struct DataFolderSpec {
    QString shownAs;  // as written in messages: ".\Sessions\"
    QString relative; // "Sessions"
};
// The folders in creation order.
const QList<DataFolderSpec>& DataFolders();

struct FolderCreation {
    bool firstRun = false;        // the sessions folder had to be created
    std::optional<QString> error; // "Cannot create directory .\Sessions\" (translated), when one failed
};
// Creates the missing folders in order; stops at the first that cannot be created.
FolderCreation CreateDataFolders(const QString& dataFolder);
