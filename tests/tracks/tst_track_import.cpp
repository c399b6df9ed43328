// Taking over tracks from another user's track file: which names can be chosen, what is refused, the
// 200 limit, and where the copied maps and movies end up.
#include "recording_prompter.h"
#include "recording_shell.h"
#include "tracks/track_import.h"
#include "tracks/tracks_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void WriteFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A package as another user sends it: the track file, the maps beside it, the movies in "Movies". Its
// paths are those of the other machine; Zolder is listed before Assen, "zolder" once more, and a name
// the track file keeps for itself.
struct Package {
    QTemporaryDir dir;
    QString file;
    Package() {
        file = dir.filePath("theirs.txt");
        WriteFile(file, "[general]\nversion=1.0;\n[tracks]\ntrack1=Zolder;\ntrack2=Assen;\ntrack3=zolder;\n"
                        "track4=general;\n"
                        "[Zolder]\nlength=4011;\npicture=C:\\Users\\kim\\Tracks\\zolder.png;\n"
                        "movie=C:\\Users\\kim\\Tracks\\Movies\\zolder.avi;\n"
                        "[Assen]\nlength=4542;\npicture=/home/kim/Tracks/assen.png;\n");
        WriteFile(dir.filePath("zolder.png"), "zolder map");
        WriteFile(dir.filePath("assen.png"), "assen map");
        WriteFile(dir.filePath("Movies/zolder.avi"), "zolder movie");
    }
};

QStringList Names(const std::vector<TrackPackageEntry>& entries) {
    QStringList names;
    for (const auto& entry : entries)
        names << entry.name + (entry.exists ? "(exists)" : "");
    return names;
}

} // namespace

