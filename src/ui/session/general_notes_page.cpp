#include "general_notes_page.h"

#include "notes_editor.h"
#include "session/general_notes_model.h"
#include "storage/translate.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

GeneralNotesPage::GeneralNotesPage(GeneralNotesModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("generalNotesPage"));
    auto* layout = new QHBoxLayout(this);
    for (int editor = 0; editor < GeneralNotesModel::kEditors; ++editor) {
        auto* column = new QVBoxLayout;
        auto* edit = new NotesEditor(this);
        edit->setObjectName(QStringLiteral("generalNotes%1").arg(editor + 1));
        auto* button = new QPushButton(Translate("Save"), this);
        button->setObjectName(QStringLiteral("generalNotesSave%1").arg(editor + 1));
        column->addWidget(edit, 1);
        column->addWidget(button, 0, Qt::AlignLeft);
        layout->addLayout(column, 1);
        m_editors[size_t(editor)] = edit;
        m_buttons[size_t(editor)] = button;
        connect(edit, &NotesEditor::edited, this, [this, editor](const QString& text) {
            m_model.SetText(editor, text);
            m_buttons[size_t(editor)]->setEnabled(m_model.SaveEnabled(editor));
        });
        connect(edit, &NotesEditor::linkClicked, this, &GeneralNotesPage::linkClicked);
        connect(button, &QPushButton::clicked, this, [this, editor] {
            m_model.Save(editor);
            Reload();
        });
    }
    Reload();
}

void GeneralNotesPage::Reload() {
    for (int editor = 0; editor < GeneralNotesModel::kEditors; ++editor) {
        m_editors[size_t(editor)]->ShowText(m_model.Text(editor));
        m_buttons[size_t(editor)]->setEnabled(m_model.SaveEnabled(editor));
    }
}
