#include "part_counter_update.h"

#include "part_status_rules.h"
#include "storage/comma_text.h"
#include "storage/number_format.h"
#include "storage/translate.h"

#include <algorithm>
#include <array>

namespace {

using namespace part_col;

// The six rules in the order their alerts are shown.
struct Rule {
    int counter, left, limit;
    bool decimal;
    const char* message;
};
constexpr std::array<Rule, 6> kRules{{
    {Hours, HoursLeft, HoursLimit, true, N_("Hour limit exceeded for")},
    {Mileage, MileageLeft, MileageLimit, true, N_("Mileage limit exceeded for")},
    {Starts, StartsLeft, StartsLimit, false, N_("Starts limit exceeded for")},
    {HoursSinceInsp, HoursUntilInsp, HoursInterval, true, N_("Inspection hour interval exceeded for")},
    {MileageSinceInsp, MileageUntilInsp, MileageInterval, true,
     N_("Inspection mileage interval exceeded for")},
    {StartsSinceInsp, StartsUntilInsp, StartsInterval, false, N_("Inspection starts interval exceeded for")},
}};

QString AddDecimal(const QString& counter, double value) {
    return FormatGeneral(ParseDecimal(counter.trimmed()).value_or(0.0) + value);
}

QString AddInteger(const QString& counter, int value) {
    return QString::number(qint64(ParseInteger(counter.trimmed()).value_or(0)) + value);
}

// Exceeded only when the value shown is below zero: "-0.00" and "0.00" are not.
bool ShownExceeded(const LeftValue& left) {
    return left.exceeded && ParseDecimal(left.text).value_or(0.0) < 0;
}

} // namespace

QString UpdateActionText(const CounterUpdate& update) {
    if (update.reset) return Translate("reset");
    QString action = Translate("updated");
    auto add = [&](const char* word, const QString& value) {
        action += u' ' + Translate(word) + u':' + value;
    };
    if (update.hours != 0) add("hours", FormatPattern(update.hours, QStringLiteral("0.00")));
    if (update.mileage != 0) add(N_("mileage"), FormatPattern(update.mileage, QStringLiteral("0.00")));
    if (update.starts != 0) add(N_("starts"), QString::number(update.starts));
    if (update.sessions != 0) add(N_("sessions"), QString::number(update.sessions));
    return action;
}

GroupUpdateOutcome ApplyGroupUpdate(const QString& groupName, PartGroup& group, const CounterUpdate& update,
                                    const QString& today) {
    GroupUpdateOutcome outcome;
    outcome.logLines << GroupLogLine(today, groupName, UpdateActionText(update), update.comment);
    std::array<PartAlert, 6> lists;
    for (int r = 0; r < group.parts.RowCount(); ++r) {
        QStringList row = PadFields(group.parts.Row(r), kPartColumnCount);
        if (update.reset) {
            for (int c :
                 {Hours, Mileage, Starts, Sessions, HoursSinceInsp, MileageSinceInsp, StartsSinceInsp})
                row[c] = QStringLiteral("0");
            for (const Rule& rule : kRules)
                row[rule.left] = row[rule.limit];
            group.parts.SetRow(r, row);
            continue;
        }
        row[Hours] = AddDecimal(row[Hours], update.hours);
        row[HoursSinceInsp] = AddDecimal(row[HoursSinceInsp], update.hours);
        row[Mileage] = AddDecimal(row[Mileage], update.mileage);
        row[MileageSinceInsp] = AddDecimal(row[MileageSinceInsp], update.mileage);
        row[Starts] = AddInteger(row[Starts], update.starts);
        row[StartsSinceInsp] = AddInteger(row[StartsSinceInsp], update.starts);
        row[Sessions] = AddInteger(row[Sessions], update.sessions);
        for (size_t i = 0; i < kRules.size(); ++i) {
            const Rule& rule = kRules[i];
            const LeftValue left = rule.decimal ? DecimalLeft(row[rule.limit], row[rule.counter])
                                                : IntegerLeft(row[rule.limit], row[rule.counter]);
            row[rule.left] = left.text;
            if (!ShownExceeded(left)) continue;
            lists[i].rows.push_back({row[PartNo], row[Qty], row[Name]});
            lists[i].names += QStringLiteral(" \"") + row[Name] + u'"';
        }
        group.parts.SetRow(r, row);
    }
    for (size_t i = 0; i < kRules.size(); ++i) {
        if (lists[i].rows.empty()) continue;
        lists[i].message = Translate(kRules[i].message);
        outcome.logLines << GroupLogLine(today, groupName, lists[i].message + lists[i].names, update.comment);
        outcome.alerts.push_back(std::move(lists[i]));
    }
    return outcome;
}

QString AlertTitle(const QString& groupName) {
    return Translate("Group") + u' ' + groupName;
}

QStringList AlertColumns() {
    return {Translate("Part No."), Translate("Qty"), Translate("Name")};
}

QStringList SessionUpdateGroups(const std::vector<PartGroup>& groups) {
    QStringList names;
    for (const PartGroup& g : groups)
        if (!g.stock && g.parts.RowCount() > 0) names << g.name;
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

SessionUpdateProposal ProposeSessionUpdate(const SessionUpdateInput& in) {
    SessionUpdateProposal p;
    qint64 ms = 0;
    if (in.startTime != 0 && in.stopTime > in.startTime)
        ms = RoundHalfEven((in.stopTime - in.startTime) * 86400000.0);
    if (in.pitStopMs > 0 && in.pitStopMs < ms) ms -= in.pitStopMs;
    p.hours = double(RoundHalfEven(double(ms) / 3600000.0 * 100.0)) / 100.0;
    const qint64 whole = qint64(p.hours);
    p.hoursText = QString::number(whole);
    p.minutesText = FormatPattern((p.hours - double(whole)) * 60.0, QStringLiteral("0"));
    double metres = 0;
    if (const auto length = ParseDecimal(in.trackLength.trimmed());
        length && !in.trackLength.trimmed().isEmpty())
        metres = *length * in.lapsBegun;
    p.distanceText = FormatPattern(in.miles ? metres / 1609.0 : metres / 1000.0, QStringLiteral("0.0"));
    return p;
}

CounterUpdate CounterUpdateFromSessionDialog(const SessionDialogValues& v) {
    CounterUpdate u;
    u.comment = v.comment;
    u.mileage = ParseDecimal(v.distance.trimmed()).value_or(0.0);
    if (const auto hours = ParseDecimal(v.hours.trimmed()); hours && !v.hours.trimmed().isEmpty())
        u.hours = *hours + ParseDecimal(v.minutes.trimmed()).value_or(0.0) / 60.0;
    u.starts = v.countStarts ? ParseInteger(v.starts.trimmed()).value_or(0) : 0;
    u.sessions = v.countSession ? 1 : 0;
    return u;
}

bool StampMatches(double stamp, double sessionStart) {
    return stamp != 0 && FormatGeneral(stamp) == FormatGeneral(sessionStart);
}

QString AlreadyUpdatedQuestion() {
    return Translate("Part status has already been updated for this session,\ncontinue anyway?");
}
