// Sessions side by side: the rows each vehicle type compares, the values of the special row kinds, the
// pruning of empty and identical rows, and files that cannot be read.
#include "archive/session_compare.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray Session(const QByteArray& conditions, const QByteArray& more = {}) {
    return "[information]\r\nvehicle=mc;\r\n[conditions]\r\ntrack=North Loop;\r\n" + conditions +
           "[lap_times]\r\nsplits_per_lap=0;\r\ndriver1_name=Anna;\r\ndriver1_split_times=61000,60500;\r\n" +
           more;
}

// The row of the title, or -1.
int RowOf(const CompareResult& result, const QString& title) {
    return int(result.titles.indexOf(title));
}

} // namespace

class TestSessionCompare : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void catalogueFollowsTheVehicleType_data() {
        QTest::addColumn<QString>("vehicle");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("motorcycle") << "mc"
                                    << QStringList{"Front tire temp (L)", "Rear tire ID", "Fork ID",
                                                   "Fork compression stack 1", "Shock IFP position"}
                                    << QStringList{"Front tire circ.",       "Side tire ID", "Side brakes",
                                                   "FL tire pressure (hot)", "Side toe-in",  "Ballast"};
        QTest::newRow("sidecar") << "sidecar"
                                 << QStringList{"Side tire ID", "Side brakes", "Side toe-in", "Side toe-out",
                                                "Side tire temp (R)"}
                                 << QStringList{"Side tire circ.", "FL camber"};
        QTest::newRow("kart") << "gokart" << QStringList{"FL tire circ.", "RR tire temp (I)", "FL camber",
                                                         "Rear toe-out",  "Axle stiffness",   "Seat position",
                                                         "Rear diffuser"}
                              << QStringList{"Fork ID", "Front tire ID", "FL spring", "Front roll-bar"};
        QTest::newRow("car") << "car" << QStringList{"RR tire circ.", "FL spring",
                                                     "RR toe-out",    "Front spring preload",
                                                     "Rear roll-bar", "Front brake bias",
                                                     "FL Weight"}
                             << QStringList{"Fork ID", "Axle stiffness", "Caster"};
    }
    void catalogueFollowsTheVehicleType() {
        QFETCH(QString, vehicle);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        CompareOptions options;
        options.vehicleCode = vehicle;
        const QStringList titles = CompareRowTitles(CompareRowCatalogue(options));
        QCOMPARE(titles.first(), "Session name");
        for (const QString& title : present)
            QVERIFY2(titles.contains(title), qPrintable(title));
        for (const QString& title : absent)
            QVERIFY2(!titles.contains(title), qPrintable(title));
        // Titles repeat (two final gears, one clip title per cylinder): rows line up by position.
        QCOMPARE(titles.count("Final gear"), 2);
        QCOMPARE(titles.count("Needle clip pos"), 5);
        QVERIFY(titles.indexOf("Laps") < titles.indexOf("Frame"));
    }

    void optionsLeaveOutWholeGroups() {
        CompareOptions options;
        options.includeSetup = false;
        QStringList titles = CompareRowTitles(CompareRowCatalogue(options));
        QVERIFY(titles.contains("Track temp."));
        QVERIFY(!titles.contains("Frame"));
        options.includeSession = false;
        titles = CompareRowTitles(CompareRowCatalogue(options));
        QCOMPARE(titles, QStringList{"Session name"});
    }

    void differingRowsOnlyWhenIdenticalAreHidden() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.ses"), b = dir.filePath("b.ses");
        QVERIFY(WriteText(a, Session("track_temperature=30;\r\n")));
        QVERIFY(WriteText(b, Session("track_temperature=31;\r\n")));
        CompareOptions options;
        CompareResult result = CompareSessions({a, b}, options);
        QCOMPARE(result.files, (QStringList{"a.ses", "b.ses"}));
        QCOMPARE(result.titles, QStringList{"Track temp."});
        QCOMPARE(result.values.front(), (QStringList{"30", "31"}));

        // Without hiding, every row with a value somewhere, gear rows "(/)" included.
        options.hideIdentical = false;
        result = CompareSessions({a, b}, options);
        QVERIFY(RowOf(result, "Track") >= 0);
        QCOMPARE(result.values[std::size_t(RowOf(result, "Laps"))], (QStringList{"2", "2"}));
        QCOMPARE(result.values[std::size_t(RowOf(result, "Best laptime"))],
                 (QStringList{"1:00.500", "1:00.500"}));
        QCOMPARE(result.values[std::size_t(RowOf(result, "Second gear"))], (QStringList{"(/)", "(/)"}));
        QCOMPARE(RowOf(result, "Frame"), -1); // empty in every session
        QVERIFY(result.errors.isEmpty());
    }

    void specialRowKinds() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.ses");
        QVERIFY(
            WriteText(a, Session("temperature=15;\r\nbarometric_pressure=1013.25;\r\nhumidity=0;\r\n"
                                 "amount_fuel=10;\r\n",
                                 "[gearing]\r\ninput_first_gear=13;\r\noutput_first_gear=32;\r\n"
                                 "symbol_first_gear=2;\r\ninput_second_gear=15;\r\noutput_second_gear=30;\r\n"
                                 "countershaft=14;\r\nrear_sprocket=40;\r\ntire_circumference=1900;\r\n"
                                 "[suspension_front]\r\ncompression_shim_stack_1=list_begin;\r\n"
                                 "20x0.10\r\n18 x 0.15\r\ncompression_shim_stack_1=list_end;\r\n")));
        CompareOptions options;
        options.includeSession = true;
        options.volumeUnit = "gallons (US)";
        options.miles = true;
        const auto rows = CompareRowCatalogue(options);
        const CompareRowValues values = ReadCompareRowValues(a, rows, options);
        QVERIFY(values.ok);
        const QStringList titles = CompareRowTitles(rows);
        const auto value = [&](const char* title) { return values.values.at(titles.indexOf(title)); };
        QCOMPARE(value("Session name"), "a.ses");
        QCOMPARE(value("First gear"), "2 (13/32)");
        QCOMPARE(value("Second gear"), "(15/30)");
        QCOMPARE(values.values.at(titles.indexOf("Final gear")), "(14/40)");
        QCOMPARE(values.values.at(titles.lastIndexOf("Final gear")), "(/)");
        QCOMPARE(value("Fork compression stack 1"), "20x0.10,\"18 x 0.15\"");
        QCOMPARE(value("Fork compression stack 2"), "");
        QCOMPARE(value("AD"), "1.225");
        QCOMPARE(value("RAD"), "100.0");
        QVERIFY(value("Amount fuel") != "10"); // converted to US gallons
        QVERIFY(value("Drive tire circ.") != "1900");
    }

    void unreadableSessionsGiveAnEmptyColumn() {
        QTemporaryDir dir;
        const QString a = dir.filePath("a.ses"), corrupt = dir.filePath("corrupt.ses");
        QVERIFY(WriteText(a, Session("track_temperature=30;\r\n")));
        QVERIFY(WriteText(corrupt,
                          "[lap_times]\r\ndriver1_split_times=61000,x;\r\n[conditions]\r\ntrack=Q;\r\n"));
        CompareOptions options;
        options.hideIdentical = false;
        QStringList shown;
        const CompareResult result = CompareSessions(
            {a, dir.filePath("gone.ses"), corrupt}, options,
            [&shown](const QString& text, int percent) { shown << text + ' ' + QString::number(percent); });
        QCOMPARE(result.files, (QStringList{"a.ses", "gone.ses", "corrupt.ses"}));
        QCOMPARE(result.errors.size(), 2);
        const int track = RowOf(result, "Track");
        QCOMPARE(result.values[std::size_t(track)], (QStringList{"North Loop", "", ""}));
        QVERIFY(shown.contains("Storing titles... 0"));
        QVERIFY(shown.contains("gone.ses... 50"));
        QVERIFY(shown.contains("corrupt.ses... 100"));
    }

    void singleStepsNeverDivideByZero() {
        QCOMPARE(StepPercent(0, 1), 100);
        QCOMPARE(StepPercent(0, 0), 100);
        QCOMPARE(StepPercent(1, 3), 50);
        CompareOptions options;
        options.includeSession = false;
        options.includeSetup = false;
        QTemporaryDir dir;
        QVERIFY(WriteText(dir.filePath("a.ses"), Session("")));
        const CompareResult result =
            CompareSessions({dir.filePath("a.ses")}, options,
                            [](const QString&, int percent) { QVERIFY(percent >= 0 && percent <= 100); });
        QCOMPARE(result.files, QStringList{"a.ses"});
        QCOMPARE(result.RowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSessionCompare)
#include "tst_session_compare.moc"
