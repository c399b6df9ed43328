// The Tracks pages in the main window: the wiring between the controls, the page model and the window's
// change mark, leave check, start-up loading and unit system. The rules themselves are tested on the
// model (tests/tracks).
#include "main_window_rig.h"
#include "ui/tracks/track_movie_view.h"
#include "ui/tracks/track_notes_edit.h"
#include "ui/tracks/track_picture_view.h"
#include "ui/tracks/tracks_page_view.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

// A data folder holding two tracks, "Zolder" remembered as the last one, and Zolder's map picture.
struct Window : MainWindowRig {
    explicit Window(const QString& unitSystem = QStringLiteral("Metric"), const QString& movie = {}) {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Tracks/Movies")));
        QImage map(64, 32, QImage::Format_RGB32);
        map.fill(Qt::darkGreen);
        QVERIFY(map.save(Path(QStringLiteral("Tracks/zolder.bmp"))));
        WriteSettings(QStringLiteral("mc"),
                      QStringLiteral("session_last_track=Zolder;\r\nsystem_unit=%1;\r\n").arg(unitSystem));
        Write(QStringLiteral("Tracks/tracks.txt"),
              QStringLiteral("[general]\r\nversion=1.0;\r\n[tracks]\r\ntrack1=Zolder;\r\ntrack2=Assen;\r\n"
                             "[Zolder]\r\nlength=1609;\r\nwidth=10;\r\norganisation=Circuit NV;\r\n"
                             "picture=.\\Tracks\\zolder.bmp;\r\nmovie=%1;\r\nnotes=notes_begin;\r\n"
                             "see www.zolder.example\r\nnotes=notes_end;\r\n[Assen]\r\nlength=4542;\r\n")
                  .arg(movie));
        Open();
    }
    TracksPageView& View() const { return *Find<TracksPageView>(); }
    TracksPage& Model() const { return Find<TracksPageView>()->Model(); }
    QString TracksCaption() const { return form->Pages()->tabText(2); }
    QPushButton* Button(const char* name) const { return View().Button(QString::fromLatin1(name)); }
};

