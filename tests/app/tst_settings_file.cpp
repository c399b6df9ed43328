#include "app/settings_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramSettings ReadText(const QString& text, QStringList* messages = nullptr) {
    TTxtParser parser([messages](const QString& m) {
        if (messages) *messages << m;
    });
    parser.OpenReadText(text);
    return ReadSettings(parser, 45000);
}

QString WrittenText(const ProgramSettings& settings, const QString& dataFolder = QDir::tempPath()) {
    TTxtParser parser;
    parser.OpenWrite(QDir(dataFolder).filePath(QStringLiteral("never-committed.ini")));
    WriteSettings(parser, settings, dataFolder);
    return parser.WrittenText();
}

// The key lines of written text, without the header line and blank lines.
QStringList BodyLines(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.removeFirst();
    return lines;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void defaultsAreWrittenInFileOrder() {
        QStringList lines = BodyLines(WrittenText(DefaultSettings(45000)));
        // Each section's list blocks follow its single keys.
        const QStringList expectedStart = {
            "[information]",
            "billing_adress=list_begin;",
            "billing_adress=list_end;",
            "delivery_adress=list_begin;",
            "delivery_adress=list_end;",
            "[general]",
            "load_last_session_at_startup=false;",
            "include_pitlaps=false;",
            "percent_for_mean=100;",
            "temperature_unit=Celsius;",
            "pressure_unit=mbar;",
            "system_unit=Metric;",
            "html_bg_color=16777215;",
            "html_table_header_color=10066278;",
            "html_table_content_color=13421772;",
            "html_text_color=0;",
            "html_font_family=Arial, Helvetica, sans-serif;",
            "html_session_max_laps_to_show=10;",
            "backup_last_date=0;",
            "backup_next_date=45000;",
            "backup_days_between_remainders=14;",
            "tirelist_last_node=0;",
            "order_free_text=list_begin;",
            "order_free_text=list_end;",
            "drivers=drivers_begin;",
            "drivers=drivers_end;",
            "recent_sessions_list=recent_sessions_list_begin;",
            "recent_sessions_list=recent_sessions_list_end;",
            "backup_filenames_list=backup_filenames_list_begin;",
            "backup_filenames_list=backup_filenames_list_end;",
            "[jetting_guru]",
            "version=1.0;",
            "method=0;",
            "jet_type_index=0;",
            "[tire_pressure_guru]",
            "[tire_print_labels]",
            "tire_print_label_width_mm=70;",
            "tire_print_label_height_mm=67.7;",
            "tire_print_label_columns=3;",
            "tire_print_label_indent_left=5;",
            "tire_print_label_indent_top=5;",
            "tire_print_label_font_size=8;",
        };
        QCOMPARE(lines, expectedStart);
    }

    void writeRuleSkipsEmptyAndFalseOnlyIfTrueKeys() {
        ProgramSettings settings = DefaultSettings(45000);
        settings.smartsaveIntoTrackfolder = true;
        settings.todoOpenAtStartup = true;
        settings.useAd = false;
        settings.nameOfUser = QStringLiteral("Team Blue");
        settings.drivers = QStringList{QStringLiteral("Anna"), QStringLiteral("Bo")};
        settings.jettingGrid[1] = {QStringLiteral("Main"), QStringLiteral("150"), QString()};
        const QStringList lines = BodyLines(WrittenText(settings));
        QVERIFY(lines.contains(QStringLiteral("smartsave_into_trackfolder=true;")));
        QVERIFY(lines.contains(QStringLiteral("todo_open_at_startup=true;")));
        QVERIFY(!lines.join(u'\n').contains(QStringLiteral("use_ad")));
        QVERIFY(!lines.join(u'\n').contains(QStringLiteral("ref_jet2-2")));
        const qsizetype at = lines.indexOf(QStringLiteral("drivers=drivers_begin;"));
        QCOMPARE(lines.mid(at, 4),
                 (QStringList{"drivers=drivers_begin;", "Anna", "Bo", "drivers=drivers_end;"}));
        QCOMPARE(lines.at(lines.indexOf(QStringLiteral("name_jet2=Main;")) + 1),
                 QStringLiteral("ref_jet2=150;"));
        QCOMPARE(lines.at(1), QStringLiteral("name_of_user=Team Blue;"));
    }

    void readingRules_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("effective");
        const QString g = QStringLiteral("[general]\r\n");
        auto row = [](const char* name, const QString& file, const char* effective) {
            QTest::newRow(name) << file << QString::fromUtf8(effective);
        };
        row("flag true", g + "include_pitlaps=true;", "general/include_pitlaps=true");
        row("flag True is false", g + "load_last_session_at_startup=True;",
            "general/load_last_session_at_startup=false");
        row("flag 1 is false", g + "use_ad=1;", "general/use_ad=false");
        row("todo false counts as true", g + "todo_open_at_startup=false;",
            "general/todo_open_at_startup=true");
        row("todo missing", g, "general/todo_open_at_startup=false");
        row("integer", g + "percent_for_mean=85;", "general/percent_for_mean=85");
        row("integer with decimals ignored", g + "percent_for_mean=85.5;", "general/percent_for_mean=100");
        row("integer text ignored", g + "html_session_max_laps_to_show=ten;",
            "general/html_session_max_laps_to_show=10");
        row("colour integer", g + "html_text_color=255;", "general/html_text_color=255");
        row("colour hex ignored", g + "html_bg_color=0xFF;", "general/html_bg_color=16777215");
        row("decimal with comma", g + "backup_last_date=45001,25;", "general/backup_last_date=45001.25");
        row("decimal unusable keeps today", g + "backup_next_date=soon;", "general/backup_next_date=45000");
        row("label decimal", "[tire_print_labels]\r\ntire_print_label_height_mm=50.5;",
            "tire_print_labels/tire_print_label_height_mm=50.5");
        row("label decimal unusable", "[tire_print_labels]\r\ntire_print_label_width_mm=7x;",
            "tire_print_labels/tire_print_label_width_mm=70");
        row("fuel field decimal kept as typed", g + "fuelcalc_extralaps=1,5;",
            "general/fuelcalc_extralaps=1,5");
        row("fuel field text ignored", g + "fuelcalc_fuel_density=heavy;", "general/fuelcalc_fuel_density=");
        row("unit empty takes default", g + "temperature_unit=;", "general/temperature_unit=Celsius");
        row("unit taken as is", g + "pressure_unit=in Hg;", "general/pressure_unit=in Hg");
        row("vehicle taken as is", "[information]\r\nvehicle=CAR;", "information/vehicle=CAR");
        row("jet type 2 refused", "[jetting_guru]\r\nversion=1.0;\r\njet_type_index=2;",
            "jetting_guru/jet_type_index=0");
        row("jet type 1", "[jetting_guru]\r\nversion=1.0;\r\njet_type_index=1;",
            "jetting_guru/jet_type_index=1");
        row("list contains marker", g + "drivers=x drivers_begin;\r\nAnna\r\nBo\r\ndrivers=drivers_end;",
            "general/drivers=Anna|Bo");
        row("list equals marker",
            "[information]\r\nbilling_adress=list_begin;\r\nStreet 1\r\nTown\r\nbilling_adress=list_end;",
            "information/billing_adress=Street 1|Town");
        row("list marker not equal",
            "[information]\r\nbilling_adress=xlist_begin;\r\nStreet 1\r\nbilling_adress=list_end;",
            "information/billing_adress=");
        row("last session without reopening", g + "last_session=.\\Sessions\\a.ses;",
            "general/last_session=");
        row("last session with reopening",
            g + "last_session=.\\Sessions\\a.ses;\r\nload_last_session_at_startup=true;",
            "general/last_session=.\\Sessions\\a.ses");
    }
    void readingRules() {
        QFETCH(QString, file);
        QFETCH(QString, effective);
        const QStringList lines = SettingsShowLines(ReadText(file));
        const QString key = effective.section(u'=', 0, 0) + u'=';
        const auto found =
            std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(key); });
        QVERIFY2(found != lines.end(), qPrintable(key));
        QCOMPARE(*found, effective);
    }

    void olderJettingKeySetIsReadWithoutVersion() {
        const QString older =
            QStringLiteral("[jetting_guru]\r\nref_rad=1.05;\r\nref_rad2=0.98;\r\nmethod=1;\r\n"
                           "name_jet1=Main;\r\nref_jet1=150;\r\nref_jet12=155;\r\n"
                           "name_jet7=Seventh;\r\nref_jet1-2=999;\r\n");
        const ProgramSettings settings = ReadText(older);
        QCOMPARE(settings.jettingRefRad1, QStringLiteral("1.05"));
        QCOMPARE(settings.jettingRefRad2, QStringLiteral("0.98"));
        QCOMPARE(settings.jettingMethod, 0); // the older set has no method
        QCOMPARE(settings.jettingGrid[0][0], QStringLiteral("Main"));
        QCOMPARE(settings.jettingGrid[0][1], QStringLiteral("150"));
        QCOMPARE(settings.jettingGrid[0][2], QStringLiteral("155"));
        QCOMPARE(settings.jettingGrid[6][0], QString()); // rows past 6 do not exist in the older set

        const ProgramSettings current =
            ReadText(QStringLiteral("[jetting_guru]\r\nversion=1.0;\r\nref_rad=1.05;\r\n"
                                    "ref_rad1=1.01;\r\nname_jet7=Seventh;\r\n"
                                    "ref_jet1-2=160;\r\nref_jet12=155;\r\n"));
        QCOMPARE(current.jettingRefRad1, QStringLiteral("1.01"));
        QCOMPARE(current.jettingGrid[6][0], QStringLiteral("Seventh"));
        QCOMPARE(current.jettingGrid[0][2], QStringLiteral("160"));
    }

    void roundTripKeepsEveryValue() {
        QTemporaryDir dir;
        ProgramSettings settings = DefaultSettings(45000);
        settings.programRelease = QStringLiteral("3.0.1");
        settings.vehicle = QStringLiteral("sidecar");
        settings.deliveryAddress = QStringList{QStringLiteral("Dock 4"), QStringLiteral("Harbour Road")};
        settings.loadLastSessionAtStartup = true;
        settings.lastSession = QStringLiteral("/elsewhere/x.ses");
        settings.percentForMean = 80;
        settings.sessionLastDriver[2] = QStringLiteral("Chris");
        settings.systemUnit = QStringLiteral("US Standard");
        settings.useAd = true;
        settings.htmlExportPageBreakBeforeSessions = true;
        settings.recentSessions =
            QStringList{QStringLiteral(".\\Sessions\\b.ses"), QStringLiteral(".\\Sessions\\a.ses")};
        settings.backupLastDate = 44999.75;
        settings.fuelcalcPremixPercent = QStringLiteral("2.5");
        settings.tirelistLastNode = 4;
        settings.jettingMethod = 1;
        settings.jettingGrid[18] = {QStringLiteral("Pilot"), QStringLiteral("40"), QStringLiteral("42")};
        settings.tirePressureRefHotPressure = QStringLiteral("2.1");
        settings.labelWidthMm = 62.5;
        settings.labelFontName = QStringLiteral("Sans");
        const QString path = dir.filePath(QStringLiteral("vorlapa.ini"));
        QVERIFY(SaveSettingsFile(path, settings, dir.path()).has_value());
        QCOMPARE(SettingsShowLines(LoadSettingsFile(path, 1)), SettingsShowLines(settings));
    }

    // A list line holding "[" or "]" ends its section for the reader; the lists are written after the
    // section's keys, so a free text "[x]" no longer empties every key of "general".
    void bracketsInListsHideNoKey() {
        QTemporaryDir dir;
        ProgramSettings settings = DefaultSettings(45000);
        settings.nameOfUser = QStringLiteral("Team Blue");
        settings.billingAddress = QStringList{QStringLiteral("Box [3]"), QStringLiteral("Harbour Road")};
        settings.orderFreeText = QStringList{QStringLiteral("[x] paid in advance")};
        settings.drivers = QStringList{QStringLiteral("Anna")};
        settings.percentForMean = 80;
        settings.systemUnit = QStringLiteral("US Standard");
        settings.backupDaysBetweenReminders = QStringLiteral("7");
        const QString path = dir.filePath(QStringLiteral("vorlapa.ini"));
        QVERIFY(SaveSettingsFile(path, settings, dir.path()).has_value());
        QCOMPARE(SettingsShowLines(LoadSettingsFile(path, 1)), SettingsShowLines(settings));
    }

    void lastSessionForms() {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("Sessions/Track")));
        for (const char* name : {"Sessions/a.ses", "Sessions/Track/a.ses", "Sessions/Track/b.ses"}) {
            QFile file(root.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(LastSessionForm(root.filePath(QStringLiteral("Sessions/a.ses")), dir.path()),
                 QStringLiteral(".\\Sessions\\a.ses"));
        QCOMPARE(LastSessionForm(QStringLiteral(".\\Sessions\\a.ses"), dir.path()),
                 QStringLiteral(".\\Sessions\\a.ses"));
        const QString inTrack = root.filePath(QStringLiteral("Sessions/Track/b.ses"));
        QCOMPARE(LastSessionForm(inTrack, dir.path()), inTrack);
        // A file of the same name directly in the sessions folder is another session.
        const QString twin = root.filePath(QStringLiteral("Sessions/Track/a.ses"));
        QCOMPARE(LastSessionForm(twin, dir.path()), twin);
        QCOMPARE(LastSessionForm(QString(), dir.path()), QString());
    }

    void missingTerminatorReportsAndKeepsDefault() {
        QStringList messages;
        const ProgramSettings settings =
            ReadText(QStringLiteral("[general]\r\npercent_for_mean=80\r\n"), &messages);
        QCOMPARE(settings.percentForMean, 100);
        QVERIFY(!messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
