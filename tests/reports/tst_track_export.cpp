// The track pages: map sizes, the index's letter rows, and what a track page shows of another user's
// texts (always as text, links only where they are safe).
#include "reports/track_export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(MapSizeChoice)

namespace {

// A PNG header is all the export reads of a map.
void WritePngHeader(const QString& path, quint32 width, quint32 height) {
    QByteArray data("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    quint32 big[2] = {qToBigEndian(width), qToBigEndian(height)};
    data.append(reinterpret_cast<const char*>(big), 8);
    data.append(QByteArray(17, '\0'));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

struct Fixture {
    QTemporaryDir data;
    ReportContext context;
    TrackExportInput input;
    Fixture() {
        context.exportFolder = data.filePath("Exports");
        QDir().mkpath(context.exportFolder);
        context.caption = "Vorlapa v3.0";
        context.now = [] { return 46000.5; };
        input.dataDir = data.path();
    }
    QString Page(const QString& name) const { return ReadText(QDir(context.exportFolder).filePath(name)); }
};

} // namespace

class TestTrackExport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void mapSizes_data() {
        QTest::addColumn<QSize>("map");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<MapSizeChoice>("choice");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("restrict shrinks a wide map")
            << QSize(1200, 600) << QSize(600, 400) << MapSizeChoice::Restrict << QSize(600, 300);
        QTest::newRow("restrict keeps a small map")
            << QSize(300, 200) << QSize(600, 400) << MapSizeChoice::Restrict << QSize(300, 200);
        QTest::newRow("fit enlarges a small map")
            << QSize(300, 200) << QSize(600, 400) << MapSizeChoice::Fit << QSize(600, 400);
        QTest::newRow("fit a tall map")
            << QSize(500, 1000) << QSize(600, 400) << MapSizeChoice::Fit << QSize(200, 400);
        QTest::newRow("no choice") << QSize(1200, 600) << QSize(600, 400) << MapSizeChoice::None
                                   << QSize(1200, 600);
        QTest::newRow("box width 0") << QSize(1200, 600) << QSize(0, 400) << MapSizeChoice::Fit
                                     << QSize(1200, 600);
        QTest::newRow("negative box")
            << QSize(1200, 600) << QSize(600, -1) << MapSizeChoice::Restrict << QSize(1200, 600);
        QTest::newRow("map without size")
            << QSize(0, 0) << QSize(600, 400) << MapSizeChoice::Fit << QSize(0, 0);
    }
    void mapSizes() {
        QFETCH(QSize, map);
        QFETCH(QSize, box);
        QFETCH(MapSizeChoice, choice);
        QFETCH(QSize, shown);
        QCOMPARE(ScaledMapSize(map, box, choice), shown);
    }

    void theSizeBoxTakesWholeNumbersOnly() {
        TrackExportOptions options;
        QCOMPARE(options.Box(), QSize(600, 400));
        options.maxWidth = "12.5";
        options.maxHeight = " 300 ";
        QCOMPARE(options.Box(), QSize(1000, 300));
        // The choices count only with their parent options on.
        options.sizeChoice = MapSizeChoice::Fit;
        options.copyMovies = true;
        options.movieLinks = false;
        QCOMPARE(options.EffectiveSizeChoice(), MapSizeChoice::None);
        QVERIFY(!options.CopiesMovies());
    }

    void indexGroupsNamesByInitialLetter() {
        Fixture f;
        for (const char* name : {"Arena", "avus", "Brno", "1000 Lakes", "\xc3\x85re"})
            f.input.tracks.Append(QString::fromUtf8(name));
        const auto written = ExportTrackPages(f.context, f.input);
        QVERIFY2(written, qPrintable(written ? QString() : written.error()));
        QCOMPARE(written->size(), 6);
        QCOMPARE(written->first(), QDir(f.context.exportFolder).filePath("tracks.htm"));
        const QString index = f.Page("tracks.htm");
        QCOMPARE(index.count("<TR>\r\n<TD BGCOLOR=\"#CCCCCC\" VALIGN=\"top\">"), 4); // A, B, 1, Å
        const int a = index.indexOf("<B>A</B>");
        const int b = index.indexOf("<B>B</B>");
        QVERIFY(a > 0 && b > a);
        QVERIFY(index.indexOf("<A HREF=\"avus.htm\">") > a && index.indexOf("<A HREF=\"avus.htm\">") < b);
        QVERIFY(index.contains("&nbsp;&nbsp;&nbsp\r\n</P></TD></TR>\r\n</TABLE>"));
        QVERIFY(QFile::exists(QDir(f.context.exportFolder).filePath("Arena.htm")));
    }

    void aTrackPageShowsForeignTextAsText() {
        Fixture f;
        TTrackInfo t;
        t.Length = "4011";
        t.Organisation = "<b>Club</b> & Co";
        t.Contact1Email = "a@b.c\" onmouseover=\"x";
        t.Homepage = "javascript:alert(1)";
        t.Notes = {"<script>alert(1)</script>", "see http://example.com/?a=1&b=2"};
        t.Picture = ".\\Tracks\\ring map.png";
        t.Movie = ".\\Tracks\\Movies\\lap.avi";
        WritePngHeader(f.data.filePath("Tracks/ring map.png"), 1200, 600);
        QFile movie(f.data.filePath("Tracks/Movies/lap.avi"));
        QDir().mkpath(f.data.filePath("Tracks/Movies"));
        QVERIFY(movie.open(QIODevice::WriteOnly));
        movie.close();
        f.input.tracks.Append("A/B <x>", t);
        f.input.options.controlSize = true;
        f.input.options.sizeChoice = MapSizeChoice::Restrict;
        QVERIFY(ExportTrackPages(f.context, f.input));

        QVERIFY(f.Page("tracks.htm").contains("<A HREF=\"A_B%20_x_.htm\">"));
        QVERIFY(f.Page("tracks.htm").contains(">A/B &lt;x&gt;</FONT>"));
        const QString page = f.Page("A_B _x_.htm");
        QVERIFY(page.contains("<TITLE>Vorlapa Track: A/B &lt;x&gt;</TITLE>"));
        QVERIFY(page.contains("&lt;b&gt;Club&lt;/b&gt; &amp; Co"));
        QVERIFY(page.contains(
            "&lt;script&gt;alert(1)&lt;/script&gt;<BR>see <a href=\"http://example.com/?a=1&amp;b=2\">"));
        QVERIFY(!page.contains("<script", Qt::CaseInsensitive));
        QVERIFY(page.contains("<A HREF=#>javascript:alert(1)</A>"));
        QVERIFY(!page.contains("onmouseover=\""));
        // The map is copied and shrunk into the box; the movie is linked where it lies.
        QVERIFY(page.contains(
            "<IMG SRC=\"ring%20map.png\" ALT=\"Map of A/B &lt;x&gt;\" WIDTH=\"600\" HEIGHT=\"300\">"));
        QVERIFY(QFile::exists(QDir(f.context.exportFolder).filePath("ring map.png")));
        QVERIFY(page.contains("<A HREF=\"../Tracks/Movies/lap.avi\">lap.avi</A>"));
        QVERIFY(page.contains("<P><A HREF=\"tracks.htm\">"));
        QVERIFY(page.contains("<B>Notes</B>"));

        f.input.options.copyMovies = true;
        QVERIFY(ExportTrackPages(f.context, f.input));
        QVERIFY(f.Page("A_B _x_.htm").contains("<A HREF=\"lap.avi\">lap.avi</A>"));
        QVERIFY(QFile::exists(QDir(f.context.exportFolder).filePath("lap.avi")));
    }

    void aTrackWithoutMapMovieOrNotesLeavesThemOut() {
        Fixture f;
        TTrackInfo t;
        t.Picture = ".\\Tracks\\missing.png";
        t.Movie = ".\\Tracks\\Movies\\missing.avi";
        f.input.tracks.Append("Ring", t);
        QVERIFY(ExportTrackPages(f.context, f.input));
        const QString page = f.Page("Ring.htm");
        QVERIFY(!page.contains("<IMG"));
        QVERIFY(!page.contains("Movie"));
        QVERIFY(!page.contains("<B>Notes</B>"));
        QVERIFY(!page.contains("<B>Map</B>"));
        QVERIFY(!page.contains("E-Mail"));
    }
};

QTEST_GUILESS_MAIN(TestTrackExport)
#include "tst_track_export.moc"
