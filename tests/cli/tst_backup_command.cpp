// vorlapa-cli backup create / restore: the paths printed, the archive written, and a hostile archive
// refused with nothing written.
#include "cli_runner.h"
#include "zip_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestBackupCommand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_data = m_dir->filePath("data");
        Write(m_data + "/Sessions/Deep/a.ses", QByteArray("a\r\n\0b", 6));
        Write(m_data + "/vorlapa.ini", "[general]\r\n");
        Write(m_data + "/Tracks/Movies/lap.avi", "movie");
        Write(m_data + "/Exports/r.html", "<html>");
    }

    void createPrintsEachArchivedPath_data() {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QStringList>("paths");
        const QStringList base{"Sessions/Deep/a.ses", "vorlapa.ini"};
        QTest::newRow("data only") << QStringList{} << base;
        QTest::newRow("movies and exports") << QStringList{"--exports", "--movies"}
                                            << base + QStringList{"Tracks/Movies/lap.avi", "Exports/r.html"};
    }
    void createPrintsEachArchivedPath() {
        QFETCH(QStringList, flags);
        QFETCH(QStringList, paths);
        const QString out = m_dir->filePath("out.zip");
        const CliRun run =
            RunCli(QStringList{"backup", "create", out} + flags + QStringList{"--data-dir", m_data});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, paths);
        QCOMPARE(ZipNames(out), paths);
    }

    void restorePrintsEachRestoredPath() {
        const QString archive = m_dir->filePath("in.zip");
        QVERIFY(MakeZip(archive, {{"vorlapa.ini", "restored"}, {"Setups\\Wet\\s.set", "set"}}));
        const CliRun run = RunCli({"backup", "restore", archive, "--data-dir", m_data});
        QCOMPARE(run.err, "");
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, (QStringList{"vorlapa.ini", "Setups/Wet/s.set"}));
        QCOMPARE(Bytes(m_data + "/vorlapa.ini"), "restored");
        QCOMPARE(Bytes(m_data + "/Setups/Wet/s.set"), "set");
    }

    void refusedArchiveWritesNothing() {
        const QString archive = m_dir->filePath("hostile.zip");
        QVERIFY(MakeZip(archive, {{"vorlapa.ini", "restored"}, {"..\\escaped.txt", "x"}}));
        const CliRun run = RunCli({"backup", "restore", archive, "--data-dir", m_data});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, "");
        QVERIFY2(run.err.contains("was refused"), qPrintable(run.err));
        QCOMPARE(Bytes(m_data + "/vorlapa.ini"), "[general]\r\n");
        QVERIFY(!QFileInfo::exists(m_dir->filePath("escaped.txt")));
    }

    void failuresExitWithOne_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing archive")
            << QStringList{"restore", "nowhere.zip"} << "The file nowhere.zip does not exists!";
        QTest::newRow("no data folder")
            << QStringList{"create", "x.zip", "--data-dir", "/nonexistent/vorlapa"} << "No data folder";
        QTest::newRow("unknown action") << QStringList{"list", "x.zip"} << "usage: vorlapa-cli backup";
        QTest::newRow("restore with flags")
            << QStringList{"restore", "x.zip", "--movies"} << "usage: vorlapa-cli backup";
    }
    void failuresExitWithOne() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        if (!args.contains("--data-dir")) args << "--data-dir" << m_data;
        const CliRun run = RunCli(QStringList{"backup"} + args);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_data;
};

QTEST_GUILESS_MAIN(TestBackupCommand)
#include "tst_backup_command.moc"
