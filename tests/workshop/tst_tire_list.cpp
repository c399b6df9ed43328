// The tire inventory: its file with the history sections, IDs, the unit conversions, the grouping tree,
// the links to the setup's tire table and the tire history commands.
#include "manual_clock.h"
#include "recording_prompter.h"
#include "session/setup_model.h"
#include "workshop/tire_list_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TireRecord Tire(const QString& id, const QString& compound = {}, const QString& mileage = {},
                const QString& position = {}, const QString& set = {}) {
    TireRecord tire;
    tire.fields[tire_col::Id] = id;
    tire.fields[tire_col::Compound] = compound;
    tire.fields[tire_col::Mileage] = mileage;
    tire.fields[tire_col::Position] = position;
    tire.fields[tire_col::Set] = set;
    tire.fields[tire_col::DatePurchased] = QStringLiteral("2023-01-02");
    return tire;
}

QStringList Entry(const QString& date, const QString& laps, const QString& km) {
    return {date, "Anna", "FL", "Ring", "Race", laps, km, "Normal", "Frame A"};
}

struct Fixture {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    ManualClock clock; // 2023-03-15
    SetupModel setup{VehicleType::Kart, &prompter};
    TireListPage page{prompter, clock, setup, dir.path()};
    std::optional<TireDialogValues> dialogAnswer;
    std::optional<TireDialogRequest> dialogSeen;
    std::optional<TireHistoryValues> historyAnswer;
    std::optional<TireHistoryRequest> historySeen;

    explicit Fixture(VehicleType vehicle = VehicleType::Kart, const std::vector<TireRecord>& tires = {}) {
        setup.SetVehicle(vehicle);
        TireList list;
        list.tires = tires;
        if (!tires.empty()) QVERIFY(SaveTireListFile(dir.path(), vehicle, list).has_value());
        page.SetVehicle(vehicle);
        page.requestTireDialog = [this](const TireDialogRequest& r) {
            dialogSeen = r;
            return dialogAnswer;
        };
        page.requestHistoryDialog = [this](const TireHistoryRequest& r) {
            historySeen = r;
            return historyAnswer;
        };
        page.requestTrackLength = [](const QString& track) {
            return track == u"Ring" ? QStringLiteral("1250") : QString();
        };
    }
    const TireRecord& At(const QString& id) const { return page.List().tires[size_t(page.FindTireRow(id))]; }
    QString FileText() const {
        QFile f(QDir(dir.path()).filePath(TireListFileName(page.Vehicle())));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    TireList Reloaded() const { return *LoadTireListFile(dir.path(), page.Vehicle()); }
};

} // namespace

