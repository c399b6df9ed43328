// vorlapa-cli parts list [--data-dir DIR] [--group NAME]: the part status as the page's grids show it,
// TAB-separated: a header line (Group, then the 32 column captions), then each group's parts in tab order.
// vorlapa-cli parts normalize [--data-dir DIR]: reads partstatus.ini (upgrading older rows) and writes it
// back in the current version; a file of a newer version is refused and left as it is.
#include "command_registry.h"
#include "data_folder_option.h"

#include "storage/translate.h"
#include "workshop/part_status_data.h"

#include <QFileInfo>

namespace {

const QString kUsage = QStringLiteral("parts list|normalize [--data-dir DIR] [--group NAME]");

int PartsCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kUsage);
    const QString action = args.takeFirst();
    if (action != u"list" && action != u"normalize") return cli::UsageError(kUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto group = action == u"list" ? cli::TakeOption(args, QStringLiteral("--group")) : std::nullopt;
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kUsage);
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return 1;
    }
    const auto loaded = LoadPartStatusFiles(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    if (loaded->tooNew) {
        cli::PrintError(TooNewPartStatusText());
        return 1;
    }
    if (action == u"normalize") {
        if (const auto saved = SavePartStatusFiles(dataDir, loaded->groups, loaded->log); !saved) {
            cli::PrintError(saved.error());
            return 1;
        }
        return 0;
    }
    if (group && std::none_of(loaded->groups.begin(), loaded->groups.end(),
                              [&](const PartGroup& g) { return g.name == *group; })) {
        cli::PrintError(Fill(Translate("No part group %s"), *group));
        return 1;
    }
    cli::PrintLine((QStringList{Translate("Group")} + PartColumnCaptions()).join(u'\t'));
    for (const PartGroup& g : loaded->groups) {
        if (group && g.name != *group) continue;
        for (int row = 0; row < g.parts.RowCount(); ++row) {
            QStringList fields = g.parts.Row(row).mid(0, kPartColumnCount);
            // Tabs and line breaks inside a field would break the columns.
            for (QString& field : fields)
                field.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
            cli::PrintLine((QStringList{g.name} + fields).join(u'\t'));
        }
    }
    return 0;
}

const cli::Registrar registrar(QStringLiteral("parts"), kUsage, PartsCommand);

} // namespace
