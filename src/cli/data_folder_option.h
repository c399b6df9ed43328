#pragma once
// The data folder of a command, found as the program finds it: --data-dir, else VORLAPA_DATA, else the
// program's folder when it holds the settings file (portable install), else the user's data folder.
#include "app/data_folder.h"
#include "app/settings_file.h"
#include "storage/date_time.h"

#include <QCoreApplication>
#include <QDateTime>
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

// The data folder's settings file as the program reads it at start-up (today is the default of the
// backup reminder); the reader's messages go to onMessage.
inline ProgramSettings LoadDataFolderSettings(const QString& dataFolder,
                                              const TTxtParser::MessageSink& onMessage) {
    return LoadSettingsFile(QDir(dataFolder).filePath(QString::fromLatin1(kSettingsFileName)),
                            DayNumberFromDateTime(QDateTime::currentDateTime()), onMessage);
}

} // namespace cli
