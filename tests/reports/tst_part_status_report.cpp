// The part status and inspection reports (collection, supplier filter, criteria, sorting, cells) and the
// tire tags (rows, history, page breaks).
#include "reports/part_status_report.h"
#include "reports/tire_tags.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace part_col;

QStringList Part(std::initializer_list<std::pair<int, QString>> values) {
    QStringList row(kPartColumnCount, QString());
    for (const auto& [column, text] : values)
        row[column] = text;
    return row;
}

PartGroup Group(const QString& name, std::initializer_list<QStringList> rows) {
    PartGroup group;
    group.name = name;
    for (const QStringList& row : rows)
        group.parts.AddRow(row);
    return group;
}

QStringList Column(const std::vector<ReportPart>& parts, int column) {
    QStringList values;
    for (const ReportPart& part : parts)
        values << part.fields.value(column);
    return values;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The texts of the cells of each row of the report's table (the header row first), markup removed.
QList<QStringList> BodyRows(const QString& html) {
    QList<QStringList> rows;
    const qsizetype start = html.indexOf("<TR>", html.indexOf("90%"));
    const QString frame = html.mid(start, html.indexOf("</TABLE>", start) - start);
    const QStringList parts = frame.split("<TR>", Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QStringList cells;
        for (const QString& cell : part.split("<TD", Qt::SkipEmptyParts).mid(1)) {
            QString text = cell.mid(cell.indexOf('>') + 1);
            text.remove(QRegularExpression("<[^>]*>"));
            cells << text.trimmed();
        }
        rows << cells;
    }
    return rows;
}

struct Fixture {
    QTemporaryDir dir;
    ReportContext context;
    Fixture() {
        context.exportFolder = dir.path();
        context.caption = "Vorlapa v3.0";
        context.now = [] { return 46000.5; };
    }
};

} // namespace

class TestPartStatusReport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void collectsTickedGroupsInListOrderAndFiltersSuppliers() {
        const std::vector<PartGroup> groups{Group("Engine", {Part({{PartNo, "E2"}, {Supplier, "Acme"}}),
                                                             Part({{PartNo, "E1"}, {Supplier, "Bolt"}})}),
                                            Group("Frame", {Part({{PartNo, "F1"}, {Supplier, " Acme "}})}),
                                            Group("Spare", {Part({{PartNo, "S1"}})})};
        PartStatusExportOptions options;
        options.groups = {"Frame", "Engine"};
        auto parts = CollectReportParts(groups, options);
        QCOMPARE(Column(parts, PartNo), QStringList({"F1", "E2", "E1"}));
        QCOMPARE(Column(parts, kPartColumnCount), QStringList({"Frame", "Engine", "Engine"}));

