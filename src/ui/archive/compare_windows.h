#pragma once
// The dialogs of the comparison and the exports of several sessions, and the "Status" window that long
// runs show while the main window takes no input.
#include "archive/session_compare.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QProgressBar;

// "Compare Sessions": the three choices; std::nullopt on Cancel.
std::optional<CompareOptions> AskCompareOptions(QWidget* parent, const CompareOptions& initial);

struct StatisticsChoice {
    QString title;
    bool includeLapTimes = false;
};
// "Export statistics": the title (pre-filled) and "Include lap times"; std::nullopt on Cancel.
std::optional<StatisticsChoice> AskStatisticsOptions(QWidget* parent, const QString& title);

struct ExportOptionsChoice {
    bool partSetupNames = false;
    bool pageBreak = false;
    QString maxLaps; // "List lap times in a table if less than" N "laps"
    bool groupByEvent = false;
    QString title;
};
// "Export options" (group "HTML Options"); std::nullopt on Cancel.
std::optional<ExportOptionsChoice> AskExportOptions(QWidget* parent, const ExportOptionsChoice& initial);

// The small always-on-top "Status" window with a label and a progress bar 0..100. While it exists the
// main window takes no input and shows the wait cursor; each step lets pending events run except user
// input, so the window repaints but nothing can be started meanwhile. Everything is restored when it
// goes, however the run ends.
class StatusWindow : public QWidget {
  public:
    explicit StatusWindow(QWidget* mainWindow);
    ~StatusWindow() override;
    void Step(const QString& text, int percent);

  private:
    QPointer<QWidget> m_mainWindow;
    QLabel* m_label;
    QProgressBar* m_bar;
};
