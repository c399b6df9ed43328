// The file a command works on: exactly one operand (else the usage), and it must be there. A missing
// file is named as such; a folder is refused with the reason a reader gives, before anything is made.
#include "cli_runner.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <utility>

namespace {

const QString kSetup = QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set");

} // namespace

class TestFileOperand : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void operandCount_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("errStart");
        QTest::newRow("no file") << QStringList{"gearing"} << 1 << "usage: vorlapa-cli gearing FILE ";
        QTest::newRow("two files") << QStringList{"gearing", kSetup, kSetup} << 1
                                   << "usage: vorlapa-cli gearing FILE ";
        QTest::newRow("an existing file") << QStringList{"gearing", kSetup} << 0 << "";
    }
    void operandCount() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, errStart);
        const CliRun run = RunCli(args);
        QCOMPARE(run.status, status);
        QVERIFY2(errStart.isEmpty() ? run.err.isEmpty() : run.err.startsWith(errStart), qPrintable(run.err));
        QCOMPARE(run.lines.isEmpty(), status != 0);
    }

    // Every command with a file operand, the file at the place of "FILE".
    void missingFileOrFolder_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("gearing") << QStringList{"gearing", "FILE"};
        QTest::newRow("fuel session") << QStringList{"fuel", "session", "FILE", "--data-dir", "DATA"};
        QTest::newRow("session tires") << QStringList{"session", "tires", "FILE", "--data-dir", "DATA"};
        QTest::newRow("export session") << QStringList{"export", "session", "FILE", "--data-dir", "DATA"};
        QTest::newRow("export statistics")
            << QStringList{"export", "statistics", kSetup, "FILE", "--data-dir", "DATA"};
        QTest::newRow("parts update-from-session")
            << QStringList{"parts", "update-from-session", "FILE", "--group", "Engine", "--data-dir", "DATA"};
        QTest::newRow("setup normalize") << QStringList{"setup", "normalize", "FILE", "--vehicle", "mc"};
        QTest::newRow("tag get") << QStringList{"tag", "get", "FILE", "information", "vehicle"};
    }
    void missingFileOrFolder() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(d.mkpath("data") && d.mkpath("folder.ses"));
        args.replaceInStrings(QRegularExpression("^DATA$"), d.filePath("data"));
        for (const auto& [file, err] : {std::pair{d.filePath("none.ses"), "File not found: %1\n"},
                                        std::pair{d.filePath("folder.ses"), "Cannot read %1: "}}) {
            const CliRun run = RunCli(QStringList(args).replaceInStrings(QRegularExpression("^FILE$"), file));
            QCOMPARE(run.status, 1);
            QCOMPARE(run.out, QString());
            QVERIFY2(run.err.startsWith(QString::fromLatin1(err).arg(file)), qPrintable(run.err));
            QCOMPARE(run.err.count(u'\n'), 1);
            QCOMPARE(QDir(d.filePath("data")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(TestFileOperand)
#include "tst_file_operand.moc"
