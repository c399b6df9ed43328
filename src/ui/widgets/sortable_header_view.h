#pragma once
// The column header of a sortable grid: a press released over the header within 500 ms is a sort click
// on the column under the pointer (Ctrl and Ctrl+Shift choose the key, see ApplyHeaderClick); longer
// presses, such as resizing a column, do not sort. The marks come from the model's header texts.
#include "grid/sort_grid.h"

#include <QHeaderView>

class SortableHeaderView : public QHeaderView {
    Q_OBJECT
  public:
    explicit SortableHeaderView(SortableGrid& sortable, QWidget* parent = nullptr);

  Q_SIGNALS:
    void Sorted(int column);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    SortableGrid& m_sortable;
    bool m_pressed = false;
    quint64 m_pressTimestamp = 0;
};
