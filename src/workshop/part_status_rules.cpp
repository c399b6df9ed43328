#include "part_status_rules.h"

#include "storage/date_time.h"
#include "storage/number_format.h"
#include "storage/translate.h"

namespace {

QString Compared(const QString& text) {
    const QString trimmed = text.trimmed();
    const auto number = ParseDecimal(trimmed);
    if (!trimmed.isEmpty() && number && *number == 0.0) return {};
    return trimmed;
}

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

bool SameTrimmed(const QStringList& a, const QStringList& b, int column) {
    return a.value(column).trimmed() == b.value(column).trimmed();
}

// Whole pieces of a quantity text; text that is no whole number counts as 0.
int Pieces(const QString& qty) {
    return ParseInteger(qty.trimmed()).value_or(0);
}

// The earlier of two "Changed" texts; a date that cannot be read loses to one that can.
QString EarlierDate(const QString& a, const QString& b) {
    const auto da = ParseDateText(a.trimmed());
    const auto db = ParseDateText(b.trimmed());
    if (da && db) return *db < *da ? b : a;
    if (db) return b;
    return a;
}

} // namespace

bool ArePartDuplicates(const QStringList& first, const QStringList& second) {
    if (first.value(part_col::Changed).trimmed().isEmpty()) return false;
    for (int column = 1; column < kPartColumnCount; ++column) {
        if (column == part_col::Qty) continue;
        if (Compared(first.value(column)) != Compared(second.value(column))) return false;
    }
    return true;
}

bool MergeDuplicateParts(TextTable& parts, const QStringList* reference) {
    if (reference) {
        int duplicates = 0;
        for (int row = 0; row < parts.RowCount(); ++row)
            if (ArePartDuplicates(parts.Row(row), *reference)) ++duplicates;
        if (duplicates < 2) return false;
    }
    SortKeys byNumberAndName{};
    byNumberAndName[0].column = part_col::PartNo;
    byNumberAndName[1].column = part_col::Name;
    parts.Sort(byNumberAndName);
    bool merged = false;
    for (int row = parts.RowCount() - 2; row >= 0; --row) {
        const QStringList upper = parts.Row(row);
        const QStringList lower = parts.Row(row + 1);
        if (!ArePartDuplicates(upper, lower)) continue;
        parts.SetField(row, part_col::Qty,
                       QString::number(Pieces(upper[part_col::Qty]) + Pieces(lower[part_col::Qty])));
        parts.SetField(row, part_col::Changed,
                       EarlierDate(upper[part_col::Changed], lower[part_col::Changed]));
        parts.RemoveRows(row + 1);
        merged = true;
    }
    return merged;
}

int MovePartRow(PartGroup& source, int row, PartGroup& destination, const PartMove& move,
                const QString& today, const AskDeleteSource& askDelete, QString* logLine,
                bool* sourceDeleted) {
    using namespace part_col;
    if (sourceDeleted) *sourceDeleted = false;
    const QStringList part = source.parts.Row(row);
    if (part[Changed].trimmed().isEmpty()) return 0;
    const auto qty = ParseInteger(part[Qty].trimmed());
    const int available = qty.value_or(1);
    // A move never creates pieces: nothing from an empty row, never more than the row holds.
    if (available <= 0) return 0;
    const int moved = std::min(move.moveAll && qty ? *qty : move.quantity, available);
    if (moved <= 0) return 0;
    const QString date = move.date.isEmpty() ? part[Changed] : move.date;

    if (destination.stock) {
        static const int kStockMatch[] = {
            Name,     PartNo,     Location,     Storage,     Supplier,      Price,           ReqQty,
            Comments, HoursLimit, MileageLimit, StartsLimit, HoursInterval, MileageInterval, StartsInterval,
            Tasks,    Link};
        for (int r = destination.parts.RowCount() - 1; r >= 0; --r) {
            const QStringList other = destination.parts.Row(r);
            const QString otherQty = other[Qty].trimmed();
            if (!otherQty.isEmpty() && otherQty != u"0") continue;
            if (std::all_of(std::begin(kStockMatch), std::end(kStockMatch),
                            [&](int c) { return SameTrimmed(part, other, c); }))
                destination.parts.RemoveRows(r);
        }
    }
    int match = -1;
    for (int r = 0; r < destination.parts.RowCount() && match < 0; ++r) {
        const QStringList other = destination.parts.Row(r);
        bool same = true;
        for (int c = 1; c < kPartColumnCount && same; ++c)
            if (c != Qty && !SameTrimmed(part, other, c)) same = false;
        if (same) match = r;
    }
    if (logLine) *logLine = MoveLogLine(today, source.name, part[Name], moved, destination.name);
    if (match < 0) {
        QStringList copy = part;
        copy[Changed] = date;
        copy[Qty] = QString::number(moved);
        destination.parts.AddRow(copy);
    } else {
        destination.parts.SetField(match, Qty,
                                   QString::number(Pieces(destination.parts.Field(match, Qty)) + moved));
        destination.parts.SetField(match, Changed, date);
    }
    if (moved < available) {
        source.parts.SetField(row, Qty, QString::number(available - moved));
        return moved;
    }
    source.parts.SetField(row, Qty, QStringLiteral("0"));
    bool remove = !source.stock;
    if (source.stock && destination.stock) remove = askDelete && askDelete(part[Name]);
    if (remove) {
        source.parts.RemoveRows(row);
        if (sourceDeleted) *sourceDeleted = true;
    } else if (source.stock && !destination.stock) {
        // The stock keeps an empty entry for the part, without the fitted part's identity and counters.
        source.parts.SetField(row, Id, QString());
        for (int c : {10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22})
            source.parts.SetField(row, c, QString());
        source.parts.SetField(row, Sessions, QStringLiteral("0"));
    }
    return moved;
}

