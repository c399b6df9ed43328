// The live timing screen as a team races with it: unit changes redraw the slots without marking the
// session changed, the time windows sit side by side, the menu shortcuts work whatever has the focus,
// and the first start asks for a vehicle.
#include "app/options_model.h"
#include "archive/archive_page.h"
#include "archive/new_session.h"
#include "main_window_rig.h"
#include "timing/live_timing_model.h"
#include "ui/timing/driver_slot_panel.h"
#include "ui/timing/live_timing_panel.h"
#include "ui/timing/live_timing_view.h"
#include "ui/timing/show_time_dlg.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace {

// One driver with laps on a 1609 m track, saved; the window at its default size.
struct Window : MainWindowRig {
    Window() {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Sessions")));
        WriteSettings(QStringLiteral("mc"), QStringLiteral("system_unit=Metric;\r\n"));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral(
                  "[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Mile;\r\n[Mile]\r\nlength=1609;\r\n"));
        Open();
        form->resize(1024, 720);
        form->show();
        QVERIFY(form->ShowPage(QStringLiteral("Active session")));
    }
    LiveTimingModel& Timing() const { return workspace->LiveTiming(); }
    QLabel* Figure(int slot, const char* name) const {
        return Find<LiveTimingView>()->Panel()->SlotPanel(slot)->findChild<QLabel*>(
            QString::fromLatin1(name).arg(slot));
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

    void fourTimeWindowsSitSideBySide() {
        Window w;
        LiveTimingView& view = *w.Find<LiveTimingView>();
        w.Timing().SetShowAllDrivers(true);
        w.At(0);
        for (int slot = 1; slot <= 4; ++slot)
            view.RunKey(slot, LiveTimingAction::StartStop);
        QApplication::processEvents();
        const QRect main = w.form->frameGeometry();
        QList<QRect> placed;
        for (int slot = 1; slot <= 4; ++slot) {
            TShowTimeDlg* window = view.TimeWindow(slot);
            QVERIFY(window->isVisible());
            const QRect frame = window->frameGeometry();
            QCOMPARE(window->size(), QSize(184, 110));
            QVERIFY2(frame.left() >= main.left() && frame.right() <= main.right(),
                     qPrintable(QStringLiteral("window %1 runs past the main window").arg(slot)));
            for (const QRect& other : placed)
                QVERIFY2(!frame.intersects(other),
                         qPrintable(QStringLiteral("window %1 covers another").arg(slot)));
            placed << frame;
        }
        // Left to right in slot order.
        for (int slot = 1; slot < 4; ++slot)
            QVERIFY(placed.at(slot - 1).left() < placed.at(slot).left());
    }

    void menuShortcutsWorkAfterOpeningFromTheArchive() {
        Window w;
        QFile::copy(QStringLiteral(VORLAPA_TEST_DATA "/report_session.ses"),
                    w.Path(QStringLiteral("Sessions/report.ses")));
        w.prompter.SetStrict(true);
        int newSessionAsked = 0;
        w.workspace->requestNewSessionChoice = [&](const NewSessionDefaults&) {
            ++newSessionAsked;
            return std::optional<NewSessionChoice>{};
        };
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        SessionModel& session = w.workspace->Session();
        session.SetText(SessionKeys::Conditions, QStringLiteral("name_of_event"), QStringLiteral("Club"));
        QVERIFY(w.form->ShowPage(QStringLiteral("Sessions")));
        w.workspace->ShowArchive();
        QCOMPARE(w.workspace->Archive().ListRows().size(), size_t(1));
        w.prompter.Expect(QStringLiteral("Unsaved Session changes exists, save now?"), Answer::No);
        QVERIFY(w.workspace->Archive().Open(0));
        QApplication::processEvents();
        QCOMPARE(w.form->Pages()->tabText(w.form->Pages()->currentIndex()), QStringLiteral("Active session"));

        // Ctrl+N from whatever has the keyboard: a field, the lap table, the window itself.
        const QList<QWidget*> focused = {w.form->findChild<QWidget*>(QStringLiteral("session/name_of_event")),
                                         w.form->findChild<QTableView*>(), w.form.get()};
        for (QWidget* widget : focused) {
            QVERIFY(widget);
            widget->setFocus();
            const int before = newSessionAsked;
            QTest::keyClick(widget, Qt::Key_N, Qt::ControlModifier);
            QVERIFY2(newSessionAsked == before + 1, qPrintable(widget->objectName()));
        }
    }

    void tabFollowsTheFieldsOnScreen() {
        Window w;
        auto* weather = w.form->findChild<QGroupBox*>(QStringLiteral("group/Weather"));
        QVERIFY(weather);
        QWidget* page = weather->parentWidget();
        // What the eye reads: group after group from the top, row after row inside each group.
        QList<QWidget*> onScreen;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible()) continue;
            // A field of a group, or a button in a row of its own (the air density figure).
            QWidget* parent = control->parentWidget();
            const bool inRow = parent->metaObject() == &QWidget::staticMetaObject &&
                               qobject_cast<QGroupBox*>(parent->parentWidget());
            if (!qobject_cast<QGroupBox*>(parent) && !inRow) continue;
            onScreen << control;
        }
        QVERIFY(onScreen.size() > 15);
        auto screenPosition = [page](QWidget* control) {
            const QPoint at = control->mapTo(page, QPoint(0, control->height() / 2));
            return std::pair{at.y(), at.x()};
        };
        std::stable_sort(onScreen.begin(), onScreen.end(),
                         [&](QWidget* a, QWidget* b) { return screenPosition(a) < screenPosition(b); });
        QCOMPARE(onScreen.first()->objectName(), QStringLiteral("session/name_of_event"));

        QList<QWidget*> tabbed{onScreen.first()};
        for (QWidget* next = onScreen.first()->nextInFocusChain(); tabbed.size() < onScreen.size();
             next = next->nextInFocusChain()) {
            QVERIFY(next != onScreen.first()); // the chain came round without reaching every field
            if (onScreen.contains(next)) tabbed << next;
        }
        QCOMPARE(tabbed, onScreen);
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
        const QList<std::pair<QString, QString>> conditions = {{"name_of_event", "Club race"},
                                                               {SessionKeys::Track, "Zolder"},
                                                               {"track_condition", "Dry"},
                                                               {"track_temperature", "32"},
                                                               {"session_type", "Practice 2"},
                                                               {"amount_fuel", "14"},
                                                               {"weather", "Sunny"},
                                                               {SessionKeys::AirTemperature, "21"},
                                                               {SessionKeys::Pressure, "1013"},
                                                               {SessionKeys::Humidity, "45"}};
        for (const auto& [key, text] : conditions)
            session.SetText(SessionKeys::Conditions, key, text);
        w.Timing().SetDriverName(1, QStringLiteral("Anna"));
        const quint32 laps[] = {98123, 95456, 94880, 94211, 95002, 93987,
                                94350, 94102, 96012, 93877, 94410, 94690};
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
        w.At(at += 97250); // the in-lap
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
