// Editing order items and booking what arrived into the part status and the maintenance log.
#include "workshop/order_receive.h"

#include <QTest>

namespace {

QStringList Item(const char* partNo, const char* name, const char* qty, const char* rec,
                 const char* supplier = "Acme", const char* price = "") {
    QStringList item(kOrderStoredColumns, QString());
    item[order_col::OrderDate] = "2024-03-01";
    item[order_col::PartNo] = partNo;
    item[order_col::Name] = name;
    item[order_col::Qty] = qty;
    item[order_col::RecQty] = rec;
    item[order_col::Supplier] = supplier;
    item[order_col::Price] = price;
    return item;
}

QStringList Part(const char* partNo, const char* name, const char* qty) {
    QStringList part(kPartColumnCount, QString());
    part[part_col::PartNo] = partNo;
    part[part_col::Name] = name;
    part[part_col::Qty] = qty;
    return part;
}

} // namespace

class TestOrderReceive : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void presetKeepsOnlyCommonValues() {
        OrderBook book;
        book.SetStoredLines(
            {Item("P1", "Piston", "5", "2", "Gone Ltd"), Item("P1", "Rod", "5", "x", "Gone Ltd")});
        book.SetField(0, order_col::ReceivedDate, "2024-03-05");
        const OrderPreset one = PresetOrderEdit(book, {0}, {"Acme"});
        QCOMPARE(one.fields[order_col::Name], std::optional<QString>("Piston"));
        QCOMPARE(one.previousReceived, 2);
        QVERIFY(one.receivedDateEnabled);
        QCOMPARE(one.supplierShown, QString("Unknown supplier"));

