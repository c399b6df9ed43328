#pragma once
// The dialog of the "Datalogging link" and "Onboard video" buttons: an explanation, the field
// "Associated file" and a "..." button choosing the file.
#include "session/session_model.h"

#include <QDialog>

class QLineEdit;
class Prompter;

class SessionLinkDialogBox : public QDialog {
    Q_OBJECT
  public:
    SessionLinkDialogBox(const SessionLinkDialog& texts, Prompter& prompter, QWidget* parent = nullptr);
    QString FileName() const;

  private:
    QLineEdit* m_file = nullptr;
};
