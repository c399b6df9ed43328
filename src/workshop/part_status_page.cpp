#include "part_status_page.h"

#include "storage/comma_text.h"
#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

bool IsLeftColumn(int column) {
    return column == part_col::HoursLeft || column == part_col::MileageLeft ||
           column == part_col::StartsLeft || column == part_col::HoursUntilInsp ||
           column == part_col::MileageUntilInsp || column == part_col::StartsUntilInsp;
}

// Each computed column with the counter and the limit it follows.
struct LeftRule {
    int left, value, limit;
    bool decimal;
};
constexpr LeftRule kLeftRules[] = {
    {part_col::HoursLeft, part_col::Hours, part_col::HoursLimit, true},
    {part_col::MileageLeft, part_col::Mileage, part_col::MileageLimit, true},
    {part_col::StartsLeft, part_col::Starts, part_col::StartsLimit, false},
    {part_col::HoursUntilInsp, part_col::HoursSinceInsp, part_col::HoursInterval, true},
    {part_col::MileageUntilInsp, part_col::MileageSinceInsp, part_col::MileageInterval, true},
    {part_col::StartsUntilInsp, part_col::StartsSinceInsp, part_col::StartsInterval, false},
};

} // namespace

PartStatusPage::PartStatusPage(Prompter& prompter, Shell& shell, Clock& clock, QString dataDir)
    : m_prompter(prompter), m_shell(shell), m_clock(clock), m_dataDir(std::move(dataDir)),
      m_grid(PartColumnCaptions(), 1) {
}

QString PartStatusPage::Today() const {
    return DateText(m_clock.NowDayNumber());
}

void PartStatusPage::LoadPartStatus() {
    auto loaded = LoadPartStatusFiles(m_dataDir);
    m_readOnly = false;
    if (!loaded) {
        m_groups.clear();
        m_log.clear();
        m_readOnly = true; // an unreadable file is never written over
        m_prompter.ShowError(loaded.error());
    } else {
        m_groups = std::move(loaded->groups);
        m_log = std::move(loaded->log);
        if (loaded->tooNew) {
            m_readOnly = true;
            m_prompter.ShowError(TooNewPartStatusText());
        }
    }
    m_active = m_groups.empty() ? -1 : 0;
    m_dirty = false;
    Refill();
}

bool PartStatusPage::SavePartStatus() {
    if (m_readOnly) {
        m_prompter.ShowError(Translate("The part status is read-only: its file was not read, so it is not "
                                       "saved (the file is left as it is)."));
        return false;
    }
    if (auto saved = SavePartStatusFiles(m_dataDir, m_groups, m_log); !saved) {
        m_prompter.ShowError(saved.error());
        return false;
    }
    m_dirty = false;
    changed.Emit();
    return true;
}

