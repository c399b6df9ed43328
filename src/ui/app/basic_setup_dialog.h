#pragma once
// "Basic Setup": the first-run choice of the vehicle type.
#include <QDialog>
#include <optional>

class QListWidget;
class QPushButton;

class TBasicSetupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TBasicSetupDialog(QWidget* parent = nullptr);
    // The chosen entry: 0 "Motorcycle", 1 "Sidecar", 2 "Gokart", 3 "Car"; nullopt while none is chosen.
    std::optional<int> ChosenEntry() const;

  private:
    QListWidget* m_entries = nullptr;
    QPushButton* m_next = nullptr;
};
