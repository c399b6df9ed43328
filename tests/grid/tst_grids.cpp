// Text grid rows, sorting by up to three keys and header-click rules.
#include "grid/sort_grid.h"
#include "grid/text_grid.h"

#include <QTest>
#include <memory>

namespace {

// Rows written as "cell|cell|cell"; every row is used.
std::unique_ptr<TextGrid> MakeGrid(const QStringList& rows, int columns = 3) {
    QStringList headers;
    for (int c = 0; c < columns; ++c)
        headers << QStringLiteral("H%1").arg(c);
    auto grid = std::make_unique<TextGrid>(headers);
    for (int r = 0; r < rows.size(); ++r)
        grid->SetRow(r, rows[r].split(QLatin1Char('|')));
    grid->SetUsedRows(static_cast<int>(rows.size()));
    return grid;
}

QStringList RowsOf(const TextGrid& grid, int count) {
    QStringList rows;
    for (int r = 0; r < count; ++r)
        rows << grid.Row(r).join(QLatin1Char('|'));
    return rows;
}

// Keys written as "0a,1d": column and a(scending) or d(escending).
SortKeys ParseKeys(const QString& text) {
    SortKeys keys{};
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < 3; ++i)
        keys[i] = {parts[i].chopped(1).toInt(), parts[i].endsWith(QLatin1Char('d'))};
    return keys;
}

QString KeysText(const SortKeys& keys) {
    QStringList parts;
    for (const auto& k : keys)
        if (k.IsSet()) parts << QString::number(k.column) + (k.descending ? u'd' : u'a');
    return parts.join(QLatin1Char(','));
}

struct ChangeCounter : TextGridObserver {
    int cellChanges = 0, appends = 0;
    void CellsChanged(int, int) override { ++cellChanges; }
    void EndAppendRows() override { ++appends; }
};

} // namespace

class TstGrids : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void insertShiftsDownAndGrowsOnlyWhenFull() {
        ChangeCounter counter; // outlives the grid, which tells its observers when it goes
        auto grid = MakeGrid({"a|1|", "b|2|", "c|3|"});
        grid->AddObserver(&counter);
        QCOMPARE(grid->InsertRow(1), 1);
        QCOMPARE(grid->RowCount(), 4);
        QCOMPARE(counter.appends, 1);
        QCOMPARE(RowsOf(*grid, 4), (QStringList{"a|1|", "||", "b|2|", "c|3|"}));
        QCOMPARE(grid->UsedRows(), 4);

        grid->DeleteRows(0, 2);
        QCOMPARE(grid->UsedRows(), 2);
        QCOMPARE(grid->RowCount(), 4);
        QCOMPARE(RowsOf(*grid, 4), (QStringList{"b|2|", "c|3|", "||", "||"}));

        // A spare empty row is reused: appending does not grow the grid.
        QCOMPARE(grid->InsertRow(2), 2);
        QCOMPARE(grid->RowCount(), 4);
        QCOMPARE(counter.appends, 1);
        QCOMPARE(grid->UsedRows(), 3);

