#include "todo_dialog.h"

#include "storage/translate.h"
#include "workshop/todo_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TToDoDialog::TToDoDialog(ToDoWindowModel& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("ToDo"));
    setWindowTitle(Translate("To-Do"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Translate("Enter general notes here"), this));
    m_note = new QPlainTextEdit(this);
    m_note->setPlainText(m_model.text);
    layout->addWidget(m_note, 1);
    auto* bottom = new QHBoxLayout;
    m_openAtStartup = new QCheckBox(Translate("Always open at startup"), this);
    m_openAtStartup->setChecked(m_model.openAtStartup);
    bottom->addWidget(m_openAtStartup);
    bottom->addStretch(1);
    auto* save = new QPushButton(Translate("Save"), this);
    save->setObjectName(QStringLiteral("save"));
    auto* cancel = new QPushButton(Translate("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    bottom->addWidget(save);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
    connect(save, &QPushButton::clicked, this, [this] { SaveClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    resize(420, 320);
}

void TToDoDialog::TakeEntries() {
    m_model.text = m_note->toPlainText();
    m_model.openAtStartup = m_openAtStartup->isChecked();
}

void TToDoDialog::SaveClick() {
    TakeEntries();
    if (!m_model.Save()) return; // reported; the text stays to be saved again or copied
    m_ended = true;
    accept();
}

void TToDoDialog::CancelClick() {
    reject();
}

void TToDoDialog::reject() {
    if (!m_ended) {
        TakeEntries();
        m_model.Cancel();
        m_ended = true;
    }
    QDialog::reject();
}
