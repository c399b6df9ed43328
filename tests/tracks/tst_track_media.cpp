// Map pictures, movies and note links of a track: which files are copied below the data folder, what is
// kept when a copy fails, and which note words become links.
#include "full_file_system.h"
#include "recording_prompter.h"
#include "recording_shell.h"
#include "tracks/track_media_files.h"
#include "tracks/track_notes.h"
#include "tracks/tracks_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Touch(const QString& path, const QByteArray& content = "x") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

struct Fixture {
    QTemporaryDir data, outside;
    RecordingPrompter prompter;
    RecordingShell shell;
    TracksPage page{prompter, shell, data.path()};

    Fixture() {
        TTrackList list;
        list.Append(QStringLiteral("Ring"));
        SaveTrackListFile(TrackListPath(data.path()), list, data.path());
        page.LoadTrackList(QStringLiteral("Ring"));
    }
    QString Data(const QString& relative) const { return QDir(data.path()).filePath(relative); }
    QString Outside(const QString& relative) const { return QDir(outside.path()).filePath(relative); }
};

} // namespace

class TestTrackMedia : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void mapPictureIsCopiedIntoTracks_data();
    void mapPictureIsCopiedIntoTracks();
    void movieChoice_data();
    void movieChoice();
    void failedCopyKeepsTheOldFileAndTheChosenPath();
    void notesMarkWebAddresses_data();
    void notesMarkWebAddresses();
    void noteLinkAtCoversOnlyTheAddressText();
    void notesLinksOpenOnlyWebAddresses();
};

void TestTrackMedia::mapPictureIsCopiedIntoTracks_data() {
    QTest::addColumn<bool>("inTracks");
    QTest::addColumn<bool>("copied");
    QTest::newRow("outside: copied, replacing") << false << true;
    QTest::newRow("already in Tracks: used as it is") << true << false;
}

void TestTrackMedia::mapPictureIsCopiedIntoTracks() {
    QFETCH(bool, inTracks);
    QFETCH(bool, copied);
    Fixture f;
    Touch(f.Data(QStringLiteral("Tracks/map.jpg")), "old");
    const QString chosen = inTracks ? f.Data(QStringLiteral("Tracks/map.jpg")) : f.Outside("map.jpg");
    if (!inTracks) Touch(chosen, "new");
    f.prompter.ExpectText("Select track map", chosen);
    f.page.SelectTrackMapButtonClick();
    QCOMPARE(f.prompter.questions, QStringList{"Select track map"});
    const QString target = QFileInfo(f.Data(QStringLiteral("Tracks/map.jpg"))).absoluteFilePath();
    QCOMPARE(f.page.Field(TrackField::Picture), copied ? target : chosen);
    QCOMPARE(f.page.PictureFile(), target);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(copied ? "new" : "old"));
    QVERIFY(f.page.IsDirty());

    // Saved relative to the data folder.
    f.page.SetField(TrackField::Length, QStringLiteral("1000"));
    QVERIFY(f.page.SaveTracksButtonClick());
    QFile saved(TrackListPath(f.data.path()));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("picture=.\\Tracks\\map.jpg;"));
}

void TestTrackMedia::movieChoice_data() {
    QTest::addColumn<QString>("chosen"); // "OUT:" a file outside the data folder, "IN:" one in Tracks/Movies
    QTest::addColumn<int>("answer");     // to the copy question; -1: none expected
    QTest::addColumn<QString>("information");
    QTest::addColumn<QString>("movie"); // "COPY": the copy in Tracks/Movies
    const QString web = QStringLiteral("This file must be played using your default player,\nto play it in "
                                       "Vorlapa first download it and then select the\ndownloaded file");
    QTest::newRow("web address kept after the information")
        << "http://videos.example/lap.avi" << -1 << web << "http://videos.example/lap.avi";
    QTest::newRow("outside, yes: copied") << "OUT:lap.avi" << int(Answer::Yes) << ""
                                          << "COPY";
    QTest::newRow("outside, no: kept") << "OUT:lap.avi" << int(Answer::No) << ""
                                       << "OUT:lap.avi";
    QTest::newRow("in Tracks/Movies: no question") << "IN:lap.avi" << -1 << ""
                                                   << "IN:lap.avi";
    QTest::newRow("missing file kept, no question") << "C:\\gone\\lap.avi" << -1 << ""
                                                    << "C:\\gone\\lap.avi";
    QTest::newRow("blank changes nothing") << "  " << -1 << ""
                                           << "";
}

