// The purchase order: its lines in the three modes, the suppliers that get a sheet, the page count, the
// ordered lines as order items, and the document with hostile texts.
#include "reports/html_writer.h"
#include "reports/purchase_order_lines.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList Part(const char* partNo, const char* name, const char* location, const char* supplier,
                 const char* qty, const char* reqQty, const char* price = "") {
    QStringList part(kPartColumnCount, QString());
    part[part_col::PartNo] = partNo;
    part[part_col::Name] = name;
    part[part_col::Location] = location;
    part[part_col::Supplier] = supplier;
    part[part_col::Qty] = qty;
    part[part_col::ReqQty] = reqQty;
    part[part_col::Price] = price;
    return part;
}

QStringList Order(const char* partNo, const char* name, const char* location, const char* qty,
                  const char* rec, const char* supplier = "Acme", const char* price = "") {
    QStringList item(kOrderStoredColumns, QString());
    item[order_col::OrderDate] = "2024-01-01";
    item[order_col::PartNo] = partNo;
    item[order_col::Name] = name;
    item[order_col::Location] = location;
    item[order_col::Qty] = qty;
    item[order_col::RecQty] = rec;
    item[order_col::Supplier] = supplier;
    item[order_col::Price] = price;
    return item;
}

QStringList Line(const char* name, const char* qty, const char* supplier, const char* price = "",
                 const char* remark = "") {
    QStringList line(kPurchaseOrderColumns, QString());
    line[po_col::PartNo] = "N1";
    line[po_col::Name] = name;
    line[po_col::Qty] = qty;
    line[po_col::Supplier] = supplier;
    line[po_col::Price] = price;
    line[po_col::Remark] = remark;
    return line;
}

QString Qtys(const QList<QStringList>& lines) {
    QStringList qtys;
    for (const QStringList& line : lines)
        qtys << line[po_col::Name] + u'=' + line[po_col::Qty];
    return qtys.join(u' ');
}

} // namespace

class TestPurchaseOrder : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void stockLines() {
        PartGroup stock;
        stock.stock = true;
        stock.parts.AddRow(Part("P1", "Piston", "Top", "Acme", "1", "4", "20"));
        stock.parts.AddRow(Part("R1", "Ring", "Top", "Acme", "1", "3"));
        stock.parts.AddRow(Part("R1", "Ring", "Top", "Acme", "0", "2"));
        stock.parts.AddRow(Part("S1", "Seal", "Top", "Acme", "5", "5")); // nothing missing
        stock.parts.AddRow(Part("B1", "Bolt", "", "", "x", "2"));        // no supplier, Qty no number
        stock.parts.AddRow(Part("G1", "Gasket", "", "Bolt Co", "0", "1"));
        OrderBook orders;
        orders.SetStoredLines({Order("P1", "Piston", "Top", "2", "0"),
                               // Received in excess: nothing of it is on its way.
                               Order("R1", "Ring", "Top", "5", "6")});