        const OrderPreset both = PresetOrderEdit(book, {0, 1}, {"Acme", "Gone Ltd"});
        QVERIFY(!both.fields[order_col::Name]);
        QVERIFY(!both.fields[order_col::RecQty]); // 2 and "x" (read as 0) differ
        QCOMPARE(both.fields[order_col::PartNo], std::optional<QString>("P1"));
        QCOMPARE(both.supplierShown, QString("Gone Ltd"));
        QVERIFY(!both.receivedDateEnabled);
    }

    // An edit of the received quantity alone keeps the remark and a supplier missing from the list.
    void editKeepsWhatTheUserDidNotChange() {
        OrderBook book;
        book.SetStoredLines({Item("P1", "Piston", "5", "0", "Gone Ltd")});
        book.SetField(0, order_col::Remark, "urgent");
        const OrderPreset preset = PresetOrderEdit(book, {0}, {"Acme"});
        OrderEdit edit;
        edit.fields = preset.fields; // a single item: every field counts as ticked
        edit.fields[order_col::Supplier] = SupplierToWrite(preset.supplierShown, preset.supplierShown);
        edit.fields[order_col::RecQty] = "3";
        edit.fields[order_col::ReceivedDate] = "2024-03-09";
        edit.receivedDateEnabled = true;
        ApplyOrderEdit(book, {0}, edit);
        QCOMPARE(book.Item(0).value(order_col::Supplier), QString("Gone Ltd"));
        QCOMPARE(book.Item(0).value(order_col::Remark), QString("urgent"));
        QCOMPARE(book.Item(0).value(order_col::RecQty), QString("3"));
        QCOMPARE(book.Item(0).value(order_col::ReceivedDate), QString("2024-03-09"));

        QCOMPARE(SupplierToWrite("Unknown supplier", "Acme"), std::optional<QString>("Acme"));
        QVERIFY(!SupplierToWrite("Unknown supplier", ""));
    }

    void allReceivedAndTheReceivedDate() {
        OrderBook book;
        book.SetStoredLines({Item("P1", "Piston", "5", "1"), Item("P2", "Ring", "4", "")});
        OrderEdit edit;
        edit.allReceived = true;
        edit.receivedDateEnabled = true;
        edit.fields[order_col::ReceivedDate] = "2024-04-01";
        ApplyOrderEdit(book, {0, 1}, edit);
        QCOMPARE(book.Item(0).value(order_col::RecQty), QString("5"));
        QCOMPARE(book.Item(1).value(order_col::RecQty), QString("4"));
        QCOMPARE(book.Item(1).value(order_col::ReceivedDate), QString("2024-04-01"));

        OrderEdit disabled;
        disabled.fields[order_col::ReceivedDate] = "2024-05-01";
        ApplyOrderEdit(book, {0}, disabled);
        QCOMPARE(book.Item(0).value(order_col::ReceivedDate), QString("2024-04-01"));
    }

    void quantities_data() {
        QTest::addColumn<int>("qty");
        QTest::addColumn<int>("received");
        QTest::addColumn<int>("previous");
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("now");
        QTest::addColumn<bool>("offered");
        QTest::newRow("3 more of 5") << 5 << 3 << 0 << false << 3 << true;
        QTest::newRow("2 more after 1") << 5 << 3 << 1 << false << 2 << true;
        QTest::newRow("lowered: the figure itself") << 5 << 2 << 4 << false << 2 << false;
        QTest::newRow("all after 1") << 5 << 0 << 1 << true << 4 << true;
        QTest::newRow("nothing received") << 5 << 0 << 0 << false << 0 << false;
    }
    void quantities() {
        QFETCH(int, qty);
        QFETCH(int, received);
        QFETCH(int, previous);
        QFETCH(bool, all);
        QFETCH(int, now);
        QFETCH(bool, offered);
        QCOMPARE(ReceivedNowQuantity(qty, received, previous, all), now);
        OrderEdit edit;
        edit.allReceived = all;
        edit.receivedDateEnabled = true;
        QCOMPARE(OffersPartStatusUpdate(edit, true, received, previous), offered);
        edit.receivedDateEnabled = false;
        QVERIFY(!OffersPartStatusUpdate(edit, true, received, previous));
    }

    // Several items with "All received": what is still missing; an item received in full books nothing.
    void severalItemsBookWhatIsMissing_data() {
        QTest::addColumn<QString>("qty");
        QTest::addColumn<QString>("rec");
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("book");
        QTest::newRow("3 missing") << "5"
                                   << "2" << true << 3;
        QTest::newRow("received in full") << "5"
                                          << "5" << true << 0;
        QTest::newRow("over received") << "5"
                                       << "6" << true << 0;
        QTest::newRow("dialog qty") << "5"
                                    << "2" << false << 7;
    }
    void severalItemsBookWhatIsMissing() {
        QFETCH(QString, qty);
        QFETCH(QString, rec);
        QFETCH(bool, all);
        QFETCH(int, book);
        const QStringList item = Item("P1", "Piston", qty.toLatin1(), rec.toLatin1());
        QCOMPARE(SeveralItemsBookQuantity(item, all, 7), book);
    }

    void receivingAddsToTheMatchingPart() {
        PartGroup group;
        group.parts.AddRow(Part("P1", "Piston", "2"));
        group.parts.AddRow(Part(" P2", "Ring ", "old"));
        group.parts.AddRow(Part("P3", "Pin", "1"));
        group.parts.AddRow(Part("P3", "Pin", "1"));
        QCOMPARE(MatchingPartRows(group, "P1", "Piston"), std::vector<int>{0});
        QCOMPARE(MatchingPartRows(group, "P2 ", " Ring"), std::vector<int>{1});
        QCOMPARE(MatchingPartRows(group, "P3", "Pin"), (std::vector<int>{2, 3})); // the user picks one
        QVERIFY(MatchingPartRows(group, "P1", "Pin").empty());

        const QStringList item = Item("P1", "Piston", "5", "0");
        const int changed =
            BookIntoExistingParts(group, {{0, item, 3}, {1, item, 2}, {2, item, 0}, {-1, item, 4}});
        QCOMPARE(changed, 2);
        QCOMPARE(group.parts.Field(0, part_col::Qty), QString("5"));
        QCOMPARE(group.parts.Field(1, part_col::Qty), QString("2")); // "old" counted as 0
        QCOMPARE(group.parts.Field(2, part_col::Qty), QString("1"));

        QStringList located = Item("P9", "Cam", "1", "0", "Bolt");
        located[order_col::Location] = "Head";
        const QStringList part = NewPartFromOrder(located, 4);
        QCOMPARE(part.size(), kPartColumnCount);
        QCOMPARE(part[part_col::PartNo] + part[part_col::Name] + part[part_col::Supplier] +
                     part[part_col::Location] + part[part_col::Qty],
                 QString("P9CamBoltHead4"));
    }

    void maintenanceItems() {
        const QList<QStringList> items{Item("P1", "Piston", "5", "5", "Acme", "10"),
                                       Item("P2", "Ring", "4", "4", "Bolt", "3.5")};
        QVERIFY(SuppliersDiffer(items));
        QVERIFY(!SuppliersDiffer({items[0], items[0]}));
        MaintenanceFromOrders dialog{"2024-04-01", " 12 ", "Shop", "New piston", true};
        QCOMPARE(MaintenanceItemsFromOrders({items[0]}, dialog),
                 (QList<QStringList>{{"2024-04-01", "12", "Shop", "New piston"}}));
        QCOMPARE(MaintenanceItemsFromOrders(items, dialog),
                 (QList<QStringList>{{"2024-04-01", "10", "Acme", "Piston"},
                                     {"2024-04-01", "3.5", "Bolt", "Ring"}}));
        dialog.suppliersDiffer = false;
        QCOMPARE(MaintenanceItemsFromOrders(items, dialog)[1][2], QString("Shop"));
        QCOMPARE(MaintenanceAddedText(1), QString("This item has been added to the maintenance log"));
        QCOMPARE(MaintenanceAddedText(2), QString("2 items has been added to the maintenance log"));
    }
};

QTEST_GUILESS_MAIN(TestOrderReceive)
#include "tst_order_receive.moc"
