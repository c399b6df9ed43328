// The archive page widget over a small sessions folder: tree, sorted list, commands, Delete key, the
// "Reopen session" submenu and the remembered column widths.
#include "app_rig.h"
#include "archive/session_summary.h"
#include "gen_session_files.h"
#include "ui/archive/archive_page_view.h"
#include "workspace/workspace.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace {

struct Page : AppRig {
    std::unique_ptr<Workspace> workspace;
    QWidget host;
    QAction reopen{"Reopen session"};
    ArchivePageView* view = nullptr;

    Page() {
        SessionFixture s;
        s.splitTimes = "61000,60000";
        const char* const tracks[] = {"Hill", "Lake", "Hill"};
        for (int i = 0; i < 3; ++i) {
            s.track = tracks[i];
            s.startTime = 39000 + i;
            WriteSessionFile(dir.filePath(QString("Sessions/s%1.ses").arg(i)), s);
        }
        BuildState();
        workspace = std::make_unique<Workspace>(*state);
        view = new ArchivePageView(*workspace, &host, [this](MenuCommand command) {
            return command == MenuCommand::ReopenSession ? &reopen : nullptr;
        });
    }
    QTableView* List() const { return view->findChild<QTableView*>("CompletedSessionsList"); }
    QTreeWidget* Tree() const { return view->findChild<QTreeWidget*>("CompletedSessionsTreeView"); }
    QPushButton* Button(const char* name) const { return view->findChild<QPushButton*>(name); }
    QStringList Column(int column) const {
        QStringList cells;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            cells << List()->model()->index(row, column).data().toString();
        return cells;
    }
};

} // namespace

class TestArchivePageView : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void showingScansAndFillsTreeAndList() {
        Page page;
        QAbstractItemModelTester tester(page.List()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        page.host.show();
        QCOMPARE(page.List()->model()->rowCount(), 3);
        QCOMPARE(page.Column(ArchiveColumn::Track), (QStringList{"Hill", "Lake", "Hill"}));
        QStringList top;
        for (int i = 0; i < page.Tree()->topLevelItemCount(); ++i)
            top << page.Tree()->topLevelItem(i)->text(0);
        QCOMPARE(top, (QStringList{"All sessions", "Track", "Best laps"}));
        for (int column = ArchiveColumn::kVisible; column < ArchiveColumn::kCount; ++column)
            QVERIFY(page.List()->isColumnHidden(column));

        // A track node lists its sessions and hides the track column.
        page.Tree()->setCurrentItem(page.Tree()->topLevelItem(1)->child(0));
        QCOMPARE(page.Column(ArchiveColumn::Path).size(), 2);
        QVERIFY(page.List()->isColumnHidden(ArchiveColumn::Track));
        QCOMPARE(page.state->Settings().sessionlistLastNode, "Hill");

        // The date column again: newest first.
        page.Tree()->setCurrentItem(page.Tree()->topLevelItem(0));
        QVERIFY(!page.List()->isColumnHidden(ArchiveColumn::Track));
        page.List()->horizontalHeader()->sectionClicked(ArchiveColumn::Date);
        QCOMPARE(page.Column(ArchiveColumn::Track), (QStringList{"Hill", "Lake", "Hill"}));
        QVERIFY(page.Column(ArchiveColumn::Path).first().endsWith("s2.ses"));
        QCOMPARE(page.List()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QVERIFY(page.List()
                    ->model()
                    ->index(0, 0)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .startsWith("Session: s2.ses\n"));
    }

    void commandsFollowTheSelectionAndDeleteKeyDeletes() {
        Page page;
        page.host.show();
        QVERIFY(!page.Button("OpenSessionButton")->isEnabled());
        QVERIFY(!page.Button("DeleteSessionButton")->isEnabled());
        page.List()->selectRow(0);
        QVERIFY(page.Button("OpenSessionButton")->isEnabled());
        QVERIFY(page.Button("OpenSetupOnlyButton")->isEnabled());
        QVERIFY(!page.Button("CompareSessionsButton")->isEnabled());
        page.List()->selectAll();
        QVERIFY(!page.Button("OpenSessionButton")->isEnabled());
        QVERIFY(page.Button("DeleteSessionButton")->isEnabled());

        page.List()->clearSelection();
        page.List()->selectRow(1);
        page.prompter.Expect("Delete this session?", Answer::Ok);
        QTest::keyClick(page.List(), Qt::Key_Delete);
        QCOMPARE(page.prompter.questions, QStringList{"Delete this session?"});
        QCOMPARE(page.List()->model()->rowCount(), 2);
        QVERIFY(!QFile::exists(page.dir.filePath("Sessions/s1.ses")));
    }

    void reopenSubmenuLoadsTheChosenSession() {
        Page page;
        SessionModel& session = page.workspace->Session();
        QVERIFY(session.LoadSession(page.dir.filePath("Sessions/s0.ses")));
        QVERIFY(session.LoadSession(page.dir.filePath("Sessions/s2.ses")));
        QCOMPARE(page.state->Settings().recentSessions.size(), 2);
        QMenu* menu = page.reopen.menu();
        QVERIFY(menu);
        menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 2);
        QVERIFY(menu->actions().first()->text().endsWith("s2.ses"));
        menu->actions().last()->trigger();
        QCOMPARE(session.FileName(), page.dir.filePath("Sessions/s0.ses"));
    }

    void treeWidthIsRememberedInTheWindowGeometry() {
        Page page;
        page.state->Geometry().completedSessionsTreeWidth = 260;
        page.host.resize(1000, 600);
        page.host.show();
        auto* splitter = page.view->findChild<QSplitter*>();
        QCOMPARE(splitter->sizes().value(0), 260);
        splitter->setSizes({300, 600});
        splitter->splitterMoved(300, 1);
        QCOMPARE(page.state->Geometry().completedSessionsTreeWidth, 300);
    }

    void columnWidthsAreStoredOnlyWhenTheUserChangedThem() {
        {
            Page page;
            page.host.show();
            delete page.view;
            QVERIFY(page.store.values.isEmpty());
        }
        Page page;
        page.host.show();
        page.List()->setColumnWidth(ArchiveColumn::Driver, 123);
        delete page.view;
        QCOMPARE(page.store.values.value("ColWidths/CompletedSessions/ColWidth2").toString(), "123");
        QCOMPARE(page.store.values.value("ColWidths/CompletedSessions/ColWidth19").toString(), "0");
    }
};

QTEST_MAIN(TestArchivePageView)
#include "tst_archive_page_view.moc"
