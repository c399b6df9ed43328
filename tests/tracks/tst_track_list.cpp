// The track file: what is written, what is read back, and which names the reader takes.
#include "tracks/track_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TTrackInfo FullTrack() {
    TTrackInfo t;
    int n = 0;
    for (const TrackFieldInfo& field : TrackFields())
        t.*field.member = QStringLiteral("%1 value %2").arg(QString::fromLatin1(field.key)).arg(++n);
    t.Length = QStringLiteral("4023.5");
    t.Notes = {QStringLiteral("Fast left after the pits"), QString(), QStringLiteral("gate code 1234")};
    return t;
}

// The written text without the dated first line.
QStringList WrittenLines(const TTrackList& list, const QString& dataDir) {
    TTxtParser parser;
    parser.OpenWrite(QDir(dataDir).filePath(QStringLiteral("unused.txt")));
    WriteTrackList(parser, list, dataDir);
    QStringList lines = parser.WrittenText().split(QStringLiteral("\r\n"));
    lines.removeFirst();
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

TTrackList Read(const QString& text, const TrackUnits& units = {}) {
    TTxtParser parser;
    parser.OpenReadText(text);
    TTrackList list;
    ReadTrackList(parser, list, units);
    return list;
}

QString TracksFile(const QStringList& names) {
    QString text = QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\n");
    for (int i = 0; i < names.size(); ++i)
        text += QStringLiteral("track%1=%2;\r\n").arg(i + 1).arg(names.at(i));
    for (const QString& name : names)
        text += QStringLiteral("[%1]\r\nlength=%2;\r\n").arg(name).arg(name.size());
    return text;
}

} // namespace

class TestTrackList : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void writesSectionsKeysAndNotesInOrder();
    void roundTripKeepsEveryField();
    void readerTakesNames_data();
    void readerTakesNames();
    void readerStopsAtTwoHundred();
    void importAppendsAndSkips();
    void versionlessFileInMilesHadWidthInFeet_data();
    void versionlessFileInMilesHadWidthInFeet();
    void pictureInTracksFolderIsWrittenRelative();
};

void TestTrackList::writesSectionsKeysAndNotesInOrder() {
    TTrackList list;
    TTrackInfo ring;
    ring.Length = QStringLiteral("1609");
    ring.Surface = QStringLiteral("asphalt");
    ring.Address = QStringLiteral("Ring road 1");
    ring.Notes = {QStringLiteral("line one"), QStringLiteral("line two")};
    list.Append(QStringLiteral("Ring"), ring);
    list.Append(QStringLiteral("Oval"));
    const QStringList expected{"",
                               "[general]",
                               "version=1.0;",
                               "",
                               "[tracks]",
                               "track1=Ring;",
                               "track2=Oval;",
                               "",
                               "[Ring]",
                               "length=1609;",
                               "surface=asphalt;",
                               "adress=Ring road 1;",
                               "notes=notes_begin;",
                               "line one",
                               "line two",
                               "notes=notes_end;",
                               "",
                               "[Oval]",
                               "notes=notes_begin;",
                               "notes=notes_end;"};
    QCOMPARE(WrittenLines(list, QDir::tempPath()), expected);
}

void TestTrackList::roundTripKeepsEveryField() {
    TTrackList list;
    list.Append(QStringLiteral("Zolder"), FullTrack());
    TTrackInfo other = FullTrack();
    other.Notes.clear();
    other.Width = QStringLiteral("12,5");
    list.Append(QStringLiteral("Assen"), other);
    // A note line holding a bracket ends the section for the reader: the notes follow every key.
    TTrackInfo bracketed = FullTrack();
    bracketed.Notes = {QStringLiteral("[x] chicane"), QStringLiteral("gap [mm]")};
    list.Append(QStringLiteral("Mugello"), bracketed);

    QTemporaryDir dir;
    const QString path = TrackListPath(dir.path());
    QVERIFY(SaveTrackListFile(path, list, dir.path()).has_value());
    TTxtParser parser;
    parser.OpenRead(path);
    TTrackList read;
    ReadTrackList(parser, read, TrackUnits{});
    QCOMPARE(read.Count(), 3);
    // Read back in name order.
    QCOMPARE(read.At(0), list.At(1));
    QCOMPARE(read.At(1), list.At(2));
    QCOMPARE(read.At(2), list.At(0));
}

