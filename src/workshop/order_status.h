#pragma once
// The order status: what was ordered from whom, when, at what price and how much of it has arrived; the
// file orderstatus.ini with the upgrades of older lines, the states and colours of an item, the order tree
// and the filter it sets on the list.
#include "grid/text_table.h"
#include "storage/expected.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace order_col {
constexpr int OrderDate = 0, Location = 1, PartNo = 2, Name = 3, Qty = 4, RecQty = 5, Price = 6,
              ReceivedDate = 7, Supplier = 8, Comment = 9, Remark = 10, Number = 11;
} // namespace order_col

inline constexpr int kOrderColumnCount = 12; // the last one, the item number, is never stored
inline constexpr int kOrderStoredColumns = 11;
inline const QString kOrderStatusVersion = QStringLiteral("1.2");

QStringList OrderColumnCaptions(); // "Order date", ..., "Remark", "" (the item number), translated
int OrderColumnWidth(int column);  // initial widths; the item number's is 0 (hidden)

// Applies the line upgrades from the given version on, in order: "1.0" gains the received quantity ("0")
// and the price (empty) at 4 and 5; "1.1" gains the remark and has its location moved from 8 to 1. Any
// other version leaves the line as it is.
QStringList UpgradeOrderLine(QStringList fields, const QString& fromVersion);

enum class OrderState { None, Pending, Received };
// Pending while Rec. Qty < Qty, received from Qty on; None when Qty is no whole number. A Rec. Qty that
// is no whole number counts as 0.
OrderState StateOf(const QStringList& item);
// Rec. Qty as a whole number, 0 when it is none.
int ReceivedQtyOf(const QStringList& item);

enum class OrderColour {
    Plain,
    Yellow,     // nothing received of a positive quantity
    LightGreen, // part of it received: red 192, green 220, blue 192
};
OrderColour ColourOf(const QStringList& item);

// The items of the order status; each row holds the 11 stored fields and the item number, which is
// unique within the run (loading numbers them 1, 2, ...; new items continue from there).
class OrderBook {
  public:
    const TextTable& Items() const { return m_items; }
    int Count() const { return m_items.RowCount(); }
    QStringList Item(int row) const { return m_items.Row(row); }
    int NumberOf(int row) const;
    std::optional<int> RowOfNumber(int number) const;

    int Append(QStringList fields); // gives the next number; returns the row
    void SetField(int row, int column, const QString& text);
    void RemoveNumbers(const std::vector<int>& numbers);
    void SetStoredLines(const QList<QStringList>& lines); // numbers the items 1, 2, ...
    QList<QStringList> StoredLines() const;               // the 11 stored fields of each item
    void Sort(const SortKeys& keys) { m_items.Sort(keys); }

  private:
    TextTable m_items{kOrderColumnCount};
    int m_nextNumber = 1;
};

struct OrderStatusFile {
    QString version; // as read
    int lastSelectedNode = 0;
    OrderBook orders;
};

QString OrderStatusFileName(); // "orderstatus.ini"

OrderStatusFile ParseOrderStatus(const QString& text);
QString OrderStatusText(const OrderBook& orders, int lastSelectedNode);
// A missing file gives an empty list; an unreadable one is an error naming it.
Expected<OrderStatusFile, QString> LoadOrderStatus(const QString& dataDir);
Expected<void, QString> SaveOrderStatus(const QString& dataDir, const OrderBook& orders,
                                        int lastSelectedNode);

// The order tree. Nodes are kept in the order the tree shows them, so a node's index is its absolute index.
enum class OrderNodeKind {
    All,
    ByYear,
    Year,
    YearDate,
    BySupplier,
    Supplier,
    SupplierDate,
    Pending,
    Received
};

struct OrderNode {
    QString text;
    int parent = -1;
    OrderNodeKind kind = OrderNodeKind::All;
    QString year, supplier, date;        // what the node filters on
    OrderState state = OrderState::None; // under "Pending" or "Received"
};

struct OrderTree {
    std::vector<OrderNode> nodes;
    // The node's captions from the top, joined with "/" ("By supplier/Acme/2024-03-01").
    QString PathOf(int node) const;
    std::optional<int> FindPath(const QString& path) const;
    // The stored index when it names a node, else the first node.
    int ValidNode(int stored) const;
};

// "All"; "By year" when the valid order dates span more than one year; "By supplier" when more than one
// supplier; "Pending" and "Received" when items have that state. Each with its suppliers and dates.
OrderTree BuildOrderTree(const OrderBook& orders);
// The rows the list shows for a node, in book order.
std::vector<int> ShownOrderRows(const OrderBook& orders, const OrderTree& tree, int node);
// The sum of the prices that are numbers among the rows, "0.00".
QString TotalCostText(const OrderBook& orders, const std::vector<int>& rows);
