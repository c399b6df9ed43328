// The "Maintenance Log" page: group commands and their messages, the item commands through the item
// dialog, the report ticks, and the entry points of the other workshop pages.
#include "manual_clock.h"
#include "recording_prompter.h"
#include "storage/date_time.h"
#include "unreadable_file.h"
#include "workshop/maintenance_page.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>

namespace {

const QString kFile = QStringLiteral("[groups]\ngroup1=Bike;\ngroup2=Engine;\n[group1]\n"
                                     "item_list=item_list_begin;\n2026-01-10,5,Acme,chain\n"
                                     "2025-06-01,20,Bolt,brakes\nitem_list=item_list_end;\n");

// The program started on 2026-03-15 at noon.
struct StartClock : ManualClock {
    StartClock() { day = *ParseDateText(QStringLiteral("2026-03-15")) + 0.5; }
};

struct Fixture {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    StartClock clock;
    MaintenancePage page{prompter, clock, dir.path()};
    // What the dialog does when shown, in order; each answers OK (true) or Cancel.
    std::deque<std::function<bool(MaintenanceItemDialog&)>> dialogs;

    explicit Fixture(const QString& file = kFile) {
        prompter.SetStrict(true);
        QFile out(dir.filePath(QStringLiteral("maintenance.ini")));
        if (out.open(QIODevice::WriteOnly)) out.write(file.toUtf8());
        out.close();
        page.requestItemDialog = [this](MaintenanceItemDialog& dialog) {
            if (dialogs.empty()) {
                QTest::qFail("item dialog not expected", __FILE__, __LINE__);
                return false;
            }
            auto next = std::move(dialogs.front());
            dialogs.pop_front();
            return next(dialog);
        };
        page.LoadMaintenance();
    }
    QStringList Column(int group, int column) {
        QStringList cells;
        for (const QStringList& row : page.Log().Group(group).items.Rows())
            cells << row.value(column);
        return cells;
    }
};

} // namespace

