// The maintenance log's file (which keys are read, what a save writes back), the order of items and
// groups, and the cost report's filters and totals.
#include "storage/date_time.h"
#include "storage/txt_parser.h"
#include "workshop/maintenance_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Block(const QStringList& lines) {
    QString text = QStringLiteral("item_list=item_list_begin;\n");
    for (const QString& line : lines)
        text += line + u'\n';
    return text + QStringLiteral("item_list=item_list_end;\n");
}

// Groups 2 and 5 (1 missing: keys up to 11 are probed), 11, then 13 after a missing 12 (not read).
const QString kFile =
    QStringLiteral("// header\n[groups]\ngroup2=engine;\ngroup5=  Bike A  ;\ngroup11=Zed;\n"
                   "group13=Lost;\n[group2]\n") +
    Block({QStringLiteral("2025-03-01,10,Acme,oil"), QStringLiteral("garbage,5,Acme,\"bad date\""),
           QStringLiteral("2026-01-15,\"1,5\",\"Acme \",\"filter, air [K&N]\"")}) +
    QStringLiteral("[group5]\n") + Block({QStringLiteral("2024-07-01,200,\"Bolt Ltd\",frame")}) +
    QStringLiteral("[group11]\n") + Block({}) + QStringLiteral("[group13]\n") +
    Block({QStringLiteral("2024-01-01,1,X,never")});

QList<QStringList> Rows(const MaintenanceLog& log, int group) {
    return log.Group(group).items.Rows();
}

} // namespace

