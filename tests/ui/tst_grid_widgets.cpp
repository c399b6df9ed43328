// The grid model, the sortable header, the history box, the cell editor and the edit keys and menu,
// offscreen.
#include "in_memory_settings_store.h"
#include "ui/widgets/grid_cell_editor.h"
#include "ui/widgets/grid_column_widths.h"
#include "ui/widgets/grid_edit_actions.h"
#include "ui/widgets/mru_combo_box.h"
#include "ui/widgets/sortable_header_view.h"
#include "ui/widgets/text_grid_model.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
QStringList Column(const TextGrid& grid, int column) {
    QStringList cells;
    for (int r = 0; r < grid.UsedRows(); ++r)
        cells << grid.Cell(r, column);
    return cells;
}
// Opens the view's context menu and chooses the entry with the given text (none: closes it). Returns the
// entries as "text" or "(text)" when disabled.
QStringList ContextMenu(QAbstractItemView& view, const QString& choose) {
    QStringList entries;
    QTimer::singleShot(0, &view, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            entries << (action->isEnabled() ? action->text() : u'(' + action->text() + u')');
            if (action->text() == choose) chosen = action;
        }
        if (chosen) {
            menu->setActiveAction(chosen);
            QTest::keyClick(menu, Qt::Key_Return);
        } else {
            menu->close();
        }
    });
    Q_EMIT view.customContextMenuRequested(QPoint(4, 4));
    return entries;
}
} // namespace

class TstGridWidgets : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void modelFollowsEveryGridChange() {
        TextGrid grid({"Name", "Qty"}, 2);
        SortableGrid sortable(grid);
        TextGridModel model(grid, &sortable);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        int headerSignals = 0;
        connect(&model, &QAbstractItemModel::headerDataChanged, this, [&] { ++headerSignals; });

