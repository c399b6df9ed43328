#pragma once
// The lines of a purchase order, built from the stock groups of the part status, from order items or
// from chosen parts; the suppliers that get a sheet; and the ordered lines as new order items.
#include "reports/purchase_order_report.h"
#include "workshop/order_status.h"
#include "workshop/part_status_data.h"
#include "workshop/suppliers.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// What is still on its way of a part: the sum of Qty - Rec. Qty over the order items with the same
// trimmed Part No., Name and Location (Qty a whole number). An item received in excess counts as 0.
int PendingQuantity(const OrderBook& orders, const QString& partNo, const QString& name,
                    const QString& location);

// Stock mode: for each supplier (in order, then once for parts without one) the parts of the groups
// below their required quantity, merged by Part No., Name and Location, each needing Req. Qty minus
// what is there (and, with exclude, what is pending). Suppliers are taken once each.
QList<QStringList> StockOrderLines(const std::vector<const PartGroup*>& groups, const QStringList& suppliers,
                                   const OrderBook* excludeOrdered);
// Orders mode: one line per order item; Price/pcs is the price divided by the Qty ("%.2f").
QList<QStringList> OrderItemLines(const QList<QStringList>& items);
// Parts mode: one line per part with Qty and Req. Qty "0".
QList<QStringList> PartLines(const PartGroup& group, const std::vector<int>& rows);

// The sheets to write: each distinct supplier of the list that has an active line, in list order, with
// its address from the first row of that company; then the suppliers typed into lines that the list does
// not hold, with the company alone.
QList<PurchaseOrderSupplier> PurchaseOrderSuppliers(const SupplierList& list,
                                                    const QList<QStringList>& lines);

// Appends each active line as a pending order item dated today; the number added.
int AddLinesToOrders(OrderBook& orders, const QList<QStringList>& lines, const QString& today);
