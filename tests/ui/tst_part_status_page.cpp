// The "Part status" page on screen: adding a part through the part dialog (with a refused number) lands
// in the group and its grid; a stock group shows its stock columns.
#include "app_rig.h"
#include "ui/widgets/text_grid_model.h"
#include "ui/workshop/part_status_dialog.h"
#include "ui/workshop/part_status_page_view.h"
#include "workshop/part_status_page.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

struct PageRig {
    AppRig app;
    std::unique_ptr<PartStatusPage> page;
    QWidget host;
    std::unique_ptr<PartStatusPageView> view;

    PageRig() {
        app.prompter.SetStrict(true);
        std::vector<PartGroup> groups(2);
        groups[0].name = QStringLiteral("Engine");
        groups[1].name = QStringLiteral("Spares");
        groups[1].stock = true;
        QStringList spare(kPartColumnCount, QString());
        spare[part_col::Changed] = QStringLiteral("2023-01-01");
        spare[part_col::Name] = QStringLiteral("Spark plug");
        spare[part_col::Supplier] = QStringLiteral("Ignite");
        spare[part_col::Qty] = QStringLiteral("0");
        spare[part_col::ReqQty] = QStringLiteral("4");
        groups[1].parts.AddRow(spare);
        QVERIFY(SavePartStatusFiles(app.dir.path(), groups, {}).has_value());
        app.BuildState();
        page = std::make_unique<PartStatusPage>(app.prompter, app.shell, app.clock, app.dir.path());
        page->LoadPartStatus();
        view = std::make_unique<PartStatusPageView>(*page, *app.state, &host);
        view->Build(&host);
        host.resize(1024, 640);
        host.show();
    }
};

QLineEdit* Edit(QWidget* dialog, int column) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("field%1").arg(column));
}

QPushButton* Ok(QWidget* dialog) {
    return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

} // namespace

class TestPartStatusPageView : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addPartThroughTheDialog() {
        PageRig rig;
        QCOMPARE(rig.view->Table()->model()->rowCount(), 1); // the empty row of an empty group
        rig.app.prompter.ExpectError("Bad format, it must be a floating point value!");
        bool filled = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Add part"));
            QTest::keyClicks(Edit(dialog, part_col::PartNo), "520-X");
            QTest::keyClicks(Edit(dialog, part_col::Name), "Chain");
            QTest::keyClicks(Edit(dialog, part_col::Hours), "4,5h");
            QTest::keyClicks(Edit(dialog, part_col::HoursLimit), "10");
            dialog->findChild<QSpinBox*>(QStringLiteral("qty"))->setValue(2);
            Ok(dialog)->click(); // refused: "4,5h" is no number
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            Edit(dialog, part_col::Hours)->setText(QStringLiteral("4,5"));
            Ok(dialog)->click();
            filled = true;
        });
        rig.view->AddPart();
        QVERIFY(filled);
        const TextTable& parts = rig.page->Groups()[0].parts;
        QCOMPARE(parts.RowCount(), 1);
        QCOMPARE(parts.Field(0, part_col::Changed), QStringLiteral("2023-03-15"));
        QCOMPARE(parts.Field(0, part_col::Name), QStringLiteral("Chain"));
        QCOMPARE(parts.Field(0, part_col::Qty), QStringLiteral("2"));
        QCOMPARE(parts.Field(0, part_col::HoursLeft), QStringLiteral("5.50"));
        QAbstractItemModel* model = rig.view->Table()->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(0, part_col::Name).data().toString(), QStringLiteral("Chain"));
        QVERIFY(rig.page->IsDirty());
        QVERIFY(rig.page->Log().last().contains(QStringLiteral("added part \"Chain\"")));
    }

    void stockColumnsFollowTheGroup() {
        PageRig rig;
        QTableView* table = rig.view->Table();
        QVERIFY(table->isColumnHidden(part_col::Supplier));
        QVERIFY(table->isColumnHidden(part_col::HoursLimit));
        rig.page->SetActiveGroup(1);
        QVERIFY(!table->isColumnHidden(part_col::Supplier));
        QVERIFY(!table->isColumnHidden(part_col::ReqQty));
        QCOMPARE(table->model()->index(0, part_col::Supplier).data().toString(), QStringLiteral("Ignite"));
        QVERIFY(rig.page->Emphasis(0).back == PartStatusPage::RowEmphasis::Back::Yellow);
    }
};

QTEST_MAIN(TestPartStatusPageView)
#include "tst_part_status_page.moc"
