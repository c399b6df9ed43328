// Editing rules of the setup model: symmetric editing, the monoshock and cylinder columns, the change
// flag, the area order and the decimal check of tire cells.
#include "setup_test_helpers.h"

#include <QTest>

Q_DECLARE_METATYPE(GridId)
Q_DECLARE_METATYPE(VehicleType)

namespace {
const QString kSuspension = QStringLiteral("suspension");
const QString kSymmetric = QStringLiteral("car_susp_symmetric");
const QString kMonoshock = QStringLiteral("f_mono_enabled");
} // namespace

class TestSetupModel : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void symmetricEditing_data();
    void symmetricEditing();
    void monoshockChoosesDamperColumns();
    void visibleColumnsFollowVehicleAndCylinders();
    void editsMarkChangedAndLoadingClearsIt();
    void areasLoadInOrder();
    void tireCellsNeedDecimalText_data();
    void tireCellsNeedDecimalText();
    void cylinderCountIsClamped_data();
    void cylinderCountIsClamped();
    void subPagesShownPerVehicle_data();
    void subPagesShownPerVehicle();
};

void TestSetupModel::symmetricEditing_data() {
    QTest::addColumn<GridId>("grid");
    QTest::addColumn<bool>("symmetric");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("mirror"); // -1: no other column changes

    QTest::newRow("angles FL to FR") << GridId::CarWheelAngles << true << 0 << 1;
    QTest::newRow("angles FR to FL") << GridId::CarWheelAngles << true << 1 << 0;
    QTest::newRow("angles RL to RR") << GridId::CarWheelAngles << true << 2 << 3;
    QTest::newRow("angles RR to RL") << GridId::CarWheelAngles << true << 3 << 2;
    QTest::newRow("dampers FL to FR") << GridId::CarDampers << true << 1 << 2;
    QTest::newRow("dampers RR to RL") << GridId::CarDampers << true << 4 << 3;
    QTest::newRow("monoshock never copied") << GridId::CarDampers << true << 0 << -1;
    QTest::newRow("off") << GridId::CarWheelAngles << false << 0 << -1;
    QTest::newRow("tires are not mirrored") << GridId::FourWheelTires << true << 0 << -1;
}

void TestSetupModel::symmetricEditing() {
    QFETCH(GridId, grid);
    QFETCH(bool, symmetric);
    QFETCH(int, column);
    QFETCH(int, mirror);
    SetupModel model(VehicleType::Car);
    model.SetChecked(kSuspension, kSymmetric, symmetric);
    model.SetCell(grid, 1, column, QStringLiteral("-1.5"));
    const int columns = int(Grid(grid).columns.size());
    for (int c = 0; c < columns; ++c) {
        const QString expected = c == column || c == mirror ? QStringLiteral("-1.5") : QString();
        QCOMPARE(model.Cell(grid, 1, c), expected);
        QCOMPARE(model.Cell(grid, 0, c), QString()); // other rows untouched
    }
}

void TestSetupModel::monoshockChoosesDamperColumns() {
    SetupModel model(VehicleType::Car);
    QCOMPARE(model.VisibleColumns(GridId::CarDampers), std::vector<int>({1, 2, 3, 4}));
    model.SetCell(GridId::CarDampers, 0, 1, QStringLiteral("kept"));
    model.SetChecked(kSuspension, kMonoshock, true);
    QCOMPARE(model.VisibleColumns(GridId::CarDampers), std::vector<int>({0, 3, 4}));
    QCOMPARE(model.Cell(GridId::CarDampers, 0, 1), QStringLiteral("kept")); // hidden, not cleared
    QCOMPARE(model.VisibleColumns(GridId::CarWheelAngles), std::vector<int>({0, 1, 2, 3}));

    // Loading applies the stored flag, and both hidden and shown columns are saved.
    QVERIFY(OpenText(model, "[suspension]\nf_mono_enabled=false;\n[front_left_susp]\nspring=80;\n"
                            "[front_susp]\nspring=120;\n"));
    QCOMPARE(model.VisibleColumns(GridId::CarDampers), std::vector<int>({1, 2, 3, 4}));
    QVERIFY(OpenText(model, "[suspension]\nf_mono_enabled=true;\n[front_left_susp]\nspring=80;\n"
                            "[front_susp]\nspring=120;\n"));
    QCOMPARE(model.VisibleColumns(GridId::CarDampers), std::vector<int>({0, 3, 4}));
    const QString written = WrittenSetup(model);
    QVERIFY(written.contains(QLatin1String("[front_susp]\r\nspring=120;")));
    QVERIFY(written.contains(QLatin1String("[front_left_susp]\r\nspring=80;")));
}

void TestSetupModel::visibleColumnsFollowVehicleAndCylinders() {
    SetupModel model(VehicleType::Motorcycle);
    QCOMPARE(model.VisibleColumns(GridId::BikeTires), std::vector<int>({0, 1}));
    QCOMPARE(model.VisibleColumns(GridId::Jetting), std::vector<int>({0}));
    model.SetText(QStringLiteral("jetting"), QStringLiteral("num_of_cylinders"), QStringLiteral("4"));
    QCOMPARE(model.VisibleColumns(GridId::Jetting), std::vector<int>({0, 1, 2, 3}));
    model.SetVehicle(VehicleType::Sidecar);
    QCOMPARE(model.VisibleColumns(GridId::BikeTires), std::vector<int>({0, 1, 2}));
    QVERIFY(!model.HasArea(SetupArea::Aerodynamics));
    QVERIFY(!model.HasArea(SetupArea::WeightDistribution));
    model.SetVehicle(VehicleType::Kart);
    QVERIFY(model.HasArea(SetupArea::Aerodynamics));
    QCOMPARE(model.AreaGrids(SetupArea::Tires), std::vector<GridId>({GridId::FourWheelTires}));
    QVERIFY(model.AreaGrids(SetupArea::Suspension).empty());
}

