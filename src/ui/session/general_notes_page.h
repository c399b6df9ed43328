#pragma once
// The "General notes" page: two free-text editors side by side, each with its "Save" button.
#include <QWidget>
#include <array>

class GeneralNotesModel;
class NotesEditor;
class QPushButton;

class GeneralNotesPage : public QWidget {
    Q_OBJECT
  public:
    GeneralNotesPage(GeneralNotesModel& model, QWidget* parent = nullptr);

    void Reload(); // shows the model's texts and button states
    NotesEditor* Editor(int editor) const { return m_editors[size_t(editor)]; }
    QPushButton* SaveButton(int editor) const { return m_buttons[size_t(editor)]; }

  Q_SIGNALS:
    void linkClicked(const QString& target);

  private:
    GeneralNotesModel& m_model;
    std::array<NotesEditor*, 2> m_editors{};
    std::array<QPushButton*, 2> m_buttons{};
};
