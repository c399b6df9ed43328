#pragma once
// The "Scheduled" page: the events grid, its sort keys, the changed state, the page's commands and the
// row the page scrolls to.
#include "events/event.h"
#include "grid/sort_grid.h"
#include "grid/text_grid.h"
#include "services/services.h"
#include "workshop/schedule.h"

#include <optional>
#include <vector>

class SchedulePage {
  public:
    SchedulePage(Prompter& prompter, Clock& clock, QString dataDir);

    Event<> changed;

    void LoadSchedule();
    bool SaveSchedule();
    bool IsDirty() const { return m_dirty; }
    const Schedule& Events() const { return m_schedule; }
    TextGrid& Grid() { return m_grid; }
    const SortableGrid& Sorting() const { return m_sorting; }
    bool RowHoldsEvent(int row) const { return row >= 0 && row < m_schedule.events.RowCount(); }
    QString Today() const;
    QString SelectTrackText() const; // "<Select Track>"

    // The dialog's six fields: added unless Type, Class, Name and Comments are all empty.
    bool AddEvent(const QStringList& fields);
    // Writes the fields over the row when something changed; a row without a date adds instead.
    bool EditEvent(int row, const QStringList& fields);
    void DeleteEvents(const std::vector<int>& rows);
    void HeaderClick(int column, bool ctrl, bool shift);
    // The first event dated today or later: the top row when the page is shown.
    std::optional<int> NextEventRow() const;

  private:
    void MarkDirty();
    void Refill();

    Prompter& m_prompter;
    Clock& m_clock;
    QString m_dataDir;
    Schedule m_schedule;
    bool m_dirty = false;
    TextGrid m_grid;
    SortableGrid m_sorting{m_grid};
};
