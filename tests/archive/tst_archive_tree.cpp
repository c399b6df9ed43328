// Filters, tree nodes, the rows of a node, best lap per track and the list's order.
#include "archive/archive_list.h"
#include "archive/archive_tree.h"
#include "archive/session_summary.h"

#include <QTest>

namespace {

using namespace ArchiveColumn;

// A summary row of a complete session (5 laps, best lap 60.000) unless laps and best lap say otherwise.
QStringList Row(const QString& date, const QString& driver, const QString& track, const QString& laps = "5",
                const QString& bestMs = "60000") {
    QStringList row(kCount);
    row[Date] = date;
    row[Driver] = driver;
    row[Track] = track;
    row[Event] = "Cup";
    row[Type] = "Race";
    row[Frame] = "F";
    row[Engine] = "E";
    row[Laps] = laps;
    row[BestLapMs] = bestMs;
    row[Path] = driver + track + date + bestMs;
    return row;
}

QStringList Best(QStringList row, const QString& ms) {
    row[BestLapMs] = ms;
    return row;
}

QStringList Texts(const std::vector<TreeNode>& nodes) {
    QStringList texts;
    for (const TreeNode& node : nodes)
        texts << node.text;
    return texts;
}

const ArchiveFilters kAll{"<All years>", "<All drivers>", "<All engines>", "<All frames>"};

} // namespace

class TestArchiveTree : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void incompleteSessionsStayOutOfFiltersAndTree() {
        const SummaryRows rows = {Row("2006-01-02", "Anna", "Hill"), Row("2007-01-02", "Bert", "Hill"),
                                  Row("2005-01-02", "Carl", "Lake", "0", "0")};
        const FilterLists lists = BuildFilterLists(rows);
        QCOMPARE(lists.years, (QStringList{"<All years>", "2006", "2007"}));
        QCOMPARE(lists.drivers, (QStringList{"<All drivers>", "Anna", "Bert"}));
        QCOMPARE(lists.engines, (QStringList{"<All engines>", "E"}));

        const auto tree = BuildTree(rows, kAll);
        // One track, event, frame, engine and type among the complete sessions: no such nodes.
        QCOMPARE(Texts(tree), (QStringList{"All sessions", "Incomplete", "Year", "Driver", "Best laps"}));
        QCOMPARE(Texts(tree[2].children), (QStringList{"2006", "2007"}));
        QCOMPARE(Texts(tree[4].children), (QStringList{"Anna", "Bert"}));

