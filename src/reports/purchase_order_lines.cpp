#include "purchase_order_lines.h"

#include "storage/number_format.h"

#include <algorithm>

namespace {

int IntOr0(const QString& text) {
    return ParseInteger(text.trimmed()).value_or(0);
}

QStringList Line() {
    return QStringList(kPurchaseOrderColumns, QString());
}

} // namespace

int PendingQuantity(const OrderBook& orders, const QString& partNo, const QString& name,
                    const QString& location) {
    int pending = 0;
    for (int row = 0; row < orders.Count(); ++row) {
        const QStringList item = orders.Item(row);
        if (item.value(order_col::PartNo).trimmed() != partNo.trimmed() ||
            item.value(order_col::Name).trimmed() != name.trimmed() ||
            item.value(order_col::Location).trimmed() != location.trimmed())
            continue;
        const auto qty = ParseInteger(item.value(order_col::Qty).trimmed());
        if (!qty) continue;
        pending += std::max(0, *qty - ReceivedQtyOf(item));
    }
    return pending;
}

QList<QStringList> StockOrderLines(const std::vector<const PartGroup*>& groups, const QStringList& suppliers,
                                   const OrderBook* excludeOrdered) {
    QList<QStringList> all;
    // A company listed twice would otherwise get its lines twice.
    QStringList names = DistinctNames(suppliers);
    names << QString(); // the parts without a supplier
    for (const QString& supplier : names) {
        QList<QStringList> lines;
        for (const PartGroup* group : groups) {
            if (!group) continue;
            for (int row = 0; row < group->parts.RowCount(); ++row) {
                const QStringList part = group->parts.Row(row);
                if (part.value(part_col::Supplier).trimmed() != supplier) continue;
                if (IntOr0(part.value(part_col::Qty)) >= IntOr0(part.value(part_col::ReqQty))) continue;
                QStringList line = Line();
                line[po_col::Location] = part.value(part_col::Location).trimmed();
                line[po_col::PartNo] = part.value(part_col::PartNo).trimmed();
                line[po_col::Name] = part.value(part_col::Name).trimmed();
                line[po_col::Qty] = part.value(part_col::Qty).trimmed();
                line[po_col::ReqQty] = part.value(part_col::ReqQty).trimmed();
                line[po_col::Price] = part.value(part_col::Price).trimmed();
                line[po_col::Supplier] = supplier;
                lines << line;
            }
        }
        // Merge lines of the same part: the sum of the quantities, the larger requirement.
        for (int i = 0; i < lines.size(); ++i) {
            for (int j = int(lines.size()) - 1; j > i; --j) {
                if (lines[j][po_col::PartNo] != lines[i][po_col::PartNo] ||
                    lines[j][po_col::Name] != lines[i][po_col::Name] ||
                    lines[j][po_col::Location] != lines[i][po_col::Location])
                    continue;
                lines[i][po_col::Qty] =
                    QString::number(IntOr0(lines[i][po_col::Qty]) + IntOr0(lines[j][po_col::Qty]));
                lines[i][po_col::ReqQty] = QString::number(
                    std::max(IntOr0(lines[i][po_col::ReqQty]), IntOr0(lines[j][po_col::ReqQty])));
                lines.removeAt(j);
            }
        }
        for (int i = int(lines.size()) - 1; i >= 0; --i) {
            QStringList& line = lines[i];
            int have = IntOr0(line[po_col::Qty]);
            if (excludeOrdered)
                have += PendingQuantity(*excludeOrdered, line[po_col::PartNo], line[po_col::Name],
                                        line[po_col::Location]);
            const int needed = IntOr0(line[po_col::ReqQty]) - have;
            if (needed > 0)
                line[po_col::Qty] = QString::number(needed);
            else
                lines.removeAt(i);
        }
        all << lines;
    }
    return all;
}

