// The weight distribution page and the session's tire readings on screen: edits reach the setup, the
// mode switch recomputes, colours and the sum warning show what the figures say.
#include "main_window_rig.h"
#include "ui/calc/weight_distribution_view.h"
#include "ui/session/tire_readings_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

namespace {

struct Rig : MainWindowRig {
    explicit Rig(const char* vehicle) {
        WriteSettings(QString::fromLatin1(vehicle), QStringLiteral("system_unit=Metric;\r\n"));
        OpenShown();
        prompter.SetStrict(true);
    }
    template <typename T> T* Child(const QString& name) const { return form->findChild<T*>(name); }
    void Type(const QString& key, const QString& text) const {
        auto* edit = Child<QLineEdit>(QStringLiteral("weight_distribution/") + key);
        QVERIFY2(edit, qPrintable(key));
        edit->clear();
        QTest::keyClicks(edit, text);
    }
};

} // namespace

class TestTireWeightPages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void weightPage() {
        Rig w("car");
        QVERIFY(w.form->ShowPage(QStringLiteral("Setup/Weight distribution")));
        const char* weights[] = {"150", "160", "170", "180"};
        for (int corner = 0; corner < 4; ++corner)
            w.Type(WeightDistributionPage::WeightKey(corner), weights[corner]);
        QCOMPARE(w.workspace->Setup().Text("weight_distribution", "weight_car_rr"), "180");
        auto* rr = w.Child<QLabel>("percent/RR");
        QCOMPARE(rr->text(), "27.3%");
        QCOMPARE(rr->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(w.Child<QLabel>("percent/Cross weight")->palette().color(QPalette::WindowText),
                 w.Find<WeightDistributionView>()->palette().color(QPalette::WindowText));
        const char* percents[] = {"25", "25", "25", "24"};
        for (int corner = 0; corner < 4; ++corner)
            w.Type(WeightDistributionPage::PercentKey(corner), percents[corner]);
        w.Type(WeightDistributionPage::TotalKey(), "600");
        auto* warning = w.Child<QLabel>("sumWarning");
        QVERIFY(!warning->isVisible()); // the desired mode is not chosen
        w.Child<QRadioButton>("modeDesired")->click();
        QVERIFY(warning->isVisible());
        QVERIFY(warning->text().endsWith("99.0%"));
        QCOMPARE(warning->palette().color(QPalette::Window), QColor(Qt::blue));
        QCOMPARE(w.Child<QLabel>("weight/RR")->text(), "144.0");
        QCOMPARE(w.Child<QLabel>("weight/Total")->text(), "600.0");
        w.Type(WeightDistributionPage::PercentKey(3), "25");
        QVERIFY(!warning->isVisible());
        QVERIFY(w.prompter.ScriptDone());
    }

    // The readings follow the setup's tire table and the hot pressure typed on the page below them.
    void tireReadings() {
        Rig w("mc");
        w.workspace->Setup().SetCell(GridId::BikeTires, 1, 0, "1.8");
        QVERIFY(w.form->ShowPage(QStringLiteral("Active session/Tires")));
        auto* table = w.Child<QTableWidget>("tireReadingsTable");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->columnCount(), 4);
        QCOMPARE(table->item(0, 1)->text(), "1.8");
        auto* hot = w.Child<QLineEdit>("session/front_pressure_hot");
        QVERIFY(hot);
        QTest::keyClicks(hot, "2.0");
        QCOMPARE(table->item(0, 3)->text(), "11%");
        QVERIFY(w.prompter.ScriptDone());
    }
};

QTEST_MAIN(TestTireWeightPages)
#include "tst_tire_weight_pages.moc"
