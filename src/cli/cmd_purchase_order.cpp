// vorlapa-cli export purchase-order --supplier NAME [--mode stock|orders|parts] [--data-dir DIR]: writes
// Exports/order.htm for one supplier, with the sender data and the HTML options of the settings file, and
// prints its path. The lines come as the dialog first builds them: stock mode from every stock group,
// leaving out what is already on order; orders mode from the supplier's pending order items; parts mode
// from the supplier's parts (with quantity 0, so nothing is ordered until quantities are given).
#include "cmd_purchase_order.h"

#include "command_registry.h"
#include "data_folder_option.h"
#include "stderr_prompter.h"

#include "app/main_window_layout.h"
#include "app/settings_file.h"
#include "reports/purchase_order_lines.h"
#include "storage/date_time.h"
#include "storage/translate.h"
#include "tracks/track_list.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace cli {

const char* const kPurchaseOrderUsage =
    "export purchase-order --supplier NAME [--mode stock|orders|parts] [--data-dir DIR]";

int ExportPurchaseOrderCommand(QStringList args) {
    const QString usage = QString::fromLatin1(kPurchaseOrderUsage);
    const auto supplier = TakeOption(args, QStringLiteral("--supplier"));
    const QString mode = TakeOption(args, QStringLiteral("--mode")).value_or(QStringLiteral("stock"));
    const auto dataDir = TakeOption(args, QStringLiteral("--data-dir"));
    const auto operands = Operands(args);
    if (!supplier || supplier->trimmed().isEmpty() || !operands || !operands->isEmpty() ||
        (mode != u"stock" && mode != u"orders" && mode != u"parts"))
        return UsageError(usage);
    const QString name = supplier->trimmed();
    const QString dataFolder = DataFolder(dataDir);
    if (!QFileInfo(dataFolder).isDir()) {
        PrintError(Fill(Translate("No data folder %s"), dataFolder));
        return 1;
    }
    StderrPrompter prompter;
    auto report = [&prompter](const QString& message) { prompter.ShowError(message); };
    const double now = DayNumberFromDateTime(QDateTime::currentDateTime());
    const ProgramSettings settings =
        LoadSettingsFile(QDir(dataFolder).filePath(QString::fromLatin1(kSettingsFileName)), now, report);
    if (prompter.anyError) return 1;
    const auto suppliers = LoadSuppliers(dataFolder);
    const auto orders = LoadOrderStatus(dataFolder);
    const auto parts = LoadPartStatusFiles(dataFolder);
    for (const QString& error : {suppliers ? QString() : suppliers.error(),
                                 orders ? QString() : orders.error(), parts ? QString() : parts.error()}) {
        if (error.isEmpty()) continue;
        PrintError(error);
        return 1;
    }

    QList<QStringList> lines;
    if (mode == u"stock") {
        std::vector<const PartGroup*> groups;
        for (const PartGroup& group : parts->groups)
            if (group.stock) groups.push_back(&group);
        const OrderBook* ordered = orders->orders.Count() > 0 ? &orders->orders : nullptr;
        lines = StockOrderLines(groups, {name}, ordered);
    } else if (mode == u"orders") {
        QList<QStringList> items;
        for (int row = 0; row < orders->orders.Count(); ++row) {
            const QStringList item = orders->orders.Item(row);
            if (item.value(order_col::Supplier).trimmed() == name && StateOf(item) == OrderState::Pending)
                items << item;
        }
        lines = OrderItemLines(items);
    } else {
        for (const PartGroup& group : parts->groups) {
            std::vector<int> rows;
            for (int row = 0; row < group.parts.RowCount(); ++row)
                if (group.parts.Field(row, part_col::Supplier).trimmed() == name) rows.push_back(row);
            lines << PartLines(group, rows);
        }
    }
    QList<QStringList> mine;
    for (const QStringList& line : lines)
        if (line.value(po_col::Supplier).trimmed() == name) mine << line;

    PurchaseOrderDocument document;
    document.suppliers = PurchaseOrderSuppliers(*suppliers, mine);
    if (document.suppliers.isEmpty()) {
        PrintError(Translate("No matching data found!"));
        return 1;
    }
    document.lines = mine;
    document.sender = settings.nameOfUser;
    document.freeText = settings.orderFreeText;
    document.billing = settings.billingAddress;
    document.delivery = settings.deliveryAddress;
    document.today = DateText(now);

    const QString exports = QDir(dataFolder).filePath(QStringLiteral("Exports"));
    if (!QDir().mkpath(exports)) {
        PrintError(QStringLiteral("Cannot create directory ") + exports);
        return 1;
    }
    ReportContext context;
    context.exportFolder = exports;
    context.caption = WindowCaption(VORLAPA_VERSION_MAJOR, VORLAPA_VERSION_MINOR);
    context.options = ReportOptionsFromSettings(settings);
    if (!settings.logotype.isEmpty()) context.logo.path = ResolveDataPath(dataFolder, settings.logotype);
    const auto written = ExportPurchaseOrder(context, document);
    if (!written) {
        PrintError(written.error());
        return 1;
    }
    PrintLine(*written);
    return 0;
}

} // namespace cli
