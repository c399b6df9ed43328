// vorlapa-cli settings show [--data-dir DIR]: the effective program settings.
#include "app/settings_file.h"
#include "command_registry.h"
#include "data_folder_option.h"
#include "storage/date_time.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cmath>

namespace {

const QString kUsage = QStringLiteral("settings show [--data-dir DIR]");

int SettingsCommand(const QStringList& arguments) {
    QStringList args = arguments;
    const auto dataDir = cli::TakeOption(args, QStringLiteral("--data-dir"));
    if (cli::Operands(args) != QStringList{QStringLiteral("show")}) return cli::UsageError(kUsage);
    const QString folder = cli::DataFolder(dataDir);
    const double today = std::floor(DayNumberFromDateTime(QDateTime::currentDateTime()));
    bool failed = false;
    const ProgramSettings settings =
        LoadSettingsFile(QDir(folder).filePath(QString::fromLatin1(kSettingsFileName)), today,
                         [&failed](const QString& message) {
                             failed = true;
                             cli::PrintError(message);
                         });
    // What could be read is shown; a message means the settings shown are not the file's.
    for (const QString& line : SettingsShowLines(settings))
        cli::PrintLine(line);
    return failed ? 1 : 0;
}

const cli::Registrar registrar(QStringLiteral("settings"), kUsage, SettingsCommand);

} // namespace
