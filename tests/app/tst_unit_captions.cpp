// Unit systems: derived units, unit captions and the conversion of shown values.
#include "app/unit_captions.h"

#include "storage/number_format.h"

#include <QTest>

namespace {
// A shown text field whose edits mark an area changed, as an edit box of a page would.
struct ShownField {
    QString text;
    int writes = 0;
    ChangeTracker* tracker = nullptr;
    Area area = Area::Tracks;
    UnitCaptions::Getter Getter() {
        return [this] { return text; };
    }
    UnitCaptions::Setter Setter() {
        return [this](const QString& t) {
            text = t;
            ++writes;
            if (tracker) tracker->MarkChanged(area);
        };
    }
};
} // namespace

class TstUnitCaptions : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void derivedUnits_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("volume");
        QTest::newRow("metric") << "Metric"
                                << "metres"
                                << "km/h"
                                << "litres";
        QTest::newRow("us") << "US Standard"
                            << "miles"
                            << "mph"
                            << "gallons (US)";
        QTest::newRow("imperial") << "Imperial Standard"
                                  << "miles"
                                  << "mph"
                                  << "gallons (Imperial)";
        QTest::newRow("unknown") << "us standard"
                                 << "metres"
                                 << "km/h"
                                 << "litres";
    }
    void derivedUnits() {
        QFETCH(QString, system);
        UnitCaptions units;
        units.ApplyUnitSystem(system);
        QTEST(units.Units().distance, "distance");
        QTEST(units.Units().speed, "speed");
        QTEST(units.Units().volume, "volume");
    }

    void trackLengthToMilesAndBackWithoutMarkingChanged() {
        ChangeTracker tracker;
        UnitCaptions units(&tracker);
        Connections keep;
        ShownField length{"1609", 0, &tracker, Area::Tracks};
        ShownField altitude{"", 0, &tracker, Area::Tracks};
        ShownField mileage{"123.4", 0, &tracker, Area::Setup};
        QString caption;
        int redraws = 0;
        keep +=
            units.AddDistanceCaption("Length [m]", "Length [miles]", [&](const QString& t) { caption = t; });
        keep += units.AddDistanceField(DistanceKind::TrackLength, length.Getter(), length.Setter());
        keep += units.AddDistanceField(DistanceKind::Feet, altitude.Getter(), altitude.Setter());
        keep += units.AddDistanceField(DistanceKind::Kilometres, mileage.Getter(), mileage.Setter());
        keep += units.distanceConverted.Connect([&] { ++redraws; });
        tracker.SessionIsDirty(); // changed before: stays changed

        units.ApplyUnitSystem(Unit::USStandard);
        units.ApplyDistanceUnit(Unit::Metres);
        QCOMPARE(length.text, QStringLiteral("1.000"));
        QCOMPARE(caption, QStringLiteral("Length [miles]"));
        QCOMPARE(mileage.text, QStringLiteral("76.694"));
        QCOMPARE(altitude.writes, 0); // an empty field is left alone
        QVERIFY(!tracker.IsChanged(Area::Tracks));
        QVERIFY(!tracker.IsChanged(Area::Setup));
        QVERIFY(tracker.IsChanged(Area::Session));
        QCOMPARE(redraws, 1);

        // US to Imperial: the distance unit stays, nothing is converted.
        units.ApplyUnitSystem(Unit::ImperialStandard);
        units.ApplyDistanceUnit(Unit::Miles);
        QCOMPARE(length.writes, 1);
        QCOMPARE(redraws, 1);

        units.ApplyUnitSystem(Unit::Metric);
        units.ApplyDistanceUnit(Unit::Miles);
        QCOMPARE(length.text, QStringLiteral("1609.0"));
        QCOMPARE(mileage.text, QStringLiteral("123.4"));
        QCOMPARE(caption, QStringLiteral("Length [m]"));
        QVERIFY(!tracker.IsChanged(Area::Tracks));
        tracker.TracksIsDirty(); // edits after the conversion count again
        QVERIFY(tracker.IsChanged(Area::Tracks));
    }

    void distanceRoundTrip_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("metric");
        QTest::addColumn<double>("tolerance"); // what the shorter of the two formats can hold
        QTest::newRow("track length") << int(DistanceKind::TrackLength) << "4318" << 1609 * 0.0005 + 0.05;
        QTest::newRow("feet") << int(DistanceKind::Feet) << "12.5" << 0.305 * 0.005 + 0.005;
        QTest::newRow("millimetres") << int(DistanceKind::Millimetres) << "1885" << 25.4 * 0.0005 + 0.005;
        QTest::newRow("kilometres") << int(DistanceKind::Kilometres) << "1234.5" << 1.609 * 0.0005 + 0.05;
        QTest::newRow("not a number") << int(DistanceKind::Feet) << "n/a" << 0.0;
    }
    void distanceRoundTrip() {
        QFETCH(int, kind);
        QFETCH(QString, metric);
        QFETCH(double, tolerance);
        UnitCaptions units;
        ShownField field{metric};
        Connections keep;
        keep += units.AddDistanceField(static_cast<DistanceKind>(kind), field.Getter(), field.Setter());
        units.ApplyUnitSystem(Unit::USStandard);
        units.ApplyDistanceUnit(Unit::Metres);
        units.ApplyUnitSystem(Unit::Metric);
        units.ApplyDistanceUnit(Unit::Miles);
        if (!IsDecimalText(metric)) {
            QCOMPARE(field.text, metric);
            return;
        }
        QVERIFY2(qAbs(*ParseDecimal(field.text) - *ParseDecimal(metric)) <= tolerance,
                 qPrintable(field.text));
    }

    void volumeUnits() {
        ChangeTracker tracker;
        UnitCaptions units(&tracker);
        Connections keep;
        ShownField fuel{"45", 0, &tracker, Area::Session};
        QString storedPerLap = "2.5";
        QString shownPerLap, caption;
        int recomputed = 0;
        keep += units.AddVolumeField(fuel.Getter(), fuel.Setter());
        keep += units.AddStoredVolumeField([&] { return storedPerLap; },
                                           [&](const QString& t) { shownPerLap = t; });
        keep += units.AddVolumeCaption("Litres/lap", "Gallons/lap", [&](const QString& t) { caption = t; });
        keep += units.volumeApplied.Connect([&] { ++recomputed; });

        units.ApplyUnitSystem(Unit::Metric);
        units.ApplyVolumeUnit(Unit::Litres); // start-up: files hold litres
        QCOMPARE(fuel.writes, 0);
        QCOMPARE(shownPerLap, QStringLiteral("2.5"));
        QCOMPARE(caption, QStringLiteral("Litres/lap"));

        units.ApplyUnitSystem(Unit::USStandard);
        units.ApplyVolumeUnit(Unit::Litres);
        QCOMPARE(fuel.text, QStringLiteral("11.8890"));
        QCOMPARE(shownPerLap, QStringLiteral("0.6605"));
        QCOMPARE(caption, QStringLiteral("Gallons/lap"));

        units.ApplyUnitSystem(Unit::ImperialStandard);
        units.ApplyVolumeUnit(Unit::GallonsUS);
        QCOMPARE(fuel.text, QStringLiteral("9.8988"));
        QCOMPARE(shownPerLap, QStringLiteral("0.5499"));

        units.ApplyUnitSystem(Unit::Metric);
        units.ApplyVolumeUnit(Unit::GallonsImperial);
        QCOMPARE(fuel.text, QStringLiteral("45.000"));
        QCOMPARE(shownPerLap, QStringLiteral("2.5"));
        QCOMPARE(recomputed, 4);
        QVERIFY(!tracker.IsChanged(Area::Session));
    }

    void volumeKinds() {
        QCOMPARE(VolumeConversionKind(Unit::Litres, Unit::GallonsUS), 1);
        QCOMPARE(VolumeConversionKind(Unit::GallonsImperial, Unit::GallonsUS), 5);
        QCOMPARE(VolumeConversionKind(Unit::GallonsUS, Unit::GallonsImperial), 6);
        QCOMPARE(VolumeConversionKind(Unit::Litres, Unit::Litres), 0);
    }
};

QTEST_GUILESS_MAIN(TstUnitCaptions)
#include "tst_unit_captions.moc"
