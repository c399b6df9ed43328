#include "purchase_order_report.h"

#include "reports/html_escape.h"
#include "reports/html_writer.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr int kPageUnits = 31;
constexpr int kClosingUnits = 13;
constexpr int kNewPageUnits = 3;

std::optional<int> QtyOf(const QStringList& line) {
    return ParseInteger(line.value(po_col::Qty).trimmed());
}

// True when the page ends after a line: it is full, or the closing block does not fit after the last line.
bool PageEndsAfter(int units, bool lastLine) {
    return units >= kPageUnits || (lastLine && units + kClosingUnits > kPageUnits);
}

} // namespace

bool IsActiveOrderLine(const QStringList& line) {
    const auto qty = QtyOf(line);
    return qty && *qty > 0;
}

int PurchaseOrderHeaderUnits(int freeTextLines, int logoHeight) {
    return int(RoundHalfEven(freeTextLines * 12.0 / 17.0)) + int(RoundHalfEven(logoHeight / 30.0)) + 12;
}

int PurchaseOrderPages(int headerUnits, int lineCount) {
    // The same steps as the writing loop, so the stated total always matches the pages written.
    int pages = 1;
    int units = headerUnits;
    for (int i = 0; i < lineCount; ++i) {
        ++units;
        if (PageEndsAfter(units, i + 1 == lineCount)) {
            ++pages;
            units = kNewPageUnits;
        }
    }
    return pages;
}

namespace {

class Sheet {
  public:
    Sheet(THTMLWriter& writer, const ReportContext& context, const PurchaseOrderDocument& document)
        : w(writer), c(context), d(document) {}

    // A fixed word of the document, in English or translated.
    QString Word(const char* english) const {
        return d.english ? QString::fromLatin1(english) : Translate(english);
    }
    QString Text(const QString& user) const { return ReportText(c, user); }

    void HeaderRow() {
        w.WriteLine(QStringLiteral("<TR>"));
        QStringList titles{Word("Location"), Word("Part No."), Word("Name"), Word("Qty")};
        if (d.includePrice) titles << Word(N_("Price"));
        titles << Word("Remark");
        for (const QString& title : titles) {
            w.WriteLine(QStringLiteral("<TD BGCOLOR=\"#FFFFCC\" VALIGN=\"bottom\">"));
            w.WriteBoldText(Text(title));
            w.WriteLine(QStringLiteral("</TD>"));
        }
        w.WriteLine(QStringLiteral("</TR>"));
    }

    void Cell(const QString& value, const QString& more = {}) {
        w.WriteLine(QStringLiteral("<TD BGCOLOR=\"#FFFFFF\" VALIGN=\"top\"") + more + u'>');
        w.WriteText(value);
        w.WriteLine(QStringLiteral("</TD>"));
    }

