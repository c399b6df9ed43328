#include "main_window_rig.h"
#include "session/setup_model.h"
#include "ui/calc/gearing_page.h"
#include "ui/calc/weight_distribution_view.h"
#include "ui/session/setup_page_builder.h"
#include "ui/widgets/grid_cell_editor.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

struct Window : MainWindowRig {
    explicit Window(const QString& vehicle) {
        Open();
        state->SelectVehicle(vehicle);
    }
    SetupPageBuilder& Pages() const { return *Find<SetupPageBuilder>(); }
    // The caption of a tab under "Setup" (at any depth), or of "Setup" itself.
    QString SetupTabText(const QString& caption) const {
        QList<QTabWidget*> tabs = {form->Pages()};
        for (QTabWidget* inner : form->findChildren<QTabWidget*>())
            if (inner->objectName().startsWith(QStringLiteral("pages/Setup"))) tabs << inner;
        for (QTabWidget* widget : tabs)
            for (int i = 0; i < widget->count(); ++i)
                if (widget->tabText(i).startsWith(caption) &&
                    (widget != form->Pages() || caption == u"Setup"))
                    return widget->tabText(i);
        return {};
    }
};

void AddVehicles() {
    QTest::addColumn<QString>("vehicle");
    for (const char* code : {"motorcycle", "sidecar", "gokart", "car"})
        QTest::newRow(code) << QString::fromLatin1(code);
}

int RowOf(GridId grid, const QString& key) {
    const auto& rows = Grid(grid).rows;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].key == key) return int(i);
    return -1;
}

} // namespace

class TestSetupPages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void eachVehicleShowsExactlyItsFields_data() { AddVehicles(); }
    void eachVehicleShowsExactlyItsFields();
    void typedTextReachesModelAndMarksSetup_data() { AddVehicles(); }
    void typedTextReachesModelAndMarksSetup();
    void gridCellEditReachesModel();
    void refusedCellTextIsShownAndNotStored();
    void monoshockBoxChangesDamperColumns();
    void distanceUnitChangesCaptionsWithoutMarking();
    void subPagesWithoutContentAreHidden();
    void gearingPageForwardsEditsAndShowsFigures();
    void cellEditInProgressIsCommittedBeforeALoad();
    void calculatorWindowsOpen();
    void jettingGuruChangesReachTheSettingsFile();
    void setupOpenedFromASession();
};

void TestSetupPages::eachVehicleShowsExactlyItsFields() {
    QFETCH(QString, vehicle);
    // Start on another vehicle so that the pages are rebuilt on the change.
    Window w(vehicle == u"car" ? QStringLiteral("motorcycle") : QStringLiteral("car"));
    w.state->SelectVehicle(vehicle);
    SetupModel& setup = w.workspace->Setup();
    QCOMPARE(setup.Vehicle(), w.state->Vehicle());
    int shown = 0;
    for (const SetupField& field : SetupFields()) {
        const bool expected = setup.HasArea(field.area) && AppliesTo(field.vehicles, setup.Vehicle());
        // The weight distribution fields are the weight page's; the page is hidden without the area.
        if (field.area == SetupArea::WeightDistribution) {
            if (expected)
                QVERIFY2(w.Find<WeightDistributionView>()->findChild<QWidget*>(
                             QStringLiteral("weight_distribution/") + field.key),
                         qPrintable(field.Id()));
            QVERIFY(!w.Pages().FieldWidget(field.section, field.key));
            shown += expected;
            continue;
        }
        // The gearing fields are the gearing calculator's page.
        QWidget* widget =
            field.area == SetupArea::Gearing
                ? w.Find<GearingPage>()->findChild<QWidget*>(QStringLiteral("gearing/") + field.key)
                : w.Pages().FieldWidget(field.section, field.key);
        QVERIFY2(bool(widget) == expected, qPrintable(field.Id()));
        shown += expected;
    }
    QVERIFY(shown > 20);
    for (SetupArea area : kSetupAreaOrder) {
        if (!setup.HasArea(area)) continue;
        for (GridId grid : setup.AreaGrids(area)) {
            QTableView* view = w.Pages().GridView(grid);
            if (Grid(grid).shownApart) {
                QVERIFY(!view); // the dyno window and the gearing page show these
                continue;
            }
            QVERIFY(view);
            QCOMPARE(size_t(view->model()->columnCount()), setup.VisibleColumns(grid).size());
            QCOMPARE(size_t(view->model()->rowCount()), Grid(grid).rows.size());
        }
    }
    QVERIFY(!w.Pages().GridView(vehicle == u"car" ? GridId::BikeTires : GridId::CarDampers));
}

