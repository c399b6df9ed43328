// Suppliers and the order status in the workspace: loaded at start-up, their changes mark their areas,
// and receiving order items books them into the part status and the maintenance log.
#include "workspace_rig.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kParts = QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\n[group1]\r\n"
                                      "parts_list=parts_list_begin;\r\n2024-01-01,P1,,Piston,,,,,2\r\n"
                                      "parts_list=parts_list_end;\r\n");
const QString kLog = QStringLiteral("[groups]\ngroup1=Engine;\n[group1]\nitem_list=item_list_begin;\n"
                                    "item_list=item_list_end;\n");
// Piston: 5 ordered, none received; Ring: 4 ordered and all of them received.
const QString kOrders =
    QStringLiteral("[order_status]\nversion=1.2;\nlast_selected_node=0;\nlist=list_begin;\n"
                   "2024-03-01,Top,P1,Piston,5,0,50,,\"Gone Ltd\",,keep\n"
                   "2024-03-01,Top,P2,Ring,4,4,12,2024-03-05,Acme,,\n"
                   "list=list_end;\n");
const QString kSuppliers = QStringLiteral("[suppliers]\nlist=list_begin;\nAcme\nlist=list_end;\n");

void Open(WorkspaceRig& w, const QString& parts = kParts) {
    w.Write(QStringLiteral("partstatus.ini"), parts);
    w.Write(QStringLiteral("maintenance.ini"), kLog);
    w.Write(QStringLiteral("orderstatus.ini"), kOrders);
    w.Write(QStringLiteral("suppliers.ini"), kSuppliers);
    w.Open();
}

// The dialog's answer for the rows: the preset as it stands, with the received fields set.
OrderDialogResult Received(const OrderPreset& preset, int receivedQty, bool all) {
    OrderDialogResult result;
    result.edit.fields = preset.fields;
    result.edit.fields[order_col::Supplier] = SupplierToWrite(preset.supplierShown, preset.supplierShown);
    result.edit.fields[order_col::RecQty] = QString::number(receivedQty);
    result.edit.fields[order_col::ReceivedDate] = QStringLiteral("2024-03-10");
    result.edit.receivedDateEnabled = true;
    result.edit.allReceived = all;
    result.receivedQty = receivedQty;
    result.qtyTicked = false;
    return result;
}

} // namespace

class TestOrderWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void loadedChangedAndSaved() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        Open(w);
        OrderStatusPage& orders = w.Ws().OrderStatus();
        SuppliersPage& suppliers = w.Ws().Suppliers();
        QCOMPARE(orders.Orders().Count(), 2);
        QCOMPARE(suppliers.SupplierNames(), QStringList{"Acme"});
        QCOMPARE(orders.TotalCostCaption(), QString("Total cost: 62.00"));
        QVERIFY(!w.state->Changes().IsChanged(Area::OrderStatus));

        QVERIFY(!suppliers.AddSupplier({"  "})); // no company, no supplier
        QVERIFY(suppliers.AddSupplier({" Bolt ", "Road 2"}));
        QCOMPARE(suppliers.SupplierNames(), (QStringList{"Acme", "Bolt"}));
        QVERIFY(w.state->Changes().IsChanged(Area::Suppliers));
        w.prompter.Expect("Delete these suppliers?", Answer::Cancel);
        suppliers.DeleteSuppliers({0, 1, 2}); // row 2 is the empty row below the list
        QCOMPARE(suppliers.SupplierNames().size(), 2);
        QVERIFY(suppliers.SaveSuppliers());
        QVERIFY(!w.state->Changes().IsChanged(Area::Suppliers));

        w.prompter.Expect("Delete this order item?", Answer::Ok);
        orders.DeleteOrderItems({2});
        QCOMPARE(orders.Orders().Count(), 1);
        QVERIFY(orders.IsDirty());
        QVERIFY(w.state->Changes().IsChanged(Area::OrderStatus));
        QVERIFY(orders.SaveOrders());
        QVERIFY(!w.state->Changes().IsChanged(Area::OrderStatus));
    }

    // Receiving 3 of 5 pistons adds 3 to the matching part and a cost to the maintenance log; the
    // supplier missing from the list and the remark stay as they were.
    void receivingBooksIntoPartsAndLog() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        Open(w);
        OrderStatusPage& orders = w.Ws().OrderStatus();
        const OrderPreset preset = orders.Preset({1});
        QCOMPARE(preset.supplierShown, QString("Unknown supplier"));
        ReceiveWizardStart started;
        orders.requestReceiveWizard = [&](const ReceiveWizardStart& start) {
            started = start;
            return std::optional<ReceiveWizardChoice>({"Engine", start.qty});
        };
        std::vector<PartBooking> confirmed;
        orders.requestConfirmBooking = [&](const std::vector<PartBooking>& lines) {
            confirmed = lines;
            return true;
        };
        QStringList maintenanceDialog;
        w.Ws().Maintenance().requestItemDialog = [&](MaintenanceItemDialog& d) {
            maintenanceDialog << d.Values().group << d.Values().cost << d.Values().supplier
                              << d.Values().description;
            return !d.CheckOk().has_value();
        };
        w.prompter.Expect("Update Part status?", Answer::Yes);
        w.prompter.Expect("Update maintenance log?", Answer::Yes);
        orders.EditOrderItems({1}, Received(preset, 3, false));

        QCOMPARE(started.groups, QStringList{"Engine"});
        QCOMPARE(started.qty, 3);
        QCOMPARE(confirmed.size(), std::size_t(1));
        QCOMPARE(confirmed[0].partRow, 0);
        QCOMPARE(w.Ws().PartStatus().Groups()[0].parts.Field(0, part_col::Qty), QString("5"));
        QVERIFY(w.state->Changes().IsChanged(Area::PartStatus));
        QCOMPARE(w.prompter.informations, QStringList{"Part Status has been updated!"});
        QCOMPARE(maintenanceDialog, (QStringList{"Engine", "50", "Gone Ltd", "Piston"}));
        QCOMPARE(w.Ws().Maintenance().Log().Group(0).items.Row(0),
                 (QStringList{"2024-03-10", "50", "Gone Ltd", "Piston"}));

        const QStringList item = orders.Orders().Item(0);
        QCOMPARE(item.value(order_col::RecQty), QString("3"));
        QCOMPARE(item.value(order_col::Supplier), QString("Gone Ltd"));
        QCOMPARE(item.value(order_col::Remark), QString("keep"));
        QCOMPARE(item.value(order_col::ReceivedDate), QString("2024-03-10"));
    }

    // "All received" over a received ring and a pending piston books the 5 missing pistons only, as a new
    // part when the group has none; cancelling the wizard books nothing and reports nothing.
    void allReceivedBooksOnlyWhatIsMissing() {
        WorkspaceRig w;
        w.prompter.SetStrict(true);
        Open(w,
             QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Engine;\r\ngroup2=Spares;\r\n"));
        OrderStatusPage& orders = w.Ws().OrderStatus();
        OrderDialogResult all = Received(orders.Preset({1, 2}), 0, true);

        orders.requestReceiveWizard = [](const ReceiveWizardStart&) { return std::nullopt; };
        QVERIFY(!orders.ReceiveIntoPartStatus({1, 2}, all, 0));
        QVERIFY(w.prompter.informations.isEmpty());

        orders.requestReceiveWizard = [](const ReceiveWizardStart& start) {
            return std::optional<ReceiveWizardChoice>({start.groups.value(1), 0});
        };
        orders.requestConfirmBooking = [](const std::vector<PartBooking>& lines) {
            return lines.size() == 1 && lines[0].qty == 5 && lines[0].partRow == -1;
        };
        QVERIFY(orders.ReceiveIntoPartStatus({1, 2}, all, 0));
        const PartGroup* spares = w.Ws().PartStatus().FindGroup("Spares");
        QVERIFY(spares);
        QCOMPARE(spares->parts.RowCount(), 1);
        QCOMPARE(spares->parts.Field(0, part_col::Name), QString("Piston"));
        QCOMPARE(spares->parts.Field(0, part_col::Qty), QString("5"));
        QCOMPARE(spares->parts.Field(0, part_col::Supplier), QString("Gone Ltd"));
        QCOMPARE(w.prompter.informations, QStringList{"Part Status has been updated!"});

        // Without "All received" and without a quantity there is nothing to receive.
        w.prompter.ExpectError("No quantity selected!");
        QVERIFY(!orders.ReceiveIntoPartStatus({1}, Received(orders.Preset({1}), 0, false), 0));
    }
};

QTEST_GUILESS_MAIN(TestOrderWiring)
#include "tst_order_wiring.moc"