    void Supplier(const PurchaseOrderSupplier& supplier, const QString& logoFile, int logoWidth,
                  int logoHeight) {
        QList<QStringList> lines;
        for (const QStringList& line : d.lines)
            if (IsActiveOrderLine(line) && line.value(po_col::Supplier).trimmed() == supplier.company)
                lines << line;
        int units = PurchaseOrderHeaderUnits(int(d.freeText.size()), logoFile.isEmpty() ? 0 : logoHeight);
        const int pages = PurchaseOrderPages(units, int(lines.size()));

        if (!logoFile.isEmpty()) {
            w.WriteLine(QStringLiteral("<P ALIGN=\"center\">"));
            w.WriteLine(QStringLiteral("<IMG SRC=\"%1\" WIDTH=%2 HEIGHT=%3 ALT=\"Logotype\">")
                            .arg(HtmlEscapeAttribute(ReportFileTarget(logoFile), c.charset))
                            .arg(logoWidth)
                            .arg(logoHeight));
            w.WriteLine(QStringLiteral("</P>"));
        }
        w.WriteLine(QStringLiteral("<BR>"));
        w.WriteLine(QStringLiteral("<P ALIGN=\"center\">"));
        w.WriteLine(QStringLiteral("<SPAN STYLE=\"{letter-spacing: 2cm}\">"));
        w.WriteTitle(Text(Word("Telefax")));
        w.WriteLine(QStringLiteral("</SPAN>"));
        w.WriteLine(QStringLiteral("</P>"));
        w.WriteLine(QStringLiteral("<BR><BR>"));

        w.WriteLine(
            QStringLiteral("<TABLE CELLSPACING=\"2\" CELLPADDING=\"2\" ALIGN=\"center\" WIDTH=\"700\">"));
        w.WriteLine(QStringLiteral("<TR>"));
        w.WriteLine(QStringLiteral("<TD WIDTH=\"50%\" VALIGN=\"top\">"));
        w.BeginTable();
        w.WriteRow(Text(Word(N_("To"))), Text(supplier.company));
        w.WriteRow(Text(Word(N_("Att."))), Text(supplier.contact));
        w.WriteRow(Text(Word(N_("Fax No."))), Text(supplier.telefax));
        w.WriteRow(Text(Word(N_("Tel No."))), Text(supplier.phone));
        w.EndTable();
        w.WriteLine(QStringLiteral("</TD>"));
        w.WriteLine(QStringLiteral("<TD WIDTH=\"50%\" VALIGN=\"top\">"));
        w.BeginTable();
        w.WriteRow(Text(Word(N_("From"))), Text(d.sender));
        w.WriteRow(Text(Word("Date")), Text(d.today));
        w.WriteRow(Text(Word(N_("Pages"))), QString::number(pages));
        w.EndTable();
        w.WriteLine(QStringLiteral("</TD>"));
        w.WriteLine(QStringLiteral("</TR>"));
        w.WriteLine(QStringLiteral("<TR>"));
        w.WriteLine(QStringLiteral("<TD COLSPAN=\"2\">"));
        w.WriteLine(QStringLiteral("<HR>"));
        w.WriteLine(QStringLiteral("<BR>"));
        w.WriteHeading(Text(Word("Purchase order")));
        w.WriteLine(QStringLiteral("<BR><BR>"));
        w.WriteLine(QStringLiteral("</TD></TR>"));
        w.WriteLine(QStringLiteral("<TR><TD COLSPAN=\"2\">"));
        // Each line escaped on its own; only the breaks between them are markup.
        QStringList freeText;
        for (const QString& line : d.freeText)
            freeText << Text(line);
        w.WriteText(freeText.join(QStringLiteral("<BR>")));
        w.WriteLine(QStringLiteral("<BR>"));
        w.WriteLine(QStringLiteral("</TD></TR>"));
        w.WriteLine(QStringLiteral("</TABLE>"));

        w.BeginFrame(QStringLiteral("700"));
        HeaderRow();
        double total = 0;
        int page = 1;
        for (int i = 0; i < lines.size(); ++i) {
            const QStringList& line = lines[i];
            const int qty = QtyOf(line).value_or(0);
            const auto each = ParseDecimal(line.value(po_col::Price).trimmed());
            const double price = each ? qty * *each : 0;
            total += price;
            w.WriteLine(QStringLiteral("<TR>"));
            for (int column : {po_col::Location, po_col::PartNo, po_col::Name, po_col::Qty})
                Cell(Text(line.value(column).trimmed()));
            if (d.includePrice)
                Cell(FormatPattern(price, QStringLiteral("0.00")), QStringLiteral(" ALIGN=\"right\""));
            Cell(Text(line.value(po_col::Remark).trimmed()));
            w.WriteLine(QStringLiteral("</TR>"));
            ++units;
            const bool last = i + 1 == lines.size();
            if (PageEndsAfter(units, last)) {
                ++page;
                units = kNewPageUnits;
                w.EndFrame();
                w.WritePageBreak();
                w.BeginTable();
                w.WriteRow(Text(Word(N_("To"))), Text(supplier.company));
                w.WriteRow(Text(Word(N_("Att."))), Text(supplier.contact));
                w.WriteRow(Text(Word(N_("Page"))), QStringLiteral("%1/%2").arg(page).arg(pages));
                w.EndTable();
                w.BeginFrame(QStringLiteral("700"));
                if (!last) HeaderRow();
            }
        }
        if (d.includePrice && total > 0) {
            w.WriteLine(QStringLiteral("<TR>"));
            w.WriteLine(
                QStringLiteral("<TD BGCOLOR=\"#FFFFFF\" VALIGN=\"top\" COLSPAN=\"5\" ALIGN=\"right\">"));
            w.WriteText(Text(Word(N_("Total price"))) + QStringLiteral(": ") +
                        FormatPattern(total, QStringLiteral("0.00")));
            w.WriteLine(QStringLiteral("<BR>"));
            w.WriteText(Text(Word(N_("Note that these prices are just approximations"))));
            w.WriteLine(QStringLiteral("</TD>"));
            w.WriteLine(QStringLiteral("<TD>&nbsp;</TD>"));
            w.WriteLine(QStringLiteral("</TR>"));
        }
        w.EndFrame();
        w.WriteLine(QStringLiteral("<BR><BR>"));
        w.WriteLine(
            QStringLiteral("<TABLE CELLSPACING=\"2\" CELLPADDING=\"2\" ALIGN=\"center\" WIDTH=\"700\">"));
        w.WriteLine(QStringLiteral("<TR><TD WIDTH=\"50%\" VALIGN=\"top\">"));
        Address(Word("Billing address"), d.billing);
        w.WriteLine(QStringLiteral("</TD>"));
        w.WriteLine(QStringLiteral("<TD VALIGN=\"top\">"));
        Address(Word("Delivery address"), d.delivery);
        w.WriteLine(QStringLiteral("</TD></TR>"));
        w.WriteLine(QStringLiteral("<TR><TD COLSPAN=\"2\" VALIGN=\"top\">"));
        w.WriteText(Text(Word(N_("Best regards"))));
        w.WriteLine(QStringLiteral("<BR><BR><BR>"));
        w.WriteText(Text(d.sender));
        w.WriteLine(QStringLiteral("</TD></TR>"));
        w.WriteLine(QStringLiteral("</TABLE>"));
        w.WriteLine(QStringLiteral("<BR><BR>"));
        w.WriteFooter(Text(c.caption));
    }

