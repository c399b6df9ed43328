#pragma once
// "Options": the pages "Units", "Session" and "HTML". Shows the options model and forwards every edit to
// it; the caller applies the model's result after "OK".
#include "app/options_model.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

class TOptionsDialog : public QDialog {
    Q_OBJECT
  public:
    TOptionsDialog(OptionsModel& model, Prompter& prompter, QWidget* parent = nullptr);

    QTabWidget* Pages() const { return m_pages; }

  private:
    QWidget* BuildUnitsPage();
    QWidget* BuildSessionPage();
    QWidget* BuildHtmlPage();
    void ShowDrivers();
    void ShowColours();

    OptionsModel& m_model;
    Prompter& m_prompter;
    QTabWidget* m_pages = nullptr;
    QComboBox* m_drivers = nullptr;
    std::array<QLabel*, kHtmlColourCount> m_swatches{};
    QLineEdit* m_lapsLimit = nullptr;
};
