// Backup archives: which files go in, writing without ever losing the old archive, restoring byte for byte
// through temporary names, refusing hostile archives whole, and the dialog's checks and settings.
#include "app/backup_archive.h"
#include "app/backup_entry_name.h"
#include "app/backup_restore_model.h"
#include "app/settings_file.h"
#include "app_rig.h"
#include "storage/atomic_file.h"
#include "zip_fixture.h"

#include <QDirIterator>
#include <QSaveFile>
#include <QTest>

namespace {

// Every file below a folder (relative path -> bytes), to show that nothing at all changed.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Binary content with every byte value, so a restore that changes line ends or encodings shows.
QByteArray Binary(int seed) {
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(char((i * 7 + seed) & 0xFF));
    return bytes;
}

// A data folder with a file of every kind the list looks at.
void WriteDataFolder(const AppRig& rig) {
    rig.Write("Sessions/b.ses", Binary(1));
    rig.Write("Sessions/North Loop/2007/a.ses", Binary(2));
    rig.Write("Setups/zTireSetup wet.set", QByteArray("x"));
    rig.Write("vorlapa.ini", QByteArray("[general]\r\n"));
    rig.Write("partstatus.ini", QByteArray("p"));
    rig.Write("vlnotes1.txt", QByteArray("n"));
    rig.Write("program.dat", QByteArray("not data"));
    rig.Write("Tracks/tracks.txt", QByteArray("t"));
    rig.Write("Tracks/map.jpg", Binary(3));
    rig.Write("Tracks/Movies/lap.avi", Binary(4));
    rig.Write("Exports/session.html", QByteArray("<html>"));
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fileListFollowsTheCheckBoxes_data() {
        QTest::addColumn<bool>("movies");
        QTest::addColumn<bool>("exports");
        QTest::addColumn<QStringList>("extra");
        QTest::newRow("neither") << false << false << QStringList{};
        QTest::newRow("movies") << true << false << QStringList{"Tracks/Movies/lap.avi"};
        QTest::newRow("exports") << false << true << QStringList{"Exports/session.html"};
        QTest::newRow("both") << true << true << QStringList{"Tracks/Movies/lap.avi", "Exports/session.html"};
    }
    void fileListFollowsTheCheckBoxes() {
        QFETCH(bool, movies);
        QFETCH(bool, exports);
        QFETCH(QStringList, extra);
        AppRig rig;
        WriteDataFolder(rig);
        const QStringList always{"Sessions/b.ses",
                                 "Sessions/North Loop/2007/a.ses",
                                 "Setups/zTireSetup wet.set",
                                 "partstatus.ini",
                                 "vorlapa.ini",
                                 "vlnotes1.txt",
                                 "Tracks/map.jpg",
                                 "Tracks/tracks.txt"};
        QCOMPARE(BackupFileList(rig.dir.path(), BackupContent{movies, exports}), always + extra);
    }

    void archiveInsideABackedUpFolderDoesNotPackItself() {
        AppRig rig;
        WriteDataFolder(rig);
        const QString target = rig.Path("Sessions/backup.zip");
        const QStringList files = BackupFileList(rig.dir.path(), {}, {target});
        QVERIFY(WriteBackupArchive(target, rig.dir.path(), files).has_value());
        // The second backup finds the first archive in "Sessions" and leaves it out.
        const QStringList again = BackupFileList(rig.dir.path(), {}, {target});
        QCOMPARE(again, files);
        QVERIFY(WriteBackupArchive(target, rig.dir.path(), again).has_value());
        QCOMPARE(ZipNames(target), files);
        QCOMPARE(QDir(rig.Path("Sessions")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"b.ses", "backup.zip"}));
    }

