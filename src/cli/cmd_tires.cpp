// vorlapa-cli tires list [--data-dir DIR] [--vehicle CODE] [--units metric|us|imperial] [--node TEXT]: the
// tire list of a vehicle type as the page shows it for a tree node, TAB-separated, header first.
// vorlapa-cli tires history ID [...]: the history grid of one tire.
#include "command_registry.h"
#include "data_folder_option.h"

#include "app/settings_file.h"
#include "app/unit_captions.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "storage/vehicle.h"
#include "workshop/tire_list.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kListUsage =
    QStringLiteral("tires list [--data-dir DIR] [--vehicle CODE] [--units metric|us|imperial] [--node TEXT]");
const QString kHistoryUsage =
    QStringLiteral("tires history ID [--data-dir DIR] [--vehicle CODE] [--units metric|us|imperial]");
const QString kUsage = kListUsage + QStringLiteral("\n       ") + kHistoryUsage;

QString Line(QStringList cells) {
    // Tabs and line breaks inside a field would break the columns.
    for (QString& cell : cells)
        cell.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    return cells.join(u'\t');
}

struct Loaded {
    TireList list;
    VehicleType vehicle = VehicleType::Motorcycle;
    bool miles = false;
};

// The options every action shares; std::nullopt when the command is to end (message printed), with the
// exit status in status.
std::optional<Loaded> Load(QStringList& args, const QString& usage, int& status) {
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto vehicle = cli::TakeOption(args, QStringLiteral("--vehicle"));
    const auto units = cli::TakeOption(args, QStringLiteral("--units"));
    status = 1;
    if (!QFileInfo(dataDir).isDir()) {
        cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
        return std::nullopt;
    }
    const double today = DayNumberFromDateTime(QDateTime::currentDateTime());
    ProgramSettings settings =
        LoadSettingsFile(QDir(dataDir).filePath(QString::fromLatin1(kSettingsFileName)), today,
                         [](const QString& message) { cli::PrintError(message); });
    if (units) {
        if (*units == u"metric")
            settings.systemUnit = Unit::Metric;
        else if (*units == u"us")
            settings.systemUnit = Unit::USStandard;
        else if (*units == u"imperial")
            settings.systemUnit = Unit::ImperialStandard;
        else {
            status = cli::UsageError(usage);
            return std::nullopt;
        }
    }
    const QString code = vehicle.value_or(settings.vehicle);
    if (vehicle && VehicleCode(VehicleFromCode(code)) != code.toLower()) {
        cli::PrintError(Fill(Translate("Unknown vehicle type %s"), code));
        return std::nullopt;
    }
    Loaded loaded;
    loaded.vehicle = VehicleFromCode(code);
    loaded.miles = DerivedUnitsOf(settings.systemUnit).distance == Unit::Miles;
    auto list = LoadTireListFile(dataDir, loaded.vehicle);
    if (!list) {
        cli::PrintError(list.error());
        return std::nullopt;
    }
    loaded.list = std::move(*list);
    status = 0;
    return loaded;
}

int List(QStringList args) {
    const auto nodeText = cli::TakeOption(args, QStringLiteral("--node"));
    int status = 0;
    const auto loaded = Load(args, kListUsage, status);
    if (!loaded) return status;
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kListUsage);
    // Without a current setup there is no "Current setup" node.
    const std::vector<TireTreeNode> tree = BuildTireTree(loaded->list, {});
    TireTreeNode node = tree.front();
    if (nodeText) {
        const auto found = std::find_if(tree.begin(), tree.end(),
                                        [&](const TireTreeNode& n) { return n.text == *nodeText; });
        if (found == tree.end()) {
            cli::PrintError(Fill(Translate("No tree node %s"), *nodeText));
            return 1;
        }
        node = *found;
    }
    const TireListView view = ShowTires(loaded->list, node, {}, loaded->vehicle, loaded->miles, {});
    cli::PrintLine(Line(view.headers));
    for (const QStringList& row : view.cells)
        cli::PrintLine(Line(row));
    return 0;
}

int History(QStringList args) {
    int status = 0;
    const auto loaded = Load(args, kHistoryUsage, status);
    if (!loaded) return status;
    const auto operands = cli::Operands(args);
    if (!operands || operands->size() != 1) return cli::UsageError(kHistoryUsage);
    const int row = FindTireRow(loaded->list, operands->front());
    if (row < 0) {
        cli::PrintError(Translate("The ID of this tire cannot be found!"));
        return 1;
    }
    cli::PrintLine(Line(TireHistoryCaptions()));
    for (const QStringList& entry : ShownHistory(loaded->list.tires[size_t(row)], loaded->miles))
        cli::PrintLine(Line(entry));
    return 0;
}

int TiresCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kUsage);
    const QString action = args.takeFirst();
    if (action == u"list") return List(args);
    if (action == u"history") return History(args);
    return cli::UsageError(kUsage);
}

const cli::Registrar registrar(QStringLiteral("tires"), kUsage, TiresCommand);

} // namespace
