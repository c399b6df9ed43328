// The Tracks page: units on screen, the name rules of add/copy/rename, the 200 limit, the leave question,
// and what the links hand to the system.
#include "recording_prompter.h"
#include "recording_shell.h"
#include "storage/atomic_file.h"
#include "tracks/movie_fit.h"
#include "tracks/track_links.h"
#include "tracks/tracks_page.h"
#include "unreadable_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TrackUnits)

namespace {

TrackUnits Miles() {
    return TrackUnits{QStringLiteral("miles"), QStringLiteral("gallons (US)")};
}

// A data folder with a track file holding the given tracks.
struct Fixture {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    RecordingShell shell;
    TracksPage page{prompter, shell, dir.path()};

    explicit Fixture(const TTrackList& list = {}, const TrackUnits& units = {}) {
        if (list.Count() > 0) SaveTrackListFile(TrackListPath(dir.path()), list, dir.path());
        page.SetUnits(units);
        page.LoadTrackList(list.Count() > 0 ? list.At(0).name : QString());
    }
    TTrackList ReadBack() const {
        TTxtParser parser;
        parser.OpenRead(TrackListPath(dir.path()));
        TTrackList read;
        ReadTrackList(parser, read, TrackUnits{});
        return read;
    }
    bool FileExists() const { return QFile::exists(TrackListPath(dir.path())); }
};

TTrackList OneTrack(const QString& name = QStringLiteral("Ring")) {
    TTrackList list;
    TTrackInfo t;
    t.Length = QStringLiteral("1609");
    t.Width = QStringLiteral("10");
    t.MainStraightLength = QStringLiteral("305");
    t.Altitude = QStringLiteral("abc");
    t.FuelConsumptionDry = QStringLiteral("3.785");
    t.FuelConsumptionWet = QStringLiteral("4.546");
    t.Surface = QStringLiteral("asphalt");
    t.Movie = QStringLiteral(".\\Tracks\\Movies\\lap.avi");
    t.Notes = {QStringLiteral("note")};
    list.Append(name, t);
    return list;
}

TTrackList ManyTracks(int count) {
    TTrackList list;
    for (int i = 0; i < count; ++i) {
        TTrackInfo t;
        t.Length = QStringLiteral("1000");
        list.Append(QStringLiteral("T%1").arg(i, 3, 10, QLatin1Char('0')), t);
    }
    return list;
}

} // namespace

class TestTracksPage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void showsConvertedAndStoresMetric_data();
    void showsConvertedAndStoresMetric();
    void unitChangeOnScreenIsNoEdit();
    void addTrackNameRules_data();
    void addTrackNameRules();
    void renameRules();
    void copyNamesAndFields();
    void addAndCopyRefusedAtTwoHundred();
    void deleteOnlyTrackEmptiesThePage();
    void sessionPageGetsNamesAndTracks();
    void leaveQuestion_data();
    void leaveQuestion();
    void failedWriteKeepsChanges();
    void unreadableTrackFileIsLeftAsItIs();
    void homePageOnlyAsWebAddress_data();
    void homePageOnlyAsWebAddress();
    void emailCannotCarryParameters();
    void movieOnlyWhenExistingFileOrWebAddress();
    void movieFitsPanel_data();
    void movieFitsPanel();
};

void TestTracksPage::showsConvertedAndStoresMetric_data() {
    QTest::addColumn<TrackUnits>("units");
    QTest::addColumn<QStringList>("shown"); // length, width, straight, altitude, dry, wet
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("lengthCaption");
    QTest::newRow("metric") << TrackUnits{} << QStringList{"1609", "10", "305", "abc", "3.785", "4.546"}
                            << QStringList{"1609", "10", "305", "abc", "3.785", "4.546"} << "Length [m]";
    QTest::newRow("US") << Miles() << QStringList{"1.000", "32.79", "1000.00", "abc", "1.0000", "1.2011"}
                        << QStringList{"1609", "10.00095", "305", "abc", "3.785", "4.5461635"}
                        << "Length [miles]";
    QTest::newRow("imperial") << TrackUnits{"miles", "gallons (Imperial)"}
                              << QStringList{"1.000", "32.79", "1000.00", "abc", "0.8326", "1.0000"}
                              << QStringList{"1609", "10.00095", "305", "abc", "3.7849996", "4.546"}
                              << "Length [miles]";
}