        QCOMPARE(RowsForNode(rows, kAll, FindNode(tree, "Incomplete")).rows, (std::vector<int>{2}));
        QCOMPARE(RowsForNode(rows, kAll, FindNode(tree, "All sessions")).rows, (std::vector<int>{0, 1}));
        QCOMPARE(RowsForNode(rows, kAll, std::nullopt).rows, (std::vector<int>{0, 1}));
    }

    void filtersNarrowTheListAndDropTheirGroupNode() {
        const SummaryRows rows = {Row("2006-01-02", "Anna", "Hill"), Row("2006-05-02", "Bert", "Lake"),
                                  Row("2007-01-02", "Anna", "Lake")};
        ArchiveFilters filters = kAll;
        filters.driver = "Anna";
        const auto tree = BuildTree(rows, filters);
        QCOMPARE(Texts(tree), (QStringList{"All sessions", "Year", "Track", "Best laps"}));
        QVERIFY(tree.back().children.empty());
        QCOMPARE(RowsForNode(rows, filters, FindNode(tree, "All sessions")).rows, (std::vector<int>{0, 2}));

        const NodeContent lake = RowsForNode(rows, kAll, FindNode(BuildTree(rows, kAll), "Lake"));
        QCOMPARE(lake.rows, (std::vector<int>{1, 2}));
        QCOMPARE(lake.hiddenColumn, int(Track));
        filters = kAll;
        filters.year = "2006";
        QCOMPARE(RowsForNode(rows, filters, std::nullopt).rows, (std::vector<int>{0, 1}));

        // A selection that is no longer present falls back to "all".
        ArchiveFilters stale = kAll;
        stale.driver = "Zoe";
        stale.year = "2007";
        const ArchiveFilters kept = KeepPresentSelections(stale, BuildFilterLists(rows));
        QCOMPARE(kept.driver, "<All drivers>");
        QCOMPARE(kept.year, "2007");
    }

    void bestLapPerTrackKeepsTheFastestCompleteLap() {
        // Best laps 61.2 s, 60.9 s and 61.5 s on one track, and a session there with laps but no
        // complete one; on another track only such a session.
        const SummaryRows rows = {Best(Row("2006-01-01", "Anna", "Hill"), "0"),
                                  Best(Row("2006-01-02", "Anna", "Hill"), "61200"),
                                  Best(Row("2006-01-03", "Bert", "Hill"), "60900"),
                                  Best(Row("2006-01-04", "Anna", "Hill"), "61500"),
                                  Best(Row("2006-01-05", "Anna", "Coast"), "0"),
                                  Best(Row("2006-01-06", "Bert", "Hill"), "60900")};
        QCOMPARE(BestLapPerTrack(rows, {0, 1, 2, 3, 4, 5}), (std::vector<int>{4, 2}));
        const auto tree = BuildTree(rows, kAll);
        QCOMPARE(RowsForNode(rows, kAll, FindNode(tree, "Best laps")).rows, (std::vector<int>{4, 2}));
        const NodeContent anna = RowsForNode(rows, kAll, tree.back().children.front());
        QCOMPARE(anna.rows, (std::vector<int>{4, 1}));
        QCOMPARE(anna.hiddenColumn, int(Driver));
    }

    void listSortsByValueAndShowsText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("date by full start time") << int(Date) << 0 << QStringList{"b", "a", "c"};
        QTest::newRow("date descending") << int(Date) << 1 << QStringList{"c", "a", "b"};
        QTest::newRow("best lap by ms") << int(BestLap) << 0 << QStringList{"c", "a", "b"};
        QTest::newRow("text column") << int(Driver) << 0 << QStringList{"b", "a", "c"};
    }
    void listSortsByValueAndShowsText() {
        QFETCH(int, column);
        QFETCH(int, clicks);
        QFETCH(QStringList, order);
        auto row = [](QString path, QString start, QString best, QString bestMs, QString driver) {
            QStringList r(kCount);
            r[Path] = path;
            r[Date] = "2007-05-12";
            r[StartTime] = start;
            r[BestLap] = best;
            r[BestLapMs] = bestMs;
            r[Driver] = driver;
            return r;
        };
        SummaryRows rows = {row("a", "39214.6", "59.000", "59000", "Bert"),
                            row("b", "39214.25", "1:01.000", "61000", "Anna"),
                            row("c", "39214.9", "", "0", "Carl")};
        ArchiveSort sort;
        if (sort.column != column) sort.Click(column);
        for (int i = 0; i < clicks; ++i)
            sort.Click(column);
        SortSummaryRows(rows, sort);
        QStringList paths;
        for (const QStringList& r : rows)
            paths << r[Path];
        QCOMPARE(paths, order);
    }

    void commandsFollowTheSelection() {
        QCOMPARE(CommandsForSelection(0).deleteSessions, false);
        QCOMPARE(CommandsForSelection(1).open, true);
        QCOMPARE(CommandsForSelection(1).compare, false);
        QCOMPARE(CommandsForSelection(2).open, false);
        QCOMPARE(CommandsForSelection(2).compare, true);
        QCOMPARE(CommandsForSelection(2).deleteSessions, true);
        QStringList row(kCount);
        row[Path] = "/data/Sessions/Hill/x.ses";
        row[Notes] = "Driver Notes\rfine";
        QCOMPARE(SessionTip(row), "Session: x.ses\nDriver Notes\rfine");
    }
};

QTEST_GUILESS_MAIN(TestArchiveTree)
#include "tst_archive_tree.moc"
