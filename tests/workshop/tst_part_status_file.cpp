// partstatus.ini: reading the group numbers, the row upgrades of every older version, the too-new
// version, the key order that keeps the file readable, and the "left" rules.
#include "storage/comma_text.h"
#include "workshop/part_status_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Values(int count) {
    QStringList values;
    for (int i = 0; i < count; ++i)
        values << QStringLiteral("v%1").arg(i);
    return values;
}

QString FileWithRow(const QString& version, const QStringList& row) {
    QString text = QStringLiteral("[groups]\n");
    if (!version.isNull()) text += QStringLiteral("parts_list_version=%1;\n").arg(version);
    text += QStringLiteral("group1=Engine;\n[group1]\nparts_list=parts_list_begin;\n") + CommaTextJoin(row) +
            QStringLiteral("\nparts_list=parts_list_end;\n");
    return text;
}

QStringList Padded(QStringList row) {
    return PadFields(row, kPartColumnCount);
}

// A row of 32 fields holding the given values, the rest empty.
QStringList At(std::initializer_list<std::pair<int, const char*>> values) {
    QStringList row(kPartColumnCount, QString());
    for (const auto& [column, value] : values)
        row[column] = QString::fromLatin1(value);
    return row;
}

} // namespace

class TestPartStatusFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void groupNumbers_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("gaps up to 11 are probed") << QList<int>{1, 3, 12} << QStringList{"A1", "A12", "A3"};
        QTest::newRow("a gap from 12 on ends the list") << QList<int>{1, 13} << QStringList{"A1"};
    }
    void groupNumbers() {
        QFETCH(QList<int>, numbers);
        QFETCH(QStringList, loaded);
        QString text = QStringLiteral("[groups]\nparts_list_version=2.8;\n");
        for (int n : numbers)
            text += QStringLiteral("group%1=A%1;\n").arg(n);
        for (int n : numbers)
            text +=
                QStringLiteral("[group%1]\nparts_list=parts_list_begin;\nx,P%1\nparts_list=parts_list_end;\n")
                    .arg(n);
        const PartStatusFile file = ParsePartStatus(text);
        QStringList names;
        for (const PartGroup& g : file.groups) {
            names << g.name;
            // Each group reads its own section, by its own number.
            QCOMPARE(g.parts.Field(0, 1), QStringLiteral("P") + g.name.mid(1));
        }
        QCOMPARE(names, loaded);
    }

    void atMostHundredGroups() {
        QString text = QStringLiteral("[groups]\nparts_list_version=2.8;\n");
        for (int n = 1; n <= 105; ++n)
            text += QStringLiteral("group%1=G%2;\n").arg(n).arg(n, 3, 10, QLatin1Char('0'));
        const PartStatusFile file = ParsePartStatus(text);
        QCOMPARE(int(file.groups.size()), 100);
        QCOMPARE(file.groups.back().name, QStringLiteral("G100"));
    }

    // Each version's row reaches the current layout through every later step.
    void upgrades_data() {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QStringList>("expected");
        const QStringList v = Values(8);
        QTest::newRow("2.6") << "2.6" << v
                             << Padded({"v0", "v1", "v2", "v3", "v4", "v5", "", "", "v6", "v7"});
        QTest::newRow("2.5") << "2.5" << v
                             << Padded({"v0", "v1", "", "v2", "v3", "v4", "", "", "v5", "v6", "v7"});
        QTest::newRow("2.4") << "2.4" << v
                             << Padded({"v0", "v1", "", "v2", "", "v3", "", "", "v4", "v5", "v6", "v7"});
        QTest::newRow("2.3") << "2.3" << v
                             << Padded(
                                    {"v0", "v1", "", "v2", "", "", "", "", "v3", "", "v4", "v5", "v6", "v7"});
        // 2.2 copies 13-16 to 17-20 and clears 11-16; 2.1 first inserts "1" at 3.
        QTest::newRow("2.2") << "2.2" << Values(20)
                             << At({{0, "v0"},
                                    {1, "v1"},
                                    {3, "v2"},
                                    {8, "v3"},
                                    {10, "v4"},
                                    {11, "v5"},
                                    {12, "v6"},
                                    {13, "v7"},
                                    {14, "v8"},
                                    {15, "v9"},
                                    {16, "v10"},
                                    {23, "v13"},
                                    {24, "v14"},
                                    {25, "v15"},
                                    {26, "v16"}});
        QTest::newRow("2.1") << "2.1" << Values(19)
                             << At({{0, "v0"},
                                    {1, "v1"},
                                    {3, "v2"},
                                    {8, "1"},
                                    {10, "v3"},
                                    {11, "v4"},
                                    {12, "v5"},
                                    {13, "v6"},
                                    {14, "v7"},
                                    {15, "v8"},
                                    {16, "v9"},
                                    {23, "v12"},
                                    {24, "v13"},
                                    {25, "v14"},
                                    {26, "v15"}});
        // 1.0 moves 7, 8, 9 to 12, 13, 14 and clears 7-11, 15, 16 before the steps above.
        QTest::newRow("1.0") << "1.0" << Values(17)
                             << At({{0, "v0"},
                                    {1, "v1"},
                                    {3, "v2"},
                                    {8, "1"},
                                    {10, "v3"},
                                    {11, "v4"},
                                    {12, "v5"},
                                    {13, "v6"},
                                    {23, "v7"},
                                    {24, "v8"},
                                    {25, "v9"}});
        // No version: an empty value at 1 first, then every step.
        QTest::newRow("none") << QString() << Values(16)
                              << At({{0, "v0"},
                                     {3, "v1"},
                                     {8, "1"},
                                     {10, "v2"},
                                     {11, "v3"},
                                     {12, "v4"},
                                     {13, "v5"},
                                     {23, "v6"},
                                     {24, "v7"},
                                     {25, "v8"}});
        QTest::newRow("current") << "2.8" << Values(10) << Padded(Values(10));
        QTest::newRow("no step for 2.7") << "2.7" << Values(10) << Padded(Values(10));
    }
    void upgrades() {
        QFETCH(QString, version);
        QFETCH(QStringList, row);
        QFETCH(QStringList, expected);
        const PartStatusFile file = ParsePartStatus(FileWithRow(version, row));
        QCOMPARE(file.groups.size(), std::size_t(1));
        QCOMPARE(file.groups[0].parts.Row(0), expected);
    }

    void tooNewLoadsNoParts() {
        const PartStatusFile file = ParsePartStatus(FileWithRow(QStringLiteral("2.9"), Values(32)));
        QVERIFY(file.tooNew);
        QCOMPARE(file.groups.size(), std::size_t(1));
        QCOMPARE(file.groups[0].parts.RowCount(), 0);
    }

    // Brackets in a part line and in a group name must not hide any key on reading back: the version
    // goes before the group names and the part list after the group's keys.
    void roundTripKeepsEveryKey() {
        std::vector<PartGroup> groups(2);
        groups[0].name = QStringLiteral("Engine");
        groups[0].stock = true;
        groups[0].lastUpdated = QStringLiteral("2024-05-01 10.00");
        groups[0].sortKeys[0] = {3, true};
        groups[0].sortKeys[1] = {1, false};
        groups[0].parts.AddRow(Padded({"2024-01-02", "P[1]", "", "Piston [old]", "", "", "", "", "2"}));
        groups[1].name = QStringLiteral("Spares");
        QStringList full = Values(32);
        full[30] = CommaTextJoin({"check ring", "measure"});
        groups[1].parts.AddRow(full);
        const QString text = PartStatusText(groups);
        QVERIFY(text.indexOf(QStringLiteral("parts_list_version")) < text.indexOf(QStringLiteral("group1=")));
        const PartStatusFile back = ParsePartStatus(text);
        QVERIFY(!back.tooNew);
        QCOMPARE(back.version, QStringLiteral("2.8"));
        QCOMPARE(back.groups.size(), std::size_t(2));
        QVERIFY(back.groups[0].stock);
        QCOMPARE(back.groups[0].lastUpdated, groups[0].lastUpdated);
        QCOMPARE(back.groups[0].sortKeys[0].column, 3);
        QVERIFY(back.groups[0].sortKeys[0].descending);
        QCOMPARE(back.groups[0].sortKeys[1].column, 1);
        QCOMPARE(back.groups[0].parts.Rows(), groups[0].parts.Rows());
        QVERIFY(!back.groups[1].stock);
        QCOMPARE(back.groups[1].parts.Row(0), full);
        QCOMPARE(CommaTextSplit(back.groups[1].parts.Field(0, 30)), (QStringList{"check ring", "measure"}));
    }

    void sortKeysOutsideTheTableAreIgnored() {
        const QString text = QStringLiteral("[groups]\nparts_list_version=2.8;\ngroup1=A;\n[group1]\n"
                                            "sort_column=99;\nsort_column2=-5;\nsort_column3=31;\n");
        const PartStatusFile file = ParsePartStatus(text);
        const PartGroup& g = file.groups.at(0);
        QCOMPARE(g.sortKeys[0].column, -1);
        QCOMPARE(g.sortKeys[1].column, -1);
        QCOMPARE(g.sortKeys[2].column, 31);
    }

    void filesInTheDataFolder() {
        QTemporaryDir dir;
        auto empty = LoadPartStatusFiles(dir.path());
        QVERIFY(empty.has_value());
        QVERIFY(empty->groups.empty() && empty->log.isEmpty());
        std::vector<PartGroup> groups(1);
        groups[0].name = QStringLiteral("Chassis");
        groups[0].parts.AddRow(Padded({"2024-01-02", "7", "", "Frame"}));
        QVERIFY(SavePartStatusFiles(dir.path(), groups, {"line 1", "line 2"}).has_value());
        auto back = LoadPartStatusFiles(dir.path());
        QVERIFY(back.has_value());
        QCOMPARE(back->groups[0].parts.Row(0), groups[0].parts.Row(0));
        QCOMPARE(back->log, (QStringList{"line 1", "line 2"}));
    }

    void leftRules_data() {
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("exceeded");
        QTest::newRow("empty limit") << true << ""
                                     << "3"
                                     << "" << false;
        QTest::newRow("limit no number") << true << "abc"
                                         << "3"
                                         << "" << false;
        QTest::newRow("decimal") << true << "10"
                                 << "2.5"
                                 << "7.50" << false;
        QTest::newRow("decimal comma") << true << "10,5"
                                       << "0.25"
                                       << "10.25" << false;
        QTest::newRow("value no number counts 0") << true << "4"
                                                  << "x"
                                                  << "4.00" << false;
        QTest::newRow("exactly zero") << true << "4"
                                      << "4"
                                      << "0.00" << false;
        QTest::newRow("exceeded") << true << "4"
                                  << "4.01"
                                  << "-0.01" << true;
        QTest::newRow("int") << false << "100"
                             << "30"
                             << "70" << false;
        QTest::newRow("int limit decimal") << false << "10.5"
                                           << "3"
                                           << "" << false;
        QTest::newRow("int value decimal counts 0") << false << "10"
                                                    << "3.5"
                                                    << "10" << false;
        QTest::newRow("int exceeded") << false << "10"
                                      << "11"
                                      << "-1" << true;
    }
    void leftRules() {
        QFETCH(bool, decimal);
        QFETCH(QString, limit);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(bool, exceeded);
        const LeftValue left = decimal ? DecimalLeft(limit, value) : IntegerLeft(limit, value);
        QCOMPARE(left.text, text);
        QCOMPARE(left.exceeded, exceeded);
    }

    void groupNameRule() {
        QVERIFY(IsValidPartGroupName(QStringLiteral("Engine 2")));
        for (const char* bad : {"Bikes [old]", "a]b", "x;y"})
            QVERIFY2(!IsValidPartGroupName(QString::fromLatin1(bad)), bad);
    }
};

QTEST_GUILESS_MAIN(TestPartStatusFile)
#include "tst_part_status_file.moc"
