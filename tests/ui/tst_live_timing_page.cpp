// The live timing on screen: keys at the main window and in the time windows reach the driver slots,
// the page, the time windows and the pit crew panel show what the live timing holds, and lap data of a
// run that crashed come back at the next start.
#include "main_window_rig.h"
#include "timing/live_timing_model.h"
#include "timing/timing_journal.h"
#include "ui/timing/driver_slot_panel.h"
#include "ui/timing/live_timing_panel.h"
#include "ui/timing/live_timing_view.h"
#include "ui/timing/pit_panel_dlg.h"
#include "ui/timing/show_time_dlg.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

struct Window : MainWindowRig {
    explicit Window(QTemporaryDir& folder) : MainWindowRig(folder) { OpenShown(); }
    void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    LiveTimingView& View() const { return *Find<LiveTimingView>(); }
    DriverSlotPanel* Slot(int slot) const { return View().Panel()->SlotPanel(slot); }
    template <typename T> T* Control(int slot, const QString& name) const {
        return Slot(slot)->findChild<T*>(name.arg(slot));
    }
    // The rows of a slot's lap table as shown, cells joined by "|", up to the last row with text.
    QStringList ShownRows(int slot) const {
        const QAbstractItemModel* model = Slot(slot)->Table()->model();
        QStringList rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                if (const QString text = model->index(r, c).data().toString(); !text.isEmpty()) cells << text;
            rows << cells.join(u'|');
        }
        while (!rows.isEmpty() && rows.last().isEmpty())
            rows.removeLast();
        return rows;
    }
};

} // namespace

class TestLiveTimingPage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void functionKeysWorkTheSlots_data();
    void functionKeysWorkTheSlots();
    void twoDriversShowThePitPanel();
    void buttonsWorkTheSlotAndPlaceItsWindow();
    void nameBoxesShareTheKnownDrivers();
    void showAllDriversAndSplits();
    void geometryGoesToTheStore();
    void journalRestoreAfterACrash();
    void renderPictures();
};

void TestLiveTimingPage::functionKeysWorkTheSlots_data() {
    QTest::addColumn<int>("slot");
    for (int slot = 1; slot <= 4; ++slot)
        QTest::addRow("slot %d", slot) << slot;
}

