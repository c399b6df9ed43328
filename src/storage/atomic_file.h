#pragma once
// Every data file is replaced atomically: the old file stays whole until the new one is complete.
// Every read or write error names the file.
#include "expected.h"
#include <QByteArray>
#include <QString>

// Data files above this size are refused on reading: nothing the program writes comes near it, and a
// file's text takes many times its size in memory once it is split into lines and shown.
inline constexpr qint64 kMaxDataFileBytes = 32LL * 1024 * 1024;

// The path as messages name it: relative to the working folder (the data folder) when it lies below it,
// else as given.
QString PathForMessage(const QString& path);
// "Cannot read <path>: <reason>" and "Cannot write <path>: <reason>".
QString ReadErrorText(const QString& path, const QString& reason);
QString WriteErrorText(const QString& path, const QString& reason);

// Writes bytes to path through a temporary file beside it and a rename. The rename happens only when
// every byte reached the file and the file was synced to disk; otherwise the temporary file is removed
// and the old file stays as it was. The error names the file and gives the system's error text.
Expected<void, QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Copies source over target the same way, piece by piece (pictures and movies may be large): the old
// target stays whole unless the copy is complete. The error names the file that failed.
Expected<void, QString> CopyFileAtomically(const QString& source, const QString& target);
// Reads a whole file. A file larger than maxBytes is refused unread. The error names the file.
Expected<QByteArray, QString> ReadWholeFile(const QString& path, qint64 maxBytes = kMaxDataFileBytes);
