// The live timing screen as a team races with it: unit changes redraw the slots without marking the
// session changed, the time windows sit side by side, the menu shortcuts work whatever has the focus,
// and the first start asks for a vehicle.
#include "app/options_model.h"
#include "main_window_rig.h"
#include "timing/live_timing_model.h"
#include "ui/timing/driver_slot_panel.h"
#include "ui/timing/live_timing_panel.h"
#include "ui/timing/live_timing_view.h"
#include "ui/timing/show_time_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QTest>

namespace {

// One driver with laps on a 1609 m track, saved; the window at its default size.
struct Window : MainWindowRig {
    Window() {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Sessions")));
        WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Mile;\r\n[Mile]\r\nlength=1609;\r\n"));
        Open();
        form->resize(1024, 720);
        form->show();
        QVERIFY(form->ShowPage(QStringLiteral("Active session")));
    }
    LiveTimingModel& Timing() const { return workspace->LiveTiming(); }
    QLabel* Figure(int slot, const char* name) const {
        return Find<LiveTimingView>()->Panel()->SlotPanel(slot)->findChild<QLabel*>(QString::fromLatin1(name).arg(slot));
    }
    void TimeLaps(int slot, int laps) {
        At(0);
        Timing().StartOrStop(slot);
        for (int lap = 0; lap <= laps; ++lap) {
            At(1000 + quint32(lap) * 4000);
            Timing().StopwatchPress(slot);
        }
        At(1000 + quint32(laps) * 4000 + 500);
        Timing().StartOrStop(slot);
    }
    void ChooseUnits(int item) {
        OptionsModel options(state->Settings(), state->Settings().percentForMean, prompter);
        options.Values().unitSystemItem = item;
        workspace->ApplyOptions(options.Accept());
    }
};

} // namespace

class TestLiveTimingScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void unitChangeRedrawsTheSlotsAndChangesNothing() {
        Window w;
        SessionModel& session = w.workspace->Session();
        session.SetText(SessionKeys::Conditions, SessionKeys::Track, QStringLiteral("Mile"));
        session.SetText(SessionKeys::Conditions, QStringLiteral("weather"), QStringLiteral("Sunny"));
        w.TimeLaps(1, 2);
        QCOMPARE(w.Figure(1, "DistanceDriver%1Label")->text(), QStringLiteral("3.218 km"));
        QCOMPARE(w.Figure(1, "BestAverageSpeedDriver%1Label")->text(), QStringLiteral("1448.1 km/h"));
        QVERIFY(session.SaveSession(w.Path(QStringLiteral("Sessions/mile.ses"))));
        QVERIFY(!session.IsChanged());

        w.ChooseUnits(1); // "US Standard"
        QCOMPARE(w.Figure(1, "DistanceDriver%1Label")->text(), QStringLiteral("2.000 miles"));
        QCOMPARE(w.Figure(1, "BestAverageSpeedDriver%1Label")->text(), QStringLiteral("900.0 mph"));
        QVERIFY(!session.IsChanged());
        QVERIFY(!w.state->Changes().IsChanged(Area::Setup));
        QCOMPARE(w.form->Pages()->tabText(0), QStringLiteral("Active session"));
        QCOMPARE(session.Text(SessionKeys::Conditions, QStringLiteral("weather")), QStringLiteral("Sunny"));

        w.ChooseUnits(0);
        QCOMPARE(w.Figure(1, "DistanceDriver%1Label")->text(), QStringLiteral("3.218 km"));
        QVERIFY(!session.IsChanged());
    }

    void renderPictures() {
        // Pictures to look at by eye, at the default window size: only written when a folder is named.
        const QString folder = qEnvironmentVariable("VORLAPA_PICTURES");
        if (folder.isEmpty()) QSKIP("VORLAPA_PICTURES not set");
        Window w;
        w.Write(QStringLiteral("Tracks/tracks.txt"),
                QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Zolder;\r\n"
                               "[Zolder]\r\nlength=3977;\r\nfuel_consumption_dry_track=0.9;\r\n"));
        w.workspace->LoadTracks();
        SessionModel& session = w.workspace->Session();
        const QList<std::pair<QString, QString>> conditions = {
            {"name_of_event", "Club race"}, {SessionKeys::Track, "Zolder"}, {"track_condition", "Dry"},
            {"track_temperature", "32"},   {"session_type", "Practice 2"}, {"amount_fuel", "14"},
            {"weather", "Sunny"},          {SessionKeys::AirTemperature, "21"},
            {SessionKeys::Pressure, "1013"}, {SessionKeys::Humidity, "45"}};
        for (const auto& [key, text] : conditions)
            session.SetText(SessionKeys::Conditions, key, text);
        w.Timing().SetDriverName(1, QStringLiteral("Anna"));
        const quint32 laps[] = {98123, 95456, 94880, 94211, 95002, 93987, 94350, 94102, 96012, 93877, 94410, 94690};
        quint32 at = 0;
        LiveTimingView& view = *w.Find<LiveTimingView>();
        w.At(at);
        view.RunKey(1, LiveTimingAction::StartStop);
        w.At(at += 4000);
        view.RunKey(1, LiveTimingAction::Stopwatch);
        for (quint32 lap : laps) {
            w.At(at += lap);
            view.RunKey(1, LiveTimingAction::Stopwatch);
        }
        w.At(at += 20000);
        view.RunKey(1, LiveTimingAction::PitInOut);
        w.At(at += 34000);
        view.RunKey(1, LiveTimingAction::PitInOut);
        QApplication::processEvents();
        QVERIFY(w.form->grab().save(folder + QStringLiteral("/one-driver.png")));

        // Two more windows beside the main window's picture, where they stand on the screen.
        w.Timing().SetDriverName(2, QStringLiteral("Ben"));
        w.Timing().SetShowAllDrivers(true);
        w.At(at += 1000);
        view.RunKey(2, LiveTimingAction::StartStop);
        w.At(at += 5000);
        view.RunKey(2, LiveTimingAction::Stopwatch);
        w.At(at += 97000);
        view.RunKey(2, LiveTimingAction::Stopwatch);
        w.At(at += 2000);
        view.RunKey(1, LiveTimingAction::Stopwatch);
        w.At(at += 3000);
        for (int slot = 3; slot <= 4; ++slot) {
            w.Timing().SetDriverName(slot, slot == 3 ? QStringLiteral("Carla") : QStringLiteral("Dirk"));
            view.RunKey(slot, LiveTimingAction::StartStop);
        }
        QApplication::processEvents();
        QVERIFY(w.form->grab().save(folder + QStringLiteral("/all-drivers.png")));
        QPixmap composed = w.form->grab();
        QPainter painter(&composed);
        for (int slot : {1, 2}) {
            TShowTimeDlg* window = w.Find<LiveTimingView>()->TimeWindow(slot);
            painter.drawPixmap(window->frameGeometry().topLeft() - w.form->frameGeometry().topLeft(),
                               window->grab());
        }
        painter.end();
        QVERIFY(composed.save(folder + QStringLiteral("/time-windows.png")));

        w.Timing().SetShowAllDrivers(false);
        w.ChooseUnits(1);
        QApplication::processEvents();
        QVERIFY(w.form->grab().save(folder + QStringLiteral("/us-units.png")));
    }
};

QTEST_MAIN(TestLiveTimingScreen)
#include "tst_live_timing_screen.moc"
