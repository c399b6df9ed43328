#pragma once
// The dialog "Prepare a new session using the current setup".
#include "archive/new_session.h"
#include "services/services.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class TMRUComboBox;

class TPrepareNewSessionDialog : public QDialog {
    Q_OBJECT
  public:
    TPrepareNewSessionDialog(const NewSessionDefaults& defaults, SettingsStore* settings,
                             QWidget* parent = nullptr);
    NewSessionChoice Choice() const;

    // Shows the dialog; std::nullopt on Cancel.
    static std::optional<NewSessionChoice> Ask(const NewSessionDefaults& defaults, SettingsStore* settings,
                                               QWidget* parent);

  private:
    QComboBox* m_track = nullptr;
    TMRUComboBox* m_event = nullptr;
    TMRUComboBox* m_type = nullptr;
    QCheckBox* m_tires = nullptr;
    QCheckBox* m_laps = nullptr;
    QCheckBox* m_notes = nullptr;
};
