#pragma once
// Text helpers shared by every layer.
#include <QString>

QString AddDirtyMark(const QString& caption);
QString RemoveDirtyMark(const QString& caption);
QString FieldOf(const QString& text, int index, QChar delimiter); // trimmed field, "" when missing
int CountChar(const QString& text, QChar character);
// Sort comparison of two cell texts: numeric when both are decimal text, else locale collation of the
// trimmed texts (case-sensitive); negated when descending.
int CompareCellValues(const QString& x, const QString& y, bool descending);
// Removes characters with codes 0..32 at both ends (the tag files' trim).
QString TrimControl(const QString& text);
