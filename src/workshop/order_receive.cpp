#include "order_receive.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>

QString UnknownSupplierText() {
    return Translate("Unknown supplier");
}

namespace {

QString FieldValue(const QStringList& item, int column) {
    const QString text = item.value(column).trimmed();
    if (column == order_col::Qty) {
        const auto n = ParseInteger(text);
        return n ? QString::number(*n) : text;
    }
    if (column == order_col::RecQty) return QString::number(ParseInteger(text).value_or(0));
    return text;
}

} // namespace

OrderPreset PresetOrderEdit(const OrderBook& orders, const std::vector<int>& rows,
                            const QStringList& supplierNames) {
    OrderPreset preset;
    if (rows.empty()) return preset;
    for (int column = 0; column < kOrderStoredColumns; ++column) {
        const QString first = FieldValue(orders.Item(rows.front()), column);
        const bool same = std::all_of(rows.begin(), rows.end(),
                                      [&](int row) { return FieldValue(orders.Item(row), column) == first; });
        if (same) preset.fields[column] = first;
    }
    if (preset.fields[order_col::RecQty])
        preset.previousReceived = ParseInteger(*preset.fields[order_col::RecQty]).value_or(0);
    preset.receivedDateEnabled = preset.fields[order_col::ReceivedDate] &&
                                 IsDateText(*preset.fields[order_col::ReceivedDate]) &&
                                 preset.previousReceived > 0;
    if (preset.fields[order_col::Supplier]) {
        const QString supplier = *preset.fields[order_col::Supplier];
        preset.supplierShown =
            supplier.isEmpty() || supplierNames.contains(supplier) ? supplier : UnknownSupplierText();
    }
    return preset;
}

std::optional<QString> SupplierToWrite(const QString& shown, const QString& chosen) {
    const QString picked = chosen.trimmed();
    if (picked.isEmpty() || picked == shown.trimmed() || picked == UnknownSupplierText()) return std::nullopt;
    return picked;
}

void ApplyOrderEdit(OrderBook& orders, const std::vector<int>& rows, const OrderEdit& edit) {
    for (int row : rows) {
        for (int column = 0; column < kOrderStoredColumns; ++column) {
            if (!edit.fields[column]) continue;
            if (column == order_col::ReceivedDate && !edit.receivedDateEnabled) continue;
            orders.SetField(row, column, edit.fields[column]->trimmed());
        }
        if (edit.allReceived && edit.receivedDateEnabled)
            orders.SetField(row, order_col::RecQty, orders.Items().Field(row, order_col::Qty).trimmed());
    }
}

bool OffersPartStatusUpdate(const OrderEdit& edit, bool recQtyTicked, int receivedQty, int previousReceived) {
    if (!edit.receivedDateEnabled) return false;
    return edit.allReceived || (recQtyTicked && receivedQty > 0 && receivedQty > previousReceived);
}

int ReceivedNowQuantity(int qty, int receivedQty, int previousReceived, bool allReceived) {
    if (allReceived) return qty - previousReceived;
    const int difference = receivedQty - previousReceived;
    return difference < 0 ? receivedQty : difference;
}

int SeveralItemsBookQuantity(const QStringList& item, bool allReceived, std::optional<int> dialogQty) {
    if (allReceived) {
        const int qty = ParseInteger(item.value(order_col::Qty).trimmed()).value_or(0);
        return std::max(0, qty - ReceivedQtyOf(item));
    }
    return dialogQty.value_or(0);
}

std::vector<int> MatchingPartRows(const PartGroup& group, const QString& partNo, const QString& name) {
    std::vector<int> rows;
    for (int row = 0; row < group.parts.RowCount(); ++row)
        if (group.parts.Field(row, part_col::PartNo).trimmed() == partNo.trimmed() &&
            group.parts.Field(row, part_col::Name).trimmed() == name.trimmed())
            rows.push_back(row);
    return rows;
}

QStringList NewPartFromOrder(const QStringList& item, int qty) {
    QStringList part(kPartColumnCount, QString());
    part[part_col::PartNo] = item.value(order_col::PartNo).trimmed();
    part[part_col::Name] = item.value(order_col::Name).trimmed();
    part[part_col::Supplier] = item.value(order_col::Supplier).trimmed();
    part[part_col::Location] = item.value(order_col::Location).trimmed();
    part[part_col::Qty] = QString::number(qty);
    return part;
}

int BookIntoExistingParts(PartGroup& group, const std::vector<PartBooking>& lines) {
    int changed = 0;
    for (const PartBooking& line : lines) {
        if (line.partRow < 0 || line.partRow >= group.parts.RowCount() || line.qty == 0) continue;
        const int qty = ParseInteger(group.parts.Field(line.partRow, part_col::Qty).trimmed()).value_or(0);
        group.parts.SetField(line.partRow, part_col::Qty, QString::number(qty + line.qty));
        ++changed;
    }
    return changed;
}

bool SuppliersDiffer(const QList<QStringList>& items) {
    for (const QStringList& item : items)
        if (item.value(order_col::Supplier).trimmed() != items.front().value(order_col::Supplier).trimmed())
            return true;
    return false;
}

QList<QStringList> MaintenanceItemsFromOrders(const QList<QStringList>& items,
                                              const MaintenanceFromOrders& dialog) {
    QList<QStringList> result;
    if (items.size() == 1) {
        result << QStringList{dialog.date, dialog.cost.trimmed(), dialog.supplier.trimmed(),
                              dialog.description};
        return result;
    }
    for (const QStringList& item : items) {
        const QString supplier =
            dialog.suppliersDiffer ? item.value(order_col::Supplier).trimmed() : dialog.supplier.trimmed();
        result << QStringList{dialog.date, item.value(order_col::Price).trimmed(), supplier,
                              item.value(order_col::Name).trimmed()};
    }
    return result;
}

QString MaintenanceAddedText(int count) {
    if (count == 1) return Translate("This item has been added to the maintenance log");
    return Translate("%d items has been added to the maintenance log")
        .replace(QStringLiteral("%d"), QString::number(count));
}
