#include "new_session_dialog.h"

#include "storage/translate.h"
#include "ui/widgets/mru_combo_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

TPrepareNewSessionDialog::TPrepareNewSessionDialog(const NewSessionDefaults& defaults,
                                                   SettingsStore* settings, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PrepareNewSessionDialog"));
    setWindowTitle(Translate("Prepare a new session using the current setup"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_track = new QComboBox(this);
    m_track->addItems(defaults.tracks);
    m_track->setCurrentIndex(int(defaults.tracks.indexOf(defaults.track)));
    form->addRow(Translate("Track"), m_track);
    m_event = new TMRUComboBox(this);
    m_event->SetHistory(settings, QStringLiteral("EventName"));
    m_event->SetText(defaults.eventName);
    form->addRow(Translate("Name of event"), m_event);
    m_type = new TMRUComboBox(this);
    m_type->SetHistory(settings, QStringLiteral("SessionType"));
    m_type->SetText(defaults.sessionType);
    form->addRow(Translate("Type of session"), m_type);

    auto check = [&](const char* caption) {
        auto* box = new QCheckBox(Translate(caption), this);
        box->setChecked(true);
        layout->addWidget(box);
        return box;
    };
    m_tires = check(N_("Update tire data from tire database"));
    m_laps = check(N_("Clear all lap times"));
    m_notes = check(N_("Clear all session notes"));
    auto* note =
        new QLabel(Translate("Remember to enter any part status changes before entering lap times!"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // Both boxes keep what was entered in their histories.
        m_event->AddToHistory(m_event->Text());
        m_type->AddToHistory(m_type->Text());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

NewSessionChoice TPrepareNewSessionDialog::Choice() const {
    return {m_track->currentText(), m_event->Text(),     m_type->Text(),
            m_tires->isChecked(),   m_laps->isChecked(), m_notes->isChecked()};
}

std::optional<NewSessionChoice> TPrepareNewSessionDialog::Ask(const NewSessionDefaults& defaults,
                                                              SettingsStore* settings, QWidget* parent) {
    TPrepareNewSessionDialog dialog(defaults, settings, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Choice();
}
