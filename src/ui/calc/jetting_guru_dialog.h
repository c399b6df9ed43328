#pragma once
// The "Jetting Guru!" window: the suggested jet sizes for the selected air density ("Suggestion") and
// the reference jet sizes at two air densities they are computed from ("Reference values").
#include <QDialog>
#include <functional>

class JettingGuruModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

class TJettingGuruDlg : public QDialog {
    Q_OBJECT
  public:
    TJettingGuruDlg(JettingGuruModel& model, QWidget* parent = nullptr);

    // Shows the model's values, captions and suggestion again.
    void Refresh();
    QTabWidget* Pages() const { return m_pages; }

  private:
    QWidget* BuildSuggestionPage();
    QWidget* BuildReferencePage();
    void Forward(const std::function<void()>& change);

    JettingGuruModel& m_model;
    bool m_showing = false;
    QTabWidget* m_pages = nullptr;
    QLabel* m_sentence = nullptr;
    QLineEdit* m_selectedValue = nullptr;
    QLabel* m_selectedUnit = nullptr;
    QTableWidget* m_suggestion = nullptr;
    QComboBox* m_method = nullptr;
    QLabel* m_reference1Heading = nullptr;
    QLabel* m_reference2Heading = nullptr;
    QLineEdit* m_reference1 = nullptr;
    QLineEdit* m_reference2 = nullptr;
    QLabel* m_reference1Unit = nullptr;
    QLabel* m_reference2Unit = nullptr;
    QComboBox* m_kind = nullptr;
    QTableWidget* m_references = nullptr;
};
