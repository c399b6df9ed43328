// The program started in Swedish: the main window, the options dialog and a message box speak Swedish
// (the standard buttons included), while the settings file keeps its English values.
#include "app/translations.h"
#include "main_window_rig.h"
#include "storage/translate.h"
#include "ui/app/options_dialog.h"
#include "ui/platform/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

namespace {
QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

// Grabs the window into the test's output folder; an empty picture means nothing was drawn.
void Shoot(QWidget* window, const QString& name) {
    const QImage image = window->grab().toImage();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(QDir::temp().filePath(QStringLiteral("vorlapa_sv_%1.png").arg(name))));
}
} // namespace

class TstSwedishWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { QVERIFY(UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("sv"))); }
    void cleanupTestCase() { UseLanguage(QStringLiteral(VORLAPA_LOCALE_DIR), QStringLiteral("C")); }

    void mainWindowInSwedishSettingsInEnglish() {
        MainWindowRig rig;
        rig.OpenShown();
        const QStringList menus = MenuTitles(rig.form->menuBar());
        QVERIFY2(menus.contains(QStringLiteral("Arkiv")), qPrintable(menus.join(u',')));
        QVERIFY2(menus.contains(QStringLiteral("Verktyg")), qPrintable(menus.join(u',')));
        QVERIFY(!menus.contains(QStringLiteral("File")));
        QVERIFY(rig.form->ShowPage(QStringLiteral("Active session")));
        Shoot(rig.form.get(), QStringLiteral("main"));
        rig.form->close();
        rig.form.reset();
        rig.workspace.reset();
        rig.state.reset();

        QFile settings(rig.dir.filePath(QStringLiteral("vorlapa.ini")));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(settings.readAll());
        for (const char* line : {"vehicle=mc", "temperature_unit=Celsius", "pressure_unit=mbar"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
        QVERIFY(!text.contains(QStringLiteral("Motorcykel")));
    }

    void optionsDialogInSwedish() {
        RecordingPrompter prompter;
        OptionsModel model(DefaultSettings(0), 100, prompter);
        TOptionsDialog dialog(model, prompter);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Alternativ"));
        QCOMPARE(dialog.Pages()->tabText(0), QStringLiteral("Enheter"));
        QCOMPARE(dialog.Pages()->tabText(1), QStringLiteral("Pass"));
        dialog.resize(dialog.sizeHint());
        Shoot(&dialog, QStringLiteral("options"));
    }

    // A question of the program as the user sees it: its text and the standard Yes and No buttons.
    void messageBoxInSwedish() {
        QtPrompter prompter(true);
        QString shownText;
        QStringList buttons;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->text();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            Shoot(box, QStringLiteral("question"));
            box->button(QMessageBox::Yes)->click();
        });
        const Answer answer =
            prompter.AskYesNo(Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Session")));
        QCOMPARE(answer, Answer::Yes);
        QCOMPARE(shownText, QStringLiteral("Det finns osparade ändringar i Pass, spara nu?"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nej")}));
    }
};

QTEST_MAIN(TstSwedishWindow)
#include "tst_swedish_window.moc"
