#include "main_window_rig.h"
#include "session/session_model.h"
#include "ui/session/active_session_pages.h"
#include "ui/session/general_notes_page.h"
#include "ui/session/notes_editor.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

struct Window : MainWindowRig {
    explicit Window(const QString& vehicle = QStringLiteral("mc")) {
        WriteSettings(vehicle);
        Open();
    }
    template <class T = QWidget> T* Field(const QString& key) const {
        return qobject_cast<T*>(Find<ActiveSessionPages>()->FieldWidget(key));
    }
    QString Status() const { return form->findChild<QLabel*>(QStringLiteral("statusMessage"))->text(); }
    void Click(const QString& button) const { form->findChild<QPushButton*>(button)->click(); }
};

// Every row of a table model, its cells joined by "|".
QStringList ShownRows(const QAbstractItemModel& model) {
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << model.index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

class TestSessionPages : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void editsReachTheSession() {
        Window w;
        w.form->show();
        QVERIFY(w.form->ShowPage(QStringLiteral("Active session/Vehicle")));
        auto* topSpeed = w.Field<QLineEdit>(QStringLiteral("top_speed"));
        QVERIFY(topSpeed);
        QTest::keyClicks(topSpeed, QStringLiteral("212"));
        QCOMPARE(w.workspace->Session().Text(SessionKeys::SessionNotes, QStringLiteral("top_speed")),
                 QStringLiteral("212"));
        QCOMPARE(w.form->Pages()->tabText(0), QStringLiteral("Active session*"));

        // The weather fields recompute the air density shown beside them.
        QTest::keyClicks(w.Field<QLineEdit>(SessionKeys::AirTemperature), QStringLiteral("20"));
        QTest::keyClicks(w.Field<QLineEdit>(SessionKeys::Pressure), QStringLiteral("1013.25"));
        QPushButton* density = w.Find<ActiveSessionPages>()->AirDensityButton();
        QVERIFY(density->isHidden());
        QTest::keyClicks(w.Field<QLineEdit>(SessionKeys::Humidity), QStringLiteral("0"));
        QVERIFY(!density->isHidden());
        QCOMPARE(density->text(), QStringLiteral("98.29"));
    }

    void airDensityOpensTheGuruWithItsFigure() {
        Window w;
        SessionModel& session = w.workspace->Session();
        session.SetText(SessionKeys::Conditions, SessionKeys::AirTemperature, QStringLiteral("20"));
        session.SetText(SessionKeys::Conditions, SessionKeys::Pressure, QStringLiteral("1013"));
        session.SetText(SessionKeys::Conditions, SessionKeys::Humidity, QStringLiteral("50"));
        w.Find<ActiveSessionPages>()->Reload();
        QPushButton* figure = w.Find<ActiveSessionPages>()->AirDensityButton();
        QVERIFY(!figure->text().isEmpty());
        QTimer::singleShot(0, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        figure->click();
        auto* value = w.form->findChild<QLineEdit*>(QStringLiteral("jettingSelectedValue"));
        QVERIFY(value);
        QCOMPARE(value->text(), figure->text());
    }

    void startupOpensTheNamedSession() {
        Window w;
        w.Write(QStringLiteral("log.dat"), QStringLiteral("x"));
        w.Write(QStringLiteral("s.ses"),
                QStringLiteral(
                    "[information]\r\nvehicle=mc;\r\n[conditions]\r\ntrack=Ring;\r\nrank_setup=7;\r\n"
                    "[session_notes]\r\nnotes=notes_begin;\r\nsee www.example.org\r\nnotes=notes_end;\r\n"
                    "datalogging_filename=log.dat;\r\n[general]\r\nframe=Alu;\r\n"));
        CommandLine commandLine;
        commandLine.firstParameter = w.Path(QStringLiteral("s.ses"));
        StartupSequence(*w.state, *w.form).OpenStartupFile(commandLine, w.dir.path());
        QCOMPARE(w.Status(), QStringLiteral("Session: s.ses"));
        QCOMPARE(w.Field<QComboBox>(QStringLiteral("track"))->currentText(), QStringLiteral("Ring"));
        QCOMPARE(w.Field<QComboBox>(QStringLiteral("rank_setup"))->currentText(), QStringLiteral("7"));
        QCOMPARE(w.Field<NotesEditor>(SessionKeys::DriverNotes)->toPlainText(),
                 QStringLiteral("see www.example.org"));
        QVERIFY(w.form->findChild<QPushButton*>(QStringLiteral("dataLoggingOpen"))->isEnabled());
        QVERIFY(!w.form->findChild<QPushButton*>(QStringLiteral("onboardVideoOpen"))->isEnabled());
        QCOMPARE(w.workspace->Setup().Text(QStringLiteral("general"), QStringLiteral("frame")),
                 QStringLiteral("Alu"));
        QCOMPARE(w.form->Pages()->tabText(0), QStringLiteral("Active session"));
        QCOMPARE(w.state->Settings().lastSession, w.Path(QStringLiteral("s.ses")));
        QCOMPARE(NotesEditor::LinkAt(QStringLiteral("see www.example.org"), 6),
                 QStringLiteral("http://www.example.org"));
        QCOMPARE(NotesEditor::LinkAt(QStringLiteral("see www.example.org"), 2), QString());

        // "Clear notes" empties the notes on the page; the conditions stay.
        w.prompter.Expect("Clear all session notes?", Answer::Ok);
        w.form->findChild<QPushButton*>(QStringLiteral("clearNotesButton"))->click();
        QCOMPARE(w.Field<NotesEditor>(SessionKeys::DriverNotes)->toPlainText(), QString());
        QCOMPARE(w.Field<QComboBox>(QStringLiteral("rank_setup"))->currentText(), QString());
        QCOMPARE(w.Field<QComboBox>(QStringLiteral("track"))->currentText(), QStringLiteral("Ring"));
        QVERIFY(!w.form->findChild<QPushButton*>(QStringLiteral("dataLoggingOpen"))->isEnabled());
    }

    void tirePageFollowsTheVehicle() {
        Window w(QStringLiteral("gokart"));
        QVERIFY(w.Field(QStringLiteral("fl_pressure_hot")));
        QVERIFY(!w.Field(QStringLiteral("front_pressure_hot")));
        QVERIFY(!w.Field(QStringLiteral("remaining_stroke_front")));
        w.state->SelectVehicle(QStringLiteral("sidecar"));
        QVERIFY(!w.Field(QStringLiteral("fl_pressure_hot")));
        QVERIFY(w.Field(QStringLiteral("side_pressure_hot")));
        QVERIFY(w.Field(QStringLiteral("remaining_stroke_front")));
        QVERIFY(w.Find<ActiveSessionPages>()->DriverSlotsArea());
        QVERIFY(w.Find<ActiveSessionPages>()->SessionNotesPanel()->isAncestorOf(
            w.Field(SessionKeys::VehicleNotes)));
    }

    void pitStopGridEditsTheSessionRows() {
        Window w;
        auto* view = w.form->findChild<QTableView*>(QStringLiteral("pitStopGrid"));
        QVERIFY(view);
        QAbstractItemModel& model = *view->model();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const SessionRecord& record = w.workspace->Session().Record();
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Fuel fill amount"));
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
        QCOMPARE(ShownRows(model), QStringList{"|||"}); // the row the first stop is typed into

        QVERIFY(model.setData(model.index(0, 0), QStringLiteral("12")));
        QCOMPARE(w.form->Pages()->tabText(0), QStringLiteral("Active session*"));
        QVERIFY(model.setData(model.index(1, 2), QStringLiteral("new rears")));
        QCOMPARE(ShownRows(model), (QStringList{"12|||", "||new rears|", "|||"}));
        view->setCurrentIndex(model.index(1, 0));
        w.Click(QStringLiteral("pitStopInsert"));
        QCOMPARE(ShownRows(model), (QStringList{"12|||", "|||", "||new rears|", "|||"}));
        view->setCurrentIndex(model.index(0, 1));
        w.Click(QStringLiteral("pitStopDelete"));
        QCOMPARE(ShownRows(model), (QStringList{"|||", "||new rears|", "|||"}));
        QCOMPARE(record.pitStopRows.size(), size_t(2));
        // Emptying the last stop drops it and the empty stop above it.
        QVERIFY(model.setData(model.index(1, 2), QString()));
        QCOMPARE(ShownRows(model), QStringList{"|||"});
        QVERIFY(record.pitStopRows.empty());

        QVERIFY(model.setData(model.index(0, 0), QStringLiteral("0")));
        QVERIFY(model.setData(model.index(0, 1), QStringLiteral("Fill up (20)")));
        QVERIFY(w.workspace->Session().SaveSession(w.Path(QStringLiteral("p.ses"))));
        QFile saved(w.Path(QStringLiteral("p.ses")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains(
            "pitstop_lap_info_list=pitstop_lap_info_begin;\r\n0,\"Fill up (20)\",,\r\n"
            "pitstop_lap_info_list=pitstop_lap_info_end;\r\n"));

        w.Write(QStringLiteral("q.ses"),
                QStringLiteral("[information]\r\nvehicle=mc;\r\n[session_notes]\r\n"
                               "pitstop_lap_info_list=pitstop_lap_info_begin;\r\n5,10,soft\r\n9\r\n"
                               "pitstop_lap_info_list=pitstop_lap_info_end;\r\n"));
        QVERIFY(w.workspace->Session().LoadSession(w.Path(QStringLiteral("q.ses"))));
        QCOMPARE(ShownRows(model), (QStringList{"5|10|soft|", "9|||", "|||"}));
        w.prompter.Expect("Clear all session notes?", Answer::Ok);
        w.Click(QStringLiteral("clearNotesButton"));
        QCOMPARE(ShownRows(model), QStringList{"|||"});
    }

    void generalNotesSaveButtons() {
        Window w;
        GeneralNotesPage* page = w.Find<ActiveSessionPages>()->GeneralNotesWidget();
        QVERIFY(!page->SaveButton(1)->isEnabled());
        page->Editor(1)->setPlainText(QStringLiteral("tyre pressures\nmonday"));
        QVERIFY(page->SaveButton(1)->isEnabled());
        QVERIFY(!page->SaveButton(0)->isEnabled());
        page->SaveButton(1)->click();
        QVERIFY(!page->SaveButton(1)->isEnabled());
        QFile file(w.Path(QStringLiteral("vlnotes2.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("tyre pressures\r\nmonday\r\n"));
    }
};

QTEST_MAIN(TestSessionPages)
#include "tst_session_pages.moc"
