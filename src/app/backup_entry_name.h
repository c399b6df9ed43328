#pragma once
// Which names of a backup archive may be restored. A restore writes below the data folder only: a name
// that is absolute, starts with a drive or a network share, or climbs out with ".." is refused, with "\"
// and "/" both taken as separators (archives may come from any system).
#include <QString>

// Why the entry name may not be restored (a translated phrase), or an empty text when it may.
QString EntryNameProblem(const QString& name);
// The path the entry restores to, relative to the data folder: "/" separators, no empty or "." parts.
// Only meaningful for a name without a problem; a directory entry keeps no trailing "/".
QString EntryRelativePath(const QString& name);