bool PartStatusPage::PartStatusTabSheetExit() {
    if (!m_dirty) return true;
    switch (m_prompter.AskYesNoCancel(
        Fill(Translate("Unsaved %s changes exists, save now?"), Translate("Part Status")))) {
    case Answer::Yes:
        return SavePartStatus();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

QStringList PartStatusPage::GroupNames() const {
    QStringList names;
    for (const PartGroup& g : m_groups)
        names << g.name;
    return names;
}

void PartStatusPage::SetActiveGroup(int index) {
    if (index < -1 || index >= int(m_groups.size()) || index == m_active) return;
    m_active = index;
    // A newly shown group selects the empty row below its parts.
    m_grid.SetCurrentRow(index >= 0 ? m_groups[index].parts.RowCount() : -1);
    Refill();
}

const PartGroup* PartStatusPage::Active() const {
    return m_active >= 0 && m_active < int(m_groups.size()) ? &m_groups[m_active] : nullptr;
}

QString PartStatusPage::LastUpdatedCaption() const {
    const PartGroup* g = Active();
    return g ? Translate("Last updated") + u' ' + g->lastUpdated : QString();
}

int PartStatusPage::ColumnWidth(int column) const {
    const PartGroup* g = Active();
    return InitialPartColumnWidth(column, g && g->stock);
}

PartStatusPage::RowEmphasis PartStatusPage::Emphasis(int row) const {
    RowEmphasis e;
    const PartGroup* g = Active();
    if (!g || row < 0 || row >= g->parts.RowCount()) return e;
    const QStringList part = g->parts.Row(row);
    const auto qty = ParseInteger(part[part_col::Qty].trimmed());
    if (g->stock && qty && *qty == 0) {
        const int required = ParseInteger(part[part_col::ReqQty].trimmed()).value_or(0);
        if (required < 1) {
            e.text = RowEmphasis::Text::Grey;
        } else {
            e.back = RowEmphasis::Back::Yellow;
            e.bold = true;
        }
    } else if (g->stock && qty && *qty > 0) {
        const auto required = ParseInteger(part[part_col::ReqQty].trimmed());
        if (required && *qty < *required) {
            e.back = RowEmphasis::Back::LightGreen;
            e.bold = true;
        }
    }
    if (qty && *qty > 0) {
        auto minus = [&](int c) { return part[c].contains(u'-'); };
        if (minus(part_col::HoursLeft) || minus(part_col::MileageLeft) || minus(part_col::StartsLeft)) {
            e.text = RowEmphasis::Text::Red;
            e.bold = true;
        } else if (minus(part_col::HoursUntilInsp) || minus(part_col::MileageUntilInsp) ||
                   minus(part_col::StartsUntilInsp)) {
            e.text = RowEmphasis::Text::Blue;
            e.bold = true;
        }
    }
    return e;
}

bool PartStatusPage::RowHoldsPart(int row) const {
    const PartGroup* g = Active();
    return g && row >= 0 && row < g->parts.RowCount() &&
           !g->parts.Field(row, part_col::Changed).trimmed().isEmpty();
}

bool PartStatusPage::UpdateGroupEnabled() const {
    const PartGroup* g = Active();
    return g && g->parts.RowCount() > 0 && !m_readOnly;
}

void PartStatusPage::ApplyUpdate(PartGroup& group, const CounterUpdate& update) {
    const GroupUpdateOutcome outcome = ApplyGroupUpdate(group.name, group, update, Today());
    for (const QString& line : outcome.logLines)
        Log(line);
    for (const PartAlert& alert : outcome.alerts)
        if (requestShowAlert) requestShowAlert(AlertTitle(group.name), alert);
    group.lastUpdated = DateTimeText(m_clock.NowDayNumber());
}

void PartStatusPage::UpdateGroup(const CounterUpdate& update) {
    if (!UpdateGroupEnabled() || RefuseWhenReadOnly()) return;
    ApplyUpdate(m_groups[size_t(m_active)], update);
    MarkDirty();
}

bool PartStatusPage::ConfirmReset() {
    return m_prompter.AskYesNo(Translate("Are you really sure you want to reset all parts?")) == Answer::Yes;
}

bool PartStatusPage::UpdateFromSession(const SessionUpdateInput& session, double stamp) {
    if (StampMatches(stamp, session.startTime) &&
        m_prompter.AskOkCancel(AlreadyUpdatedQuestion()) != Answer::Ok)
        return false;
    const QStringList offered = SessionUpdateGroups(m_groups);
    if (offered.isEmpty() || m_readOnly || !requestSessionDialog) return false;
    const auto values = requestSessionDialog(offered, ProposeSessionUpdate(session));
    if (!values) return false;
    const CounterUpdate update = CounterUpdateFromSessionDialog(*values);
    for (PartGroup& g : m_groups)
        if (values->groups.contains(g.name) && offered.contains(g.name)) ApplyUpdate(g, update);
    MarkDirty();
    return true;
}

bool PartStatusPage::RefuseWhenReadOnly() {
    if (!m_readOnly) return false;
    m_prompter.ShowError(Translate("The part status is read-only: its file was not read, so it is not "
                                   "saved (the file is left as it is)."));
    return true;
}

void PartStatusPage::MarkDirty() {
    m_dirty = true;
    Refill();
}

void PartStatusPage::Refill() {
    const PartGroup* g = Active();
    const int rows = g ? g->parts.RowCount() : 0;
    const int current = m_grid.CurrentRow();
    m_grid.ClearRows();
    m_grid.SetRowCount(rows + 1);
    for (int row = 0; row < rows; ++row)
        m_grid.SetRow(row, g->parts.Row(row));
    m_grid.SetUsedRows(rows);
    m_grid.SetCurrentRow(std::min(current, rows)); // at most the empty row below the parts
    m_sorting.SetKeys(g ? g->sortKeys : SortKeys{});
    m_grid.NotifyHeadersChanged();
    changed.Emit();
}

std::optional<QString> PartStatusPage::AskGroupName(const QString& caption, const QString& initial,
                                                    int keep) {
    const auto answer = m_prompter.AskText(caption, Translate("Enter name of group"), initial);
    if (!answer) return std::nullopt;
    const QString name = answer->trimmed();
    if (name.isEmpty() || (keep >= 0 && name == m_groups[keep].name)) return std::nullopt;
    // Brackets end a section of the file and ";" ends a value: such a name could not be read back.
    if (!IsValidPartGroupName(name)) {
        m_prompter.ShowError(Translate("A group name cannot hold \"[\", \"]\" or \";\"!"));
        return std::nullopt;
    }
    for (int i = 0; i < int(m_groups.size()); ++i)
        if (i != keep && m_groups[i].name == name) {
            m_prompter.ShowError(Fill(Translate("The group %s already exists!"), name));
            return std::nullopt;
        }
    return name;
}

void PartStatusPage::AddGroup() {
    if (RefuseWhenReadOnly()) return;
    if (int(m_groups.size()) >= kMaxPartGroups) {
        m_prompter.ShowError(
            Fill(Translate("There can be at most %s groups!"), QString::number(kMaxPartGroups)));
        return;
    }
    const auto name = AskGroupName(Translate("Add group"), QString(), -1);
    if (!name) return;
    PartGroup group;
    group.name = *name;
    group.lastUpdated = NeverUpdatedText();
    m_groups.push_back(std::move(group));
    SortPartGroups(m_groups);
    for (int i = 0; i < int(m_groups.size()); ++i)
        if (m_groups[i].name == *name) m_active = i;
    Log(GroupLogLine(Today(), *name, Translate("created")));
    MarkDirty();
}

void PartStatusPage::RenameGroup() {
    if (m_active < 0 || RefuseWhenReadOnly()) return;
    const QString old = m_groups[m_active].name;
    const auto name = AskGroupName(Translate("Edit group"), old, m_active);
    if (!name) return;
    m_groups[m_active].name = *name;
    Log(GroupLogLine(Today(), old, Translate("renamed to") + QStringLiteral(" \"") + *name + u'"'));
    MarkDirty();
}

void PartStatusPage::DeleteGroup() {
    if (m_active < 0 || RefuseWhenReadOnly()) return;
    const QString name = m_groups[m_active].name;
    if (m_prompter.AskOkCancel(Fill(Translate("Delete group %s?"), name)) != Answer::Ok) return;
    m_groups.erase(m_groups.begin() + m_active);
    m_active = std::min(m_active, int(m_groups.size()) - 1);
    Log(GroupLogLine(Today(), name, Translate("deleted")));
    MarkDirty();
}

void PartStatusPage::SetStockGroup(bool stock) {
    if (m_active < 0 || m_groups[m_active].stock == stock || RefuseWhenReadOnly()) return;
    m_groups[m_active].stock = stock;
    MarkDirty();
}

void PartStatusPage::AddPart(const PartDialogResult& result) {
    if (m_active < 0 || RefuseWhenReadOnly()) return;
    PartGroup& g = m_groups[m_active];
    QStringList row = PadFields(result.fields, kPartColumnCount);
    for (QString& field : row)
        field = field.trimmed();
    for (int column : {part_col::Qty, part_col::ReqQty}) {
        // Whole numbers; a negative quantity becomes 0, and a part outside the stock is at least one piece.
        int value = std::max(0, int(ParseDecimal(row[column]).value_or(0)));
        if (column == part_col::Qty && !g.stock) value = std::max(value, 1);
        row[column] = QString::number(value);
    }
    ComputeLeftColumns(row);
    g.parts.AddRow(row);
    Log(PartLogLine(Today(), g.name, QStringLiteral(N_("added")), row));
    MergeDuplicateParts(g.parts);
    g.parts.Sort(g.sortKeys);
    MarkDirty();
}

const PartGroup* PartStatusPage::FindGroup(const QString& name) const {
    for (const PartGroup& g : m_groups)
        if (g.name == name) return &g;
    return nullptr;
}

std::optional<int> PartStatusPage::ReceiveParts(const QString& group, const std::vector<PartBooking>& lines) {
    int index = -1;
    for (int i = 0; i < int(m_groups.size()); ++i)
        if (m_groups[i].name == group) index = i;
    if (index < 0) return std::nullopt;
    if (RefuseWhenReadOnly()) return 0;
    int booked = BookIntoExistingParts(m_groups[index], lines);
    // New parts go in as AddPart adds them, on the group they were received into.
    const int active = m_active;
    m_active = index;
    for (const PartBooking& line : lines) {
        if (line.partRow >= 0 || line.qty <= 0) continue;
        PartDialogResult result;
        result.fields = NewPartFromOrder(line.item, line.qty);
        result.fields[part_col::Changed] = Today();
        AddPart(result);
        ++booked;
    }
    m_active = active;
    if (booked > 0) MarkDirty();
    return booked;
}

std::vector<int> PartStatusPage::PartRows(std::vector<int> rows) const {
    const PartGroup* g = Active();
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&](int r) { return !g || r < 0 || r >= g->parts.RowCount(); });
    return rows;
}

