// Changed flags with their captions and save buttons, and the questions asked when a page is left.
#include "app/change_tracker.h"
#include "app/leave_checks.h"
#include "recording_prompter.h"

#include <QTest>

namespace {
QString Question(const char* word) {
    return QStringLiteral("Unsaved %1 changes exists, save now?").arg(word);
}

// A tracker with scripted save actions that record which areas were saved.
struct Fixture {
    ChangeTracker tracker;
    RecordingPrompter prompter;
    LeaveChecks checks{tracker, &prompter};
    QList<Area> saved;
    QList<Area> failing; // saves that are cancelled or fail

    Fixture() {
        for (int i = 0; i < kAreaCount; ++i) {
            const Area area = static_cast<Area>(i);
            checks.SetSaveAction(area, [this, area] {
                if (failing.contains(area)) return false;
                saved << area;
                return true;
            });
        }
    }
};
} // namespace

class TstChangeTracking : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void markingTwiceShowsOneStar() {
        ChangeTracker tracker;
        QStringList captionEvents;
        QStringList buttonEvents;
        const Connection captions = tracker.captionChanged.Connect(
            [&](const QString& c, const QString& t) { captionEvents << c + "=" + t; });
        const Connection buttons = tracker.saveButtonChanged.Connect(
            [&](const QString& b, bool on) { buttonEvents << b + (on ? "+" : "-"); });
        tracker.SessionIsDirty();
        tracker.SessionIsDirty();
        QCOMPARE(tracker.CaptionText("Active session"), QStringLiteral("Active session*"));
        QVERIFY(tracker.SaveButtonEnabled(SaveButton::Session));
        QCOMPARE(captionEvents, QStringList{"Active session=Active session*"});
        tracker.MarkUnchanged(Area::Session);
        QCOMPARE(tracker.CaptionText("Active session"), QStringLiteral("Active session"));
        QVERIFY(!tracker.IsChanged(Area::Session));
        QCOMPARE(buttonEvents, (QStringList{"SessionSave+", "SessionSave-"}));
    }

    void areaCaptions_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("button");
        QTest::newRow("schedule") << "ScheduleIsDirty" << QStringList{"Scheduled", "Sessions"}
                                  << SaveButton::Schedule;
        QTest::newRow("tire list") << "TirelistIsDirty" << QStringList{"Tire list"} << SaveButton::TireList;
        QTest::newRow("part status") << "PartStatusIsDirty" << QStringList{"Part status"}
                                     << SaveButton::PartStatus;
        QTest::newRow("maintenance") << "MaintenanceIsDirty" << QStringList{"Maintenance Log"}
                                     << SaveButton::Maintenance;
        QTest::newRow("setup") << "SetupIsDirty" << QStringList{"Setup"} << QString();
    }
    void areaCaptions() {
        QFETCH(QString, operation);
        QFETCH(QStringList, captions);
        QFETCH(QString, button);
        ChangeTracker tracker;
        const auto area = AreaByOperation(operation);
        QVERIFY(area);
        tracker.MarkChanged(*area);
        for (const QString& caption : captions)
            QCOMPARE(tracker.CaptionText(caption), caption + "*");
        if (!button.isEmpty()) QVERIFY(tracker.SaveButtonEnabled(button));
        QCOMPARE(tracker.CaptionText("Active session"), QStringLiteral("Active session"));
        tracker.MarkAllUnchanged();
        for (const QString& caption : captions)
            QCOMPARE(tracker.CaptionText(caption), caption);
    }

    void setupMarksTheSubPagesEdited() {
        ChangeTracker tracker;
        tracker.SetupIsDirty("Engine");
        tracker.SetupIsDirty("Gearing");
        QCOMPARE(tracker.CaptionText("Setup"), QStringLiteral("Setup*"));
        QCOMPARE(tracker.CaptionText("Engine"), QStringLiteral("Engine*"));
        QCOMPARE(tracker.CaptionText("Gearing"), QStringLiteral("Gearing*"));
        tracker.MarkUnchanged(Area::Setup);
        QCOMPARE(tracker.CaptionText("Engine"), QStringLiteral("Engine"));
        QCOMPARE(tracker.CaptionText("Setup"), QStringLiteral("Setup"));
    }

    void conversionsAreNoEdits() {
        ChangeTracker tracker;
        tracker.TracksIsDirty();
        {
            ChangeTracker::ConversionScope outer(&tracker);
            ChangeTracker::ConversionScope inner(&tracker);
            tracker.SessionIsDirty();
        }
        QVERIFY(!tracker.IsChanged(Area::Session));
        QVERIFY(tracker.IsChanged(Area::Tracks));
        tracker.SessionIsDirty();
        QVERIFY(tracker.IsChanged(Area::Session));
    }

    void maintenanceAsksEachChangedAreaInOrder() {
        Fixture f;
        f.tracker.SuppliersIsDirty();
        f.tracker.PartStatusIsDirty();
        f.tracker.OrderStatusIsDirty();
        f.prompter.Expect(Question("Part Status"), Answer::Yes);
        f.prompter.Expect(Question("Suppliers"), Answer::No);
        f.prompter.Expect(Question("Order Status"), Answer::Cancel);
        QVERIFY(f.checks.MaintenanceTabSheetExit());
        QCOMPARE(f.prompter.questions,
                 (QStringList{Question("Part Status"), Question("Suppliers"), Question("Order Status")}));
        QCOMPARE(f.saved, QList<Area>{Area::PartStatus});
        QVERIFY(!f.tracker.IsChanged(Area::PartStatus));
        QCOMPARE(f.tracker.CaptionText("Part status"), QStringLiteral("Part status"));
        QVERIFY(f.tracker.IsChanged(Area::Suppliers));
        QVERIFY(f.tracker.IsChanged(Area::OrderStatus));
    }

    void cancelledSaveStopsLeaving() {
        Fixture f;
        f.tracker.PartStatusIsDirty();
        f.tracker.MaintenanceIsDirty();
        f.failing << Area::PartStatus;
        f.prompter.Expect(Question("Part Status"), Answer::Yes);
        QVERIFY(!f.checks.MaintenanceTabSheetExit());
        QCOMPARE(f.prompter.questions, QStringList{Question("Part Status")}); // maintenance not asked
        QVERIFY(f.tracker.IsChanged(Area::PartStatus));
        QVERIFY(f.tracker.SaveButtonEnabled(SaveButton::PartStatus));
        QVERIFY(f.saved.isEmpty());
    }

    void pageExits_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("exit");
        QTest::newRow("tracks") << int(Area::Tracks) << "Track" << 0;
        QTest::newRow("tires") << int(Area::TireList) << "Tire List" << 1;
        QTest::newRow("events") << int(Area::Schedule) << "Schedule" << 2;
        QTest::newRow("general notes") << int(Area::GeneralNotes) << "General notes" << 3;
        QTest::newRow("maintenance log") << int(Area::Maintenance) << "Maintenance" << 4;
        QTest::newRow("suppliers") << int(Area::Suppliers) << "Suppliers" << 5;
    }
    void pageExits() {
        QFETCH(int, area);
        QFETCH(QString, word);
        QFETCH(int, exit);
        auto run = [exit](LeaveChecks& c) {
            switch (exit) {
            case 0:
                return c.TracksTabSheetExit();
            case 1:
                return c.TiresTabSheetExit();
            case 2:
                return c.EventsTabSheetExit();
            case 3:
                return c.GeneralNotesTabSheetHide();
            case 4:
                return c.MaintenanceTabSheetExit();
            default:
                return c.SuppliersTabSheetExit();
            }
        };
        Fixture f;
        QVERIFY(run(f.checks)); // unchanged: nothing asked
        f.tracker.MarkChanged(static_cast<Area>(area));
        const QString question = QStringLiteral("Unsaved %1 changes exists, save now?").arg(word);
        for (const Answer answer : {Answer::No, Answer::Cancel, Answer::Yes, Answer::Yes})
            f.prompter.Expect(question, answer);
        QVERIFY(run(f.checks));
        QVERIFY(run(f.checks));
        QVERIFY(f.saved.isEmpty());
        f.failing << static_cast<Area>(area);
        QVERIFY(!run(f.checks)); // Yes, save cancelled: stay
        QVERIFY(f.tracker.IsChanged(static_cast<Area>(area)));
        f.failing.clear();
        QVERIFY(run(f.checks));
        QCOMPARE(f.saved, QList<Area>{static_cast<Area>(area)});
        QVERIFY(!f.tracker.IsChanged(static_cast<Area>(area)));
        QCOMPARE(f.prompter.questions, QStringList(4, question));
    }

    void trackBoxDropDown() {
        Fixture f;
        QVERIFY(f.checks.TrackBoxDropDown());
        f.tracker.TracksIsDirty();
        for (const Answer answer : {Answer::No, Answer::Yes, Answer::Yes})
            f.prompter.Expect(QStringLiteral("Unsaved changes exists, save now?"), answer);
        QVERIFY(f.checks.TrackBoxDropDown());
        f.failing << Area::Tracks;
        QVERIFY(!f.checks.TrackBoxDropDown());
        QVERIFY(f.tracker.IsChanged(Area::Tracks));
        f.failing.clear();
        QVERIFY(f.checks.TrackBoxDropDown());
        QVERIFY(!f.tracker.IsChanged(Area::Tracks));
        QCOMPARE(f.prompter.questions, QStringList(3, QStringLiteral("Unsaved changes exists, save now?")));
    }

    void closingCancelIsReported() {
        Fixture f;
        f.tracker.TracksIsDirty();
        f.prompter.Expect(Question("Track"), Answer::Cancel);
        QCOMPARE(f.checks.AskToSave(Area::Tracks), SaveAnswer::Cancelled);
        QCOMPARE(f.checks.AskToSave(Area::Session), SaveAnswer::NotChanged);
    }
};

QTEST_GUILESS_MAIN(TstChangeTracking)
#include "tst_change_tracking.moc"