void TestTracksPage::showsConvertedAndStoresMetric() {
    QFETCH(TrackUnits, units);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, stored);
    QFETCH(QString, lengthCaption);
    const QList<TrackField> fields{TrackField::Length,
                                   TrackField::Width,
                                   TrackField::MainStraightLength,
                                   TrackField::Altitude,
                                   TrackField::FuelConsumptionDry,
                                   TrackField::FuelConsumptionWet};
    Fixture f(OneTrack(), units);
    QVERIFY(!f.page.IsDirty());
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(f.page.Field(fields[i]), shown[i]);
    QCOMPARE(f.page.Caption(TrackField::Length), lengthCaption);

    // Saving the page unchanged stores the shown values converted back at full precision.
    QVERIFY(f.page.SaveTracksButtonClick());
    const TTrackInfo saved = f.ReadBack().At(0).info;
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(FieldValue(saved, fields[i]), stored[i]);
    QCOMPARE(saved.Surface, QStringLiteral("asphalt"));
    QCOMPARE(saved.Notes, QStringList{"note"});
    QCOMPARE(saved.Movie, QStringLiteral(".\\Tracks\\Movies\\lap.avi"));

    // And a fresh start in the same units shows the same.
    Fixture again(f.ReadBack(), units);
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(again.page.Field(fields[i]), f.page.Field(fields[i]));
}

void TestTracksPage::unitChangeOnScreenIsNoEdit() {
    Fixture f(OneTrack());
    f.page.SetUnits(Miles());
    QCOMPARE(f.page.Field(TrackField::Length), QStringLiteral("1.000"));
    QCOMPARE(f.page.Field(TrackField::FuelConsumptionDry), QStringLiteral("1.0000"));
    QVERIFY(!f.page.IsDirty());
    f.page.SetField(TrackField::Width, QStringLiteral("20"));
    f.page.SetUnits(TrackUnits{});
    QCOMPARE(f.page.Field(TrackField::Length), QStringLiteral("1609.0"));
    QCOMPARE(f.page.Field(TrackField::Width), QStringLiteral("6.10"));
    QVERIFY(f.page.IsDirty());
    QCOMPARE(f.page.PageCaption(), QStringLiteral("Tracks*"));
}

void TestTracksPage::addTrackNameRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal"); // the "Try again?" question, empty when taken
    QTest::addColumn<QStringList>("names");
    QTest::newRow("new name, trimmed") << "  Hill  "
                                       << "" << QStringList{"Ring", "Hill"};
    QTest::newRow("same name other case") << "RING"
                                          << "Track RING already exists! Try again?" << QStringList{"Ring"};
    QTest::newRow("semicolon") << "a;b"
                               << "A track name can not contain ; [ ] or control characters (a;b). Try again?"
                               << QStringList{"Ring"};
    QTest::newRow("bracket") << "[x"
                             << "A track name can not contain ; [ ] or control characters ([x). Try again?"
                             << QStringList{"Ring"};
    QTest::newRow("closing bracket")
        << "x]"
        << "A track name can not contain ; [ ] or control characters (x]). Try again?" << QStringList{"Ring"};
    QTest::newRow("control character")
        << QString("a\tb")
        << QString("A track name can not contain ; [ ] or control characters (a\tb). "
                   "Try again?")
        << QStringList{"Ring"};
    QTest::newRow("general") << "General"
                             << "General can not be used as a track name. Try again?" << QStringList{"Ring"};
    QTest::newRow("tracks") << "tracks"
                            << "tracks can not be used as a track name. Try again?" << QStringList{"Ring"};
    QTest::newRow("blank ends quietly") << "   "
                                        << "" << QStringList{"Ring"};
}

void TestTracksPage::addTrackNameRules() {
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QStringList, names);
    Fixture f(OneTrack());
    f.prompter.ExpectText("Add Track", typed);
    if (!refusal.isEmpty()) f.prompter.Expect(refusal, Answer::No);
    f.page.AddTrackButtonClick();
    QCOMPARE(f.page.TrackNames(), names);
    QStringList expectedQuestions{"Add Track"};
    if (!refusal.isEmpty()) expectedQuestions << refusal;
    QCOMPARE(f.prompter.questions, expectedQuestions);
    const bool added = names.size() == 2;
    QCOMPARE(f.page.IsDirty(), added);
    if (added) {
        QCOMPARE(f.page.SelectedName(), names.last());
        QCOMPARE(f.page.Field(TrackField::Length), QString());
    }
}

