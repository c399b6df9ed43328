#pragma once
// The data folder of a command, found as the program finds it: --data-dir, else VORLAPA_DATA, else the
// program's folder when it holds the settings file (portable install), else the user's data folder.
#include "app/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <optional>

namespace cli {

inline QString DataFolder(const std::optional<QString>& dataDirOption) {
    const QString userData = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                                 .filePath(QStringLiteral("Vorlapa"));
    return ResolveDataFolder(dataDirOption.value_or(QString()), qEnvironmentVariable("VORLAPA_DATA"),
                             QCoreApplication::applicationDirPath(), userData);
}

} // namespace cli
