// vorlapa-cli tires list / tires history and setup parts / setup compose over a data folder.
#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Two kart tires, one with history; 16.09 km and 1270 mm read 10.000 miles and 50.000 in.
const QByteArray kKartTires = "[tires]\r\nversion=1;\r\ntire_list=tire_list_begin;\r\n"
                              "K2,FL,Acme,10x4.6-5,Soft,16.09,3,Rain,1270,1265,1260,2023-01-02,2023-01-05\r\n"
                              "K1,FR,Acme,10x4.6-5,Hard,5,1,,,,,2023-01-02,\r\n"
                              "tire_list=tire_list_end;\r\n"
                              "[tire_id=K2]\r\ntire_history_list=tire_history_list_begin;\r\n"
                              "2023-01-05,Anna,FL,Ring,Race,12,15.000,Normal,\"Frame A\"\r\n"
                              "tire_history_list=tire_history_list_end;\r\n";

} // namespace

class TestTireSetupCommands : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tiresListByNodeAndUnits() {
        QTemporaryDir dir;
        Write(QDir(dir.path()).filePath("tirelist_kart.ini"), kKartTires);
        const QStringList base = {"tires", "list", "--data-dir", dir.path(), "--vehicle", "gokart"};
        CliRun run = RunCli(base);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.value(0),
                 QStringLiteral("Id\tPos.\tBrand\tDimension\tCompound\tMileage\tHeat cycles\tSet\t"
                                "Circ. new\tCirc. 1st use\tCirc. curr\tDate purchased\t"
                                "Date 1st use"));
        QCOMPARE(run.lines.value(1).section(u'\t', 0, 0), QStringLiteral("K1")); // sorted by ID
        QCOMPARE(run.lines.size(), 3);

        run = RunCli(base + QStringList{"--units", "us", "--node", "Soft"});
        QCOMPARE(run.status, 0);
        QVERIFY(!run.lines.value(0).contains("Compound")); // the node's column is hidden
        QCOMPARE(run.lines.value(1),
                 QStringLiteral("K2\tFL\tAcme\t10x4.6-5\t10.000\t3\tRain\t50.000\t49.803\t"
                                "49.606\t2023-01-02\t2023-01-05"));
        QCOMPARE(run.lines.size(), 2);

        run = RunCli(base + QStringList{"--node", "Nowhere"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("Nowhere"));
        // Bikes have their own (here missing) file: just the header, without circumferences.
        run = RunCli({"tires", "list", "--data-dir", dir.path(), "--vehicle", "mc"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines.size(), 1);
        QVERIFY(!run.lines[0].contains("Circ."));
    }

    void tiresHistory() {
        QTemporaryDir dir;
        Write(QDir(dir.path()).filePath("tirelist_kart.ini"), kKartTires);
        CliRun run = RunCli({"tires", "history", "K2", "--data-dir", dir.path(), "--vehicle", "gokart",
                             "--units", "imperial"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines,
                 QStringList({"Date\tDriver\tPos.\tTrack\tType of session\tLaps\tMileage\tRotation\tVehicle",
                              "2023-01-05\tAnna\tFL\tRing\tRace\t12\t9.323\tNormal\tFrame A"}));
        run = RunCli({"tires", "history", "K1", "--data-dir", dir.path(), "--vehicle", "gokart"});
        QCOMPARE(run.lines.size(), 1);
        run = RunCli({"tires", "history", "ZZ", "--data-dir", dir.path(), "--vehicle", "gokart"});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains("The ID of this tire cannot be found!"));
    }

    void setupPartsAndCompose() {
        QTemporaryDir dir;
        const QString setups = QDir(dir.path()).filePath("Setups");
        Write(setups + "/zGearingSetup Long.set",
              "[information]\r\nvehicle=gokart;\r\n[gearing]\r\nselected_gearing_setup=Long;\r\n"
              "rear_sprocket=82;\r\n");
        Write(setups + "/zGearingSetup Bike.set", "[information]\r\nvehicle=mc;\r\n");
        Write(setups + "/zEngineSetup Any.set",
              "[information]\r\n[engine]\r\nselected_engine_setup=Any;\r\nbore=54;\r\n");
        CliRun run = RunCli({"setup", "parts", "gearing", "--data-dir", dir.path(), "--vehicle", "gokart"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.lines, QStringList({"Long"}));
        run = RunCli({"setup", "parts", "engine", "--data-dir", dir.path(), "--vehicle", "mc"});
        QCOMPARE(run.lines, QStringList({"Any"}));
        QCOMPARE(RunCli({"setup", "parts", "brakes", "--data-dir", dir.path()}).status, 1);

        const QString out = QDir(dir.path()).filePath("composed.set");
        run = RunCli({"setup", "compose", out, "--vehicle", "gokart", "--gearing", "Long", "--engine", "Any",
                      "--jetting", "Missing", "--data-dir", dir.path()});
        QCOMPARE(run.status, 0);
        const QString text = Read(out);
        QVERIFY(text.contains("vehicle=gokart;"));
        QVERIFY(text.contains("selected_gearing_setup=Long;"));
        QVERIFY(text.contains("rear_sprocket=82;"));
        QVERIFY(text.contains("bore=54;"));
        QVERIFY(!text.contains("selected_jetting_setup=Missing"));
        QCOMPARE(RunCli({"setup", "compose", out, "--data-dir", dir.path()}).status, 1); // no vehicle
    }
};

QTEST_GUILESS_MAIN(TestTireSetupCommands)
#include "tst_tire_setup_commands.moc"
