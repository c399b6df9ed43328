#pragma once
// The "To-Do" window: a free-text note kept in todo.txt and "Always open at startup". Save writes the
// note and closes; when the write fails the message is shown and the window stays open with the text.
// Cancel closes without writing. Either way the check box becomes the stored start-up choice.
#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class ToDoWindowModel;

class TToDoDialog : public QDialog {
  public:
    TToDoDialog(ToDoWindowModel& model, QWidget* parent);

    QPlainTextEdit* Note() const { return m_note; }
    QCheckBox* OpenAtStartup() const { return m_openAtStartup; }
    void SaveClick();
    void CancelClick();

    // Escape and the title bar's close act as Cancel: the start-up choice is still kept.
    void reject() override;

  private:
    void TakeEntries();

    ToDoWindowModel& m_model;
    QPlainTextEdit* m_note = nullptr;
    QCheckBox* m_openAtStartup = nullptr;
    bool m_ended = false;
};
