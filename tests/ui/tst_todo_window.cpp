// The to-do window from Tools > "To-do": the note of todo.txt, Save that writes it and closes, a failed
// save that keeps the window open with the text, and the start-up choice kept on Save and Cancel.
#include "main_window_rig.h"
#include "ui/workshop/todo_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

class TestTodoWindow : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void SavesTheNoteAndKeepsItWhenTheWriteFails() {
        MainWindowRig w;
        w.WriteSettings(QStringLiteral("mc"));
        w.Write(QStringLiteral("todo.txt"), QStringLiteral("chain\r\n"));
        w.prompter.SetStrict(true);
        w.Open();
        QAction* action = w.form->Action(MenuCommand::Todo);
        QVERIFY(action->isEnabled());
        action->trigger();
        auto* dialog = w.Find<TToDoDialog>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("To-Do"));
        QCOMPARE(dialog->Note()->toPlainText(), QStringLiteral("chain"));
        QVERIFY(!dialog->OpenAtStartup()->isChecked());

        // The file cannot be replaced: the message is shown, the window and the text stay.
        const QString path = QDir(w.state->DataFolder()).filePath(QStringLiteral("todo.txt"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/blocked")));
        dialog->Note()->setPlainText(QStringLiteral("chain\noil"));
        dialog->OpenAtStartup()->setChecked(true);
        w.prompter.ExpectError(QStringLiteral("Cannot write *todo.txt*"));
        dialog->SaveClick();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Note()->toPlainText(), QStringLiteral("chain\noil"));
        QVERIFY(w.state->Settings().todoOpenAtStartup);

        QVERIFY(QDir(path).removeRecursively());
        dialog->SaveClick();
        QVERIFY(!dialog->isVisible());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("chain\r\noil\r\n"));

        // Cancel writes nothing but keeps the check box's state.
        action->trigger();
        dialog = w.Find<TToDoDialog>();
        QVERIFY(dialog->OpenAtStartup()->isChecked());
        dialog->Note()->setPlainText(QStringLiteral("dropped"));
        dialog->OpenAtStartup()->setChecked(false);
        dialog->CancelClick();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!w.state->Settings().todoOpenAtStartup);
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("chain\r\noil\r\n"));
    }
};

QTEST_MAIN(TestTodoWindow)
#include "tst_todo_window.moc"