QStringList BoxItems(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

class TestTracksPages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startUpLoadsTheListAndShowsTheLastTrack() {
        Window w;
        QCOMPARE(BoxItems(w.View().TrackBox()), (QStringList{"Assen", "Zolder"}));
        QCOMPARE(w.View().TrackBox()->currentText(), QStringLiteral("Zolder"));
        QCOMPARE(w.View().FieldEdit(TrackField::Length)->text(), QStringLiteral("1609"));
        QCOMPARE(w.View().FieldEdit(TrackField::Organisation)->text(), QStringLiteral("Circuit NV"));
        QCOMPARE(w.form->findChild<QLabel*>(QStringLiteral("trackHeading"))->text(),
                 QStringLiteral("Circuit NV"));
        QVERIFY(w.View().Map()->HasPicture());
        QCOMPARE(w.View().Notes()->Lines(), QStringList{"see www.zolder.example"});
        QVERIFY(w.View().Notes()->toHtml().contains(QStringLiteral("href=\"http://www.zolder.example\"")));
        QCOMPARE(w.TracksCaption(), QStringLiteral("Tracks"));
        QVERIFY(!w.Button("saveTracks")->isEnabled());
        QVERIFY(w.prompter.questions.isEmpty());

        // Another track chosen in the box is shown; the notes of the first are gone.
        w.View().TrackBox()->setCurrentIndex(0);
        Q_EMIT w.View().TrackBox()->activated(0);
        QCOMPARE(w.View().FieldEdit(TrackField::Length)->text(), QStringLiteral("4542"));
        QVERIFY(w.View().Notes()->Lines().isEmpty());
        QVERIFY(!w.View().Map()->HasPicture());
        QCOMPARE(w.TracksCaption(), QStringLiteral("Tracks"));
    }

    void editsMarkTheTracksChangedAndSaveClearsIt() {
        Window w;
        QList<QStringList> handed;
        const Connection listening =
            w.Model().trackNamesChanged.Connect([&](const QStringList& names) { handed << names; });
        QTest::keyClicks(w.View().FieldEdit(TrackField::City), QStringLiteral("Heusden"));
        QCOMPARE(w.Model().Field(TrackField::City), QStringLiteral("Heusden"));
        QCOMPARE(w.TracksCaption(), QStringLiteral("Tracks*"));
        QVERIFY(w.state->Changes().IsChanged(Area::Tracks));
        QVERIFY(w.Button("saveTracks")->isEnabled());

        // Renaming through the button renames the entry in the box and keeps the change mark.
        w.prompter.ExpectText("Edit track", QStringLiteral("Circuit Zolder"));
        w.Button("editTrack")->click();
        QCOMPARE(BoxItems(w.View().TrackBox()), (QStringList{"Assen", "Circuit Zolder"}));
        QCOMPARE(w.View().TrackBox()->currentText(), QStringLiteral("Circuit Zolder"));
        QCOMPARE(handed, (QList<QStringList>{{"Assen", "Circuit Zolder"}}));
        QCOMPARE(w.TracksCaption(), QStringLiteral("Tracks*"));

        w.Button("saveTracks")->click();
        QCOMPARE(w.TracksCaption(), QStringLiteral("Tracks"));
        QVERIFY(!w.state->Changes().IsChanged(Area::Tracks));
        QVERIFY(!w.Button("saveTracks")->isEnabled());
        QFile file(QDir(w.dir.path()).filePath(QStringLiteral("Tracks/tracks.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(saved.contains("[Circuit Zolder]"));
        QVERIFY(saved.contains("city=Heusden;"));
    }

    void leavingTheTracksPagesAsksTheModel() {
        Window w;
        w.form->show();
        QVERIFY(w.form->ShowPage(QStringLiteral("Contact details")));
        w.View().FieldEdit(TrackField::Length)->clear();
        Q_EMIT w.View().FieldEdit(TrackField::Length)->textEdited(QString());

        // Cancel stays on the page.
        w.prompter.Expect("Unsaved Track changes exists, save now?", Answer::Cancel);
        w.form->Pages()->setCurrentIndex(0);
        QCOMPARE(w.prompter.questions, QStringList{"Unsaved Track changes exists, save now?"});
        QCOMPARE(w.form->ShownPath(), (QStringList{"Tracks", "Contact details"}));

        // Yes with a blank length stays too, and shows the length to fill in.
        w.prompter.Expect("Unsaved Track changes exists, save now?", Answer::Yes);
        w.prompter.ExpectError("You have to enter a track length");
        w.form->Pages()->setCurrentIndex(0);
        QVERIFY(w.prompter.ScriptDone());
        QTRY_COMPARE(w.form->ShownPath(), (QStringList{"Tracks", "Track map"}));
        QCOMPARE(w.form->focusWidget(), w.View().FieldEdit(TrackField::Length));
        QVERIFY(w.state->Changes().IsChanged(Area::Tracks));

        // No leaves with the changes kept.
        w.prompter.Expect("Unsaved Track changes exists, save now?", Answer::No);
        w.form->Pages()->setCurrentIndex(0);
        QCOMPARE(w.form->ShownPath().value(0), QStringLiteral("Active session"));
        QVERIFY(w.state->Changes().IsChanged(Area::Tracks));
    }

    void unitSystemOfTheSettingsIsShown() {
        Window w(QStringLiteral("US Standard"));
        QCOMPARE(w.View().FieldEdit(TrackField::Length)->text(), QStringLiteral("1.000"));
        QCOMPARE(w.View().FieldEdit(TrackField::Width)->text(), QStringLiteral("32.79"));
        const QLineEdit* length = w.View().FieldEdit(TrackField::Length);
        QLabel* lengthCaption = nullptr;
        for (QLabel* label : w.form->findChildren<QLabel*>())
            if (label->buddy() == length) lengthCaption = label;
        QVERIFY(lengthCaption);
        QCOMPARE(lengthCaption->text(), QStringLiteral("Length [miles]"));

        // Back to metric: the shown values follow without marking the tracks changed.
        const QString previousDistance = w.state->Units().Units().distance;
        w.state->Units().ApplyUnitSystem(QStringLiteral("Metric"));
        w.state->Units().ApplyDistanceUnit(previousDistance);
        QCOMPARE(lengthCaption->text(), QStringLiteral("Length [m]"));
        QCOMPARE(w.View().FieldEdit(TrackField::Length)->text(), QStringLiteral("1609.0"));
        QVERIFY(!w.state->Changes().IsChanged(Area::Tracks));
    }

    void moviePageShowsAndClosesWithAnUnplayableFile() {
        // Whether or not a media backend exists, the page shows, reports and closes without hanging.
        Window w(QStringLiteral("Metric"), QStringLiteral(".\\Tracks\\Movies\\lap.avi"));
        w.Write(QStringLiteral("Tracks/Movies/lap.avi"), QStringLiteral("no video at all"));
        w.Model().TrackComboBoxChange(w.Model().SelectedIndex()); // the movie file exists now
        w.form->show();
        QVERIFY(w.form->ShowPage(QStringLiteral("Movie")));
        QVERIFY(w.View().Movie()->IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!w.View().MovieLabel()->text().startsWith(u"Opening file"), 10000);
        QCOMPARE(w.View().MovieLabel()->text(), QStringLiteral(".\\Tracks\\Movies\\lap.avi"));
        QVERIFY(w.Button("externalViewer")->isEnabled());
        QVERIFY(w.form->ShowPage(QStringLiteral("Track map")));
        w.Button("externalViewer")->click();
        QCOMPARE(w.shell.opened,
                 QStringList{QFileInfo(QDir(w.dir.path()).filePath(QStringLiteral("Tracks/Movies/lap.avi")))
                                 .absoluteFilePath()});
        w.form.reset();
    }
};

QTEST_MAIN(TestTracksPages)
#include "tst_tracks_pages.moc"
