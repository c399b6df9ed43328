// The purchase order dialog over the workspace: the stock groups and suppliers offered, the order table
// "Next" builds with its total, the refusal of an active line without supplier, the order status
// update (stock mode only) and the document written for every supplier of the lines.
#include "main_window_rig.h"
#include "reports/report_commands.h"
#include "ui/workshop/purchase_order_dialog.h"
#include "workspace/purchase_order_model.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

struct Window : MainWindowRig {
    Window() {
        WriteSettings(QStringLiteral("mc"));
        Write(QStringLiteral("suppliers.ini"), QStringLiteral("[suppliers]\nlist=list_begin;\n"
                                                              "Acme,,,,,,555-1,555-2,,,Kim,\n"
                                                              "Acme,,,,,,999,,,,Other,\nlist=list_end;\n"));
        Write(QStringLiteral("partstatus.ini"),
              QStringLiteral("[groups]\r\nparts_list_version=2.8;\r\ngroup1=Stock;\r\ngroup2=Bike;\r\n"
                             "[group1]\r\ngroup_stock=true;\r\nparts_list=parts_list_begin;\r\n"
                             ",P1,,Piston,Top,Acme,,20,1,4\r\n"
                             ",R1,,Ring,,Acme,,1.5,0,2\r\n"
                             ",X1,,Cam,,,,,0,1\r\n"
                             "parts_list=parts_list_end;\r\n[group2]\r\nparts_list=parts_list_begin;\r\n"
                             ",B1,,Brake,,Acme,,9,0,5\r\nparts_list=parts_list_end;\r\n"));
        Write(QStringLiteral("orderstatus.ini"),
              QStringLiteral("[order_status]\nversion=1.2;\nlast_selected_node=0;\nlist=list_begin;\n"
                             "2024-01-01,Top,P1,Piston,2,0,40,,Acme,,\nlist=list_end;\n"));
        prompter.SetStrict(true);
        Open();
    }
    std::function<ReportContext()> Context() const {
        return [this] { return MainWindowReportContext(*state, QStringLiteral("Vorlapa"), {}); };
    }
    QString Order() const {
        QFile file(QDir(state->DataFolder()).filePath(QStringLiteral("Exports/order.htm")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
};

QStringList Column(const QTableWidget* table, int column) {
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

} // namespace

class TestPurchaseOrderDialog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void StockModeOrdersWhatIsMissing() {
        Window w;
        PurchaseOrderModel model(*w.workspace, PurchaseOrderMode::Stock);
        TExportPurchaseOrderDlg dialog(model, w.Context(), w.form.get());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Export purchase order"));
        QCOMPARE(dialog.Groups()->count(), 1);    // the stock group only
        QCOMPARE(dialog.Suppliers()->count(), 1); // Acme once although listed twice
        QVERIFY(!dialog.OkButton()->isEnabled());
        dialog.Sender()->setText(QStringLiteral("Kim"));

        w.prompter.Expect(QStringLiteral("Exclude already ordered parts?"), Answer::Yes);
        dialog.NextClick();
        QTableWidget* lines = dialog.Lines();
        QCOMPARE(Column(lines, po_col::Name), (QStringList{"Piston", "Ring", "Cam"}));
        QCOMPARE(Column(lines, po_col::Qty), (QStringList{"1", "2", "1"})); // 4 - 1 there - 2 on order
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("23.0"));
        QCOMPARE(dialog.NextButton()->text(), QStringLiteral("Back"));
        QVERIFY(dialog.OkButton()->isEnabled());

        lines->item(1, po_col::Qty)->setText(QStringLiteral("0")); // no rings after all
        QCOMPARE(dialog.TotalCost()->text(), QStringLiteral("20.0"));
        w.prompter.ExpectError(QStringLiteral("You have to enter a supplier for the active rows!"));
        dialog.OkClick();
        QCOMPARE(lines->rowCount(), 3);
        QVERIFY(w.Order().isEmpty());

        // A supplier typed in that the list does not hold still gets its sheet.
        lines->item(2, po_col::Supplier)->setText(QStringLiteral("Bolt Ltd"));
        w.prompter.Expect(QStringLiteral("Update pending orders with these orders?"), Answer::Yes);
        w.prompter.Expect(QStringLiteral("Open in browser?"), Answer::No);
        dialog.OkClick();
        const QString html = w.Order();
        QCOMPARE(html.count(QStringLiteral(">Telefax<")), 2);
        QVERIFY(html.contains(QStringLiteral(">Bolt Ltd<")));
        QVERIFY(html.contains(QStringLiteral(">555-2<")));
        QVERIFY(!html.contains(QStringLiteral(">Ring<")));
        const OrderBook& orders = w.workspace->OrderStatus().Orders();
        QCOMPARE(orders.Count(), 3);
        QCOMPARE(orders.Item(1).mid(order_col::PartNo, 3), (QStringList{"P1", "Piston", "1"}));
        QCOMPARE(orders.Item(2).value(order_col::Supplier), QStringLiteral("Bolt Ltd"));
        QVERIFY(w.workspace->OrderStatus().IsDirty());
        QCOMPARE(w.state->Settings().nameOfUser, QStringLiteral("Kim"));
    }

    void OrdersModeDoesNotAddTheOrdersAgain() {
        Window w;
        PurchaseOrderModel model(*w.workspace, PurchaseOrderMode::Orders);
        model.orderNumbers = {1};
        TExportPurchaseOrderDlg dialog(model, w.Context(), w.form.get());
        QVERIFY(!dialog.Groups());
        dialog.NextClick();
        QCOMPARE(Column(dialog.Lines(), po_col::Price), QStringList{"20.00"});
        w.prompter.Expect(QStringLiteral("Open in browser?"), Answer::No);
        dialog.OkClick();
        QVERIFY(w.Order().contains(QStringLiteral(">Piston<")));
        QCOMPARE(w.workspace->OrderStatus().Orders().Count(), 1);
        QVERIFY(!w.workspace->OrderStatus().IsDirty());
    }
};

QTEST_MAIN(TestPurchaseOrderDialog)
#include "tst_purchase_order_dialog.moc"
