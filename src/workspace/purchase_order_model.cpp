#include "purchase_order_model.h"

#include "reports/purchase_order_lines.h"
#include "storage/number_format.h"
#include "storage/translate.h"
#include "workspace/workspace.h"

#include <QDir>
#include <algorithm>

PurchaseOrderModel::PurchaseOrderModel(Workspace& workspace, PurchaseOrderMode mode)
    : m_workspace(workspace), m_mode(mode) {
    const ProgramSettings& settings = workspace.State().Settings();
    sender = settings.nameOfUser;
    freeText = settings.orderFreeText;
    billing = settings.billingAddress;
    delivery = settings.deliveryAddress;
}

void PurchaseOrderModel::StoreSender() {
    AppState& state = m_workspace.State();
    ProgramSettings& settings = state.Settings();
    if (settings.nameOfUser == sender && settings.orderFreeText == freeText &&
        settings.billingAddress == billing && settings.deliveryAddress == delivery)
        return;
    settings.nameOfUser = sender;
    settings.orderFreeText = freeText;
    settings.billingAddress = billing;
    settings.deliveryAddress = delivery;
    state.SaveSettings();
}

QStringList PurchaseOrderModel::StockGroups() const {
    QStringList names;
    for (const PartGroup& group : m_workspace.PartStatus().Groups())
        if (group.stock) names << group.name;
    return names;
}

QStringList PurchaseOrderModel::Suppliers() const {
    // A company listed twice is ordered from once (its first row gives the address).
    QStringList names;
    for (const QString& name : SupplierNames(m_workspace.Suppliers().List()))
        if (!name.isEmpty() && !names.contains(name)) names << name;
    return names;
}

QList<QStringList> PurchaseOrderModel::BuildLines(const QStringList& groups, const QStringList& suppliers) {
    switch (m_mode) {
    case PurchaseOrderMode::Stock: {
        const OrderBook& orders = m_workspace.OrderStatus().Orders();
        const OrderBook* exclude = nullptr;
        Prompter* prompter = m_workspace.State().GetServices().prompter;
        if (orders.Count() > 0 && prompter &&
            prompter->AskYesNo(Translate("Exclude already ordered parts?")) == Answer::Yes)
            exclude = &orders;
        std::vector<const PartGroup*> chosen;
        for (const PartGroup& group : m_workspace.PartStatus().Groups())
            if (group.stock && groups.contains(group.name)) chosen.push_back(&group);
        return StockOrderLines(chosen, suppliers, exclude);
    }
    case PurchaseOrderMode::Orders: {
        const OrderBook& orders = m_workspace.OrderStatus().Orders();
        QList<QStringList> items;
        for (int number : orderNumbers)
            if (const auto row = orders.RowOfNumber(number)) items << orders.Item(*row);
        return OrderItemLines(items);
    }
    case PurchaseOrderMode::Parts: {
        const PartGroup* group = m_workspace.PartStatus().Active();
        return group ? PartLines(*group, partRows) : QList<QStringList>();
    }
    }
    return {};
}

QString PurchaseOrderModel::TotalCost(const QList<QStringList>& lines) {
    double total = 0;
    for (const QStringList& line : lines) {
        const auto qty = ParseDecimal(line.value(po_col::Qty).trimmed());
        const auto price = ParseDecimal(line.value(po_col::Price).trimmed());
        if (qty && price) total += *qty * *price;
    }
    return FormatPattern(total, QStringLiteral("0.0"));
}

bool PurchaseOrderModel::Accept(const QList<QStringList>& lines, bool includePrice,
                                const ReportContext& context) {
    Prompter* prompter = m_workspace.State().GetServices().prompter;
    if (!prompter) return false;
    for (const QStringList& line : lines)
        if (IsActiveOrderLine(line) && line.value(po_col::Supplier).trimmed().isEmpty()) {
            prompter->ShowError(Translate("You have to enter a supplier for the active rows!"));
            return false;
        }
    StoreSender();
    // The lines of orders mode are order items already: adding them again would double what is pending.
    if (m_mode != PurchaseOrderMode::Orders) {
        const bool anyQty = std::any_of(lines.begin(), lines.end(), [](const QStringList& line) {
            return ParseInteger(line.value(po_col::Qty).trimmed()).has_value();
        });
        if (anyQty &&
            prompter->AskYesNo(Translate("Update pending orders with these orders?")) == Answer::Yes) {
            OrderStatusPage& page = m_workspace.OrderStatus();
            OrderBook added;
            AddLinesToOrders(added, lines, page.Today());
            page.AppendItems(added.StoredLines());
        }
    }
    Write(lines, includePrice, context);
    return true;
}

void PurchaseOrderModel::Write(const QList<QStringList>& lines, bool includePrice,
                               const ReportContext& context) {
    const Services& services = m_workspace.State().GetServices();
    Prompter& prompter = *services.prompter;
    PurchaseOrderDocument document;
    document.suppliers = PurchaseOrderSuppliers(m_workspace.Suppliers().List(), lines);
    if (document.suppliers.isEmpty()) {
        prompter.ShowInformation(Translate("No matching data found!"));
        return;
    }
    // Cancel at the save offer ends the export.
    if (!m_workspace.PartStatus().PartStatusTabSheetExit()) return;
    if (!QDir().mkpath(context.exportFolder)) {
        prompter.ShowError(Fill(Translate("Cannot create directory %s"), context.exportFolder));
        return;
    }
    document.lines = lines;
    document.sender = sender;
    document.freeText = freeText;
    document.billing = billing;
    document.delivery = delivery;
    document.english = english;
    document.includePrice = includePrice;
    document.today = m_workspace.OrderStatus().Today();
    const auto written = ExportPurchaseOrder(context, document);
    if (!written) {
        prompter.ShowError(written.error());
        return;
    }
    if (prompter.AskYesNo(Translate("Open in browser?")) != Answer::Yes) return;
    if (!services.shell || !services.shell->Open(*written))
        prompter.ShowError(
            Translate("Unable to start web browser. Make sure you have it properly set-up on your system."));
}
