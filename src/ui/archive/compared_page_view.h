#pragma once
// The "Compared" page: the comparison grid (file names as the header, row titles in the first column)
// and "Export to HTML".
#include "events/event.h"

#include <QWidget>
#include <functional>

class ComparedPage;
class QTableView;
class TextGridModel;

class ComparedPageView : public QWidget {
  public:
    ComparedPageView(ComparedPage& page, QWidget* host);
    ~ComparedPageView() override;

    std::function<void()> onExport; // "Export to HTML"

  private:
    void Redraw();

    ComparedPage& m_page;
    QTableView* m_table;
    TextGridModel* m_model;
    Connections m_connections;
};