class TestTrackImport : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fileNamesOfAnotherMachine_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("name");
        QTest::newRow("windows path") << "C:\\Tracks\\ring.jpg"
                                      << "ring.jpg";
        QTest::newRow("unix path") << "/home/kim/ring.jpg"
                                   << "ring.jpg";
        QTest::newRow("relative with both") << ".\\Tracks/Movies\\lap.avi"
                                            << "lap.avi";
        QTest::newRow("bare") << "ring.jpg"
                              << "ring.jpg";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("ends in separator") << "C:\\Tracks\\"
                                           << "";
        QTest::newRow("dot") << "Tracks\\."
                             << "";
        QTest::newRow("dot dot") << "a/.."
                                 << "";
        QTest::newRow("drive relative") << "C:ring.jpg"
                                        << "";
        QTest::newRow("stream") << "ring.jpg:hidden"
                                << "";
    }
    void fileNamesOfAnotherMachine() {
        QFETCH(QString, stored);
        QFETCH(QString, name);
        QCOMPARE(PackageFileName(stored), name);
    }

    void choosableNamesAreSortedAndRefusalsNamed() {
        Package package;
        TTrackList own;
        own.Append("ASSEN");
        QString error;
        const auto read = ReadTrackPackage(package.file, own, {}, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(Names(read->entries), QStringList({"Assen(exists)", "Zolder"}));
        QCOMPARE(read->ChoosableNames(), QStringList({"Zolder"}));
        QCOMPARE(read->refusals.size(), 2);
        QVERIFY(read->refusals.at(0).contains("\"general\"") || read->refusals.at(1).contains("\"general\""));
        QVERIFY(read->refusals.join('\n').contains("zolder is listed more than once"));
    }

    void importedTracksNameTheirLocalCopies() {
        Package package;
        QTemporaryDir data;
        TTrackList own;
        own.Append("Brno");
        const auto read = ReadTrackPackage(package.file, own, {});
        QVERIFY(read);
        QStringList asked;
        const TrackImportResult result =
            ImportTracks(own, *read, {"assen", "Zolder"}, data.path(), [&](const QString& target) {
                asked << target;
                return true;
            });
        QVERIFY(asked.isEmpty());
        QCOMPARE(result.imported, QStringList({"Assen", "Zolder"}));
        QVERIFY(result.refusals.isEmpty());
        QCOMPARE(own.Names(), QStringList({"Brno", "Assen", "Zolder"}));
        // Each name keeps its own picture although the list order differs from the file's.
        QCOMPARE(own.At(1).info.Length, "4542");
        QCOMPARE(own.At(1).info.Picture, ".\\Tracks\\assen.png");
        QCOMPARE(ReadFile(data.filePath("Tracks/assen.png")), "assen map");
        QCOMPARE(own.At(2).info.Picture, ".\\Tracks\\zolder.png");
        QCOMPARE(own.At(2).info.Movie, ".\\Tracks\\Movies\\zolder.avi");
        QCOMPARE(ReadFile(ResolveDataPath(data.path(), own.At(2).info.Movie)), "zolder movie");
    }

    void existingFilesAreReplacedOnlyWhenTheUserSaysSo() {
        Package package;
        QTemporaryDir data;
        WriteFile(data.filePath("Tracks/zolder.png"), "our map");
        WriteFile(data.filePath("Tracks/Movies/zolder.avi"), "our movie");
        TTrackList own;
        const auto read = ReadTrackPackage(package.file, own, {});
        QVERIFY(read);
        QStringList asked;
        ImportTracks(own, *read, {"Zolder"}, data.path(), [&](const QString& target) {
            asked << QFileInfo(target).fileName();
            return target.endsWith(".avi");
        });
        QCOMPARE(asked, QStringList({"zolder.png", "zolder.avi"}));
        QCOMPARE(ReadFile(data.filePath("Tracks/zolder.png")), "our map");
        QCOMPARE(ReadFile(data.filePath("Tracks/Movies/zolder.avi")), "zolder movie");
        // The kept local file is still the one the track shows.
        QCOMPARE(own.At(0).info.Picture, ".\\Tracks\\zolder.png");
    }

    void missingAndRefusedFilesAreNotCopied() {
        QTemporaryDir dir;
        const QString file = dir.filePath("p.txt");
        WriteFile(
            file,
            "[tracks]\ntrack1=A;\ntrack2=B;\ntrack3=C;\n[A]\npicture=D:\\gone.png;\nmovie=http://x/a.avi;\n"
            "[B]\npicture=..\\..;\nmovie=C:lap.avi;\n[C]\npicture=.\\Tracks\\..\\..\\secret.png;\n");
        WriteFile(dir.filePath("secret.png"), "not part of the map");
        QTemporaryDir data;
        TTrackList own;
        const auto read = ReadTrackPackage(file, own, {});
        QVERIFY(read);
        const auto result = ImportTracks(own, *read, {"A", "B", "C"}, data.path(), {});
        QCOMPARE(result.imported, QStringList({"A", "B", "C"}));
        QCOMPARE(own.At(0).info.Picture, "D:\\gone.png"); // missing in the package: kept as it was
        QCOMPARE(own.At(0).info.Movie, "http://x/a.avi"); // a web address is no file to copy
        QCOMPARE(own.At(1).info.Picture, QString());
        QCOMPARE(own.At(1).info.Movie, QString());
        // Only the file name counts: the package's own secret.png is copied, nothing above the package.
        QCOMPARE(own.At(2).info.Picture, ".\\Tracks\\secret.png");
        QCOMPARE(QDir(data.filePath("Tracks")).entryList(QDir::Files), QStringList({"secret.png"}));
    }

    void tracksBeyondTheLimitAreRefused() {
        QTemporaryDir dir;
        const QString file = dir.filePath("p.txt");
        WriteFile(file, "[tracks]\ntrack1=X1;\ntrack2=X2;\ntrack3=X3;\n");
        TTrackList own;
        for (int i = 0; i < kMaxTracks - 1; ++i)
            own.Append(QString("T%1").arg(i));
        const auto read = ReadTrackPackage(file, own, {});
        QVERIFY(read);
        const auto result = ImportTracks(own, *read, read->ChoosableNames(), dir.path(), {});
        QCOMPARE(result.imported, QStringList({"X1"}));
        QCOMPARE(result.refusals.size(), 2);
        QVERIFY(result.refusals.at(1).contains("X3"));
        QCOMPARE(own.Count(), kMaxTracks);
    }

    void pageImportMarksTheListChangedOnlyWhenTracksCame() {
        Package package;
        QTemporaryDir data;
        RecordingPrompter prompter;
        RecordingShell shell;
        TracksPage page(prompter, shell, data.path());
        page.LoadTrackList(QString());
        std::vector<TrackPackageEntry> shown;
        page.requestImportChoice = [&](const TrackPackage& p) -> std::optional<QStringList> {
            shown = p.entries;
            return p.ChoosableNames();
        };
        prompter.ExpectText("Import Tracks", package.file);
        prompter.ExpectWarning("The track zolder is listed more than once*");
        prompter.ExpectWarning("The track name \"general\" cannot be used*");
        page.ImportTracksButtonClick();
        QCOMPARE(page.TrackNames(), QStringList({"Assen", "Zolder"}));
        QVERIFY(page.IsDirty());
        QCOMPARE(page.SelectedName(), "Assen");

        // The same package again: every name exists, OK imports nothing and nothing changes.
        QVERIFY(page.SaveTracksButtonClick());
        prompter.ExpectText("Import Tracks", package.file);
        prompter.ExpectWarning("The track zolder*");
        prompter.ExpectWarning("The track name*");
        page.ImportTracksButtonClick();
        QCOMPARE(Names(shown), QStringList({"Assen(exists)", "Zolder(exists)"}));
        QCOMPARE(page.TrackNames(), QStringList({"Assen", "Zolder"}));
        QVERIFY(!page.IsDirty());
    }
};

QTEST_GUILESS_MAIN(TestTrackImport)
#include "tst_track_import.moc"
