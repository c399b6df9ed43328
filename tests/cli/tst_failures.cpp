// Every failure of vorlapa-cli exits non-zero with a message that names the file: input that cannot be
// read, a failed write, lap data that cannot be read. Nothing is written when the input could not be read,
// and an older output file stays whole when the new one cannot be written.
#include "cli_runner.h"
#include "full_file_system.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

enum class Case {
    NormalizeUnreadable,
    ExportUnreadable,
    TagGetUnreadable,
    TagGetMissing,
    SessionLapsUnreadable,
    SettingsUnreadable,
    ArchiveUnreadableFile,
    ArchiveUnreadableFolder,
    SessionLapsTooLarge,
    ExportBadLapData,
    NormalizeOntoFullDisk,
    ExportOntoFullDisk,
    ResultsOntoFullDisk,
};

const QString kSession = QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses");
const QString kBadLaps = QStringLiteral(VORLAPA_TEST_DATA "/session_laps.ses");

// Root reads any file whatever its mode: such runs go into a new user namespace, where root's files
// keep only their owner's rights (unshare from util-linux). Empty when not needed; nullopt when the
// namespace cannot be made here.
std::optional<QStringList> UnprivilegedPrefix() {
    if (::geteuid() != 0) return QStringList{};
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty()) return std::nullopt;
    QProcess probe;
    probe.start(unshare, {QStringLiteral("--user"), QStringLiteral("true")});
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0) return std::nullopt;
    return QStringList{unshare, QStringLiteral("--user")};
}