int FindPartRow(const TextTable& parts, int current, const QString& text, bool down,
                const std::function<bool(int column)>& searched) {
    const QString needle = text.toLower();
    if (needle.isEmpty()) return -1;
    auto matches = [&](int row) {
        for (int c = 0; c < kPartColumnCount; ++c)
            if ((!searched || searched(c)) && parts.Field(row, c).toLower().contains(needle)) return true;
        return false;
    };
    if (down) {
        for (int row = std::max(current + 1, 0); row < parts.RowCount(); ++row)
            if (matches(row)) return row;
    } else {
        for (int row = std::min(current - 1, parts.RowCount() - 1); row >= 0; --row)
            if (matches(row)) return row;
    }
    return -1;
}

namespace {

QString LogStart(const QString& today, const QString& group) {
    return today + u' ' + Translate("Group") + u' ' + Quoted(group);
}

} // namespace

QString PartLogLine(const QString& today, const QString& group, const QString& action,
                    const QStringList& row) {
    using namespace part_col;
    QString line = LogStart(today, group) + u' ' + Translate(action) + u' ' + Translate("part") + u' ' +
                   Quoted(row.value(Name));
    auto item = [&](const char* caption, const QString& value) {
        line += u' ' + Translate(caption) + u':' + value;
    };
    if (!row.value(PartNo).isEmpty()) item("Part No.", row.value(PartNo));
    if (!row.value(Comments).isEmpty()) item("comments", Quoted(row.value(Comments)));
    if (!row.value(Changed).isEmpty()) item(N_("last changed"), row.value(Changed));
    if (IsDecimalText(row.value(Hours))) item("hours", row.value(Hours));
    if (IsDecimalText(row.value(Mileage))) item(N_("mileage"), row.value(Mileage));
    if (IsDecimalText(row.value(HoursLeft))) item(N_("hours left"), row.value(HoursLeft));
    if (IsDecimalText(row.value(MileageLeft))) item("mileage left", row.value(MileageLeft));
    if (IsIntegerText(row.value(StartsLeft))) item(N_("starts left"), row.value(StartsLeft));
    return line;
}

QString GroupLogLine(const QString& today, const QString& group, const QString& action,
                     const QString& comment) {
    QString line = LogStart(today, group) + u' ' + action;
    if (!comment.isEmpty()) line += u' ' + Translate("comments") + QStringLiteral(": ") + Quoted(comment);
    return line;
}

QString MoveLogLine(const QString& today, const QString& group, const QString& partName, int quantity,
                    const QString& destination) {
    return LogStart(today, group) + u' ' + Translate("part") + u' ' + Quoted(partName) +
           QStringLiteral(" (") + QString::number(quantity) + QStringLiteral(") ") +
           Translate("moved to group") + u' ' + Quoted(destination);
}

std::vector<MaintenanceItemDraft> MaintenanceItemsForParts(const QString& partGroup,
                                                           const std::vector<QStringList>& rows,
                                                           const QString& date) {
    std::vector<MaintenanceItemDraft> items;
    for (const QStringList& row : rows) {
        if (row.value(part_col::Changed).trimmed().isEmpty()) continue;
        items.push_back({partGroup, date, QString(), row.value(part_col::Supplier).trimmed(),
                         row.value(part_col::Name).trimmed()});
    }
    return items;
}
