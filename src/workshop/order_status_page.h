#pragma once
// The "Order status" page: the order book, its tree and the list the selected node shows, the total,
// the changed state and the page's commands, and the receiving of items into the part status and the
// maintenance log. The widgets run the dialogs and hand their results to one call here.
#include "events/event.h"
#include "services/services.h"
#include "workshop/order_receive.h"
#include "workshop/order_status.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The first page of the receive wizard: the part status group and, for a single item, the quantity.
struct ReceiveWizardStart {
    QStringList groups;
    QStringList item; // a single item's fields (Part No., Name, Supplier, Location shown); empty for several
    int qty = 0;      // the quantity received now (single item)
};
struct ReceiveWizardChoice {
    QString group;
    int qty = 0;
};

// What OK of the order dialog hands over besides the fields.
struct OrderDialogResult {
    OrderEdit edit;
    bool recQtyTicked = true;
    int receivedQty = 0; // the "Received qty." box
    int qty = 0;         // the "Qty." box
    bool qtyTicked = true;
};

class OrderStatusPage {
  public:
    OrderStatusPage(Prompter& prompter, Clock& clock, QString dataDir);

    Event<> changed;
    std::function<QStringList()> requestSupplierNames;
    // The part status side: its group names, the group shown now, the wizard's pages, the choice among
    // several matching parts, and the booking itself (false when the group is gone).
    std::function<QStringList()> requestPartGroups;
    std::function<const PartGroup*(const QString& group)> requestPartGroup;
    std::function<QString()> requestActivePartGroup;
    std::function<std::optional<ReceiveWizardChoice>(const ReceiveWizardStart&)> requestReceiveWizard;
    std::function<std::optional<int>(const QStringList& parts)> requestChoosePart;
    std::function<bool(const std::vector<PartBooking>&)> requestConfirmBooking;
    std::function<std::optional<int>(const QString& group, const std::vector<PartBooking>&)> requestBookParts;
    // The maintenance side: one item through the item dialog (false on Cancel), several into a group.
    std::function<bool(const QString& group, const QString& date, const QString& cost,
                       const QString& supplier, const QString& description)>
        requestAddMaintenanceItem;
    std::function<bool(const QString& group, const QList<QStringList>& items)> requestAddMaintenanceItems;

    void LoadOrders(); // a missing file: empty book; an unreadable one is reported
    bool SaveOrders();
    bool IsDirty() const { return m_dirty; }

    const OrderBook& Orders() const { return m_orders; }
    const OrderTree& Tree() const { return m_tree; }
    int SelectedNode() const { return m_node; }
    void SelectNode(int node);
    // Book rows shown for the selected node, in list order.
    const std::vector<int>& ShownRows() const { return m_shown; }
    QString TotalCostCaption() const; // "Total cost: 12.50"
    QStringList SupplierNames() const;

    QString Today() const;
    void AddOrderItem(const OrderEdit& edit);
    // Appends whole items (the stored fields, as a purchase order makes them), each with the next number.
    void AppendItems(const QList<QStringList>& items);
    OrderPreset Preset(const std::vector<int>& numbers) const;
    // Receives (questions, wizard, maintenance) when the dialog says so, then writes the fields.
    void EditOrderItems(const std::vector<int>& numbers, const OrderDialogResult& result);
    void DeleteOrderItems(const std::vector<int>& numbers);
    // Sorts by the column; the same column again reverses.
    void HeaderClick(int column);
    int SortColumn() const { return m_sortColumn; }
    bool SortDescending() const { return m_sortDescending; }

    bool ReceiveIntoPartStatus(const std::vector<int>& numbers, const OrderDialogResult& result,
                               int previousReceived);
    bool ReceiveIntoMaintenance(const std::vector<int>& numbers, const OrderDialogResult& result);

  private:
    std::vector<int> RowsOf(const std::vector<int>& numbers) const;
    void MarkDirty();
    void Rebuild();
    void Reshow();

    Prompter& m_prompter;
    Clock& m_clock;
    QString m_dataDir;
    OrderBook m_orders;
    OrderTree m_tree;
    int m_node = 0;
    std::vector<int> m_shown;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
    bool m_dirty = false;
};
