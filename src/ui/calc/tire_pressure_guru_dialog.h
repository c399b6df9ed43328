#pragma once
// The "Tire pressure Guru" window: the two reference readings (its settings) and the suggested cold
// pressure for the actual tire temperature typed.
#include <QDialog>

class QLabel;
class QLineEdit;
class TirePressureGuruModel;

class TTirePressureGuruDlg : public QDialog {
    Q_OBJECT
  public:
    TTirePressureGuruDlg(TirePressureGuruModel& model, QWidget* parent = nullptr);
    // Shows the model's values again.
    void Refresh();

  private:
    void ReferencesEdited();

    TirePressureGuruModel& m_model;
    bool m_showing = false;
    QLineEdit* m_coldTemp = nullptr;
    QLineEdit* m_coldPressure = nullptr;
    QLineEdit* m_hotTemp = nullptr;
    QLineEdit* m_hotPressure = nullptr;
    QLineEdit* m_temperature = nullptr;
    QLineEdit* m_suggestion = nullptr;
};
