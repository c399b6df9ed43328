#include "archive_tree.h"

#include "session_summary.h"
#include "storage/number_format.h"
#include "storage/text_helpers.h"
#include "storage/translate.h"

#include <QSet>
#include <algorithm>

namespace {

using namespace ArchiveColumn;

QString YearOf(const QStringList& row) {
    return row.value(Date).left(4);
}

// The column a grouping node compares; -1 for the year (a part of the date) and the other kinds.
int ColumnOf(NodeKind kind) {
    switch (kind) {
    case NodeKind::Track:
        return Track;
    case NodeKind::Driver:
        return Driver;
    case NodeKind::Event:
        return Event;
    case NodeKind::Frame:
        return Frame;
    case NodeKind::Engine:
        return Engine;
    case NodeKind::Type:
        return Type;
    default:
        return -1;
    }
}

QString ValueOf(const QStringList& row, NodeKind kind) {
    return kind == NodeKind::Year ? YearOf(row) : row.value(ColumnOf(kind));
}

using RowRefs = std::vector<const QStringList*>;

// The rows the tree and the filter lists are made of: with filters, those passing them; without, every
// complete row. Picked once for all the lists made of them.
RowRefs Selected(const SummaryRows& rows, const ArchiveFilters* filters) {
    RowRefs selected;
    selected.reserve(rows.size());
    for (const QStringList& row : rows)
        if (filters ? PassesRowFilter(row, *filters) : IsCompleteRow(row)) selected.push_back(&row);
    return selected;
}

// The value a grouping node compares, as a view into the row (the year is the date's first four
// characters); empty when the row has no such cell.
QStringView ValueView(const QStringList& row, NodeKind kind) {
    const int column = kind == NodeKind::Year ? Date : ColumnOf(kind);
    if (column < 0 || column >= row.size()) return {};
    const QStringView cell = row.at(column);
    return kind == NodeKind::Year ? cell.left(4) : cell;
}

// The distinct non-empty values of each kind, each list sorted as the list sorts cells. One pass over the
// rows serves every kind: an archive has thousands of rows and a few kinds, and a pass per kind spent
// most of the archive page's time outside the scan. Consecutive rows (a track's folder) often repeat a
// value, which is then known without a lookup.
std::vector<QStringList> DistinctValues(const RowRefs& rows, const std::vector<NodeKind>& kinds) {
    struct Values {
        QSet<QString> seen;
        QStringList list;
        QString last;
    };
    std::vector<Values> values(kinds.size());
    for (const QStringList* row : rows) {
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            Values& v = values[k];
            const QStringView view = ValueView(*row, kinds[k]);
            if (view.isEmpty() || view == v.last) continue;
            v.last = ValueOf(*row, kinds[k]);
            if (v.seen.contains(v.last)) continue;
            v.seen.insert(v.last);
            v.list << v.last;
        }
    }
    std::vector<QStringList> lists;
    lists.reserve(values.size());
    for (Values& v : values) {
        std::stable_sort(v.list.begin(), v.list.end(), [](const QString& a, const QString& b) {
            return CompareCellValues(a, b, false) < 0;
        });
        lists.push_back(std::move(v.list));
    }
    return lists;
}

QStringList WithAll(const QString& all, QStringList values) {
    values.prepend(all);
    return values;
}

QString KeepIfPresent(const QString& text, const QStringList& entries) {
    return entries.contains(text) ? text : entries.first();
}

} // namespace

bool FilterIsAll(const QString& text) {
    return text.isEmpty() || text.startsWith(u'<');
}
QString AllYearsEntry() {
    return u'<' + Translate("All years") + u'>';
}
QString AllDriversEntry() {
    return u'<' + Translate("All drivers") + u'>';
}
QString AllEnginesEntry() {
    return u'<' + Translate("All engines") + u'>';
}
QString AllFramesEntry() {
    return u'<' + Translate("All frames") + u'>';
}

FilterLists BuildFilterLists(const SummaryRows& rows) {
    std::vector<QStringList> lists = DistinctValues(
        Selected(rows, nullptr), {NodeKind::Year, NodeKind::Driver, NodeKind::Engine, NodeKind::Frame});
    return {WithAll(AllYearsEntry(), std::move(lists[0])), WithAll(AllDriversEntry(), std::move(lists[1])),
            WithAll(AllEnginesEntry(), std::move(lists[2])), WithAll(AllFramesEntry(), std::move(lists[3]))};
}

ArchiveFilters KeepPresentSelections(const ArchiveFilters& filters, const FilterLists& lists) {
    return {KeepIfPresent(filters.year, lists.years), KeepIfPresent(filters.driver, lists.drivers),
            KeepIfPresent(filters.engine, lists.engines), KeepIfPresent(filters.frame, lists.frames)};
}

bool PassesRowFilter(const QStringList& row, const ArchiveFilters& filters) {
    if (!IsCompleteRow(row)) return false;
    if (!FilterIsAll(filters.year) && YearOf(row) != filters.year) return false;
    if (!FilterIsAll(filters.driver) && row.value(Driver) != filters.driver) return false;
    if (!FilterIsAll(filters.engine) && row.value(Engine) != filters.engine) return false;
    if (!FilterIsAll(filters.frame) && row.value(Frame) != filters.frame) return false;
    return true;
}