void TestSetupPages::typedTextReachesModelAndMarksSetup() {
    QFETCH(QString, vehicle);
    Window w(vehicle);
    SetupModel& setup = w.workspace->Setup();
    // One plain entry field and one history box of the vehicle.
    for (ControlKind kind : {ControlKind::Edit, ControlKind::HistoryBox}) {
        const auto& fields = SetupFields();
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const SetupField& f) {
            return f.control == kind && setup.HasArea(f.area) && AppliesTo(f.vehicles, setup.Vehicle());
        });
        QVERIFY(field != fields.end());
        QWidget* widget = w.Pages().FieldWidget(field->section, field->key);
        QVERIFY(widget);
        QWidget* target = widget;
        if (auto* box = qobject_cast<QComboBox*>(widget)) target = box->lineEdit();
        QTest::keyClicks(target, QStringLiteral("12.5"));
        QCOMPARE(setup.Text(field->section, field->key), QStringLiteral("12.5"));
        QVERIFY(setup.IsChanged());
        QVERIFY(w.state->Changes().IsChanged(Area::Setup));
        QCOMPARE(w.SetupTabText(QStringLiteral("Setup")), QStringLiteral("Setup*"));
        const QString subPage = SetupPageBuilder::SubPageOf(field->page, field->area);
        QCOMPARE(w.workspace->Setup().EditingPage(), subPage);
        QVERIFY2(w.SetupTabText(subPage).endsWith(u'*'), qPrintable(subPage));
        setup.MarkUnchanged();
        w.state->Changes().MarkUnchanged(Area::Setup);
    }
}

void TestSetupPages::gridCellEditReachesModel() {
    Window w(QStringLiteral("motorcycle"));
    QTableView* view = w.Pages().GridView(GridId::BikeTires);
    QVERIFY(view);
    QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int row = RowOf(GridId::BikeTires, QStringLiteral("mileage"));
    QVERIFY(row >= 0);
    // The mileage row is typed into the grid itself.
    QVERIFY(w.form->ShowPage(QStringLiteral("Current setup")));
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    const QModelIndex cell = view->model()->index(row, 1);
    view->setCurrentIndex(cell);
    view->edit(cell);
    // The grid's own editor, not the history box laid over history rows.
    auto* editor = view->viewport()->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("840.5"));
    // What the delegate sends when the editor is confirmed: the view writes the editor's text.
    Q_EMIT view->itemDelegate()->commitData(editor);
    SetupModel& setup = w.workspace->Setup();
    QCOMPARE(setup.Cell(GridId::BikeTires, row, setup.VisibleColumns(GridId::BikeTires).at(1)),
             QStringLiteral("840.5"));
    QCOMPARE(w.SetupTabText(QStringLiteral("Setup")), QStringLiteral("Setup*"));
    QVERIFY(w.SetupTabText(QStringLiteral("Current setup")).endsWith(u'*'));
    // A load shows the loaded cells.
    QVERIFY(setup.OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set")));
    QCOMPARE(view->model()->index(row, 1).data().toString(), QString());
}

