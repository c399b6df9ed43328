#pragma once
// What the purchase order dialog gathers and hands on: the sender data (kept in the settings), the
// stock groups and suppliers to choose from, the lines of the chosen mode, and on OK the check of the
// lines, the update of the order status and the writing of Exports/order.htm.
#include "reports/purchase_order_report.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class Workspace;

enum class PurchaseOrderMode {
    Stock,  // the stock groups below their required quantities
    Orders, // chosen order items
    Parts,  // chosen parts of the active part status group
};

class PurchaseOrderModel {
  public:
    PurchaseOrderModel(Workspace& workspace, PurchaseOrderMode mode);

    PurchaseOrderMode Mode() const { return m_mode; }
    // Preset from the settings; StoreSender writes them back (and the settings file) when changed.
    QString sender;
    QStringList freeText, billing, delivery;
    bool english = true;
    void StoreSender();

    // Orders mode: the item numbers chosen; parts mode: the rows chosen in the active group.
    std::vector<int> orderNumbers;
    std::vector<int> partRows;

    QStringList StockGroups() const; // the stock groups of the part status, in order
    QStringList Suppliers() const;   // the company names of the supplier list, each once, in table order

    // The order table for "Next". In stock mode, when the order status holds items, asks whether to
    // leave out what is already ordered.
    QList<QStringList> BuildLines(const QStringList& groups, const QStringList& suppliers);
    // "Total cost": the sum of Qty x Price/pcs where both are numbers, "0.0".
    static QString TotalCost(const QList<QStringList>& lines);

    // OK: false (after the message) while an active line has no supplier. Otherwise offers to add the
    // lines to the order status (not in orders mode: they came from there) and writes the document.
    bool Accept(const QList<QStringList>& lines, bool includePrice, const ReportContext& context);

  private:
    void Write(const QList<QStringList>& lines, bool includePrice, const ReportContext& context);

    Workspace& m_workspace;
    PurchaseOrderMode m_mode;
};
