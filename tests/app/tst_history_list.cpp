// Entry-box histories and grid column widths in the settings store.
#include "app/cell_history_keys.h"
#include "app/column_widths.h"
#include "app/history_list.h"
#include "in_memory_settings_store.h"

#include <QTest>

class TstHistoryList : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void loadsInIndexOrder() {
        InMemorySettingsStore store;
        store.values["MRU/SessionClass/F10"] = "k";
        store.values["MRU/SessionClass/F2"] = "c";
        store.values["MRU/SessionClass/F0"] = "a";
        store.values["MRU/SessionClass/F1"] = "b";
        store.values["MRU/SessionClass/Other"] = "not an entry";
        store.values["MRU/SessionClassic/F0"] = "another key";
        HistoryList history(&store, "SessionClass", 20);
        QCOMPARE(history.Entries(), (QStringList{"a", "b", "c", "k"}));
    }

    void addMovesToTopCutsAndRewrites() {
        InMemorySettingsStore store;
        store.values["MRU/SessionType/F7"] = "stale"; // rewritten away on the first add
        HistoryList history(&store, "SessionType", 5);
        QCOMPARE(history.Entries(), QStringList{"stale"});
        for (const char* text : {"one", "two", "three", "four", "five"})
            QVERIFY(history.AddToHistory(text));
        QCOMPARE(history.Entries(), (QStringList{"five", "four", "three", "two", "one"}));

        // Re-entering an existing text only moves it to the top.
        QVERIFY(history.AddToHistory("two"));
        QCOMPARE(history.Entries(), (QStringList{"two", "five", "four", "three", "one"}));
        QVERIFY(!history.AddToHistory("two"));
        QVERIFY(!history.AddToHistory(""));

        // A new text at the maximum drops the oldest.
        QVERIFY(history.AddToHistory("six"));
        QCOMPARE(history.Entries(), (QStringList{"six", "two", "five", "four", "three"}));
        QCOMPARE(store.ChildKeys("MRU/SessionType"), (QStringList{"F0", "F1", "F2", "F3", "F4"}));
        QCOMPARE(store.values.value("MRU/SessionType/F0").toString(), QStringLiteral("six"));
        QCOMPARE(store.values.value("MRU/SessionType/F4").toString(), QStringLiteral("three"));

        // What was written comes back in the same order.
        HistoryList reloaded(&store, "SessionType", 5);
        QCOMPARE(reloaded.Entries(), history.Entries());
    }

    void switchingKeysLoadsThatHistory() {
        InMemorySettingsStore store;
        HistoryList cell(&store, "MainJetKey", 10);
        cell.AddToHistory("160");
        cell.SetKey("PilotJetKey", 10);
        QVERIFY(cell.Entries().isEmpty());
        cell.AddToHistory("40");
        cell.SetKey("MainJetKey", 10);
        QCOMPARE(cell.Entries(), QStringList{"160"});
    }

    void maxima_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("addsOnLeave");
        QTest::newRow("SessionInfo") << "SessionInfo" << 10 << true;
        QTest::newRow("EventName") << "EventName" << 10 << true;
        QTest::newRow("SessionClass") << "SessionClass" << 5 << true;
        QTest::newRow("ConditionWeather") << "ConditionWeather" << 5 << false;
        QTest::newRow("FuelTankCapacity") << "FuelTankCapacity" << 5 << false;
    }
    void maxima() {
        QFETCH(QString, key);
        QFETCH(int, maximum);
        QFETCH(bool, addsOnLeave);
        QCOMPARE(DefaultHistoryMaximum(key), maximum);
        QCOMPARE(HistoryAddsOnLeave(key), addsOnLeave);
    }

    void cellEditorGrids() {
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::Jetting).maximum, 10);
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::Jetting).rowKeys.size(), 17);
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::BikeTires).maximum, 10);
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::FourWheelTires).maximum, 5);
        // Rows typed into the grid itself have no history; the tire grids share keys by row meaning.
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::FourWheelTires).rowKeys.indexOf("WheelKey"), 8);
        QCOMPARE(CellEditorRowsOf(CellEditorGrid::BikeTires).rowKeys.indexOf("WheelKey"), 7);
        QVERIFY(CellEditorRowsOf(CellEditorGrid::BikeTires).rowKeys[5].isEmpty());
    }

    void columnWidthsRoundTripAndCountMismatch() {
        InMemorySettingsStore store;
        SaveColumnWidths(store, "Suppliers", {80, 120, 45, 60});
        SaveColumnWidths(store, "Suppliers", {81, 121, 46}); // the group is recreated: no stale 4th value
        QCOMPARE(store.ChildKeys("ColWidths/Suppliers").size(), 3);
        QCOMPARE(store.values.value("ColWidths/Suppliers/ColWidth1").toString(), QStringLiteral("121"));
        QCOMPARE(LoadColumnWidths(store, "Suppliers", 3), std::optional<QList<int>>(QList<int>{81, 121, 46}));
        QCOMPARE(LoadColumnWidths(store, "Suppliers", 4), std::nullopt);
        QCOMPARE(LoadColumnWidths(store, "TireList", 3), std::nullopt);
        store.values["ColWidths/Suppliers/ColWidth2"] = "wide";
        QCOMPARE(LoadColumnWidths(store, "Suppliers", 3), std::optional<QList<int>>(QList<int>{81, 121, -1}));
    }
};

QTEST_GUILESS_MAIN(TstHistoryList)
#include "tst_history_list.moc"