class TestMaintenanceLog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void ReadsGroupsItemsAndSuppliers() {
        MaintenanceLog log;
        log.LoadText(kFile);
        // Pages in name order, case-insensitive; names trimmed; group 13 is past the first missing key.
        QCOMPARE(log.GroupNames(), (QStringList{"Bike A", "engine", "Zed"}));
        // Newest first, the unreadable date last; a quoted field keeps its comma and brackets.
        const auto engine = Rows(log, 1);
        QCOMPARE(engine.size(), 3);
        QCOMPARE(engine[0], (QStringList{"2026-01-15", "1,5", "Acme ", "filter, air [K&N]"}));
        QCOMPARE(engine[1].value(0), QStringLiteral("2025-03-01"));
        QCOMPARE(engine[2].value(0), QStringLiteral("garbage"));
        // Trimmed and unique.
        QCOMPARE(log.Suppliers(), (QStringList{"Acme", "Bolt Ltd"}));
        QVERIFY(log.Group(2).items.Rows().isEmpty());
    }

    void SaveWritesWhatLoadReads() {
        QTemporaryDir dir;
        const QString path = dir.filePath(MaintenanceFileName());
        MaintenanceLog log;
        log.LoadText(kFile);
        log.AddGroup(QStringLiteral("Trailer"));
        log.AddItems(log.FindGroup(QStringLiteral("Trailer")),
                     {{"2026-02-01", "", "", "tyres \"new\"; 2x"}, {"2026-02-03", "7.25", "Acme", "x"}});
        QVERIFY(log.Save(path).has_value());

        MaintenanceLog back;
        QVERIFY(back.Load(path));
        QCOMPARE(back.GroupNames(), log.GroupNames());
        for (int g = 0; g < log.GroupCount(); ++g)
            QCOMPARE(Rows(back, g), Rows(log, g));

        // Groups numbered from 1 in page order; each block is the last thing in its section.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        QVERIFY2(text.contains(QStringLiteral("[groups]\r\ngroup1=Bike A;\r\ngroup2=engine;\r\n"
                                              "group3=Trailer;\r\ngroup4=Zed;\r\n\r\n[group1]\r\n"
                                              "item_list=item_list_begin;\r\n")),
                 qPrintable(text));
    }

    void MissingFileGivesAnEmptyLog() {
        QTemporaryDir dir;
        MaintenanceLog log;
        log.LoadText(kFile);
        QVERIFY(log.Load(dir.filePath(MaintenanceFileName())));
        QCOMPARE(log.GroupCount(), 0);
        QVERIFY(log.Suppliers().isEmpty());
    }

    void GroupNameRules_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("keep");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QString brackets = QStringLiteral("A group name cannot hold \"[\", \"]\" or \";\".");
        QTest::newRow("new") << "Kart 2" << -1 << "";
        QTest::newRow("taken") << "engine" << -1 << "The group engine already exists!";
        QTest::newRow("other case is another name") << "ENGINE" << -1 << "";
        QTest::newRow("own name when renaming") << "engine" << 1 << "";
        QTest::newRow("another's name when renaming") << "Zed" << 1 << "The group Zed already exists!";
        QTest::newRow("open bracket") << "Bikes [old" << -1 << brackets;
        QTest::newRow("close bracket") << "old]" << 1 << brackets;
        QTest::newRow("semicolon") << "a;b" << -1 << brackets;
    }
    void GroupNameRules() {
        QFETCH(QString, name);
        QFETCH(int, keep);
        QFETCH(QString, message);
        MaintenanceLog log;
        log.LoadText(kFile);
        QCOMPARE(log.CheckGroupName(name, keep).value_or(QString()), message);
    }

    void HundredGroupsAtMost() {
        MaintenanceLog log;
        for (int i = 0; i < kMaxMaintenanceGroups; ++i) {
            QVERIFY(!log.CheckGroupName(QString::number(i)));
            log.AddGroup(QString::number(i));
        }
        QCOMPARE(log.CheckGroupName(QStringLiteral("one more")).value_or(QString()),
                 QStringLiteral("The maintenance log can hold at most 100 groups."));
        QVERIFY(!log.CheckGroupName(QStringLiteral("renamed"), 5)); // renaming stays possible
    }

    void ReportFiltersAndTotals_data() {
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("suppliers");
        QTest::addColumn<QString>("from"); // empty: all dates
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("descriptions"); // "Selected items", in order
        QTest::addColumn<QString>("total");
        const QStringList all{"A", "B"};
        QTest::newRow("everything") << all << QStringList{"Acme", "Bolt", "Cog"} << ""
                                    << "" << QStringList{"end",       "half",    "start",    "point two",
                                                         "point one", "no cost", "bad cost", "bad date"}
                                    << "12.8";
        QTest::newRow("untrimmed supplier counts") << QStringList{"A"} << QStringList{"Acme"} << ""
                                                   << "" << QStringList{"end", "start", "bad date"} << "10";
        QTest::newRow("range ends included, unreadable date left out")
            << QStringList{"A"} << QStringList{"Acme", "Bolt"} << "2026-01-01"
            << "2026-01-31" << QStringList{"end", "half", "start"} << "12.5";
        QTest::newRow("sum kept to 15 digits")
            << QStringList{"B"} << QStringList{"Cog"} << ""
            << "" << QStringList{"point two", "point one", "no cost", "bad cost"} << "0.3";
        QTest::newRow("no supplier ticked") << all << QStringList{} << ""
                                            << "" << QStringList{} << "0";
        QTest::newRow("group not ticked") << QStringList{} << QStringList{"Acme"} << ""
                                          << "" << QStringList{} << "0";
    }
    void ReportFiltersAndTotals() {
        QFETCH(QStringList, groups);
        QFETCH(QStringList, suppliers);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, descriptions);
        QFETCH(QString, total);
        MaintenanceLog log;
        log.AddGroup(QStringLiteral("A"));
        log.AddGroup(QStringLiteral("B"));
        log.AddItems(0, {{"2026-01-01", "8", "Acme ", "start"},
                         {"2026-01-31", "2", "Acme", "end"},
                         {"2026-01-15", "2.5", "Bolt", "half"},
                         {"2026-02-01", "100", "", "no supplier"},
                         {"not a date", "0", "Acme", "bad date"}});
        log.AddItems(1, {{"2025-12-01", "0.1", "Cog", "point one"},
                         {"2025-12-02", "0.2", "Cog", "point two"},
                         {"2025-11-01", "", "Cog", "no cost"},
                         {"2025-10-01", "ten", "Cog", "bad cost"}});
        MaintenanceFilter filter;
        filter.groups = QSet<QString>(groups.begin(), groups.end());
        filter.suppliers = QSet<QString>(suppliers.begin(), suppliers.end());
        filter.allDates = from.isEmpty();
        if (!filter.allDates) {
            filter.fromDay = *ParseDateText(from);
            filter.toDay = *ParseDateText(to);
        }
        const MaintenanceReport report = CalcMaintenanceReport(log, filter);
        QStringList shown;
        for (const QStringList& row : report.selected.Rows())
            shown << row.value(kMaintDescription);
        QCOMPARE(shown, descriptions);
        QCOMPARE(MaintenanceTotalText(report.total), total);
        // The group total follows the same filters, one group at a time.
        double sum = 0;
        for (int g = 0; g < log.GroupCount(); ++g)
            if (filter.groups.contains(log.Group(g).name)) sum += MaintenanceGroupTotal(log.Group(g), filter);
        QCOMPARE(MaintenanceTotalText(sum), total);
        if (!report.selected.Rows().isEmpty())
            QVERIFY(groups.contains(report.selected.Rows().first().value(kMaintenanceGroupCol)));
    }

    // The range filter reads every date text the way the program's date reader does.
    void RangeReadsDatesAsTheDateReader_data() {
        QTest::addColumn<QString>("date");
        for (const char* date : {"2026-01-05", "2026-1-5", " 2026-01-05 ", "2026-02-30", "2026-13-01",
                                 "2026-01-0x", "05.01.2026", "", "2025-12-31", "2026-01-31"})
            QTest::newRow(date) << QString::fromLatin1(date);
    }
    void RangeReadsDatesAsTheDateReader() {
        QFETCH(QString, date);
        MaintenanceFilter filter{{},
                                 {QStringLiteral("S")},
                                 false,
                                 *ParseDateText(QStringLiteral("2026-01-01")),
                                 *ParseDateText(QStringLiteral("2026-01-31"))};
        const auto day = ParseDateText(date);
        QCOMPARE(filter.Passes({date, "1", "S", "x"}), day && *day >= filter.fromDay && *day <= filter.toDay);
    }
};

QTEST_GUILESS_MAIN(TestMaintenanceLog)
#include "tst_maintenance_log.moc"
