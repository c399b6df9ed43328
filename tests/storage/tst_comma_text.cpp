#include "storage/comma_text.h"

#include <QRandomGenerator>
#include <QTest>

class TestCommaText : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void join_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << QStringList{"a", "b", "c"} << "a,b,c";
        QTest::newRow("blank quoted") << QStringList{"front tire", "2"} << "\"front tire\",2";
        QTest::newRow("comma quoted") << QStringList{"1,5"} << "\"1,5\"";
        QTest::newRow("quote doubled") << QStringList{"17\" rim"} << "\"17\"\" rim\"";
        QTest::newRow("control quoted") << QStringList{"a\tb"} << "\"a\tb\"";
        QTest::newRow("empty inside") << QStringList{"a", "", "c"} << "a,,c";
        QTest::newRow("empty last") << QStringList{"a", ""} << "a,";
        QTest::newRow("one empty value") << QStringList{""} << "\"\"";
        QTest::newRow("two empty values") << QStringList{"", ""} << ",";
        QTest::newRow("no values") << QStringList{} << "";
    }
    void join() {
        QFETCH(QStringList, fields);
        QFETCH(QString, line);
        QCOMPARE(CommaTextJoin(fields), line);
        QCOMPARE(CommaTextSplit(line), fields);
    }

    void split_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("blanks separate") << "a b,c" << QStringList{"a", "b", "c"};
        QTest::newRow("blanks around") << "  a , b  " << QStringList{"a", "b"};
        QTest::newRow("comma then blank at end") << "a, " << QStringList{"a"};
        QTest::newRow("trailing comma") << "a,b," << QStringList{"a", "b", ""};
        QTest::newRow("leading comma") << ",a" << QStringList{"", "a"};
        QTest::newRow("quoted with blanks") << "\"x y\" z" << QStringList{"x y", "z"};
        QTest::newRow("text after closing quote") << "\"ab\"c,d" << QStringList{"ab", "c", "d"};
        QTest::newRow("unclosed quote") << "\"a,b" << QStringList{"a,b"};
        QTest::newRow("doubled quotes") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
        QTest::newRow("empty line") << "" << QStringList{};
        QTest::newRow("only blanks") << "   " << QStringList{};
    }
    void split() {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(CommaTextSplit(line), fields);
    }

    void splitOfJoinGivesTheFieldsBack() {
        QRandomGenerator random(4711);
        const QString alphabet = QStringLiteral("ab ,\"\t;x=");
        for (int round = 0; round < 2000; ++round) {
            QStringList fields;
            const int count = random.bounded(5);
            for (int f = 0; f < count; ++f) {
                QString field;
                const int length = random.bounded(5);
                for (int c = 0; c < length; ++c)
                    field += alphabet.at(random.bounded(int(alphabet.size())));
                fields << field;
            }
            QCOMPARE(CommaTextSplit(CommaTextJoin(fields)), fields);
        }
    }

    void padFieldsFillsMissingValues() {
        QCOMPARE(PadFields({"a"}, 3), (QStringList{"a", "", ""}));
        QCOMPARE(PadFields({"a", "b", "c"}, 2), (QStringList{"a", "b", "c"}));
    }
};

QTEST_GUILESS_MAIN(TestCommaText)
#include "tst_comma_text.moc"
