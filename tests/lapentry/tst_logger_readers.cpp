// The data-logger readers on fixture files, the logger time texts and the UltraLap session list.
#include "lapentry/lap_sources.h"
#include "lapentry/logger_time.h"
#include "storage/atomic_file.h"

#include <QDir>
#include <QtTest>

namespace {

QStringList Lines(const QString& fixture) {
    const auto bytes = ReadWholeFile(QDir(QStringLiteral(VORLAPA_TEST_DATA "/lapentry")).filePath(fixture));
    if (!bytes) qFatal("fixture %s missing", qPrintable(fixture));
    return FileLines(*bytes);
}

// Rows as "a|b" joined by " ; ".
QString RowsText(const LapImport& import) {
    QStringList rows;
    for (const QStringList& row : import.rows)
        rows.append(row.join(u'|'));
    return rows.join(QStringLiteral(" ; "));
}

} // namespace

class TestLoggerReaders : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void ReadersOnFixtures_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("splits");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("error"); // a prefix; "" for none

        QTest::newRow("aim") << "aim"
                             << "aim.txt" << 2 << "1:05.234 ; 1:04.998 ; 1:05.500"
                             << "";
        QTest::newRow("aim light analyzer, time on the next line")
            << "aim-la"
            << "aim_la.txt" << 0 << "01:05.234 ; 01:04.998 ; 01:06.100"
            << "";
        QTest::newRow("alfano hundredths, last line without line end")
            << "alfano"
            << "alfano.txt" << 0 << "1:05.230 ; 1:04.980 ; 1:06.100"
            << "";
        QTest::newRow("alfano non-integer stops") << "alfano"
                                                  << "alfano_bad.txt" << 0 << "1:05.230"
                                                  << "'65.x' is not a valid integer value";
        QTest::newRow("pi one split") << "pi"
                                      << "pi.txt" << 1 << "31.250|34.100 ; 30.950|1:02.350"
                                      << "";
        QTest::newRow("pi no splits") << "pi"
                                      << "pi.txt" << 0 << "31.250 ; 30.950"
                                      << "";
        QTest::newRow("pi too few splits keeps the cells written") << "pi"
                                                                   << "pi_short.txt" << 1 << "31.250|34.000"
                                                                   << "Too few split times in file!";
        QTest::newRow("pi empty file") << "pi"
                                       << "empty.txt" << 0 << ""
                                       << "Failed reading file empty.txt!";
        QTest::newRow("t200 no splits") << "t200"
                                        << "t200.txt" << 0 << "1:05.230 ; 1:04.980 ; 1:05.500"
                                        << "";
        QTest::newRow("t200 two splits fill a row") << "t200"
                                                    << "t200.txt" << 2 << "1:05.230|1:04.980|1:05.500"
                                                    << "";
        QTest::newRow("t200 short record ends") << "t200"
                                                << "t200_short.txt" << 0 << "1:05.230"
                                                << "";
        QTest::newRow("t200 wrong file")
            << "t200"
            << "aim.txt" << 0 << ""
            << "Unrecognized data in first line.\n\nRead:     \tAIM Sports lap list\nExpected: \tLT200RX, M, "
               "S,hS\n\nPlease make sure you have selected the correct file";
        QTest::newRow("motec lap line") << "motec"
                                        << "motec.csv" << 0 << "1:05.234 ; 1:04.998 ; 1:05.500"
                                        << "";
        QTest::newRow("motec empty") << "motec"
                                     << "empty.txt" << 0 << ""
                                     << "";
        QTest::newRow("2d") << "2d"
                            << "2d.hed" << 0 << "1:05.230 ; 58.300 ; 59.000"
                            << "";
        QTest::newRow("2d with splits reads nothing") << "2d"
                                                      << "2d.hed" << 1 << ""
                                                      << "Too few split times in file!";
        QTest::newRow("2d without lap section") << "2d"
                                                << "2d_nolaps.hed" << 0 << ""
                                                << "Failed reading file 2d_nolaps.hed!";
        QTest::newRow("bullet") << "bullet"
                                << "bullet.txt" << 0 << "01:05.234 ; 01:04.998 ; 01:05.500"
                                << "";
        QTest::newRow("bullet last line not taken") << "bullet"
                                                    << "bullet_last.txt" << 0 << "01:05.234"
                                                    << "";
        QTest::newRow("aim csv segment times, BOM and CR LF")
            << "aim-csv"
            << "aim_race_studio.csv" << 1 << "1:10.100 ; 1:05.234 ; 1:04.666"
            << "";
        QTest::newRow("aim csv beacon markers, LF, lossless long lap")
            << "aim-csv"
            << "aim_beacons.csv" << 0 << "1:10.100 ; 1:05.234 ; 61:40.050"
            << "";
        QTest::newRow("aim csv refuses another format")
            << "aim-csv"
            << "motec_i2.csv" << 0 << ""
            << "This file is not a AiM CSV (Race Studio export) file.";
        QTest::newRow("aim csv empty") << "aim-csv"
                                       << "empty.txt" << 0 << ""
                                       << "This file is not a AiM CSV (Race Studio export) file.";
        QTest::newRow("motec csv markers to duration")
            << "motec-csv"
            << "motec_i2.csv" << 2 << "1:08.250 ; 1:05.248 ; 1:05.502 ; 11.500"
            << "";
        QTest::newRow("motec csv refuses another format") << "motec-csv"
                                                          << "aim_race_studio.csv" << 0 << ""
                                                          << "This file is not a MoTeC CSV (i2 export) file.";
    }
    void ReadersOnFixtures() {
        QFETCH(QString, source);
        QFETCH(QString, fixture);
        QFETCH(int, splits);
        QFETCH(QString, rows);
        QFETCH(QString, error);
        const auto info = LapSourceOfCode(source);
        QVERIFY(info);
        const LapImport import = ReadLapSource(info->source, Lines(fixture), splits, fixture);
        QCOMPARE(RowsText(import), rows);
        if (error.isEmpty())
            QCOMPARE(import.error, QString());
        else
            QVERIFY2(import.error.startsWith(error), qPrintable(import.error));
    }

    // The readers that name the driver and the start, and those that fix the splits.
    void HeaderFieldsAndSplits() {
        const LapImport aim = ReadAimCsv(Lines(QStringLiteral("aim_race_studio.csv")));
        QCOMPARE(aim.driver, QStringLiteral("Anna Berg"));
        QCOMPARE(aim.start, QDateTime(QDate(2024, 3, 14), QTime(10, 31)));
        QCOMPARE(aim.splits, std::optional<int>(0));
        const LapImport beacons = ReadAimCsv(Lines(QStringLiteral("aim_beacons.csv")));
        QCOMPARE(beacons.start, QDateTime(QDate(2024, 3, 15), QTime(14, 5, 30)));
        const LapImport motec = ReadMotecCsv(Lines(QStringLiteral("motec_i2.csv")));
        QCOMPARE(motec.driver, QStringLiteral("Carla"));
        QCOMPARE(motec.start, QDateTime(QDate(2024, 3, 14), QTime(9, 15)));
        QCOMPARE(ReadAimSports({}).splits, std::optional<int>(0));
        QCOMPARE(ReadAlfano({}).splits, std::nullopt);
    }

    void MarkersGoingBackAreRefused() {
        const LapImport import = ReadMotecCsv({QStringLiteral("\"Format\",\"MoTeC CSV File\""),
                                               QStringLiteral("\"Beacon Markers\",\"60.0 50.0\"")});
        QVERIFY(import.error.startsWith(QStringLiteral("Bad beacon marker")));
    }

    void T200Records() {
        const QString header = QStringLiteral("LT200RX, M, S,hS");
        // Nothing received: the first line reads empty and the download mode is named.
        const LapImport none = ReadT200Records({}, 0, T200Origin::Serial);
        QVERIFY(none.rows.empty());
        QVERIFY(none.error.contains(QStringLiteral("Read:     \t\n")));
        QVERIFY(none.error.endsWith(QStringLiteral("correct download mode")));
        // Characters that are no digits give an error, the laps before stay.
        const LapImport bad = ReadT200Records({header, QStringLiteral("a"), QStringLiteral("b"),
                                               QStringLiteral("0001,00,01,05,23"),
                                               QStringLiteral("0002,00,0x,05,23"), QStringLiteral("END")},
                                              0, T200Origin::Serial);
        QCOMPARE(RowsText(bad), QStringLiteral("1:05.230"));
        QCOMPARE(bad.error, QStringLiteral("Bad format of time! (0002,00,0x,05,23)"));
    }

    void LoggerTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms");
        QTest::newRow("minutes, seconds, hundredths") << "1:05.23\t" << 65230;
        QTest::newRow("tenths") << "58.3\t" << 58300;
        QTest::newRow("whole seconds") << "59\t" << 59000;
        QTest::newRow("thousandths rounded to hundredths") << "1:02.346\t" << 62350;
        QTest::newRow("halves to even") << "1.125\t" << 1120;
        QTest::newRow("four decimals use the first three") << "1.2345\t" << 1230;
        QTest::newRow("comma as decimal point") << "7,5\r" << 7500;
        QTest::newRow("no terminator ignores the fraction") << "1:05.23" << 65000;
        QTest::newRow("garbage") << "abc\t" << 0;
    }
    void LoggerTime() {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QCOMPARE(ParseLoggerTime(text), std::optional<qint32>(ms));
    }

    void LoggerTimeBeyond32BitsIsRefused() {
        QCOMPARE(ParseLoggerTime(QStringLiteral("99999999:00.0\t")), std::nullopt);
        QCOMPARE(ParseLoggerTime(QStringLiteral("3000000\t")), std::nullopt);
    }

    void EntryTimeTextReadsBack_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("below a minute") << qint64(58250) << "58.250";
        QTest::newRow("minutes") << qint64(65300) << "1:05.300";
        QTest::newRow("beyond an hour") << qint64(75 * 60000 + 2050) << "75:02.050";
        QTest::newRow("beyond a day") << qint64(25LL * 3600000 + 1) << "1500:00.001";
    }
    void EntryTimeTextReadsBack() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(EntryTimeText(ms), text);
    }

    void UltralapSessionsAndLaps() {
        const QStringList lines = Lines(QStringLiteral("ultralap.csv"));
        const std::vector<UltralapSession> sessions = UltralapSessions(lines);
        QCOMPARE(sessions.size(), size_t(2)); // the run with ID "x" is no session
        QCOMPARE(sessions[0].id, QStringLiteral("12"));
        QCOMPARE(sessions[0].driver, QStringLiteral("Anna"));
        QCOMPARE(sessions[0].dateTime, QStringLiteral("2024-03-14 10:00"));
        QCOMPARE(sessions[0].track, QStringLiteral("Ring"));
        QCOMPARE(sessions[0].laps, QStringLiteral("3"));
        QCOMPARE(sessions[0].bestLap, QStringLiteral("1:05.200"));
        QCOMPARE(sessions[1].bestLap, QStringLiteral("1:07.000"));
        // Both checked: the second session's laps follow the first's; laps marked "S" are skipped.
        QCOMPARE(RowsText(ReadUltralap(lines, {QStringLiteral("12"), QStringLiteral("13")}, 0)),
                 QStringLiteral("1:05.200 ; 1:06.300 ; 1:08.000 ; 1:07.000"));
        const LapImport withSplits = ReadUltralap(lines, {QStringLiteral("12")}, 1);
        QVERIFY(withSplits.rows.empty());
        QCOMPARE(withSplits.error, QStringLiteral("Cannot handle split times yet!"));
    }

    void CsvRecords() {
        QCOMPARE(SplitCsvRecord(QStringLiteral("\"a, b\",,\"say \"\"hi\"\"\",x")),
                 (QStringList{QStringLiteral("a, b"), QString(), QStringLiteral("say \"hi\""),
                              QStringLiteral("x")}));
    }
};

QTEST_GUILESS_MAIN(TestLoggerReaders)
#include "tst_logger_readers.moc"
