// orderstatus.ini and suppliers.ini: the line upgrades of older versions, the states and colours of an
// item, the order tree and the list it filters, the total, and the range checks of stored numbers.
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "workshop/order_status.h"
#include "workshop/suppliers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString OrderFile(const QString& version, const QList<QStringList>& lines, const QString& node = "0") {
    QString text = QStringLiteral("[order_status]\n");
    if (!version.isNull()) text += QStringLiteral("version=%1;\n").arg(version);
    text += QStringLiteral("last_selected_node=%1;\nlist=list_begin;\n").arg(node);
    for (const QStringList& line : lines)
        text += CommaTextJoin(line) + u'\n';
    return text + QStringLiteral("list=list_end;\n");
}

QStringList Fields(const QString& prefix, int count) {
    QStringList fields;
    for (int i = 0; i < count; ++i)
        fields << QStringLiteral("%1%2").arg(prefix).arg(i);
    return fields;
}

// An order item: date, supplier, Qty, Rec. Qty, price; the rest empty.
QStringList Item(const char* date, const char* supplier, const char* qty, const char* rec,
                 const char* price = "") {
    QStringList item(kOrderStoredColumns, QString());
    item[order_col::OrderDate] = date;
    item[order_col::Supplier] = supplier;
    item[order_col::Qty] = qty;
    item[order_col::RecQty] = rec;
    item[order_col::Price] = price;
    return item;
}

OrderBook Book(const QList<QStringList>& items) {
    OrderBook book;
    book.SetStoredLines(items);
    return book;
}

QStringList Paths(const OrderTree& tree) {
    QStringList paths;
    for (int n = 0; n < int(tree.nodes.size()); ++n)
        paths << tree.PathOf(n);
    return paths;
}

} // namespace

