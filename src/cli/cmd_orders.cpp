// vorlapa-cli suppliers list [--data-dir DIR]: the supplier list, TAB-separated, a header line first.
// vorlapa-cli orders list [--data-dir DIR] [--node TEXT]: the order items the list shows for a node of the
// order tree (its captions joined with "/", e.g. "Pending/Acme"; without it the stored node, as the page
// opens), the list's columns and a State column ("received", "pending" or empty), then the total cost.
// vorlapa-cli orders normalize [--data-dir DIR]: reads orderstatus.ini (upgrading older lines) and
// writes it back in the current version.
#include "command_registry.h"
#include "data_folder_option.h"

#include "storage/translate.h"
#include "workshop/order_status.h"
#include "workshop/suppliers.h"

#include <QFileInfo>

namespace {

const QString kSuppliersUsage = QStringLiteral("suppliers list [--data-dir DIR]");
const QString kOrdersUsage = QStringLiteral("orders list|normalize [--data-dir DIR] [--node TEXT]");

// Tabs and line breaks inside a field would break the columns.
QString Cell(QString text) {
    return text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
}

QString Row(const QStringList& fields) {
    QStringList cells;
    for (const QString& field : fields)
        cells << Cell(field);
    return cells.join(u'\t');
}

bool CheckDataFolder(const QString& dataDir) {
    if (QFileInfo(dataDir).isDir()) return true;
    cli::PrintError(Fill(Translate("No data folder %s"), dataDir));
    return false;
}

int SuppliersCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty() || args.takeFirst() != u"list") return cli::UsageError(kSuppliersUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kSuppliersUsage);
    if (!CheckDataFolder(dataDir)) return 1;
    const auto loaded = LoadSuppliers(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    cli::PrintLine(Row(SupplierColumnCaptions()));
    for (int row = 0; row < loaded->suppliers.RowCount(); ++row)
        cli::PrintLine(Row(loaded->suppliers.Row(row).mid(0, kSupplierColumnCount)));
    return 0;
}

QString StateText(OrderState state) {
    switch (state) {
    case OrderState::Received:
        return QStringLiteral("received");
    case OrderState::Pending:
        return QStringLiteral("pending");
    case OrderState::None:
        break;
    }
    return QString();
}

int OrdersCommand(const QStringList& arguments) {
    QStringList args = arguments;
    if (args.isEmpty()) return cli::UsageError(kOrdersUsage);
    const QString action = args.takeFirst();
    if (action != u"list" && action != u"normalize") return cli::UsageError(kOrdersUsage);
    const QString dataDir = cli::DataFolder(cli::TakeOption(args, QStringLiteral("--data-dir")));
    const auto nodePath = action == u"list" ? cli::TakeOption(args, QStringLiteral("--node")) : std::nullopt;
    const auto operands = cli::Operands(args);
    if (!operands || !operands->isEmpty()) return cli::UsageError(kOrdersUsage);
    if (!CheckDataFolder(dataDir)) return 1;
    const auto loaded = LoadOrderStatus(dataDir);
    if (!loaded) {
        cli::PrintError(loaded.error());
        return 1;
    }
    const OrderTree tree = BuildOrderTree(loaded->orders);
    int node = tree.ValidNode(loaded->lastSelectedNode);
    if (nodePath) {
        const auto found = tree.FindPath(*nodePath);
        if (!found) {
            cli::PrintError(Fill(Translate("No order tree node %s"), *nodePath));
            return 1;
        }
        node = *found;
    }
    if (action == u"normalize") {
        if (const auto saved = SaveOrderStatus(dataDir, loaded->orders, node); !saved) {
            cli::PrintError(saved.error());
            return 1;
        }
        return 0;
    }
    const std::vector<int> rows = ShownOrderRows(loaded->orders, tree, node);
    cli::PrintLine(Row(OrderColumnCaptions().mid(0, kOrderStoredColumns) + QStringList{Translate("State")}));
    for (int row : rows) {
        const QStringList item = loaded->orders.Item(row);
        cli::PrintLine(Row(item.mid(0, kOrderStoredColumns) + QStringList{StateText(StateOf(item))}));
    }
    cli::PrintLine(Translate("Total cost") + u'\t' + TotalCostText(loaded->orders, rows));
    return 0;
}

const cli::Registrar suppliersRegistrar(QStringLiteral("suppliers"), kSuppliersUsage, SuppliersCommand);
const cli::Registrar ordersRegistrar(QStringLiteral("orders"), kOrdersUsage, OrdersCommand);

} // namespace
