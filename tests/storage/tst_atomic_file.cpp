#include "full_file_system.h"
#include "storage/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

class TestAtomicFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Below Qt's 16 KB write buffer the bytes reach the file only when it is flushed: that is where a
    // full disk used to go unseen and an empty file replaced the old one.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("one byte") << 1;
        QTest::newRow("below the write buffer") << 15000;
        QTest::newRow("above the write buffer") << 40000;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, size);
        FullFileSystem fs;
        SKIP_UNLESS_MOUNTED(fs);
        QVERIFY(fs.Put("old.set", "OLD\r\n"));
        QVERIFY(fs.Fill());
        const auto written = WriteFileAtomically(fs.Path("old.set"), QByteArray(size, 'n'));
        QVERIFY(!written.has_value());
        QVERIFY2(written.error().startsWith("Cannot write " + fs.Path("old.set") + ": "),
                 qPrintable(written.error()));
        QVERIFY2(written.error().endsWith(FullFileSystem::NoSpaceText()), qPrintable(written.error()));
        QCOMPARE(fs.Contents("old.set"), QByteArray("OLD\r\n"));
        QCOMPARE(fs.Files(), QStringList{"old.set"}); // no temporary file left behind
    }

    void writtenFileHoldsEveryByte() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ses");
        QByteArray bytes(70000, 'a');
        bytes[69999] = 'z';
        QVERIFY(WriteFileAtomically(path, bytes).has_value());
        QCOMPARE(ReadWholeFile(path).value(), bytes);
    }

    void errorsNameTheFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "read"
                                      << "gone.ses" << QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("folder") << "read"
                                << "folder.ses" << QString();
        QTest::newRow("missing folder") << "write"
                                        << "gone/x.ses" << QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("folder in the way") << "write"
                                           << "folder.ses" << QString();
    }
    void errorsNameTheFile() {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.ses"));
        const QString path = dir.filePath(name);
        const QString error =
            kind == "read" ? ReadWholeFile(path).error() : WriteFileAtomically(path, "x").error();
        const QString prefix = (kind == "read" ? "Cannot read " : "Cannot write ") + path + ": ";
        QVERIFY2(error.startsWith(prefix), qPrintable(error));
        QVERIFY2(error.size() > prefix.size(), qPrintable(error)); // the system's reason follows
        if (!reason.isEmpty()) QCOMPARE(error.mid(prefix.size()), reason);
    }

    void pathBelowTheWorkingFolderIsShownRelative() {
        QTemporaryDir dir;
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QString below = PathForMessage(QDir::current().filePath("Sessions/x.ses"));
        const QString elsewhere = PathForMessage("/elsewhere/x.ses");
        QDir::setCurrent(saved);
        QCOMPARE(below, QString("Sessions/x.ses"));
        QCOMPARE(elsewhere, QString("/elsewhere/x.ses"));
        QCOMPARE(ReadErrorText("Sessions/x.ses", "Permission denied"),
                 QString("Cannot read Sessions/x.ses: Permission denied"));
    }

    void fileAboveTheLimitIsRefusedUnread_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("read");
        QTest::newRow("at the limit") << qint64(1000) << qint64(1000) << true;
        QTest::newRow("one byte above") << qint64(1001) << qint64(1000) << false;
        // Sparse: the size is refused before a byte is read or allocated.
        QTest::newRow("above the data file limit") << kMaxDataFileBytes + 1 << kMaxDataFileBytes << false;
    }
    void fileAboveTheLimitIsRefusedUnread() {
        QFETCH(qint64, size);
        QFETCH(qint64, limit);
        QFETCH(bool, read);
        QTemporaryDir dir;
        const QString path = dir.filePath("big.ses");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size));
        file.close();
        const auto bytes = ReadWholeFile(path, limit);
        QCOMPARE(bytes.has_value(), read);
        if (read) {
            QCOMPARE(bytes->size(), size);
        } else {
            QVERIFY2(bytes.error().startsWith("Cannot read " + path + ": the file is larger than "),
                     qPrintable(bytes.error()));
        }
        if (limit == kMaxDataFileBytes && !read) {
            QCOMPARE(bytes.error(), "Cannot read " + path + ": the file is larger than 32 MB");
        }
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomic_file.moc"