        QCOMPARE(grid->InsertRow(5), -1);
        QCOMPARE(grid->InsertRow(-1), -1);
        grid->DeleteRows(2, 10); // cut to the used rows
        QCOMPARE(grid->UsedRows(), 2);
        QCOMPARE(RowsOf(*grid, 4), (QStringList{"b|2|", "c|3|", "||", "||"}));
    }

    void sortGrid_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("numbers by value")
            << QStringList{"10||", "9||", "2.5||"} << "0a" << QStringList{"2.5||", "9||", "10||"};
        QTest::newRow("descending") << QStringList{"b||", "c||", "a||"} << "0d"
                                    << QStringList{"c||", "b||", "a||"};
        QTest::newRow("ties keep their order") << QStringList{"x|3|", "a|1|", "x|1|", "x|2|"} << "0a"
                                               << QStringList{"a|1|", "x|3|", "x|1|", "x|2|"};
        QTest::newRow("second key within equal first")
            << QStringList{"b|2|", "a|2|", "b|1|", "a|1|"} << "0a,1d"
            << QStringList{"a|2|", "a|1|", "b|2|", "b|1|"};
        QTest::newRow("three keys") << QStringList{"a|1|z", "a|1|x", "b|0|y", "a|0|q", "a|1|y"} << "0a,1a,2a"
                                    << QStringList{"a|0|q", "a|1|x", "a|1|y", "a|1|z", "b|0|y"};
        // Runs for the second key are made of equal texts, not of equal numbers.
        QTest::newRow("runs need equal text")
            << QStringList{"1|b|", "1.0|a|"} << "0a,1a" << QStringList{"1|b|", "1.0|a|"};
        QTest::newRow("third key ignored without a second")
            << QStringList{"a||2", "a||1"} << "0a,-1a,2a" << QStringList{"a||2", "a||1"};
        QTest::newRow("no first key: nothing")
            << QStringList{"b||", "a||"} << "" << QStringList{"b||", "a||"};
    }
    void sortGrid() {
        QFETCH(QStringList, rows);
        QFETCH(QString, keys);
        QFETCH(QStringList, expected);
        auto grid = MakeGrid(rows);
        SortGrid(*grid, ParseKeys(keys));
        QCOMPARE(RowsOf(*grid, static_cast<int>(rows.size())), expected);
        QCOMPARE(grid->CurrentRow(), 0);
    }

    void sortLeavesRowsInOrderAndUnusedRowsAlone() {
        ChangeCounter counter; // outlives the grid, which tells its observers when it goes
        auto grid = MakeGrid({"a|2|", "b|1|", "c|1|"});
        grid->SetRow(3, {"0", "0", ""}); // beyond the used rows
        grid->AddObserver(&counter);
        SortGrid(*grid, ParseKeys("0a,1a"));
        QCOMPARE(counter.cellChanges, 0);
        SortGrid(*grid, ParseKeys("1a"));
        QCOMPARE(counter.cellChanges, 1);
        QCOMPARE(RowsOf(*grid, 4), (QStringList{"b|1|", "c|1|", "a|2|", "0|0|"}));
    }

    void headerClick_data() {
        QTest::addColumn<QString>("clicks"); // column, prefixed c = Ctrl, cs = Ctrl+Shift
        QTest::addColumn<QString>("keys");
        QTest::newRow("plain click") << "2"
                                     << "2a";
        QTest::newRow("same column reverses") << "2,2"
                                              << "2d";
        QTest::newRow("ctrl without first key sets the first") << "c1"
                                                               << "1a";
        QTest::newRow("ctrl sets the second") << "0,c1"
                                              << "0a,1a";
        QTest::newRow("ctrl+shift without second sets the second") << "0,cs2"
                                                                   << "0a,2a";
        QTest::newRow("ctrl+shift sets the third") << "0,c1,cs2"
                                                   << "0a,1a,2a";
        QTest::newRow("ctrl on the second reverses it") << "0,c1,c1"
                                                        << "0a,1d";
        QTest::newRow("first again reverses and drops the others") << "0,c1,cs2,0"
                                                                   << "0d";
        QTest::newRow("another column keeps the direction") << "0,0,1"
                                                            << "1d";
        QTest::newRow("plain click on the second key column") << "0,c1,1"
                                                              << "1a";
        QTest::newRow("a removed key keeps its direction") << "0,c1,c1,2,c3"
                                                           << "2a,3d";
    }
    void headerClick() {
        QFETCH(QString, clicks);
        QFETCH(QString, keys);
        SortKeys state{};
        for (QString click : clicks.split(QLatin1Char(','))) {
            const bool shift = click.startsWith(QLatin1String("cs"));
            const bool ctrl = click.startsWith(QLatin1Char('c'));
            click.remove(QLatin1Char('c')).remove(QLatin1Char('s'));
            ApplyHeaderClick(state, click.toInt(), ctrl, shift);
        }
        QCOMPARE(KeysText(state), keys);
    }

    void sortClickTiming_data() {
        QTest::addColumn<int>("heldMs");
        QTest::addColumn<bool>("overHeader");
        QTest::addColumn<bool>("sorts");
        QTest::newRow("short click") << 120 << true << true;
        QTest::newRow("500 ms") << 500 << true << true;
        QTest::newRow("held longer") << 501 << true << false;
        QTest::newRow("released off the header") << 100 << false << false;
    }
    void sortClickTiming() {
        QFETCH(int, heldMs);
        QFETCH(bool, overHeader);
        QFETCH(bool, sorts);
        QCOMPARE(IsSortClick(4294967000LL, 4294967000LL + heldMs, overHeader), sorts);
    }

    void sortableGridSortsMarksAndLabels() {
        auto grid = MakeGrid({"b|1|", "a|2|", "a|1|"});
        SortableGrid sortable(*grid);
        int marked = 0;
        sortable.onMarkChanged = [&] { ++marked; };
        sortable.HeaderClick(0, false, false);
        sortable.HeaderClick(1, true, false);
        sortable.HeaderClick(1, true, false);
        QCOMPARE(marked, 3);
        QCOMPARE(RowsOf(*grid, 3), (QStringList{"a|2|", "a|1|", "b|1|"}));
        QCOMPARE(sortable.HeaderLabel(0), QString::fromUtf8("H0 ▲1"));
        QCOMPARE(sortable.HeaderLabel(1), QString::fromUtf8("H1 ▼2"));
        QCOMPARE(sortable.HeaderLabel(2), QStringLiteral("H2"));
        sortable.HeaderClick(7, false, false); // no such column
        QCOMPARE(marked, 3);
        // A key that compared its dates as days compares the next column it is given as cells.
        sortable.SetKeys({SortKey{0, false, SortCompare::Day}});
        sortable.HeaderClick(1, false, false);
        QCOMPARE(sortable.Keys()[0].compare, SortCompare::Cell);
    }
};

QTEST_GUILESS_MAIN(TstGrids)
#include "tst_grids.moc"
