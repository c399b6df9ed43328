#pragma once
// "Manage %s Setups" and "Compose Setup": the part-setup dialogs of the setup page and the File menu.
#include "session/part_setups.h"

#include <QDialog>
#include <map>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TManagePartSetupsDlg : public QDialog {
    Q_OBJECT
  public:
    // chooseSetupFile: the session open dialog of "Copy from any setup" (std::nullopt on Cancel).
    TManagePartSetupsDlg(PartSetupManager& manager, std::function<std::optional<QString>()> chooseSetupFile,
                         QWidget* parent);

  private:
    void Fill();
    PartSetupManager& m_manager;
    QListWidget* m_list;
    QLineEdit* m_box;
    QPushButton *m_load, *m_delete;
};

class TComposeSetupDlg : public QDialog {
    Q_OBJECT
  public:
    TComposeSetupDlg(const std::map<SetupArea, QStringList>& lists,
                     const std::map<SetupArea, QString>& selected, VehicleType vehicle, QWidget* parent);
    std::map<SetupArea, QString> Names() const;

  private:
    std::map<SetupArea, QComboBox*> m_boxes;
};
