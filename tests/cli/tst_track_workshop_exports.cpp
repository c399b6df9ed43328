// vorlapa-cli tracks import, export tracks, export part-status and export tire-tags: what they print,
// what they refuse, and the written pages as a real browser reads them.
#include "cli_runner.h"
#include "workshop/part_status_data.h"
#include "workshop/tire_list.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// Another user's package with a hostile track name and notes.
QString WritePackage(const QTemporaryDir& dir) {
    const QString file = dir.filePath("package/theirs.txt");
    WriteFile(file, "[general]\nversion=1.0;\n[tracks]\ntrack1=Zolder;\ntrack2=Assen;\n"
                    "track3=<img src=x onerror=alert(1)>;\n"
                    "[Zolder]\nlength=4011;\npicture=C:\\maps\\zolder.gif;\nhomepage=javascript:alert(2);\n"
                    "notes=notes_begin;\n<script>alert(3)</script>\nnotes_end\n"
                    "[Assen]\nlength=4542;\n"
                    "[<img src=x onerror=alert(1)>]\nlength=1;\n");
    // A GIF header of 1200 x 600 pixels.
    WriteFile(dir.filePath("package/zolder.gif"),
              QByteArray("GIF89a\xb0\x04\x58\x02", 10) + QByteArray(20, '\0'));
    return file;
}

void WriteWorkshop(const QString& dataDir) {
    using namespace part_col;
    std::vector<PartGroup> groups(2);
    groups[0].name = "Engine";
    groups[1].name = "Gear <box>";
    QStringList piston(kPartColumnCount, QString());
    piston[PartNo] = "P2";
    piston[Name] = "<script>alert(4)</script>";
    piston[HoursLeft] = "3";
    piston[Supplier] = "Acme";
    QStringList ring(kPartColumnCount, QString());
    ring[PartNo] = "P1";
    ring[Name] = "Ring";
    ring[HoursUntilInsp] = "2";
    ring[Tasks] = "\"Check <gap>\"";
    ring[Supplier] = "Bolt";
    groups[0].parts.AddRow(piston);
    groups[0].parts.AddRow(ring);
    QStringList chain(kPartColumnCount, QString());
    chain[PartNo] = "C1";
    chain[HoursLeft] = "10";
    groups[1].parts.AddRow(chain);
    QVERIFY(SavePartStatusFiles(dataDir, groups, {}));

    TireList tires;
    for (const char* id : {"T1", "T2", "T3"}) {
        TireRecord tire;
        tire.fields[tire_col::Id] = id;
        tire.fields[tire_col::Brand] = "Grip & <Go>";
        tires.tires.push_back(tire);
    }
    QVERIFY(SaveTireListFile(dataDir, VehicleType::Motorcycle, tires));
}

QString BrowserDom(const QString& chromium, const QTemporaryDir& data, const QString& page) {
    QProcess browser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", data.path());
    browser.setProcessEnvironment(env);
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--proxy-server=127.0.0.1:9",
                             "--user-data-dir=" + data.filePath("profile"), "--dump-dom", "file://" + page});
    if (!browser.waitForFinished(90000)) {
        browser.kill();
        browser.waitForFinished(10000);
        return QStringLiteral("the browser did not finish loading the page");
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

} // namespace

