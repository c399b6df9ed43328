// The "Maintenance Log" page in the main window: the log loaded at start-up, the report's ticks and
// total, adding an item through the item dialog, deleting by key, the window's change mark and Save.
#include "main_window_rig.h"
#include "ui/workshop/maintenance_item_dialog_view.h"
#include "ui/workshop/maintenance_page_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

struct Window : MainWindowRig {
    Window() {
        WriteSettings(QStringLiteral("mc"));
        Write(QStringLiteral("maintenance.ini"),
              QStringLiteral(
                  "[groups]\r\ngroup1=Kart;\r\ngroup2=Bike;\r\n[group1]\r\nitem_list=item_list_begin;\r\n"
                  "2026-01-05,0.1,Acme,grease\r\n2026-02-01,0.2,\"Acme \",ties\r\n"
                  "item_list=item_list_end;\r\n"));
        prompter.SetStrict(true);
        Open();
        QVERIFY(form->ShowPage(QStringLiteral("Maintenance/Maintenance Log")));
    }
    MaintenancePageView& View() const { return *Find<MaintenancePageView>(); }
};

} // namespace

class TestMaintenancePages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void ShowsTheLogAndTheReport() {
        Window w;
        MaintenancePageView& view = w.View();
        QTabWidget* pages = view.SubPages();
        QStringList titles;
        for (int i = 0; i < pages->count(); ++i)
            titles << pages->tabText(i);
        QCOMPARE(titles, (QStringList{"Report", "Selected items", "Bike", "Kart"}));
        QCOMPARE(view.SupplierList()->count(), 1); // "Acme" once, trimmed
        QVERIFY(!view.Button("deleteGroup")->isEnabled());
        QVERIFY(view.GroupTotal()->isHidden());

        view.AllGroups()->click();
        view.AllSuppliers()->click();
        QCOMPARE(view.TotalCost()->text(), QStringLiteral("0.3"));
        QCOMPARE(view.SelectedTable()->model()->rowCount(), 2);
        // Unticking one entry makes its "all" box indeterminate.
        view.GroupList()->item(1)->setCheckState(Qt::Unchecked);
        QCOMPARE(view.AllGroups()->checkState(), Qt::PartiallyChecked);
        QCOMPARE(view.TotalCost()->text(), QStringLiteral("0"));
    }

    void AddsAnItemThroughTheDialog() {
        Window w;
        MaintenancePageView& view = w.View();
        view.SubPages()->setCurrentIndex(3); // "Kart"
        QVERIFY(!view.GroupTotal()->isHidden());
        QVERIFY(view.Button("deleteGroup")->isEnabled());
        QWidget* kart = view.SubPages()->widget(3);
        auto* add = kart->findChild<QPushButton*>(QStringLiteral("addItem"));
        QVERIFY(add);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TMaintenanceItemsDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            shown = true;
            QVERIFY(!dialog->GroupBox()->isVisible()); // the log's own pages have no group list
            QVERIFY(!dialog->CostEdit()->isEnabled()); // no supplier yet
            dialog->DateEdit()->setDate(QDate(2026, 3, 1));
            dialog->SupplierBox()->setEditText(QStringLiteral("Bolt"));
            QVERIFY(dialog->CostEdit()->isEnabled());
            dialog->CostEdit()->setText(QStringLiteral("12.5"));
            dialog->DescriptionEdit()->setText(QStringLiteral("new chain"));
            dialog->accept();
        });
        add->click();
        QVERIFY(shown);
        QTableView* table = view.GroupTable(1);
        QCOMPARE(table->model()->rowCount(), 4); // three items and the empty row
        QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("2026-03-01"));
        QCOMPARE(table->model()->index(0, 3).data().toString(), QStringLiteral("new chain"));
        QCOMPARE(view.SupplierList()->count(), 2);
        QVERIFY(w.state->Changes().IsChanged(Area::Maintenance));

        view.Button("save")->click();
        QVERIFY(!w.state->Changes().IsChanged(Area::Maintenance));
        QFile file(w.Path(QStringLiteral("maintenance.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("2026-03-01,12.5,Bolt,\"new chain\""));
    }

    void DeleteKeyAsksThenDeletes() {
        Window w;
        MaintenancePageView& view = w.View();
        w.form->show();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        view.SubPages()->setCurrentIndex(3); // "Kart"
        QTableView* table = view.GroupTable(1);
        table->selectRow(0);
        table->setFocus();
        w.prompter.Expect(QStringLiteral("Delete this item?"), Answer::Cancel);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->model()->rowCount(), 3);
        w.prompter.Expect(QStringLiteral("Delete this item?"), Answer::Ok);
        QTest::keyClick(table, Qt::Key_Delete);
        QCOMPARE(table->model()->rowCount(), 2);
        QVERIFY(w.state->Changes().IsChanged(Area::Maintenance));
    }
};

QTEST_MAIN(TestMaintenancePages)
#include "tst_maintenance_pages.moc"
