// Rows of comma-text fields: list-block round trips through a tag file, editing and sorting.
#include "grid/text_table.h"
#include "storage/txt_parser.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const ListBlock kParts{QStringLiteral("parts_list"), QStringLiteral("parts_list_begin"),
                       QStringLiteral("parts_list_end")};

// Rows written as "field|field|field".
TextTable MakeTable(const QStringList& rows, int columns) {
    TextTable table(columns);
    for (const QString& row : rows)
        table.AddRow(row.split(u'|'));
    return table;
}

QStringList RowsOf(const TextTable& table) {
    QStringList rows;
    for (int r = 0; r < table.RowCount(); ++r)
        rows << table.Row(r).join(u'|');
    return rows;
}

// Keys written as "<column><a|d><c|t|n|y>", comma-separated: direction, then cell, text, number or day.
SortKeys ParseKeys(const QString& text) {
    SortKeys keys{};
    const QStringList parts = text.split(u',');
    for (int i = 0; i < parts.size() && i < 3; ++i) {
        const QString& part = parts[i];
        if (part.isEmpty()) continue; // key not set
        const QChar kind = part.back();
        keys[i].column = part.chopped(2).toInt();
        keys[i].descending = part.at(part.size() - 2) == u'd';
        keys[i].compare = kind == u't'   ? SortCompare::Text
                          : kind == u'n' ? SortCompare::Number
                          : kind == u'y' ? SortCompare::Day
                                         : SortCompare::Cell;
    }
    return keys;
}

} // namespace

class TstTextTable : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void roundTripThroughATagFile() {
        TextTable table(4);
        table.AddRow({"Piston, 54 mm", "say \"hi\"", "", "x"}); // comma, quotes, an empty field
        table.AddRow({"", "", "", ""});                         // all empty
        table.AddRow({"[group2]"});                             // a line holding "[", and a short row
        table.AddRow({" lead", "a]b", "tab\there", "two\r\nlines"});
        table.AddRow({"1", "2", "3", "4", "extra"}); // a field past the columns is kept
        QTemporaryDir dir;
        const QString path = dir.filePath("partstatus.ini");
        TTxtParser writer;
        writer.OpenWrite(path);
        writer.WriteSection("group1");
        writer.WriteValue("group_stock", "true");
        QVERIFY(table.Save(writer, kParts));
        writer.WriteSection("groups");
        writer.WriteValue("group1", "Engine");
        QVERIFY(writer.Close());

        const QStringList written = writer.WrittenText().split("\r\n");
        const int begin = int(written.indexOf("parts_list=parts_list_begin;"));
        QVERIFY(begin > 0);
        QCOMPARE(written.mid(begin + 1, 6),
                 (QStringList{"\"Piston, 54 mm\",\"say \"\"hi\"\"\",,x", ",,,", "[group2],,,",
                              "\" lead\",a]b,\"tab\there\",\"two lines\"", "1,2,3,4,extra",
                              "parts_list=parts_list_end;"}));