void TestTracksPage::renameRules() {
    TTrackList list = OneTrack();
    list.Append(QStringLiteral("Oval"));
    Fixture f(list);
    QVERIFY(f.page.SelectTrack(QStringLiteral("Oval")));

    // An existing name, "Try again?" Yes, then a bad one, No: unchanged.
    f.prompter.ExpectText("Edit track", QStringLiteral("ring"));
    f.prompter.Expect("Track ring already exists! Try again?", Answer::Yes);
    f.prompter.ExpectText("Edit track", QStringLiteral("Ring;2"));
    f.prompter.Expect("A track name can not contain ; [ ] or control characters (Ring;2). Try again?",
                      Answer::No);
    f.page.EditTrackButtonClick();
    QCOMPARE(f.page.TrackNames(), (QStringList{"Oval", "Ring"}));
    QVERIFY(!f.page.IsDirty());

    // Its own name in another case is a rename; what was typed on the page stays.
    f.page.SetField(TrackField::Length, QStringLiteral("1200"));
    f.prompter.ExpectText("Edit track", QStringLiteral("OVAL"));
    f.page.EditTrackButtonClick();
    QCOMPARE(f.page.TrackNames(), (QStringList{"OVAL", "Ring"}));
    QVERIFY(f.page.IsDirty());
    QCOMPARE(f.page.Field(TrackField::Length), QStringLiteral("1200"));
    QVERIFY(f.page.SaveTracksButtonClick());
    QCOMPARE(f.ReadBack().At(0).info.Length, QStringLiteral("1200"));
    QCOMPARE(f.prompter.questions.last(), QStringLiteral("Edit track"));
}

void TestTracksPage::copyNamesAndFields() {
    Fixture f(OneTrack());
    f.prompter.Expect("Copy track Ring?", Answer::Ok);
    f.prompter.Expect("Copy track Ring?", Answer::Ok);
    f.page.CopyTrackButtonClick();
    QVERIFY(f.page.SelectTrack(QStringLiteral("Ring")));
    f.page.CopyTrackButtonClick();
    QCOMPARE(f.page.TrackNames(), (QStringList{"Ring", "Copy of Ring", "Copy of Copy of Ring"}));
    QCOMPARE(f.prompter.questions, (QStringList{"Copy track Ring?", "Copy track Ring?"}));
    const TTrackInfo& copy = f.page.List().At(2).info;
    QCOMPARE(copy.Length, QStringLiteral("1609"));
    QCOMPARE(copy.Notes, QStringList{"note"});
    QVERIFY(copy.Movie.isEmpty());
    QCOMPARE(f.page.SelectedIndex(), 2);
}

void TestTracksPage::addAndCopyRefusedAtTwoHundred() {
    Fixture f(ManyTracks(kMaxTracks));
    f.prompter.ExpectError("The track list is full: it can hold at most 200 tracks.");
    f.prompter.ExpectError("The track list is full: it can hold at most 200 tracks.");
    f.page.AddTrackButtonClick();
    f.page.CopyTrackButtonClick();
    QCOMPARE(f.page.List().Count(), kMaxTracks);
    QVERIFY(f.prompter.questions.isEmpty());
    QVERIFY(f.prompter.ScriptDone());
    QVERIFY(!f.page.IsDirty());

    // One below the limit a track can still be added, and all of them come back after a save.
    Fixture g(ManyTracks(kMaxTracks - 1));
    g.prompter.ExpectText("Add Track", QStringLiteral("Last"));
    g.page.AddTrackButtonClick();
    g.page.SetField(TrackField::Length, QStringLiteral("500"));
    QVERIFY(g.page.SaveTracksButtonClick());
    QCOMPARE(g.ReadBack().Count(), kMaxTracks);
    QVERIFY(g.ReadBack().Contains(QStringLiteral("Last")));
}