void TestSetupPages::refusedCellTextIsShownAndNotStored() {
    Window w(QStringLiteral("motorcycle"));
    QTableView* view = w.Pages().GridView(GridId::BikeTires);
    const int row = RowOf(GridId::BikeTires, QStringLiteral("mileage"));
    QAbstractItemModel* model = view->model();
    w.prompter.ExpectError(QStringLiteral("Bad format, it must be a floating point value!"));
    QVERIFY(!model->setData(model->index(row, 0), QStringLiteral("12km"), Qt::EditRole));
    QVERIFY(w.prompter.ScriptDone());
    QCOMPARE(model->index(row, 0).data().toString(), QString());
    QVERIFY(!w.workspace->Setup().IsChanged());
    // Underscores stand for an unknown value and are taken.
    QVERIFY(model->setData(model->index(row, 0), QStringLiteral("___"), Qt::EditRole));
    QCOMPARE(model->index(row, 0).data().toString(), QStringLiteral("___"));
}

void TestSetupPages::monoshockBoxChangesDamperColumns() {
    Window w(QStringLiteral("car"));
    SetupModel& setup = w.workspace->Setup();
    QTableView* dampers = w.Pages().GridView(GridId::CarDampers);
    auto* monoshock = qobject_cast<QCheckBox*>(
        w.Pages().FieldWidget(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled")));
    QVERIFY(dampers && monoshock);
    QAbstractItemModelTester tester(dampers->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int before = dampers->model()->columnCount();
    monoshock->click();
    QVERIFY(setup.IsChecked(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled")));
    QCOMPARE(size_t(dampers->model()->columnCount()), setup.VisibleColumns(GridId::CarDampers).size());
    QVERIFY(dampers->model()->columnCount() != before);
}

void TestSetupPages::distanceUnitChangesCaptionsWithoutMarking() {
    Window w(QStringLiteral("car"));
    SetupModel& setup = w.workspace->Setup();
    const int row = RowOf(GridId::FourWheelTires, QStringLiteral("mileage"));
    QAbstractItemModel* model = w.Pages().GridView(GridId::FourWheelTires)->model();
    QVERIFY(model->setData(model->index(row, 0), QStringLiteral("100"), Qt::EditRole));
    setup.MarkUnchanged();
    w.state->Changes().MarkUnchanged(Area::Setup);

    w.state->Units().ApplyUnitSystem(QStringLiteral("US Standard"));
    w.state->SelectVehicle(QStringLiteral("car")); // any change the window shows
    QVERIFY(setup.Miles());
    model = w.Pages().GridView(GridId::FourWheelTires)->model();
    QCOMPARE(model->headerData(row, Qt::Vertical, Qt::DisplayRole).toString(),
             QStringLiteral("Mileage [miles]"));
    QCOMPARE(model->index(row, 0).data().toString(), setup.Cell(GridId::FourWheelTires, row, 0));
    QVERIFY(model->index(row, 0).data().toString() != u"100");
    QVERIFY(!setup.IsChanged());
    QCOMPARE(w.SetupTabText(QStringLiteral("Setup")), QStringLiteral("Setup"));
}

QTEST_MAIN(TestSetupPages)
#include "tst_setup_pages.moc"

void TestSetupPages::subPagesWithoutContentAreHidden() {
    Window w(QStringLiteral("motorcycle"));
    QVERIFY(w.form->ShowPage(QStringLiteral("Detailed settings")));
    // A path names the one page where the caption alone is found twice.
    QVERIFY(w.form->ShowPage(QStringLiteral("Setup/General")));
    QCOMPARE(w.form->ShownPath(), (QStringList{"Setup", "General"}));
    QVERIFY(w.form->ShowPage(QStringLiteral("Active session/General")));
    QCOMPARE(w.form->ShownPath(), (QStringList{"Active session", "General"}));
    QVERIFY(!w.form->ShowPage(QStringLiteral("Setup/Nothing")));
    for (const char* vehicle : {"gokart", "car"}) {
        w.state->SelectVehicle(QString::fromLatin1(vehicle));
        QVERIFY2(!w.form->ShowPage(QStringLiteral("Detailed settings")), vehicle);
        QVERIFY(w.form->ShowPage(QStringLiteral("Basic settings")));
    }
}

void TestSetupPages::gearingPageForwardsEditsAndShowsFigures() {
    Window w(QStringLiteral("motorcycle"));
    GearingPage* page = w.Find<GearingPage>();
    auto* symbols = page->findChild<QTableView*>(QStringLiteral("gearing/symbols1"));
    QVERIFY(symbols);
    QAbstractItemModelTester tester(symbols->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(w.workspace->Setup().OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set")));
    auto label = [&](const char* name) {
        return page->findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(label("gearing/speed1"), QString("88.67 km/h"));
    QCOMPARE(label("gearing/rpm2"), QString("4667"));

    auto* output = page->findChild<QLineEdit*>(QStringLiteral("gearing/output_first_gear"));
    QVERIFY(output);
    output->selectAll();
    QTest::keyClicks(output, QStringLiteral("30"));
    QCOMPARE(w.workspace->Setup().Text(QStringLiteral("gearing"), QStringLiteral("output_first_gear")),
             QString("30"));
    QCOMPARE(label("gearing/speed1"), QString("106.40 km/h"));
    QVERIFY(w.SetupTabText(QStringLiteral("Gearing")).endsWith(u'*'));

    auto* mode = page->findChild<QComboBox*>(QStringLiteral("gearing/mode"));
    mode->setCurrentIndex(int(GearCalcMode::FixSpeed));
    auto* fixSpeed = page->findChild<QLineEdit*>(QStringLiteral("gearing/fixSpeed"));
    QVERIFY(!fixSpeed->isHidden());
    QTest::keyClicks(fixSpeed, QStringLiteral("100"));
    QCOMPARE(label("gearing/rpm2"), QString("5263"));
    QCOMPARE(label("gearing/explanation"), GearCalcModeExplanation(GearCalcMode::FixSpeed));

    // Symbols lock the typed teeth and open the edit button.
    auto* useSymbols = page->findChild<QCheckBox*>(QStringLiteral("gearing/use_gearing_symbols"));
    auto* edit = page->findChild<QPushButton*>(QStringLiteral("gearing/editSymbols"));
    QVERIFY(!edit->isEnabled());
    useSymbols->click();
    QVERIFY(!output->isEnabled());
    QVERIFY(edit->isEnabled());
    edit->click();
    QCOMPARE(edit->text(), QString("End edit"));
    QVERIFY(!symbols->isHidden());
    QAbstractItemModel* model = symbols->model();
    QVERIFY(model->setData(model->index(2, 0), QStringLiteral("Q")));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Q"));
}

void TestSetupPages::cellEditInProgressIsCommittedBeforeALoad() {
    Window w(QStringLiteral("motorcycle"));
    QVERIFY(w.form->ShowPage(QStringLiteral("Jetting")));
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    QTableView* view = w.Pages().GridView(GridId::Jetting);
    const int row = RowOf(GridId::Jetting, QStringLiteral("main_jet"));
    auto* editor = view->findChild<GridCellEditor*>();
    QVERIFY(editor);
    QVERIFY(editor->EditCell(view->model()->index(row, 0)));
    editor->setCurrentText(QStringLiteral("150"));
    SetupModel& setup = w.workspace->Setup();
    QVERIFY(setup.OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set")));
    // The text went into the old setup before the load; the loaded setup keeps its own (empty) cell.
    QVERIFY(!editor->EditedCell().isValid());
    QApplication::processEvents();
    QCOMPARE(setup.Cell(GridId::Jetting, row, 0), QString());
    QVERIFY(!setup.IsChanged());
}

void TestSetupPages::calculatorWindowsOpen() {
    Window w(QStringLiteral("motorcycle"));
    QVERIFY(w.workspace->Setup().OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set")));
    for (const char* name : {"Dyno Data", "Power Chart", "Jetting Guru!", "Jetting Guru!/Reference values"})
        QVERIFY2(w.form->ShowWindow(QString::fromLatin1(name)), name);
    QVERIFY(!w.form->ShowWindow(QStringLiteral("Nothing")));
    // The dyno table: rpm and power typed, the torque computed.
    auto* dyno = w.form->findChild<QTableView*>(QStringLiteral("dynoTable"));
    QVERIFY(dyno);
    QAbstractItemModel* table = dyno->model();
    QAbstractItemModelTester tester(table, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(table->setData(table->index(41, 0), QStringLiteral("9000")));
    QVERIFY(table->setData(table->index(41, 1), QStringLiteral("40")));
    QVERIFY(!table->index(41, 2).data().toString().isEmpty());
    QVERIFY(!table->setData(table->index(41, 2), QStringLiteral("1")));
    QVERIFY(w.SetupTabText(QStringLiteral("Engine")).endsWith(u'*'));
    QVERIFY(w.workspace->Setup().OpenSetup(QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set")));
    QVERIFY(w.form->ShowWindow(QStringLiteral("Dyno Data")));
    QCOMPARE(table->index(41, 0).data().toString(), QString());
    // Ticked by opening the chart; closing the window unticks it.
    auto* show = w.Find<GearingPage>()->findChild<QCheckBox*>(QStringLiteral("gearing/showPowerChart"));
    QVERIFY(show->isChecked());
    auto* chart = w.form->findChild<QDialog*>(QStringLiteral("PowerChartForm"));
    chart->close();
    QVERIFY(!show->isChecked());
    // Esc closes it as well.
    show->click();
    QVERIFY(chart->isVisible());
    QTest::keyClick(chart, Qt::Key_Escape);
    QVERIFY(!chart->isVisible());
    QVERIFY(!show->isChecked());
}

void TestSetupPages::jettingGuruChangesReachTheSettingsFile() {
    Window w(QStringLiteral("motorcycle"));
    bool edited = false;
    // The guru is modal: it is edited and closed from the event loop it runs.
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        auto* reference = dialog->findChild<QLineEdit*>(QStringLiteral("jettingReference1"));
        QTest::keyClicks(reference, QStringLiteral("96.5"));
        edited = true;
        dialog->close();
    });
    w.form->Action(MenuCommand::JettingGuru)->trigger();
    QVERIFY(edited);
    QCOMPARE(w.state->Settings().jettingRefRad1, QString("96.5"));
    QFile file(w.dir.filePath(QStringLiteral("vorlapa.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("ref_rad1=96.5;"));

    // Opened and closed without a change: nothing is written.
    QVERIFY(file.remove());
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.form->Action(MenuCommand::JettingGuru)->trigger();
    QVERIFY(!QFile::exists(w.dir.filePath(QStringLiteral("vorlapa.ini"))));
}

void TestSetupPages::setupOpenedFromASession() {
    Window w(QStringLiteral("motorcycle"));
    w.workspace->Setup().SetText(QStringLiteral("engine"), QStringLiteral("bore"), QStringLiteral("54"));
    QVERIFY(w.state->Changes().IsChanged(Area::Setup));
    w.prompter.Expect("Unsaved changes exists, save now?", Answer::No);
    w.prompter.ExpectText("Open setup from session", QStringLiteral(VORLAPA_TEST_DATA "/gearing_setup.set"));
    QVERIFY(w.form->Action(MenuCommand::OpenSetupFromSession)->isEnabled());
    w.form->Action(MenuCommand::OpenSetupFromSession)->trigger();
    QCOMPARE(w.prompter.questions.first(), QString("Unsaved changes exists, save now?"));
    QVERIFY(!w.state->Changes().IsChanged(Area::Setup));
    QCOMPARE(w.SetupTabText(QStringLiteral("Setup")), QString("Setup"));
    QCOMPARE(w.Find<GearingPage>()->findChild<QLabel*>(QStringLiteral("gearing/speed1"))->text(),
             QString("88.67 km/h"));
    auto* bore =
        qobject_cast<QComboBox*>(w.Pages().FieldWidget(QStringLiteral("engine"), QStringLiteral("bore")));
    QCOMPARE(bore->currentText(), QString());
}