class TestTrackWorkshopExports : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void importNamedThenAllTracks() {
        QTemporaryDir dir;
        const QString package = WritePackage(dir);
        const QString data = dir.filePath("data");
        QDir().mkpath(data);
        CliRun run = RunCli(
            {"tracks", "import", package, "--track", "assen", "--track", "Nowhere", "--data-dir", data});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList({"Assen"}));
        QVERIFY(run.err.contains("The package holds no track Nowhere."));

        run = RunCli({"tracks", "import", package, "--data-dir", data});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList({"<img src=x onerror=alert(1)>", "Zolder"}));
        QVERIFY(run.err.contains("The track Assen exists already."));
        QVERIFY(QFile::exists(QDir(data).filePath("Tracks/zolder.gif")));
        run = RunCli({"tracks", "list", "--data-dir", data});
        QCOMPARE(run.lines, QStringList({"<img src=x onerror=alert(1)>", "Assen", "Zolder"}));

        run = RunCli({"tracks", "import", dir.filePath("missing.txt"), "--data-dir", data});
        QCOMPARE(run.status, 1);
    }

    void exportTracksWithSizeBox() {
        QTemporaryDir dir;
        const QString data = dir.filePath("data");
        QDir().mkpath(data);
        CliRun run = RunCli({"export", "tracks", "--data-dir", data});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.trimmed(), "You first have to add some tracks!");
        QCOMPARE(RunCli({"tracks", "import", WritePackage(dir), "--data-dir", data}).status, 0);
        QCOMPARE(RunCli({"export", "tracks", "--fit", "--data-dir", data}).status, 1); // no box
        run = RunCli({"export", "tracks", "--max-width", "600", "--max-height", "400", "--restrict",
                      "--data-dir", data});
        QCOMPARE(run.status, 0);
        const QString exports = QDir(data).filePath("Exports");
        QCOMPARE(run.lines.size(), 4);
        QCOMPARE(run.lines.first(), exports + "/tracks.htm");
        QVERIFY(ReadText(exports + "/Zolder.htm").contains("WIDTH=\"600\" HEIGHT=\"300\""));
        run = RunCli({"export", "tracks", "--data-dir", data});
        QVERIFY(ReadText(exports + "/Zolder.htm").contains("WIDTH=\"1200\" HEIGHT=\"600\""));
    }

    void exportPartStatusReports() {
        QTemporaryDir dir;
        WriteWorkshop(dir.path());
        const QString exports = dir.filePath("Exports");
        CliRun run = RunCli({"export", "part-status", "--sort", "Part No.", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList({exports + "/partstatus.htm"}));
        QString html = ReadText(exports + "/partstatus.htm");
        QVERIFY(html.indexOf(">C1<") < html.indexOf(">P1<") && html.indexOf(">P1<") < html.indexOf(">P2<"));

        run = RunCli(
            {"export", "part-status", "--group", "Engine", "--supplier", "Bolt", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        html = ReadText(exports + "/partstatus.htm");
        QVERIFY(html.contains(">P1<") && !html.contains(">P2<") && !html.contains(">C1<"));

        run =
            RunCli({"export", "part-status", "--inspection", "--hours-below", "5", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList({exports + "/inspection.htm"}));
        html = ReadText(exports + "/inspection.htm");
        QVERIFY(html.contains("Replace this part!"));
        QVERIFY(html.contains("Check &lt;gap&gt;"));
        QVERIFY(!html.contains(">C1<"));

        run = RunCli({"export", "part-status", "--inspection", "--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.err.trimmed(), "No matching data found!");
        QCOMPARE(RunCli({"export", "part-status", "--group", "Brakes", "--data-dir", dir.path()}).status, 1);
        QCOMPARE(RunCli({"export", "part-status", "--show", "colour", "--data-dir", dir.path()}).status, 1);
    }

    void exportTireTags() {
        QTemporaryDir dir;
        WriteWorkshop(dir.path());
        CliRun run = RunCli(
            {"export", "tire-tags", "--vehicle", "mc", "--id", "T3", "--id", "T1", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        const QString html = ReadText(dir.filePath("Exports/tiretags.htm"));
        QVERIFY(html.indexOf("Id: T1") < html.indexOf("Id: T3"));
        QVERIFY(!html.contains("Id: T2"));
        QVERIFY(html.contains("Grip &amp; &lt;Go&gt;"));
        run = RunCli({"export", "tire-tags", "--id", "T9", "--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("T9"));
    }

    void labelsIntoAPdf() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed (scripts/install-deps installs poppler-utils)");
        QTemporaryDir dir;
        WriteWorkshop(dir.path());
        const QString pdf = dir.filePath("labels.pdf");
        CliRun run = RunCli({"labels", "--pdf", pdf, "--id", "T3", "--id", "T2", "--data-dir", dir.path()});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(run.lines, QStringList({pdf}));
        QProcess extract;
        extract.start(pdftotext, {"-layout", pdf, "-"});
        QVERIFY(extract.waitForFinished(30000));
        const QString text = QString::fromUtf8(extract.readAllStandardOutput());
        QVERIFY2(text.contains("Id : T2"), qPrintable(text));
        QVERIFY(text.contains("Id : T3"));
        QVERIFY(!text.contains("Id : T1"));
        QVERIFY(text.contains("Brand : Grip & <Go>"));
        QVERIFY(text.contains("Mileage : 0.000 km"));
        // Two labels side by side in the stored three columns: one line holds both IDs, T2 first.
        const QRegularExpression bothIds("Id : T2\\s+Id : T3");
        QVERIFY(bothIds.match(text).hasMatch());

        // Label settings that cannot be printed are refused before anything is written.
        WriteFile(dir.filePath("vorlapa.ini"), "[tire_print_labels]\ntire_print_label_columns=0;\n");
        run = RunCli({"labels", "--pdf", dir.filePath("bad.pdf"), "--data-dir", dir.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(!QFile::exists(dir.filePath("bad.pdf")));
    }

    void browserReadsForeignTextsAsText() {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (chromium.isEmpty()) QSKIP("chromium is not installed (scripts/install-deps installs it)");
        QTemporaryDir dir;
        const QString data = dir.filePath("data");
        QDir().mkpath(data);
        WriteWorkshop(data);
        QCOMPARE(RunCli({"tracks", "import", WritePackage(dir), "--data-dir", data}).status, 0);
        QCOMPARE(RunCli({"export", "tracks", "--data-dir", data}).status, 0);
        QCOMPARE(RunCli({"export", "part-status", "--data-dir", data}).status, 0);
        QCOMPARE(RunCli({"export", "part-status", "--inspection", "--hours-below", "5", "--data-dir", data})
                     .status,
                 0);
        QCOMPARE(RunCli({"export", "tire-tags", "--data-dir", data}).status, 0);
        const QString exports = QDir(data).filePath("Exports");

        QString dom = BrowserDom(chromium, dir, exports + "/tracks.htm");
        QVERIFY2(dom.contains("<body"), qPrintable(dom.left(300)));
        QVERIFY(dom.contains("&lt;img src=x onerror=alert(1)&gt;"));
        QVERIFY(!dom.contains("<img", Qt::CaseInsensitive));
        dom = BrowserDom(chromium, dir, exports + "/Zolder.htm");
        QVERIFY(dom.contains("&lt;script&gt;alert(3)&lt;/script&gt;"));
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive));
        QVERIFY(!dom.contains("href=\"javascript:", Qt::CaseInsensitive));
        QVERIFY(dom.contains("alt=\"Map of Zolder\""));
        dom = BrowserDom(chromium, dir, exports + "/partstatus.htm");
        QVERIFY(dom.contains("&lt;script&gt;alert(4)&lt;/script&gt;"));
        QVERIFY(dom.contains("Gear &lt;box&gt;"));
        QVERIFY(!dom.contains("<script", Qt::CaseInsensitive) && !dom.contains("<box", Qt::CaseInsensitive));
        dom = BrowserDom(chromium, dir, exports + "/inspection.htm");
        QVERIFY(dom.contains("Check &lt;gap&gt;"));
        QVERIFY(dom.contains("<b>"));
        dom = BrowserDom(chromium, dir, exports + "/tiretags.htm");
        QCOMPARE(dom.count("Grip &amp; &lt;Go&gt;"), 3);
        QVERIFY(!dom.contains("<go", Qt::CaseInsensitive));
    }
};

QTEST_GUILESS_MAIN(TestTrackWorkshopExports)
#include "tst_track_workshop_exports.moc"
