// The scan of the sessions folder: summary cells, which files are listed, the cache and bad files.
#include "archive/archive_scan.h"
#include "gen_session_files.h"
#include "storage/date_time.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace ArchiveColumn;

double Start() {
    return DayNumberFromDateTime(QDateTime(QDate(2007, 5, 12), QTime(14, 33)));
}

QStringList Paths(const std::vector<QStringList>& rows) {
    QStringList paths;
    for (const QStringList& row : rows)
        paths << QFileInfo(row.value(Path)).fileName();
    return paths;
}

// Bumps the modification time so the cache sees a change even within the same second.
void Touch(const QString& path, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(
        file.setFileTime(QDateTime::currentDateTime().addSecs(seconds), QFileDevice::FileModificationTime));
}

} // namespace

class TestArchiveScan : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void summaryCellsComeFromTheSessionKeys() {
        QTemporaryDir dir;
        SessionFixture s;
        s.event = "Spring Cup";
        s.driver = "Anna";
        s.startTime = Start();
        s.splits = 1;
        s.splitTimes = "30000,31000,29000,31500,29000"; // laps 61.000, 60.500, one segment of a third
        s.temperature = "15";
        s.pressure = "1013.25";
        s.humidity = "0";
        s.frame = "F1";
        s.engine = "E1";
        s.shaftDrive = true;
        s.shaftInput = "11";
        s.shaftOutput = "33";
        s.driverNotes = {"pushes", "in turn 3"};
        s.vehicleNotes = {"chain"};
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/a.ses"), s));
        SummaryOptions options;
        options.trackLengths.insert(QString("north loop"), "2000");
        ArchiveScanner scanner;
        const auto rows = scanner.Scan(dir.filePath("Sessions"), options);
        QCOMPARE(rows.size(), 1u);
        const QStringList& row = rows.front();
        QCOMPARE(row.size(), kCount);
        QCOMPARE(row[Date], "2007-05-12");
        QCOMPARE(row[Event], "Spring Cup");
        QCOMPARE(row[Driver], "Anna");
        QCOMPARE(row[Track], "North Loop");
        QCOMPARE(row[Density], "100.0");
        QCOMPARE(row[Laps], "3");
        QCOMPARE(row[Distance], "6.000");
        QCOMPARE(row[BestLap], "1:00.500");
        QCOMPARE(row[BestLapMs], "60500");
        QCOMPARE(row[FinalGear], "11/33");
        QCOMPARE(row[Frame], "F1");
        QCOMPARE(row[Engine], "E1");
        QCOMPARE(row[Notes], "Driver Notes\rpushes\rin turn 3\r\rVehicle Notes\rchain");
        QCOMPARE(ParseRowStart(row), Start());