void TestLiveTimingPage::functionKeysWorkTheSlots() {
    QFETCH(int, slot);
    QTemporaryDir dir;
    Window w(dir);
    const int key = Qt::Key_F5 + slot - 1;
    QAbstractItemModelTester tester(w.Slot(slot)->Table()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const LiveTimingModel& model = w.workspace->LiveTiming();
    QWidget* focus = w.form->Pages();
    w.workspace->LiveTiming().SetShowAllDrivers(true);
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;

    w.At(0);
    w.Key(focus, key, ctrl); // start
    QVERIFY(model.Slot(slot).IsRunning());
    QVERIFY(w.Control<QPushButton>(slot, "StartSessionDriver%1Button")->isHidden());
    QVERIFY(!w.Control<QPushButton>(slot, "StopSessionDriver%1Button")->isHidden());
    QVERIFY(w.Control<QToolButton>(slot, "TimeDriver%1SpeedButton")->isEnabled());
    QVERIFY(w.Slot(slot)->TickRunning());
    TShowTimeDlg* window = w.View().TimeWindow(slot);
    QVERIFY(window->isVisible());
    QVERIFY(window->TickRunning());
    QCOMPARE(window->windowTitle(), QStringLiteral("Driver %1 (F%2)").arg(slot).arg(4 + slot));
    QCOMPARE(window->TimeLabel()->text(), QStringLiteral("Out lap"));

    w.At(5000);
    w.Key(focus, key, Qt::NoModifier);
    QCOMPARE(w.ShownRows(slot), QStringList{"1"});
    w.At(66000);
    w.Key(window, key, Qt::AltModifier); // in the time window, Alt held: still the stopwatch
    QCOMPARE(w.ShownRows(slot), QStringList{"1|1:01.000"});
    QCOMPARE(w.Control<QLabel>(slot, "BestLapDriver%1Label")->text(), QStringLiteral("1:01.000 (1)"));
    QCOMPARE(window->TimeLabel()->text(), QStringLiteral("1:01.000"));

    w.At(67000);
    w.Key(focus, key, shift); // undo: back to the run started, no lap recorded
    QCOMPARE(w.ShownRows(slot), QStringList{});
    QVERIFY(w.Control<QLabel>(slot, "BestLapDriver%1Label")->text().isEmpty());

    w.At(130000);
    w.Key(focus, key, ctrl | shift); // pit in: the in-lap ends
    QCOMPARE(w.ShownRows(slot), QStringList{"1|2:05.000"});
    QVERIFY(w.Control<QPushButton>(slot, "Driver%1PitInButton")->isHidden());
    QVERIFY(w.Control<QPushButton>(slot, "Driver%1PitoutButton")->isEnabled());
    QVERIFY(!w.Control<QToolButton>(slot, "TimeDriver%1SpeedButton")->isEnabled());
    QVERIFY(w.Control<QFrame>(slot, "Driver%1PitTimePanel")->isHidden());
    w.At(150000);
    w.Key(focus, key, ctrl | shift); // pit out
    QVERIFY(!w.Control<QFrame>(slot, "Driver%1PitTimePanel")->isHidden());
    QCOMPARE(w.Control<QLabel>(slot, "Driver%1PitTimeLabel")->text(), QStringLiteral("20.000"));
    QCOMPARE(window->TimeLabel()->text(), QStringLiteral("Pit:20"));

    w.At(160000);
    w.workspace->LiveTiming().SlotTick(slot); // what the slot's 100 ms timer does
    w.Key(focus, key, ctrl);                  // stop
    QVERIFY(!model.Slot(slot).IsRunning());
    QVERIFY(!window->isVisible());
    QVERIFY(!window->TickRunning());
    QVERIFY(!w.Slot(slot)->TickRunning());
    QVERIFY(!w.Control<QPushButton>(slot, "StartSessionDriver%1Button")->isHidden());
    QCOMPARE(w.Control<QLabel>(slot, "ElapsedTimeDriver%1Label")->text(), QStringLiteral("2:40.000"));
    QVERIFY(w.state->Changes().IsChanged(Area::Session));
    QVERIFY(w.beeper.beeps == 0);
}

void TestLiveTimingPage::twoDriversShowThePitPanel() {
    QTemporaryDir dir;
    Window w(dir);
    LiveTimingModel& model = w.workspace->LiveTiming();
    model.SetDriverName(1, QStringLiteral("Anna"));
    model.SetDriverName(2, QStringLiteral("Ben"));
    QCOMPARE(w.Slot(1)->findChild<QComboBox*>()->currentText(), QStringLiteral("Anna"));
    QWidget* focus = w.form->Pages();
    w.At(0);
    w.Key(focus, Qt::Key_F5, Qt::ControlModifier);
    TPitPanelDlg* panel = w.View().PitPanel();
    QVERIFY(!panel->isVisible());
    w.At(500);
    w.Key(focus, Qt::Key_F6, Qt::ControlModifier);
    QVERIFY(panel->isVisible());
    QVERIFY(panel->TickRunning());
    QTableWidget* grid = panel->DiffGrid();
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Anna"));
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Ben"));
    w.At(10000);
    w.Key(panel, Qt::Key_F5, Qt::NoModifier); // keys in the panel reach the window
    w.At(11500);
    w.Key(focus, Qt::Key_F6, Qt::NoModifier);
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("1.500")); // column 1, row 2
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("-1.500"));
    panel->findChild<QPushButton*>(QStringLiteral("ResetButton"))->click();
    QVERIFY(grid->item(2, 1)->text().isEmpty());
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Anna"));
    panel->close();
    QVERIFY(!model.PitPanel().IsVisible());
    QVERIFY(!panel->TickRunning());
    // "Tools" > "Pit crew panel" brings it back.
    QAction* entry = w.form->Action(MenuCommand::PitCrewPanel);
    QVERIFY(entry->isEnabled());
    entry->trigger();
    QVERIFY(panel->isVisible());
}

