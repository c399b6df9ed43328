// vorlapa-cli parts list / parts normalize over a data folder.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two groups in a 2.6 file; "Spares" is numbered first but "Engine" comes first in tab order.
const QByteArray kOldFile = "[groups]\r\nparts_list_version=2.6;\r\ngroup1=Spares;\r\ngroup2=Engine;\r\n"
                            "[group1]\r\ngroup_stock=true;\r\nparts_list=parts_list_begin;\r\n"
                            "2024-01-01,P1,,Piston,Top,Acme,0,1\r\nparts_list=parts_list_end;\r\n"
                            "[group2]\r\nparts_list=parts_list_begin;\r\n"
                            "2024-02-01,R7,S1,Rod,,,3\r\nparts_list=parts_list_end;\r\n";

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kHeader = QStringLiteral(
    "Group\tChanged\tPart No.\tId\tName\tLocation\tSupplier\tStorage\tPrice/pcs\tQty\tReq. Qty\tHours\t"
    "Hours left\tMileage\tMileage left\tStarts\tStarts left\tSessions\tHours since inspection\t"
    "Hours until inspection\tMileage since inspection\tMileage until inspection\tStarts since inspection\t"
    "Starts until inspection\tComments\t\t\t\t\t\t\t\t");

QString Line(const QString& group, std::initializer_list<std::pair<int, const char*>> values) {
    QStringList fields(32, QString());
    for (const auto& [column, value] : values)
        fields[column] = QString::fromLatin1(value);
    return group + u'\t' + fields.join(u'\t');
}

} // namespace

class TestPartsCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void listUpgradesAndNormalizeWrites() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("partstatus.ini");
        Write(path, kOldFile);
        // 2.6 rows gain two empty values at 6 and 7.
        const QStringList expected{
            kHeader, Line("Engine", {{0, "2024-02-01"}, {1, "R7"}, {2, "S1"}, {3, "Rod"}, {8, "3"}}),
            Line("Spares",
                 {{0, "2024-01-01"}, {1, "P1"}, {3, "Piston"}, {4, "Top"}, {5, "Acme"}, {8, "0"}, {9, "1"}})};
        CliRun run = RunCli({"parts", "list", "--data-dir", dir.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, expected);
        QCOMPARE(Read(path), kOldFile); // listing never writes

        run = RunCli({"parts", "list", "--data-dir", dir.path(), "--group", "Spares"});
        QCOMPARE(run.lines, (QStringList{expected[0], expected[2]}));

        run = RunCli({"parts", "normalize", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        const QString written = QString::fromUtf8(Read(path));
        QVERIFY(written.contains("parts_list_version=2.8;"));
        // Read again as 2.8, the rows stay where the upgrade put them.
        run = RunCli({"parts", "list", "--data-dir", dir.path()});
        QCOMPARE(run.lines, expected);
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        const QByteArray newer = "[groups]\r\nparts_list_version=2.9;\r\ngroup1=A;\r\n";
        const QString tooNew = "Partstatus version too new, use latest software release to continue!\n";
        QTest::newRow("normalize too new") << newer << QStringList{"normalize"} << tooNew;
        QTest::newRow("list too new") << newer << QStringList{"list"} << tooNew;
        QTest::newRow("unknown group")
            << kOldFile << QStringList{"list", "--group", "Frame"} << "No part group Frame\n";
    }
    void failures() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("partstatus.ini");
        Write(path, file);
        const CliRun run = RunCli(QStringList{"parts"} + args + QStringList{"--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, err);
        QCOMPARE(Read(path), file);
    }
};

QTEST_GUILESS_MAIN(TestPartsCommand)
#include "tst_parts_command.moc"