        // Acme listed twice still gets its lines once; the parts without supplier come last.
        const QList<QStringList> included = StockOrderLines({&stock}, {"Acme", "Acme"}, nullptr);
        QCOMPARE(Qtys(included), QString("Piston=3 Ring=2 Bolt=2"));
        QCOMPARE(included[0][po_col::Price], QString("20"));
        QCOMPARE(included[1][po_col::ReqQty], QString("3"));
        QCOMPARE(Qtys(StockOrderLines({&stock}, {"Acme"}, &orders)), QString("Piston=1 Ring=2 Bolt=2"));
        QCOMPARE(PendingQuantity(orders, " P1", "Piston ", "Top"), 2);
        QCOMPARE(PendingQuantity(orders, "R1", "Ring", "Top"), 0);
    }

    void orderAndPartLines() {
        const QList<QStringList> lines = OrderItemLines({Order("P1", "Piston", "Top", "4", "0", "Acme", "50"),
                                                         Order("P2", "Pin", "", "x", "0", "Acme", "7.5"),
                                                         Order("P3", "Cam", "", "2", "0", "Acme", "abc")});
        QCOMPARE(lines[0][po_col::Price], QString("12.50"));
        QCOMPARE(lines[0][po_col::ReqQty], QString("4"));
        QCOMPARE(lines[1][po_col::Price], QString("7.50"));
        QCOMPARE(lines[2][po_col::Price], QString("0.00"));

        PartGroup group;
        group.parts.AddRow(Part("P1", "Piston", "Top", "Acme", "3", "0", "9"));
        const QList<QStringList> parts = PartLines(group, {0, 5});
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts[0][po_col::Qty] + parts[0][po_col::ReqQty] + parts[0][po_col::Price], QString("009"));
    }

    void suppliersOfTheSheets() {
        SupplierList list;
        list.suppliers.AddRow({"Acme", "", "", "", "", "", "555-1", "555-2", "", "", "Ann", ""});
        list.suppliers.AddRow({"Bolt Co"});
        list.suppliers.AddRow({"Acme", "", "", "", "", "", "999", "", "", "", "Other", ""});
        const QList<QStringList> lines{Line("a", "1", "Typed Ltd"), Line("b", "2", "Acme"),
                                       Line("c", "0", "Bolt Co"), Line("d", "1", "Acme")};
        const QList<PurchaseOrderSupplier> suppliers = PurchaseOrderSuppliers(list, lines);
        QCOMPARE(suppliers.size(), 2); // Bolt Co has no active line
        QCOMPARE(suppliers[0].company, QString("Acme"));
        QCOMPARE(suppliers[0].contact + suppliers[0].phone + suppliers[0].telefax, QString("Ann555-1555-2"));
        QCOMPARE(suppliers[1].company, QString("Typed Ltd")); // typed into a line, kept
        QCOMPARE(suppliers[1].contact, QString());
    }

    void linesBecomeOrderItems() {
        OrderBook orders;
        const int added = AddLinesToOrders(
            orders,
            {Line("a", "3", "Acme", "2.5", "fast"), Line("b", "0", "Acme"), Line("c", "2", "Bolt", "x")},
            "2024-05-01");
        QCOMPARE(added, 2);
        QCOMPARE(orders.StoredLines()[0],
                 (QStringList{"2024-05-01", "", "N1", "a", "3", "0", "7.50", "", "Acme", "", "fast"}));
        QCOMPARE(orders.Item(1).value(order_col::Price), QString("0.00"));
        QCOMPARE(StateOf(orders.Item(0)), OrderState::Pending);
    }

    void pages_data() {
        QTest::addColumn<int>("freeText");
        QTest::addColumn<int>("logo");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("pages");
        QTest::newRow("short") << 0 << 0 << 3 << 12 << 1;
        QTest::newRow("closing block just fits") << 0 << 0 << 6 << 12 << 1;
        QTest::newRow("closing block does not fit") << 0 << 0 << 7 << 12 << 2;
        QTest::newRow("20 free-text lines, 5 lines") << 20 << 0 << 5 << 26 << 2;
        QTest::newRow("logo") << 0 << 75 << 5 << 14 << 2; // 75/30 = 2.5 rounds to 2
        QTest::newRow("header of 31 units") << 27 << 0 << 1 << 31 << 2;
        QTest::newRow("two full pages") << 0 << 0 << 19 + 28 << 12 << 3;
    }
    void pages() {
        QFETCH(int, freeText);
        QFETCH(int, logo);
        QFETCH(int, lines);
        QFETCH(int, units);
        QFETCH(int, pages);
        QCOMPARE(PurchaseOrderHeaderUnits(freeText, logo), units);
        QCOMPARE(PurchaseOrderPages(units, lines), pages);

        // The document writes as many pages as it states.
        PurchaseOrderDocument document;
        document.suppliers = {{"Acme", {}, {}, {}}};
        for (int i = 0; i < lines; ++i)
            document.lines << Line("n", "1", "Acme");
        document.freeText = QStringList(freeText, QStringLiteral("text"));
        ReportContext context;
        context.logo.height = logo;
        context.logo.width = logo;
        THTMLWriter writer;
        writer.Open(QString());
        WritePurchaseOrder(writer, context, document, logo ? QStringLiteral("logo.png") : QString());
        QCOMPARE(writer.Text().count("<P CLASS=\"breakhere\">") + 1, pages);
        if (pages > 1) QVERIFY(writer.Text().contains(QStringLiteral(">%1/%1<").arg(pages)));
        QVERIFY(writer.Text().contains(QStringLiteral(">%1<").arg(pages))); // "Pages" on the cover sheet
    }

    void documentAsExpected() {
        PurchaseOrderDocument document;
        document.suppliers = {{"Acme", "Ann", "555-2", "555-1"}, {"Typed Ltd", {}, {}, {}}};
        document.lines = {Line("Piston", "2", "Acme", "12.5", "fast"), Line("Ring", "0", "Acme"),
                          Line("Cam", "1", "Typed Ltd", "x")};
        document.lines[0][po_col::Location] = "Top";
        document.sender = "Kim";
        document.freeText = {"Please deliver", "by Friday"};
        document.billing = {"Team", "Road 1"};
        document.delivery = {"Workshop"};
        document.includePrice = true;
        document.today = "2024-05-01";
        ReportContext context;
        context.caption = "Vorlapa v3.0";
        THTMLWriter writer;
        writer.Open(QString());
        writer.Now = [] { return 45413.5; };
        WritePurchaseOrder(writer, context, document, "logo.png");
        QFile expected(QStringLiteral(VORLAPA_TEST_DATA "/purchase_order.htm"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(writer.Text(), QString::fromUtf8(expected.readAll()));
    }

    void hostileTextsAreEscaped() {
        PurchaseOrderDocument document;
        const QString script = "<script>alert(1)</script>";
        document.suppliers = {{script, "\"Ann\" & 'Bo'", "<b>fax</b>", "</TD>"}};
        QStringList line =
            Line("<img src=x onerror=alert(2)>", "1", "<script>alert(1)</script>", "1", "</TABLE>");
        line[po_col::Location] = "<i>";
        document.lines = {line};
        document.sender = "<u>me</u>";
        document.freeText = {"<hr>", "a & b"};
        document.billing = {"<p>"};
        ReportContext context;
        THTMLWriter writer;
        writer.Open(QString());
        WritePurchaseOrder(writer, context, document, "\"><script>.png");
        const QString html = writer.Text();
        QVERIFY(!html.contains("<script", Qt::CaseInsensitive));
        QVERIFY(!html.contains("<img src=x", Qt::CaseInsensitive));
        for (const char* tag : {"<i>", "<u>", "<hr>", "<p>", "<b>fax", "</TD>\r\n</TD>"})
            QVERIFY2(!html.contains(tag), tag);
        QVERIFY(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;"));
        QVERIFY(html.contains("&lt;hr&gt;<BR>a &amp; b"));
        QCOMPARE(html.count("</TABLE>"), html.count(QRegularExpression("<TABLE[ >]")));
    }
};

QTEST_GUILESS_MAIN(TestPurchaseOrder)
#include "tst_purchase_order.moc"