void TestTrackList::readerTakesNames_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("sorted ignoring case") << TracksFile({"b", "A", "c"}) << QStringList{"A", "b", "c"};
    QTest::newRow("stops at a gap") << QStringLiteral(
                                           "[tracks]\r\ntrack1=One;\r\ntrack3=Three;\r\n[One]\r\n[Three]\r\n")
                                    << QStringList{"One"};
    QTest::newRow("stops at an empty name")
        << QStringLiteral("[tracks]\r\ntrack1=One;\r\ntrack2=;\r\ntrack3=Three;\r\n") << QStringList{"One"};
    QTest::newRow("a name twice, ignoring case, is one track")
        << TracksFile({"Ring", "RING"}) << QStringList{"Ring"};
    QTest::newRow("section names of the file itself are passed over")
        << TracksFile({"general", "Ring", "Tracks"}) << QStringList{"Ring"};
    QTest::newRow("missing file text") << QString() << QStringList{};
}

void TestTrackList::readerTakesNames() {
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    QCOMPARE(Read(file).Names(), names);
}

void TestTrackList::readerStopsAtTwoHundred() {
    QStringList names;
    for (int i = 1; i <= 205; ++i)
        names << QStringLiteral("T%1").arg(i, 3, 10, QLatin1Char('0'));
    const TTrackList list = Read(TracksFile(names));
    QCOMPARE(list.Count(), kMaxTracks);
    QCOMPARE(list.At(199).name, QStringLiteral("T200"));
    QVERIFY(list.IsFull());
    TTrackList full = list;
    QVERIFY(!full.Append(QStringLiteral("one more")));
    QCOMPARE(full.Count(), kMaxTracks);
}

void TestTrackList::importAppendsAndSkips() {
    TTrackList list = Read(TracksFile({"Ring"}));
    TTxtParser parser;
    parser.OpenReadText(TracksFile({"Oval", "ring", "Hill", "Skip me"}));
    const QStringList skip{"skip me"};
    ReadTrackList(parser, list, TrackUnits{}, &skip);
    QCOMPARE(list.Names(), (QStringList{"Ring", "Hill", "Oval"}));
    QCOMPARE(list.At(1).info.Length, QStringLiteral("4"));
}

void TestTrackList::versionlessFileInMilesHadWidthInFeet_data() {
    QTest::addColumn<bool>("versioned");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("width");
    QTest::newRow("old file, miles") << false << "miles"
                                     << "9.15";
    QTest::newRow("old file, metres") << false << "metres"
                                      << "30";
    QTest::newRow("current file, miles") << true << "miles"
                                         << "30";
}

void TestTrackList::versionlessFileInMilesHadWidthInFeet() {
    QFETCH(bool, versioned);
    QFETCH(QString, distance);
    QFETCH(QString, width);
    const QString file = QStringLiteral("%1[tracks]\r\ntrack1=Old;\r\n[Old]\r\nwidth=30;\r\nlength=1000;\r\n")
                             .arg(versioned ? "[general]\r\nversion=1.0;\r\n" : "");
    TrackUnits units;
    units.distance = distance;
    const TTrackList list = Read(file, units);
    QCOMPARE(list.At(0).info.Width, width);
    QCOMPARE(list.At(0).info.Length, QStringLiteral("1000"));
}

void TestTrackList::pictureInTracksFolderIsWrittenRelative() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tracks")));
    QFile map(dir.filePath(QStringLiteral("Tracks/map.jpg")));
    QVERIFY(map.open(QIODevice::WriteOnly));
    map.close();
    TTrackList list;
    TTrackInfo here, elsewhere;
    here.Picture = QStringLiteral("C:\\Users\\me\\Pictures\\map.jpg");
    elsewhere.Picture = QStringLiteral("C:\\Users\\me\\Pictures\\other.jpg");
    list.Append(QStringLiteral("A"), here);
    list.Append(QStringLiteral("B"), elsewhere);
    const QStringList lines = WrittenLines(list, dir.path());
    QVERIFY(lines.contains(QStringLiteral("picture=.\\Tracks\\map.jpg;")));
    QVERIFY(lines.contains(QStringLiteral("picture=C:\\Users\\me\\Pictures\\other.jpg;")));
}

QTEST_GUILESS_MAIN(TestTrackList)
#include "tst_track_list.moc"
