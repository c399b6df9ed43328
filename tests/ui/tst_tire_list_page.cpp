// The "Tire list" page on screen: the list follows the tree node, the tire dialog refuses a taken ID and
// keeps the focus on it, and the part-setup controls are there.
#include "main_window_rig.h"
#include "ui/workshop/tire_dialogs.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

struct Rig : MainWindowRig {
    Rig() {
        prompter.SetStrict(true);
        WriteSettings(QStringLiteral("gokart"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("tirelist_kart.ini"),
              QStringLiteral("[tires]\r\nversion=1;\r\ntire_list=tire_list_begin;\r\n"
                             "K2,FL,Acme,,Soft,16.09,3,,1270,,,2023-01-02,\r\n"
                             "K1,FR,Acme,,Hard,5,1,,,,,2023-01-02,\r\ntire_list=tire_list_end;\r\n"));
        Open();
        QVERIFY(form->ShowPage(QStringLiteral("Setup/Tires/Tire list")));
    }
    QTableWidget* List() const {
        QWidget* page = form->PageHost(QStringLiteral("Setup/Tires/Tire list"));
        return page ? page->findChild<QTableWidget*>(QStringLiteral("TireListTable")) : nullptr;
    }
};

} // namespace

class TestTireListPage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void listFollowsTheTreeNode() {
        Rig w;
        QTableWidget* list = w.List();
        QVERIFY(list);
        QCOMPARE(list->rowCount(), 2);
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("K1"));
        auto* tree = w.form->PageHost(QStringLiteral("Setup/Tires/Tire list"))->findChild<QTreeWidget*>();
        const auto soft = tree->findItems(QStringLiteral("Soft"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(soft.size(), 1);
        tree->setCurrentItem(soft[0]);
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 0)->text(), QStringLiteral("K2"));
        for (int c = 0; c < list->columnCount(); ++c)
            QVERIFY(list->horizontalHeaderItem(c)->text() != u"Compound");

        QVERIFY(w.form->findChild<QPushButton*>(QStringLiteral("ManagePartSetupsButton")));
        QVERIFY(w.form->Action(MenuCommand::ComposeSetup)->isEnabled());
    }

    void tireDialogRefusesATakenId() {
        Rig w;
        TireListPage& tires = w.workspace->TireList();
        TireDialogRequest request{
            TireDialogMode::Add, NewTireValues("2023-03-15"), true, false,
            [&tires](const TireDialogValues& v) { return CheckTireValues(v, tires.List(), -1); }};
        TAddEditTireDlg dialog(request, w.prompter, nullptr);
        dialog.show();
        auto* id = dialog.findChildren<QLineEdit*>().value(0);
        id->setText(QStringLiteral("k1"));
        w.prompter.ExpectError("Tire ID not unique!");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        id->setText(QStringLiteral("K3"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Values().id, QStringLiteral("K3"));
    }
};

QTEST_MAIN(TestTireListPage)
#include "tst_tire_list_page.moc"
