// The lap entry dialog and the serial download window on screen: typed cells and fields reach the model,
// OK applies only what the model accepts, the Delete key and the splits box act on the grid, and the
// serial window shows what arrives on a pseudo-terminal.
#include "lapentry/lap_entry_model.h"
#include "main_window_rig.h"
#include "manual_clock.h"
#include "recording_beeper.h"
#include "recording_prompter.h"
#include "timing/live_timing_model.h"
#include "ui/lapentry/lap_entry_dialog.h"
#include "ui/lapentry/serial_download_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <pty.h>
#include <unistd.h>

namespace {

struct Rig {
    ManualClock clock;
    RecordingBeeper beeper;
    RecordingPrompter prompter;
    LiveTimingModel live{clock, beeper, prompter};
    LapEntryModel entry{live, prompter, clock};
};

void Type(QTableView* view, int row, int column, const QString& text) {
    QVERIFY(view->model()->setData(view->model()->index(row, column), text));
}

} // namespace

class TestLapEntryDialog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The window's module answers the lap table's entries, and the menu entry is there to use.
    void WindowOffersTheEntries() {
        QTemporaryDir folder;
        MainWindowRig window(folder);
        window.Open();
        QVERIFY(window.form->Action(MenuCommand::ImportLapTimes)->isEnabled());
        QVERIFY(window.workspace->LiveTiming().requestEnterLapTimes);
        QVERIFY(window.workspace->LiveTiming().requestEditLapTimes);
        QVERIFY(window.workspace->LapEntry().requestSerialDownload);
        QVERIFY(window.workspace->LapEntry().requestUltralapChoice);
        // Edit of a slot without laps only says so.
        window.prompter.ExpectError(QStringLiteral("There are no laptimes to edit!"));
        window.workspace->LiveTiming().requestEditLapTimes(1);
    }

    void TypedLapsAreAppliedOnOk() {
        Rig rig;
        rig.entry.PrepareEnterManually(2);
        TImportManualSessionDialog dialog(rig.entry);
        dialog.Load();
        QCOMPARE(dialog.DriverBox()->currentText(), QStringLiteral("Driver 2"));
        // Column 0 holds the row numbers and takes no typing.
        QVERIFY(!(dialog.GridView()->model()->flags(dialog.GridView()->model()->index(0, 0)) &
                  Qt::ItemIsEditable));
        Type(dialog.GridView(), 0, 1, QStringLiteral("1:05.3"));
        Type(dialog.GridView(), 1, 1, QStringLiteral("58.25"));
        dialog.PitEdit()->setText(QStringLiteral("30.0"));
        rig.prompter.Expect(
            QStringLiteral("Selected driver: Driver 2\nCurrent laptimes will be overwritten, continue?"),
            Answer::Ok);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        rig.entry.Apply();
        QCOMPARE(rig.live.Slot(2).timer.SaveToText(), QStringLiteral("65300,58250"));
        QCOMPARE(rig.live.Slot(2).pitStopTime, 30000);
    }

    void RefusedOkKeepsTheDialogOpen() {
        Rig rig;
        rig.entry.PrepareFromMenu();
        TImportManualSessionDialog dialog(rig.entry);
        dialog.Load();
        dialog.show();
        Type(dialog.GridView(), 0, 1, QStringLiteral("1:05.3"));
        rig.prompter.ExpectError(QStringLiteral("You must enter a name for the driver!"));
        dialog.accept();
        QVERIFY(dialog.isVisible());
    }

    void DeleteKeyAndSplitsBox() {
        Rig rig;
        rig.entry.PrepareFromMenu();
        TImportManualSessionDialog dialog(rig.entry);
        dialog.Load();
        dialog.show();
        for (int row = 0; row < 4; ++row)
            Type(dialog.GridView(), row, 1, QString::number(row + 1) + QStringLiteral(".0"));
        QTableView* view = dialog.GridView();
        view->setCurrentIndex(view->model()->index(2, 1));
        view->selectionModel()->select(view->model()->index(3, 1), QItemSelectionModel::Select);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(rig.entry.SegmentRows(), (std::vector<QStringList>{{"1.0"}, {"2.0"}}));
        QCOMPARE(view->model()->index(2, 0).data().toString(), QStringLiteral("3"));
        dialog.SplitsBox()->setCurrentIndex(2);
        QCOMPARE(view->model()->columnCount(), 4);
        QCOMPARE(view->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Finish"));
    }

    void SerialWindowShowsReceivedLines() {
        int master = -1, slave = -1;
        char name[256] = {};
        QCOMPARE(openpty(&master, &slave, name, nullptr, nullptr), 0);
        const QString path = QString::fromLocal8Bit(name);
        {
            TSerialDownloadDlg dialog({QStringLiteral("/nonexistent/ttyS3"), path}, path);
            QCOMPARE(dialog.PortBox()->currentText(), path);
            QVERIFY(dialog.Download().IsOpen());
            QCOMPARE(dialog.ErrorLabel()->text(), QString());
            const QByteArray bytes("LT200RX, M, S,hS\r\nT200\r\n\r0001,00,01,05,23\r");
            QCOMPARE(::write(master, bytes.constData(), size_t(bytes.size())), bytes.size());
            QTRY_COMPARE(dialog.DataMemo()->toPlainText(),
                         QStringLiteral("LT200RX, M, S,hS\nT200\n\n0001,00,01,05,23"));
            // A port that cannot be opened names itself in the error line.
            Q_EMIT dialog.PortBox()->textActivated(QStringLiteral("/nonexistent/ttyS3"));
            QCOMPARE(dialog.ErrorLabel()->text(), QStringLiteral("Could not open /nonexistent/ttyS3!"));
            QVERIFY(!dialog.Download().IsOpen());
        }
        ::close(master);
        ::close(slave);
    }
};

QTEST_MAIN(TestLapEntryDialog)
#include "tst_lap_entry_dialog.moc"