void TestTrackMedia::movieChoice() {
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(QString, information);
    QFETCH(QString, movie);
    Fixture f;
    const auto expand = [&](QString text) {
        if (text.startsWith(u"OUT:")) return f.Outside(text.mid(4));
        if (text.startsWith(u"IN:")) return f.Data(QStringLiteral("Tracks/Movies/") + text.mid(3));
        if (text == u"COPY")
            return QFileInfo(f.Data(QStringLiteral("Tracks/Movies/lap.avi"))).absoluteFilePath();
        return text;
    };
    chosen = expand(chosen);
    movie = expand(movie);
    if (chosen.startsWith(f.outside.path()) || chosen.startsWith(f.data.path())) Touch(chosen);
    if (answer >= 0)
        f.prompter.Expect(
            "This file is not located in the Tracks\\Movies folder\ndo you want to copy it there?",
            Answer(answer));
    f.page.SelectMovieButtonClick(chosen);
    QCOMPARE(f.prompter.questions,
             answer >= 0 ? QStringList{"This file is not located in the Tracks\\Movies folder\ndo you want "
                                       "to copy it there?"}
                         : QStringList{});
    QCOMPARE(f.prompter.informations, information.isEmpty() ? QStringList{} : QStringList{information});
    QCOMPARE(f.page.Field(TrackField::Movie), movie);
    QCOMPARE(f.page.MovieLabel(), movie);
    QCOMPARE(f.page.IsDirty(), !movie.isEmpty());
    QCOMPARE(f.page.ExternalViewerEnabled(), !movie.isEmpty() && !movie.startsWith(u"C:"));
}

void TestTrackMedia::failedCopyKeepsTheOldFileAndTheChosenPath() {
    Fixture f;
    // The copy cannot be written: the Tracks folder is a full file system.
    FullFileSystem fs(256, f.Data(QStringLiteral("Tracks")));
    SKIP_UNLESS_MOUNTED(fs);
    Touch(f.Data(QStringLiteral("Tracks/map.jpg")), "old");
    QVERIFY(fs.Fill());
    const QString chosen = f.Outside("map.jpg");
    Touch(chosen, "new");
    QVERIFY(CopyIntoFolder(chosen, f.Data(QStringLiteral("Tracks"))).isEmpty());
    QCOMPARE(fs.Files(), QStringList{"map.jpg"}); // no partial copy left behind
    f.prompter.ExpectText("Select track map", chosen);
    f.page.SelectTrackMapButtonClick();
    QCOMPARE(f.page.Field(TrackField::Picture), chosen);
    QVERIFY(f.page.IsDirty());
    QFile old(f.Data(QStringLiteral("Tracks/map.jpg")));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void TestTrackMedia::notesMarkWebAddresses_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("html"); // the paragraph's content
    QTest::newRow("plain text escaped") << "a < b & \"c\""
                                        << "a &lt; b &amp; &quot;c&quot;";
    QTest::newRow("http link") << "see http://ring.example/x."
                               << "see <a href=\"http://ring.example/x\">"
                                  "http://ring.example/x</a>.";
    QTest::newRow("bare www gets http") << "(www.ring.example)"
                                        << "(<a href=\"http://www.ring.example\">www.ring.example</a>)";
    QTest::newRow("an address holding markup is no link, escaped") << "https://a.example/<b>"
                                                                   << "https://a.example/&lt;b&gt;";
    QTest::newRow("other schemes are no links") << "javascript:alert(1) file:///etc"
                                                << "javascript:alert(1) file:///etc";
    QTest::newRow("inside a word is no link") << "xwww.ring.example"
                                              << "xwww.ring.example";
}

void TestTrackMedia::notesMarkWebAddresses() {
    QFETCH(QString, line);
    QFETCH(QString, html);
    const QString paragraph = QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">%1</p>");
    QCOMPARE(TrackNotesHtml({line}), paragraph.arg(html));
    QCOMPARE(TrackNotesHtml({line, QString()}), paragraph.arg(html) + paragraph.arg(QString()));
}

void TestTrackMedia::noteLinkAtCoversOnlyTheAddressText() {
    // "see www.ring.example, then" - the address runs from 4 up to the comma at 20.
    const QString line = QStringLiteral("see www.ring.example, then");
    QCOMPARE(NoteLinkAt(line, 3), QString());
    QCOMPARE(NoteLinkAt(line, 4), QStringLiteral("http://www.ring.example"));
    QCOMPARE(NoteLinkAt(line, 19), QStringLiteral("http://www.ring.example"));
    QCOMPARE(NoteLinkAt(line, 20), QString());
}

void TestTrackMedia::notesLinksOpenOnlyWebAddresses() {
    Fixture f;
    f.prompter.ExpectError("file:///etc/passwd is not a web address.");
    f.page.OpenNotesLink(QStringLiteral("http://ring.example"));
    f.page.OpenNotesLink(QStringLiteral("file:///etc/passwd"));
    QCOMPARE(f.shell.opened, QStringList{"http://ring.example"});
    QVERIFY(f.prompter.ScriptDone());
}

QTEST_GUILESS_MAIN(TestTrackMedia)
#include "tst_track_media.moc"
