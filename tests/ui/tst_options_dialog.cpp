// The options dialog shows the model's values and forwards edits to it.
#include "recording_prompter.h"
#include "ui/app/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {
ProgramSettings Settings() {
    ProgramSettings s = DefaultSettings(0);
    s.pressureUnit = QStringLiteral("mm Hg");
    s.systemUnit = QStringLiteral("Imperial Standard");
    s.drivers = QStringList{"Ann", "Bob"};
    s.includePitlaps = true;
    s.htmlSessionMaxLapsToShow = 12;
    return s;
}

int CheckedItem(QWidget* dialog, const QString& group) {
    const auto buttons = dialog->findChild<QGroupBox*>(group)->findChildren<QRadioButton*>();
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons.at(i)->isChecked()) return i;
    return -1;
}
} // namespace

class TstOptionsDialog : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void showsTheModelOnThreePages() {
        RecordingPrompter prompter;
        OptionsModel model(Settings(), 90, prompter);
        TOptionsDialog dialog(model, prompter);
        dialog.resize(dialog.sizeHint());
        QTabWidget* pages = dialog.Pages();
        QCOMPARE(pages->count(), 3);
        QCOMPARE((QStringList{pages->tabText(0), pages->tabText(1), pages->tabText(2)}),
                 (QStringList{"Units", "Session", "HTML"}));
        QCOMPARE(CheckedItem(&dialog, "pressure"), 1);
        QCOMPARE(CheckedItem(&dialog, "temperature"), 0);
        QCOMPARE(CheckedItem(&dialog, "unitSystem"), 2);
        QCOMPARE(CheckedItem(&dialog, "airDensity"), 0);
        QCOMPARE(dialog.findChild<QLineEdit*>("percent")->text(), QStringLiteral("90"));
        QCOMPARE(dialog.findChild<QComboBox*>("drivers")->currentText(), QStringLiteral("Ann"));
        QVERIFY(dialog.findChild<QCheckBox*>("stopwatch")->isChecked());
        QCOMPARE(dialog.findChild<QLineEdit*>("lapsLimit")->text(), QStringLiteral("12"));
        QCOMPARE(dialog.findChild<QComboBox*>("fontFamily")->count(), 6);
        QCOMPARE(dialog.findChild<QComboBox*>("fontFamily")->currentText(),
                 QStringLiteral("Arial, Helvetica, sans-serif"));
        static const char* const names[] = {"units", "session", "html"};
        for (int i = 0; i < 3; ++i) {
            pages->setCurrentIndex(i);
            QVERIFY(dialog.grab().save(QStringLiteral("/tmp/options_%1.png").arg(names[i])));
        }
    }

    void editsReachTheModel() {
        RecordingPrompter prompter;
        OptionsModel model(Settings(), 100, prompter);
        TOptionsDialog dialog(model, prompter);
        dialog.show();

        dialog.findChild<QGroupBox*>("temperature")->findChildren<QRadioButton*>().at(1)->click();
        dialog.findChild<QCheckBox*>("pageBreak")->click();
        dialog.findChild<QPushButton*>("defaultColours")->click();
        prompter.ExpectText("Add Driver", QStringLiteral("Cid"));
        dialog.findChild<QPushButton*>("addDriver")->click();
        QCOMPARE(dialog.findChild<QComboBox*>("drivers")->currentText(), QStringLiteral("Cid"));
        QCOMPARE(dialog.findChild<QComboBox*>("drivers")->count(), 3);

        QLineEdit* laps = dialog.findChild<QLineEdit*>("lapsLimit");
        laps->clear();
        prompter.ExpectError("Bad format, it must be an integer!");
        QTest::keyClicks(laps, "3a");
        QVERIFY(prompter.ScriptDone());

        const OptionsValues result = model.Accept();
        QCOMPARE(result.temperatureItem, 1);
        QVERIFY(result.pageBreakBeforeSessions);
        QCOMPARE(result.drivers, (QStringList{"Ann", "Bob", "Cid"}));
        QCOMPARE(result.lapsLimitText, QStringLiteral("10"));
    }

    void deletingTheLastDriverEmptiesTheBox() {
        RecordingPrompter prompter;
        ProgramSettings s = Settings();
        s.drivers = QStringList{"Ann"};
        OptionsModel model(s, 100, prompter);
        TOptionsDialog dialog(model, prompter);
        prompter.Expect("Delete driver Ann?", Answer::Ok);
        dialog.findChild<QPushButton*>("deleteDriver")->click();
        QCOMPARE(prompter.questions, QStringList{"Delete driver Ann?"});
        QCOMPARE(dialog.findChild<QComboBox*>("drivers")->count(), 0);
        QVERIFY(dialog.findChild<QComboBox*>("drivers")->currentText().isEmpty());
    }
};

QTEST_MAIN(TstOptionsDialog)
#include "tst_options_dialog.moc"
