#pragma once
// "Import from Ultralap" (TImportUltralapFileDlg): the exported file, its sessions with check boxes, and
// on OK the checked sessions' IDs in list order.
#include "lapentry/lap_entry_model.h"

#include <QDialog>

class Prompter;
class QCheckBox;
class QLineEdit;
class QTreeWidget;

class TImportUltralapFileDlg : public QDialog {
    Q_OBJECT
  public:
    TImportUltralapFileDlg(Prompter& prompter, const QString& folder, QWidget* parent = nullptr);

    // The file and the checked sessions.
    UltralapChoice Choice() const;
    // Lists the sessions of the file named in the file field (the list is emptied first, so refreshing
    // never lists a session twice).
    void Refresh();
    QLineEdit* FileEdit() const { return m_file; }
    QTreeWidget* SessionList() const { return m_list; }
    QCheckBox* CheckAll() const { return m_all; }

  private:
    Prompter& m_prompter;
    QString m_folder;
    QLineEdit* m_file = nullptr;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_all = nullptr;
};