class TestOrderStatus : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void upgrades_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QStringList>("expected");
        const QStringList f = Fields("f", 10);
        QTest::newRow("1.1: location to 1, remark added")
            << "1.1" << f << QStringList{"f0", "f8", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f9", ""};
        // 1.0 had neither the received quantity nor the price; both steps run in turn.
        const QStringList g = Fields("g", 8);
        QTest::newRow("1.0 chains through 1.1")
            << "1.0" << g << QStringList{"g0", "g6", "g1", "g2", "g3", "0", "", "g4", "g5", "g7", ""};
        const QStringList current = Fields("h", 11);
        QTest::newRow("1.2 unchanged") << "1.2" << current << current;
        QTest::newRow("unknown version unchanged") << "0.9" << current << current;
        QTest::newRow("short 1.1 line padded")
            << "1.1" << QStringList{"d", "p"} << QStringList{"d", "", "p", "", "", "", "", "", "", "", ""};
    }
    void upgrades() {
        QFETCH(QString, version);
        QFETCH(QStringList, line);
        QFETCH(QStringList, expected);
        const OrderStatusFile file = ParseOrderStatus(OrderFile(version, {line}));
        QCOMPARE(file.version, version);
        QCOMPARE(file.orders.Count(), 1);
        QCOMPARE(file.orders.StoredLines().front(), expected);
    }

    void savedFileReadsBackInTheCurrentVersion() {
        QTemporaryDir dir;
        // A 1.0 file, hand-edited, with a bracket in a line: the keys before the list still read.
        const OrderStatusFile old = ParseOrderStatus(
            OrderFile("1.0", {{"2024-01-02", "P[1]", "Piston", "3", "", "Acme", "Top", "note"}}, "2"));
        QVERIFY(SaveOrderStatus(dir.path(), old.orders, 2));
        const auto again = LoadOrderStatus(dir.path());
        QVERIFY(again);
        QCOMPARE(again->version, QString("1.2"));
        QCOMPARE(again->lastSelectedNode, 2);
        QCOMPARE(again->orders.StoredLines(), old.orders.StoredLines());
        QCOMPARE(again->orders.Item(0).value(order_col::Location), QString("Top"));
        QCOMPARE(again->orders.NumberOf(0), 1);

        const auto missing = LoadOrderStatus(QDir(dir.path()).filePath("nothing"));
        QVERIFY(missing);
        QCOMPARE(missing->orders.Count(), 0);
    }

    void itemNumbersStayUniqueAfterDeletes() {
        OrderBook book = Book({Item("2024-01-01", "A", "1", "0"), Item("2024-01-02", "B", "1", "0")});
        book.RemoveNumbers({1});
        const int row = book.Append(Item("2024-01-03", "C", "1", "0"));
        QCOMPARE(book.NumberOf(row), 3);
        QCOMPARE(book.RowOfNumber(2), std::optional<int>(0));
        QVERIFY(!book.RowOfNumber(1));
    }

    void statesAndColours_data() {
        QTest::addColumn<QString>("qty");
        QTest::addColumn<QString>("rec");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("colour");
        QTest::newRow("all received") << "5"
                                      << "5" << int(OrderState::Received) << int(OrderColour::Plain);
        QTest::newRow("part received") << "5"
                                       << "2" << int(OrderState::Pending) << int(OrderColour::LightGreen);
        QTest::newRow("nothing received") << "5"
                                          << "0" << int(OrderState::Pending) << int(OrderColour::Yellow);
        QTest::newRow("over received") << "5"
                                       << "6" << int(OrderState::Received) << int(OrderColour::Plain);
        QTest::newRow("rec no number") << "5"
                                       << "x" << int(OrderState::Pending) << int(OrderColour::Yellow);
        QTest::newRow("qty no number") << ""
                                       << "0" << int(OrderState::None) << int(OrderColour::Plain);
        QTest::newRow("qty zero") << "0"
                                  << "0" << int(OrderState::Received) << int(OrderColour::Plain);
    }
    void statesAndColours() {
        QFETCH(QString, qty);
        QFETCH(QString, rec);
        QFETCH(int, state);
        QFETCH(int, colour);
        const QStringList item = Item("2024-01-01", "A", qty.toLatin1(), rec.toLatin1());
        QCOMPARE(int(StateOf(item)), state);
        QCOMPARE(int(ColourOf(item)), colour);
    }

    void treeAndFilter() {
        const OrderBook book = Book({
            Item("2023-05-01", "Acme", "5", "5", "10.5"),
            Item("2024-02-01", "Acme", "5", "2", "4"),
            Item("2024-02-01", "Bolt", "5", "6", "x"),
            Item("not a date", "Bolt", "2", "0", "1.25"),
        });
        const OrderTree tree = BuildOrderTree(book);
        QCOMPARE(Paths(tree), (QStringList{"All",
                                           "By year",
                                           "By year/2023",
                                           "By year/2023/2023-05-01",
                                           "By year/2024",
                                           "By year/2024/2024-02-01",
                                           "By supplier",
                                           "By supplier/Acme",
                                           "By supplier/Acme/2023-05-01",
                                           "By supplier/Acme/2024-02-01",
                                           "By supplier/Bolt",
                                           "By supplier/Bolt/2024-02-01",
                                           "By supplier/Bolt/not a date",
                                           "Pending",
                                           "Pending/Acme",
                                           "Pending/Acme/2024-02-01",
                                           "Pending/Bolt",
                                           "Pending/Bolt/not a date",
                                           "Received",
                                           "Received/Acme",
                                           "Received/Acme/2023-05-01",
                                           "Received/Bolt",
                                           "Received/Bolt/2024-02-01"}));
        const auto shown = [&](const QString& path) {
            const auto node = tree.FindPath(path);
            return node ? ShownOrderRows(book, tree, *node) : std::vector<int>{-1};
        };
        QCOMPARE(shown("All"), (std::vector<int>{0, 1, 2, 3}));
        QCOMPARE(shown("By year"), (std::vector<int>{0, 1, 2, 3}));
        QCOMPARE(shown("By year/2024"), (std::vector<int>{1, 2}));
        QCOMPARE(shown("By year/2023/2023-05-01"), (std::vector<int>{0}));
        QCOMPARE(shown("By supplier/Bolt"), (std::vector<int>{2, 3}));
        QCOMPARE(shown("By supplier/Acme/2024-02-01"), (std::vector<int>{1}));
        // Received in excess (6 of 5) is received, never pending.
        QCOMPARE(shown("Pending"), (std::vector<int>{1, 3}));
        QCOMPARE(shown("Pending/Bolt"), (std::vector<int>{3}));
        QCOMPARE(shown("Received/Bolt/2024-02-01"), (std::vector<int>{2}));
        QCOMPARE(shown("Received"), (std::vector<int>{0, 2}));

        QCOMPARE(TotalCostText(book, shown("All")), QString("15.75")); // "x" is no number
        QCOMPARE(TotalCostText(book, shown("Received")), QString("10.50"));
        QCOMPARE(TotalCostText(book, {}), QString("0.00"));
    }

    void treeOnlyHasTheGroupingsThatDiffer() {
        const OrderTree one = BuildOrderTree(Book({Item("2024-01-01", "Acme", "1", "0")}));
        QCOMPARE(Paths(one), (QStringList{"All", "Pending", "Pending/Acme", "Pending/Acme/2024-01-01"}));
        QCOMPARE(Paths(BuildOrderTree(OrderBook{})), QStringList{"All"});
    }

    void storedNodeIsRangeChecked_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("node");
        QTest::newRow("in range") << 2 << 2;
        QTest::newRow("past the end") << 4 << 0;
        QTest::newRow("negative") << -1 << 0;
    }
    void storedNodeIsRangeChecked() {
        QFETCH(int, stored);
        QFETCH(int, node);
        const OrderTree tree = BuildOrderTree(Book({Item("2024-01-01", "Acme", "1", "0")}));
        QCOMPARE(tree.ValidNode(stored), node);
    }

    void suppliersFile() {
        QTemporaryDir dir;
        const QString text = "[suppliers]\nsort_column=3;\nsort_descending=true;\nsort_column2=99;\n"
                             "sort_column3=x;\nlist=list_begin;\n"
                             "\" Acme \",\"Road 1\",,Town,,,,,a@b.c,www.acme.com,,\n"
                             "Bolt\nAcme\n"
                             "list=list_end;\n";
        SupplierList list = ParseSuppliers(text);
        QCOMPARE(list.sortKeys[0].column, 3);
        QVERIFY(list.sortKeys[0].descending);
        QCOMPARE(list.sortKeys[1].column, -1); // outside the 12 columns
        QCOMPARE(list.sortKeys[2].column, -1);
        QCOMPARE(SupplierNames(list), (QStringList{"Acme", "Bolt", "Acme"}));
        QCOMPARE(DistinctNames(SupplierNames(list)), (QStringList{"Acme", "Bolt"}));
        QCOMPARE(FindSupplierRow(list, "Acme"), std::optional<int>(0));
        QVERIFY(SaveSuppliers(dir.path(), list));
        const auto again = LoadSuppliers(dir.path());
        QVERIFY(again);
        QCOMPARE(again->suppliers.RowCount(), 3);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(again->suppliers.Row(row), list.suppliers.Row(row));
        QCOMPARE(again->suppliers.Field(0, supplier_col::Company), QString(" Acme ")); // kept as stored
        QCOMPARE(again->sortKeys[0].column, 3);
    }

    void homePageOpensOnlyWebAddresses_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("url"); // empty: not opened
        QTest::newRow("bare name") << " www.acme.com "
                                   << "http://www.acme.com";
        QTest::newRow("host and port") << "acme.com:8080/shop"
                                       << "http://acme.com:8080/shop";
        QTest::newRow("https") << "https://acme.com/a?b=c"
                               << "https://acme.com/a?b=c";
        QTest::newRow("program path") << "/usr/bin/xterm"
                                      << "";
        QTest::newRow("windows program") << "C:\\Windows\\calc.exe"
                                         << "";
        QTest::newRow("file url") << "file:///etc/passwd"
                                  << "";
        QTest::newRow("javascript") << "javascript:alert(1)"
                                    << "";
        QTest::newRow("empty") << "  "
                               << "";
    }
    void homePageOpensOnlyWebAddresses() {
        QFETCH(QString, field);
        QFETCH(QString, url);
        const auto opened = HomePageUrl(field);
        QCOMPARE(opened ? opened->toString() : QString(), url);
    }

    void mailToIsPercentEncoded() {
        const QUrl url = MailToUrl(" sales@acme.com?subject=x&attach=/etc/passwd ");
        QCOMPARE(url.scheme(), QString("mailto"));
        QCOMPARE(url.toString(QUrl::FullyEncoded),
                 QString("mailto:sales@acme.com%3Fsubject%3Dx%26attach%3D%2Fetc%2Fpasswd"));
        QVERIFY(url.query().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOrderStatus)
#include "tst_order_status.moc"
