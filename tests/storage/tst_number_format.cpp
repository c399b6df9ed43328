#include "storage/number_format.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

class TestNumberFormat : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cleanup() { SetDecimalSeparator(u'.'); }

    void parseDecimalAcceptsEitherSeparator_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        for (const QString& sep : {QStringLiteral("."), QStringLiteral(",")}) {
            const QByteArray s = sep.toLatin1();
            QTest::newRow(s + " point") << sep << "1.5" << true << 1.5;
            QTest::newRow(s + " comma") << sep << "1,5" << true << 1.5;
            QTest::newRow(s + " two points") << sep << "1.5.2" << false << 0.0;
            QTest::newRow(s + " mixed") << sep << "1,5.2" << false << 0.0;
            QTest::newRow(s + " negative") << sep << "-0,25" << true << -0.25;
            QTest::newRow(s + " exponent") << sep << "1E-5" << true << 1e-5;
            QTest::newRow(s + " blanks around") << sep << " 7 " << true << 7.0;
            QTest::newRow(s + " empty") << sep << "" << false << 0.0;
            QTest::newRow(s + " letters") << sep << "12a" << false << 0.0;
            QTest::newRow(s + " lone sign") << sep << "-" << false << 0.0;
            QTest::newRow(s + " infinity") << sep << "inf" << false << 0.0;
            QTest::newRow(s + " overflow") << sep << "1e999" << false << 0.0;
        }
    }
    void parseDecimalAcceptsEitherSeparator() {
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        SetDecimalSeparator(separator.at(0));
        const auto parsed = ParseDecimal(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok) QCOMPARE(*parsed, value);
        QCOMPARE(IsDecimalText(text), ok);
        QCOMPARE(DecimalSeparator(), separator.at(0));
    }

    // The application takes the locale from the environment; one with a decimal comma must not make
    // "1.5" read as 1. Where no such locale is installed, a German one is compiled into a temporary folder
    // from the locale sources (package locales).
    void parseDecimalIgnoresTheProcessLocale() {
        const QByteArray before = std::setlocale(LC_NUMERIC, nullptr);
        QTemporaryDir compiled;
        bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
        if (!comma && QFile::exists(QStringLiteral("/usr/share/i18n/locales/de_DE"))) {
            QProcess::execute(QStringLiteral("localedef"),
                              {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                               QStringLiteral("UTF-8"), compiled.filePath(QStringLiteral("de_DE.UTF-8"))});
            qputenv("LOCPATH", QFile::encodeName(compiled.path()));
            comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
            qunsetenv("LOCPATH");
        }
        if (!comma) QSKIP("no locale with a decimal comma could be had");
        const auto value = ParseDecimal(QStringLiteral("1.5"));
        std::setlocale(LC_NUMERIC, before.constData());
        QCOMPARE(value, std::optional<double>(1.5));
    }

    void integerText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("signs") << "-17" << true << -17;
        QTest::newRow("plus") << "+3" << true << 3;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("decimal") << "1.0" << false << 0;
        QTest::newRow("blank inside") << "1 2" << false << 0;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("huge") << "99999999999999999999" << false << 0;
    }
    void integerText() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        QCOMPARE(IsIntegerText(text), ok);
        QCOMPARE(ParseInteger(text).value_or(0), value);
    }

    void fieldChecksAcceptEmptyAndReportTheMessage() {
        QCOMPARE(CheckDecimalText(QString()), std::nullopt);
        QCOMPARE(CheckDecimalText("3,5"), std::nullopt);
        QCOMPARE(CheckDecimalText("x"), QString("Bad format, it must be a floating point value!"));
        QCOMPARE(CheckIntegerText(QString()), std::nullopt);
        QCOMPARE(CheckIntegerText("3.5"), QString("Bad format, it must be an integer!"));
    }

    void roundHalfEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("-3.5") << -3.5 << qint64(-4);
        QTest::newRow("2.51") << 2.51 << qint64(3);
        QTest::newRow("large") << 12345678.5 << qint64(12345678);
    }
    void roundHalfEven() {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    void patternRoundsTiesAwayFromZeroOnTheWrittenValue_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.675") << 2.675 << "0.00"
                               << "2.68";
        QTest::newRow("0.125") << 0.125 << "0.00"
                               << "0.13";
        QTest::newRow("1.005") << 1.005 << "0.00"
                               << "1.01";
        QTest::newRow("-0.125") << -0.125 << "0.00"
                                << "-0.13";
        QTest::newRow("0.5 whole") << 0.5 << "0"
                                   << "1";
        QTest::newRow("2.5 whole") << 2.5 << "0"
                                   << "3";
        QTest::newRow("-2.5 whole") << -2.5 << "0"
                                    << "-3";
        QTest::newRow("carry") << 9.9995 << "0.000"
                               << "10.000";
        QTest::newRow("below half") << 0.12499 << "0.00"
                                    << "0.12";
        QTest::newRow("tiny negative") << -0.001 << "0.00"
                                       << "0.00";
        QTest::newRow("zero") << 0.0 << "0.0000"
                              << "0.0000";
        QTest::newRow("padding") << 3.0 << "0.000"
                                 << "3.000";
        QTest::newRow("small tie") << 0.00005 << "0.0000"
                                   << "0.0001";
        QTest::newRow("far below") << 0.000004 << "0.0"
                                   << "0.0";
        QTest::newRow("large") << 1234567.25 << "0.0"
                               << "1234567.3";
        QTest::newRow("1e20") << 1e20 << "0"
                              << "100000000000000000000";
        QTest::newRow("one decimal") << 0.05 << "0.0"
                                     << "0.1";
        QTest::newRow("sum") << 0.1 + 0.2 << "0.0000"
                             << "0.3000";
    }
    void patternRoundsTiesAwayFromZeroOnTheWrittenValue() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QCOMPARE(FormatPattern(value, pattern), text);
    }

    void patternUsesTheUsersSeparator() {
        SetDecimalSeparator(u',');
        QCOMPARE(FormatPattern(1.25, "0.0"), QString("1,3"));
        QCOMPARE(FormatGeneral(1.5), QString("1,5"));
    }

    void generalForm_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("sum") << 0.1 + 0.2 << "0.3";
        QTest::newRow("whole") << 100.0 << "100";
        QTest::newRow("half") << 1.5 << "1.5";
        QTest::newRow("negative") << -2.25 << "-2.25";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
        QTest::newRow("sixteen digits") << 1234567890123456.0 << "1.23456789012346E15";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("small") << 0.0001 << "0.0001";
        QTest::newRow("smaller") << 0.00001 << "1E-5";
        QTest::newRow("litres") << 10 * 3.785 << "37.85";
    }
    void generalForm() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatGeneral(value), text);
        QCOMPARE(ParseDecimal(text).has_value(), true);
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
