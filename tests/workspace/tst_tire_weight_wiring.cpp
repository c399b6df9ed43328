// The workspace keeps the session's tire readings in step with the setup, computes the weight
// distribution from the setup's inputs in the page's mode (the report follows it), and writes the tire
// pressure guru's references to the settings file.
#include "workspace_rig.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Rig : WorkspaceRig {
    explicit Rig(const char* vehicle = "car") {
        WriteSettings(QString::fromLatin1(vehicle), QStringLiteral("system_unit=Metric;\r\n"));
        Open();
        prompter.SetStrict(true);
    }
    SetupModel& Setup() const { return workspace->Setup(); }
    QString FirstReading() const {
        const TireReading r = workspace->TireReadings().Readings().front();
        return QStringList{r.wheel, r.cold, r.hot, r.increase, r.before, r.after, r.difference, r.percent}
            .join('|');
    }
    QString SettingsText() const {
        QFile file(Path(QStringLiteral("vorlapa.ini")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

int Row(GridId grid, const char* key) {
    const auto& rows = Grid(grid).rows;
    for (size_t row = 0; row < rows.size(); ++row)
        if (rows[row].key == QLatin1String(key)) return int(row);
    return -1;
}

} // namespace

class TestTireWeightWiring : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Setup edits mirror at once; a session saved and opened again brings its own setup's values, not
    // those of the session before.
    void tireReadingsFollowTheSetup() {
        Rig w;
        const GridId grid = GridId::FourWheelTires;
        w.Setup().SetCell(grid, Row(grid, "pressure_cold"), 0, "1.8");
        w.Setup().SetCell(grid, Row(grid, "circumference"), 0, "1850");
        SessionModel& session = w.Ws().Session();
        session.SetText(SessionKeys::SessionNotes, "fl_pressure_hot", "2.0");
        session.SetText(SessionKeys::SessionNotes, "fl_circumference", "1822");
        QCOMPARE(w.FirstReading(), "FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%");

        const QString path = w.Path("first.ses");
        QVERIFY(session.SaveSession(path));
        w.Setup().SetCell(grid, Row(grid, "pressure_cold"), 0, "");
        QCOMPARE(w.FirstReading(), "FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%"); // no number: the last one stays
        const QString bare = w.Path("bare.ses");
        QVERIFY(session.SaveSession(bare));
        QVERIFY(session.LoadSession(bare));
        QCOMPARE(w.FirstReading(), "FL||2.0||1850|1822|-28.0|-1.5%");
        QVERIFY(session.LoadSession(path));
        QCOMPARE(w.FirstReading(), "FL|1.8|2.0|11%|1850|1822|-28.0|-1.5%");
        QVERIFY(w.prompter.ScriptDone());
    }

    // Edits of the page's inputs mark the setup and its sub-page; the report prints the page's mode.
    void weightPageComputesInItsMode() {
        Rig w;
        WeightDistributionPage& page = w.Ws().WeightDistribution();
        const char* weights[] = {"150", "160", "170", "180"};
        for (int corner = 0; corner < 4; ++corner)
            page.SetText(WeightDistributionPage::WeightKey(corner), weights[corner]);
        QCOMPARE(page.Results().total, "660.0");
        QVERIFY(w.state->Changes().IsChanged(Area::Setup));
        QCOMPARE(w.state->Changes().CaptionText("Weight distribution"), "Weight distribution*");
        const char* percents[] = {"25", "25", "25", "24"};
        for (int corner = 0; corner < 4; ++corner)
            page.SetText(WeightDistributionPage::PercentKey(corner), percents[corner]);
        page.SetText(WeightDistributionPage::TotalKey(), "600");
        QCOMPARE(page.Results().total, "660.0"); // the actual weights' mode is chosen
        QCOMPARE(w.Ws().CurrentReportSource().setup().weightMode, WeightMode::ActualCornerWeights);

        page.SetMode(WeightMode::DesiredDistribution);
        QCOMPARE(page.Results().total, "600.0");
        QCOMPARE(page.Results().rows[RR].weight, "144.0");
        QCOMPARE(w.Ws().CurrentReportSource().setup().weightMode, WeightMode::DesiredDistribution);
        QVERIFY(w.prompter.ScriptDone());
    }

    // Right click on the picture area: an existing file is kept, a missing one clears it, both written
    // to the settings file at once.
    void weightPicture() {
        Rig w;
        WeightDistributionPage& page = w.Ws().WeightDistribution();
        w.Touch("car.jpg");
        w.prompter.ExpectText("Select picture", w.Path("car.jpg"));
        QVERIFY(page.ChoosePicture("*.jpg"));
        QCOMPARE(page.PictureFile(), w.Path("car.jpg"));
        QVERIFY(w.SettingsText().contains("car_weight_image_name=" + w.Path("car.jpg") + ";"));
        w.prompter.ExpectText("Select picture", w.Path("gone.jpg"));
        QVERIFY(page.ChoosePicture("*.jpg"));
        QCOMPARE(page.PictureFile(), QString());
        QVERIFY(!w.SettingsText().contains("car.jpg"));
        w.prompter.ExpectText("Select picture", std::nullopt);
        QVERIFY(!page.ChoosePicture("*.jpg"));
        QVERIFY(w.prompter.ScriptDone());
    }

    // OK with changed references writes them; cancelled ones wait for the next write of the settings.
    void guruReferencesReachTheSettingsFile() {
        Rig w;
        TirePressureGuruModel& guru = w.Ws().TirePressureGuru();
        w.Ws().TirePressureGuruOpening();
        guru.SetReferences({"20", "1.80", "60", "2.00"});
        w.Ws().TirePressureGuruClosed(false);
        QVERIFY(!w.SettingsText().contains("ref_hot_temp=60;"));
        w.Ws().TirePressureGuruOpening();
        guru.SetReferences({"20", "1.80", "70", "2.00"});
        w.Ws().TirePressureGuruClosed(true);
        QVERIFY(w.SettingsText().contains("ref_hot_temp=70;"));

        QVERIFY(w.prompter.ScriptDone());
        WorkspaceRig next(w.dir); // the next start reads them
        next.Open();
        QCOMPARE(next.Ws().TirePressureGuru().References(),
                 (TirePressureReferences{"20", "1.80", "70", "2.00"}));
    }
};

QTEST_GUILESS_MAIN(TestTireWeightWiring)
#include "tst_tire_weight_wiring.moc"
