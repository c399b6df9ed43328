// vorlapa-cli tracks list [--data-dir DIR]: the names of the track list, one per line, in list order.
#include "command_registry.h"
#include "data_folder_option.h"

#include "storage/translate.h"
#include "tracks/track_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("tracks list [--data-dir DIR]");

int TracksCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty() || args.takeFirst() != QLatin1String("list")) return cli::UsageError(kUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    bool failed = false;
    const TTrackList list = LoadTrackListFile(dataDir, {}, [&](const QString& message) {
        cli::PrintError(message);
        failed = true;
    });
    for (const QString& name : list.Names())
        cli::PrintLine(name);
    return failed ? 1 : 0;
}

const cli::Registrar registrar(QStringLiteral("tracks"), kUsage, TracksCommand);

} // namespace
