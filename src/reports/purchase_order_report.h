#pragma once
// The purchase order document: one telefax cover sheet with its order table per supplier, written as
// Exports/order.htm, with page breaks where the printed pages end.
#include "reports/report_context.h"
#include "storage/expected.h"

#include <QList>
#include <QString>
#include <QStringList>

class THTMLWriter;

namespace po_col {
constexpr int Location = 0, PartNo = 1, Name = 2, Qty = 3, ReqQty = 4, Price = 5, Supplier = 6, Remark = 7;
} // namespace po_col
inline constexpr int kPurchaseOrderColumns = 8;

// A line counts when its Qty is a whole number above 0.
bool IsActiveOrderLine(const QStringList& line);

// The addressee of one cover sheet (from the supplier list; only the company for a supplier typed in).
struct PurchaseOrderSupplier {
    QString company, contact, telefax, phone;
};

struct PurchaseOrderDocument {
    QList<PurchaseOrderSupplier> suppliers; // in the order the sheets are written
    QList<QStringList> lines;               // every line; the active ones of a supplier go on its sheet
    QString sender;
    QStringList freeText, billing, delivery;
    bool english = true; // "Keep telefax text in English"
    bool includePrice = false;
    QString today; // short date
};

// The units the cover sheet takes before the first line: the free text (12 units per 17 lines), the
// logo (a unit per 30 pixels) and 12, each part rounded half to even.
int PurchaseOrderHeaderUnits(int freeTextLines, int logoHeight);
// The pages of a supplier's sheet with that many active lines, counted as the lines are written: a page
// ends when 31 units are filled, and after the last line when the closing 13 units do not fit.
int PurchaseOrderPages(int headerUnits, int lineCount);

// Writes the document into the writer (opened by the caller). logoFile: the logo's file name in the
// export folder, empty for none.
void WritePurchaseOrder(THTMLWriter& writer, const ReportContext& context,
                        const PurchaseOrderDocument& document, const QString& logoFile);
// Exports/order.htm of the context's export folder, with the logo copied beside it; its path.
Expected<QString, QString> ExportPurchaseOrder(const ReportContext& context,
                                               const PurchaseOrderDocument& document);