std::vector<TreeNode> BuildTree(const SummaryRows& rows, const ArchiveFilters& filters) {
    std::vector<TreeNode> tree;
    tree.push_back({NodeKind::AllSessions, Translate("All sessions"), false, {}});
    if (std::any_of(rows.begin(), rows.end(), [](const QStringList& row) { return !IsCompleteRow(row); }))
        tree.push_back({NodeKind::Incomplete, Translate("Incomplete"), false, {}});

    // A grouping node appears when it has more than one value; some only while their filter is "all".
    struct Group {
        NodeKind kind;
        const char* caption;
        bool allowed;
    };
    const Group groups[] = {{NodeKind::Year, N_("Year"), FilterIsAll(filters.year)},
                            {NodeKind::Track, "Track", true},
                            {NodeKind::Driver, "Driver", FilterIsAll(filters.driver)},
                            {NodeKind::Event, N_("Event"), true},
                            {NodeKind::Frame, N_("Frame"), FilterIsAll(filters.frame)},
                            {NodeKind::Engine, N_("Engine"), FilterIsAll(filters.engine)},
                            {NodeKind::Type, "Type", true}};
    std::vector<NodeKind> kinds;
    for (const Group& group : groups)
        kinds.push_back(group.kind);
    const std::vector<QStringList> values = DistinctValues(Selected(rows, &filters), kinds);
    for (std::size_t g = 0; g < std::size(groups); ++g) {
        if (!groups[g].allowed || values[g].size() < 2) continue;
        TreeNode node{groups[g].kind, Translate(groups[g].caption), false, {}};
        for (const QString& value : values[g])
            node.children.push_back({groups[g].kind, value, true, {}});
        tree.push_back(std::move(node));
    }

    TreeNode best{NodeKind::BestLaps, Translate("Best laps"), false, {}};
    const QStringList& drivers = values[2];
    if (FilterIsAll(filters.driver) && drivers.size() > 1)
        for (const QString& driver : drivers)
            best.children.push_back({NodeKind::BestLaps, driver, true, {}});
    tree.push_back(std::move(best));
    return tree;
}

std::optional<TreeNode> FindNode(const std::vector<TreeNode>& tree, const QString& text) {
    for (const TreeNode& node : tree) {
        if (node.text == text) return node;
        for (const TreeNode& child : node.children)
            if (child.text == text) return child;
    }
    return std::nullopt;
}

NodeContent RowsForNode(const SummaryRows& rows, const ArchiveFilters& filters,
                        const std::optional<TreeNode>& node) {
    NodeContent content;
    auto passing = [&](auto&& also) {
        std::vector<int> list;
        for (int i = 0; i < int(rows.size()); ++i)
            if (PassesRowFilter(rows[std::size_t(i)], filters) && also(rows[std::size_t(i)]))
                list.push_back(i);
        return list;
    };
    auto any = [](const QStringList&) { return true; };
    if (!node) {
        content.rows = passing(any);
        return content;
    }
    switch (node->kind) {
    case NodeKind::Incomplete:
        for (int i = 0; i < int(rows.size()); ++i)
            if (!IsCompleteRow(rows[std::size_t(i)])) content.rows.push_back(i);
        break;
    case NodeKind::BestLaps:
        if (node->group) {
            content.rows = BestLapPerTrack(
                rows, passing([&](const QStringList& row) { return row.value(Driver) == node->text; }));
            content.hiddenColumn = Driver;
        } else {
            content.rows = BestLapPerTrack(rows, passing(any));
        }
        break;
    default:
        if (!node->group) {
            content.rows = passing(any);
            break;
        }
        content.rows =
            passing([&](const QStringList& row) { return ValueOf(row, node->kind) == node->text; });
        content.hiddenColumn = ColumnOf(node->kind);
        break;
    }
    return content;
}

std::vector<int> BestLapPerTrack(const SummaryRows& rows, const std::vector<int>& candidates) {
    std::vector<int> byTrack = candidates;
    std::stable_sort(byTrack.begin(), byTrack.end(), [&](int a, int b) {
        return CompareCellValues(rows[std::size_t(a)].value(Track), rows[std::size_t(b)].value(Track),
                                 false) < 0;
    });
    auto bestMs = [&](int index) {
        const auto ms = ParseInteger(rows[std::size_t(index)].value(BestLapMs));
        return ms && *ms > 0 ? *ms : 0;
    };
    std::vector<int> best;
    for (std::size_t i = 0; i < byTrack.size();) {
        const QString& track = rows[std::size_t(byTrack[i])].value(Track);
        int kept = byTrack[i];
        std::size_t j = i + 1;
        for (; j < byTrack.size() && rows[std::size_t(byTrack[j])].value(Track) == track; ++j) {
            const int ms = bestMs(byTrack[j]);
            if (ms > 0 && (bestMs(kept) == 0 || ms < bestMs(kept))) kept = byTrack[j];
        }
        best.push_back(kept);
        i = j;
    }
    return best;
}