bool Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool Lock(const QString& path) {
    return QFile::setPermissions(path, QFileDevice::Permissions());
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestFailures : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void failureExitsNonZero_data() {
        QTest::addColumn<Case>("what");
        QTest::addColumn<QString>("errStart"); // the message's start; %1 stands for the file named
        QTest::newRow("setup normalize, unreadable input") << Case::NormalizeUnreadable << "Cannot read %1: ";
        QTest::newRow("export session, unreadable input") << Case::ExportUnreadable << "Cannot read %1: ";
        QTest::newRow("tag get, unreadable input") << Case::TagGetUnreadable << "Cannot read %1: ";
        QTest::newRow("tag get, missing file") << Case::TagGetMissing << "File not found: %1";
        QTest::newRow("session laps, unreadable input") << Case::SessionLapsUnreadable << "Cannot read %1: ";
        QTest::newRow("settings show, unreadable settings") << Case::SettingsUnreadable << "Cannot read %1: ";
        QTest::newRow("archive list, unreadable session")
            << Case::ArchiveUnreadableFile << "Cannot read %1: ";
        QTest::newRow("archive list, unreadable folder")
            << Case::ArchiveUnreadableFolder << "Cannot read %1: ";
        QTest::newRow("session laps, file above 32 MB")
            << Case::SessionLapsTooLarge << "Cannot read %1: the file is larger than 32 MB";
        QTest::newRow("export session, lap data not numbers")
            << Case::ExportBadLapData << "'x' is not a valid integer value";
        QTest::newRow("setup normalize onto a full disk")
            << Case::NormalizeOntoFullDisk << "Cannot write %1: ";
        QTest::newRow("export session over older reports on a full disk")
            << Case::ExportOntoFullDisk << "Cannot write %1: ";
        QTest::newRow("results onto a full disk")
            << Case::ResultsOntoFullDisk << "Cannot write the results: ";
    }
    void failureExitsNonZero() {
        QFETCH(Case, what);
        QFETCH(QString, errStart);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QStringList prefix;
        auto unprivileged = [&] {
            const auto found = UnprivilegedPrefix();
            if (!found) return false;
            prefix = *found;
            return true;
        };
        FullFileSystem fs;
        QStringList args;
        QString named;             // the file the message names
        QString untouched;         // a file that must stay as it was
        QByteArray untouchedBytes; // its contents ("<missing>": it must not be made)
        QString stdoutFile;
        switch (what) {
        case Case::NormalizeUnreadable:
        case Case::ExportUnreadable:
        case Case::TagGetUnreadable:
        case Case::SessionLapsUnreadable:
            if (!unprivileged()) QSKIP("no user namespace to read as an ordinary user");
            named = d.filePath("locked.ses");
            QVERIFY(QFile::copy(kSession, named));
            QVERIFY(Lock(named));
            if (what == Case::NormalizeUnreadable) {
                args = {"setup", "normalize", named, "--vehicle", "mc", "-o", d.filePath("out.set")};
                untouched = d.filePath("out.set");
            } else if (what == Case::ExportUnreadable) {
                args = {"export", "session", named, "--data-dir", d.filePath("data")};
                untouched = d.filePath("data/Exports/session_locked.htm");
            } else if (what == Case::TagGetUnreadable) {
                args = {"tag", "get", named, "conditions", "track"};
            } else {
                args = {"session", "laps", named};
            }
            untouchedBytes = "<missing>";
            break;
        case Case::TagGetMissing:
            named = d.filePath("typo.ses");
            args = {"tag", "get", named, "conditions", "track"};
            break;
        case Case::SettingsUnreadable:
            if (!unprivileged()) QSKIP("no user namespace to read as an ordinary user");
            named = d.filePath("vorlapa.ini");
            QVERIFY(Write(named, "[general]\r\nsystem_unit=US Standard;\r\n"));
            QVERIFY(Lock(named));
            args = {"settings", "show", "--data-dir", dir.path()};
            break;
        case Case::ArchiveUnreadableFile:
            if (!unprivileged()) QSKIP("no user namespace to read as an ordinary user");
            named = d.filePath("Sessions/locked.ses");
            QVERIFY(Write(d.filePath("Sessions/open.ses"), "[conditions]\r\nname_of_event=Open race;\r\n"));
            QVERIFY(Write(named, "[conditions]\r\nname_of_event=Locked race;\r\n"));
            QVERIFY(Lock(named));
            // Sessions without laps (and unreadable ones) are listed under "Incomplete".
            args = {"archive", "list", "--data-dir", dir.path(), "--node", "Incomplete"};
            break;
        case Case::ArchiveUnreadableFolder:
            if (!unprivileged()) QSKIP("no user namespace to read as an ordinary user");
            QVERIFY(Write(d.filePath("Sessions/open.ses"), "[conditions]\r\nname_of_event=Open race;\r\n"));
            QVERIFY(Write(d.filePath("Sessions/Locked/a.ses"), "[conditions]\r\nname_of_event=Hidden;\r\n"));
            named = d.filePath("Sessions/Locked");
            QVERIFY(QFile::setPermissions(named, QFileDevice::Permissions()));
            args = {"archive", "list", "--data-dir", dir.path(), "--node", "Incomplete"};
            break;
        case Case::SessionLapsTooLarge: {
            named = d.filePath("huge.ses");
            QFile huge(named);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(32LL * 1024 * 1024 + 1)); // sparse: nothing is really written
            huge.close();
            args = {"session", "laps", named};
            break;
        }
        case Case::ExportBadLapData:
            args = {"export", "session", kBadLaps, "--data-dir", dir.path()};
            untouched = d.filePath("Exports/setup_session_laps.htm");
            untouchedBytes = "<missing>";
            break;
        case Case::NormalizeOntoFullDisk:
            SKIP_UNLESS_MOUNTED(fs);
            named = fs.Path("old.set");
            QVERIFY(fs.Put("old.set", "OLD\r\n"));
            QVERIFY(fs.Fill());
            args = {"setup", "normalize", kSession, "--vehicle", "mc", "-o", named};
            untouched = named;
            untouchedBytes = "OLD\r\n";
            break;
        case Case::ExportOntoFullDisk:
            SKIP_UNLESS_MOUNTED(fs);
            named = fs.Path("Exports/setup_report_session.htm");
            QVERIFY(fs.Put("Exports/setup_report_session.htm", "OLD SETUP\r\n"));
            QVERIFY(fs.Put("Exports/session_report_session.htm", "OLD SESSION\r\n"));
            QVERIFY(fs.Fill());
            args = {"export", "session", kSession, "--data-dir", fs.Path()};
            untouched = fs.Path("Exports/session_report_session.htm");
            untouchedBytes = "OLD SESSION\r\n";
            QCOMPARE(Contents(named), QByteArray("OLD SETUP\r\n"));
            break;
        case Case::ResultsOntoFullDisk:
            SKIP_UNLESS_MOUNTED(fs);
            QVERIFY(fs.Put("results.txt", ""));
            QVERIFY(fs.Fill());
            stdoutFile = fs.Path("results.txt");
            args = {"tag", "get", kSession, "conditions", "name_of_event"};
            break;
        }

        const CliRun run = RunCli(args, QProcessEnvironment::systemEnvironment(), 30000, prefix, stdoutFile);
        if (what == Case::ArchiveUnreadableFolder) // the temporary folder must be removable again
            QFile::setPermissions(named,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(run.status, 1);
        const QString expected = errStart.contains("%1") ? errStart.arg(named) : errStart;
        QVERIFY2(run.err.startsWith(expected) || run.err.contains("\n" + expected), qPrintable(run.err));
        if (!untouched.isEmpty()) QCOMPARE(Contents(untouched), untouchedBytes);
        if (what == Case::ExportOntoFullDisk) QCOMPARE(Contents(named), QByteArray("OLD SETUP\r\n"));
        // An unreadable session is still listed, with its error; the readable one as it is.
        if (what == Case::ArchiveUnreadableFile) {
            QVERIFY2(run.out.contains("Open race"), qPrintable(run.out));
            QVERIFY2(run.out.contains("Cannot read " + named), qPrintable(run.out));
            QVERIFY(!run.out.contains("Locked race"));
        }
        if (what == Case::ArchiveUnreadableFolder) {
            QVERIFY2(run.out.contains("Open race"), qPrintable(run.out));
            QVERIFY2(run.err.endsWith("1 folder of the archive could not be read.\n"), qPrintable(run.err));
        }
        if (what == Case::ArchiveUnreadableFile)
            QVERIFY2(run.err.endsWith("1 file of the archive could not be read.\n"), qPrintable(run.err));
    }

    // The export fails with the very message "session laps" gives for the same file.
    void badLapDataFailsAsSessionLapsDoes() {
        QTemporaryDir dir;
        const CliRun laps = RunCli({"session", "laps", kBadLaps, "--driver", "2"});
        const CliRun exported = RunCli({"export", "session", kBadLaps, "--data-dir", dir.path()});
        QCOMPARE(laps.status, 1);
        QCOMPARE(exported.status, 1);
        QCOMPARE(exported.err, laps.err);
        QCOMPARE(exported.out, QString());
        QVERIFY(!QDir(dir.filePath("Exports")).exists() || QDir(dir.filePath("Exports")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFailures)
#include "tst_failures.moc"