void TestTracksPage::deleteOnlyTrackEmptiesThePage() {
    Fixture f(OneTrack());
    f.prompter.Expect("Delete track Ring?", Answer::Cancel);
    f.page.DeleteTrackButtonClick();
    QCOMPARE(f.page.List().Count(), 1);
    f.prompter.Expect("Delete track Ring?", Answer::Ok);
    f.page.DeleteTrackButtonClick();
    QCOMPARE(f.prompter.questions.last(), QStringLiteral("Delete track Ring?"));
    QVERIFY(f.page.TrackNames().isEmpty());
    QCOMPARE(f.page.SelectedIndex(), -1);
    QVERIFY(f.page.Field(TrackField::Length).isEmpty());
    QVERIFY(f.page.Notes().isEmpty());
    QVERIFY(f.page.IsDirty());
}

void TestTracksPage::sessionPageGetsNamesAndTracks() {
    QTemporaryDir dir;
    TTrackList list = OneTrack();
    list.Append(QStringLiteral("Oval"));
    SaveTrackListFile(TrackListPath(dir.path()), list, dir.path());
    RecordingPrompter prompter;
    RecordingShell shell;
    TracksPage page(prompter, shell, dir.path());
    QList<QStringList> handed;
    const Connection listening =
        page.trackNamesChanged.Connect([&](const QStringList& names) { handed << names; });
    page.SetUnits(Miles());
    page.LoadTrackList(QStringLiteral("ring"));
    QCOMPARE(page.SelectedName(), QStringLiteral("Ring"));

    prompter.ExpectText("Add Track", QStringLiteral("Hill"));
    prompter.ExpectText("Edit track", QStringLiteral("Hill 2"));
    prompter.Expect("Copy track Hill 2?", Answer::Ok);
    prompter.Expect("Delete track Copy of Hill 2?", Answer::Ok);
    page.AddTrackButtonClick();
    page.EditTrackButtonClick();
    page.CopyTrackButtonClick();
    page.DeleteTrackButtonClick();
    // Showing another track or editing a field hands nothing.
    page.TrackComboBoxChange(0);
    page.SetField(TrackField::City, QStringLiteral("x"));
    const QList<QStringList> expected{{"Oval", "Ring"},
                                      {"Oval", "Ring", "Hill"},
                                      {"Oval", "Ring", "Hill 2"},
                                      {"Oval", "Ring", "Hill 2", "Copy of Hill 2"},
                                      {"Oval", "Ring", "Hill 2"}};
    QCOMPARE(handed, expected);

    // The session looks a track up by name, in stored (metric) values whatever the page shows.
    const TTrackInfo* ring = page.FindTrack(QStringLiteral("RING"));
    QVERIFY(ring);
    QCOMPARE(ring->Length, QStringLiteral("1609"));
    QCOMPARE(page.Field(TrackField::Length), QStringLiteral("")); // "Oval" is shown, without a length
    QVERIFY(!page.FindTrack(QStringLiteral("Copy of Hill 2")));
}

void TestTracksPage::leaveQuestion_data() {
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<QString>("length"); // the length on screen when leaving
    QTest::addColumn<int>("answer");     // -1: no question expected
    QTest::addColumn<bool>("mayLeave");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("dirtyAfter");
    QTest::newRow("unchanged: no question") << false << "1609" << -1 << true << false << false;
    QTest::newRow("yes saves and leaves") << true << "2000" << int(Answer::Yes) << true << true << false;
    QTest::newRow("no leaves unsaved") << true << "2000" << int(Answer::No) << true << false << true;
    QTest::newRow("cancel stays") << true << "2000" << int(Answer::Cancel) << false << false << true;
    QTest::newRow("yes with blank length stays") << true << " " << int(Answer::Yes) << false << false << true;
}

void TestTracksPage::leaveQuestion() {
    QFETCH(bool, dirty);
    QFETCH(QString, length);
    QFETCH(int, answer);
    QFETCH(bool, mayLeave);
    QFETCH(bool, saved);
    QFETCH(bool, dirtyAfter);
    Fixture f(OneTrack());
    QFile::remove(TrackListPath(f.dir.path()));
    if (dirty) f.page.SetField(TrackField::Length, length);
    if (answer >= 0) f.prompter.Expect("Unsaved Track changes exists, save now?", Answer(answer));
    if (length.trimmed().isEmpty()) f.prompter.ExpectError("You have to enter a track length");
    QCOMPARE(f.page.TracksTabSheetExit(), mayLeave);
    QCOMPARE(f.prompter.questions,
             answer >= 0 ? QStringList{"Unsaved Track changes exists, save now?"} : QStringList{});
    QCOMPARE(f.FileExists(), saved);
    if (saved) QCOMPARE(f.ReadBack().At(0).info.Length, length);
    QCOMPARE(f.page.IsDirty(), dirtyAfter);
    QVERIFY(f.prompter.ScriptDone());
    if (length.trimmed().isEmpty()) {
        QCOMPARE(f.page.TakeFocusRequest(), std::optional<TrackField>(TrackField::Length));
    }
}

