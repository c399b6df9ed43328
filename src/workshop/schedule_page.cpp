#include "schedule_page.h"

#include "storage/date_time.h"
#include "storage/translate.h"

#include <algorithm>

SchedulePage::SchedulePage(Prompter& prompter, Clock& clock, QString dataDir)
    : m_prompter(prompter), m_clock(clock), m_dataDir(std::move(dataDir)), m_grid(EventColumnCaptions(), 1) {
    m_sorting.onMarkChanged = [this] {
        m_schedule.sortKeys = m_sorting.Keys();
        m_schedule.events.Sort(m_schedule.sortKeys);
        MarkDirty();
    };
    m_sorting.SetKeys(m_schedule.sortKeys);
    Refill();
}

void SchedulePage::LoadSchedule() {
    const auto loaded = ::LoadSchedule(m_dataDir);
    if (!loaded)
        m_prompter.ShowError(loaded.error());
    else
        m_schedule = *loaded;
    m_sorting.SetKeys(m_schedule.sortKeys);
    m_dirty = false;
    Refill();
}

bool SchedulePage::SaveSchedule() {
    m_schedule.sortKeys = m_sorting.Keys();
    if (const auto saved = ::SaveSchedule(m_dataDir, m_schedule); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

QString SchedulePage::Today() const {
    return DateText(m_clock.NowDayNumber());
}

QString SchedulePage::SelectTrackText() const {
    return u'<' + Translate("Select Track") + u'>';
}

bool SchedulePage::AddEvent(const QStringList& fields) {
    const auto event = NewEvent(fields);
    if (!event) return false;
    m_schedule.events.AddRow(*event);
    m_schedule.events.Sort(m_sorting.Keys());
    MarkDirty();
    return true;
}

bool SchedulePage::EditEvent(int row, const QStringList& fields) {
    if (!RowHoldsEvent(row) || m_schedule.events.Field(row, event_col::Date).isEmpty())
        return AddEvent(fields);
    QStringList edited;
    for (int column = 0; column < kEventColumnCount; ++column)
        edited << fields.value(column);
    if (edited == m_schedule.events.Row(row).mid(0, kEventColumnCount)) return false;
    QStringList kept = m_schedule.events.Row(row);
    for (int column = 0; column < kEventColumnCount; ++column)
        kept[column] = edited[column];
    m_schedule.events.SetRow(row, kept);
    m_schedule.events.Sort(m_sorting.Keys());
    MarkDirty();
    return true;
}

void SchedulePage::DeleteEvents(const std::vector<int>& selected) {
    std::vector<int> rows;
    for (int row : selected)
        if (RowHoldsEvent(row)) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;
    // The questions name sessions, as users of the page know them.
    const QString question =
        rows.size() == 1 ? Translate("Delete this session?") : Translate("Delete these sessions?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        m_schedule.events.RemoveRows(*it);
    MarkDirty();
}

void SchedulePage::HeaderClick(int column, bool ctrl, bool shift) {
    if (column < 0 || column >= kEventColumnCount) return;
    m_sorting.HeaderClick(column, ctrl, shift);
}

std::optional<int> SchedulePage::NextEventRow() const {
    return ::NextEventRow(m_schedule.events, Today());
}

void SchedulePage::MarkDirty() {
    m_dirty = true;
    Refill();
}

void SchedulePage::Refill() {
    const int count = m_schedule.events.RowCount();
    const int current = m_grid.CurrentRow();
    m_grid.ClearRows();
    m_grid.SetRowCount(count + 1);
    for (int row = 0; row < count; ++row)
        m_grid.SetRow(row, m_schedule.events.Row(row).mid(0, kEventColumnCount));
    m_grid.SetUsedRows(count);
    m_grid.SetCurrentRow(std::clamp(current, 0, count));
    m_grid.NotifyHeadersChanged();
    changed.Emit();
}
