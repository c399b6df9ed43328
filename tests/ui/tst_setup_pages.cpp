// The window first: the change tracker's AreaInfo type and the setup tables' AreaInfo() share a name.
#include "ui/app/vorlapa_form.h"

#include "in_memory_settings_store.h"
#include "manual_clock.h"
#include "recording_prompter.h"
#include "session/setup_model.h"
#include "ui/session/setup_page_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Window {
    QTemporaryDir dir;
    RecordingPrompter prompter;
    ManualClock clock;
    InMemorySettingsStore store;
    std::unique_ptr<AppState> state;
    std::unique_ptr<TVorlapaForm> form;

    explicit Window(const QString& vehicle) {
        Services services;
        services.prompter = &prompter;
        services.clock = &clock;
        services.settings = &store;
        state = std::make_unique<AppState>(services, dir.path());
        form = std::make_unique<TVorlapaForm>(*state, false);
        form->Start();
        state->SelectVehicle(vehicle);
    }
    SetupPageBuilder& Pages() const { return *form->SetupPages(); }
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
};

void TestSetupPages::eachVehicleShowsExactlyItsFields() {
    QFETCH(QString, vehicle);
    // Start on another vehicle so that the pages are rebuilt on the change.
    Window w(vehicle == u"car" ? QStringLiteral("motorcycle") : QStringLiteral("car"));
    w.state->SelectVehicle(vehicle);
    SetupModel& setup = w.form->Setup();
    QCOMPARE(setup.Vehicle(), w.state->Vehicle());
    int shown = 0;
    for (const SetupField& field : SetupFields()) {
        const bool expected = setup.HasArea(field.area) && AppliesTo(field.vehicles, setup.Vehicle());
        QWidget* widget = w.Pages().FieldWidget(field.section, field.key);
        QVERIFY2(bool(widget) == expected, qPrintable(field.Id()));
        shown += expected;
    }
    QVERIFY(shown > 20);
    for (SetupArea area : kSetupAreaOrder) {
        if (!setup.HasArea(area)) continue;
        for (GridId grid : setup.AreaGrids(area)) {
            QTableView* view = w.Pages().GridView(grid);
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
    SetupModel& setup = w.form->Setup();
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
        QCOMPARE(w.Pages().EditingPage(), subPage);
        QVERIFY2(w.SetupTabText(subPage).endsWith(u'*'), qPrintable(subPage));
        setup.MarkUnchanged();
        w.state->Changes().MarkUnchanged(Area::Setup);
    }
}

void TestSetupPages::gridCellEditReachesModel() {
    Window w(QStringLiteral("motorcycle"));
    QTableView* view = w.Pages().GridView(GridId::BikeTires);
    QVERIFY(view);
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
    SetupModel& setup = w.form->Setup();
    QCOMPARE(setup.Cell(GridId::BikeTires, row, setup.VisibleColumns(GridId::BikeTires).at(1)),
             QStringLiteral("840.5"));
    QCOMPARE(w.SetupTabText(QStringLiteral("Setup")), QStringLiteral("Setup*"));
    QVERIFY(w.SetupTabText(QStringLiteral("Current setup")).endsWith(u'*'));
}

void TestSetupPages::refusedCellTextIsShownAndNotStored() {
    Window w(QStringLiteral("motorcycle"));
    QTableView* view = w.Pages().GridView(GridId::BikeTires);
    const int row = RowOf(GridId::BikeTires, QStringLiteral("mileage"));
    QAbstractItemModel* model = view->model();
    QVERIFY(!model->setData(model->index(row, 0), QStringLiteral("12km"), Qt::EditRole));
    QCOMPARE(w.prompter.errors,
             QStringList{QStringLiteral("Bad format, it must be a floating point value!")});
    QCOMPARE(model->index(row, 0).data().toString(), QString());
    QVERIFY(!w.form->Setup().IsChanged());
    // Underscores stand for an unknown value and are taken.
    QVERIFY(model->setData(model->index(row, 0), QStringLiteral("___"), Qt::EditRole));
    QCOMPARE(model->index(row, 0).data().toString(), QStringLiteral("___"));
}

void TestSetupPages::monoshockBoxChangesDamperColumns() {
    Window w(QStringLiteral("car"));
    SetupModel& setup = w.form->Setup();
    QTableView* dampers = w.Pages().GridView(GridId::CarDampers);
    auto* monoshock = qobject_cast<QCheckBox*>(
        w.Pages().FieldWidget(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled")));
    QVERIFY(dampers && monoshock);
    const int before = dampers->model()->columnCount();
    monoshock->click();
    QVERIFY(setup.IsChecked(QStringLiteral("suspension"), QStringLiteral("f_mono_enabled")));
    QCOMPARE(size_t(dampers->model()->columnCount()), setup.VisibleColumns(GridId::CarDampers).size());
    QVERIFY(dampers->model()->columnCount() != before);
}

void TestSetupPages::distanceUnitChangesCaptionsWithoutMarking() {
    Window w(QStringLiteral("car"));
    SetupModel& setup = w.form->Setup();
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