void TestLiveTimingPage::buttonsWorkTheSlotAndPlaceItsWindow() {
    QTemporaryDir dir;
    Window w(dir);
    w.workspace->LiveTiming().SetShowAllDrivers(true);
    w.form->move(40, 30);
    w.At(0);
    w.Control<QPushButton>(3, "StartSessionDriver%1Button")->click();
    QVERIFY(w.workspace->LiveTiming().Slot(3).IsRunning());
    // First shown below the window's upper part, in the third quarter of its width.
    const QRect frame = w.form->frameGeometry();
    const QRect placed = w.View().TimeWindow(3)->frameGeometry();
    QCOMPARE(placed.top(), frame.top() + qRound(frame.height() * 0.27));
    QCOMPARE(placed.left(), frame.left() + frame.width() / 2 + 10);
    w.At(4000);
    w.Control<QToolButton>(3, "TimeDriver%1SpeedButton")->click();
    w.At(70000);
    w.Control<QToolButton>(3, "TimeDriver%1SpeedButton")->click();
    QCOMPARE(w.ShownRows(3), QStringList{"1|1:06.000"});
    w.Control<QToolButton>(3, "UndoDriver%1SpeedButton")->click();
    QCOMPARE(w.ShownRows(3), QStringList{});
    w.Control<QPushButton>(3, "Driver%1PitInButton")->click();
    QVERIFY(w.Control<QPushButton>(3, "Driver%1PitInButton")->isHidden());
    w.Control<QPushButton>(3, "StopSessionDriver%1Button")->click();
    QVERIFY(!w.workspace->LiveTiming().Slot(3).IsRunning());
    QVERIFY(!w.Control<QPushButton>(3, "Driver%1PitInButton")->isEnabled());
}

void TestLiveTimingPage::nameBoxesShareTheKnownDrivers() {
    QTemporaryDir dir;
    Window w(dir);
    w.workspace->LiveTiming().SetShowAllDrivers(true);
    auto* box = w.Control<QComboBox>(2, "Driver%1NameComboBox");
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Carla"));
    QCOMPARE(w.workspace->LiveTiming().Slot(2).driverName, QStringLiteral("Carla"));
    QVERIFY(w.state->Changes().IsChanged(Area::Session));
    Q_EMIT box->lineEdit()->editingFinished(); // the box is left
    QCOMPARE(w.state->Settings().drivers, QStringList{"Carla"});
    auto* other = w.Control<QComboBox>(4, "Driver%1NameComboBox");
    QCOMPARE(other->count(), 1);
    QCOMPARE(other->itemText(0), QStringLiteral("Carla"));
    QCOMPARE(other->currentText(), QStringLiteral("Driver 4"));
    other->activated(0);
    QCOMPARE(w.workspace->LiveTiming().Slot(4).driverName, QStringLiteral("Carla"));
}