void PartStatusPage::EditParts(const std::vector<int>& selected, const PartDialogResult& result) {
    if (m_active < 0 || RefuseWhenReadOnly()) return;
    const std::vector<int> rows = PartRows(selected);
    if (rows.empty() || (rows.size() == 1 && !RowHoldsPart(rows.front()))) {
        AddPart(result);
        return;
    }
    PartGroup& g = m_groups[m_active];
    const QStringList reference = g.parts.Row(rows.front());
    const QStringList fields = PadFields(result.fields, kPartColumnCount);
    for (int r : rows) {
        QStringList row = g.parts.Row(r);
        for (int c = 0; c < kPartColumnCount; ++c) {
            if (!result.applied.test(c) || IsLeftColumn(c)) continue;
            if (IsStockColumn(c) && !g.stock) continue;
            row[c] = fields[c].trimmed();
            if (c == part_col::Qty || c == part_col::ReqQty) {
                int value = std::max(0, int(ParseDecimal(row[c]).value_or(0)));
                if (c == part_col::Qty && !g.stock) value = std::max(value, 1);
                row[c] = QString::number(value);
            }
        }
        for (const LeftRule& rule : kLeftRules) {
            if (!result.applied.test(rule.value) && !result.applied.test(rule.limit)) continue;
            row[rule.left] = rule.decimal ? DecimalLeft(row[rule.limit], row[rule.value]).text
                                          : IntegerLeft(row[rule.limit], row[rule.value]).text;
        }
        g.parts.SetRow(r, row);
        Log(PartLogLine(Today(), g.name, QStringLiteral(N_("edited")), row));
    }
    if (rows.size() == 1) {
        const QStringList now = g.parts.Row(rows.front());
        bool resort = false;
        for (const SortKey& key : g.sortKeys)
            if (key.IsSet() && now.value(key.column) != reference.value(key.column)) resort = true;
        if (MergeDuplicateParts(g.parts, &reference)) resort = true;
        if (resort) g.parts.Sort(g.sortKeys);
    } else {
        MergeDuplicateParts(g.parts);
        g.parts.Sort(g.sortKeys);
    }
    MarkDirty();
}

