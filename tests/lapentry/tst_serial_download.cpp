// The serial line assembler, and the serial download on a pseudo-terminal pair: the test writes on the
// master side what a lap timer sends, the download reads the slave side as it reads a real port.
#include "lapentry/logger_readers.h"
#include "lapentry/serial_download.h"

#include <QSignalSpy>
#include <QtTest>

#include <pty.h>
#include <unistd.h>

namespace {

struct PseudoTerminal {
    int master = -1;
    int slave = -1;
    QString slavePath;
    PseudoTerminal() {
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) slavePath = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal() {
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
    }
    bool Send(const QByteArray& bytes) const {
        return ::write(master, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
};

} // namespace

class TestSerialDownload : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void Assembler_data() {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("current");
        QTest::newRow("header in two chunks")
            << QList<QByteArray>{"LT200RX, M,", " S,hS\r\n"} << QStringList{"LT200RX, M, S,hS"} << "";
        QTest::newRow("CR CR gives an empty line")
            << QList<QByteArray>{"a\r\rb\r"} << QStringList{"a", "", "b"} << "";
        QTest::newRow("unfinished last line is held")
            << QList<QByteArray>{"a\r\nb"} << QStringList{"a"} << "b";
        QTest::newRow("bytes as Latin-1")
            << QList<QByteArray>{"\xe9\r"} << QStringList{QStringLiteral("\u00e9")} << "";
    }
    void Assembler() {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, lines);
        QFETCH(QString, current);
        SerialLineAssembler assembler;
        for (const QByteArray& chunk : chunks)
            assembler.Feed(chunk);
        QCOMPARE(assembler.Lines(), lines);
        QCOMPARE(assembler.CurrentLine(), current);
    }

    void AssemblerCapsLinesAndLength() {
        SerialLineAssembler assembler;
        assembler.Feed(QByteArray(100000, 'x'));
        QCOMPARE(assembler.CurrentLine().size(), SerialLineAssembler::kMaxLineLength);
        QCOMPARE(assembler.Dropped(), 100000 - SerialLineAssembler::kMaxLineLength);
        assembler.Clear();
        assembler.Feed(QByteArray(SerialLineAssembler::kMaxLines + 5, '\r'));
        QCOMPARE(assembler.Lines().size(), SerialLineAssembler::kMaxLines);
        QCOMPARE(assembler.Dropped(), 5);
    }

    void DownloadThroughAPseudoTerminal() {
        PseudoTerminal pty;
        QVERIFY(!pty.slavePath.isEmpty());
        qputenv(SerialDownload::kExtraPortVariable, pty.slavePath.toLocal8Bit());
        QVERIFY(SerialDownload::AvailablePorts().contains(pty.slavePath));

        SerialDownload download;
        QVERIFY2(download.Open(pty.slavePath), qPrintable(download.ErrorText()));
        QVERIFY(download.IsOpen());
        QStringList received;
        Connections connections;
        connections +=
            download.linesReceived.Connect([&received](const QStringList& lines) { received += lines; });
        QVERIFY(pty.Send("LT200RX, M, S,hS\r\nT200\r\n\r"));
        QTRY_COMPARE(received.size(), 3);
        QVERIFY(pty.Send("0001,00,01,05,23\r\n0002,00,00,59,99\r\nEND\r\n"));
        QTRY_COMPARE(received.size(), 6);
        const LapImport laps = ReadT200Records(download.Assembler().Lines(), 0, T200Origin::Serial);
        QCOMPARE(laps.error, QString());
        QCOMPARE(laps.rows, (std::vector<QStringList>{{"1:05.230"}, {"59.990"}}));
        download.Close();
        QVERIFY(!download.IsOpen());
        qunsetenv(SerialDownload::kExtraPortVariable);
    }

    void PortThatCannotOpen() {
        SerialDownload download;
        QVERIFY(!download.Open(QStringLiteral("/nonexistent/ttyS9")));
        QCOMPARE(download.ErrorText(), QStringLiteral("Could not open /nonexistent/ttyS9!"));
    }
};

QTEST_GUILESS_MAIN(TestSerialDownload)
#include "tst_serial_download.moc"
