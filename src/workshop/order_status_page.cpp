#include "order_status_page.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"

#include <algorithm>

OrderStatusPage::OrderStatusPage(Prompter& prompter, Clock& clock, QString dataDir)
    : m_prompter(prompter), m_clock(clock), m_dataDir(std::move(dataDir)) {
    Rebuild();
}

void OrderStatusPage::LoadOrders() {
    const auto loaded = LoadOrderStatus(m_dataDir);
    if (!loaded) {
        m_prompter.ShowError(loaded.error());
        m_orders = OrderBook{};
        m_node = 0;
    } else {
        m_orders = loaded->orders;
        m_node = loaded->lastSelectedNode;
    }
    m_dirty = false;
    Rebuild();
}

bool OrderStatusPage::SaveOrders() {
    if (const auto saved = SaveOrderStatus(m_dataDir, m_orders, m_node); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

void OrderStatusPage::SelectNode(int node) {
    m_node = m_tree.ValidNode(node);
    Reshow();
}

QString OrderStatusPage::TotalCostCaption() const {
    return Translate("Total cost") + QStringLiteral(": ") + TotalCostText(m_orders, m_shown);
}

QStringList OrderStatusPage::SupplierNames() const {
    return requestSupplierNames ? requestSupplierNames() : QStringList{};
}

QString OrderStatusPage::Today() const {
    return DateText(m_clock.NowDayNumber());
}

void OrderStatusPage::AddOrderItem(const OrderEdit& edit) {
    QStringList fields(kOrderStoredColumns, QString());
    for (int column = 0; column < kOrderStoredColumns; ++column)
        if (edit.fields[column]) fields[column] = edit.fields[column]->trimmed();
    if (!edit.receivedDateEnabled) fields[order_col::ReceivedDate].clear();
    // Quantities are kept as whole numbers.
    for (int column : {order_col::Qty, order_col::RecQty})
        fields[column] = QString::number(ParseInteger(fields[column]).value_or(0));
    if (edit.allReceived && edit.receivedDateEnabled) fields[order_col::RecQty] = fields[order_col::Qty];
    m_orders.Append(fields);
    MarkDirty();
    Rebuild();
}

void OrderStatusPage::AppendItems(const QList<QStringList>& items) {
    if (items.isEmpty()) return;
    for (const QStringList& item : items)
        m_orders.Append(item);
    MarkDirty();
    Rebuild();
}

OrderPreset OrderStatusPage::Preset(const std::vector<int>& numbers) const {
    return PresetOrderEdit(m_orders, RowsOf(numbers), SupplierNames());
}

void OrderStatusPage::EditOrderItems(const std::vector<int>& numbers, const OrderDialogResult& result) {
    const std::vector<int> rows = RowsOf(numbers);
    if (rows.empty()) return;
    const int previous = PresetOrderEdit(m_orders, rows, SupplierNames()).previousReceived;
    if (result.edit.receivedDateEnabled) {
        if (OffersPartStatusUpdate(result.edit, result.recQtyTicked, result.receivedQty, previous) &&
            m_prompter.AskYesNo(Translate("Update Part status?")) == Answer::Yes)
            ReceiveIntoPartStatus(numbers, result, previous);
        if (m_prompter.AskYesNo(Translate("Update maintenance log?")) == Answer::Yes)
            ReceiveIntoMaintenance(numbers, result);
    }
    ApplyOrderEdit(m_orders, rows, result.edit);
    MarkDirty();
    Rebuild();
}

void OrderStatusPage::DeleteOrderItems(const std::vector<int>& numbers) {
    if (RowsOf(numbers).empty()) return;
    const QString question =
        numbers.size() == 1 ? Translate("Delete this order item?") : Translate("Delete these order items?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    m_orders.RemoveNumbers(numbers);
    MarkDirty();
    Rebuild();
}

void OrderStatusPage::HeaderClick(int column) {
    if (column < 0 || column >= kOrderColumnCount) return;
    m_sortDescending = column == m_sortColumn ? !m_sortDescending : false;
    m_sortColumn = column;
    Reshow();
}

bool OrderStatusPage::ReceiveIntoPartStatus(const std::vector<int>& numbers, const OrderDialogResult& result,
                                            int previousReceived) {
    const std::vector<int> rows = RowsOf(numbers);
    if (rows.empty()) return false;
    const bool all = result.edit.allReceived;
    if (!all && (!result.recQtyTicked || result.receivedQty <= 0)) {
        m_prompter.ShowError(Translate("No quantity selected!"));
        return false;
    }
    if (!requestReceiveWizard || !requestBookParts) return false;
    ReceiveWizardStart start;
    start.groups = requestPartGroups ? requestPartGroups() : QStringList{};
    if (rows.size() == 1) {
        start.item = m_orders.Item(rows.front());
        const int qty = ParseInteger(start.item.value(order_col::Qty).trimmed()).value_or(0);
        start.qty = ReceivedNowQuantity(qty, result.receivedQty, previousReceived, all);
    }
    const auto choice = requestReceiveWizard(start);
    if (!choice) return false;
    const PartGroup* group = requestPartGroup ? requestPartGroup(choice->group) : nullptr;
    if (!group) {
        m_prompter.ShowError(Translate("Could not find this group!"));
        return false;
    }
    std::vector<PartBooking> lines;
    for (int row : rows) {
        const QStringList item = m_orders.Item(row);
        const int qty =
            rows.size() == 1
                ? choice->qty
                : SeveralItemsBookQuantity(item, all,
                                           result.qtyTicked ? std::optional<int>(result.qty) : std::nullopt);
        // An item with nothing to book (received in full before) adds no piece.
        if (qty <= 0) continue;
        const std::vector<int> matches =
            MatchingPartRows(*group, item.value(order_col::PartNo), item.value(order_col::Name));
        int partRow = matches.size() == 1 ? matches.front() : -1;
        if (matches.size() > 1) {
            QStringList choices;
            for (int match : matches)
                choices << group->parts.Field(match, part_col::PartNo) + u' ' +
                               group->parts.Field(match, part_col::Name) + u' ' +
                               group->parts.Field(match, part_col::Id);
            const auto chosen = requestChoosePart ? requestChoosePart(choices) : std::nullopt;
            if (!chosen || *chosen < 0 || *chosen >= int(matches.size())) return false;
            partRow = matches[*chosen];
        }
        lines.push_back({partRow, item, qty});
    }
    if (lines.empty()) return false;
    if (!requestConfirmBooking || !requestConfirmBooking(lines)) return false;
    const auto booked = requestBookParts(choice->group, lines);
    if (!booked) {
        m_prompter.ShowError(Translate("Could not find this group!"));
        return false;
    }
    if (*booked == 0) return false;
    m_prompter.ShowInformation(Translate("Part Status has been updated!"));
    return true;
}

bool OrderStatusPage::ReceiveIntoMaintenance(const std::vector<int>& numbers,
                                             const OrderDialogResult& result) {
    const std::vector<int> rows = RowsOf(numbers);
    if (rows.empty()) return false;
    QList<QStringList> items;
    for (int row : rows)
        items << m_orders.Item(row);
    const bool differ = SuppliersDiffer(items);
    if (items.size() > 1 && differ &&
        m_prompter.AskYesNo(
            Translate("These order items have different suppliers, continue using their respective "
                      "suppliers anyway?")) != Answer::Yes)
        return false;
    const QString group = requestActivePartGroup ? requestActivePartGroup() : QString();
    const QString receivedDate = result.edit.fields[order_col::ReceivedDate].value_or(QString()).trimmed();
    const QString date = result.edit.receivedDateEnabled && IsDateText(receivedDate) ? receivedDate : Today();
    const QString supplier =
        result.edit.fields[order_col::Supplier].value_or(items.front().value(order_col::Supplier));
    if (items.size() == 1) {
        const QStringList& item = items.front();
        return requestAddMaintenanceItem &&
               requestAddMaintenanceItem(group, date, item.value(order_col::Price).trimmed(),
                                         supplier.trimmed(), item.value(order_col::Name).trimmed());
    }
    const QList<QStringList> entries = MaintenanceItemsFromOrders(items, {date, {}, supplier, {}, differ});
    if (!requestAddMaintenanceItems || !requestAddMaintenanceItems(group, entries)) return false;
    m_prompter.ShowInformation(MaintenanceAddedText(int(entries.size())));
    return true;
}

std::vector<int> OrderStatusPage::RowsOf(const std::vector<int>& numbers) const {
    std::vector<int> rows;
    for (int number : numbers)
        if (const auto row = m_orders.RowOfNumber(number)) rows.push_back(*row);
    return rows;
}

void OrderStatusPage::MarkDirty() {
    m_dirty = true;
}

void OrderStatusPage::Rebuild() {
    m_tree = BuildOrderTree(m_orders);
    m_node = m_tree.ValidNode(m_node);
    Reshow();
}

void OrderStatusPage::Reshow() {
    m_shown = ShownOrderRows(m_orders, m_tree, m_node);
    if (m_sortColumn >= 0) {
        std::stable_sort(m_shown.begin(), m_shown.end(), [this](int a, int b) {
            return CompareCellValues(m_orders.Items().Field(a, m_sortColumn),
                                     m_orders.Items().Field(b, m_sortColumn), m_sortDescending) < 0;
        });
    }
    changed.Emit();
}