void PartStatusPage::DeleteParts(const std::vector<int>& selected) {
    if (m_active < 0 || RefuseWhenReadOnly()) return;
    const std::vector<int> rows = PartRows(selected);
    if (rows.empty()) return;
    const QString question =
        rows.size() == 1 ? Translate("Delete this part?") : Translate("Delete these parts?");
    if (m_prompter.AskOkCancel(question) != Answer::Ok) return;
    PartGroup& g = m_groups[m_active];
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        Log(PartLogLine(Today(), g.name, QStringLiteral("deleted"), g.parts.Row(*it)));
        g.parts.RemoveRows(*it);
    }
    MarkDirty();
}

void PartStatusPage::DuplicatePart(int row) {
    if (!RowHoldsPart(row) || RefuseWhenReadOnly()) return;
    PartGroup& g = m_groups[m_active];
    const QStringList copy = g.parts.Row(row);
    m_grid.SetCurrentRow(g.parts.AddRow(copy)); // the copy becomes the current row
    Log(PartLogLine(Today(), g.name, QStringLiteral(N_("added")), copy));
    MarkDirty();
}

int PartStatusPage::MoveParts(const std::vector<int>& selected, const QString& destination,
                              const PartMove& move) {
    if (m_active < 0 || RefuseWhenReadOnly()) return 0;
    const auto dest = std::find_if(m_groups.begin(), m_groups.end(),
                                   [&](const PartGroup& g) { return g.name == destination; });
    if (dest == m_groups.end() || dest - m_groups.begin() == m_active) return 0;
    const std::vector<int> rows = PartRows(selected);
    PartGroup& source = m_groups[m_active];
    int total = 0;
    const auto ask = [this](const QString& name) {
        return m_prompter.AskYesNo(Fill(Translate("Delete \"%s\" from original group?"), name)) ==
               Answer::Yes;
    };
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        QString line;
        const int moved = MovePartRow(source, *it, *dest, move, Today(), ask, &line, nullptr);
        if (moved > 0) Log(line);
        total += moved;
    }
    if (total > 0) MarkDirty();
    return total;
}