class TestMaintenancePage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void LoadsAtTheStartState() {
        Fixture f;
        QCOMPARE(f.page.ActivePage(), MaintenancePage::kReportPage);
        QCOMPARE(f.page.PageTitle(2), QStringLiteral("Bike"));
        QVERIFY(f.page.UseAllDates());
        QCOMPARE(DateText(f.page.FromDay()), QStringLiteral("2025-03-15"));
        QCOMPARE(DateText(f.page.ToDay()), QStringLiteral("2026-03-15"));
        QVERIFY(!f.page.GroupTicked(QStringLiteral("Bike")));
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("0"));
        QVERIFY(!f.page.IsDirty());
        // The grid shows the items and one empty row.
        QCOMPARE(f.page.GroupGrid(0).RowCount(), 3);
        QCOMPARE(f.page.GroupGrid(0).UsedRows(), 2);
    }

    void AddGroupRules() {
        Fixture f;
        f.prompter.ExpectText("Add group", QStringLiteral("  "));
        f.page.AddMaintenanceGroup();
        f.prompter.ExpectText("Add group", QStringLiteral("Engine"));
        f.prompter.ExpectError("The group Engine already exists!");
        f.page.AddMaintenanceGroup();
        f.prompter.ExpectText("Add group", QStringLiteral("Old [2019]"));
        f.prompter.ExpectError("A group name cannot hold*");
        f.page.AddMaintenanceGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"Bike", "Engine"}));
        QVERIFY(!f.page.IsDirty());

        f.prompter.ExpectText("Add group", QStringLiteral(" Axle "));
        f.page.AddMaintenanceGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"Axle", "Bike", "Engine"}));
        QCOMPARE(f.page.ActivePage(), MaintenancePage::kFirstGroupPage); // the new group, sorted first
        QCOMPARE(f.page.GroupsAll(), TickState::Partly);
        QVERIFY(!f.page.GroupTicked(QStringLiteral("Axle")));
        QVERIFY(f.page.IsDirty());
    }

    void RenameKeepsPlaceAndTick() {
        Fixture f;
        f.page.SetGroupTicked(QStringLiteral("Engine"), true);
        f.page.SetSupplierTicked(QStringLiteral("Acme"), true);
        f.page.SetActivePage(MaintenancePage::kFirstGroupPage + 1);
        f.prompter.ExpectText("Edit group", QStringLiteral("Bike"));
        f.prompter.ExpectError("The group Bike already exists!");
        f.page.RenameMaintenanceGroup();
        f.prompter.ExpectText("Edit group", QStringLiteral("Aardvark"));
        f.page.RenameMaintenanceGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"Bike", "Aardvark"}));
        QVERIFY(f.page.GroupTicked(QStringLiteral("Aardvark")));
        QVERIFY(!f.page.GroupTicked(QStringLiteral("Engine")));
    }

    void DeleteGroup() {
        Fixture f;
        f.page.SetGroupsAll(TickState::Ticked);
        f.page.SetSuppliersAll(TickState::Ticked);
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("25"));
        f.prompter.ExpectError("The report group cannot be deleted!");
        f.page.DeleteMaintenanceGroup();
        f.page.SetActivePage(MaintenancePage::kFirstGroupPage);
        f.prompter.Expect("Delete group Bike?", Answer::Cancel);
        f.page.DeleteMaintenanceGroup();
        f.prompter.Expect("Delete group Bike?", Answer::Ok);
        f.page.DeleteMaintenanceGroup();
        QCOMPARE(f.page.GroupNames(), (QStringList{"Engine"}));
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("0")); // recalculated
        QCOMPARE(f.page.SelectedItemsGrid().UsedRows(), 0);
    }

    void AddAndEditItems() {
        Fixture f;
        f.page.SetSuppliersAll(TickState::Ticked);
        f.page.SetActivePage(MaintenancePage::kFirstGroupPage);
        // A bad cost keeps the dialog open; a new supplier joins the log's list.
        double shownDay = 0;
        QString costMessage;
        f.dialogs.push_back([&](MaintenanceItemDialog& d) {
            shownDay = d.Values().day;
            d.SetSupplier(QStringLiteral("Cog"));
            d.SupplierLeft();
            d.SetCost(QStringLiteral("1x"));
            costMessage = d.CheckOk().value_or(QString());
            d.SetCost(QStringLiteral("2,5"));
            d.SetDay(*ParseDateText(QStringLiteral("2025-12-24")));
            d.SetDescription(QStringLiteral("tyre"));
            return !d.CheckOk().has_value();
        });
        f.page.AddMaintenanceItem();
        QCOMPARE(shownDay, f.clock.day); // the moment the run started
        QCOMPARE(costMessage, QStringLiteral("Bad format of cost, must be a floating point value!"));
        QCOMPARE(f.Column(0, kMaintDescription), (QStringList{"chain", "tyre", "brakes"}));
        QCOMPARE(f.page.Log().Suppliers(), (QStringList{"Acme", "Bolt", "Cog"}));
        QCOMPARE(f.page.GroupGrid(0).Cell(1, kMaintCost), QStringLiteral("2,5"));
        QVERIFY(f.page.IsDirty());
        // Only the ticked suppliers of the report: Cog was not in the list when "all" was ticked.
        QCOMPARE(f.page.GroupTotalCaption(),
                 QStringLiteral("Total costs for this group based on selected date limits if any: 25"));

        // Editing the oldest item to a newer date re-sorts; the next "Add item" proposes that date.
        f.page.SetSelection(2, 2);
        QStringList presets;
        f.dialogs.push_back([&](MaintenanceItemDialog& d) {
            presets << DateText(d.Values().day) << d.Values().supplier;
            d.SetDay(*ParseDateText(QStringLiteral("2026-02-01")));
            return true;
        });
        f.page.EditMaintenanceItem();
        QCOMPARE(presets, (QStringList{"2025-06-01", "Bolt"}));
        QCOMPARE(f.Column(0, kMaintDescription), (QStringList{"brakes", "chain", "tyre"}));
        presets.clear();
        f.dialogs.push_back([&](MaintenanceItemDialog& d) {
            presets << DateText(d.Values().day) << d.Values().description;
            return false;
        });
        f.page.AddMaintenanceItem();
        QCOMPARE(presets, (QStringList{"2026-02-01", ""}));
        QCOMPARE(f.page.Log().Group(0).items.RowCount(), 3);
    }

    void DeleteAndDuplicateStayOnItems() {
        Fixture f;
        f.page.SetActivePage(MaintenancePage::kFirstGroupPage);
        // The selection reaches the empty row below the items: only the item is deleted.
        f.page.SetSelection(1, 2);
        QVERIFY(f.page.EditDeleteDuplicateEnabled());
        f.prompter.Expect("Delete this item?", Answer::Ok);
        f.page.DeleteMaintenanceItems();
        QCOMPARE(f.Column(0, kMaintDescription), (QStringList{"chain"}));
        f.page.SetSelection(1, 1);
        QVERIFY(!f.page.EditDeleteDuplicateEnabled());
        f.page.DuplicateMaintenanceItem(); // the empty row: nothing
        f.page.SetSelection(0, 0);
        f.page.DuplicateMaintenanceItem();
        QCOMPARE(f.Column(0, kMaintDescription), (QStringList{"chain", "chain"}));
        f.page.SetSelection(0, 5);
        f.prompter.Expect("Delete these items?", Answer::Cancel);
        f.page.DeleteMaintenanceItems();
        QCOMPARE(f.page.Log().Group(0).items.RowCount(), 2);
    }

    void ItemsFromOtherPages() {
        Fixture f;
        f.prompter.ExpectError("This group does not exist!");
        QVERIFY(!f.page.AppendMaintenanceItem("Nope", "2026-01-01", "1", "Acme", "x"));
        // Appended as it is: no sort.
        QVERIFY(f.page.AppendMaintenanceItem("Bike", "2027-01-01", "1", " Dyn ", "newest"));
        QCOMPARE(f.Column(0, kMaintDescription), (QStringList{"chain", "brakes", "newest"}));
        QVERIFY(f.page.Log().Suppliers().contains(QStringLiteral("Dyn")));
        QVERIFY(f.page.IsDirty());
        // Sorted in.
        QVERIFY(
            f.page.AddItems("Engine", {{"2026-01-01", "3", "Acme", "b"}, {"2026-02-01", "4", "Acme", "a"}}));
        QCOMPARE(f.Column(1, kMaintDescription), (QStringList{"a", "b"}));
        // With the group list, preset; OK needs a group that exists.
        QStringList shown;
        f.dialogs.push_back([&](MaintenanceItemDialog& d) {
            shown << d.Groups() << d.Values().group << d.Values().description
                  << d.CheckOk().value_or(QString());
            d.SetGroup(QStringLiteral("Engine"));
            return !d.CheckOk().has_value();
        });
        QVERIFY(f.page.AddItemWithGroupChoice("Pistons", "12", "Acme", "new piston"));
        QCOMPARE(shown,
                 (QStringList{"Bike", "Engine", "Pistons", "new piston", "You have to select a group!"}));
        QCOMPARE(f.Column(1, kMaintDescription), (QStringList{"a", "b", "new piston"}));
    }

    void ReportTicksAndDates() {
        Fixture f;
        f.page.SetGroupTicked(QStringLiteral("Bike"), true);
        QCOMPARE(f.page.GroupsAll(), TickState::Partly);
        f.page.SetSupplierTicked(QStringLiteral("Acme"), true);
        f.page.SetSupplierTicked(QStringLiteral("Bolt"), true);
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("25"));
        f.page.SetUseAllDates(false);                                           // 2025-03-15 .. 2026-03-15
        f.page.SetFromDay(*ParseDateText(QStringLiteral("2026-01-10")) + 0.75); // the time is dropped
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("5"));
        QCOMPARE(f.page.SelectedItemsGrid().Cell(0, kMaintenanceGroupCol), QStringLiteral("Bike"));
        f.page.SetGroupsAll(TickState::Unticked);
        QCOMPARE(f.page.TotalCostText(), QStringLiteral("0"));
    }

    void SaveWritesTheFileAndClearsTheMark() {
        Fixture f;
        QVERIFY(f.page.AppendMaintenanceItem("Engine", "2026-01-01", "1", "Acme", "x"));
        QVERIFY(f.page.SaveMaintenance());
        QVERIFY(!f.page.IsDirty());
        MaintenanceLog back;
        QVERIFY(back.Load(f.page.FilePath()));
        QCOMPARE(back.Group(1).items.Rows(), f.page.Log().Group(1).items.Rows());
    }

    // A log that could not be read shows empty; saving that would lose every item.
    void UnreadableFileIsLeftAsItIs() {
        Fixture f;
        const QString path = f.page.FilePath();
        QVERIFY(MakeUnreadable(path));
        const QFileInfo before(path);
        f.prompter.ExpectError("Cannot read " + path + "*");
        f.page.LoadMaintenance();
        QCOMPARE(f.page.Log().GroupCount(), 0);
        f.prompter.ExpectText("Add group", QStringLiteral("Van"));
        f.page.AddMaintenanceGroup();
        f.prompter.ExpectError(path + " could not be read and is left as it is.");
        QVERIFY(!f.page.SaveMaintenance());
        QVERIFY(f.page.IsDirty());
        const QFileInfo after(path);
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
    }
};

QTEST_GUILESS_MAIN(TestMaintenancePage)
#include "tst_maintenance_page.moc"
