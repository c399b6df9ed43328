#pragma once
// The rules of editing order items and of booking received items into the part status and the
// maintenance log; the dialogs and questions around them belong to the page.
#include "workshop/order_status.h"
#include "workshop/part_status_data.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

QString UnknownSupplierText(); // "Unknown supplier", translated

// What the order dialog starts with for the selected rows: a field is preset only when every selected
// item holds the same trimmed value (Qty and Rec. Qty as whole numbers, Rec. Qty 0 when it is none).
struct OrderPreset {
    std::array<std::optional<QString>, kOrderStoredColumns> fields;
    bool receivedDateEnabled = false; // a received date that parses and something received
    int previousReceived = 0;         // the preset Rec. Qty (0 when the items differ)
    // The shown supplier: the stored one, or "Unknown supplier" when it is not in the list.
    QString supplierShown;
};
OrderPreset PresetOrderEdit(const OrderBook& orders, const std::vector<int>& rows,
                            const QStringList& supplierNames);

// The supplier an edit writes: only one the user picked. The preset shown ("Unknown supplier" among
// them) and an empty drop-down keep each item's stored supplier.
std::optional<QString> SupplierToWrite(const QString& shown, const QString& chosen);

// The dialog's result: std::nullopt for a field whose apply box is unticked (or that is not written).
struct OrderEdit {
    std::array<std::optional<QString>, kOrderStoredColumns> fields;
    bool receivedDateEnabled = false;
    bool allReceived = false;
};
// Writes the fields into every row; with "All received" Rec. Qty becomes each item's Qty; the received
// date only while its enable box is ticked.
void ApplyOrderEdit(OrderBook& orders, const std::vector<int>& rows, const OrderEdit& edit);

// Whether OK offers to update the part status: the received date enabled and either "All received" or a
// ticked received quantity above 0 and above what was received before.
bool OffersPartStatusUpdate(const OrderEdit& edit, bool recQtyTicked, int receivedQty, int previousReceived);

// The quantity a single item receives now: with "All received" Qty minus what was received before,
// otherwise the received quantity minus that, or the received quantity itself when the difference is
// negative.
int ReceivedNowQuantity(int qty, int receivedQty, int previousReceived, bool allReceived);
// The quantity one of several items books: with "All received" what is still missing (never below 0:
// an item received in full books nothing); otherwise the dialog's Qty when it was ticked, else 0.
int SeveralItemsBookQuantity(const QStringList& item, bool allReceived, std::optional<int> dialogQty);

// The rows of the group whose trimmed Part No. and Name equal the given ones.
std::vector<int> MatchingPartRows(const PartGroup& group, const QString& partNo, const QString& name);

// One line of the booking: an existing part (its row) or a new part made from the order item.
struct PartBooking {
    int partRow = -1; // -1: a new part
    QStringList item; // the order item
    int qty = 0;
};
// A new part's row: the item's Part No., Name, Supplier and Location and the quantity.
QStringList NewPartFromOrder(const QStringList& item, int qty);
// Adds the quantity of each line to its existing part (a Qty that is no whole number counts as 0) and
// returns how many parts changed. Lines for new parts and lines of quantity 0 are left out.
int BookIntoExistingParts(PartGroup& group, const std::vector<PartBooking>& lines);

// The maintenance items for received order items: the dialog's date; a single item the dialog's cost,
// supplier and description; several items their own price and name and the dialog's supplier, or their
// own supplier when the items' suppliers differ.
struct MaintenanceFromOrders {
    QString date, cost, supplier, description; // the dialog's fields
    bool suppliersDiffer = false;
};
QList<QStringList> MaintenanceItemsFromOrders(const QList<QStringList>& items,
                                              const MaintenanceFromOrders& dialog);
bool SuppliersDiffer(const QList<QStringList>& items);
// "This item has been added to the maintenance log" or "%d items has been added to the maintenance log".
QString MaintenanceAddedText(int count);
