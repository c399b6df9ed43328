#pragma once
// The tire list's dialogs: "Add/Edit Tire", "Update Tire History" (by hand and after a session) and
// "Update Tire Circumference". Each shows the model's preset and gives back what the user confirmed.
#include "workshop/tire_list_page.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QLabel;
class QLineEdit;

class TAddEditTireDlg : public QDialog {
    Q_OBJECT
  public:
    TAddEditTireDlg(const TireDialogRequest& request, Prompter& prompter, QWidget* parent);
    TireDialogValues Values() const;
    void accept() override;

  private:
    TireDialogRequest m_request;
    Prompter& m_prompter;
    QLineEdit *m_id, *m_position, *m_brand, *m_dimensions, *m_compound, *m_mileage, *m_heatCycles, *m_set;
    QLineEdit *m_circNew = nullptr, *m_circFirst = nullptr, *m_circCurrent = nullptr;
    QDateEdit *m_purchased, *m_firstUse;
    QCheckBox* m_firstUseBox;
};

class TUpdateTireHistoryDlg : public QDialog {
    Q_OBJECT
  public:
    TUpdateTireHistoryDlg(const TireHistoryRequest& request, const QStringList& drivers,
                          const QStringList& tracks, const QStringList& sessionTypes, QWidget* parent);
    TireHistoryValues Values() const;

  private:
    QDateEdit* m_date;
    QComboBox *m_driver, *m_track, *m_type;
    QLineEdit *m_laps, *m_vehicle;
    QList<QLabel*> m_ids;
    QList<QLineEdit*> m_positions;
    QList<QComboBox*> m_rotations;
    QCheckBox *m_heatCycles, *m_addMileage;
};

class TSessionToTireHistoryDlg : public QDialog {
    Q_OBJECT
  public:
    TSessionToTireHistoryDlg(const SessionTireDialogValues& preset, const QStringList& drivers,
                             QWidget* parent);
    SessionTireDialogValues Values() const;

  private:
    SessionTireDialogValues m_preset;
    QDateTimeEdit* m_date;
    QLineEdit *m_track, *m_vehicle, *m_type, *m_laps;
    QComboBox* m_driver;
};

class TUpdateTireCircDlg : public QDialog {
    Q_OBJECT
  public:
    TUpdateTireCircDlg(const QList<TireCircumferenceLine>& lines, bool miles, QWidget* parent);
    QList<TireCircumferenceLine> Values() const;

  private:
    QList<TireCircumferenceLine> m_lines;
    QList<QLineEdit*> m_values;
};
