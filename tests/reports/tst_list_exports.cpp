// The export commands of the program-wide lists: their refusals, the save offers, Cancel in the options
// windows, and the offer to open the result.
#include "manual_clock.h"
#include "recording_prompter.h"
#include "recording_shell.h"
#include "reports/list_exports.h"
#include "tracks/tracks_page.h"
#include "workshop/part_status_page.h"
#include "workshop/tire_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Fixture {
    QTemporaryDir data;
    RecordingPrompter prompter;
    RecordingShell shell;
    ManualClock clock;
    ReportContext context;
    ListExports exports{prompter, shell};
    Fixture() { context.exportFolder = data.filePath("Exports"); }
};

} // namespace

class TestListExports : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void trackExportRefusesAnEmptyListAndHonoursCancel() {
        Fixture f;
        TracksPage tracks(f.prompter, f.shell, f.data.path());
        tracks.LoadTrackList(QString());
        int asked = 0;
        f.exports.requestTrackOptions = [&](const TrackExportOptions&) -> std::optional<TrackExportOptions> {
            ++asked;
            return std::nullopt;
        };
        f.prompter.ExpectError("You first have to add some tracks!");
        QVERIFY(f.exports.ExportTracks(f.context, tracks, f.data.path()).isEmpty());
        QCOMPARE(asked, 0);

        f.prompter.ExpectText("Add Track", QString("Ring"));
        tracks.AddTrackButtonClick();
        tracks.SetField(TrackField::Length, "1000");
        // Unsaved changes are offered for saving first; Cancel in the options writes nothing.
        f.prompter.Expect("Unsaved Track changes exists, save now?", Answer::No);
        QVERIFY(f.exports.ExportTracks(f.context, tracks, f.data.path()).isEmpty());
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(QDir(f.context.exportFolder).filePath("tracks.htm")));

        f.exports.requestTrackOptions =
            [](const TrackExportOptions& initial) -> std::optional<TrackExportOptions> { return initial; };
        f.prompter.Expect("Unsaved Track changes exists, save now?", Answer::Yes);
        f.prompter.Expect("Open in browser?", Answer::Yes);
        const QStringList written = f.exports.ExportTracks(f.context, tracks, f.data.path());
        QCOMPARE(written.size(), 2);
        QCOMPARE(f.shell.opened, QStringList({written.first()}));
        QVERIFY(!tracks.IsDirty());
    }

    void partStatusExportOffersGroupsAndSuppliers() {
        Fixture f;
        PartStatusPage parts(f.prompter, f.shell, f.clock, f.data.path());
        parts.LoadPartStatus();
        f.prompter.ExpectText("Add group", QString("Engine"));
        parts.AddGroup();
        QStringList offeredGroups;
        QStringList offeredSuppliers;
        PartStatusExportOptions chosen;
        f.exports.requestPartStatusOptions =
            [&](const QStringList& groups,
                const QStringList& suppliers) -> std::optional<PartStatusExportOptions> {
            offeredGroups = groups;
            offeredSuppliers = suppliers;
            chosen.groups = groups;
            return chosen;
        };
        // The supplier list's names (without repeats), in the list's order.
        QVERIFY(f.exports.ExportPartStatus(f.context, parts, {"Zeta", " Acme ", "Zeta", ""}).isEmpty());
        QCOMPARE(offeredGroups, QStringList({"Engine"}));
        QCOMPARE(offeredSuppliers, QStringList({"Zeta", "Acme"}));
        QCOMPARE(f.prompter.informations, QStringList({"No matching data found!"}));
    }

    void tireTagsNeedATire() {
        Fixture f;
        f.prompter.ExpectError("No tires selected!");
        QVERIFY(f.exports.ExportTireTags(f.context, {}, VehicleType::Kart, false).isEmpty());
        std::vector<TireRecord> tires(1);
        tires[0].fields[tire_col::Id] = "T1";
        f.prompter.Expect("Open in browser?", Answer::No);
        QCOMPARE(f.exports.ExportTireTags(f.context, tires, VehicleType::Kart, false),
                 QStringList({QDir(f.context.exportFolder).filePath("tiretags.htm")}));
        QVERIFY(f.shell.opened.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestListExports)
#include "tst_list_exports.moc"
