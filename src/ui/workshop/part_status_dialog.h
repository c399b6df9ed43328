#pragma once
// The part dialog ("Add part" / "Edit part") and the move dialog ("Move Part"). Each field writes one
// column of the part; in an edit of several rows every field has an apply box and only ticked fields
// are written.
#include "workshop/part_status_page.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QWidget;
class Prompter;
class Shell;

class PartStatusDialog : public QDialog {
    Q_OBJECT
  public:
    struct Options {
        bool edit = false;
        bool stock = false;
        bool multiRow = false;
        bool miles = false;
        QStringList suppliers;
        QString today; // "yyyy-mm-dd"
    };
    PartStatusDialog(Prompter& prompter, Shell& shell, const Options& options, QWidget* parent = nullptr);

    // Presets the fields from a row (empty texts stay empty).
    void SetFields(const QStringList& row);
    // The texts of the fields and, with several rows, the ticked ones.
    PartDialogResult Result() const;

    void accept() override; // refuses a field that is no number where one is needed

  private:
    QWidget* Field(int column, QWidget* editor, QWidget* parent);
    void InspectionDone();
    void SetAsNew();
    void ChooseLink();
    void UpdateLinkButton();
    bool Applied(int column) const;

    Prompter& m_prompter;
    Shell& m_shell;
    Options m_options;
    std::array<QLineEdit*, kPartColumnCount> m_edits{};
    std::array<QCheckBox*, kPartColumnCount> m_apply{};
    QDateEdit* m_date = nullptr;
    QSpinBox* m_qty = nullptr;
    QSpinBox* m_reqQty = nullptr;
    QComboBox* m_supplier = nullptr;
    QPlainTextEdit* m_tasks = nullptr;
    QString m_link;
    QWidget* m_openLink = nullptr;
};

class MovePartDialog : public QDialog {
    Q_OBJECT
  public:
    // part: the single selected row (empty fields when several are moved); maxQuantity its pieces.
    MovePartDialog(const QStringList& groups, const QStringList& part, bool several, int maxQuantity,
                   const QString& today, QWidget* parent = nullptr);
    QString Destination() const;
    PartMove Move() const;

  private:
    QComboBox* m_group = nullptr;
    QSpinBox* m_quantity = nullptr;
    QCheckBox* m_setDate = nullptr;
    QDateEdit* m_date = nullptr;
    QCheckBox* m_moveAll = nullptr;
    bool m_several = false;
};