    void restoreGivesBackTheFilesByteForByte() {
        AppRig rig;
        WriteDataFolder(rig);
        const QString archive =
            QDir(rig.dir.path()).filePath("../" + QFileInfo(rig.dir.path()).fileName() + ".zip");
        QStringList stored;
        const QStringList files = BackupFileList(rig.dir.path(), {true, true});
        QVERIFY(WriteBackupArchive(archive, rig.dir.path(), files, [&](const QString& f) { stored << f; }));
        QCOMPARE(stored, files);
        const auto before = Snapshot(rig.dir.path());

        // Changed, removed and extra files: the restore replaces and recreates what the archive holds.
        rig.Write("Sessions/b.ses", QByteArray("changed"));
        QVERIFY(QDir(rig.Path("Sessions/North Loop")).removeRecursively());
        rig.Write("Sessions/new.ses", QByteArray("kept"));
        const auto restored = RestoreBackupArchive(archive, rig.dir.path());
        QFile::remove(archive);
        QVERIFY(restored.has_value());
        QCOMPARE(*restored, files);
        auto expected = before;
        expected.insert("Sessions/new.ses", "kept");
        QCOMPARE(Snapshot(rig.dir.path()), expected); // also: no temporary file is left behind
    }

    void failedBackupKeepsTheOldArchive() {
        AppRig rig;
        WriteDataFolder(rig);
        const QString archive = rig.Path("Exports/backup.zip");
        rig.Write("Exports/backup.zip", QByteArray("the old archive"));
        // A file listed but gone when the archive is written (removed in the meantime).
        const QStringList files{"vorlapa.ini", "Sessions/gone.ses", "vlnotes1.txt"};
        const auto written = WriteBackupArchive(archive, rig.dir.path(), files);
        QVERIFY(!written.has_value());
        QVERIFY2(written.error().startsWith("Cannot read ") && written.error().contains("gone.ses"),
                 qPrintable(written.error()));
        QCOMPARE(Bytes(archive), "the old archive");
        QCOMPARE(QDir(rig.Path("Exports")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"backup.zip", "session.html"}));
        // Nothing to archive replaces nothing.
        QVERIFY(!WriteBackupArchive(archive, rig.dir.path(), {}).has_value());
        QCOMPARE(Bytes(archive), "the old archive");
    }

    void backupWhileAFileIsBeingSaved() {
        AppRig rig;
        WriteDataFolder(rig);
        // A save of the settings file under way (not yet committed) and one of a session that completes
        // while the archive is being written: each is stored whole, old or new, never a mix.
        QSaveFile pending(rig.Path("vorlapa.ini"));
        QVERIFY(pending.open(QIODevice::WriteOnly));
        QVERIFY(pending.write("[general]\r\nhalf") > 0);
        const QByteArray newSession = Binary(9) + Binary(10);
        const QString archive = rig.Path("../" + QFileInfo(rig.dir.path()).fileName() + "-saving.zip");
        const QStringList files = BackupFileList(rig.dir.path(), {});
        const auto written = WriteBackupArchive(archive, rig.dir.path(), files, [&](const QString& item) {
            if (item == "Sessions/b.ses")
                QVERIFY(WriteFileAtomically(rig.Path("Setups/zTireSetup wet.set"), newSession));
        });
        pending.cancelWriting();
        QVERIFY(written.has_value());
        const auto contents = ZipContents(archive);
        QFile::remove(archive);
        QCOMPARE(contents.size(), files.size());
        for (const auto& [name, bytes] : contents) {
            if (name == "Setups/zTireSetup wet.set") QCOMPARE(bytes, newSession);
            if (name == "vorlapa.ini") QCOMPARE(bytes, "[general]\r\n");
        }
    }

    void entryNameCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("restoredAs"); // empty: refused
        QTest::newRow("plain") << "vorlapa.ini"
                               << "vorlapa.ini";
        QTest::newRow("subfolder") << "Sessions/North Loop/a.ses"
                                   << "Sessions/North Loop/a.ses";
        QTest::newRow("backslashes") << "Sessions\\North Loop\\a.ses"
                                     << "Sessions/North Loop/a.ses";
        QTest::newRow("dot parts") << "./Sessions//a.ses"
                                   << "Sessions/a.ses";
        QTest::newRow("dots inside a name") << "Sessions/a..b.ses"
                                            << "Sessions/a..b.ses";
        QTest::newRow("folder") << "Sessions/2007/"
                                << "Sessions/2007";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only dots") << "./"
                                   << "";
        QTest::newRow("absolute") << "/etc/passwd"
                                  << "";
        QTest::newRow("absolute backslash") << "\\Windows\\x.ini"
                                            << "";
        QTest::newRow("parent") << "../x.ini"
                                << "";
        QTest::newRow("parent backslash") << "..\\..\\x.ini"
                                          << "";
        QTest::newRow("parent inside") << "Sessions/../../x.ini"
                                       << "";
        QTest::newRow("parent mixed") << "Sessions\\..\\../x.ini"
                                      << "";
        QTest::newRow("parent at end") << "Sessions/.."
                                       << "";
        QTest::newRow("dots and spaces") << "Sessions/. ./x.ini"
                                         << "";
        QTest::newRow("drive") << "C:\\x.ini"
                               << "";
        QTest::newRow("drive relative") << "c:x.ini"
                                        << "";
        QTest::newRow("unc") << "\\\\server\\share\\x.ini"
                             << "";
        QTest::newRow("unc slashes") << "//server/share/x.ini"
                                     << "";
    }
    void entryNameCheck() {
        QFETCH(QString, name);
        QFETCH(QString, restoredAs);
        const QString problem = EntryNameProblem(name);
        QCOMPARE(problem.isEmpty(), !restoredAs.isEmpty());
        if (problem.isEmpty()) QCOMPARE(EntryRelativePath(name), restoredAs);
    }

    void hostileArchiveIsRefusedWhole_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("symlink");
        QTest::newRow("absolute") << QByteArray("/tmp/vorlapa-hostile.ini") << false;
        QTest::newRow("parent") << QByteArray("../hostile.ini") << false;
        QTest::newRow("parent backslash") << QByteArray("..\\hostile.ini") << false;
        QTest::newRow("parent inside") << QByteArray("Sessions/../../hostile.ini") << false;
        QTest::newRow("drive") << QByteArray("C:\\hostile.ini") << false;
        QTest::newRow("unc") << QByteArray("\\\\server\\share\\hostile.ini") << false;
        QTest::newRow("symlink") << QByteArray("Sessions/link.ses") << true;
    }
    void hostileArchiveIsRefusedWhole() {
        QFETCH(QByteArray, name);
        QFETCH(bool, symlink);
        QTemporaryDir outer;
        QVERIFY(QDir(outer.path()).mkpath("data"));
        QTemporaryDir data(outer.filePath("data/XXXXXX"));
        AppRig rig(data);
        WriteDataFolder(rig);
        const QString archive = outer.filePath("hostile.zip");
        // Good entries on both sides: nothing is written, not even the ones before the bad entry.
        QVERIFY(
            MakeZip(archive, {{"vorlapa.ini", "restored"},
                              {"Sessions/new.ses", "new"},
                              {name, symlink ? QByteArray("/etc/passwd") : QByteArray("hostile"), symlink},
                              {"vlnotes1.txt", "restored"}}));
        const auto before = Snapshot(outer.path());
        const auto restored = RestoreBackupArchive(archive, data.path());
        QVERIFY(!restored.has_value());
        QVERIFY2(restored.error().message.contains("was refused") &&
                     restored.error().message.contains(QString::fromUtf8(name)),
                 qPrintable(restored.error().message));
        QVERIFY(restored.error().restored.isEmpty());
        QCOMPARE(Snapshot(outer.path()), before);
        QVERIFY(!QFileInfo::exists("/tmp/vorlapa-hostile.ini"));
    }

    void restoreThatFailsPartWayTellsWhatWasRestored() {
        AppRig rig;
        WriteDataFolder(rig);
        const QString archive = rig.Path("../" + QFileInfo(rig.dir.path()).fileName() + "-partial.zip");
        QVERIFY(MakeZip(
            archive, {{"vorlapa.ini", "first"}, {"vlnotes1.txt", "second"}, {"Tracks/tracks.txt", "third"}}));
        // While the third file is extracted, a folder takes the second one's name: its rename fails.
        const auto restored = RestoreBackupArchive(archive, rig.dir.path(), [&](const QString& item) {
            if (item == "Tracks/tracks.txt") {
                QVERIFY(QFile::remove(rig.Path("vlnotes1.txt")));
                rig.Write("vlnotes1.txt/inside", QByteArray("x"));
            }
        });
        QFile::remove(archive);
        QVERIFY(!restored.has_value());
        QCOMPARE(restored.error().restored, QStringList{"vorlapa.ini"});
        QVERIFY2(restored.error().message.startsWith("Cannot write "), qPrintable(restored.error().message));
        QCOMPARE(Bytes(rig.Path("vorlapa.ini")), "first");
        QCOMPARE(Bytes(rig.Path("Tracks/tracks.txt")), "t");
        // No temporary file stays behind.
        QCOMPARE(QDir(rig.Path("Tracks")).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"map.jpg", "tracks.txt"}));
        QCOMPARE(QDir(rig.dir.path()).entryList({".*restore*"}, QDir::Files | QDir::Hidden), QStringList{});
    }

    // ---- the dialog

    void backupTakesOverTheSettings_data() {
        QTest::addColumn<QString>("days");
        QTest::addColumn<int>("taken");
        QTest::newRow("typed") << "7" << 7;
        QTest::newRow("zero") << " 0 " << 0;
        QTest::newRow("not a number") << "two weeks" << 14;
        QTest::newRow("negative") << "-3" << 14;
        QTest::newRow("empty") << "" << 14;
    }
    void backupTakesOverTheSettings() {
        QFETCH(QString, days);
        QFETCH(int, taken);
        AppRig rig;
        rig.prompter.SetStrict(true);
        WriteDataFolder(rig);
        rig.BuildState();
        rig.clock.day = 45000.25;
        rig.state->Settings().backupFilenames = {"old.zip"};
        BackupRestoreModel model(*rig.state);
        model.fileName = "Exports/new.zip";
        model.remindDaysText = days;
        model.content.includeMovies = true;
        QStringList shown;
        QList<bool> busy;
        model.onItem = [&](const QString& item) { shown << item; };
        model.onBusy = [&](bool on) { busy << on; };
        QVERIFY(model.Backup());
        QCOMPARE(busy, (QList<bool>{true, false}));
        QVERIFY(shown.contains("Tracks/Movies/lap.avi"));
        QCOMPARE(ZipNames(rig.Path("Exports/new.zip")), shown);

        const ProgramSettings& s = rig.state->Settings();
        QCOMPARE(s.backupFilename, "Exports/new.zip");
        QCOMPARE(s.backupFilenames, (QStringList{"old.zip", "Exports/new.zip"}));
        QCOMPARE(s.backupDaysBetweenReminders, QString::number(taken));
        QCOMPARE(s.backupLastDate, 45000.25);
        QCOMPARE(s.backupNextDate, 45000.25 + taken);
        // The settings file was written with them.
        const ProgramSettings onDisk = LoadSettingsFile(rig.Path("vorlapa.ini"), 1);
        QCOMPARE(onDisk.backupNextDate, 45000.25 + taken);
        QCOMPARE(onDisk.backupFilenames, s.backupFilenames);
        QCOMPARE(model.LastBackupText(), "2023-03-15 06.00");
    }

    void backupRefusalsChangeNothing() {
        AppRig rig;
        rig.prompter.SetStrict(true);
        WriteDataFolder(rig);
        rig.Write("old.zip", QByteArray("the old archive"));
        rig.BuildState();
        BackupRestoreModel model(*rig.state);
        QCOMPARE(model.LastBackupText(), "1899-12-30"); // no backup yet: the date-time 0
        const auto settingsBefore = Bytes(rig.Path("vorlapa.ini"));

        model.fileName = "  ";
        rig.prompter.ExpectError("You must enter a backup file name!");
        QVERIFY(!model.Backup());

        model.fileName = "old.zip";
        rig.prompter.Expect("The file old.zip already exists! Overwrite it?", Answer::Cancel);
        QVERIFY(!model.Backup());
        QCOMPARE(Bytes(rig.Path("old.zip")), "the old archive");
        QCOMPARE(rig.state->Settings().backupLastDate, 0.0);
        QCOMPARE(Bytes(rig.Path("vorlapa.ini")), settingsBefore);

        rig.prompter.Expect("The file old.zip already exists! Overwrite it?", Answer::Ok);
        QVERIFY(model.Backup());
        QVERIFY(ZipNames(rig.Path("old.zip")).contains("Sessions/b.ses"));
        QVERIFY(!ZipNames(rig.Path("old.zip")).contains("old.zip"));
    }

    void restoreAsksFirstAndEndsTheProgramWithoutWriting() {
        AppRig rig;
        rig.prompter.SetStrict(true);
        WriteDataFolder(rig);
        const QString archive = rig.Path("../" + QFileInfo(rig.dir.path()).fileName() + "-restore.zip");
        QVERIFY(MakeZip(archive, {{"vorlapa.ini", "[general]\r\nbackup_filename=restored.zip;\r\n"},
                                  {"Sessions/restored.ses", "s"}}));
        rig.BuildState();
        int ended = 0;
        rig.state->SetEndAtOnceAction([&] { ++ended; });
        BackupRestoreModel model(*rig.state);

        model.fileName = archive + ".missing";
        rig.prompter.ExpectError("The file " + model.fileName + " does not exists! Restore aborted.");
        QCOMPARE(model.Restore(), BackupRestoreModel::RestoreResult::NotRestored);

        model.fileName = archive;
        rig.prompter.Expect("Restore will replace your current data. Continue?", Answer::No);
        QCOMPARE(model.Restore(), BackupRestoreModel::RestoreResult::NotRestored);
        QCOMPARE(Bytes(rig.Path("vorlapa.ini")), "[general]\r\n");

        rig.prompter.Expect("Restore will replace your current data. Continue?", Answer::Yes);
        QCOMPARE(model.Restore(), BackupRestoreModel::RestoreResult::Restored);
        QFile::remove(archive);
        QCOMPARE(rig.prompter.informations.last(),
                 "The program will now exit and you must\nrestart to use the restored environment");
        QCOMPARE(model.RestoredFiles(), (QStringList{"vorlapa.ini", "Sessions/restored.ses"}));

        // The window ends the program at once; should the closing sequence still run, it writes nothing
        // over the restored settings file.
        rig.state->EndAtOnce();
        QCOMPARE(ended, 1);
        rig.state->Settings().backupFilename = "stale.zip";
        QVERIFY(rig.state->CloseQuery());
        QVERIFY(!rig.state->SaveSettings());
        QCOMPARE(Bytes(rig.Path("vorlapa.ini")), "[general]\r\nbackup_filename=restored.zip;\r\n");
        QVERIFY(rig.store.values.isEmpty());
    }

    void refusedOrPartialRestoreInTheDialog() {
        AppRig rig;
        rig.prompter.SetStrict(true);
        WriteDataFolder(rig);
        rig.BuildState();
        BackupRestoreModel model(*rig.state);
        model.fileName = rig.Path("hostile.zip");
        QVERIFY(MakeZip(model.fileName, {{"vorlapa.ini", "x"}, {"../x.ini", "x"}}));
        rig.prompter.Expect("Restore will replace your current data. Continue?", Answer::Yes);
        rig.prompter.ExpectError("The archive *hostile.zip was refused: the entry \"../x.ini\" climbs out of "
                                 "the data folder. Nothing was restored.");
        QCOMPARE(model.Restore(), BackupRestoreModel::RestoreResult::NotRestored);
        QCOMPARE(Bytes(rig.Path("vorlapa.ini")), "[general]\r\n");

        model.fileName = rig.Path("partial.zip");
        QVERIFY(MakeZip(model.fileName,
                        {{"vorlapa.ini", "first"}, {"vlnotes1.txt", "second"}, {"x.txt", "third"}}));
        model.onItem = [&](const QString& item) {
            if (item == "x.txt") {
                QFile::remove(rig.Path("vlnotes1.txt"));
                rig.Write("vlnotes1.txt/inside", QByteArray("x"));
            }
        };
        rig.prompter.Expect("Restore will replace your current data. Continue?", Answer::Yes);
        rig.prompter.ExpectError("Cannot write *stopped after 1 files were restored:\nvorlapa.ini\n*");
        QCOMPARE(model.Restore(), BackupRestoreModel::RestoreResult::PartlyRestored);
    }

    void reminderIsDueOnceTheNextDateHasPassed_data() {
        QTest::addColumn<double>("next");
        QTest::addColumn<double>("now");
        QTest::addColumn<bool>("due");
        QTest::newRow("same day") << 45000.0 << 45000.9 << false;
        QTest::newRow("next day") << 45000.5 << 45001.1 << true;
        QTest::newRow("before") << 45003.0 << 45001.0 << false;
    }
    void reminderIsDueOnceTheNextDateHasPassed() {
        QFETCH(double, next);
        QFETCH(double, now);
        QFETCH(bool, due);
        ProgramSettings settings;
        settings.backupNextDate = next;
        QCOMPARE(BackupReminderDue(settings, now), due);
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
