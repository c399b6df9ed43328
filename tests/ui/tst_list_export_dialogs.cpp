// The option windows of the list exports and "Print labels": what depends on what, and what OK hands back.
#include "recording_prompter.h"
#include "ui/reports/list_export_dialogs.h"
#include "ui/tracks/import_tracks_dialog.h"
#include "ui/workshop/print_labels_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QCheckBox* Box(QWidget* dialog, const QString& text) {
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
        if (box->text() == text) return box;
    return nullptr;
}

// Runs `act` on the modal dialog once it shows.
void OnDialog(bool& shown, std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [&shown, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shown = true;
        act(dialog);
    });
}

} // namespace

class TestListExportDialogs : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void exportTracksOptions() {
        bool shown = false;
        OnDialog(shown, [](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), "Export Tracks");
            QCheckBox* links = Box(dialog, "Create links to track movies");
            QCheckBox* copy = Box(dialog, "Copy track movies to Exports folder");
            QCheckBox* control = Box(dialog, "Control display size of track images");
            QCheckBox* restrict = Box(dialog, "Restrict display size of track images");
            QCheckBox* fit = Box(dialog, "Fit images in this rectangle");
            QVERIFY(links && copy && control&& restrict && fit);
            QVERIFY(copy->isEnabled());
            links->click();
            QVERIFY(!copy->isEnabled());
            links->click();
            copy->click();
            QVERIFY(!restrict->isVisibleTo(dialog));
            control->click();
            QVERIFY(restrict->isVisibleTo(dialog));
            restrict->click();
            fit->click();
            QVERIFY(!restrict->isChecked());
            dialog->findChildren<QLineEdit*>().at(0)->setText("800");
            dialog->accept();
        });
        const auto options = AskTrackExportOptions(nullptr, TrackExportOptions{});
        QVERIFY(shown);
        QVERIFY(options);
        QVERIFY(options->CopiesMovies());
        QCOMPARE(options->EffectiveSizeChoice(), MapSizeChoice::Fit);
        QCOMPARE(options->Box(), QSize(800, 400));
    }

    void importChoiceLeavesExistingNamesOut() {
        TrackPackage package;
        package.entries = {{"Assen", true}, {"Brno", false}, {"Zolder", false}};
        bool shown = false;
        OnDialog(shown, [](QDialog* dialog) {
            auto* list = dialog->findChild<QListWidget*>();
            QVERIFY(!(list->item(0)->flags() & Qt::ItemIsEnabled));
            Box(dialog, "Apply to all tracks")->click(); // untick all
            list->item(2)->setCheckState(Qt::Checked);
            dialog->accept();
        });
        QCOMPARE(ChooseTracksToImport(nullptr, package), QStringList({"Zolder"}));
        QVERIFY(shown);
    }

    void printLabelsRefusesABadEntryAndKeepsTheDialog() {
        RecordingPrompter prompter;
        LabelLayout stored;
        stored.columns = 3;
        bool shown = false;
        OnDialog(shown, [&prompter](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), "Print labels");
            auto edits = dialog->findChildren<QLineEdit*>();
            QLineEdit* columns = edits.at(0);
            QCOMPARE(columns->text(), "3");
            columns->setText("0");
            QPushButton* print = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() == "Print") print = button;
            QVERIFY(print);
            prompter.ExpectError("The number of columns*");
            print->click();
            QVERIFY(dialog->isVisible());
            columns->setText("2");
            Box(dialog, "Include tire history")->click();
            print->click();
        });
        const auto choice = AskPrintLabels(nullptr, prompter, stored);
        QVERIFY(shown);
        QVERIFY(choice);
        QCOMPARE(choice->layout.columns, 2);
        QVERIFY(choice->includeHistory);
        QCOMPARE(choice->layout.labelHeight, 67.7);
    }
};

QTEST_MAIN(TestListExportDialogs)
#include "tst_list_export_dialogs.moc"