void TestTracksPage::failedWriteKeepsChanges() {
    Fixture f(OneTrack());
    // The track file's folder cannot be created: a file holds its name.
    QVERIFY(QFile::remove(TrackListPath(f.dir.path())));
    QVERIFY(QDir(f.dir.path()).rmdir(QStringLiteral("Tracks")));
    QFile blocker(QDir(f.dir.path()).filePath(QStringLiteral("Tracks")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.page.SetField(TrackField::City, QStringLiteral("Heusden"));
    f.prompter.ExpectError("Cannot write " + PathForMessage(TrackListPath(f.dir.path())) + ": *");
    QVERIFY(!f.page.SaveTracksButtonClick());
    QVERIFY(f.prompter.ScriptDone());
    QVERIFY(f.page.IsDirty());
    QCOMPARE(f.page.Field(TrackField::City), QStringLiteral("Heusden"));
}

// The page shows an empty list when the file cannot be read; saving that list would lose every track.
void TestTracksPage::unreadableTrackFileIsLeftAsItIs() {
    Fixture f(OneTrack());
    const QString path = TrackListPath(f.dir.path());
    QVERIFY(MakeUnreadable(path));
    const QFileInfo info(path);
    const bool wasFile = info.isFile();
    const qint64 size = info.size();
    f.prompter.ExpectError("Cannot read " + path + ": *");
    f.page.LoadTrackList(QStringLiteral("Ring"));
    QVERIFY(f.prompter.ScriptDone());
    f.prompter.ExpectText("Add Track", QStringLiteral("Zandvoort"));
    f.page.AddTrackButtonClick();
    f.page.SetField(TrackField::Length, QStringLiteral("4259"));
    f.prompter.ExpectError(path + " could not be read and is left as it is.");
    QVERIFY(!f.page.SaveTracksButtonClick());
    QVERIFY(f.prompter.ScriptDone());
    QVERIFY(f.page.IsDirty());
    const QFileInfo after(path);
    QCOMPARE(after.isFile(), wasFile);
    QCOMPARE(after.size(), size);
}

void TestTracksPage::homePageOnlyAsWebAddress_data() {
    QTest::addColumn<QString>("homepage");
    QTest::addColumn<QString>("opened"); // empty: nothing handed to the system
    QTest::newRow("http") << "http://www.ring.example/de"
                          << "http://www.ring.example/de";
    QTest::newRow("https, trimmed") << " https://ring.example "
                                    << "https://ring.example";
    QTest::newRow("bare name") << "www.ring.example"
                               << "http://www.ring.example";
    QTest::newRow("bare name with port") << "ring.example:8080/x"
                                         << "http://ring.example:8080/x";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
    QTest::newRow("file") << "file:///C:/Windows/system32/calc.exe"
                          << "";
    QTest::newRow("drive path") << "C:\\Windows\\calc.exe"
                                << "";
    QTest::newRow("blanks") << "ring example"
                            << "";
}

void TestTracksPage::homePageOnlyAsWebAddress() {
    QFETCH(QString, homepage);
    QFETCH(QString, opened);
    Fixture f(OneTrack());
    f.page.SetField(TrackField::Homepage, homepage);
    const QString refusal = homepage + QStringLiteral(" is not a web address.");
    if (opened.isEmpty()) f.prompter.ExpectError(refusal);
    f.page.TrackLaunchBrowserSpeedButtonClick();
    QCOMPARE(f.shell.opened, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QVERIFY(f.prompter.ScriptDone());

    // A failing browser is reported; an address that is none is refused again before it.
    f.shell.succeeds = false;
    f.prompter.ExpectError(opened.isEmpty()
                               ? refusal
                               : QStringLiteral("Unable to start web browser. Make sure you have it properly "
                                                "set-up on your system."));
    f.page.TrackLaunchBrowserSpeedButtonClick();
    QVERIFY(f.prompter.ScriptDone());
}

void TestTracksPage::emailCannotCarryParameters() {
    Fixture f(OneTrack());
    f.page.SetField(TrackField::Contact1Email, QStringLiteral("info@ring.example"));
    f.page.SetField(TrackField::Contact2Email, QStringLiteral("a@b.example?attach=/etc/passwd&cc=x@y"));
    f.page.TrackContact1SendEmailSpeedButtonClick();
    f.page.TrackContact2SendEmailSpeedButtonClick();
    QCOMPARE(f.shell.opened, (QStringList{"mailto:info@ring.example",
                                          "mailto:a@b.example%3Fattach%3D%2Fetc%2Fpasswd%26cc%3Dx@y"}));
    f.shell.succeeds = false;
    f.prompter.ExpectError(
        "Unable to start E-mail program. Make sure you have it properly set-up on your system.");
    f.page.TrackContact1SendEmailSpeedButtonClick();
    QVERIFY(f.prompter.ScriptDone());
}

void TestTracksPage::movieOnlyWhenExistingFileOrWebAddress() {
    Fixture f(OneTrack());
    const QString movieError =
        QStringLiteral("Unable to show movie, make sure you have a suitable movieplayer installed.");
    // The stored movie does not exist yet.
    QVERIFY(!f.page.ExternalViewerEnabled());
    QVERIFY(f.page.MovieFile().isEmpty());
    f.prompter.ExpectError(movieError);
    f.page.ViewMovieInExternalPlayerButtonClick();
    QVERIFY(f.shell.opened.isEmpty());
    QVERIFY(f.prompter.ScriptDone());

    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("Tracks/Movies")));
    QFile movie(QDir(f.dir.path()).filePath(QStringLiteral("Tracks/Movies/lap.avi")));
    QVERIFY(movie.open(QIODevice::WriteOnly));
    movie.close();
    QVERIFY(f.page.ExternalViewerEnabled());
    f.page.ViewMovieInExternalPlayerButtonClick();
    QCOMPARE(f.shell.opened, QStringList{QFileInfo(movie).absoluteFilePath()});
    QCOMPARE(f.page.MovieFile(), QFileInfo(movie).absoluteFilePath());

    f.page.SetMovie(QStringLiteral("http://videos.example/lap.avi"));
    QVERIFY(f.page.ExternalViewerEnabled());
    f.page.SetMovie(QStringLiteral("javascript:alert(1)"));
    QVERIFY(!f.page.ExternalViewerEnabled());
    f.page.SetMovie(QStringLiteral("Tracks/Movies")); // a folder is no movie
    QVERIFY(!f.page.ExternalViewerEnabled());
    f.prompter.ExpectError(movieError);
    f.page.ViewMovieInExternalPlayerButtonClick();
    QCOMPARE(f.shell.opened.size(), 1);
    QVERIFY(f.prompter.ScriptDone());
}

void TestTracksPage::movieFitsPanel_data() {
    QTest::addColumn<QSize>("video");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("fits: centred, own size") << QSize(320, 240) << QSize(400, 300) << QRect(40, 30, 320, 240);
    QTest::newRow("too wide") << QSize(800, 300) << QSize(400, 300) << QRect(0, 75, 400, 150);
    QTest::newRow("too high") << QSize(300, 600) << QSize(400, 300) << QRect(125, 0, 150, 300);
    QTest::newRow("rounded") << QSize(1000, 333) << QSize(400, 300) << QRect(0, 84, 400, 133);
    QTest::newRow("half pixel to even") << QSize(399, 299) << QSize(400, 300) << QRect(0, 0, 399, 299);
    QTest::newRow("no video size fills the panel") << QSize(0, 0) << QSize(400, 300) << QRect(0, 0, 400, 300);
    QTest::newRow("zero height") << QSize(640, 0) << QSize(400, 300) << QRect(0, 0, 400, 300);
    QTest::newRow("empty panel") << QSize(640, 480) << QSize(0, 300) << QRect(0, 0, 0, 0);
}

void TestTracksPage::movieFitsPanel() {
    QFETCH(QSize, video);
    QFETCH(QSize, panel);
    QFETCH(QRect, placed);
    QCOMPARE(FitMovie(video, panel), placed);
}

QTEST_GUILESS_MAIN(TestTracksPage)
#include "tst_tracks_page.moc"
