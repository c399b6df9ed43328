#pragma once
// The "Compared" page: the last comparison as a grid, the file names as the header (the corner empty),
// the row titles in column 0 and one column per session. It keeps the comparison until the next one.
#include "events/event.h"
#include "grid/text_grid.h"
#include "session_compare.h"

class ComparedPage {
  public:
    ComparedPage() = default;

    void SetResult(CompareResult result);
    const CompareResult& Result() const { return m_result; }
    TextGrid& Grid() { return m_grid; }
    bool HasSessions() const { return !m_result.IsEmpty(); }

    // Column widths in pixels from a text measure: each column as wide as its widest text below the
    // header plus 10.
    QList<int> ColumnWidths(const std::function<int(const QString&)>& textWidth) const;

    Event<> changed;

  private:
    CompareResult m_result;
    TextGrid m_grid;
};