void TestLiveTimingPage::showAllDriversAndSplits() {
    QTemporaryDir dir;
    Window w(dir);
    auto* showAll = w.View().Panel()->findChild<QCheckBox*>(QStringLiteral("ShowAllDriversCheckBox"));
    QVERIFY(!showAll->isChecked());
    QVERIFY(w.Slot(1)->isVisible());
    QVERIFY(!w.Slot(2)->isVisible() && !w.Slot(4)->isVisible());
    showAll->click();
    QVERIFY(w.Slot(2)->isVisible() && w.Slot(4)->isVisible());

    auto* splits = w.View().Panel()->findChild<QComboBox*>(QStringLiteral("SplitTimesComboBox"));
    const QAbstractItemModel* table = w.Slot(3)->Table()->model();
    splits->textActivated(QStringLiteral("2"));
    QCOMPARE(table->columnCount(), 5);
    QCOMPARE(table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Finish"));
    w.At(0);
    w.Key(w.form->Pages(), Qt::Key_F7, Qt::ControlModifier);
    QVERIFY(!splits->isEnabled());
    auto* reset = w.View().Panel()->findChild<QToolButton*>(QStringLiteral("ResetSessionsToolButton"));
    QVERIFY(!reset->isEnabled());
    splits->textActivated(QStringLiteral("0")); // refused while a slot runs: the box shows the splits kept
    QCOMPARE(splits->currentText(), QStringLiteral("2"));
    QCOMPARE(table->columnCount(), 5);
}

void TestLiveTimingPage::geometryGoesToTheStore() {
    QTemporaryDir dir;
    Window w(dir);
    w.At(0);
    w.Key(w.form->Pages(), Qt::Key_F6, Qt::ControlModifier);
    TShowTimeDlg* window = w.View().TimeWindow(2);
    window->move(300, 240);
    window->resize(400, 220);
    QCOMPARE(w.workspace->LiveTiming().TimeWindow(2).geometry.width, 400);
    w.prompter.Expect("Unsaved Session changes exists, save now?", Answer::No); // the unsaved lap data
    QVERIFY(w.form->close());
    QCOMPARE(w.store.values.value(QStringLiteral("Coords/Timer2Width")).toInt(), 400);
    QCOMPARE(w.store.values.value(QStringLiteral("Coords/Timer2Height")).toInt(), 220);
    QCOMPARE(w.store.values.value(QStringLiteral("Coords/Timer2Left")).toInt(),
             w.workspace->LiveTiming().TimeWindow(2).geometry.left);
    // The lap data were not saved: their journal stays for the next start.
    QVERIFY(!JournalFindUnfinished(dir.path()).isEmpty());
}

void TestLiveTimingPage::journalRestoreAfterACrash() {
    QTemporaryDir dir;
    {
        Window first(dir);
        QWidget* focus = first.form->Pages();
        first.At(0);
        first.Key(focus, Qt::Key_F5, Qt::ControlModifier);
        for (quint32 ms : {1000u, 62000u, 124500u}) {
            first.At(ms);
            first.Key(focus, Qt::Key_F5, Qt::NoModifier);
        }
        QVERIFY(QFile::exists(QDir(dir.path()).filePath(QString::fromLatin1(kTimingJournalFileName))));
        // The program dies here: the window goes without closing, the journal stays behind.
    }
    QVERIFY(!JournalFindUnfinished(dir.path()).isEmpty());
    Window second(dir);
    QCOMPARE(second.ShownRows(1), QStringList{});
    second.prompter.Expect(
        "Lap times of a timing session that did not end normally were found.\nRestore them?", Answer::Yes);
    second.workspace->RestoreTimingJournal();
    QCOMPARE(second.prompter.questions.size(), 1);
    QCOMPARE(second.ShownRows(1), (QStringList{"1|1:01.000", "2|1:02.500"}));
    QCOMPARE(second.workspace->LiveTiming().Slot(1).timer.SaveToText(), QStringLiteral("61000,62500"));
    QVERIFY(!second.workspace->LiveTiming().Slot(1).IsRunning());
    QVERIFY(second.state->Changes().IsChanged(Area::Session));
    // Once the session is saved a normal close leaves no journal behind.
    second.state->Changes().MarkUnchanged(Area::Session);
    QVERIFY(second.form->close());
    QVERIFY(JournalFindUnfinished(dir.path()).isEmpty());
}

void TestLiveTimingPage::renderPictures() {
    // Pictures to look at by eye: only written when a folder is named.
    const QString folder = qEnvironmentVariable("VORLAPA_PICTURES");
    if (folder.isEmpty()) QSKIP("VORLAPA_PICTURES not set");
    QTemporaryDir dir;
    Window w(dir);
    LiveTimingModel& model = w.workspace->LiveTiming();
    model.SetShowAllDrivers(true);
    model.SetTrackLength(QStringLiteral("3200"));
    model.SetFuelFigures({"20", "2.5", "", "", ""});
    model.SetDriverName(1, QStringLiteral("Anna"));
    model.SetDriverName(2, QStringLiteral("Ben"));
    QWidget* focus = w.form->Pages();
    w.At(0);
    w.Key(focus, Qt::Key_F5, Qt::ControlModifier);
    w.Key(focus, Qt::Key_F6, Qt::ControlModifier);
    const quint32 laps[] = {3000, 64000, 65000, 127300, 128000, 190100, 191000, 250800};
    for (size_t i = 0; i < std::size(laps); ++i) {
        w.At(laps[i]);
        w.Key(focus, i % 2 ? Qt::Key_F6 : Qt::Key_F5, Qt::NoModifier);
    }
    w.At(260000);
    w.Key(focus, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    w.At(285000);
    w.Key(focus, Qt::Key_F5, Qt::ControlModifier | Qt::ShiftModifier);
    w.View().TimeWindow(2)->resize(300, 180);
    QApplication::processEvents(); // the layouts follow the new texts
    QVERIFY(w.form->grab().save(folder + QStringLiteral("/page.png")));
    QVERIFY(w.View().TimeWindow(1)->grab().save(folder + QStringLiteral("/time_window.png")));
    QVERIFY(w.View().TimeWindow(2)->grab().save(folder + QStringLiteral("/time_window_large.png")));
    QVERIFY(w.View().PitPanel()->grab().save(folder + QStringLiteral("/pit_panel.png")));
}

QTEST_MAIN(TestLiveTimingPage)
#include "tst_live_timing_page.moc"