int PartStatusPage::FindPart(const QString& text, bool down) {
    const PartGroup* g = Active();
    if (!g) return -1;
    const int found = FindPartRow(g->parts, m_grid.CurrentRow(), text, down,
                                  [this](int column) { return ColumnWidth(column) > 1; });
    if (found >= 0) {
        m_grid.SetCurrentRow(found);
        changed.Emit();
    }
    return found;
}

void PartStatusPage::HeaderClick(int column, bool ctrl, bool shift) {
    if (m_active < 0 || column < 0 || column >= kPartColumnCount) return;
    PartGroup& g = m_groups[m_active];
    ApplyHeaderClick(g.sortKeys, column, ctrl, shift);
    g.parts.Sort(g.sortKeys);
    if (!m_readOnly) m_dirty = true;
    Refill();
}

void PartStatusPage::SortAgain() {
    if (m_active < 0) return;
    m_groups[m_active].parts.Sort(m_groups[m_active].sortKeys);
    Refill();
}

void PartStatusPage::ShowLog() {
    const QString path = QDir(m_dataDir).filePath(PartStatusLogFileName());
    if (!QFileInfo::exists(path)) {
        m_prompter.ShowError(Fill(Translate("File %s does not exist!"), PartStatusLogFileName()));
        return;
    }
    if (!m_shell.Open(path))
        m_prompter.ShowError(Fill(Translate("Unable to open %s. Make sure you have a program associated to "
                                            "open *.txt files."),
                                  PartStatusLogFileName()));
}

bool PartStatusPage::UpdateMaintenanceLog(const std::vector<int>& selected) {
    const PartGroup* g = Active();
    if (!g || !requestAddMaintenanceItems) return false;
    std::vector<QStringList> parts;
    for (int r : PartRows(selected))
        parts.push_back(g->parts.Row(r));
    const auto items = MaintenanceItemsForParts(g->name, parts, Today());
    return !items.empty() && requestAddMaintenanceItems(items);
}
