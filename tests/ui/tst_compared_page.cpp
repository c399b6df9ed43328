// Comparing from the archive page in the window: the options dialog, the "Compared" page's grid and its
// export, with the main window back to taking input afterwards.
#include "gen_session_files.h"
#include "main_window_rig.h"
#include "ui/archive/archive_page_view.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// Accepts the next modal dialog of the name once it shows.
void AcceptDialogLater(const QString& name) {
    QTimer::singleShot(0, [name] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget);
                dialog && dialog->objectName() == name && dialog->isVisible()) {
                dialog->accept();
                return;
            }
        QFAIL(qPrintable("no dialog " + name));
    });
}

} // namespace

class TestComparedPage : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void compareSelectedSessions() {
        MainWindowRig rig;
        SessionFixture s;
        s.splitTimes = "61000,60000";
        s.startTime = 39000;
        s.event = "Cup <A>";
        QVERIFY(WriteSessionFile(rig.dir.filePath("Sessions/first.ses"), s));
        s.startTime = 39001;
        s.event = "Cup <B>";
        QVERIFY(WriteSessionFile(rig.dir.filePath("Sessions/second.ses"), s));
        rig.prompter.SetStrict(true);
        rig.OpenShown();
        QVERIFY(rig.form->ShowPage("Sessions/Completed"));
        auto* view = rig.Find<ArchivePageView>();
        QVERIFY(view);
        auto* list = view->findChild<QTableView*>("CompletedSessionsList");
        list->selectAll();
        QCOMPARE(view->SelectedPaths().size(), 2);
        auto* compare = view->findChild<QPushButton*>("CompareSessionsButton");
        QVERIFY(compare->isEnabled());

        AcceptDialogLater("CompareSessionsDialog");
        compare->click();
        QVERIFY(rig.form->isEnabled());
        QVERIFY(!QApplication::overrideCursor());
        auto* grid = rig.form->findChild<QTableView*>("CompareStringGrid");
        QVERIFY(grid && grid->isVisible());
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), "");
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), "first.ses"); // list order: by start time
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), "second.ses");
        QCOMPARE(model->rowCount(), 1); // only the event differs
        QCOMPARE(model->index(0, 0).data().toString(), "Name of event");
        QCOMPARE(model->index(0, 2).data().toString(), "Cup <B>");
        if (qEnvironmentVariableIsSet("VORLAPA_SHOT"))
            rig.form->grab().save(qEnvironmentVariable("VORLAPA_SHOT"));

        rig.prompter.Expect("Open in browser?", Answer::Yes);
        rig.form->findChild<QPushButton*>("ExportComparedButton")->click();
        QVERIFY(rig.prompter.ScriptDone());
        QCOMPARE(rig.shell.opened, QStringList{rig.dir.filePath("Exports/compared.htm")});
    }
};

QTEST_MAIN(TestComparedPage)
#include "tst_compared_page.moc"