        options.useAd = true;
        options.miles = true;
        const QStringList us = scanner.Scan(dir.filePath("Sessions"), options).front();
        QCOMPARE(us[Density], "1.2250");
        QCOMPARE(us[Distance], "3.729");
        QCOMPARE(SummaryHeaders(options)[Density], "AD");
    }

    void otherVehicleIsSkippedAndMissingVehicleListed() {
        QTemporaryDir dir;
        SessionFixture s;
        s.splitTimes = "61000";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/mc.ses"), s));
        s.vehicle = "car";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/car.ses"), s));
        s.vehicle = "";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/none.ses"), s));
        ArchiveScanner scanner;
        QCOMPARE(Paths(scanner.Scan(dir.filePath("Sessions"), {})), (QStringList{"mc.ses", "none.ses"}));
        SummaryOptions car;
        car.vehicleCode = "car";
        QCOMPARE(Paths(scanner.Scan(dir.filePath("Sessions"), car)), (QStringList{"car.ses", "none.ses"}));
    }

    void filesOfAFolderComeBeforeItsSubFolders() {
        QTemporaryDir dir;
        SessionFixture s;
        for (const char* name : {"Sessions/b/x.ses", "Sessions/z.ses", "Sessions/a/y.ses", "Sessions/A.ses"})
            QVERIFY(WriteSessionFile(dir.filePath(name), s));
        QFile::copy(dir.filePath("Sessions/z.ses"), dir.filePath("Sessions/notes.txt"));
        ArchiveScanner scanner;
        QCOMPARE(Paths(scanner.Scan(dir.filePath("Sessions"), {})),
                 (QStringList{"A.ses", "z.ses", "y.ses", "x.ses"}));
    }

    void missingStartTimeTakesTheModificationTime() {
        QTemporaryDir dir;
        SessionFixture s;
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/a.ses"), s));
        QFile file(dir.filePath("Sessions/a.ses"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QDateTime modified(QDate(2006, 7, 1), QTime(12, 0));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        const QStringList row = ArchiveScanner().Scan(dir.filePath("Sessions"), {}).front();
        QCOMPARE(row[Date], "2006-07-01");
        QCOMPARE(row[StartTime], QString::number(DayNumberFromDateTime(modified), 'f', 10));
        QCOMPARE(row[Laps], "0");
        QVERIFY(!IsCompleteRow(row));
    }

    void rescanSeesNewChangedAndDeletedFilesOnly() {
        QTemporaryDir dir;
        SessionFixture s;
        s.splitTimes = "61000";
        for (const char* name : {"Sessions/a.ses", "Sessions/b.ses", "Sessions/t/c.ses"})
            QVERIFY(WriteSessionFile(dir.filePath(name), s));
        ArchiveScanner scanner(2);
        QCOMPARE(scanner.Scan(dir.filePath("Sessions"), {}).size(), 3u);
        QCOMPARE(scanner.FilesReadLastScan(), 3);

        QCOMPARE(scanner.Scan(dir.filePath("Sessions"), {}).size(), 3u);
        QCOMPARE(scanner.FilesReadLastScan(), 0);

        s.splitTimes = "59000,58000";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/b.ses"), s));
        Touch(dir.filePath("Sessions/b.ses"), 5);
        QVERIFY(QFile::remove(dir.filePath("Sessions/t/c.ses")));
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/t/d.ses"), s));
        const auto rows = scanner.Scan(dir.filePath("Sessions"), {});
        QCOMPARE(scanner.FilesReadLastScan(), 2);
        QCOMPARE(Paths(rows), (QStringList{"a.ses", "b.ses", "d.ses"}));
        QCOMPARE(rows[1][BestLap], "58.000");

        // Other units change the cells: everything is read again.
        SummaryOptions ad;
        ad.useAd = true;
        scanner.Scan(dir.filePath("Sessions"), ad);
        QCOMPARE(scanner.FilesReadLastScan(), 3);
    }

    void badFilesNeverStopTheScan() {
        QTemporaryDir dir;
        SessionFixture s;
        s.splitTimes = "61000";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/a.ses"), s));
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/z.ses"), s));
        QFile garbage(dir.filePath("Sessions/b.ses"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        QByteArray bytes;
        for (int i = 0; i < 5000; ++i)
            bytes.append(char((i * 131) % 256));
        garbage.write(bytes);
        garbage.close();
        s.splitTimes = "61000,x,62000"; // the times after a bad piece are not counted
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/c.ses"), s));
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/d.ses"), s));
        QFile::setPermissions(dir.filePath("Sessions/d.ses"), QFileDevice::Permissions{});
        const bool unreadable = !QFile(dir.filePath("Sessions/d.ses")).open(QIODevice::ReadOnly);

        ArchiveScanner scanner(3);
        const auto rows = scanner.Scan(dir.filePath("Sessions"), {});
        QCOMPARE(Paths(rows), (QStringList{"a.ses", "b.ses", "c.ses", "d.ses", "z.ses"}));
        QCOMPARE(rows[2][Laps], "1");
        QCOMPARE(rows[4][Laps], "1");
        if (unreadable) {
            QCOMPARE(rows[3][Laps], "0");
            // An unreadable file is tried again on the next showing.
            QFile::setPermissions(dir.filePath("Sessions/d.ses"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QCOMPARE(scanner.Scan(dir.filePath("Sessions"), {})[3][Laps], "1");
            QCOMPARE(scanner.FilesReadLastScan(), 1);
        }
    }

    // A file that cannot be read is listed with its error; the scan counts such files and folders for the
    // status bar. A file above the data file limit is refused unread (its memory never taken).
    void unreadableFilesAreListedWithTheirError() {
        QTemporaryDir dir;
        SessionFixture s;
        s.event = "Readable";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/a.ses"), s));
        const QString huge = dir.filePath("Sessions/huge.ses");
        {
            QFile file(huge);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(32LL * 1024 * 1024 + 1)); // sparse
        }
        // Modes keep out every user but root; as root only the size limit makes a file unreadable.
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/locked.ses"), s));
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/Locked/b.ses"), s));
        QFile::setPermissions(dir.filePath("Sessions/locked.ses"), QFileDevice::Permissions{});
        QFile::setPermissions(dir.filePath("Sessions/Locked"), QFileDevice::Permissions{});
        const bool modesHold = !QFile(dir.filePath("Sessions/locked.ses")).open(QIODevice::ReadOnly);

        ArchiveScanner scanner(2);
        const auto rows = scanner.Scan(dir.filePath("Sessions"), {});
        QFile::setPermissions(dir.filePath("Sessions/Locked"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString tooLarge = "Cannot read " + huge + ": the file is larger than 32 MB";
        QCOMPARE(rows[1][Path], huge);
        QCOMPARE(rows[1][Event], tooLarge);
        QCOMPARE(rows[1][Notes], tooLarge); // the row's tip
        QCOMPARE(rows[0][Event], "Readable");
        if (!modesHold) {
            QCOMPARE(Paths(rows), (QStringList{"a.ses", "huge.ses", "locked.ses", "b.ses"}));
            QCOMPARE(scanner.UnreadableFilesLastScan(), 1);
            QCOMPARE(scanner.UnreadableFoldersLastScan(), 0);
            QCOMPARE(scanner.UnreadableErrorsLastScan(), QStringList{tooLarge});
            QCOMPARE(UnreadableStatusText(1, 0), "1 file of the archive could not be read.");
            return; // as root the modes keep nothing out: vorlapa-cli's tests read such files as nobody
        }
        QCOMPARE(Paths(rows), (QStringList{"a.ses", "huge.ses", "locked.ses"}));
        QVERIFY(rows[2][Event].startsWith("Cannot read " + dir.filePath("Sessions/locked.ses") + ": "));
        QCOMPARE(scanner.UnreadableFilesLastScan(), 2);
        QCOMPARE(scanner.UnreadableFoldersLastScan(), 1);
        QVERIFY(scanner.UnreadableErrorsLastScan().last().startsWith("Cannot read " +
                                                                     dir.filePath("Sessions/Locked")));
        QCOMPARE(UnreadableStatusText(2, 1), "2 files and 1 folder of the archive could not be read.");
    }

    // Every row stays in memory for the list: the notes kept for the tip are cut, however long the notes.
    void notesOfTheTipAreCut() {
        QTemporaryDir dir;
        SessionFixture s;
        for (int i = 0; i < 2000; ++i)
            s.driverNotes << QString("line %1 of a long note about the rear shock").arg(i);
        s.vehicleNotes = {"chain"};
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/a.ses"), s));
        const QString notes = ArchiveScanner().Scan(dir.filePath("Sessions"), {}).front()[Notes];
        QVERIFY(notes.startsWith("Driver Notes\rline 0 of a long note about the rear shock\rline 1 "));
        QVERIFY(notes.endsWith("..."));
        QVERIFY(notes.size() <= kSummaryNotesLimit + 3);
        QVERIFY(notes.size() > kSummaryNotesLimit - 100);
    }

    void manyFilesReadInParallelGiveTheRowsOfOneThread() {
        QTemporaryDir dir;
        GenerateSessionFiles(dir.filePath("Sessions"), 120, 7);
        const auto serial = ArchiveScanner(1).Scan(dir.filePath("Sessions"), {});
        const auto parallel = ArchiveScanner(4).Scan(dir.filePath("Sessions"), {});
        QCOMPARE(serial.size(), 120u);
        QVERIFY(serial == parallel);
    }

    void indexCarriesTheRowsToTheNextRun() {
        QTemporaryDir dir;
        SessionFixture s;
        s.splitTimes = "61000";
        for (const char* name : {"Sessions/a.ses", "Sessions/b.ses", "Sessions/t/c.ses"})
            QVERIFY(WriteSessionFile(dir.filePath(name), s));
        const QString sessions = dir.filePath("Sessions");
        const QString index = dir.filePath(kArchiveIndexFileName);
        auto scan = [&](const SummaryOptions& options = {}) {
            ArchiveScanner scanner(1); // a new run: nothing in memory
            scanner.SetIndexFile(index);
            auto rows = scanner.Scan(sessions, options);
            return std::pair{rows, scanner.FilesReadLastScan()};
        };
        const auto [first, readFirst] = scan();
        QCOMPARE(readFirst, 3);
        const auto [again, readAgain] = scan();
        QCOMPARE(readAgain, 0);
        QVERIFY(again == first);

        s.splitTimes = "59000,58000";
        QVERIFY(WriteSessionFile(dir.filePath("Sessions/b.ses"), s));
        Touch(dir.filePath("Sessions/b.ses"), 5);
        QVERIFY(QFile::remove(dir.filePath("Sessions/t/c.ses")));
        const auto [changed, readChanged] = scan();
        QCOMPARE(readChanged, 1);
        QCOMPARE(Paths(changed), (QStringList{"a.ses", "b.ses"}));
        QCOMPARE(changed[1][BestLap], "58.000");
        QCOMPARE(scan().second, 0); // the change was written back

        // Rows made for other display options are not taken.
        SummaryOptions ad;
        ad.useAd = true;
        QCOMPARE(scan(ad).second, 2);
        QCOMPARE(scan(ad).second, 0);
    }

    void damagedOrForeignIndexIsReadAgainAndRebuilt_data() {
        QTest::addColumn<int>("damage");
        QTest::newRow("garbage") << 0;
        QTest::newRow("cut short") << 1;
        QTest::newRow("one byte changed") << 2;
        QTest::newRow("made for other options") << 3;
        QTest::newRow("row of another width") << 4;
        QTest::newRow("empty") << 5;
    }
    void damagedOrForeignIndexIsReadAgainAndRebuilt() {
        QFETCH(int, damage);
        QTemporaryDir dir;
        SessionFixture s;
        s.splitTimes = "61000";
        for (const char* name : {"Sessions/a.ses", "Sessions/b.ses"})
            QVERIFY(WriteSessionFile(dir.filePath(name), s));
        const QString sessions = dir.filePath("Sessions");
        const QString index = dir.filePath(kArchiveIndexFileName);
        ArchiveScanner writer(1);
        writer.SetIndexFile(index);
        const auto rows = writer.Scan(sessions, {});

        QFile file(index);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        const QString fingerprint = SummaryOptions{}.Fingerprint();
        QVERIFY(DecodeArchiveIndex(bytes, fingerprint).has_value());
        ArchiveIndex entries = *DecodeArchiveIndex(bytes, fingerprint);
        switch (damage) {
        case 0:
            bytes = "not an index at all";
            break;
        case 1:
            bytes.chop(1);
            break;
        case 2:
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            break;
        case 3:
            bytes = EncodeArchiveIndex(fingerprint + QStringLiteral("x"), entries);
            break;
        case 4:
            entries.begin()->row = QStringList{"a", "b", "c"}; // a well-formed file with a short row
            bytes = EncodeArchiveIndex(fingerprint, entries);
            break;
        default:
            bytes.clear();
            break;
        }
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();

        ArchiveScanner reader(1);
        reader.SetIndexFile(index);
        QVERIFY(reader.Scan(sessions, {}) == rows);
        QCOMPARE(reader.FilesReadLastScan(), 2);
        QVERIFY(LoadArchiveIndex(index, fingerprint).has_value()); // written anew
    }

  private:
    static double ParseRowStart(const QStringList& row) { return row[StartTime].toDouble(); }
};

QTEST_GUILESS_MAIN(TestArchiveScan)
#include "tst_archive_scan.moc"
