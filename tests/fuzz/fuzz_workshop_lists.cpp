// The readers of orderstatus.ini, suppliers.ini and schedule.ini on any bytes: never a crash, stored sort
// keys and the tree node inside their ranges, order lines of 11 fields numbered 1.., and what was read
// can be written again.
#include "storage/text_codec.h"
#include "workshop/order_status.h"
#include "workshop/schedule.h"
#include "workshop/suppliers.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = DecodeFileText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const OrderStatusFile orders = ParseOrderStatus(text);
    for (int row = 0; row < orders.orders.Count(); ++row) {
        if (orders.orders.NumberOf(row) != row + 1) std::abort();
        if (orders.orders.StoredLines()[row].size() != kOrderStoredColumns) std::abort();
    }
    const OrderTree tree = BuildOrderTree(orders.orders);
    const int node = tree.ValidNode(orders.lastSelectedNode);
    if (node < 0 || node >= int(tree.nodes.size())) std::abort();
    (void)TotalCostText(orders.orders, ShownOrderRows(orders.orders, tree, node));
    (void)OrderStatusText(orders.orders, node);

    const SupplierList suppliers = ParseSuppliers(text);
    for (const SortKey& key : suppliers.sortKeys)
        if (key.column < -1 || key.column >= kSupplierColumnCount) std::abort();
    (void)SuppliersText(suppliers);

    const Schedule schedule = ParseSchedule(text);
    if (schedule.sortKeys[0].column < 0 || schedule.sortKeys[0].column >= kEventColumnCount) std::abort();
    for (const SortKey& key : schedule.sortKeys)
        if (key.column < -1 || key.column >= kEventColumnCount) std::abort();
    (void)NextEventRow(schedule.events, QStringLiteral("2024-01-01"));
    (void)ScheduleText(schedule);
    return 0;
}
