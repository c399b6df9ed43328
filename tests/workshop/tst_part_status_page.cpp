// The part status area: group rules, adding/editing with the merge of duplicates, moving quantities,
// duplicating and deleting, the log lines, and a newer file that must never be written over.
#include "manual_clock.h"
#include "recording_prompter.h"
#include "recording_shell.h"
#include "storage/comma_text.h"
#include "workshop/part_status_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Part(const QString& changed, const QString& number, const QString& name, const QString& qty) {
    QStringList row(kPartColumnCount, QString());
    row[part_col::Changed] = changed;
    row[part_col::PartNo] = number;
    row[part_col::Name] = name;
    row[part_col::Qty] = qty;
    return row;
}

PartDialogResult Dialog(const QStringList& row) {
    PartDialogResult result;
    result.fields = row;
    return result;
}

struct Fixture {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    RecordingShell shell;
    ManualClock clock; // 2023-03-15
    PartStatusPage page{prompter, shell, clock, dir.path()};

    Fixture() { prompter.SetStrict(true); }
    // Writes the groups (name, stock, rows) as the data folder's file and loads it.
    void Load(const std::vector<std::tuple<QString, bool, QList<QStringList>>>& groups) {
        std::vector<PartGroup> file;
        for (const auto& [name, stock, rows] : groups) {
            PartGroup g;
            g.name = name;
            g.stock = stock;
            for (const QStringList& row : rows)
                g.parts.AddRow(row);
            file.push_back(std::move(g));
        }
        QVERIFY(SavePartStatusFiles(dir.path(), file, {}).has_value());
        page.LoadPartStatus();
    }
    int Group(const QString& name) const { return int(page.GroupNames().indexOf(name)); }
    const TextTable& Parts(const QString& name) const { return page.Groups()[Group(name)].parts; }
    QString FileText() const {
        QFile f(QDir(dir.path()).filePath(PartStatusFileName()));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

} // namespace

class TestPartStatusPage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addGroupRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty does nothing") << ""
                                            << "";
        QTest::newRow("exists") << "Engine"
                                << "The group Engine already exists!";
        QTest::newRow("bracket") << "Bikes [old]"
                                 << "A group name cannot hold*";
        QTest::newRow("semicolon") << "a;b"
                                   << "A group name cannot hold*";
    }
    void addGroupRules() {
        QFETCH(QString, typed);
        QFETCH(QString, error);
        Fixture f;
        f.Load({{"Engine", false, {}}});
        f.prompter.ExpectText("Add group", typed);
        if (!error.isEmpty()) f.prompter.ExpectError(error);
        f.page.AddGroup();
        QCOMPARE(f.page.GroupNames(), QStringList{"Engine"});
        QVERIFY(!f.page.IsDirty());
    }

    void groupsStaySortedAndLogged() {
        Fixture f;
        f.Load({{"Engine", false, {}}});
        f.prompter.ExpectText("Add group", QStringLiteral("chassis"));
        f.page.AddGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"chassis", "Engine"}));
        QCOMPARE(f.page.ActiveGroup(), 0);
        f.prompter.ExpectText("Edit group", QStringLiteral("Zeta"));
        f.page.RenameGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"Zeta", "Engine"})); // a rename keeps the place
        f.prompter.Expect("Delete group Zeta?", Answer::Ok);
        f.page.DeleteGroup();
        QCOMPARE(f.page.GroupNames(), QStringList{"Engine"});
        QCOMPARE(f.page.Log(), (QStringList{"2023-03-15 Group \"chassis\" created",
                                            "2023-03-15 Group \"chassis\" renamed to \"Zeta\"",
                                            "2023-03-15 Group \"Zeta\" deleted"}));
        QVERIFY(f.page.IsDirty());
    }

    void hundredGroupsAtMost() {
        Fixture f;
        std::vector<std::tuple<QString, bool, QList<QStringList>>> groups;
        for (int i = 0; i < kMaxPartGroups; ++i)
            groups.emplace_back(QStringLiteral("G%1").arg(i, 3, 10, QLatin1Char('0')), false,
                                QList<QStringList>{});
        f.Load(groups);
        f.prompter.ExpectError("There can be at most 100 groups!");
        f.page.AddGroup();
        QCOMPARE(int(f.page.Groups().size()), kMaxPartGroups);
    }

    // An added part equal to one in the group but for the quantity joins it: quantities add up and the
    // earlier date stays. A legacy row without a whole-number quantity counts as 0 pieces.
    void addMergesDuplicates_data() {
        QTest::addColumn<QString>("existingQty");
        QTest::addColumn<QString>("mergedQty");
        QTest::newRow("both numbers") << "3"
                                      << "5";
        QTest::newRow("existing empty") << ""
                                        << "2";
    }
    void addMergesDuplicates() {
        QFETCH(QString, existingQty);
        QFETCH(QString, mergedQty);
        Fixture f;
        f.Load({{"Engine", false, {Part("2023-01-10", "P1", "Piston", existingQty)}}});
        QStringList added = Part("2023-03-15", "P1", "Piston", "2");
        added[part_col::Hours] = QStringLiteral("0"); // a zero counts as empty in the comparison
        f.page.AddPart(Dialog(added));
        const TextTable& parts = f.Parts("Engine");
        QCOMPARE(parts.RowCount(), 1);
        QCOMPARE(parts.Field(0, part_col::Qty), mergedQty);
        QCOMPARE(parts.Field(0, part_col::Changed), QStringLiteral("2023-01-10"));
        QCOMPARE(f.page.Log(), QStringList{"2023-03-15 Group \"Engine\" added part \"Piston\" Part No.:P1 "
                                           "last changed:2023-03-15 hours:0"});
    }

    void addComputesLeftColumnsAndQuantity() {
        Fixture f;
        f.Load({{"Engine", false, {}}});
        QStringList row = Part(" 2023-03-15 ", " P2 ", " Rod ", "-4");
        row[part_col::Hours] = QStringLiteral("12.5");
        row[part_col::HoursLimit] = QStringLiteral("10");
        row[part_col::StartsLimit] = QStringLiteral("20");
        row[part_col::Comments] = QStringLiteral("check");
        f.page.AddPart(Dialog(row));
        const QStringList stored = f.Parts("Engine").Row(0);
        QCOMPARE(stored[part_col::Name], QStringLiteral("Rod"));
        QCOMPARE(stored[part_col::Qty],
                 QStringLiteral("1")); // a part outside the stock is one piece at least
        QCOMPARE(stored[part_col::HoursLeft], QStringLiteral("-2.50"));
        QCOMPARE(stored[part_col::MileageLeft], QString());
        QCOMPARE(stored[part_col::StartsLeft], QStringLiteral("20"));
        QCOMPARE(f.page.Emphasis(0).text, PartStatusPage::RowEmphasis::Text::Red);
        QCOMPARE(
            f.page.Log().last(),
            QStringLiteral("2023-03-15 Group \"Engine\" added part \"Rod\" Part No.:P2 comments:\"check\" "
                           "last changed:2023-03-15 hours:12.5 hours left:-2.50 starts left:20"));
        QCOMPARE(f.page.Grid().UsedRows(), 1);
        QCOMPARE(f.page.Grid().RowCount(), 2); // one empty row below the last part
    }

    void multiRowEditWritesOnlyTickedFields() {
        Fixture f;
        QStringList a = Part("2023-01-01", "A", "Alpha", "1");
        a[part_col::Hours] = QStringLiteral("4");
        QStringList b = Part("2023-01-02", "B", "Beta", "2");
        b[part_col::Hours] = QStringLiteral("6");
        f.Load({{"Engine", false, {a, b}}});
        PartDialogResult result;
        result.applied.reset();
        result.applied.set(part_col::HoursLimit);
        result.fields[part_col::HoursLimit] = QStringLiteral("10");
        result.fields[part_col::Name] = QStringLiteral("ignored");
        f.page.EditParts({0, 1}, result);
        const TextTable& parts = f.Parts("Engine");
        QCOMPARE(parts.Field(0, part_col::Name), QStringLiteral("Alpha"));
        QCOMPARE(parts.Field(0, part_col::HoursLeft), QStringLiteral("6.00"));
        QCOMPARE(parts.Field(1, part_col::HoursLeft), QStringLiteral("4.00"));
        QCOMPARE(f.page.Log().size(), 2);
    }

    // Moving from a stock group: part of the quantity, all of it, and into a stock group that holds the
    // same part already.
    void moveQuantities_data() {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QString>("stockLeft");
        QTest::addColumn<QString>("engineQty");
        QTest::newRow("2 of 5") << 2 << "3"
                                << "2";
        QTest::newRow("all 5") << 5 << "0"
                               << "5";
        QTest::newRow("more than there is") << 9 << "0"
                                            << "5";
    }
    void moveQuantities() {
        QFETCH(int, quantity);
        QFETCH(QString, stockLeft);
        QFETCH(QString, engineQty);
        Fixture f;
        QStringList stock = Part("2023-01-01", "P1", "Piston", "5");
        stock[part_col::Id] = QStringLiteral("S/N 7");
        stock[part_col::Hours] = QStringLiteral("3");
        stock[part_col::Sessions] = QStringLiteral("4");
        f.Load({{"Spares", true, {stock}}, {"Engine", false, {}}});
        f.page.SetActiveGroup(f.Group("Spares"));
        QCOMPARE(f.page.MoveParts({0}, "Engine", PartMove{quantity, false, "2023-03-15"}), engineQty.toInt());
        const TextTable& spares = f.Parts("Spares");
        QCOMPARE(spares.RowCount(), 1);
        QCOMPARE(spares.Field(0, part_col::Qty), stockLeft);
        const bool emptied = stockLeft == u"0";
        // An emptied stock row stays as an empty entry, without identity and counters.
        QCOMPARE(spares.Field(0, part_col::Id), emptied ? QString() : QStringLiteral("S/N 7"));
        QCOMPARE(spares.Field(0, part_col::Hours), emptied ? QString() : QStringLiteral("3"));
        QCOMPARE(spares.Field(0, part_col::Sessions), emptied ? QStringLiteral("0") : QStringLiteral("4"));
        const TextTable& engine = f.Parts("Engine");
        QCOMPARE(engine.RowCount(), 1);
        QCOMPARE(engine.Field(0, part_col::Qty), engineQty);
        QCOMPARE(engine.Field(0, part_col::Changed), QStringLiteral("2023-03-15"));
        QCOMPARE(engine.Field(0, part_col::Id), QStringLiteral("S/N 7"));
        QCOMPARE(f.page.Log().last(), QStringLiteral("2023-03-15 Group \"Spares\" part \"Piston\" (") +
                                          engineQty + QStringLiteral(") moved to group \"Engine\""));
    }

    void moveIntoStockAddsToTheSameRow() {
        Fixture f;
        f.Load({{"Engine", false, {Part("2023-01-01", "P1", "Piston", "1")}},
                {"Spares", true, {Part("2022-05-05", "P1", "Piston", "4")}}});
        f.page.SetActiveGroup(f.Group("Engine"));
        QCOMPARE(f.page.MoveParts({0}, "Spares", PartMove{1, false, {}}), 1);
        QCOMPARE(f.Parts("Engine").RowCount(), 0); // a row of a non-stock group goes with its last piece
        QCOMPARE(f.Parts("Spares").RowCount(), 1);
        QCOMPARE(f.Parts("Spares").Field(0, part_col::Qty), QStringLiteral("5"));
        QCOMPARE(f.Parts("Spares").Field(0, part_col::Changed), QStringLiteral("2023-01-01"));
    }

    // A multi-row move of one piece each skips stock rows that hold none: no piece is created.
    void moveNeverCreatesPieces() {
        Fixture f;
        f.Load(
            {{"Spares", true, {Part("2023-01-01", "A", "Empty", "0"), Part("2023-01-01", "B", "Full", "2")}},
             {"Other", true, {}}});
        f.page.SetActiveGroup(f.Group("Spares"));
        QCOMPARE(f.page.MoveParts({0, 1}, "Other", PartMove{1, false, {}}), 1);
        QCOMPARE(f.Parts("Other").RowCount(), 1);
        QCOMPARE(f.Parts("Other").Field(0, part_col::Name), QStringLiteral("Full"));
        // Moving the last piece between stock groups asks whether the emptied row goes.
        f.prompter.Expect("Delete \"Full\" from original group?", Answer::Yes);
        QCOMPARE(f.page.MoveParts({1}, "Other", PartMove{1, true, {}}), 1);
        QCOMPARE(f.Parts("Spares").RowCount(), 1);
        QCOMPARE(f.Parts("Other").Field(0, part_col::Qty), QStringLiteral("2"));
    }

    void deleteAndDuplicate() {
        Fixture f;
        f.Load({{"Engine",
                 false,
                 {Part("2023-01-01", "A", "Alpha", "1"), Part("2023-01-02", "B", "Beta", "1")}}});
        f.page.DuplicatePart(1);
        QCOMPARE(f.Parts("Engine").RowCount(), 3);
        QCOMPARE(f.Parts("Engine").Row(2), f.Parts("Engine").Row(1));
        QCOMPARE(f.page.Grid().CurrentRow(), 2);
        f.prompter.Expect("Delete these parts?", Answer::Cancel);
        f.page.DeleteParts({0, 2, 3}); // row 3 is the empty row below the parts
        QCOMPARE(f.Parts("Engine").RowCount(), 3);
        f.prompter.Expect("Delete these parts?", Answer::Ok);
        f.page.DeleteParts({0, 2, 3});
        QCOMPARE(f.Parts("Engine").RowCount(), 1);
        QCOMPARE(f.Parts("Engine").Field(0, part_col::Name), QStringLiteral("Beta"));
        QVERIFY(f.page.Log().last().startsWith(
            QStringLiteral("2023-03-15 Group \"Engine\" deleted part \"Alpha\"")));
    }

    void findSearchesShownColumnsOnly() {
        Fixture f;
        QStringList hidden = Part("2023-01-01", "A", "Alpha", "1");
        hidden[part_col::Supplier] = QStringLiteral("Ringmaker"); // hidden outside stock groups
        QStringList shown = Part("2023-01-01", "B", "Ring", "1");
        f.Load({{"Engine", false, {hidden, shown, Part("2023-01-01", "C", "RING 2", "1")}}});
        f.page.Grid().SetCurrentRow(-1);
        QCOMPARE(f.page.FindPart("ring", true), 1);
        QCOMPARE(f.page.FindPart("ring", true), 2);
        QCOMPARE(f.page.FindPart("ring", true), -1);
        QCOMPARE(f.page.FindPart("ring", false), 1);
    }

    void saveAndLeave() {
        Fixture f;
        f.Load({{"Engine", false, {}}});
        f.page.SetStockGroup(true);
        QVERIFY(f.page.IsDirty());
        f.prompter.Expect("Unsaved Part Status changes exists, save now?", Answer::Yes);
        QVERIFY(f.page.PartStatusTabSheetExit());
        QVERIFY(!f.page.IsDirty());
        QVERIFY(f.FileText().contains(QStringLiteral("group_stock=true;")));
    }

    // A file of a newer version: nothing loads, nothing can be changed, and saving never replaces it.
    void tooNewFileIsNeverOverwritten() {
        Fixture f;
        const QString path = QDir(f.dir.path()).filePath(PartStatusFileName());
        const QByteArray newer = "[groups]\r\nparts_list_version=3.0;\r\ngroup1=Engine;\r\n[group1]\r\n"
                                 "parts_list=parts_list_begin;\r\na,b,c\r\nparts_list=parts_list_end;\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(newer);
        }
        f.prompter.ExpectError("Partstatus version too new, use latest software release to continue!");
        f.page.LoadPartStatus();
        QVERIFY(f.page.IsReadOnly());
        QCOMPARE(f.page.GroupNames(), QStringList{"Engine"});
        QCOMPARE(f.Parts("Engine").RowCount(), 0);
        f.prompter.ExpectError("The part status is read-only*");
        f.page.AddPart(Dialog(Part("2023-01-01", "A", "Alpha", "1")));
        f.prompter.ExpectError("The part status is read-only*");
        QVERIFY(!f.page.SavePartStatus());
        QVERIFY(!f.page.IsDirty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), newer);
    }

    void showLog() {
        Fixture f;
        f.Load({{"Engine", false, {}}});
        f.prompter.ExpectError("File partstatuslog.txt does not exist!");
        f.page.ShowLog();
        f.prompter.ExpectText("Add group", QStringLiteral("Frame"));
        f.page.AddGroup();
        QVERIFY(f.page.SavePartStatus());
        f.page.ShowLog();
        QCOMPARE(f.shell.opened, QStringList{QDir(f.dir.path()).filePath("partstatuslog.txt")});
    }

    void maintenanceItemsFromParts() {
        Fixture f;
        QStringList part = Part("2023-01-01", "A", "Alpha", "1");
        part[part_col::Supplier] = QStringLiteral(" Acme ");
        f.Load({{"Engine", false, {part}}});
        QVERIFY(!f.page.UpdateMaintenanceLog({0})); // nothing takes the items yet
        std::vector<MaintenanceItemDraft> taken;
        f.page.requestAddMaintenanceItems = [&](const std::vector<MaintenanceItemDraft>& items) {
            taken = items;
            return true;
        };
        QVERIFY(f.page.UpdateMaintenanceLog({0, 1}));
        QCOMPARE(taken.size(), std::size_t(1));
        QCOMPARE(taken[0].group, QStringLiteral("Engine"));
        QCOMPARE(taken[0].date, QStringLiteral("2023-03-15"));
        QCOMPARE(taken[0].supplier, QStringLiteral("Acme"));
        QCOMPARE(taken[0].description, QStringLiteral("Alpha"));
    }
};

QTEST_GUILESS_MAIN(TestPartStatusPage)
#include "tst_part_status_page.moc"
