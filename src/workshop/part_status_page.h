#pragma once
// The "Part status" area: its groups, the active group's grid, the log and the area's commands. The
// widgets run the dialogs and hand their results to one call here.
#include "events/event.h"
#include "grid/sort_grid.h"
#include "grid/text_grid.h"
#include "part_counter_update.h"
#include "part_status_data.h"
#include "part_status_rules.h"
#include "services/services.h"
#include "workshop/order_receive.h"

#include <QString>
#include <QStringList>
#include <bitset>
#include <functional>
#include <vector>

// What the part dialog gives back: a text per stored column (the computed "left" columns are ignored)
// and, in a multi-row edit, which fields were ticked.
struct PartDialogResult {
    QStringList fields = QStringList(kPartColumnCount, QString());
    std::bitset<kPartColumnCount> applied = std::bitset<kPartColumnCount>().set();
};

class PartStatusPage {
  public:
    PartStatusPage(Prompter& prompter, Shell& shell, Clock& clock, QString dataDir);

    Event<> changed;
    // The maintenance log takes the items; false when it refused them (its own message was shown).
    std::function<bool(const std::vector<MaintenanceItemDraft>&)> requestAddMaintenanceItems;

    // The alert window of an update ("Part status alert"), one per exceeded rule, shown one after the
    // other; without it the alerts are only logged.
    std::function<void(const QString& title, const PartAlert& alert)> requestShowAlert;
    // The session dialog ("Update Part Status") over the groups offered and the proposed figures;
    // std::nullopt on Cancel.
    std::function<std::optional<SessionDialogValues>(const QStringList& groups,
                                                     const SessionUpdateProposal& proposal)>
        requestSessionDialog;

    // Reads the files (missing: empty area); an unreadable or too-new file is reported and leaves the
    // area read-only, so it is never written over.
    void LoadPartStatus();
    bool SavePartStatus(); // false when refused or the write failed
    bool IsDirty() const { return m_dirty; }
    bool IsReadOnly() const { return m_readOnly; }
    // Leaving the page while changed asks "Unsaved Part Status changes exists, save now?".
    bool PartStatusTabSheetExit();

    const std::vector<PartGroup>& Groups() const { return m_groups; }
    QStringList GroupNames() const;
    int ActiveGroup() const { return m_active; }
    void SetActiveGroup(int index);
    const PartGroup* Active() const;
    QString LastUpdatedCaption() const;
    const QStringList& Log() const { return m_log; }

    // The active group's rows as the grid shows them, with one empty row below the last part.
    TextGrid& Grid() { return m_grid; }
    const SortableGrid& Sorting() const { return m_sorting; }
    // Shown width of a column in the active group (0: hidden).
    int ColumnWidth(int column) const;
    // How a row is drawn: stock shortages (grey text; bold on yellow when none is left of a required
    // part; bold on light green below the required quantity), an exceeded limit (bold red) or a due
    // inspection (bold blue) of a part in use.
    struct RowEmphasis {
        enum class Text { Plain, Grey, Red, Blue } text = Text::Plain;
        enum class Back { Plain, Yellow, LightGreen } back = Back::Plain;
        bool bold = false;
    };
    RowEmphasis Emphasis(int row) const;

    bool RowHoldsPart(int row) const; // its "Changed" field is not empty
    bool CanMove() const { return m_groups.size() > 1; }

    // Group commands.
    void AddGroup();
    void RenameGroup();
    void DeleteGroup();
    void SetStockGroup(bool stock);

    // Part commands on the active group; rows are grid rows.
    void AddPart(const PartDialogResult& result);
    // Received order items into the named group: existing parts gain the quantity, new parts are added
    // as AddPart adds them. The number of lines booked; std::nullopt when the group is missing.
    std::optional<int> ReceiveParts(const QString& group, const std::vector<PartBooking>& lines);
    const PartGroup* FindGroup(const QString& name) const;
    void EditParts(const std::vector<int>& rows, const PartDialogResult& result);
    void DeleteParts(const std::vector<int>& rows);
    void DuplicatePart(int row);
    // Moves the rows (bottom up) to the named group; returns the pieces moved.
    int MoveParts(const std::vector<int>& rows, const QString& destination, const PartMove& move);
    int FindPart(const QString& text, bool down); // the new current row, -1 when nothing matched
    void HeaderClick(int column, bool ctrl, bool shift);
    void SortAgain(); // F5
    void ShowLog();
    // Hands the parts of the rows to the maintenance log; false when nothing took them.
    bool UpdateMaintenanceLog(const std::vector<int>& rows);
    bool MaintenanceLogConnected() const { return bool(requestAddMaintenanceItems); }

    // "Update group": available while the active group holds parts. The dialog's OK hands its values
    // here: every part of the active group ages (or is reset), the alerts are shown and logged.
    bool UpdateGroupEnabled() const;
    void UpdateGroup(const CounterUpdate& update);
    // The update dialog's reset box on OK: "Are you really sure you want to reset all parts?".
    bool ConfirmReset();
    // After a timed session: asks again for a session already counted (its stamp matches its start),
    // offers the groups and the session's figures, and updates the ticked groups. True when the counters
    // were updated: the caller stamps the session with its start.
    bool UpdateFromSession(const SessionUpdateInput& session, double stamp);

    QString Today() const;

  private:
    bool RefuseWhenReadOnly();
    std::optional<QString> AskGroupName(const QString& caption, const QString& initial, int keep);
    void Log(const QString& line) { m_log.append(line); }
    void ApplyUpdate(PartGroup& group, const CounterUpdate& update);
    void MarkDirty();
    void Refill();
    std::vector<int> PartRows(std::vector<int> rows) const;

    Prompter& m_prompter;
    Shell& m_shell;
    Clock& m_clock;
    QString m_dataDir;
    std::vector<PartGroup> m_groups;
    QStringList m_log;
    int m_active = -1;
    bool m_dirty = false;
    bool m_readOnly = false;
    TextGrid m_grid;
    SortableGrid m_sorting{m_grid};
};
