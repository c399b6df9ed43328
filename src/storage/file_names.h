#pragma once
// File names built from user text.
#include <QString>
#include <QStringList>

// å/ä -> a, ö -> o (either case), ":" -> "-", each of / \ * " ? | -> "_".
QString CleanFileName(const QString& text);
// CleanFileName, and never "." or ".." or empty: the result is always one safe path component.
QString SafeFileName(const QString& text);
// Appends every entry of folder matching mask, then recurses into subfolders, depth first.
void ListFilesRecursive(const QString& folder, const QString& mask, QStringList& list);