        grid.SetRow(0, {"b", "2"});
        grid.SetRow(1, {"a", "1"});
        grid.SetUsedRows(2);
        QCOMPARE(grid.InsertRow(2), 2); // grows the grid
        QCOMPARE(model.rowCount(), 3);
        grid.SetRow(2, {"c", "3"});
        sortable.HeaderClick(0, false, false);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("a"));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Name ▲1"));
        QVERIFY(headerSignals > 0);
        grid.DeleteRows(0);
        QCOMPARE(model.index(2, 0).data().toString(), QString());
        grid.SetRowCount(1);
        QCOMPARE(model.rowCount(), 1);
        grid.SetColumnCount(3);
        QCOMPARE(model.columnCount(), 3);
        grid.ClearRows();

        QVERIFY(!model.setData(model.index(0, 0), "x")); // read-only unless made editable
        model.SetEditable(true);
        int edits = 0;
        grid.onCellEdited = [&](int, int) { ++edits; };
        QVERIFY(model.setData(model.index(0, 1), "x"));
        QCOMPARE(grid.Cell(0, 1), QStringLiteral("x"));
        QCOMPARE(edits, 1);
    }

    void modelOutlivingItsGridIsEmpty() {
        auto grid = std::make_unique<TextGrid>(QStringList{"A", "B"}, 3);
        TextGridModel model(*grid);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        int resets = 0;
        connect(&model, &QAbstractItemModel::modelReset, this, [&] { ++resets; });
        grid.reset();
        QCOMPARE(resets, 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
    }

    void headerClicksSort() {
        TextGrid grid({"Supplier", "City", "Phone"});
        const QStringList rows[] = {{"b", "Oslo", "3"}, {"a", "Rome", "1"}, {"a", "Oslo", "2"}};
        for (int r = 0; r < 3; ++r)
            grid.SetRow(r, rows[r]);
        grid.SetUsedRows(3);
        SortableGrid sortable(grid);
        int marked = 0;
        sortable.onMarkChanged = [&] { ++marked; };
        TextGridModel model(grid, &sortable);
        QTableView view;
        auto* header = new SortableHeaderView(sortable, &view);
        view.setHorizontalHeader(header);
        view.setModel(&model);
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        auto at = [&](int column) {
            return QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                          header->height() / 2);
        };
        auto click = [&](int column, Qt::KeyboardModifiers modifiers, int heldMs) {
            QTest::mousePress(header->viewport(), Qt::LeftButton, modifiers, at(column));
            QTest::mouseRelease(header->viewport(), Qt::LeftButton, modifiers, at(column), heldMs);
        };

        click(1, Qt::NoModifier, 600); // held too long: no sort
        QCOMPARE(marked, 0);
        QCOMPARE(Column(grid, 0), (QStringList{"b", "a", "a"}));

        click(1, Qt::ControlModifier, 50); // Ctrl without a first key sets the first key
        QCOMPARE(marked, 1);
        QCOMPARE(Column(grid, 2), (QStringList{"3", "2", "1"}));
        QCOMPARE(view.currentIndex().row(), 0);

        click(0, Qt::ControlModifier, 50);
        QCOMPARE(Column(grid, 2), (QStringList{"2", "3", "1"}));
        click(0, Qt::ControlModifier, 50); // the second key reverses
        QCOMPARE(Column(grid, 2), (QStringList{"3", "2", "1"}));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Supplier ▼2"));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("City ▲1"));

        click(2, Qt::NoModifier, 50); // plain click: only this key
        QCOMPARE(Column(grid, 2), (QStringList{"1", "2", "3"}));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Supplier"));
        QCOMPARE(marked, 4);
    }

    void columnWidthsOfAView() {
        InMemorySettingsStore store;
        TextGrid grid({"A", "B"}, 1);
        TextGridModel model(grid);
        QTableView view;
        view.setModel(&model);
        view.setColumnWidth(0, 77);
        view.setColumnWidth(1, 33);
        SaveColumnWidths(view, store, "TireList");
        QTableView other;
        other.setModel(&model);
        LoadColumnWidths(other, store, "TireList");
        QCOMPARE(other.columnWidth(0), 77);
        QCOMPARE(other.columnWidth(1), 33);
        grid.SetColumnCount(3); // stored widths no longer fit
        other.setColumnWidth(0, 50);
        LoadColumnWidths(other, store, "TireList");
        QCOMPARE(other.columnWidth(0), 50);
    }

    void historyBoxAddsOnLeaving() {
        InMemorySettingsStore store;
        store.values["MRU/SessionClass/F0"] = "125cc";
        store.values["MRU/SessionClass/F1"] = "Open";
        store.values["MRU/SessionClass/F2"] = "250cc";
        QWidget window;
        auto* box = new TMRUComboBox(&window);
        auto* weather = new TMRUComboBox(&window);
        auto* other = new QLineEdit(&window);
        box->SetHistory(&store, "SessionClass");
        weather->SetHistory(&store, "ConditionWeather");
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->History().Maximum(), 5);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        box->setFocus();
        box->setEditText("Supersport");
        other->setFocus();
        QCOMPARE(store.values.value("MRU/SessionClass/F0").toString(), QStringLiteral("Supersport"));
        QCOMPARE(box->itemText(0), QStringLiteral("Supersport"));
        QCOMPARE(box->currentText(), QStringLiteral("Supersport"));

        weather->setFocus();
        weather->setEditText("Rain");
        other->setFocus();
        QVERIFY(weather->History().Entries().isEmpty());
        QVERIFY(!store.values.contains("MRU/ConditionWeather/F0"));

        // Choosing a lower entry from the list moves it to the top.
        Q_EMIT box->activated(2);
        QCOMPARE(box->History().Entries().value(0), QStringLiteral("Open"));
    }

    void cellEditorWritesAndTabMovesOn() {
        InMemorySettingsStore store;
        TextGrid grid({"Front", "Rear"}, 3);
        grid.SetUsedRows(3);
        TextGridModel model(grid);
        model.SetEditable(true);
        QTableView view;
        view.setModel(&model);
        GridCellEditor editor(&view, &store, {"MainJetKey", "", "NeedleKey"}, 10);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));

        QVERIFY(!editor.EditCell(model.index(1, 0))); // typed into the grid itself
        QVERIFY(editor.EditCell(model.index(0, 0)));
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.geometry(), view.visualRect(model.index(0, 0)));
        editor.lineEdit()->setText("165");
        QTest::keyClick(&editor, Qt::Key_Tab);
        QCOMPARE(grid.Cell(0, 0), QStringLiteral("165"));
        QCOMPARE(store.values.value("MRU/MainJetKey/F0").toString(), QStringLiteral("165"));
        QCOMPARE(editor.EditedCell(), model.index(0, 1));
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.History().Entries(), QStringList{"165"}); // the row's own history

        editor.lineEdit()->setText("170");
        QTest::keyClick(&editor, Qt::Key_Tab); // next cell is in a row without history
        QCOMPARE(grid.Cell(0, 1), QStringLiteral("170"));
        QVERIFY(!editor.isVisible());
        QCOMPARE(view.currentIndex(), model.index(1, 0));
        QVERIFY(view.hasFocus());

        grid.SetCell(2, 1, "N3");
        QVERIFY(editor.EditCell(model.index(2, 1)));
        QCOMPARE(editor.currentText(), QStringLiteral("N3"));
        QVERIFY(editor.History().Entries().isEmpty());
        QVERIFY(editor.EditCell(model.index(0, 0))); // opening another cell leaves this one
        QCOMPARE(store.values.value("MRU/NeedleKey/F0").toString(), QStringLiteral("N3"));
        QCOMPARE(editor.History().Entries(), (QStringList{"170", "165"}));
        QCOMPARE(editor.currentText(), QStringLiteral("165"));
        QCOMPARE(editor.currentIndex(), 1); // the cell's text selected in the list
    }

    void editActionsKeysAndMenu() {
        QStringList calls;
        bool onItem = false;
        GridEditActions actions;
        actions.add.run = [&] { calls << "add"; };
        actions.edit = {N_("&Edit event"), [&] { calls << "edit"; }, [&] { return onItem; }};
        actions.remove = {N_("Delete"), [&] { calls << "remove"; }, [&] { return onItem; }};
        actions.more = {{"Duplicate", [&] { calls << "duplicate"; }, [&] { return onItem; }}};
        QTableView view;
        InstallGridEditActions(&view, &view, actions);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setFocus();

        // Keys run their action whatever the menu would enable; a plain Enter is no edit.
        QTest::keyClick(&view, Qt::Key_Delete);
        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(calls, (QStringList{"remove", "edit", "edit"}));

        calls.clear();
        QCOMPARE(ContextMenu(view, "Add"), (QStringList{"Add", "(&Edit event)", "(Delete)", "(Duplicate)"}));
        QCOMPARE(calls, QStringList{"add"});
        onItem = true;
        QCOMPARE(ContextMenu(view, "Duplicate"), (QStringList{"Add", "&Edit event", "Delete", "Duplicate"}));
        QCOMPARE(ContextMenu(view, "&Edit event").size(), 4);
        QCOMPARE(ContextMenu(view, QString()).size(), 4); // closed: nothing runs
        QCOMPARE(calls, (QStringList{"add", "duplicate", "edit"}));

        // Without a callback there is neither an entry nor a key.
        actions.edit.run = nullptr;
        actions.more.clear();
        QTableView bare;
        InstallGridEditActions(&bare, &bare, actions);
        bare.show();
        QVERIFY(QTest::qWaitForWindowActive(&bare));
        bare.setFocus();
        calls.clear();
        QTest::keyClick(&bare, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(ContextMenu(bare, "Delete"), (QStringList{"Add", "Delete"}));
        QCOMPARE(calls, QStringList{"remove"});
    }
};

QTEST_MAIN(TstGridWidgets)
#include "tst_grid_widgets.moc"
