#include "storage/date_time.h"
#include "storage/lap_time.h"

#include <QTest>

class TestTimeTexts : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void lapTimeText_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("lap");
        QTest::addColumn<QString>("elapsed");
        QTest::newRow("zero") << 0 << ""
                              << "";
        QTest::newRow("1:23.456") << 83456 << "1:23.456"
                                  << "1:23";
        QTest::newRow("9.050") << 9050 << "9.050"
                               << "9";
        QTest::newRow("negative") << -1500 << "-1.500"
                                  << "-1";
        QTest::newRow("hours") << 3725000 << "01:02:05"
                               << "01:02:05";
        QTest::newRow("one minute") << 60000 << "1:00.000"
                                    << "1:00";
        QTest::newRow("just below") << 59999 << "59.999"
                                    << "59";
        QTest::newRow("one hour") << 3600000 << "01:00:00"
                                  << "01:00:00";
        QTest::newRow("25 hours wrap") << 90000000 << "01:00:00"
                                       << "01:00:00";
        QTest::newRow("below a second") << 400 << "0.400"
                                        << "";
        QTest::newRow("1400") << 1400 << "1.400"
                              << "1";
        QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-20:31:23"
                                  << "-20:31:23";
    }
    void lapTimeText() {
        QFETCH(int, ms);
        QFETCH(QString, lap);
        QFETCH(QString, elapsed);
        QCOMPARE(LapTimeText(ms), lap);
        QCOMPARE(ElapsedTimeText(ms), elapsed);
    }

    void parseLapTime_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ms"); // -1: empty result
        QTest::addColumn<QString>("error");
        const QString delimiters = "Bad format of time!\nYou must have 1 or 2 delimiters. (%1)";
        QTest::newRow("empty") << "" << -1 << "";
        QTest::newRow("minutes") << "1:23.456" << 83456 << "";
        QTest::newRow("seconds") << "83.456" << 83456 << "";
        QTest::newRow("comma one digit") << "83,4" << 83400 << "";
        QTest::newRow("dots as minutes") << "1.02.05" << 62050 << "";
        QTest::newRow("half") << "0.5" << 500 << "";
        QTest::newRow("hundredths") << "0.05" << 50 << "";
        QTest::newRow("thousandths") << "0.005" << 5 << "";
        QTest::newRow("four places add nothing") << "1.0005" << 1000 << "";
        QTest::newRow("empty parts") << ":.5" << 500 << "";
        QTest::newRow("leading zeros") << "00:007.1" << 7100 << "";
        QTest::newRow("three delimiters") << "1:2:3:4" << 0 << delimiters.arg("1.2.3.4");
        QTest::newRow("no delimiter") << "83" << 0 << delimiters.arg("83");
        QTest::newRow("bad seconds") << "1:x3.4" << 0 << "Bad format of time! (1.x3.4)";
        QTest::newRow("bad fraction") << "1:23.4x" << 0 << "Bad format of time! (4x)";
        QTest::newRow("signed seconds") << "-1.500" << 0 << "Bad format of time! (-1.500)";
        QTest::newRow("too long") << "99999999:00.000" << 0 << "Bad format of time! (99999999.00.000)";
    }
    void parseLapTime() {
        QFETCH(QString, text);
        QFETCH(int, ms);
        QFETCH(QString, error);
        const auto parsed = ParseLapTime(text);
        if (!error.isEmpty()) {
            QVERIFY(!parsed.has_value());
            QCOMPARE(parsed.error(), error);
            return;
        }
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->has_value(), ms >= 0);
        if (ms >= 0) QCOMPARE(**parsed, ms);
    }

    void lapTimeTextParsesBack() {
        for (const int ms : {1, 999, 1000, 59999, 60000, 83456, 3599999}) {
            const auto parsed = ParseLapTime(LapTimeText(ms));
            QVERIFY(parsed.has_value());
            QCOMPARE(**parsed, ms);
        }
    }

    void dayNumbers_data() {
        QTest::addColumn<QDateTime>("dateTime");
        QTest::addColumn<double>("dayNumber");
        QTest::addColumn<QString>("text");
        QTest::newRow("epoch") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0 << "1899-12-30";
        QTest::newRow("afternoon") << QDateTime(QDate(2008, 5, 1), QTime(14, 32))
                                   << 39569 + (14 * 60 + 32) / 1440.0 << "2008-05-01 14.32";
        QTest::newRow("midnight") << QDateTime(QDate(2008, 5, 1), QTime(0, 0)) << 39569.0 << "2008-05-01";
        QTest::newRow("one second") << QDateTime(QDate(2008, 5, 1), QTime(0, 0, 1)) << 39569 + 1 / 86400.0
                                    << "2008-05-01 00.00";
        QTest::newRow("before epoch")
            << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25 << "1899-12-29 06.00";
    }
    void dayNumbers() {
        QFETCH(QDateTime, dateTime);
        QFETCH(double, dayNumber);
        QFETCH(QString, text);
        QCOMPARE(DayNumberFromDateTime(dateTime), dayNumber);
        QCOMPARE(DateTimeFromDayNumber(dayNumber), dateTime);
        QCOMPARE(DateTimeText(dayNumber), text);
    }

    void dateAndTimeTexts() {
        const double afternoon = 39569 + (14 * 60 + 32.6) / 1440.0;
        QCOMPARE(DateText(afternoon), QString("2008-05-01"));
        QCOMPARE(TimeText(afternoon), QString("14.32"));
        QCOMPARE(ParseDateText("2008-05-01"), std::optional<double>(39569));
        QVERIFY(IsDateText("2008-5-1"));
        QVERIFY(!IsDateText("2008-02-30"));
        QVERIFY(!IsDateText("01.05.2008"));
        QVERIFY(!IsDateText(""));
    }
};

QTEST_GUILESS_MAIN(TestTimeTexts)
#include "tst_time_texts.moc"