        TTxtParser reader;
        reader.OpenRead(path);
        TextTable loaded(4);
        QVERIFY(loaded.Load(reader, "group1", kParts));
        QCOMPARE(reader.ReadValue("group1", "group_stock"), QStringLiteral("true"));
        QCOMPARE(reader.ReadValue("groups", "group1"), QStringLiteral("Engine"));
        QCOMPARE(loaded.RowCount(), 5);
        for (int r : {0, 1, 2, 4})
            QCOMPARE(loaded.Row(r), table.Row(r));
        // Line breaks inside a field become blanks on writing, as for every list line.
        QCOMPARE(loaded.Row(3), (QStringList{" lead", "a]b", "tab\there", "two lines"}));
        QCOMPARE(loaded.Field(4, 4), QStringLiteral("extra"));
        QCOMPARE(loaded.Lines(), written.mid(begin + 1, 5)); // saved again, the same lines
    }

    void loadNeedsTheBeginMarker_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QStringList>("rows");
        const QString head = "// header\r\n[group1]\r\n";
        QTest::newRow("empty block") << head +
                                            "parts_list=parts_list_begin;\r\nparts_list=parts_list_end;\r\n"
                                     << true << QStringList{};
        QTest::newRow("one empty field") << head + "parts_list=parts_list_begin;\r\n\"\"\r\n"
                                                   "parts_list=parts_list_end;\r\n"
                                         << true << QStringList{"||"};
        QTest::newRow("other value") << head +
                                            "parts_list=list_begin;\r\na,b\r\nparts_list=parts_list_end;\r\n"
                                     << false << QStringList{};
        QTest::newRow("no such key") << head + "other=parts_list_begin;\r\na\r\n" << false << QStringList{};
        QTest::newRow("no end marker: to the end of the file")
            << head + "parts_list=parts_list_begin;\r\na,b\r\n c , \"d\" \r\n"
            << true << QStringList{"a|b|", "c|d|"};
    }
    void loadNeedsTheBeginMarker() {
        QFETCH(QString, file);
        QFETCH(bool, loads);
        QFETCH(QStringList, rows);
        TTxtParser reader;
        reader.OpenReadText(file);
        TextTable table = MakeTable({"stale|row|"}, 3);
        QCOMPARE(table.Load(reader, "group1", kParts), loads);
        QCOMPARE(RowsOf(table), rows);
    }

    void saveReportsARowThatWouldEndTheBlock() {
        TextTable table = MakeTable({"a|b", "see parts_list_end|c", "d|e"}, 2);
        QTemporaryDir dir;
        TTxtParser writer;
        writer.OpenWrite(dir.filePath("not-written.ini"));
        writer.WriteSection("group1");
        QVERIFY(!table.Save(writer, kParts));
        // Read back, the block ends at that row: the warning is about real loss.
        TTxtParser reader;
        reader.OpenReadText(writer.WrittenText());
        TextTable loaded(2);
        QVERIFY(loaded.Load(reader, "group1", kParts));
        QCOMPARE(RowsOf(loaded), QStringList{"a|b"});
    }

    void editingRows() {
        TextTable table = MakeTable({"a", "b|2", "c|3|x"}, 3);
        QCOMPARE(table.Field(0, 2), QString()); // short row
        QCOMPARE(table.Field(7, 0), QString());
        QCOMPARE(table.Row(0), (QStringList{"a", "", ""}));
        table.SetField(0, 2, "z"); // grows the short row
        QCOMPARE(table.Rows()[0], (QStringList{"a", "", "z"}));
        table.SetField(0, 3, "past the columns");
        table.SetField(3, 0, "no such row");
        QCOMPARE(RowsOf(table), (QStringList{"a||z", "b|2|", "c|3|x"}));

        QVERIFY(table.InsertRow(3, {"d"}));
        QVERIFY(table.InsertRow(0, {"first"}));
        QVERIFY(!table.InsertRow(6));
        QVERIFY(table.MoveRow(0, 4));
        QVERIFY(!table.MoveRow(0, 5));
        QCOMPARE(RowsOf(table), (QStringList{"a||z", "b|2|", "c|3|x", "d||", "first||"}));
        table.RemoveRows(3, 10); // cut to the rows that exist
        table.RemoveRows(0);
        QCOMPARE(RowsOf(table), (QStringList{"b|2|", "c|3|x"}));
        QCOMPARE(table.Lines(), (QStringList{"b,2,", "c,3,x"}));
    }

    void sort_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three keys, full ties keep their order")
            << QStringList{"b|1|x|r1", "a|2|y|r2", "a|1|y|r3", "a|1|x|r4", "a|1|y|r5", "b|1|x|r6"}
            << "0ac,1dn,2at"
            << QStringList{"a|2|y|r2", "a|1|x|r4", "a|1|y|r3", "a|1|y|r5", "b|1|x|r1", "b|1|x|r6"};
        QTest::newRow("text compares numbers as text")
            << QStringList{"10", "9", "100"} << "0at" << QStringList{"10||", "100||", "9||"};
        QTest::newRow("number: no number first") << QStringList{"10", "n/a", "9", "2,5", ""} << "0an"
                                                 << QStringList{"||", "n/a||", "2,5||", "9||", "10||"};
        QTest::newRow("day: date, date-time and day number")
            << QStringList{"2008-05-02", "2008-05-01 14.32", "39569.5", "soon", "2008-5-1"} << "0ay"
            << QStringList{"soon||", "2008-5-1||", "39569.5||", "2008-05-01 14.32||", "2008-05-02||"};
        QTest::newRow("day descending: newest first, no date last")
            << QStringList{"2007-12-31", "", "2008-01-01 00.01", "2008-01-01"} << "0dy"
            << QStringList{"2008-01-01 00.01||", "2008-01-01||", "2007-12-31||", "||"};
        QTest::newRow("short rows sort as empty fields")
            << QStringList{"a|2|k", "b", "c|1"} << "2ac,1an" << QStringList{"b||", "c|1|", "a|2|k"};
        QTest::newRow("no first key: nothing")
            << QStringList{"b", "a"} << ",1ac" << QStringList{"b||", "a||"};
    }
    void sort() {
        QFETCH(QStringList, rows);
        QFETCH(QString, keys);
        QFETCH(QStringList, expected);
        TextTable table = MakeTable(rows, 3);
        table.Sort(ParseKeys(keys));
        QCOMPARE(RowsOf(table), expected);
    }
};

QTEST_GUILESS_MAIN(TstTextTable)
#include "tst_text_table.moc"
