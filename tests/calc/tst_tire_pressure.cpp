// The tire pressure guru's suggestion, a wheel's pressure increase and its circumference change.
#include "calc/tire_pressure.h"
#include "storage/number_format.h"

#include <QTest>

class TestTirePressure : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void suggestion_data() {
        QTest::addColumn<QStringList>("references"); // cold temp, cold pressure, hot temp, hot pressure
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("suggestion"); // "-" for none
        const QStringList line = {"20", "1.80", "60", "2.00"};
        QTest::newRow("between the readings") << line << "40"
                                              << "1.9";
        QTest::newRow("beyond the hot reading") << line << "80"
                                                << "2.1";
        QTest::newRow("below the cold reading") << line << "0"
                                                << "1.7";
        QTest::newRow("decimal comma") << QStringList{"20", "1,80", "60", "2,00"} << "40,0"
                                       << "1.9";
        QTest::newRow("falling line") << QStringList{"60", "2.00", "20", "1.80"} << "40"
                                      << "1.9";
        QTest::newRow("equal reference temperatures") << QStringList{"20", "1.80", "20", "2.00"} << "40"
                                                      << "-";
        QTest::newRow("temperature not a number") << line << "warm"
                                                  << "-";
        QTest::newRow("reference missing") << QStringList{"20", "", "60", "2.00"} << "40"
                                           << "-";
    }
    void suggestion() {
        QFETCH(QStringList, references);
        QFETCH(QString, temperature);
        QFETCH(QString, suggestion);
        const TirePressureReferences refs{references[0], references[1], references[2], references[3]};
        const std::optional<QString> result = SuggestColdPressure(refs, temperature);
        QCOMPARE(result.value_or(QStringLiteral("-")), suggestion);
    }

    // The guru keeps its last suggestion when the next temperature gives none; reference edits mark it
    // changed without recomputing, and showing it clears the mark.
    void guruKeepsItsSuggestion() {
        TirePressureGuruModel guru;
        guru.SetSettings({"20", "1.80", "60", "2.00"});
        QVERIFY(!guru.IsChanged());
        guru.SetTemperature("40");
        QCOMPARE(guru.Suggestion(), "1.9");
        guru.SetTemperature("hot");
        QCOMPARE(guru.Suggestion(), "1.9");
        guru.SetReferences({"20", "1.80", "20", "2.00"});
        QVERIFY(guru.FormClose());
        QCOMPARE(guru.Suggestion(), "1.9");
        guru.SetTemperature("80");
        QCOMPARE(guru.Suggestion(), "1.9"); // equal temperatures: nothing divided, nothing changed
        guru.SetReferences({"20", "1.80", "60", "2.00"});
        guru.SetTemperature("80");
        QCOMPARE(guru.Suggestion(), "2.1");
        guru.TirePressureGuruMenuItemClick();
        QVERIFY(!guru.FormClose());
    }

    void increase_data() {
        QTest::addColumn<QString>("cold");
        QTest::addColumn<QString>("hot");
        QTest::addColumn<QString>("increase");
        QTest::newRow("rise") << "1.8"
                              << "2.0"
                              << "11%";
        QTest::newRow("fall") << "2.0"
                              << "1.9"
                              << "-5%";
        QTest::newRow("half rounds to even") << "8"
                                             << "8.2"
                                             << "2%"; // 2.5 %
        QTest::newRow("cold 0") << "0"
                                << "2.0"
                                << "";
        QTest::newRow("cold negative") << "-1"
                                       << "2.0"
                                       << "";
        QTest::newRow("no cold yet") << ""
                                     << "2.0"
                                     << "";
        QTest::newRow("hot not a number") << "1.8"
                                          << "n/a"
                                          << "";
    }
    void increase() {
        QFETCH(QString, cold);
        QFETCH(QString, hot);
        QFETCH(QString, increase);
        QCOMPARE(PressureIncreaseText(cold, hot), increase);
    }

    void circumference_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("percent");
        QTest::newRow("shrunk") << "1850"
                                << "1822"
                                << "-28.0"
                                << "-1.5%";
        QTest::newRow("grown") << "1800"
                               << "1809"
                               << "9.0"
                               << "0.5%";
        QTest::newRow("no after") << "1850"
                                  << ""
                                  << ""
                                  << "";
        QTest::newRow("before 0") << "0"
                                  << "1822"
                                  << ""
                                  << "";
        QTest::newRow("before not a number") << "big"
                                             << "1822"
                                             << ""
                                             << "";
    }
    void circumference() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, difference);
        QFETCH(QString, percent);
        const CircumferenceChange change = CircumferenceDifference(before, after);
        QCOMPARE(change.difference, difference);
        QCOMPARE(change.percent, percent);
    }
};

QTEST_GUILESS_MAIN(TestTirePressure)
#include "tst_tire_pressure.moc"
