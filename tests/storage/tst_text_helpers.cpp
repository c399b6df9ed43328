#include "storage/file_names.h"
#include "storage/html_text.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"
#include "storage/units.h"
#include "storage/vehicle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextHelpers : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cleanup() { SetDecimalSeparator(u'.'); }

    void fillReplacesPlaceholdersInOrder() {
        QCOMPARE(Fill("Unsaved %s changes exists, save now?", "Session"),
                 QString("Unsaved Session changes exists, save now?"));
        QCOMPARE(Fill("%s of %d (100%%)", QStringList{"3", "7"}), QString("3 of 7 (100%)"));
        QCOMPARE(Fill("%s and %s", QStringList{"one"}), QString("one and %s"));
        QCOMPARE(Translate("Not in any catalogue"), QString("Not in any catalogue"));
    }

    void cleanFileName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clean");
        QTest::newRow("colon and slash") << "Rd 1: A/B"
                                         << "Rd 1- A_B";
        QTest::newRow("nordic letters") << QString::fromUtf8("ÅåÄäÖö") << "aaaaoo";
        QTest::newRow("reserved") << "a\\b*c\"d?e|f"
                                  << "a_b_c_d_e_f";
    }
    void cleanFileName() {
        QFETCH(QString, text);
        QFETCH(QString, clean);
        QCOMPARE(CleanFileName(text), clean);
    }

    void safeFileNameIsOneComponent_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("safe");
        QTest::newRow("parent") << ".."
                                << "_..";
        QTest::newRow("dot") << "."
                             << "_.";
        QTest::newRow("empty") << ""
                               << "_";
        QTest::newRow("path") << "../../etc/passwd"
                              << ".._.._etc_passwd";
        QTest::newRow("control") << "a\nb"
                                 << "a_b";
        QTest::newRow("ordinary") << "Monza 2008-05-01"
                                  << "Monza 2008-05-01";
    }
    void safeFileNameIsOneComponent() {
        QFETCH(QString, text);
        QFETCH(QString, safe);
        QCOMPARE(SafeFileName(text), safe);
    }

    // A name typed in a save dialog without the filter's extension would be saved where neither the
    // archive nor the open dialog finds it.
    void saveDialogAddsTheFiltersExtension_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("saved");
        const QString sessions = "Session files (*.ses)";
        QTest::newRow("no extension") << "/d/Sessions/first" << sessions << "/d/Sessions/first.ses";
        QTest::newRow("has it") << "/d/Sessions/first.ses" << sessions << "/d/Sessions/first.ses";
        QTest::newRow("other letter case") << "/d/Sessions/FIRST.SES" << sessions << "/d/Sessions/FIRST.SES";
        QTest::newRow("dot of a time") << "/d/Monza 14.32" << sessions << "/d/Monza 14.32.ses";
        QTest::newRow("final dot") << "/d/first." << sessions << "/d/first.ses";
        QTest::newRow("folder with a dot") << "/d/v1.2/first" << sessions << "/d/v1.2/first.ses";
        QTest::newRow("setup") << "/d/Setups/wet"
                               << "Setup files (*.set)"
                               << "/d/Setups/wet.set";
        QTest::newRow("first of two patterns") << "/d/logo"
                                               << "Pictures (*.jpg *.jpeg)"
                                               << "/d/logo.jpg";
        QTest::newRow("second pattern present") << "/d/logo.jpeg"
                                                << "Pictures (*.jpg *.jpeg)"
                                                << "/d/logo.jpeg";
        QTest::newRow("first filter of a list") << "/d/a"
                                                << "Sessions (*.ses);;All files (*)"
                                                << "/d/a.ses";
        QTest::newRow("all files") << "/d/a"
                                   << "All files (*)"
                                   << "/d/a";
        QTest::newRow("no filter") << "/d/a"
                                   << ""
                                   << "/d/a";
    }
    void saveDialogAddsTheFiltersExtension() {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, saved);
        QCOMPARE(WithFilterExtension(typed, filter), saved);
    }

    void htmlTexts() {
        QCOMPARE(HtmlColor(0x999966), QString("#669999"));
        QCOMPARE(HtmlColor(0x0000FF), QString("#FF0000"));
        QCOMPARE(LineBreaksToHtml("a\r\nb\nc"), QString("a<BR>b\nc"));
    }

    void linkifyWrapsEachAddressOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        const auto a = [](const QString& link) { return "<a href=\"" + link + "\">" + link + "</a>"; };
        QTest::newRow("none") << "no link here"
                              << "no link here";
        QTest::newRow("one") << "see http://x.org now"
                             << "see " + a("http://x.org") + " now";
        QTest::newRow("ends at CR") << "http://x.org\r\nnext" << a("http://x.org") + "\r\nnext";
        QTest::newRow("distinct") << "http://a.org http://b.org"
                                  << a("http://a.org") + " " + a("http://b.org");
        QTest::newRow("twice") << "http://a.org and http://a.org"
                               << a("http://a.org") + " and " + a("http://a.org");
        QTest::newRow("prefix of another")
            << "http://a.org http://a.org/x" << a("http://a.org") + " " + a("http://a.org/x");
    }
    void linkifyWrapsEachAddressOnce() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(LinkifyText(text), html);
    }

    void dirtyMarksAndFields() {
        QCOMPARE(AddDirtyMark("Session"), QString("Session*"));
        QCOMPARE(AddDirtyMark("Session*"), QString("Session*"));
        QCOMPARE(RemoveDirtyMark("Session*"), QString("Session"));
        QCOMPARE(RemoveDirtyMark("Session"), QString("Session"));
        QCOMPARE(FieldOf("a; b ;c", 1, u';'), QString("b"));
        QCOMPARE(FieldOf("a;b", 5, u';'), QString());
        QCOMPARE(CountChar("a.b.c", u'.'), 2);
        QCOMPARE(TrimControl(QString("\t\x01 ab c \r\n")), QString("ab c"));
    }

    void compareCellValues_data() {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<int>("ascending");
        QTest::newRow("numbers, not texts") << "9"
                                            << "10" << -1;
        QTest::newRow("comma number") << "1,5"
                                      << "1.25" << 1;
        QTest::newRow("equal numbers") << "2"
                                       << "2.0" << 0;
        QTest::newRow("texts") << "Monza"
                               << "Assen" << 1;
        QTest::newRow("trimmed texts") << " a"
                                       << "a" << 0;
        QTest::newRow("number and text") << "5"
                                         << "five" << -1;
    }
    void compareCellValues() {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(int, ascending);
        QCOMPARE(CompareCellValues(x, y, false), ascending);
        QCOMPARE(CompareCellValues(x, y, true), -ascending);
    }

    void conversions_data() {
        QTest::addColumn<bool>("volume");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("precise");
        QTest::newRow("m to miles") << false << 1 << "1609"
                                    << "1.000"
                                    << "1";
        QTest::newRow("miles to m") << false << 2 << "1,5"
                                    << "2413.5"
                                    << "2413.5";
        QTest::newRow("mm to in") << false << 3 << "25.4"
                                  << "1.000"
                                  << "1";
        QTest::newRow("in to mm") << false << 4 << "2"
                                  << "50.80"
                                  << "50.8";
        QTest::newRow("m to ft") << false << 5 << "1"
                                 << "3.28"
                                 << "3.27868852459016";
        QTest::newRow("ft to m") << false << 6 << "10"
                                 << "3.05"
                                 << "3.05";
        QTest::newRow("km to miles") << false << 7 << "100"
                                     << "62.150"
                                     << "62.1504039776259";
        QTest::newRow("miles to km") << false << 8 << "60"
                                     << "96.5"
                                     << "96.54";
        QTest::newRow("not a number") << false << 1 << "far"
                                      << "far"
                                      << "far";
        QTest::newRow("empty") << false << 1 << ""
                               << ""
                               << "";
        QTest::newRow("l to US gal") << true << 1 << "3.785"
                                     << "1.0000"
                                     << "1";
        QTest::newRow("l to imp gal") << true << 2 << "10"
                                      << "2.1997"
                                      << "2.1997360316762";
        QTest::newRow("imp gal to l") << true << 3 << "1"
                                      << "4.546"
                                      << "4.546";
        QTest::newRow("US gal to l") << true << 4 << "10"
                                     << "37.850"
                                     << "37.85";
        QTest::newRow("imp to US") << true << 5 << "1"
                                   << "1.2011"
                                   << "1.20105680317041";
        QTest::newRow("US to imp") << true << 6 << "1"
                                   << "0.8326"
                                   << "0.832600087989441";
    }
    void conversions() {
        QFETCH(bool, volume);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, precise);
        const auto convert = volume ? ConvertVolume : ConvertDistance;
        QCOMPARE(convert(kind, text, false), shown);
        QCOMPARE(convert(kind, text, true), precise);
    }

    void unknownConversionIsAProgrammingError() {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ConvertDistance(9, "1", false));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ConvertVolume(0, "1", false));
    }

    void airDensity_data() {
        QTest::addColumn<QString>("temperatureUnit");
        QTest::addColumn<QString>("pressureUnit");
        QTest::addColumn<double>("humidity");
        QTest::addColumn<double>("pressure");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<QString>("density");
        QTest::newRow("standard") << "Celsius"
                                  << "mbar" << 0.0 << 1013.25 << 15.0 << "1.2250";
        QTest::newRow("fahrenheit") << "FAHRENHEIT"
                                    << "mbar" << 0.0 << 1013.25 << 59.0 << "1.2250";
        QTest::newRow("in Hg") << "Celsius"
                               << "in Hg" << 0.0 << 28.0 << 15.0 << "1.1463";
        QTest::newRow("mm Hg") << "Celsius"
                               << "mm Hg" << 0.0 << 700.0 << 15.0 << "1.1283";
        QTest::newRow("humid air is lighter") << "Celsius"
                                              << "mbar" << 100.0 << 1013.25 << 30.0 << "1.1460";
    }
    void airDensity() {
        QFETCH(QString, temperatureUnit);
        QFETCH(QString, pressureUnit);
        QFETCH(double, humidity);
        QFETCH(double, pressure);
        QFETCH(double, temperature);
        QFETCH(QString, density);
        QCOMPARE(FormatPattern(AirDensity(temperatureUnit, pressureUnit, humidity, pressure, temperature),
                               "0.0000"),
                 density);
    }

    void vehicles() {
        QCOMPARE(VehicleDisplayName("mc"), QString("motorcycle"));
        QCOMPARE(VehicleDisplayName("gokart"), QString("kart"));
        QCOMPARE(VehicleDisplayName("null"), QString("<none>"));
        QCOMPARE(VehicleFromCode("CAR"), VehicleType::Car);
        QCOMPARE(VehicleFromCode(""), VehicleType::Motorcycle);
        QCOMPARE(VehicleCode(VehicleType::Sidecar), QString("sidecar"));
        QCOMPARE(VehicleCode(VehicleType::None), QString("null"));
    }

    void listFilesRecursiveGoesDepthFirst() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("Monza/old"));
        for (const char* name : {"b.ses", "a.SES", "notes.txt", "Monza/c.ses", "Monza/old/d.ses"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList list;
        ListFilesRecursive(dir.path(), "*.ses", list);
        const QString root = dir.path() + "/";
        QCOMPARE(list, (QStringList{root + "a.SES", root + "b.ses", root + "Monza/c.ses",
                                    root + "Monza/old/d.ses"}));
    }
};

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_text_helpers.moc"
