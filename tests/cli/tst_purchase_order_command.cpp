// vorlapa-cli export purchase-order: the document for one supplier from the data folder's files, its
// failures, and what a browser makes of hostile texts in it.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kOrders = "[order_status]\nversion=1.2;\nlast_selected_node=0;\nlist=list_begin;\n"
                           "2024-01-01,Top,P1,Piston,2,0,40,,Acme,,\n"
                           "2024-01-01,,R1,Ring,5,6,10,,Acme,,\n"
                           "list=list_end;\n";

// A data folder: a sender and free text with markup, Acme listed twice with a hostile contact, a stock
// group short of pistons (1 of 4, 2 on order), rings (0 of 2) and a part with a hostile name.
void Fill(const QString& dir) {
    const QDir d(dir);
    Write(d.filePath("vorlapa.ini"),
          "[information]\r\nvehicle=mc;\r\nname_of_user=<b>Kim</b>;\r\n"
          "[general]\r\norder_free_text=list_begin;\r\n<script>alert(1)</script>\r\n"
          "second line\r\norder_free_text=list_end;\r\n");
    Write(d.filePath("suppliers.ini"), "[suppliers]\nlist=list_begin;\n"
                                       "Acme,,,,,,555-1,555-2,,,\"<img src=x onerror=alert(2)>\",\n"
                                       "Acme,,,,,,999,,,,Other,\nlist=list_end;\n");
    Write(d.filePath("partstatus.ini"), "[groups]\r\nparts_list_version=2.8;\r\ngroup1=Stock;\r\n[group1]\r\n"
                                        "group_stock=true;\r\nparts_list=parts_list_begin;\r\n"
                                        ",P1,,Piston,Top,Acme,,20,1,4\r\n"
                                        ",R1,,Ring,,Acme,,1.5,0,2\r\n"
                                        ",X1,,\"<i>Cam</i> & co\",,Acme,,,0,1\r\n"
                                        "parts_list=parts_list_end;\r\n");
    Write(d.filePath("orderstatus.ini"), kOrders);
}

} // namespace

class TestPurchaseOrderCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void stockAndOrdersModes() {
        QTemporaryDir dir;
        Fill(dir.path());
        const QString order = QDir(dir.path()).filePath("Exports/order.htm");
        CliRun run = RunCli({"export", "purchase-order", "--supplier", "Acme", "--data-dir", dir.path()});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList{order});
        QString html = QString::fromLatin1(Read(order));
        // One sheet for Acme although it is listed twice, addressed with its first record.
        QCOMPARE(html.count(">Telefax<"), 1);
        QVERIFY(html.contains(">555-2<"));
        QVERIFY(!html.contains(">999<"));
        // Pistons: 4 needed, 1 there, 2 on order; rings: 2 needed (the over-received order counts 0).
        QVERIFY(html.contains(">Piston</FONT>\r\n</TD>\r\n<TD BGCOLOR=\"#FFFFFF\" VALIGN=\"top\">\r\n"
                              "<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"2\">1<"));
        QVERIFY(html.contains(">Ring</FONT>\r\n</TD>\r\n<TD BGCOLOR=\"#FFFFFF\" VALIGN=\"top\">\r\n"
                              "<FONT FACE=\"Arial, Helvetica, sans-serif\" COLOR=\"#000000\" SIZE=\"2\">2<"));
        QVERIFY(html.contains("&lt;i&gt;Cam&lt;/i&gt; &amp; co"));
        QVERIFY(html.contains("&lt;script&gt;alert(1)&lt;/script&gt;<BR>second line"));
        QCOMPARE(Read(QDir(dir.path()).filePath("orderstatus.ini")), kOrders); // nothing re-added

        run = RunCli(
            {"export", "purchase-order", "--supplier", "Acme", "--mode", "orders", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        html = QString::fromLatin1(Read(order));
        QVERIFY(html.contains(">Piston<"));
        QVERIFY(!html.contains(">Ring<")); // received already
        QCOMPARE(Read(QDir(dir.path()).filePath("orderstatus.ini")), kOrders);
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        const QString usage =
            "usage: vorlapa-cli export purchase-order --supplier NAME [--mode stock|orders|parts] "
            "[--data-dir DIR]\n";
        QTest::newRow("no supplier") << QStringList{} << usage;
        QTest::newRow("bad mode") << QStringList{"--supplier", "Acme", "--mode", "all"} << usage;
        // Parts mode orders nothing until quantities are given.
        QTest::newRow("parts mode") << QStringList{"--supplier", "Acme", "--mode", "parts"}
                                    << "No matching data found!\n";
        QTest::newRow("unknown supplier")
            << QStringList{"--supplier", "Nobody"} << "No matching data found!\n";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        QTemporaryDir dir;
        Fill(dir.path());
        const CliRun run =
            RunCli(QStringList{"export", "purchase-order"} + args + QStringList{"--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, err);
        QVERIFY(!QFile::exists(QDir(dir.path()).filePath("Exports/order.htm")));
    }

    void browserShowsHostileTextsAsText() {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) QSKIP("chromium is not installed (scripts/install-deps installs it)");
        QTemporaryDir data;
        Fill(data.path());
        const CliRun run =
            RunCli({"export", "purchase-order", "--supplier", "Acme", "--data-dir", data.path()});
        QCOMPARE(run.status, 0);
        QProcess browser;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", data.path());
        browser.setProcessEnvironment(env);
        // No network: every request would go to a closed local port.
        browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--proxy-server=127.0.0.1:9",
                                 "--user-data-dir=" + data.filePath("profile"), "--dump-dom",
                                 "file://" + QDir(data.path()).filePath("Exports/order.htm")});
        if (!browser.waitForFinished(90000)) {
            browser.kill();
            browser.waitForFinished(10000);
            QFAIL("the browser did not finish loading the document");
        }
        QCOMPARE(browser.exitCode(), 0);
        const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
        QVERIFY2(dom.contains("<body"), qPrintable(dom.left(500)));
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive));
        QVERIFY(!dom.contains("<img src=\"x\"", Qt::CaseInsensitive));
        QVERIFY(!dom.contains("<i>Cam"));
        QVERIFY(dom.contains("&lt;i&gt;Cam&lt;/i&gt; &amp; co"));
        QVERIFY(dom.contains("&lt;img src=x onerror=alert(2)&gt;"));
        QVERIFY(dom.contains("&lt;b&gt;Kim&lt;/b&gt;"));
        QVERIFY(dom.contains("&lt;script&gt;alert(1)&lt;/script&gt;<br>second line"));
    }
};

QTEST_GUILESS_MAIN(TestPurchaseOrderCommand)
#include "tst_purchase_order_command.moc"