QList<QStringList> OrderItemLines(const QList<QStringList>& items) {
    QList<QStringList> lines;
    for (const QStringList& item : items) {
        QStringList line = Line();
        line[po_col::Location] = item.value(order_col::Location).trimmed();
        line[po_col::PartNo] = item.value(order_col::PartNo).trimmed();
        line[po_col::Name] = item.value(order_col::Name).trimmed();
        line[po_col::Qty] = item.value(order_col::Qty).trimmed();
        line[po_col::ReqQty] = line[po_col::Qty];
        line[po_col::Supplier] = item.value(order_col::Supplier).trimmed();
        line[po_col::Remark] = item.value(order_col::Remark).trimmed();
        const double price = ParseDecimal(item.value(order_col::Price).trimmed()).value_or(0);
        const auto qty = ParseInteger(line[po_col::Qty]);
        line[po_col::Price] = FormatFixed(qty && *qty > 0 ? price / *qty : price, 2);
        lines << line;
    }
    return lines;
}

QList<QStringList> PartLines(const PartGroup& group, const std::vector<int>& rows) {
    QList<QStringList> lines;
    for (int row : rows) {
        if (row < 0 || row >= group.parts.RowCount()) continue;
        const QStringList part = group.parts.Row(row);
        QStringList line = Line();
        line[po_col::Location] = part.value(part_col::Location).trimmed();
        line[po_col::PartNo] = part.value(part_col::PartNo).trimmed();
        line[po_col::Name] = part.value(part_col::Name).trimmed();
        line[po_col::Supplier] = part.value(part_col::Supplier).trimmed();
        line[po_col::Price] = part.value(part_col::Price).trimmed();
        line[po_col::Qty] = QStringLiteral("0");
        line[po_col::ReqQty] = QStringLiteral("0");
        lines << line;
    }
    return lines;
}

QList<PurchaseOrderSupplier> PurchaseOrderSuppliers(const SupplierList& list,
                                                    const QList<QStringList>& lines) {
    QStringList wanted;
    for (const QStringList& line : lines)
        if (IsActiveOrderLine(line)) wanted << line.value(po_col::Supplier).trimmed();
    wanted = DistinctNames(wanted);
    QStringList order;
    for (const QString& name : DistinctNames(SupplierNames(list)))
        if (wanted.contains(name)) order << name;
    // Suppliers typed into a line are not lost: they get a sheet without address data.
    for (const QString& name : wanted)
        if (!order.contains(name)) order << name;
    QList<PurchaseOrderSupplier> suppliers;
    for (const QString& name : order) {
        PurchaseOrderSupplier supplier{name, {}, {}, {}};
        if (const auto row = FindSupplierRow(list, name)) {
            supplier.contact = list.suppliers.Field(*row, supplier_col::Contact).trimmed();
            supplier.telefax = list.suppliers.Field(*row, supplier_col::Telefax).trimmed();
            supplier.phone = list.suppliers.Field(*row, supplier_col::Phone).trimmed();
        }
        suppliers << supplier;
    }
    return suppliers;
}

int AddLinesToOrders(OrderBook& orders, const QList<QStringList>& lines, const QString& today) {
    int added = 0;
    for (const QStringList& line : lines) {
        if (!IsActiveOrderLine(line)) continue;
        const int qty = IntOr0(line.value(po_col::Qty));
        const double each = ParseDecimal(line.value(po_col::Price).trimmed()).value_or(0);
        QStringList item(kOrderStoredColumns, QString());
        item[order_col::OrderDate] = today;
        item[order_col::Location] = line.value(po_col::Location).trimmed();
        item[order_col::PartNo] = line.value(po_col::PartNo).trimmed();
        item[order_col::Name] = line.value(po_col::Name).trimmed();
        item[order_col::Qty] = QString::number(qty);
        item[order_col::RecQty] = QStringLiteral("0");
        item[order_col::Price] = FormatPattern(qty * each, QStringLiteral("0.00"));
        item[order_col::Supplier] = line.value(po_col::Supplier).trimmed();
        item[order_col::Remark] = line.value(po_col::Remark).trimmed();
        orders.Append(item);
        ++added;
    }
    return added;
}
