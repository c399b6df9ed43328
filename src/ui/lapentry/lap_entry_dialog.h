#pragma once
// "Import lap times" (TImportManualSessionDialog): shows a LapEntryModel, writes the fields back into it
// before every operation and closes with success only when the model's OK accepts the values.
#include <QDialog>

class LapEntryModel;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimeEdit;
class LapEntryGridModel;

class TImportManualSessionDialog : public QDialog {
    Q_OBJECT
  public:
    TImportManualSessionDialog(LapEntryModel& model, QWidget* parent = nullptr);
    ~TImportManualSessionDialog() override;

    // Reads every field from the model (after a Prepare...).
    void Load();
    void accept() override;

    // The controls, for tests.
    QComboBox* DriverBox() const { return m_driver; }
    QComboBox* SplitsBox() const { return m_splits; }
    QComboBox* SourceBox() const { return m_source; }
    QTableView* GridView() const { return m_grid; }
    QLineEdit* PitEdit() const { return m_pit; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Store();
    void SizeColumns();
    void InsertRow();

    LapEntryModel& m_model;
    QComboBox* m_driver = nullptr;
    QDateEdit* m_date = nullptr;
    QTimeEdit* m_time = nullptr;
    QComboBox* m_splits = nullptr;
    QTableView* m_grid = nullptr;
    LapEntryGridModel* m_gridModel = nullptr;
    QLineEdit* m_pit = nullptr;
    QComboBox* m_source = nullptr;
    QPushButton* m_import = nullptr;
    bool m_loading = false;
};