        options.allSuppliers = false;
        options.suppliers = {"Acme"};
        parts = CollectReportParts(groups, options);
        QCOMPARE(Column(parts, PartNo), QStringList({"F1", "E2"}));
    }

    void inspectionCriteria_data() {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("replace");
        QTest::newRow("hours left below") << Part({{HoursLeft, "3"}}) << true << true;
        QTest::newRow("hours until inspection below") << Part({{HoursUntilInsp, "2"}}) << true << false;
        QTest::newRow("both at 10") << Part({{HoursLeft, "10"}, {HoursUntilInsp, "10"}}) << false << false;
        QTest::newRow("equal is not below") << Part({{HoursLeft, "5"}}) << false << false;
        QTest::newRow("empty is never below")
            << Part({{HoursLeft, ""}, {HoursUntilInsp, " "}}) << false << false;
        QTest::newRow("text is never below") << Part({{HoursLeft, "n/a"}}) << false << false;
        QTest::newRow("negative mileage left") << Part({{MileageLeft, "-0.5"}}) << true << true;
        QTest::newRow("mileage is not compared with 5") << Part({{MileageLeft, "1"}}) << false << false;
        QTest::newRow("starts until inspection below 2") << Part({{StartsUntilInsp, "1"}}) << true << false;
    }
    void inspectionCriteria() {
        QFETCH(QStringList, row);
        QFETCH(bool, kept);
        QFETCH(bool, replace);
        PartStatusExportOptions options;
        options.type = PartReportType::Inspection;
        options.groups = {"G"};
        options.hoursBelow = {true, "5"};
        options.mileageBelow = {true, "0"};
        options.startsBelow = {true, "2"};
        const auto parts = CollectReportParts({Group("G", {row})}, options);
        QCOMPARE(parts.size(), std::size_t(kept ? 1 : 0));
        if (kept) QCOMPARE(parts.front().replace, replace);
    }

    void unusableThresholdsCountForNothing() {
        PartStatusExportOptions options;
        options.type = PartReportType::Inspection;
        options.groups = {"G"};
        options.hoursBelow = {false, "100"};
        options.mileageBelow = {true, "lots"};
        options.startsBelow = {true, "2.5"}; // starts need a whole number
        QVERIFY(CollectReportParts(
                    {Group("G", {Part({{HoursLeft, "1"}, {MileageLeft, "1"}, {StartsLeft, "1"}})})}, options)
                    .empty());
    }

    void sorting_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("no column first keeps the collection order")
            << "Sessions left"
            << "Part No." << QStringList({"B", "A2", "A1", "C"});
        QTest::newRow("by part number only") << "Part No."
                                             << "Sessions left" << QStringList({"A1", "A2", "B", "C"});
        QTest::newRow("location then part number") << "Location"
                                                   << "Part No." << QStringList({"A1", "C", "A2", "B"});
        QTest::newRow("hours as numbers") << "Hours"
                                          << "" << QStringList({"A1", "A2", "C", "B"});
    }
    void sorting() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, order);
        PartStatusExportOptions options;
        options.groups = {"G", "H"};
        auto parts =
            CollectReportParts({Group("G", {Part({{PartNo, "B"}, {Location, "Shelf"}, {Hours, "10"}}),
                                            Part({{PartNo, "A2"}, {Location, "Shelf"}, {Hours, "9"}})}),
                                Group("H", {Part({{PartNo, "A1"}, {Location, "Bike"}, {Hours, "2"}}),
                                            Part({{PartNo, "C"}, {Location, "Bike"}, {Hours, "9.5"}})})},
                               options);
        SortReportParts(parts, first, second);
        QCOMPARE(Column(parts, PartNo), order);
    }

    void normalReportCellsFollowTheChosenColumns() {
        Fixture f;
        PartStatusExportOptions options;
        options.groups = {"Engine <1>"};
        options.showPrice = true;
        options.showSuppliers = true;
        options.showStarts = false;
        const auto parts = CollectReportParts({Group("Engine <1>", {Part({{Location, "Bike"},
                                                                          {PartNo, "P&1"},
                                                                          {Name, "<script>x</script>"},
                                                                          {Qty, "2"},
                                                                          {Supplier, "Acme"},
                                                                          {Price, "12.5"},
                                                                          {HoursLeft, ""},
                                                                          {Hours, "3.25"},
                                                                          {MileageLeft, "abc"},
                                                                          {Mileage, "100"},
                                                                          {Sessions, "4"},
                                                                          {Comments, "ok"}})})},
                                              options);
        const auto written = WritePartStatusReport(f.context, parts, options);
        QVERIFY(written);
        QCOMPARE(*written, QDir(f.dir.path()).filePath("partstatus.htm"));
        const QString html = ReadText(*written);
        QVERIFY(html.contains("<TITLE>Vorlapa Part Status Report</TITLE>"));
        QVERIFY(html.contains("Sort order: Location and Part No."));
        QVERIFY(!html.contains("<script"));
        const auto rows = BodyRows(html);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], QStringList({"Location", "Storage", "Part No.", "Id", "Name", "Qty", "Supplier",
                                       "Price/pcs", "Hours left", "Hours", "Mileage left", "Mileage",
                                       "Total sessions", "Comments", "In group"}));
        QCOMPARE(rows[1],
                 QStringList({"Bike", "", "P&amp;1", "", "&lt;script&gt;x&lt;/script&gt;", "2", "Acme",
                              "12.50", "", "3.3", "", "100.0", "4", "ok", "Engine &lt;1&gt;"}));
        QVERIFY(html.contains("VALIGN=\"bottom\" ALIGN=\"right\">"));
    }

    void inspectionReportShowsTasksOrReplace() {
        Fixture f;
        PartStatusExportOptions options;
        options.type = PartReportType::Inspection;
        options.groups = {"G"};
        options.hoursBelow = {true, "5"};
        const auto parts = CollectReportParts(
            {Group("G", {Part({{PartNo, "1"}, {HoursLeft, "3"}, {Tasks, "Check <seal>"}}),
                         Part({{PartNo, "2"}, {HoursUntilInsp, "2"}, {Tasks, "\"Check, clean\",Measure"}})})},
            options);
        const auto written = WritePartStatusReport(f.context, parts, options);
        QVERIFY(written);
        QVERIFY(written->endsWith("inspection.htm"));
        const QString html = ReadText(*written);
        QVERIFY(html.contains("<TITLE>Vorlapa Inspection Report</TITLE>"));
        QVERIFY(!html.contains("Sort order"));
        QVERIFY(
            html.contains("<B>\r\n<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"2\">"
                          "Replace this part!</FONT>\r\n</b>"));
        QVERIFY(html.contains(">Check, clean</FONT>\r\n<BR>\r\n"));
        QVERIFY(html.contains(">Measure</FONT>\r\n<BR>\r\n"));
        QVERIFY(!html.contains("<seal>"));
        const auto rows = BodyRows(html);
        QCOMPARE(rows[0], QStringList({"Location", "Storage", "Part No.", "Id", "Name", "Qty", "Group",
                                       "Inspection tasks", "Signature"}));
        QCOMPARE(rows.size(), 3);
    }

    void tireTags() {
        Fixture f;
        std::vector<TireRecord> tires(5);
        for (int i = 0; i < 5; ++i) {
            tires[std::size_t(i)].fields[tire_col::Id] = QString("T%1").arg(i);
            tires[std::size_t(i)].fields[tire_col::Mileage] = i == 0 ? "16.09" : "worn";
        }
        tires[0].fields[tire_col::Brand] = "<b>Grip</b>";
        tires[0].fields[tire_col::CircCurrent] = "1000";
        tires[0].history << QStringList(
            {"2024-05-01", "Ann", "FL", "Assen & Co", "Race", "12", "16.09", "", "<i>bike</i>"});
        tires[1].history << QStringList({"2024-05-02", "Ann", "FL", "Assen", "Race", "12", "", "", ""});
        const auto written = WriteTireTags(f.context, tires, VehicleType::Motorcycle, true);
        QVERIFY(written);
        const QString html = ReadText(*written);
        // Two tags to a page: breaks after the second and the fourth, none after the last.
        QCOMPARE(html.count("<P CLASS=\"breakhere\">"), 2);
        const QString pageBreak = "<P CLASS=\"breakhere\">";
        QVERIFY(html.indexOf(pageBreak) > html.indexOf("Id: T1") &&
                html.indexOf(pageBreak) < html.indexOf("Id: T2"));
        QVERIFY(html.lastIndexOf(pageBreak) > html.indexOf("Id: T3") &&
                html.lastIndexOf(pageBreak) < html.indexOf("Id: T4"));
        QVERIFY(html.contains(">10.000 miles<"));
        QVERIFY(html.contains(">0.000 miles<")); // a mileage that is no number
        QVERIFY(html.contains("&lt;b&gt;Grip&lt;/b&gt;"));
        QVERIFY(html.contains(">Assen &amp; Co </FONT>"));
        QVERIFY(html.contains(">12 laps </FONT>"));
        QVERIFY(html.contains(">10.000 miles </FONT>"));
        QVERIFY(html.contains(">&lt;i&gt;bike&lt;/i&gt; </FONT>"));
        QVERIFY(!html.contains("Circ."));
        // An entry without distance leaves its mileage empty.
        QVERIFY(
            html.contains(">Race </FONT>\r\n<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" "
                          "SIZE=\"2\">12 laps </FONT>\r\n<FONT FACE=\"Arial, Helvetica, sans-serif\" "
                          "COLOR=\"#000000\" SIZE=\"2\"> </FONT>"));

        // Three tags: the break after the second only; one tag: none; karts show circumferences.
        tires.resize(3);
        QVERIFY(WriteTireTags(f.context, tires, VehicleType::Kart, false));
        const QString three = ReadText(*written);
        QCOMPARE(three.count("<P CLASS=\"breakhere\">"), 1);
        QVERIFY(three.contains("Circ. curr"));
        QVERIFY(three.contains(">16.090 km<"));
        tires.resize(2);
        QVERIFY(WriteTireTags(f.context, tires, VehicleType::Kart, false));
        QCOMPARE(ReadText(*written).count("<P CLASS=\"breakhere\">"), 0);
    }
};

QTEST_GUILESS_MAIN(TestPartStatusReport)
#include "tst_part_status_report.moc"
