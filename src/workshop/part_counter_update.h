#pragma once
// Ageing the parts of a group: running hours, distance, starts and sessions added to every part (or the
// counters reset), the "left" columns recomputed, the parts past a limit or an inspection interval
// gathered in six alert lists, and the log lines. Also the figures a timed session proposes and the
// part-status stamp that keeps one session from being counted twice.
#include "part_status_data.h"

#include <QString>
#include <QStringList>
#include <vector>

struct CounterUpdate {
    bool reset = false;
    QString comment;
    int sessions = 0;
    int starts = 0;
    double mileage = 0; // in the user's distance unit
    double hours = 0;   // hours + minutes / 60
};

// One exceeded rule: its message and the parts (Part No., Qty, Name), with their names as the log
// writes them (each preceded by a blank, in double quotes).
struct PartAlert {
    QString message; // "Hour limit exceeded for", translated
    std::vector<QStringList> rows;
    QString names;
};

struct GroupUpdateOutcome {
    QStringList logLines;          // the update line, then one per alert
    std::vector<PartAlert> alerts; // non-empty lists only, in the order they are shown
};

// "reset", or "updated" with " hours:1.50", " mileage:3.00", " starts:2", " sessions:1" for each
// non-zero value.
QString UpdateActionText(const CounterUpdate& update);
// Applies the update to every part of the group. A counter that is no number counts as 0; sums are
// written in the shortest general form and the left values are computed from the texts written, so a
// part shown with "0.00" left is never reported. The alert dialog's title is "Group " + the group name.
GroupUpdateOutcome ApplyGroupUpdate(const QString& groupName, PartGroup& group, const CounterUpdate& update,
                                    const QString& today);
QString AlertTitle(const QString& groupName);
// The alert dialog's column captions ("Part No.", "Qty", "Name").
QStringList AlertColumns();

// Groups a session may update: those holding parts that are not stock groups, by name.
QStringList SessionUpdateGroups(const std::vector<PartGroup>& groups);

// What a timed session proposes to the update dialog.
struct SessionUpdateInput {
    double startTime = 0, stopTime = 0; // driver 1's, day numbers (0 = none)
    qint32 pitStopMs = 0;
    int lapsBegun = 0;   // by driver 1
    QString trackLength; // metres, as the track list holds it ("" when the track is unknown)
    bool miles = false;  // the distance unit
};
struct SessionUpdateProposal {
    double hours = 0;     // rounded to two decimals
    QString hoursText;    // whole hours
    QString minutesText;  // "0"
    QString distanceText; // km or miles, "0.0"
};
// The running time is the whole stop - start difference (no wrap after a day; 0 without a stop), less
// the pit time when that is smaller.
SessionUpdateProposal ProposeSessionUpdate(const SessionUpdateInput& in);

// The values the session dialog hands back, as typed.
struct SessionDialogValues {
    QStringList groups; // ticked
    QString hours, minutes, distance;
    bool countStarts = false;
    QString starts = QStringLiteral("1");
    bool countSession = true;
    QString comment;
};
CounterUpdate CounterUpdateFromSessionDialog(const SessionDialogValues& values);

// The stamp records the start of the session the part status was last updated from; it matches when its
// stored text equals that of the start (never for 0).
bool StampMatches(double stamp, double sessionStart);
QString
AlreadyUpdatedQuestion(); // "Part status has already been updated for this session,\ncontinue anyway?"
