#pragma once
// File names built from user text.
#include <QString>
#include <QStringList>

// å/ä -> a, ö -> o (either case), ":" -> "-", each of / \ * " ? | -> "_".
QString CleanFileName(const QString& text);
// CleanFileName, and never "." or ".." or empty: the result is always one safe path component.
QString SafeFileName(const QString& text);
// The name typed in a save dialog with the extension its filter names added when the name ends with none
// of the filter's extensions: "Sessions/first" with "Session files (*.ses)" gives "Sessions/first.ses",
// "Race 14.32" gives "Race 14.32.ses" (the time's dot is no extension of the filter). The first filter
// of a list ("A (*.x);;B (*.y)") counts; one without an extension ("All files (*)") adds nothing.
QString WithFilterExtension(const QString& path, const QString& filter);
// Appends every entry of folder matching mask, then recurses into subfolders, depth first.
void ListFilesRecursive(const QString& folder, const QString& mask, QStringList& list);