    void Address(const QString& title, const QStringList& lines) {
        w.WriteBoldText(Text(title));
        w.WriteLine(QStringLiteral("<BR>"));
        for (const QString& line : lines) {
            w.WriteText(Text(line));
            w.WriteLine(QStringLiteral("<BR>"));
        }
        w.WriteLine(QStringLiteral("<BR><BR>"));
    }

  private:
    THTMLWriter& w;
    const ReportContext& c;
    const PurchaseOrderDocument& d;
};

} // namespace

void WritePurchaseOrder(THTMLWriter& writer, const ReportContext& context,
                        const PurchaseOrderDocument& document, const QString& logoFile) {
    Sheet sheet(writer, context, document);
    writer.TextColor = QStringLiteral("#000000");
    writer.FontFace = HtmlEscapeAttribute(context.options.fontFamily, context.charset);
    writer.BackgroundColor = QStringLiteral("#FFFFFF");
    writer.HeaderColor = QStringLiteral("#FFFFCC");
    writer.ContentColor = QStringLiteral("#FFFFFF");
    writer.WriteDocumentStart(document.english ? QStringLiteral("Vorlapa Purchase Order")
                                               : QStringLiteral("Vorlapa ") +
                                                     ReportText(context, Translate("Purchase Order")));
    // The logo's size as the main window shows it (0 when not known).
    const int logoWidth = std::max(0, context.logo.width), logoHeight = std::max(0, context.logo.height);
    QList<PurchaseOrderSupplier> written;
    for (const PurchaseOrderSupplier& supplier : document.suppliers) {
        const bool any =
            std::any_of(document.lines.begin(), document.lines.end(), [&](const QStringList& line) {
                return IsActiveOrderLine(line) && line.value(po_col::Supplier).trimmed() == supplier.company;
            });
        if (any) written << supplier;
    }
    for (int i = 0; i < written.size(); ++i) {
        sheet.Supplier(written[i], logoFile, logoWidth, logoHeight);
        if (i + 1 < written.size()) writer.WritePageBreak();
    }
    writer.WriteDocumentEnd();
}

Expected<QString, QString> ExportPurchaseOrder(const ReportContext& context,
                                               const PurchaseOrderDocument& document) {
    const QString logo = CopyReportLogo(context);
    const QString path = QDir(context.exportFolder).filePath(QStringLiteral("order.htm"));
    THTMLWriter writer;
    writer.Charset = context.charset;
    writer.Open(path);
    if (context.now) writer.Now = context.now;
    WritePurchaseOrder(writer, context, document, logo);
    if (auto closed = writer.Close(); !closed) return Unexpected(closed.error());
    return path;
}
