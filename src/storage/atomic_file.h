#pragma once
// Every data file is replaced atomically: the old file stays whole until the new one is complete.
#include "expected.h"
#include <QByteArray>
#include <QString>

// Writes bytes to path through a temporary file and a rename. The error is the system's error text.
Expected<void, QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);
// Reads a whole file; std::nullopt-like empty result with the error text when it cannot be read.
Expected<QByteArray, QString> ReadWholeFile(const QString& path);
