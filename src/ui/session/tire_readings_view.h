#pragma once
// The tire readings at the top of the session's "Tires" page: per wheel the cold pressure the setup
// sets, the hot pressure typed below, the increase, and for cars and karts the circumference before and
// after the session with the difference. Read only: the values are typed on the setup and below.
#include <QGroupBox>

class QTableWidget;
class SessionTireReadings;

class TireReadingsView : public QGroupBox {
    Q_OBJECT
  public:
    TireReadingsView(SessionTireReadings& readings, QWidget* parent = nullptr);
    void Refresh();

  private:
    SessionTireReadings& m_readings;
    QTableWidget* m_table = nullptr;
};
