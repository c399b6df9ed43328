// vorlapa-cli suppliers list, orders list and orders normalize over a data folder.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A 1.0 file: no received quantity, no price, the location at the end; the stored node is out of range.
const QByteArray kOldOrders =
    "[order_status]\r\nversion=1.0;\r\nlast_selected_node=40;\r\nlist=list_begin;\r\n"
    "2024-03-01,P1,Piston,5,2024-03-10,Acme,\"Top end\",\"with\ttab\"\r\n"
    "2023-02-01,R7,Rod,2,,\"Bolt Co\",Engine,\r\n"
    "list=list_end;\r\n";

const QString kHeader = QStringLiteral("Order date\tLocation\tPart No.\tName\tQty\tRec. Qty\tPrice\t"
                                       "Received date\tSupplier\tComment\tRemark\tState");

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestOrdersCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void ordersListAndNormalize() {
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath("orderstatus.ini");
        Write(path, kOldOrders);
        const QStringList all{
            kHeader, "2024-03-01\tTop end\tP1\tPiston\t5\t0\t\t2024-03-10\tAcme\twith tab\t\tpending",
            "2023-02-01\tEngine\tR7\tRod\t2\t0\t\t\tBolt Co\t\t\tpending", "Total cost\t0.00"};
        CliRun run = RunCli({"orders", "list", "--data-dir", dir.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, all);
        QCOMPARE(Read(path), kOldOrders); // listing never writes

        run = RunCli({"orders", "list", "--data-dir", dir.path(), "--node", "By supplier/Bolt Co"});
        QCOMPARE(run.lines, (QStringList{kHeader, all[2], all[3]}));

        run = RunCli({"orders", "normalize", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        const QString written = QString::fromUtf8(Read(path));
        QVERIFY(written.contains("version=1.2;"));
        QVERIFY(written.contains("last_selected_node=0;"));
        // Read again as 1.2, the fields stay where the upgrade put them.
        run = RunCli({"orders", "list", "--data-dir", dir.path()});
        QCOMPARE(run.lines, all);
    }

    void totalsAndStatesOfTheShownItems() {
        QTemporaryDir dir;
        Write(QDir(dir.path()).filePath("orderstatus.ini"),
              "[order_status]\nversion=1.2;\nlast_selected_node=1;\nlist=list_begin;\n"
              "2024-01-01,,A,a,5,5,10.5,,Acme,,\n2024-01-02,,B,b,5,6,2.25,,Bolt,,\n"
              "2024-01-03,,C,c,5,1,x,,Bolt,,\n2024-01-04,,D,d,,0,4,,Bolt,,\nlist=list_end;\n");
        // Node 1 is "By supplier" (one year only): every item.
        CliRun run = RunCli({"orders", "list", "--data-dir", dir.path()});
        QCOMPARE(run.lines.size(), 6);
        QCOMPARE(run.lines[1].section(u'\t', -1), QString("received"));
        QCOMPARE(run.lines[2].section(u'\t', -1), QString("received"));
        QCOMPARE(run.lines[3].section(u'\t', -1), QString("pending"));
        QCOMPARE(run.lines[4].section(u'\t', -1), QString(""));
        QCOMPARE(run.lines[5], QString("Total cost\t16.75"));
        run = RunCli({"orders", "list", "--data-dir", dir.path(), "--node", "Received"});
        QCOMPARE(run.lines.mid(1).join('|'), QString("2024-01-01\t\tA\ta\t5\t5\t10.5\t\tAcme\t\t\treceived|"
                                                     "2024-01-02\t\tB\tb\t5\t6\t2.25\t\tBolt\t\t\treceived|"
                                                     "Total cost\t12.75"));
    }

    void suppliersList() {
        QTemporaryDir dir;
        Write(QDir(dir.path()).filePath("suppliers.ini"),
              "[suppliers]\nsort_column=0;\nlist=list_begin;\n\"Acme Ltd\",\"Road 1\",12345,Town,,,,,a@b.c,"
              "www.acme.com,Ann,\"two\tparts\"\nBolt\nlist=list_end;\n");
        const CliRun run = RunCli({"suppliers", "list", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(
            run.lines,
            (QStringList{"Company\tAddress\tZIP/Postal code\tCity\tState/Province\tCountry\tPhone\tTelefax\t"
                         "E-Mail\tWeb site\tContact\tComments",
                         "Acme Ltd\tRoad 1\t12345\tTown\t\t\t\t\ta@b.c\twww.acme.com\tAnn\ttwo parts",
                         "Bolt\t\t\t\t\t\t\t\t\t\t\t"}));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("unknown node") << QStringList{"orders", "list", "--node", "Pending/Nobody"}
                                      << "No order tree node Pending/Nobody\n";
        QTest::newRow("orders usage")
            << QStringList{"orders", "show"}
            << "usage: vorlapa-cli orders list|normalize [--data-dir DIR] [--node TEXT]\n";
        QTest::newRow("suppliers usage") << QStringList{"suppliers", "list", "extra"}
                                         << "usage: vorlapa-cli suppliers list [--data-dir DIR]\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QTemporaryDir dir;
        Write(QDir(dir.path()).filePath("orderstatus.ini"), kOldOrders);
        const CliRun run = RunCli(args + QStringList{"--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, err);
        QCOMPARE(Read(QDir(dir.path()).filePath("orderstatus.ini")), kOldOrders);

        const CliRun missing = RunCli({"orders", "list", "--data-dir", QDir(dir.path()).filePath("none")});
        QCOMPARE(missing.status, 1);
        QVERIFY(missing.err.startsWith("No data folder"));
    }
};

QTEST_GUILESS_MAIN(TestOrdersCommand)
#include "tst_orders_command.moc"