void TestSetupModel::editsMarkChangedAndLoadingClearsIt() {
    SetupModel model;
    int marks = 0;
    const Connection counting = model.changed.Connect([&] { ++marks; });
    model.SetText(QStringLiteral("engine"), QStringLiteral("bore"), QStringLiteral("54"));
    QVERIFY(model.IsChanged());
    model.SetText(QStringLiteral("engine"), QStringLiteral("bore"), QStringLiteral("54")); // same text
    model.SetCell(GridId::Jetting, 1, 0, QStringLiteral("160"));
    model.SetSelectedName(SetupArea::Jetting, QStringLiteral("dry"));
    QCOMPARE(marks, 3);
    QVERIFY(OpenText(model, "[engine]\nbore=56;\n"));
    QVERIFY(!model.IsChanged());
    QCOMPARE(model.FileName(), QStringLiteral("test.set"));
    // Loading never merges: what the file lacks is emptied.
    QCOMPARE(model.Cell(GridId::Jetting, 1, 0), QString());
    QCOMPARE(model.SelectedName(SetupArea::Jetting), QString());
}

void TestSetupModel::areasLoadInOrder() {
    SetupModel model(VehicleType::Car);
    QList<SetupArea> loaded;
    int commits = 0;
    const Connection listing = model.areaLoaded.Connect([&](SetupArea area) { loaded << area; });
    model.requestCommitCellEdit = [&] { ++commits; };
    QVERIFY(OpenText(model, ""));
    QCOMPARE(loaded, QList<SetupArea>(kSetupAreaOrder.begin(), kSetupAreaOrder.end()));
    QCOMPARE(commits, 8);

    loaded.clear();
    model.SetVehicle(VehicleType::Motorcycle);
    QVERIFY(OpenText(model, ""));
    QCOMPARE(loaded, QList<SetupArea>({SetupArea::Tires, SetupArea::Suspension, SetupArea::Engine,
                                       SetupArea::Gearing, SetupArea::Jetting, SetupArea::General}));
}

void TestSetupModel::tireCellsNeedDecimalText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    const auto& rows = Grid(GridId::FourWheelTires).rows;
    auto rowOf = [&](const char* key) {
        for (size_t r = 0; r < rows.size(); ++r)
            if (rows[r].key == QLatin1String(key)) return int(r);
        return -1;
    };
    QTest::newRow("pressure point") << rowOf("pressure_cold") << "1.9" << true;
    QTest::newRow("pressure comma") << rowOf("pressure_cold") << "1,9" << true;
    QTest::newRow("pressure empty") << rowOf("pressure_cold") << "" << true;
    QTest::newRow("pressure underscores") << rowOf("pressure_cold") << "___" << true;
    QTest::newRow("pressure text") << rowOf("pressure_cold") << "1.9 bar" << false;
    QTest::newRow("mileage text") << rowOf("mileage") << "new" << false;
    QTest::newRow("circumference") << rowOf("circumference") << "1885" << true;
    QTest::newRow("compound is free text") << rowOf("compound") << "soft" << true;
}

void TestSetupModel::tireCellsNeedDecimalText() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QVERIFY(row >= 0);
    const auto message = CheckSetupCellText(Grid(GridId::FourWheelTires).rows[size_t(row)], text);
    QCOMPARE(!message.has_value(), accepted);
    if (message) QCOMPARE(*message, QStringLiteral("Bad format, it must be a floating point value!"));
}

QTEST_GUILESS_MAIN(TestSetupModel)
#include "tst_setup_model.moc"

void TestSetupModel::subPagesShownPerVehicle_data() {
    QTest::addColumn<VehicleType>("vehicle");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("motorcycle") << VehicleType::Motorcycle
                                << QStringList{"Weight distribution", "Aerodynamics"};
    QTest::newRow("sidecar") << VehicleType::Sidecar << QStringList{"Weight distribution", "Aerodynamics"};
    QTest::newRow("kart") << VehicleType::Kart << QStringList{"Detailed settings"};
    QTest::newRow("car") << VehicleType::Car << QStringList{"Detailed settings"};
}

void TestSetupModel::subPagesShownPerVehicle() {
    QFETCH(VehicleType, vehicle);
    QFETCH(QStringList, hidden);
    const SetupModel model(vehicle);
    for (const QString& page : SetupSubPages())
        QCOMPARE(model.HasSubPage(page), !hidden.contains(page));
}

void TestSetupModel::cylinderCountIsClamped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("missing") << "" << 1;
    QTest::newRow("no number") << "two" << 1;
    QTest::newRow("decimal") << "2.5" << 1;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("negative") << "-3" << 1;
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("five") << "5" << 5;
    QTest::newRow("nine") << "9" << 5;
}

void TestSetupModel::cylinderCountIsClamped() {
    QFETCH(QString, text);
    QFETCH(int, count);
    SetupModel model;
    model.SetText(QStringLiteral("jetting"), QStringLiteral("num_of_cylinders"), text);
    QCOMPARE(model.CylinderCount(), count);
    QCOMPARE(int(model.VisibleColumns(GridId::Jetting).size()), count);
}
