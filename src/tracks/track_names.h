#pragma once
// Rules for track names. A name becomes a section header and a list value of the track file, so a name
// the file cannot carry would lose or mix track data on the next start.
#include <QString>
#include <QStringList>

enum class TrackNameProblem {
    None,
    Empty,
    BadCharacter, // ";" ends a value, "[" or "]" a section, control characters a line
    Reserved,     // "general" and "tracks" are the file's own sections
};

// The name as it is kept: blanks and control characters at both ends removed.
QString TrimTrackName(const QString& name);
// The problem of an already trimmed name.
TrackNameProblem CheckTrackName(const QString& name);
// The message for a refused name, translated and filled, ending in "Try again?".
QString TrackNameProblemText(TrackNameProblem problem, const QString& name);
// Section headers are compared ignoring case, so two names that differ only in case are one track.
bool SameTrackName(const QString& a, const QString& b);
