// Part setups: name rules, the name lists per vehicle, the manager's save, load, delete and copy, and
// composing a setup from part setups.
#include "recording_prompter.h"
#include "session/part_setups.h"
#include "storage/txt_parser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSprocket = QStringLiteral("rear_sprocket");

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestPartSetups : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void namesThatCannotNameAFileAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "Rain 2" << false;
        QTest::newRow("blanks around") << "  Long  " << false;
        QTest::newRow("empty") << "   " << true;
        for (const char* bad :
             {"a/b", "a\\b", "..:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "a;b", "a[b", "a]b"})
            QTest::newRow(bad) << QString::fromLatin1(bad) << true;
        QTest::newRow("control") << QStringLiteral("a\tb") << true;
    }
    void namesThatCannotNameAFileAreRefused() {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(CheckPartSetupName(name).has_value(), refused);
    }

    void listsFollowTheVehicle() {
        QTemporaryDir dir;
        const QString setups = PartSetupFolder(dir.path());
        WriteFile(setups + "/zGearingSetup Kart.set", "[information]\r\nvehicle=gokart;\r\n");
        WriteFile(setups + "/zGearingSetup Any.set", "[information]\r\nvehicle=;\r\n");
        WriteFile(setups + "/zGearingSetup bike.set", "[information]\r\nvehicle=mc;\r\n");
        WriteFile(setups + "/zEngineSetup Other area.set", "[information]\r\nvehicle=gokart;\r\n");
        QCOMPARE(ListPartSetups(dir.path(), SetupArea::Gearing, VehicleType::Kart),
                 QStringList({"Any", "Kart"}));
        QCOMPARE(ListPartSetups(dir.path(), SetupArea::Gearing, VehicleType::Motorcycle),
                 QStringList({"Any", "bike"}));
    }

    void saveLoadAndDeleteThroughTheManager() {
        QTemporaryDir dir;
        RecordingPrompter prompter;
        SetupModel setup(VehicleType::Kart, &prompter);
        setup.SetText("gearing", kSprocket, "82");
        {
            PartSetupManager manager(setup, prompter, dir.path(), SetupArea::Gearing);
            QCOMPARE(manager.Caption(), QStringLiteral("Manage Gearing Setups"));
            manager.SetBox("Bad;name");
            prompter.ExpectError("A part setup name cannot hold any of *");
            QVERIFY(!manager.Save());
            manager.SetBox(" Long ");
            QVERIFY(manager.Save());
            QCOMPARE(manager.Outcome(), PartSetupManager::Result::Saved);
            QCOMPARE(manager.Names(), QStringList({"Long"}));
        }
        TTxtParser reader;
        reader.OpenRead(PartSetupPath(dir.path(), SetupArea::Gearing, "Long"));
        QCOMPARE(reader.ReadValue("information", "vehicle"), QStringLiteral("gokart"));
        QCOMPARE(reader.ReadValue("gearing", "selected_gearing_setup"), QStringLiteral("Long"));
        QCOMPARE(reader.ReadValue("gearing", kSprocket), QStringLiteral("82"));
        QVERIFY(reader.ReadValue("suspension", "selected_suspension_setup").isEmpty());
        reader.Close();

        setup.SetText("gearing", kSprocket, "90");
        setup.MarkUnchanged();
        PartSetupManager manager(setup, prompter, dir.path(), SetupArea::Gearing);
        manager.SetBox("Missing");
        prompter.ExpectError("The setup file \nzGearingSetup Missing.set\ndoes not exist!");
        QVERIFY(!manager.Load());
        manager.SetBox("Long");
        QVERIFY(manager.Load());
        QCOMPARE(setup.Text("gearing", kSprocket), QStringLiteral("82"));
        QCOMPARE(setup.SelectedName(SetupArea::Gearing), QStringLiteral("Long"));
        QVERIFY(setup.IsChanged());

        prompter.Expect("Delete setup Long?", Answer::Cancel);
        QVERIFY(!manager.Delete());
        prompter.Expect("Delete setup Long?", Answer::Ok);
        QVERIFY(manager.Delete());
        QVERIFY(manager.Box().isEmpty()); // the last one gone: nothing to show
        QVERIFY(!QFile::exists(PartSetupPath(dir.path(), SetupArea::Gearing, "Long")));
    }

    void copyFromAnySetupMarksTheSetupChanged() {
        QTemporaryDir dir;
        RecordingPrompter prompter;
        SetupModel setup(VehicleType::Kart, &prompter);
        const QString other = QDir(dir.path()).filePath("other.set");
        WriteFile(other, "[information]\r\nvehicle=gokart;\r\n[gearing]\r\nrear_sprocket=77;\r\n");
        PartSetupManager manager(setup, prompter, dir.path(), SetupArea::Gearing);
        QVERIFY(manager.CopyFromSetup(other));
        QCOMPARE(setup.Text("gearing", kSprocket), QStringLiteral("77"));
        QVERIFY(setup.IsChanged());
        prompter.ExpectError("The setup file \nnone.set\ndoes not exist!");
        QVERIFY(manager.CopyFromSetup(QDir(dir.path()).filePath("none.set")));
    }

    void composeLoadsOnlyTheGivenAreasTheVehicleHas() {
        QTemporaryDir dir;
        RecordingPrompter prompter;
        SetupModel kart(VehicleType::Kart, &prompter);
        kart.SetText("gearing", kSprocket, "82");
        QVERIFY(WritePartSetup(kart, SetupArea::Gearing, dir.path(), "Long").has_value());
        QVERIFY(WritePartSetup(kart, SetupArea::Aerodynamics, dir.path(), "Wing").has_value());

        SetupModel bike(VehicleType::Motorcycle, &prompter);
        bike.SetText("gearing", kSprocket, "40");
        bike.MarkUnchanged();
        // The bike has no aerodynamics, and an unknown name leaves its area alone.
        const auto loaded =
            ComposeSetup(bike, dir.path(), {{SetupArea::Aerodynamics, "Wing"}, {SetupArea::Engine, "Nope"}});
        QVERIFY(loaded.empty());
        QVERIFY(!bike.IsChanged());

        SetupModel target(VehicleType::Kart, &prompter);
        target.SetText("engine", "bore", "54");
        target.MarkUnchanged();
        const auto composed = ComposeSetup(target, dir.path(), {{SetupArea::Gearing, "Long"}});
        QCOMPARE(composed, std::vector<SetupArea>({SetupArea::Gearing}));
        QCOMPARE(target.Text("gearing", kSprocket), QStringLiteral("82"));
        QCOMPARE(target.SelectedName(SetupArea::Gearing), QStringLiteral("Long"));
        QCOMPARE(target.Text("engine", "bore"), QStringLiteral("54"));
        QVERIFY(target.IsChanged());
    }
};

QTEST_GUILESS_MAIN(TestPartSetups)
#include "tst_part_setups.moc"
