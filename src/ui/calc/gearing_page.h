#pragma once
// The setup's "Gearing" sub-page: primary drive, six gears (typed teeth or chosen by gear symbol), final
// drive by chain or shaft, tire circumference and speed unit; beside them the speed, rpm and drop of each
// gear in the chosen calculation mode, or the six gear symbol tables while they are edited. Every figure
// comes from the setup calculators; every edit is forwarded to them.
#include "session/setup_calculators.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;
class SettingsStore;
class GearSymbolTableModel;
class TMRUComboBox;

class GearingPage : public QWidget {
    Q_OBJECT
  public:
    GearingPage(SetupModel& setup, SetupCalculators& calculators, SettingsStore* settings,
                QWidget* parent = nullptr);

    // Shows the setup's values and the calculators' figures again.
    void Refresh();
    // Captions that follow the distance unit.
    void UpdateCaptions();

    // Called when "Show PowerChart" is ticked or unticked.
    std::function<void(bool)> powerChartToggled;

  private:
    QWidget* BuildTeeth();
    QWidget* BuildFigures();
    QWidget* BuildSymbolTables();
    QLineEdit* AddEdit(GearingField field, int gear = 0);
    TMRUComboBox* AddHistoryBox(GearingField field, const QString& historyKey);
    void Forward(const std::function<void()>& change);
    void ShowText(QLineEdit* edit, const QString& text);
    void ShowText(QComboBox* box, const QString& text);

    SetupModel& m_setup;
    SetupCalculators& m_calculators;
    SettingsStore* m_settings;
    bool m_showing = false;

    QLineEdit* m_primaryInput = nullptr;
    QLineEdit* m_primaryOutput = nullptr;
    QLabel* m_primaryRatio = nullptr;
    std::array<QComboBox*, GearCount> m_symbols{};
    std::array<QLineEdit*, GearCount> m_gearInput{};
    std::array<QLineEdit*, GearCount> m_gearOutput{};
    std::array<QLabel*, GearCount> m_gearRatio{};
    QCheckBox* m_useSymbols = nullptr;
    QPushButton* m_editSymbols = nullptr;
    QCheckBox* m_shaftDrive = nullptr;
    QWidget* m_chainFields = nullptr;
    QWidget* m_shaftFields = nullptr;
    TMRUComboBox* m_countershaft = nullptr;
    TMRUComboBox* m_rearSprocket = nullptr;
    TMRUComboBox* m_chain = nullptr;
    QLineEdit* m_shaftInput = nullptr;
    QLineEdit* m_shaftOutput = nullptr;
    QLabel* m_finalRatio = nullptr;
    QLabel* m_tireCaption = nullptr;
    TMRUComboBox* m_tireCircumference = nullptr;
    QComboBox* m_speedUnit = nullptr;

    QComboBox* m_rpm = nullptr;
    QComboBox* m_lowLimit = nullptr;
    QComboBox* m_mode = nullptr;
    QLabel* m_fixSpeedCaption = nullptr;
    QLineEdit* m_fixSpeed = nullptr;
    QLabel* m_rpmCaption = nullptr;
    std::array<QLabel*, GearCount> m_speed{};
    std::array<QLabel*, GearCount> m_rpmText{};
    std::array<QLabel*, GearCount> m_drop{};
    QLabel* m_explanation = nullptr;
    QCheckBox* m_showPowerChart = nullptr;
    QGroupBox* m_figures = nullptr;
    QGroupBox* m_symbolTables = nullptr;
    std::array<GearSymbolTableModel*, GearCount> m_symbolModels{};
};