class TestTireList : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void fileRoundTripKeepsTiresAndHistory() {
        TireList list;
        list.tires = {Tire("A1", "Soft", "12.5"), Tire("B2")};
        list.tires[0].history = {Entry("2023-03-01", "10", "12.500"), Entry("2023-03-02", "", "")};
        const QString text = TireListText(list);
        // The version comes before the tire lines: a bracket in a field would hide a later key.
        QVERIFY(text.indexOf("version=") < text.indexOf("tire_list=tire_list_begin"));
        QVERIFY(text.contains("[tire_id=A1]"));
        QVERIFY(!text.contains("[tire_id=B2]")); // no history, no section
        const TireList back = ParseTireList(text);
        QCOMPARE(back.tires.size(), size_t(2));
        QCOMPARE(back.tires[0].fields, list.tires[0].fields);
        QCOMPARE(back.tires[0].history, list.tires[0].history);
        QVERIFY(back.tires[1].history.isEmpty());
    }

    void fileWithoutVersionGainsTheSessionTypeField() {
        const QString text = QStringLiteral("[tires]\r\ntire_list=tire_list_begin;\r\n"
                                            "A1,,,,,,,,,,,2023-01-02,\r\ntire_list=tire_list_end;\r\n"
                                            "[tire_id=A1]\r\ntire_history_list=tire_history_list_begin;\r\n"
                                            "2023-03-01,Anna,FL,Ring,10,12.5,Normal,Frame\r\n"
                                            "tire_history_list=tire_history_list_end;\r\n");
        const TireList list = ParseTireList(text);
        QCOMPARE(list.tires.size(), size_t(1));
        QCOMPARE(list.tires[0].history.value(0),
                 QStringList({"2023-03-01", "Anna", "FL", "Ring", "", "10", "12.5", "Normal", "Frame"}));
        // Saved again it has a version, so reading it back inserts nothing more.
        QCOMPARE(ParseTireList(TireListText(list)).tires[0].history, list.tires[0].history);
    }

    void idWithEdgeBlanksKeepsItsHistory() {
        TireList list;
        list.tires = {Tire(" 123 ")};
        list.tires[0].history = {Entry("2023-03-01", "10", "12.500")};
        const TireList back = ParseTireList(TireListText(list));
        QCOMPARE(back.tires[0].Id(), QStringLiteral("123"));
        QCOMPARE(back.tires[0].history.size(), 1);
        QCOMPARE(FindTireRow(back, " 123"), 0);
    }

    void tireIdsAreUniqueIgnoringCase_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("except");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("other case") << "abc" << -1 << "Tire ID not unique!";
        QTest::newRow("blanks around") << " ABC " << -1 << "Tire ID not unique!";
        QTest::newRow("the edited tire itself") << "abc" << 0 << "";
        QTest::newRow("new id") << "XYZ" << -1 << "";
        QTest::newRow("empty") << "  " << -1 << "Enter the unique tire id!";
    }
    void tireIdsAreUniqueIgnoringCase() {
        QFETCH(QString, id);
        QFETCH(int, except);
        QFETCH(QString, refusal);
        TireList list;
        list.tires = {Tire("ABC"), Tire("DEF")};
        TireDialogValues values;
        values.id = id;
        QCOMPARE(CheckTireValues(values, list, except).value_or(QString()), refusal);
    }

    void unitConversionBothWays() {
        QCOMPARE(ShownMileage("16.09", true), QStringLiteral("10.000"));
        QCOMPARE(ShownCircumference("1270", true), QStringLiteral("50.000"));
        QCOMPARE(ShownMileage("16.09", false), QStringLiteral("16.09"));
        QCOMPARE(ShownMileage("n/a", true), QStringLiteral("n/a"));

        TireDialogValues values = NewTireValues("2023-03-15");
        values.id = "T1";
        values.mileage = "10";
        values.circNew = "50";
        const QStringList added = StoredTireFields(values, true, TireDialogMode::Add);
        QCOMPARE(added[tire_col::Mileage], QStringLiteral("16.09"));
        QCOMPARE(added[tire_col::CircNew], QStringLiteral("1270.00"));

        // Editing in miles: untouched fields keep their stored values, changed ones convert precisely.
        TireRecord tire = Tire("T1", {}, "16.1");
        tire.fields[tire_col::CircNew] = "1234";
        tire.fields[tire_col::CircCurrent] = "1234";
        const TireDialogValues preset = EditTireValues(tire, true, "2023-03-15");
        QCOMPARE(preset.mileage, QStringLiteral("10.006"));
        TireDialogValues edited = preset;
        edited.circCurrent = "48";
        const QStringList stored = StoredTireFields(edited, true, TireDialogMode::Edit, &tire, &preset);
        QCOMPARE(stored[tire_col::Mileage], QStringLiteral("16.1"));
        QCOMPARE(stored[tire_col::CircNew], QStringLiteral("1234"));
        QCOMPARE(stored[tire_col::CircCurrent], QStringLiteral("1219.2"));
    }

    void invalidPurchaseDateOpensWithToday() {
        TireRecord tire = Tire("T1");
        tire.fields[tire_col::DatePurchased] = "someday";
        tire.fields[tire_col::DateFirstUse] = "2023-02-01";
        const TireDialogValues values = EditTireValues(tire, false, "2023-03-15");
        QCOMPARE(values.purchaseDate, QStringLiteral("2023-03-15"));
        QVERIFY(values.firstUse);
        QCOMPARE(values.firstUseDate, QStringLiteral("2023-02-01"));
    }

    void treeNodesAndFilters() {
        TireList list;
        list.tires = {Tire("A", "soft", {}, "FL", "Rain"), Tire("B", "Hard", {}, "FR"), Tire("C", "Soft")};
        using K = TireTreeNode::Kind;
        auto nodes = BuildTireTree(list, {"", "zz", "", ""});
        QStringList texts;
        for (const auto& n : nodes)
            texts << n.text;
        QCOMPARE(texts, QStringList({"All tires", "Group by compound", "Hard", "soft", "Soft",
                                     "Group by position", "FL", "FR", "Group by set", "Rain"}));
        nodes = BuildTireTree(list, {"B", "", "", ""});
        QCOMPARE(nodes.back().kind, K::CurrentSetup);

        // A compound child shows the tires of exactly that text and hides the compound column.
        const TireListView soft = ShowTires(list, {K::Compound, "Soft", 1}, {}, VehicleType::Kart, false, {});
        QCOMPARE(soft.tires, std::vector<int>({2}));
        QVERIFY(std::find(soft.columns.begin(), soft.columns.end(), tire_col::Compound) ==
                soft.columns.end());
        const TireListView setup =
            ShowTires(list, nodes.back(), {"B", "", "", ""}, VehicleType::Motorcycle, false, {});
        QCOMPARE(setup.tires, std::vector<int>({1}));
        // Bikes show no circumference columns.
        QCOMPARE(setup.columns.size(), size_t(kTireColumnCount - 3));
        const TireListView all =
            ShowTires(list, nodes[0], {}, VehicleType::Kart, false, {tire_col::Id, true});
        QCOMPARE(all.tires, std::vector<int>({2, 1, 0}));
    }

    void addEditCloneAndDelete() {
        Fixture f(VehicleType::Kart, {Tire("A1", "Soft", "5")});
        f.page.SelectTire("A1");
        f.dialogAnswer = EditTireValues(f.At("A1"), false, "2023-03-15");
        f.dialogAnswer->id = "a1";
        f.page.AddTire(); // refused: the dialog's own check would have said so
        QCOMPARE(f.page.List().tires.size(), size_t(1));
        QCOMPARE(f.dialogSeen->check(*f.dialogAnswer).value_or(QString()),
                 QStringLiteral("Tire ID not unique!"));

        f.page.CloneTire();
        QCOMPARE(f.dialogSeen->preset.compound, QStringLiteral("Soft"));
        QVERIFY(f.dialogSeen->preset.id.isEmpty());
        QVERIFY(f.dialogSeen->preset.mileage.isEmpty());
        f.dialogAnswer = f.dialogSeen->preset;
        f.dialogAnswer->id = "B2";
        f.page.CloneTire();
        QCOMPARE(f.page.List().tires.size(), size_t(2));
        QCOMPARE(f.At("B2").fields[tire_col::Compound], QStringLiteral("Soft"));
        QVERIFY(f.page.IsDirty());

        f.prompter.Expect("Delete this tire?", Answer::Cancel);
        f.page.DeleteTires();
        QCOMPARE(f.page.List().tires.size(), size_t(2));
        f.prompter.Expect("Delete this tire?", Answer::Ok);
        f.page.DeleteTires();
        QCOMPARE(f.page.FindTireRow("A1"), -1);

        f.dialogAnswer->id = "C3";
        f.page.AddTire();
        f.page.SelectTires({"B2", " C3 "});
        f.prompter.Expect("Delete these tires?", Answer::Ok);
        f.page.DeleteTires();
        QVERIFY(f.page.List().tires.empty());
        QVERIFY(f.page.SelectedIds().isEmpty());
    }

    void renamingKeepsTheHistoryAndDeletingDropsIt() {
        TireRecord tire = Tire("A1");
        tire.history = {Entry("2023-03-01", "10", "12.500")};
        Fixture f(VehicleType::Kart, {tire, Tire("C3")});
        f.page.SelectTire("A1");
        f.dialogAnswer = EditTireValues(f.At("A1"), false, "2023-03-15");
        f.dialogAnswer->id = "Z9";
        f.page.EditTire();
        QVERIFY(f.page.SaveTireList());
        QVERIFY(f.FileText().contains("[tire_id=Z9]"));
        QVERIFY(!f.FileText().contains("tire_id=A1"));
        QCOMPARE(f.Reloaded().tires[0].history.size(), 1);

        f.page.SelectTire("Z9");
        f.prompter.Expect("Delete this history entry?", Answer::Ok);
        f.page.DeleteTireHistory(0);
        QVERIFY(f.page.SaveTireList());
        QVERIFY(!f.FileText().contains("tire_id="));
    }

    void assignAndSyncTheSetupTireTable() {
        TireRecord tire = Tire("A1", "Soft", "16.09");
        tire.fields[tire_col::Brand] = "Brand";
        tire.fields[tire_col::CircCurrent] = "1270";
        Fixture f(VehicleType::Kart, {tire});
        f.page.SetMiles(true);
        f.setup.ApplyDistanceUnit(true);
        f.page.SelectTire("A1");
        f.page.AssignTire(2); // RL
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 0, 2), QStringLiteral("A1"));
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 2, 2), QStringLiteral("Soft"));
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 3, 2), QStringLiteral("Brand"));
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 5, 2), QStringLiteral("10.000"));
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 6, 2), QStringLiteral("50.000"));
        QVERIFY(f.setup.IsChanged());
        QCOMPARE(f.page.Tree().back().kind, TireTreeNode::Kind::CurrentSetup);

        // In step: no question. After the inventory moved on: asked, and written on OK.
        f.page.SyncSetupTires();
        f.page.SetTireField("A1", tire_col::Mileage, "32.18");
        f.prompter.Expect("Current tire setup needs to be updated\nwith true mileage and/or circumference",
                          Answer::Ok);
        f.page.SyncSetupTires();
        QCOMPARE(f.setup.Cell(GridId::FourWheelTires, 5, 2), QStringLiteral("20.000"));
    }

    void bikeAssignmentEmptiesTheRotation() {
        Fixture f(VehicleType::Motorcycle, {Tire("M1", "Wet", "3")});
        f.setup.SetCell(GridId::BikeTires, 6, 1, "Reversed");
        f.page.SelectTire("M1");
        f.page.AssignTire(1);
        QCOMPARE(f.setup.Cell(GridId::BikeTires, 0, 1), QStringLiteral("M1"));
        QCOMPARE(f.setup.Cell(GridId::BikeTires, 6, 1), QString());
        f.page.SetTireField("M1", tire_col::Mileage, "4");
        f.prompter.Expect("Current tire setup needs to be updated\nwith true mileage", Answer::Cancel);
        f.page.SyncSetupTires();
        QCOMPARE(f.setup.Cell(GridId::BikeTires, 5, 1), QStringLiteral("3"));
    }

    void circumferenceWriteBack() {
        TireRecord done = Tire("B2");
        done.fields[tire_col::CircFirstUse] = "1000";
        Fixture f(VehicleType::Kart, {Tire("A1"), done});
        f.prompter.ExpectError("Tire with ID X does not exist in the tire list!");
        f.page.UpdateTireCircumference({{"Front Left", "X", "1200"}, {"Front Right", "A1", ""}});
        QVERIFY(f.prompter.informations.isEmpty()); // nothing was updated: no success
        QVERIFY(!f.page.IsDirty());

        f.page.UpdateTireCircumference({{"Front Left", "A1", "1201.26"}, {"Rear Left", "B2", "1190"}});
        QCOMPARE(f.prompter.informations, QStringList({"Tire data updated successfully!"}));
        QCOMPARE(f.At("A1").fields[tire_col::CircCurrent], QStringLiteral("1201.3"));
        QCOMPARE(f.At("A1").fields[tire_col::CircFirstUse], QStringLiteral("1201.3"));
        QCOMPARE(f.At("B2").fields[tire_col::CircFirstUse], QStringLiteral("1000"));
        QCOMPARE(f.At("B2").fields[tire_col::CircCurrent], QStringLiteral("1190.0"));
    }

    void addingHistoryCountsCyclesMileageAndFirstUse() {
        Fixture f(VehicleType::Kart, {Tire("A1", {}, "100"), Tire("B2", {}, "x")});
        f.historyAnswer = TireHistoryValues{"2023-03-10",
                                            "Anna",
                                            "Ring",
                                            "Race",
                                            "12",
                                            "Frame A",
                                            {{"A1", "FL", "Normal"}, {"B2", "FR", "Reversed"}},
                                            true,
                                            true};
        f.prompter.ExpectError("No tire selected!");
        f.page.AddTireHistory();
        f.page.SetChecked("A1", true);
        f.page.SetChecked("B2", true);
        f.page.AddTireHistory();
        QCOMPARE(f.historySeen->preset.tires.size(), 2);
        QCOMPARE(f.At("A1").history.value(0), QStringList({"2023-03-10", "Anna", "FL", "Ring", "Race", "12",
                                                           "15.000", "Normal", "Frame A"}));
        QCOMPARE(f.At("B2").history.value(0)[history_col::Rotation], QStringLiteral("Reversed"));
        QCOMPARE(f.At("A1").fields[tire_col::Mileage], QStringLiteral("115"));
        QCOMPARE(f.At("B2").fields[tire_col::Mileage], QStringLiteral("15")); // no number counts as 0
        QCOMPARE(f.At("A1").fields[tire_col::HeatCycles], QStringLiteral("1"));
        QCOMPARE(f.At("A1").fields[tire_col::DateFirstUse], QStringLiteral("2023-03-10"));

        // A later entry keeps the first-use date; an edit writes the distance with one decimal.
        f.historyAnswer->date = "2023-03-12";
        f.historyAnswer->addMileage = false;
        f.page.AddTireHistory();
        QCOMPARE(f.At("A1").fields[tire_col::DateFirstUse], QStringLiteral("2023-03-10"));
        QCOMPARE(f.At("A1").fields[tire_col::HeatCycles], QStringLiteral("2"));
        f.page.SelectTire("A1");
        f.historyAnswer->tires = {{"A1", "RR", "Normal"}};
        f.page.EditTireHistory(0);
        QVERIFY(f.historySeen->editing);
        QCOMPARE(f.At("A1").history[0][history_col::Mileage], QStringLiteral("15.0"));
        QCOMPARE(f.At("A1").history[0][history_col::Position], QStringLiteral("RR"));
    }

    void noMoreThanFourTires() {
        Fixture f(VehicleType::Kart, {Tire("1"), Tire("2"), Tire("3"), Tire("4"), Tire("5")});
        f.page.CheckAll(true);
        f.prompter.ExpectError("No more than four tires can be selected!");
        f.page.AddTireHistory();
        QVERIFY(!f.historySeen);
    }

    void sessionEndBooksTheSetupTires() {
        Fixture f(VehicleType::Kart, {Tire("A1", {}, "10"), Tire("B2")});
        f.setup.SetCell(GridId::FourWheelTires, 0, 0, "A1");
        f.setup.SetCell(GridId::FourWheelTires, 7, 0, "Reversed");
        f.setup.SetCell(GridId::FourWheelTires, 0, 3, "NOPE");
        std::optional<SessionTireDialogValues> seen;
        f.page.requestSessionDialog = [&](const SessionTireDialogValues& v) {
            seen = v;
            return std::optional(v);
        };
        f.page.UpdateTiresFromSession({45000.5, "Ring", "Anna", "Frame A", "Race", "12", {}});
        QCOMPARE(seen->tireLines, QStringList({"FL (A1) ", "RR (NOPE) "}));
        QCOMPARE(f.At("A1").history.value(0), QStringList({"2023-03-15", "Anna", "FL", "Ring", "Race", "12",
                                                           "15.000", "Reversed", "Frame A"}));
        QCOMPARE(f.At("A1").fields[tire_col::Mileage], QStringLiteral("25"));
        QCOMPARE(f.At("A1").fields[tire_col::HeatCycles], QStringLiteral("1"));
        QVERIFY(f.At("B2").history.isEmpty());
        QVERIFY(f.page.IsDirty());

        // No track length: nothing is booked, and the user is told.
        f.page.UpdateTiresFromSession({45000.5, "Unknown", "Anna", "", "Race", "12", {}});
        QCOMPARE(f.At("A1").history.size(), 1);
        QCOMPARE(f.prompter.informations.size(), 1);
    }

    void dirtyListIsOfferedForSaving() {
        Fixture f(VehicleType::Car, {Tire("A1")});
        f.page.SetTireField("A1", tire_col::Set, " Rain ");
        QCOMPARE(f.page.GetTireField("A1", tire_col::Set), QStringLiteral("Rain"));
        f.prompter.ExpectError("Save tire list first to change vehicle!");
        QVERIFY(!f.page.MayChangeVehicle());
        f.prompter.Expect("Unsaved Tire List changes exists, save now?", Answer::Yes);
        QVERIFY(f.page.TireListTabSheetExit());
        QVERIFY(!f.page.IsDirty());
        QCOMPARE(f.Reloaded().tires[0].fields[tire_col::Set], QStringLiteral("Rain"));
    }
};

QTEST_GUILESS_MAIN(TestTireList)
#include "tst_tire_list.moc"
